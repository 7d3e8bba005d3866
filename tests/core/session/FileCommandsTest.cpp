#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "core/model/ProjectFile.h"
#include "core/session/FileCommands.h"
#include "core/session/ShellCommands.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

using test::emptyProject;
using ::testing::Contains;
using ::testing::Not;

// A triangle as if just read from its file: nothing to save.
Project someModel()
{
    Project p = emptyProject();
    test::addPolygon(p, {{0, 0}, {4, 0}, {0, 3}});
    markSaved(p);
    return p;
}

ChooseAnalysisType answer(std::optional<int> code)
{
    return [code] { return code; };
}

TEST(NewProject, WithoutAnOpenProjectAsksNothingAndTakesTheChosenType)
{
    Project p = someModel();
    ScriptedInteraction ui;
    newProject(p, ui, answer(5));
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(p.nodeCount(), 0);
    EXPECT_EQ(p.titleText, "TAV ");
    EXPECT_TRUE(p.projectOpen);
    EXPECT_EQ(p.analysisType, 5);
}

TEST(NewProject, AnsweringNoKeepsEverything)
{
    Project p = someModel();
    p.projectOpen = true;
    p.titleText = "TAV /a.tav";
    ScriptedInteraction ui;
    ui.answers = {false};
    newProject(p, ui, answer(5));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Tworząc nowy projekt utracisz wszystkie dane...");
    EXPECT_EQ(ui.shown[0].caption, "Nowy projekt");
    EXPECT_TRUE(ui.shown[0].isQuestion);
    EXPECT_EQ(p.nodeCount(), 3);
    EXPECT_EQ(p.titleText, "TAV /a.tav");
}

TEST(NewProject, CancellingTheTypeDialogLeavesHeatFlow)
{
    Project p = someModel();
    p.projectOpen = true;
    p.analysisType = Elasticity;
    p.resultsValid = 1;
    ScriptedInteraction ui;
    ui.answers = {true};
    newProject(p, ui, answer(std::nullopt));
    EXPECT_EQ(p.nodeCount(), 0);
    EXPECT_EQ(p.analysisType, HeatFlow);
    EXPECT_EQ(p.resultsValid, 0);
}

class OpenProject : public ::testing::Test {
protected:
    test::TempDir dir;
    ScriptedInteraction ui;
};

TEST_F(OpenProject, ReadsTheChosenFileAndSetsTheCaption)
{
    Project source = someModel();
    const std::string path = dir.file("trojkat.tav");
    ASSERT_TRUE(saveProjectFile(source, path).ok());

    Project p = emptyProject();
    ui.files = {path};
    openProject(p, ui);
    EXPECT_EQ(p.nodeCount(), 3);
    EXPECT_EQ(p.titleText, "TAV " + path);
    EXPECT_TRUE(p.projectOpen);
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].title, "Otwarcie pliku");
    EXPECT_EQ(ui.fileDialogs[0].defaultExtension, "tav");
    ASSERT_EQ(ui.fileDialogs[0].filters.size(), 2u);
    EXPECT_EQ(ui.fileDialogs[0].filters[0].name, "Pliki edytora (*.tav)");
    EXPECT_EQ(ui.fileDialogs[0].filters[1].pattern, "*.*");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Odczytano dane z pliku " + path);
    EXPECT_EQ(ui.shown[0].caption, "Odczyt z pliku");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Exclamation);
}

TEST_F(OpenProject, AnsweringNoKeepsTheModelButHidesResults)
{
    Project p = someModel();
    p.projectOpen = true;
    p.resultsValid = 1;
    p.display.showPotential = 1;
    p.display.showFlux = 1;
    ui.answers = {false};
    openProject(p, ui);
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Czy chcesz utracić aktualne dane ?"});
    EXPECT_EQ(ui.shown[0].caption, "Otwórz plik");
    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_EQ(p.nodeCount(), 3);
    EXPECT_EQ(p.resultsValid, 0);
    EXPECT_EQ(p.display.showPotential, 0);
    EXPECT_EQ(p.display.showFlux, 0);
}

TEST_F(OpenProject, CancellingTheDialogLeavesAnEmptyModelAndTheCaption)
{
    Project p = someModel();
    p.projectOpen = true;
    p.titleText = "TAV /stary.tav";
    p.currentCondition = 2;
    ui.answers = {true};
    ui.files = {std::nullopt};
    openProject(p, ui);
    EXPECT_EQ(p.nodeCount(), 0);
    EXPECT_EQ(p.currentCondition, 1);
    EXPECT_EQ(p.titleText, "TAV /stary.tav");
}

