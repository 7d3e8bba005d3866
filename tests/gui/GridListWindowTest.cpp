#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <QHeaderView>
#include <QImage>
#include <QScrollBar>

#include "core/exchange/ElasticityResults.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/edit/PhysicalPropertiesDialog.h"
#include "gui/lists/GridLists.h"
#include "support/DialogTesting.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::button;
using test::LocaleGuard;
using test::whileShown;

TEST(PhysicalPropertiesDialog, LabelFollowsTheAnalysisTypeAndFieldShowsTheConductivity)
{
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    PhysicalPropertiesDialog dialog(p, ui);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Własności fizyczne"));
    const std::pair<int, const char*> labels[] = {{1, "Przewodność cieplna"},
                                                  {2, "Przewodność elektryzna"},
                                                  {3, "Przewodność magnetyczna"},
                                                  {4, "Przewodność"},
                                                  {10, "Przewodność"}};
    for (auto [type, text] : labels) {
        EXPECT_EQ(PhysicalPropertiesDialog::propertyLabel(type), QString::fromUtf8(text)) << type;
    }
    p.analysisType = MagneticPotential;
    p.conductivity = 2.5f;
    LocaleGuard polish(QLocale(QLocale::Polish, QLocale::Poland));
    whileShown(
        dialog,
        [&] {
            EXPECT_EQ(dialog.label()->text(), QStringLiteral("Przewodność magnetyczna"));
            EXPECT_EQ(dialog.field()->text(), QStringLiteral("2,5"));
            dialog.field()->setText(QStringLiteral("7,25"));
        },
        "OK");
    EXPECT_TRUE(dialog.edit());
    EXPECT_FLOAT_EQ(p.conductivity, 7.25f);
    EXPECT_TRUE(ui.shown.empty());

    // A point is understood too; a group separator is not a number.
    whileShown(
        dialog, [&] { dialog.field()->setText(QStringLiteral("1.5")); }, "OK");
    EXPECT_TRUE(dialog.edit());
    EXPECT_FLOAT_EQ(p.conductivity, 1.5f);
    whileShown(
        dialog, [&] { dialog.field()->setText(QStringLiteral("2 500")); }, "OK");
    EXPECT_FALSE(dialog.edit());
    EXPECT_FLOAT_EQ(p.conductivity, 1.5f);
}

TEST(PhysicalPropertiesDialog, BadEntriesAreRefusedAndTheOldValueStays)
{
    Project p = test::emptyProject();
    p.conductivity = 3.0f;
    p.resultsValid = 1;
    ScriptedInteraction ui;
    PhysicalPropertiesDialog dialog(p, ui);
    LocaleGuard c(QLocale::c());
    for (const char* entry : {"abc", "0", "-2", "1e60", ""}) {
        whileShown(
            dialog, [&] { dialog.field()->setText(QString::fromUtf8(entry)); }, "OK");
        EXPECT_FALSE(dialog.edit()) << entry;
        EXPECT_FLOAT_EQ(p.conductivity, 3.0f) << entry;
    }
    ASSERT_EQ(ui.shown.size(), 5u);
    for (const auto& shown : ui.shown) {
        EXPECT_EQ(shown.text, "Złe dane");
        EXPECT_EQ(shown.caption, "Własności fizyczne");
        EXPECT_EQ(shown.kind, MessageKind::Error);
    }
    whileShown(
        dialog, [&] { dialog.field()->setText(QStringLiteral("9")); }, "Anuluj");
    EXPECT_FALSE(dialog.edit());
    EXPECT_FLOAT_EQ(p.conductivity, 3.0f);
    EXPECT_EQ(p.resultsValid, 1) << "a property change does not clear the results";
}

