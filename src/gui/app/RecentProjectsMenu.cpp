#include "gui/app/RecentProjectsMenu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QStringList>

#include "core/session/RecentProjects.h"
#include "gui/widgets/QtText.h"

namespace zorind {

RecentProjectsMenu::RecentProjectsMenu(QMenu* menu, std::function<void(const std::string&)> open) : QObject(menu)
{
    for (std::size_t i = 0; i < items_.size(); ++i) {
        auto* action = new QAction(menu);
        action->setObjectName(QStringLiteral("Ostatni%1").arg(i + 1));
        action->setVisible(false);
        // The path is read when the item is chosen: the list may have
        // changed since the menu was built.
        connect(action, &QAction::triggered, this, [action, open] { open(fromQString(action->data().toString())); });
        menu->addAction(action);
        items_[i] = action;
    }
    separator_ = menu->addSeparator();
    separator_->setVisible(false);
    // The full paths are shown as the items' tool tips.
    menu->setToolTipsVisible(true);
    show(stored());
}

std::vector<std::string> RecentProjectsMenu::stored()
{
    std::vector<std::string> paths;
    for (const QString& path : QSettings().value(QString::fromLatin1(kSettingsKey)).toStringList()) {
        paths.push_back(fromQString(path));
    }
    return cleanedRecentProjects(paths);
}

void RecentProjectsMenu::follow(const std::vector<std::string>& recent)
{
    if (recent == shown_) {
        return;
    }
    show(recent);
    QStringList paths;
    for (const std::string& path : shown_) {
        paths << toQString(path);
    }
    QSettings().setValue(QString::fromLatin1(kSettingsKey), paths);
}

void RecentProjectsMenu::show(const std::vector<std::string>& recent)
{
    shown_ = cleanedRecentProjects(recent);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        QAction* action = items_[i];
        if (i >= shown_.size()) {
            action->setVisible(false);
            action->setData(QString());
            continue;
        }
        const QString path = toQString(shown_[i]);
        QString name = QFileInfo(path).fileName();
        // An ampersand of the name is shown, not taken for an access letter.
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        action->setText(QStringLiteral("&%1 %2").arg(QString::number(i + 1), name));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setData(path);
        action->setVisible(true);
    }
    separator_->setVisible(!shown_.empty());
}

} // namespace zorind