TEST_F(OpenProject, ADamagedFileGivesAnErrorAndAnEmptyModel)
{
    const std::string path = dir.write("zly.tav", "3 3 1 1 0\n0 0\n1 0\n");
    Project p = someModel();
    p.titleText = "TAV /stary.tav";
    ui.files = {path};
    openProject(p, ui);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.shown[0].caption, "Odczyt z pliku");
    EXPECT_EQ(ui.shown[0].text.rfind("Błędny format pliku " + path, 0), 0u) << ui.shown[0].text;
    EXPECT_EQ(p.nodeCount(), 0);
    EXPECT_EQ(p.elementCount(), 0);
    EXPECT_EQ(p.titleText, "TAV ") << "the caption names no file the empty model came from";
}

TEST_F(OpenProject, AMissingFileGivesAnErrorAndAnEmptyModel)
{
    Project p = someModel();
    ui.files = {dir.file("brak.tav")};
    openProject(p, ui);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Nie można otworzyć pliku " + dir.file("brak.tav"));
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(p.nodeCount(), 0);
}

TEST(SaveProject, RefusesAnEmptyModel)
{
    Project p = emptyProject();
    ScriptedInteraction ui;
    EXPECT_FALSE(saveProject(p, ui));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Ilość węzłów równa 0");
    EXPECT_EQ(ui.shown[0].caption, "Błąd zapisu");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(ui.fileDialogs.empty());
}

TEST(SaveProject, WritesAndAnnounces)
{
    test::TempDir dir;
    Project p = someModel();
    ScriptedInteraction ui;
    const std::string path = dir.file("m.tav");
    ui.files = {path};
    EXPECT_TRUE(saveProject(p, ui));
    EXPECT_EQ(ui.fileDialogs.at(0).title, "Zapis pliku");
    EXPECT_EQ(p.titleText, "TAV " + path);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Zapisano dane do pliku " + path);
    EXPECT_EQ(ui.shown[0].caption, "Zapis do pliku");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Exclamation);
    EXPECT_EQ(test::readAll(path), writeProjectText(p));
}

TEST(SaveProject, SaveToTheProjectsOwnFileWritesItWithoutDialogOrMessage)
{
    test::TempDir dir;
    Project p = someModel();
    p.filePath = dir.file("m.tav");
    test::addNode(p, 1.0f, 1.0f); // a change since the model was last saved
    ScriptedInteraction ui;
    ASSERT_TRUE(hasUnsavedChanges(p));
    EXPECT_TRUE(saveToProjectFile(p, ui));
    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(test::readAll(p.filePath), writeProjectText(p));
    EXPECT_FALSE(hasUnsavedChanges(p));
    // Without a file of its own, the dialog asks for one.
    p.filePath.clear();
    ui.files = {std::nullopt};
    EXPECT_FALSE(saveToProjectFile(p, ui));
    EXPECT_EQ(ui.fileDialogs.size(), 1u);
}

TEST(SaveProject, AFileThatCannotBeWrittenLeavesModelAndCaption)
{
    test::TempDir dir;
    Project p = someModel();
    p.titleText = "TAV /stary.tav";
    ScriptedInteraction ui;
    const std::string path = dir.file("nie/ma/m.tav");
    ui.files = {path};
    EXPECT_FALSE(saveProject(p, ui));
    EXPECT_EQ(p.titleText, "TAV /stary.tav");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Nie można zapisać pliku " + path + "\nFolder nie istnieje.");
    EXPECT_EQ(ui.shown[0].caption, "Błąd zapisu");
    EXPECT_EQ(p.nodeCount(), 3);
}

TEST(OpenAndSave, TheWindowShowsTheNewStateBeforeTheMessage)
{
    test::TempDir dir;
    Project p = someModel();
    ScriptedInteraction ui;
    const std::string path = dir.file("m.tav");
    std::vector<std::pair<std::string, std::size_t>> seen; // caption, messages shown so far
    const ShowModel show = [&] { seen.emplace_back(p.titleText, ui.shown.size()); };
    ASSERT_TRUE(saveProjectPath(p, ui, path, true, show));
    ASSERT_TRUE(openProjectPath(p, ui, path, true, show));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair("TAV " + path, std::size_t{0}));
    EXPECT_EQ(seen[1], std::make_pair("TAV " + path, std::size_t{1}));
    EXPECT_EQ(ui.shown.size(), 2u);
}

TEST(SaveProject, CancelChangesNothing)
{
    Project p = someModel();
    ScriptedInteraction ui;
    ui.files = {std::nullopt};
    EXPECT_FALSE(saveProject(p, ui));
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(p.titleText, " ");
}