TEST(InternalPointPotentialList, ShowsTheStoredPotentialOfEveryInternalPoint)
{
    LocaleGuard c(QLocale::c());
    Project p = test::emptyProject();
    InternalPointPotentialList list(p);
    list.rebuild();
    EXPECT_EQ(list.grid()->rowCount(), 0) << "headings only without internal points";
    EXPECT_EQ(list.grid()->horizontalHeaderItem(0)->text(), QStringLiteral("Nr węzła"));
    EXPECT_EQ(list.grid()->horizontalHeaderItem(1)->text(), QStringLiteral("Temperatura"));

    test::addInternalPoint(p, 1, 1);
    test::addInternalPoint(p, 2, 2);
    p.internalPoints[1].internalResult = 0.3f;
    p.internalPoints[2].internalResult = -12.5f;
    p.resultsValid = 1;
    list.rebuild();
    ASSERT_EQ(list.grid()->rowCount(), 2);
    EXPECT_EQ(list.grid()->item(0, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(list.grid()->item(0, 1)->text(), QStringLiteral("0.300000011920929"));
    EXPECT_EQ(list.grid()->item(1, 1)->text(), QStringLiteral("-12.5"));
    EXPECT_GE(list.grid()->columnWidth(0), 50);
    EXPECT_GE(list.grid()->columnWidth(1), 90);

    LocaleGuard polish(QLocale(QLocale::Polish, QLocale::Poland));
    p.internalPoints[1].internalResult = 12345.678f;
    list.rebuild();
    EXPECT_EQ(list.grid()->item(1, 1)->text(), QStringLiteral("-12,5"));
    EXPECT_EQ(list.grid()->item(0, 1)->text(), QStringLiteral("12345,677734375")) << "no group separators";
}

TEST(ResultsList, ListsPotentialsAndFluxesOfEveryElement)
{
    LocaleGuard c(QLocale::c());
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {1, 0}, {0, 1}});
    for (int e = 1; e <= 3; ++e) {
        for (int s = 1; s <= 3; ++s) {
            p.elementResults[e].slot[s] = static_cast<float>(10 * e + s);
            p.fluxResults[e].slot[s] = static_cast<float>(-(10 * e + s)) / 4.0f;
        }
    }
    ResultsList list(p);
    list.rebuild();
    ASSERT_EQ(list.grid()->rowCount(), 3);
    ASSERT_EQ(list.grid()->columnCount(), 7);
    QStringList head;
    for (int c = 0; c < 7; ++c) {
        head << list.grid()->horizontalHeaderItem(c)->text();
    }
    EXPECT_EQ(head, QStringList({"Nr", "Pot.1", "Pot.s", "Pot.2", "Stru.1", "Stru.s", "Stru.2"}));
    EXPECT_EQ(list.grid()->item(1, 0)->text(), QStringLiteral("2"));
    EXPECT_EQ(list.grid()->item(1, 3)->text(), QStringLiteral("23"));
    EXPECT_EQ(list.grid()->item(2, 4)->text(), QStringLiteral("-7.75"));
    EXPECT_GE(list.grid()->columnWidth(0), 20);
    EXPECT_GE(list.grid()->columnWidth(2), 90);
}

TEST(ResultsList, CopiesTheSelectedRowsOrAllForASpreadsheet)
{
    LocaleGuard polish(QLocale(QLocale::Polish, QLocale::Poland));
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {1, 0}, {0, 1}});
    for (int e = 1; e <= 3; ++e) {
        for (int s = 1; s <= 3; ++s) {
            p.elementResults[e].slot[s] = static_cast<float>(10 * e + s) + 0.5f;
            p.fluxResults[e].slot[s] = static_cast<float>(-(10 * e + s)) / 4.0f;
        }
    }
    ResultsList list(p);
    list.rebuild();
    ASSERT_EQ(list.grid()->item(0, 1)->text(), QStringLiteral("11,5")); // shown in the user's locale

    const auto lines = [&] {
        QStringList out = list.copiedText().split('\n');
        EXPECT_EQ(out.takeLast(), QString()); // every line ends with a newline
        return out;
    };
    QStringList all = lines();
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all[0].split('\t'), QStringList({"Nr", "Pot.1", "Pot.s", "Pot.2", "Stru.1", "Stru.s", "Stru.2"}));
    for (int e = 1; e <= 3; ++e) {
        const QStringList cells = all[e].split('\t');
        ASSERT_EQ(cells.size(), 7) << e;
        EXPECT_EQ(cells[0], QString::number(e));
        for (int s = 1; s <= 3; ++s) {
            // Read back in the C locale: a decimal comma would not parse.
            EXPECT_EQ(cells[s].toDouble(), p.elementResults[e].slot[s]) << e << "," << s;
            EXPECT_EQ(cells[3 + s].toDouble(), p.fluxResults[e].slot[s]) << e << "," << s;
        }
    }

    // A selected cell copies its row under the headings.
    list.grid()->setCurrentCell(1, 5, QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(lines(), QStringList({all[0], all[2]}));

    // Ctrl+C and the context menu's "Kopiuj" put it on the clipboard.
    list.grid()->setCurrentCell(2, 0, QItemSelectionModel::ClearAndSelect);
    QApplication::clipboard()->clear();
    QTest::keyClick(list.grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), all[0] + '\n' + all[3] + '\n');
    ASSERT_EQ(list.grid()->actions().size(), 1);
    EXPECT_EQ(list.grid()->actions()[0]->text(), QStringLiteral("Kopiuj"));
}

