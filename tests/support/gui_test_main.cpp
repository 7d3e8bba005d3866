// GoogleTest main for tests that need a Qt application object.
#include <gtest/gtest.h>

#if ZORIND_GUI_APPLICATION
#include "app/Application.h"
using TestApplication = zorind::Application;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
