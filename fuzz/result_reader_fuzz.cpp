// libFuzzer target for the elasticity result-file reader. Any bytes must be
// read without a crash, leak or undefined behaviour; nothing may be taken
// before a header line and only finite values may be taken; and what was
// read must survive a round trip: written out again as a result file and
// read back, it gives the same values.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/exchange/ResultFile.h"
#include "support/ResultFiles.h"

namespace {

constexpr int kNodes = 4;

bool finite(const zorind::NodeResultValues& n)
{
    for (float v : {n.dx, n.dy, n.fx, n.fy, n.sigmaX, n.sigmaY, n.sigmaZ, n.tauXY, n.reduced}) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const zorind::ResultFileContent first = zorind::readResultText(text, kNodes);
    if (first.nodes.size() != kNodes) {
        std::abort();
    }
    std::vector<zorind::test::NodeResult> written;
    for (const zorind::NodeResultValues& n : first.nodes) {
        if (!finite(n) || (!first.headerFound && (n.motionRead || n.stressesSet)) || (n.motionRead && !n.stressesSet)) {
            std::abort();
        }
        written.push_back({static_cast<int>(written.size()) + 1, n.dx, n.dy, n.fx, n.fy, n.sigmaX, n.tauXY, n.sigmaY,
                           n.sigmaZ, n.reduced});
    }
    if (!first.headerFound) {
        return 0;
    }
    // Values the file did not reach are zero on both sides.
    const zorind::ResultFileContent again = zorind::readResultText(zorind::test::resultFile(written), kNodes);
    if (!again.complete || again.headerCount != 1) {
        std::abort();
    }
    for (std::size_t k = 0; k < first.nodes.size(); ++k) {
        zorind::NodeResultValues expected = first.nodes[k];
        expected.motionRead = expected.stressesSet = true;
        if (!(again.nodes[k] == expected)) {
            std::abort(); // the round trip changed a value
        }
    }
    return 0;
}
