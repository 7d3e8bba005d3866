// A program that loses memory in a slot, the way a command run from a menu
// could. The sanitizer pass runs it and expects LeakSanitizer to report it:
// proof that the suppressions do not hide leaks behind Qt frames.
#include <QCoreApplication>
#include <QTimer>

namespace {
int* lost = nullptr;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QObject receiver;
    QTimer::singleShot(0, &receiver, [&app] {
        lost = new int[64]{1};
        lost = nullptr;
        app.quit();
    });
    return app.exec();
}
