#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace zorind::test {

// The push button of `dialog` with the caption `caption`.
inline QPushButton* button(QWidget& dialog, const char* caption)
{
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
        if (b->text() == QString::fromUtf8(caption)) {
            return b;
        }
    }
    ADD_FAILURE() << "no button " << caption;
    return nullptr;
}

// Runs `action` once the dialog's modal loop is running, then presses the
// button with `caption`.
inline void whileShown(QDialog& dialog, std::function<void()> action, const char* caption)
{
    QTimer::singleShot(0, &dialog, [&dialog, action = std::move(action), caption] {
        action();
        if (QPushButton* b = button(dialog, caption)) {
            b->click();
        }
        if (dialog.isVisible()) {
            dialog.reject(); // never leave a test hanging in a modal loop
        }
    });
}

// Sets the user's locale for one test.
class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& locale) : saved_(QLocale()) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(saved_); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    QLocale saved_;
};

} // namespace zorind::test
