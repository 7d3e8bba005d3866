#include "gui/app/QtSolverLauncher.h"

#include <QProcess>
#include <QStringList>

namespace zorind {

bool QtSolverLauncher::start(const std::string& program, const std::vector<std::string>& arguments,
                             const std::string& workingDirectory)
{
    QStringList args;
    for (const std::string& a : arguments) {
        args << QString::fromStdString(a);
    }
    return QProcess::startDetached(QString::fromStdString(program), args, QString::fromStdString(workingDirectory));
}

} // namespace zorind
