// The project-file reader on arbitrary bytes. Text it accepts must survive a
// save and a reread: writing what was read, reading that and writing again
// gives the same text.
#include "core/model/ProjectFile.h"
#include "core/session/Project.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zorind;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto project = std::make_unique<Project>();
    if (readProjectText(text, *project)) {
        return 0;
    }
    const std::string written = writeProjectText(*project);
    auto again = std::make_unique<Project>();
    if (readProjectText(written, *again) || writeProjectText(*again) != written) {
        std::abort();
    }
    return 0;
}
