#pragma once

#include <QDialog>

class QTextBrowser;

namespace zorind {

// "Pomoc": the program's manual, bundled with the program, in a text
// browser that follows only the manual's own links. It stays open beside
// the main window.
// Tpomoc
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the manual from its beginning, or brings it to the front.
    void showManual();
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace zorind
