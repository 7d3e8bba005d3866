#include <gtest/gtest.h>

#include <string>

#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

// Both programs answer with their name and the version the build defines,
// without needing a display or reading a project.
TEST(VersionCli, BothProgramsPrintTheirNameAndTheBuildsVersion)
{
    test::TempDir dir;
    const std::string version = ZORIND_BUILD_VERSION;
    const test::CliRun cli = test::runCli(dir, {"--version"});
    EXPECT_EQ(cli.status, 0);
    EXPECT_EQ(cli.out, "zorind-cli (ZORIND) " + version + "\n");
    EXPECT_EQ(cli.err, "");
    const test::CliRun gui = test::runProgram(dir, ZORIND_GUI_PATH, {"--version"});
    EXPECT_EQ(gui.status, 0);
    EXPECT_EQ(gui.out, "zorind (ZORIND) " + version + "\n");
    EXPECT_EQ(gui.err, "");
}

} // namespace
} // namespace zorind
