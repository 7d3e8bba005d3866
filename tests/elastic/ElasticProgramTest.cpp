// zorind-elastic as a program: its exit status, its messages, and what it
// does to the files its two paths name.
#include "elastic/ElasticProgram.h"
#include "contract/ElasticContract.h"
#include "elastic/ExchangeModel.h"
#include "elastic/ExchangeText.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace zorind::elastic {
namespace {

namespace fs = std::filesystem;
using test::addLoop;
using test::exchangeText;
using zorind::test::readAll;
using zorind::test::TempDir;

// A unit square held at its bottom and pulled at its top.
ExchangeModel goodModel()
{
    ExchangeModel m;
    m.youngModulus = 210000003072.0;
    m.poissonRatio = 0.3;
    addLoop(m, test::square(1.0, 1));
    m.displacements = {{0, 0.0, 0.0}, {1, 0.0, 0.0}};
    m.tractions = {{2, 0.0, 1e6}, {3, 0.0, 1e6}};
    return m;
}

std::size_t entries(const fs::path& dir)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

// Every refusal of the input: a message on standard error, the failure
// status, and the result file of an earlier run left byte for byte, with no
// other file made beside it.
TEST(ElasticProgram, RefusedInputLeavesTheResultFileAsItWas)
{
    TempDir dir;
    const fs::path data = dir.path() / "tav_ed.dat";
    const fs::path results = dir.path() / "tav_ed.wyn";
    const ExchangeModel good = goodModel();

    ExchangeModel tooMany = good;
    tooMany.nodes.resize(200);
    ExchangeModel missingNode = good;
    missingNode.elements[3].end = 7;
    ExchangeModel unfixed = good;
    unfixed.displacements.clear();
    ExchangeModel heldAtOneNode = good; // free to turn about that node
    heldAtOneNode.displacements.pop_back();
    ExchangeModel incompressible = good;
    incompressible.poissonRatio = 0.5;
    ExchangeModel poissonMinusOne = good;
    poissonMinusOne.poissonRatio = -1.0;
    ExchangeModel slit = good; // two elements on top of each other
    slit.nodes.resize(2);
    slit.elements = {{0, 1}, {1, 0}};
    slit.tractions.clear();
    ExchangeModel open = good;
    open.elements.pop_back();
    ExchangeModel bowTie = good;
    std::swap(bowTie.nodes[2], bowTie.nodes[3]);
    ExchangeModel loose = good; // a second body that nothing holds
    addLoop(loose, test::square(1.0, 1));
    for (std::size_t i = 4; i < 8; ++i) {
        loose.nodes[i].x += 3.0;
        loose.tractions.push_back({static_cast<int>(i), 1e6, 0.0});
    }
    // A valid file made larger than any the application writes.
    const std::string oversized = exchangeText(good) + std::string(1024 * 1024, ' ');

    struct Case {
        std::string name;
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"unreadable", "", "Nie można odczytać pliku danych"},
        {"empty", " ", "wiersz 1: plik kończy się przedwcześnie"},
        {"malformed number", "0 4 4 0 1 0 2.1e11 0.3\n1 0.0 x 0 0\n", "wiersz 2: oczekiwano liczby"},
        {"truncated", exchangeText(good).substr(0, 60), "plik kończy się przedwcześnie"},
        {"over a megabyte", oversized, "za duży na plik wymiany"},
        {"nodes over capacity", exchangeText(tooMany), "liczba węzłów 200 przekracza dopuszczalne 199"},
        {"element names a missing node", exchangeText(missingNode), "węzeł 8 nie istnieje"},
        {"no displacement", exchangeText(unfixed), "Brak przemieszczeń"},
        {"displacement at one node only", exchangeText(heldAtOneNode),
         "Przemieszczenie zadane tylko w jednym węźle"},
        {"Poisson ratio 0.5", exchangeText(incompressible), "liczba Poissona musi leżeć między -1 a 0,5"},
        {"Poisson ratio -1", exchangeText(poissonMinusOne), "liczba Poissona musi leżeć między -1 a 0,5"},
        {"overlapping elements", exchangeText(slit), "Elementy 1 i 2 nakładają się"},
        {"open boundary", exchangeText(open), "Brzeg nie jest zamknięty: węzeł 1 należy tylko do elementu 1"},
        {"bow-tie", exchangeText(bowTie), "Elementy 2 i 4 przecinają się"},
        {"singular system", exchangeText(loose), "osobliwy"},
        {"trailing data", exchangeText(good) + "5 1 2\n", "nadmiarowe dane"},
    };
    const std::string earlier = "results of an earlier run\n";
    for (const auto& [name, text, message] : cases) {
        SCOPED_TRACE(name);
        fs::remove(data);
        if (name != "unreadable") {
            std::ofstream(data, std::ios::binary) << text;
        }
        std::ofstream(results, std::ios::binary) << earlier;
        std::ostringstream err;
        EXPECT_EQ(runElastic(data, results, err), exitFailed);
        EXPECT_THAT(err.str(), ::testing::StartsWith("zorind-elastic: "));
        EXPECT_THAT(err.str(), ::testing::HasSubstr(message));
        EXPECT_EQ(readAll(results.string()), earlier);
        EXPECT_EQ(entries(dir.path()), name == "unreadable" ? 1u : 2u);
    }
    fs::remove(results);
    std::ofstream(data, std::ios::binary) << exchangeText(good, -1);
    std::ostringstream err;
    EXPECT_EQ(runElastic(data, results, err), exitSolved) << err.str();
    EXPECT_THAT(readAll(results.string()), ::testing::HasSubstr("PRZEMIESZCZENIA  BRZEGOWE"));
    EXPECT_EQ(entries(dir.path()), 2u);

