#pragma once

#include <QApplication>
#include <functional>

namespace zorind {

// The application object. An error that escapes a command is shown in an
// error box where Qt delivers the event, and the program goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    static void showError(const char* what);
    // Loads Qt's Polish translation (qtbase_pl); false when it is not
    // installed.
    bool installPolishTranslation();
    // Replaces the error box (tests record the text instead of blocking).
    static void setErrorReporter(std::function<void(const QString&)> reporter);
};

} // namespace zorind