TEST(ProjectCaption, NeverExceeds199Characters)
{
    EXPECT_EQ(projectCaption("/a/b.tav"), "TAV /a/b.tav");
    std::string longPath = "/";
    for (int i = 0; i < 60; ++i) {
        longPath += "żółw/";
    }
    longPath += "model.tav";
    std::string caption = projectCaption(longPath);
    std::size_t characters = 0;
    for (unsigned char c : caption) {
        characters += (c & 0xC0) != 0x80;
    }
    EXPECT_EQ(characters, 199u);
    EXPECT_EQ(caption.rfind("TAV ...", 0), 0u);
    EXPECT_EQ(caption.substr(caption.size() - 9), "model.tav");
    std::string exact = "/" + std::string(194, 'a');
    EXPECT_EQ(projectCaption(exact), "TAV " + exact);
    EXPECT_EQ(projectCaption(exact + "b").rfind("TAV ...", 0), 0u);
}

TEST_F(OpenProject, ChangesAreUnsavedUntilSavedAndTheOfferToSaveGoesOnOnlyAsAnswered)
{
    const std::string path = dir.file("plyta.tav");
    Project p = someModel();
    ASSERT_TRUE(saveProjectPath(p, ui, path, false));
    EXPECT_FALSE(hasUnsavedChanges(p));
    p.resultsValid = 1; // results are not part of the file
    EXPECT_FALSE(hasUnsavedChanges(p));
    EXPECT_TRUE(offerToSave(p, ui)) << "nothing to offer";
    EXPECT_TRUE(ui.shown.empty());

    p.nodes[1].x = 7;
    ASSERT_TRUE(hasUnsavedChanges(p));
    ui.clear();
    ui.choices = {std::nullopt, false, true};
    EXPECT_FALSE(offerToSave(p, ui)) << "Anuluj";
    EXPECT_TRUE(offerToSave(p, ui)) << "Nie";
    EXPECT_TRUE(hasUnsavedChanges(p));
    EXPECT_TRUE(offerToSave(p, ui)) << "Tak";
    EXPECT_FALSE(hasUnsavedChanges(p));
    Project reread = emptyProject();
    ASSERT_TRUE(openProjectPath(reread, ui, path, false));
    EXPECT_EQ(reread.nodes[1].x, 7.0f) << "saved to the project's own file";
    EXPECT_EQ(ui.shown[0].text, "Projekt został zmieniony. Zapisać zmiany?");
    EXPECT_EQ(ui.shown[0].caption, "ZORIND");

    Project fresh = emptyProject();
    test::addNode(fresh, 1, 1);
    ui.choices = {true};
    EXPECT_FALSE(offerToSave(fresh, ui)) << "no file yet: the save dialog, cancelled";
    EXPECT_EQ(ui.fileDialogs.size(), 1u);
}

// A command that drops the model asks one question: with unsaved changes the
// offer to save, and after Tak or Nie it goes on without its own question;
// with nothing to save its own question, as ever.
TEST_F(OpenProject, TheOfferToSaveIsTheOnlyQuestionOfACommandThatDropsTheModel)
{
    const std::string path = dir.file("plyta.tav");
    const std::string read = "Odczytano dane z pliku " + path;
    struct Command {
        const char* question;
        std::function<bool(Project&)> wentOn;
    };
    const Command commands[] = {
        {"Tworząc nowy projekt utracisz wszystkie dane...",
         [&](Project& p) {
             newProject(p, ui, answer(PotentialFlow));
             return p.analysisType == PotentialFlow;
         }},
        {"Czy chcesz utracić aktualne dane ?",
         [&](Project& p) {
             ui.files = {path};
             openProject(p, ui);
             return ui.textsShown().back() == read;
         }},
        {"Czy chcesz utracić aktualne dane ?",
         [&](Project& p) {
             openRecentProject(p, ui, path);
             return ui.textsShown().back() == read;
         }},
        {"Zakończyć działanie programu ?", [&](Project& p) { return confirmExit(p, ui); }},
    };
    for (const Command& c : commands) {
        for (const bool save : {true, false}) {
            Project p = someModel();
            p.projectOpen = true;
            ASSERT_TRUE(saveProjectPath(p, ui, path, false));
            p.nodes[1].x = 9;
            ui.clear();
            ui.choices = {save};
            ui.defaultAnswer = false;
            EXPECT_TRUE(c.wentOn(p)) << c.question << (save ? " Tak" : " Nie");
            EXPECT_EQ(ui.shown[0].text, kUnsavedChangesQuestion);
            EXPECT_THAT(ui.textsShown(), Not(Contains(c.question)));
        }
        Project p = someModel();
        p.projectOpen = true;
        ui.clear();
        ui.answers = {false};
        EXPECT_FALSE(c.wentOn(p)) << c.question;
        EXPECT_EQ(ui.textsShown(), std::vector<std::string>{c.question});
    }
}

} // namespace
} // namespace zorind
