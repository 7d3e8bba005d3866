// GoogleTest main for tests that need a Qt application object.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#if ZORIND_GUI_APPLICATION
#include "gui/app/Application.h"
using TestApplication = zorind::Application;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

namespace {

// Every test starts with empty settings of its own.
class FreshSettings : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& /*test*/) override { QSettings().clear(); }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    // The settings the program keeps across runs go to a folder of the
    // test run, never to the user's own.
    QTemporaryDir settings;
    if (!settings.isValid()) {
        return 1;
    }
    QSettings::setDefaultFormat(QSettings::IniFormat);
    for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
        QSettings::setPath(QSettings::IniFormat, scope, settings.path());
        QSettings::setPath(QSettings::NativeFormat, scope, settings.path());
    }
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettings);
    return RUN_ALL_TESTS();
}
