#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "core/ui/ScriptedInteraction.h"
#include "gui/widgets/NumberedEntryDialog.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

// Counts the fills of a dialog with the given refill rule.
class CountingDialog : public NumberedEntryDialog {
public:
    CountingDialog(Project& project, Interaction& ui, Refill refill) : NumberedEntryDialog(project, ui, nullptr, refill)
    {
    }
    int fills = 0;

protected:
    void fill() override
    {
        ++fills;
        NumberedEntryDialog::fill();
    }
    bool names(int /*number*/) const override { return false; }
    void load(int /*number*/) override {}
};

// The fills that follow the showing, the activation that goes with it and a
// later return to the dialog from another window.
TEST(NumberedEntryDialog, RefillsOnTheActivationsItsRuleNames)
{
    using Refill = NumberedEntryDialog::Refill;
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    QWidget elsewhere;
    elsewhere.resize(100, 100);
    const std::pair<Refill, std::vector<int>> cases[] = {
        {Refill::Never, {1, 1, 1}},
        {Refill::OnReactivation, {1, 1, 2}},
        {Refill::OnEveryActivation, {1, 2, 3}},
    };
    for (const auto& [refill, expected] : cases) {
        CountingDialog dialog(p, ui, refill);
        dialog.setModal(false);
        std::vector<int> fills;
        dialog.show();
        fills.push_back(dialog.fills);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        fills.push_back(dialog.fills);
        elsewhere.show();
        elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        fills.push_back(dialog.fills);
        EXPECT_EQ(fills, expected) << static_cast<int>(refill);
        dialog.hide();
    }
}

} // namespace
} // namespace zorind
