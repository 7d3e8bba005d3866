#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <locale>

#include <sys/stat.h>
#include <unistd.h>

#include "core/model/ProjectFile.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

using test::addElement;
using test::addNode;
using test::emptyProject;

const char* const kTriangleFile = "3 3 1 1 0\n"
                                  "0.000000000000000 0.000000000000000\n"
                                  "10.000000000000000 0.000000000000000\n"
                                  "0.000000000000000 10.000000000000000\n"
                                  "1 2 1 1\n"
                                  "2 3 1 1\n"
                                  "3 1 1 1\n"
                                  "2.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000\n"
                                  "1\n"
                                  "1.000000 0.000000\n"
                                  "1\n"
                                  "Koniec pliku";

Project triangle()
{
    Project p = emptyProject();
    addNode(p, 0, 0);
    addNode(p, 10, 0);
    addNode(p, 0, 10);
    addElement(p, 1, 2);
    addElement(p, 2, 3);
    addElement(p, 3, 1);
    return p;
}

TEST(ProjectFileWriter, TriangleExampleByteForByte)
{
    EXPECT_EQ(writeProjectText(triangle()), kTriangleFile);
}

TEST(ProjectFileWriter, OneNodeModelHasEverySection)
{
    Project p = emptyProject();
    addNode(p, 1.5f, -2.25f);
    EXPECT_EQ(writeProjectText(p), "1 0 1 1 0\n"
                                   "1.500000000000000 -2.250000000000000\n"
                                   "2.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000\n"
                                   "1\n"
                                   "1.000000 0.000000\n"
                                   "1\n"
                                   "Koniec pliku");
}

struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(ProjectFileWriter, IgnoresTheUserLocale)
{
    // A program-wide locale with a decimal comma (as a Polish desktop has)
    // must not leak into the file, whichever way numbers are formatted.
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const char* cLocale = std::setlocale(LC_NUMERIC, "pl_PL.UTF-8");
    Project p = emptyProject();
    addNode(p, 0.5f, 0.25f);
    const std::string text = writeProjectText(p);
    Project q = emptyProject();
    const auto problem = readProjectText(text, q);
    std::locale::global(previous);
    if (cLocale != nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
    EXPECT_NE(text.find("0.500000000000000 0.250000000000000"), std::string::npos);
    EXPECT_FALSE(problem.has_value());
    EXPECT_FLOAT_EQ(q.nodes[1].y, 0.25f);
}

TEST(ProjectFileRoundTrip, SaveAndOpenReproduceEveryTable)
{
    Project p = emptyProject();
    test::addPolygon(p, {{0.1f, 0.2f}, {12345.678f, -0.000123f}, {3.14159265f, 2.71828182f}});
    test::addCondition(p, 1.0f, 1.234567f, -7.5f, 1e-6f);
    p.conditions[2].atNode1Y = 4.5f;
    p.conditions[2].atMiddleY = -4.5f;
    p.conditions[2].atNode2Y = 9.0f;
    test::addBoundary(p, InnerBoundary);
    p.elements[2].condition = 2;
    p.elements[3].boundary = 2;
    test::addInternalPoint(p, 1.25f, -3.5f);
    test::addInternalPoint(p, 0.123456f, 99.5f);
    p.conductivity = 52.5f;
    p.ambientTemperature = -20.25f;
    p.analysisType = Elasticity;

    test::TempDir dir;
    const std::string path = dir.file("model.tav");
    ASSERT_TRUE(saveProjectFile(p, path).ok());

    Project q = emptyProject();
    ASSERT_TRUE(loadProjectFile(path, q).ok());
    ASSERT_EQ(q.nodeCount(), 3);
    for (int k = 1; k <= 3; ++k) {
        // Fifteen decimals of a float widened to double: exact.
        EXPECT_EQ(q.nodes[k], p.nodes[k]) << k;
        EXPECT_EQ(q.elements[k], p.elements[k]) << k;
    }
    ASSERT_EQ(q.conditionCount(), 2);
    const BoundaryCondition& c = q.conditions[2];
    EXPECT_FLOAT_EQ(c.kind, 1.0f);
    EXPECT_NEAR(c.atNode1, 1.234567f, 1e-6);
    EXPECT_NEAR(c.atMiddle, -7.5f, 1e-6);
    EXPECT_NEAR(c.atNode2, 0.000001f, 1e-6);
    EXPECT_NEAR(c.atNode1Y, 4.5f, 1e-6);
    EXPECT_NEAR(c.atMiddleY, -4.5f, 1e-6);
    EXPECT_NEAR(c.atNode2Y, 9.0f, 1e-6);
    ASSERT_EQ(q.boundaryCount(), 2);
    EXPECT_EQ(q.boundaries[2].kind, InnerBoundary);
    ASSERT_EQ(q.internalPointCount(), 2);
    EXPECT_NEAR(q.internalPoints[2].x, 0.123456f, 1e-6);
    EXPECT_NEAR(q.internalPoints[1].y, -3.5f, 1e-6);
    EXPECT_FLOAT_EQ(q.conductivity, 52.5f);
    EXPECT_FLOAT_EQ(q.ambientTemperature, -20.25f);
    EXPECT_EQ(q.analysisType, Elasticity);
}

TEST(ProjectFileReader, LineBreaksCarryNoMeaningAndTheClosingTextIsOptional)
{
    std::string text = "1 0 1 1 0 2.5 3.5\n\n 2 0 0 0 0 0 0 1 +4 0 10";
    Project p = emptyProject();
    ASSERT_FALSE(readProjectText(text, p).has_value());
    EXPECT_EQ(p.nodeCount(), 1);
    EXPECT_FLOAT_EQ(p.nodes[1].y, 3.5f);
    EXPECT_FLOAT_EQ(p.conductivity, 4.0f);
    EXPECT_EQ(p.analysisType, 10);
}

TEST(ProjectFileReader, ReferencesAreNotValidated)
{
    std::string text = "2 1 1 1 0\n0 0\n1 1\n7 -3 42 0\n2 0 0 0 0 0 0\n1\n1 0\n1\n";
    Project p = emptyProject();
    ASSERT_FALSE(readProjectText(text, p).has_value());
    EXPECT_EQ(p.elements[1], (Element{7, -3, 42, 0}));
}

struct DamagedCase {
    const char* name;
    const char* text;
    const char* reasonFragment;
};

class DamagedFile : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFile, IsRefusedWithAReasonAndTheModelUntouched)
{
    Project p = triangle();
    const Project before = p;
    auto problem = readProjectText(GetParam().text, p);
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find(GetParam().reasonFragment), std::string::npos) << *problem;
    EXPECT_EQ(p.nodeCount(), before.nodeCount());
    EXPECT_EQ(p.elementCount(), before.elementCount());
    EXPECT_EQ(p.nodes[2], before.nodes[2]);
    EXPECT_EQ(p.elements[3], before.elements[3]);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, DamagedFile,
    ::testing::Values(
        DamagedCase{"Empty", "", "koniec pliku"}, DamagedCase{"EndsInNodes", "2 0 1 1 0\n0 0\n1", "koniec pliku"},
        DamagedCase{"EndsBeforeType", "1 0 1 1 0\n0 0\n2 0 0 0 0 0 0\n1\n1 0\n", "koniec pliku"},
        DamagedCase{"LetterInCount", "1 x 1 1 0", "niepoprawna liczba"},
        DamagedCase{"FractionalCount", "1.5 0 1 1 0", "niepoprawna liczba"},
        DamagedCase{"LetterInCoordinate", "1 0 1 1 0\n0 abc\n", "niepoprawna wartość"},
        DamagedCase{"CommaDecimal", "1 0 1 1 0\n0,5 1\n", "niepoprawna wartość"},
        DamagedCase{"NegativeCount", "1 -1 1 1 0", "ujemna"}, DamagedCase{"TooManyNodes", "200 0 1 1 0", "199"},
        DamagedCase{"TooManyElements", "1 250 1 1 0", "249"}, DamagedCase{"TooManyConditions", "1 0 100 1 0", "99"},
        DamagedCase{"TooManyBoundaries", "1 0 1 20 0", "19"}, DamagedCase{"TooManyPoints", "1 0 1 1 500", "499"},
        DamagedCase{"InfiniteCoordinate", "1 0 1 1 0\ninf 0\n", "niepoprawna wartość"},
        DamagedCase{"NanValue", "1 0 1 1 0\n0 0\nnan 0 0 0 0 0 0\n", "niepoprawna wartość"},
        DamagedCase{"HugeValue", "1 0 1 1 0\n1e39 0\n", "niepoprawna wartość"},
        DamagedCase{"IntegerOverflow", "1 0 1 1 0\n0 0\n2 0 0 0 0 0 0\n99999999999\n", "niepoprawna"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectFileReader, ReasonNamesTheLine)
{
    Project p = emptyProject();
    auto problem = readProjectText("2 0 1 1 0\n0 0\n0 x\n", p);
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("Wiersz 3"), std::string::npos) << *problem;
}

