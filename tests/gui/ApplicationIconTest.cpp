#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QSet>

namespace {

// The windows carry the icon installed for the desktop: the application's
// icon draws, pixel for pixel, what the file in the source tree draws.
TEST(ApplicationIcon, IsTheInstalledIconFile)
{
    const QIcon installed(QStringLiteral(ZORIND_EXAMPLES_DIR "/../packaging/zorind.svg"));
    const QIcon used = QApplication::windowIcon();
    ASSERT_FALSE(installed.isNull());
    ASSERT_FALSE(used.isNull());
    for (const int side : {16, 48, 128}) {
        const QImage expected = installed.pixmap(side).toImage();
        const QImage actual = used.pixmap(side).toImage();
        ASSERT_EQ(actual.size(), QSize(side, side));
        EXPECT_EQ(actual, expected) << side;
    }
    // A drawing, not an empty or one-coloured square: the gradient gives
    // many colours.
    const QImage large = used.pixmap(128).toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < large.height(); ++y) {
        for (int x = 0; x < large.width(); ++x) {
            colours.insert(large.pixel(x, y));
        }
    }
    EXPECT_GT(colours.size(), 50);
}

// Wayland shows a window's name and icon from the desktop entry the
// application names: the one installed.
TEST(ApplicationIcon, WaylandFindsItThroughTheInstalledDesktopEntry)
{
    EXPECT_EQ(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"), QStringLiteral(ZORIND_DESKTOP_ENTRY));
}

} // namespace