    // New results keep the permissions of the file they replace (a mode no
    // usual umask gives a new file).
    ASSERT_EQ(::chmod(results.c_str(), 0604), 0);
    EXPECT_EQ(runElastic(data, results, err), exitSolved) << err.str();
    struct stat st {};
    ASSERT_EQ(::stat(results.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0604u);

    // The largest model the application exports is taken: node, internal
    // point and displacement counts at their capacities (the square is held
    // at every node; the other nodes belong to no element).
    ExchangeModel full = good;
    full.nodes.resize(contract::kMaxNodes, Point{5.0, 5.0});
    full.displacements.clear();
    for (int i = 0; i < contract::kMaxNodes; ++i) {
        full.displacements.push_back({i, 0.0, 0.0});
    }
    full.tractions.clear();
    for (int i = 0; i < contract::kMaxInternalPoints; ++i) {
        full.internalPoints.push_back({0.1 + 0.8 * (i % 25) / 24.0, 0.1 + 0.8 * (i / 25) / 24.0});
    }
    std::ofstream(data, std::ios::binary | std::ios::trunc) << exchangeText(full);
    std::ostringstream fullErr;
    EXPECT_EQ(runElastic(data, results, fullErr), exitSolved) << fullErr.str();
}

// The result path takes the results only as a regular file or a new name; a
// symbolic link to a regular file gets them in its target and stays a link.
// Anything else is refused before anything is solved, and left as it was,
// with nothing made beside it.
TEST(ElasticProgram, ResultPathOtherThanARegularFileIsRefusedUntouched)
{
    TempDir dir;
    const fs::path data = dir.path() / "tav_ed.dat";
    std::ofstream(data, std::ios::binary) << exchangeText(goodModel(), -1);
    const fs::path folder = dir.path() / "folder.wyn";
    fs::create_directory(folder);
    const fs::path fifo = dir.path() / "fifo.wyn";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path dangling = dir.path() / "dangling.wyn";
    fs::create_symlink("nowhere.wyn", dangling);
    const fs::path toFolder = dir.path() / "to-folder.wyn";
    fs::create_symlink("folder.wyn", toFolder);

    // A device: as root, a program that replaced it would replace the
    // machine's /dev/null, so root offers a null device of the test's own;
    // anyone else may not make one, nor change /dev, and offers /dev/null.
    fs::path device = dir.path() / "null.wyn";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        device = "/dev/null";
    }
    struct stat deviceBefore {};
    ASSERT_EQ(::lstat(device.c_str(), &deviceBefore), 0);
    const std::size_t before = entries(dir.path());
    struct Case {
        fs::path path;
        std::string message;
    };
    for (const auto& [path, message] : std::vector<Case>{{folder, "to jest katalog"},
                                                         {fifo, "to jest potok"},
                                                         {device, "to jest plik urządzenia"},
                                                         {dangling, "prowadzi do pliku, który nie istnieje"},
                                                         {toFolder, "nie prowadzi do zwykłego pliku"},
                                                         {dir.path() / "none" / "tav_ed.wyn", "nie istnieje"}}) {
        SCOPED_TRACE(path.string());
        std::ostringstream err;
        EXPECT_EQ(runElastic(data, path, err), exitFailed);
        EXPECT_THAT(err.str(),
                    ::testing::StartsWith("zorind-elastic: Nie można zapisać pliku wyników " + path.string() + ": "));
        EXPECT_THAT(err.str(), ::testing::HasSubstr(message));
        EXPECT_EQ(entries(dir.path()), before);
    }
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dangling)));
    EXPECT_FALSE(fs::exists(dir.path() / "nowhere.wyn"));
    struct stat deviceAfter {};
    ASSERT_EQ(::lstat(device.c_str(), &deviceAfter), 0);
    EXPECT_TRUE(S_ISCHR(deviceAfter.st_mode));
    EXPECT_EQ(deviceAfter.st_rdev, deviceBefore.st_rdev);
    EXPECT_EQ(deviceAfter.st_ino, deviceBefore.st_ino);

    // A link to a regular file: the target is replaced, the link stays.
    const fs::path target = dir.path() / "target.wyn";
    const fs::path link = dir.path() / "link.wyn";
    std::ofstream(target, std::ios::binary) << "results of an earlier run\n";
    fs::create_symlink("target.wyn", link);
    std::ostringstream err;
    EXPECT_EQ(runElastic(data, link, err), exitSolved) << err.str();
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(fs::read_symlink(link), "target.wyn");
    EXPECT_THAT(readAll(target.string()), ::testing::HasSubstr("PRZEMIESZCZENIA  BRZEGOWE"));
    EXPECT_EQ(entries(dir.path()), before + 2);
}

// Only a regular file is read as data, and one no larger than any the
// application writes: a device, a folder or a fifo is refused at once,
// without reading (a fifo without a writer would wait for ever, /dev/zero
// would fill the memory).
TEST(ElasticProgram, DataOtherThanARegularFileIsRefusedWithoutReading)
{
    TempDir dir;
    const fs::path results = dir.path() / "tav_ed.wyn";
    const fs::path fifo = dir.path() / "fifo.dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        fs::path path;
        std::string message;
    };
    for (const auto& [path, message] : std::vector<Case>{
             {"/dev/zero", "to jest plik urządzenia"}, {dir.path(), "to jest katalog"}, {fifo, "to jest potok"}}) {
        SCOPED_TRACE(path.string());
        std::ostringstream err;
        EXPECT_EQ(runElastic(path, results, err), exitFailed);
        EXPECT_THAT(err.str(),
                    ::testing::HasSubstr("Nie można odczytać pliku danych " + path.string() + ": " + message));
        EXPECT_FALSE(fs::exists(results));
    }
}

} // namespace
} // namespace zorind::elastic