TEST(ProjectFileReader, AcceptsTheCapacitiesExactly)
{
    std::string text = "199 0 1 1 0\n";
    for (int k = 0; k < 199; ++k) {
        text += std::to_string(k) + " 0\n";
    }
    text += "2 0 0 0 0 0 0\n1\n1 0\n1\n";
    Project p = emptyProject();
    ASSERT_FALSE(readProjectText(text, p).has_value());
    EXPECT_EQ(p.nodeCount(), 199);
    EXPECT_FLOAT_EQ(p.nodes[199].x, 198.0f);
}

TEST(ProjectFileDisk, MissingFileCannotBeOpened)
{
    test::TempDir dir;
    Project p = emptyProject();
    EXPECT_EQ(loadProjectFile(dir.file("nie-ma.tav"), p).status, FileStatus::CannotOpen);
}

TEST(ProjectFileDisk, FailedSaveKeepsThePreviousFile)
{
    test::TempDir dir;
    const std::string path = dir.write("stary.tav", "poprzednia zawartość");
    // A folder in place of the target: the rename must fail and leave the
    // old folder and nothing else behind.
    const std::string folder = dir.file("folder.tav");
    std::filesystem::create_directory(folder);
    std::filesystem::create_directory(folder + "/x");
    EXPECT_EQ(saveProjectFile(triangle(), folder).status, FileStatus::CannotWrite);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    // An unwritable folder: nothing is created, the old file stays.
    EXPECT_EQ(saveProjectFile(triangle(), dir.file("nie/ma/folderu.tav")).status, FileStatus::CannotWrite);
    EXPECT_EQ(test::readAll(path), "poprzednia zawartość");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2) << "no temporary file may be left behind";
}

TEST(ProjectFileDisk, SaveReplacesAnExistingFile)
{
    test::TempDir dir;
    const std::string path = dir.write("model.tav", "stare dane");
    ASSERT_TRUE(saveProjectFile(triangle(), path).ok());
    EXPECT_EQ(test::readAll(path), kTriangleFile);
}