// Every cell's text fits its column on one line: the drawn text is the whole
// number, never "8...." nor a cut exponent, and the heading "Nr" and
// element numbers from 10 on are readable.
void expectEveryCellFits(const QTableWidget& grid)
{
    EXPECT_FALSE(grid.wordWrap());
    const QFontMetrics metrics(grid.font());
    const int margins = 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1);
    for (int r = -1; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            const QString text = r < 0 ? grid.horizontalHeaderItem(c)->text() : grid.item(r, c)->text();
            EXPECT_GE(grid.columnWidth(c), metrics.horizontalAdvance(text) + margins)
                << r << "," << c << " " << text.toStdString();
        }
    }
}

TEST(ResultGrids, EveryNumberIsDrawnWholeOnOneLine)
{
    LocaleGuard c(QLocale::c());
    Project p = test::emptyProject();
    for (int k = 0; k < 12; ++k) {
        test::addPolygon(p, {{0, 0}, {1, 0}, {0, 1}}); // elements 1..36
    }
    const float values[] = {8.123456f, 0.3f, -3.0000002f, 1.2345679e-30f, -9.8765e+37f, 123456.78f};
    for (int e = 1; e <= p.elementCount(); ++e) {
        for (int s = 1; s <= 3; ++s) {
            p.elementResults[e].slot[s] = values[(e + s) % 6];
            p.fluxResults[e].slot[s] = values[(e + 2 * s) % 6];
        }
    }
    ResultsList results(p);
    results.rebuild();
    expectEveryCellFits(*results.grid());

    for (float v : values) {
        test::addInternalPoint(p, 1, 1);
        p.internalPoints[p.internalPointCount()].internalResult = v;
    }
    InternalPointPotentialList internal(p);
    internal.rebuild();
    expectEveryCellFits(*internal.grid());
}

// A displacement far below the six decimals the list shows is copied as
// the stored float, with a decimal point whatever the locale.
TEST(ElasticResultsList, CopiesASmallDisplacementAsStored)
{
    LocaleGuard polish(QLocale(QLocale::Polish, QLocale::Poland));
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    test::addNode(p, 0, 0);
    p.elementResults[1].slot[1] = 2.5e-7f;
    p.elementResults[1].slot[2] = -1.25f;
    ElasticResultsList list(p);
    list.rebuild();
    ASSERT_EQ(list.grid()->rowCount(), 1);
    EXPECT_EQ(list.grid()->item(0, 1)->text(), QStringLiteral("0,000000")) << "the window keeps its display";
    EXPECT_EQ(list.grid()->item(0, 2)->text(), QStringLiteral("-1,250000"));

    const QStringList lines = list.copiedText().split('\n');
    ASSERT_GE(lines.size(), 2);
    const QStringList cells = lines[1].split('\t');
    ASSERT_EQ(cells.size(), 10);
    bool read = false;
    EXPECT_EQ(cells[1].toFloat(&read), 2.5e-7f) << cells[1].toStdString();
    EXPECT_TRUE(read) << "a decimal point, not the locale's comma";
    EXPECT_EQ(cells[2].toFloat(), -1.25f);
}

