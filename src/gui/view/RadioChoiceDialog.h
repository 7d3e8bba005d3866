#pragma once

#include <QDialog>
#include <optional>
#include <vector>

class QGridLayout;
class QRadioButton;

namespace zorind {

// A modal dialog of radio buttons with "OK" and "Anuluj" (the analysis type,
// the result scaling). It keeps its last confirmed choice between openings
// unless the caller checks another before each.
class RadioChoiceDialog : public QDialog {
    Q_OBJECT
public:
    // `frameLabel` empty: a plain bevel without a caption.
    RadioChoiceDialog(const QString& objectName, const QString& title, const QString& frameLabel, QSize minimum,
                      QWidget* parent);

    // Shows the dialog: the index of the checked button on OK (nothing when
    // no button is checked), nothing on "Anuluj", which also brings back the
    // choice checked before.
    std::optional<int> chooseIndex();
    // The checked button's index; -1 when none is.
    int checkedIndex() const;
    // Checks button `index`; -1 leaves every button unchecked.
    void checkIndex(int index);
    QRadioButton* buttonAt(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

protected:
    // Adds the next button in `column`, below the previous one there.
    QRadioButton* addChoice(const char* objectName, const char* caption, int column = 0);

private:
    QGridLayout* grid_;
    std::vector<QRadioButton*> buttons_;
    int rows_[2] = {0, 0};
};

} // namespace zorind