TEST(ProjectFileDisk, SaveWritesThroughALinkAndKeepsPermissions)
{
    namespace fs = std::filesystem;
    test::TempDir dir;
    const std::string real = dir.write("model.tav", "stare dane");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string link = dir.file("skrot.tav");
    fs::create_symlink(real, link);

    ASSERT_TRUE(saveProjectFile(triangle(), link).ok());
    EXPECT_TRUE(fs::is_symlink(link)) << "the link stays a link";
    EXPECT_EQ(test::readAll(real), kTriangleFile);
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(ProjectFileDisk, AReadOnlyFileIsRefusedAndKept)
{
    namespace fs = std::filesystem;
    test::TempDir dir;
    const std::string path = dir.write("tylko.tav", "chronione");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(saveProjectFile(triangle(), path).status, FileStatus::CannotWrite);
    EXPECT_EQ(test::readAll(path), "chronione");
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

TEST(ProjectFileReader, AByteOrderMarkIsSkipped)
{
    Project p = emptyProject();
    ASSERT_FALSE(readProjectText(std::string("\xEF\xBB\xBF") + kTriangleFile, p).has_value());
    EXPECT_EQ(p.nodeCount(), 3);
}

TEST(ProjectFileReader, ABadTokenIsQuotedShortAndEscaped)
{
    Project p = emptyProject();
    const std::string binary = "1 0 1 1 0\n" + std::string(5000, '\x01') + "\r\x1b[2J";
    const std::optional<std::string> reason = readProjectText(binary, p);
    ASSERT_TRUE(reason.has_value());
    EXPECT_LT(reason->size(), 200u) << *reason;
    EXPECT_NE(reason->find("\\x01\\x01"), std::string::npos) << *reason;
    for (char c : *reason) {
        EXPECT_GE(static_cast<unsigned char>(c), 0x20) << "a control byte reaches the message";
    }
}

TEST(ProjectFileDisk, OnlyRegularFilesOfAProjectsSizeAreRead)
{
    test::TempDir dir;
    Project p = emptyProject();
    // A folder, an empty device, an endless one and a pipe without a writer
    // (which would wait for ever): none is opened.
    const std::string pipe = dir.file("potok.tav");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {dir.path().string(), std::string("/dev/null"), std::string("/dev/zero"), pipe}) {
        EXPECT_EQ(loadProjectFile(path, p).status, FileStatus::CannotOpen) << path;
    }
    // Blanks beyond any project's size.
    const std::string big = dir.write("duzy.tav", kTriangleFile + std::string(kMaxProjectFileSize, ' '));
    const FileResult result = loadProjectFile(big, p);
    EXPECT_EQ(result.status, FileStatus::TooLarge);
    EXPECT_EQ(p.nodeCount(), 0);
}

TEST(ProjectFileDisk, SaveOverAnExistingFileKeepsItsOwnerModeAndOtherNames)
{
    namespace fs = std::filesystem;
    test::TempDir dir;
    const std::string path = dir.write("wspolny.tav", "stare dane");
    const std::string other = dir.file("drugi.tav");
    fs::create_hard_link(path, other);
    // Writable by the group only, not by its owner.
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::group_write);
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    const bool rootMayGiveAway = geteuid() == 0 && chown(path.c_str(), 65534, 65534) == 0;

    ASSERT_TRUE(saveProjectFile(triangle(), path).ok());
    EXPECT_EQ(test::readAll(path), kTriangleFile);
    EXPECT_EQ(test::readAll(other), kTriangleFile) << "the other name sees the saved file";
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::group_write);
    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    if (rootMayGiveAway) {
        EXPECT_EQ(after.st_uid, 65534u);
        EXPECT_EQ(after.st_gid, 65534u);
    }
}

TEST(ProjectFileDisk, SaveThroughALinkToAFileNotYetThereCreatesIt)
{
    namespace fs = std::filesystem;
    test::TempDir dir;
    const std::string link = dir.file("skrot.tav");
    fs::create_symlink("cel.tav", link);
    ASSERT_TRUE(saveProjectFile(triangle(), link).ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::readAll(dir.file("cel.tav")), kTriangleFile);
}

TEST(ProjectFileDisk, AFailedSaveSaysWhy)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.file("folder.tav"));
    EXPECT_EQ(saveProjectFile(triangle(), dir.file("brak/m.tav")).detail, "Folder nie istnieje.");
    EXPECT_EQ(saveProjectFile(triangle(), dir.file("folder.tav")).detail, "Pod tą nazwą jest folder.");
    const std::string readOnly = dir.write("tylko.tav", "chronione");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    EXPECT_EQ(saveProjectFile(triangle(), readOnly).detail, "Plik jest tylko do odczytu.");
    EXPECT_EQ(saveProjectFile(triangle(), "/dev/null").detail, "To nie jest zwykły plik.");
}

TEST(ProjectFileDisk, ShippedExamplesAreReadable)
{
    for (const char* name : {"plyta.tav", "pierscien.tav", "wspornik.tav"}) {
        Project p = emptyProject();
        FileResult r = loadProjectFile(std::string(ZORIND_EXAMPLES_DIR) + "/" + name, p);
        EXPECT_TRUE(r.ok()) << name << ": " << r.detail;
        EXPECT_GT(p.elementCount(), 0) << name;
    }
}

} // namespace
} // namespace zorind
