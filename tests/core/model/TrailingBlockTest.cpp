// The project file's own block after its closing text: the material, and
// lines a later version may write.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/model/ProjectFile.h"
#include "core/session/FileCommands.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

Project square()
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    p.analysisType = Elasticity;
    return p;
}

std::string afterClosing(const std::string& text)
{
    return text.substr(text.find("Koniec pliku") + std::string("Koniec pliku").size());
}

// Only a material other than the default is written, in a form that reads
// back as the same doubles; the file without it ends at the closing text.
TEST(TrailingBlock, TheMaterialIsWrittenWhenItDiffersAndReadsBackExactly)
{
    Project p = square();
    EXPECT_EQ(afterClosing(writeProjectText(p)), "");
    for (const Material m : {Material{7e10, 0.33, true}, Material{68.9e9 + 0.1, 0.1 + 0.2, false},
                             Material{2.1e11, 0.3, true}, Material{2.1e11, -0.999999, false}}) {
        p.material = m;
        const std::string text = writeProjectText(p);
        EXPECT_EQ(afterClosing(text), "\n[zorind]\n" + materialLine(m) + "\n");
        Project q = test::emptyProject();
        ASSERT_FALSE(readProjectText(text, q).has_value());
        EXPECT_EQ(q.material, m);
        EXPECT_EQ(writeProjectText(q), text);
    }
    Project q = test::emptyProject();
    q.material = Material{1, 0.1, true};
    ASSERT_FALSE(readProjectText(writeProjectText(square()), q).has_value());
    EXPECT_TRUE(q.material.isDefault()) << "a file without the block has the default material";
}

// Lines the block holds that this version does not know are kept, written
// back after the material, and named in a note when the file is opened.
TEST(TrailingBlock, UnknownLinesAreKeptAndNoted)
{
    std::string text = writeProjectText(square());
    text += "\r\n[zorind]\r\nmaterial 70000000000 0.33 plane-stress\r\n\r\ncolour red\r\nmesh fine 2\r\n";
    test::TempDir dir;
    const std::string path = dir.write("p.tav", text);
    Project p;
    initialiseProject(p);
    ScriptedInteraction ui;
    ASSERT_TRUE(openProjectPath(p, ui, path, false));
    EXPECT_EQ(p.material, (Material{7e10, 0.33, true}));
    EXPECT_EQ(p.keptBlockLines, (std::vector<std::string>{"colour red", "mesh fine 2"}));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Information);
    EXPECT_NE(ui.shown[0].text.find("colour red\nmesh fine 2"), std::string::npos) << ui.shown[0].text;
    p.material = Material{};
    EXPECT_EQ(afterClosing(writeProjectText(p)), "\n[zorind]\ncolour red\nmesh fine 2\n");

    // Text after the closing that is not such a block is ignored.
    Project q = test::emptyProject();
    ASSERT_FALSE(readProjectText(writeProjectText(square()) + "\nnotatki\n[zorind]\nmaterial x\n", q).has_value());
    EXPECT_TRUE(q.material.isDefault());
    EXPECT_TRUE(q.keptBlockLines.empty());
}

// A material line that cannot be taken refuses the file with its line and
// the reason; the model stays as it was.
TEST(TrailingBlock, ABadMaterialLineRefusesTheFile)
{
    const std::string head = writeProjectText(square()) + "\n[zorind]\n";
    const int line = static_cast<int>(std::count(head.begin(), head.end(), '\n')) + 1;
    const struct {
        const char* material;
        const char* reason;
    } cases[] = {
        {"material 7e10 0.33", "trzech wartości"},
        {"material 7e10 0.33 plane-stress extra", "trzech wartości"},
        {"material abc 0.33 plane-strain", "niepoprawna liczba \"abc\" (moduł Younga)"},
        {"material 7e10 0,33 plane-strain", "(liczba Poissona)"},
        {"material 0 0.3 plane-strain", "moduł Younga musi być liczbą większą od zera"},
        {"material -7e10 0.3 plane-strain", "moduł Younga musi być liczbą większą od zera"},
        {"material 1e39 0.3 plane-strain", "moduł Younga musi być liczbą większą od zera"},
        {"material 7e10 0.5 plane-strain", "między -1 a 0,5"},
        {"material 7e10 -1 plane-stress", "większa od -1"},
        {"material 7e10 0.500001 plane-stress", "nie większa od 0,5"},
        {"material 7e10 0.3 plane", "niepoprawny stan \"plane\""},
    };
    for (const auto& c : cases) {
        Project p = square();
        const Project before = p;
        const std::optional<std::string> problem = readProjectText(head + c.material + "\n", p);
        ASSERT_TRUE(problem.has_value()) << c.material;
        EXPECT_EQ(problem->rfind("Wiersz " + std::to_string(line) + ": ", 0), 0u) << *problem;
        EXPECT_NE(problem->find(c.reason), std::string::npos) << *problem;
        EXPECT_EQ(writeProjectText(p), writeProjectText(before));
    }
    Project p = square();
    EXPECT_FALSE(readProjectText(head + "material 7e10 0.5 plane-stress\n", p).has_value());
    EXPECT_EQ(p.material, (Material{7e10, 0.5, true}));
}

} // namespace
} // namespace zorind
