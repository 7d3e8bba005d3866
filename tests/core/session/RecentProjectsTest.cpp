#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/ProjectFile.h"
#include "core/session/FileCommands.h"
#include "core/session/RecentProjects.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

using Paths = std::vector<std::string>;

Project triangle()
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {4, 0}, {0, 3}});
    return p;
}

TEST(RecentProjects, EveryFileOpenedOrSavedGoesFirstOnceAndFourAreKept)
{
    test::TempDir dir;
    ScriptedInteraction ui;
    Project p = triangle();
    for (const char* name : {"a.tav", "b.tav", "c.tav", "d.tav"}) {
        ASSERT_TRUE(saveProjectPath(p, ui, dir.file(name), false));
    }
    EXPECT_EQ(p.recentProjects, (Paths{dir.file("d.tav"), dir.file("c.tav"), dir.file("b.tav"), dir.file("a.tav")}));

    ASSERT_TRUE(openProjectPath(p, ui, dir.file("b.tav"), false));
    EXPECT_EQ(p.recentProjects, (Paths{dir.file("b.tav"), dir.file("d.tav"), dir.file("c.tav"), dir.file("a.tav")}));

    ASSERT_TRUE(saveProjectPath(p, ui, dir.file("e.tav"), false));
    EXPECT_EQ(p.recentProjects, (Paths{dir.file("e.tav"), dir.file("b.tav"), dir.file("d.tav"), dir.file("c.tav")}));

    // A file that could not be read or written is none of the user's projects.
    const std::string damaged = dir.write("zly.tav", "3 3 1 1 0\n0 0\n");
    EXPECT_FALSE(openProjectPath(p, ui, damaged, false));
    Project q = triangle();
    q.recentProjects = {dir.file("e.tav")};
    EXPECT_FALSE(saveProjectPath(q, ui, (dir.path() / "brak" / "x.tav").string(), false));
    EXPECT_EQ(q.recentProjects, Paths{dir.file("e.tav")});
    EXPECT_EQ(p.recentProjects, (Paths{dir.file("e.tav"), dir.file("b.tav"), dir.file("d.tav"), dir.file("c.tav")}));
}

TEST(RecentProjects, AStoredListIsCleanedOfEmptiesAndRepeatsAndCutToFour)
{
    EXPECT_EQ(cleanedRecentProjects({"", "/a.tav", "/b.tav", "/a.tav", "", "/c.tav", "/d.tav", "/e.tav"}),
              (Paths{"/a.tav", "/b.tav", "/c.tav", "/d.tav"}));
}

class OpenRecent : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(saveProjectFile(triangle(), path).ok());
        // The project open now: a square from another file, changed since.
        test::addPolygon(p, {{0, 0}, {1, 0}, {1, 1}, {0, 1}});
        ASSERT_TRUE(saveProjectPath(p, ui, other, false));
        p.nodes[1].x = -1;
        p.projectOpen = true;
        p.resultsValid = 1;
        p.recentProjects = {other, path};
        ui.clear();
    }

    test::TempDir dir;
    const std::string path = dir.file("trojkat.tav");
    const std::string other = dir.file("kwadrat.tav");
    ScriptedInteraction ui;
    Project p = test::emptyProject();
};

TEST_F(OpenRecent, OffersToSaveAsksAsOtworzAndReadsTheFile)
{
    ui.choices = {false}; // do not save the changes
    openRecentProject(p, ui, path);
    EXPECT_EQ(ui.textsShown(), (Paths{kUnsavedChangesQuestion, "Odczytano dane z pliku " + path}));
    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_EQ(p.elementCount(), 3);
    EXPECT_EQ(p.filePath, path);
    EXPECT_EQ(p.titleText, "TAV " + path);
    EXPECT_EQ(p.resultsValid, 0);
    EXPECT_EQ(p.recentProjects, (Paths{path, other}));
}

TEST_F(OpenRecent, CancellingTheOfferOrAnsweringNoKeepsTheProjectAndItsResults)
{
    ui.choices = {std::nullopt};
    openRecentProject(p, ui, path); // Anuluj
    markSaved(p);
    ui.answers = {false};
    openRecentProject(p, ui, path); // nothing to save: No to the question
    EXPECT_EQ(ui.textsShown(), (Paths{kUnsavedChangesQuestion, "Czy chcesz utracić aktualne dane ?"}));
    EXPECT_EQ(p.elementCount(), 4);
    EXPECT_EQ(p.nodes[1].x, -1.0f);
    EXPECT_EQ(p.resultsValid, 1);
    EXPECT_EQ(p.filePath, other);
    EXPECT_EQ(p.recentProjects, (Paths{other, path}));
}

TEST_F(OpenRecent, AMissingFileIsTakenOffTheListWithAMessageAndNothingElseHappens)
{
    ASSERT_TRUE(std::filesystem::remove(path));
    openRecentProject(p, ui, path);
    ASSERT_EQ(ui.shown.size(), 1u) << "neither the offer to save nor the open question";
    EXPECT_EQ(ui.shown[0].text, "Nie ma pliku " + path + "\nUsunięto go z listy ostatnio używanych projektów.");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(p.recentProjects, Paths{other});
    EXPECT_EQ(p.elementCount(), 4);
    EXPECT_EQ(p.nodes[1].x, -1.0f);
    EXPECT_EQ(p.resultsValid, 1);

    // A folder of that name is no project file either.
    std::filesystem::create_directory(path);
    p.recentProjects = {path};
    openRecentProject(p, ui, path);
    EXPECT_TRUE(p.recentProjects.empty());
    EXPECT_EQ(p.elementCount(), 4);
}

} // namespace
} // namespace zorind
