// The exchange-file reader on arbitrary bytes; a small model that reads
// correctly is also solved and written, so that odd geometry reaches the
// solver (larger ones would only slow the run down).
#include "elastic/ElasticSolver.h"
#include "elastic/ExchangeModel.h"
#include "elastic/ResultWriter.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zorind::elastic;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const ExchangeModel model = parseExchange(text);
        if (model.nodes.size() <= 24 && model.elements.size() <= 24 && model.internalPoints.size() <= 8) {
            const ElasticSolution solution = solveElastic(model);
            std::ostringstream out;
            writeResults(out, model, solution);
        }
    } catch (const ElasticError&) {
        // A refusal is the expected answer to most inputs.
    }
    return 0;
}
