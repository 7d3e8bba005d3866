#include "gui/view/HelpWindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace zorind {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tpomoc"));
    setWindowTitle(QStringLiteral("Pomoc"));
    setModal(false);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("Podrecznik"));
    browser_->setAccessibleName(QStringLiteral("Podręcznik"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    browser_->setSource(QUrl(QStringLiteral("qrc:/pomoc/pomoc.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

void HelpWindow::showManual()
{
    browser_->setSource(QUrl(QStringLiteral("qrc:/pomoc/pomoc.html")));
    browser_->scrollToAnchor(QString());
    show();
    raise();
    activateWindow();
}

} // namespace zorind