// The internal points' elasticity results: per point its number, x, y and
// the seven values, shown with six decimals in the user's locale and copied
// as stored; the values only while the results hold, so that none of an
// earlier model is listed.
TEST(InternalPointResultsList, ListsEachInternalPointsValuesAndCopiesThemAsStored)
{
    LocaleGuard polish(QLocale(QLocale::Polish, QLocale::Poland));
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    test::addInternalPoint(p, 1.5f, -0.25f);
    test::addInternalPoint(p, 2.0f, 3.0f);
    p.internalPointResults.append({2.5e-7f, -1.25f, 1.0e6f, -2.0e6f, 3.5f, 0.3f, 12345678.0f});
    p.internalPointResults.append({1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f});
    p.resultsValid = 1;
    InternalPointResultsList list(p);
    list.rebuild();
    EXPECT_EQ(list.windowTitle(), QString::fromUtf8("Wyniki w punktach wewnętrznych"));
    ASSERT_EQ(list.grid()->rowCount(), 2);
    ASSERT_EQ(list.grid()->columnCount(), 10);
    QStringList head;
    for (int c = 0; c < 10; ++c) {
        head << list.grid()->horizontalHeaderItem(c)->text();
    }
    EXPECT_EQ(head, QStringList(
                        {"Nr pkt.", "x", "y", "przem.X", "przem.Y", "sig.X", "sig.Y", "tau XY", "sig.Z", "sig.red."}));
    EXPECT_EQ(list.grid()->item(0, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(list.grid()->item(0, 1)->text(), QStringLiteral("1,500000"));
    EXPECT_EQ(list.grid()->item(0, 2)->text(), QStringLiteral("-0,250000"));
    EXPECT_EQ(list.grid()->item(0, 3)->text(), QStringLiteral("0,000000")) << "shown with six decimals";
    EXPECT_EQ(list.grid()->item(0, 4)->text(), QStringLiteral("-1,250000"));
    EXPECT_EQ(list.grid()->item(0, 9)->text(), QStringLiteral("1,23457E+07"));

    const QStringList lines = list.copiedText().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].split('\t'), head);
    for (int i = 1; i <= 2; ++i) {
        const QStringList cells = lines[i].split('\t');
        ASSERT_EQ(cells.size(), 10);
        EXPECT_EQ(cells[1].toFloat(), p.internalPoints[i].x);
        EXPECT_EQ(cells[2].toFloat(), p.internalPoints[i].y);
        const InternalPointResult& r = p.internalPointResults[i];
        const float inColumns[] = {r.ux, r.uy, r.sigmaX, r.sigmaY, r.tauXY, r.sigmaZ, r.reduced};
        for (int k = 0; k < 7; ++k) {
            bool read = false;
            EXPECT_EQ(cells[3 + k].toFloat(&read), inColumns[k]) << i << "," << k;
            EXPECT_TRUE(read) << "a decimal point, not the locale's comma";
        }
    }

    p.resultsValid = 0;
    list.rebuild();
    ASSERT_EQ(list.grid()->rowCount(), 2);
    EXPECT_EQ(list.grid()->item(1, 1)->text(), QStringLiteral("2,000000"));
    for (int c = 3; c < 10; ++c) {
        EXPECT_EQ(list.grid()->item(1, c)->text(), QString()) << c;
    }
}

// However far the values scroll, the headings stay at the top and the
// numbers of the rows in sight stay at the left.
TEST(GridListWindows, TheHeadingsAndTheNumberColumnStayWhileTheValuesScroll)
{
    LocaleGuard c(QLocale::c());
    Project p = test::emptyProject();
    for (int k = 0; k < 12; ++k) {
        test::addPolygon(p, {{0, 0}, {1, 0}, {0, 1}}); // elements 1..36
    }
    for (int e = 1; e <= p.elementCount(); ++e) {
        for (int s = 1; s <= 3; ++s) {
            p.elementResults[e].slot[s] = -9.87654e+37f / static_cast<float>(e + s);
            p.fluxResults[e].slot[s] = 1.23457e-30f * static_cast<float>(e * s);
        }
    }
    ResultsList list(p);
    list.show();
    QTableWidget* grid = list.grid();
    QTableView* numbers = list.numberColumn();
    ASSERT_GT(grid->horizontalScrollBar()->maximum(), 0) << "the values must be wider than the screen";
    ASSERT_GT(grid->verticalScrollBar()->maximum(), 0);
    ASSERT_TRUE(numbers->isVisible());
    EXPECT_EQ(numbers->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nr"));
    EXPECT_TRUE(grid->horizontalHeader()->isVisible());

    // The grid without its scroll bars.
    const QRect shown(0, 0, grid->viewport()->geometry().right() + 1, grid->viewport()->geometry().bottom() + 1);
    const int numberWidth = grid->viewport()->x() + grid->columnWidth(0);
    const QRect numberStrip(0, 0, numberWidth, shown.height());
    const QRect values(numberWidth, 0, shown.width() - numberWidth, shown.height());
    const QRect headings(0, 0, shown.width(), grid->viewport()->y());

    const QImage start = grid->grab().toImage();
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
    const QImage sideways = grid->grab().toImage();
    EXPECT_TRUE(start.copy(values) != sideways.copy(values)) << "the values scrolled";
    EXPECT_TRUE(start.copy(numberStrip) == sideways.copy(numberStrip)) << "the numbers stayed";
    EXPECT_EQ(grid->rowAt(0), 0);

    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    const QImage down = grid->grab().toImage();
    EXPECT_GT(grid->rowAt(0), 0);
    EXPECT_TRUE(sideways.copy(headings) == down.copy(headings)) << "the headings stayed";
    EXPECT_TRUE(sideways.copy(numberStrip) != down.copy(numberStrip)) << "the numbers followed the rows";
    for (int y : {1, grid->viewport()->height() - 2}) {
        EXPECT_EQ(numbers->rowAt(y), grid->rowAt(y)) << y;
    }
    list.close();
}

} // namespace
} // namespace zorind
