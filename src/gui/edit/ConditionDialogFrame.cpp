#include "gui/edit/ConditionDialogFrame.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "core/model/NumberFormat.h"
#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/FieldLabels.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

namespace {

// The labels of the three value rows: node 1, the middle, node 2.
constexpr std::array<const char*, 3> kValueLabels{"Wartość w weźle 1", "Wartość w węźle środkowym",
                                                  "Wartość w węźle 2"};
// The grid row of the first value; one row lower under column headings.
constexpr int kFirstValueRow = 3;

} // namespace

ConditionDialogFrame::ConditionDialogFrame(Project& project, Interaction& ui, QWidget* parent, const char* objectName,
                                           std::initializer_list<Kind> kinds, const QStringList& columnHeadings)
    : NumberedEntryDialog(project, ui, parent, Refill::OnEveryActivation),
      oneValue_(new QCheckBox(QString::fromUtf8("WB stały na elemencie"), this)), grid_(new QGridLayout)
{
    for (const Kind& kind : kinds) {
        auto* radio = new QRadioButton(this);
        radio->setObjectName(QString::fromLatin1(kind.objectName));
        if (kind.caption != nullptr) {
            radio->setText(QString::fromUtf8(kind.caption));
        }
        kinds_.push_back(radio);
    }
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QString::fromUtf8(kConditionCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    oneValue_->setObjectName(QStringLiteral("jeden"));
    oneValue_->setChecked(true);

    const int columnCount = std::max(1, static_cast<int>(columnHeadings.size()));
    addLabelledField(grid_, 0, 0, QStringLiteral("Numer"), number_, this);
    grid_->addWidget(oneValue_, 1, 0, 1, columnCount + 1);

    auto* kindBox = new QGroupBox(this);
    kindBox->setAccessibleName(QStringLiteral("Rodzaj warunku"));
    auto* kindLayout = new QVBoxLayout(kindBox);
    for (QRadioButton* radio : kinds_) {
        kindLayout->addWidget(radio);
    }
    grid_->addWidget(kindBox, 2, 0, 1, columnCount + 1);

    for (int c = 0; c < columnHeadings.size(); ++c) {
        grid_->addWidget(new QLabel(columnHeadings[c], this), kFirstValueRow, c + 1);
    }
    const int firstRow = columnHeadings.isEmpty() ? kFirstValueRow : kFirstValueRow + 1;
    columns_.resize(static_cast<std::size_t>(columnCount));
    for (std::size_t i = 0; i < kValueLabels.size(); ++i) {
        const int row = firstRow + static_cast<int>(i);
        const QString caption = QString::fromUtf8(kValueLabels[i]);
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            columns_[c][i] = new QLineEdit(this);
            columns_[c][i]->setObjectName(QStringLiteral("w%1").arg(i + 1) +
                                          (c == 0 ? QString() : QStringLiteral("y")));
        }
        // The row label is the first field's buddy; under headings every
        // field carries its column in its name so that a screen reader
        // tells them apart.
        addLabelledField(grid_, row, 0, caption, columns_[0][i], this);
        for (std::size_t c = 1; c < columns_.size(); ++c) {
            grid_->addWidget(columns_[c][i], row, static_cast<int>(c) + 1);
        }
        for (int c = 0; c < columnHeadings.size(); ++c) {
            columns_[static_cast<std::size_t>(c)][i]->setAccessibleName(caption + QStringLiteral(" – ") +
                                                                        columnHeadings[c]);
        }
    }
}

void ConditionDialogFrame::finish()
{
    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });
    QPushButton* apply = buttons->addButton(QStringLiteral("Zastosuj"), QDialogButtonBox::ApplyRole);
    apply->setObjectName(QStringLiteral("Button3"));
    connect(apply, &QPushButton::clicked, this, [this] {
        store();
        emit stored();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(oneValue_, &QCheckBox::toggled, this, [this](bool on) { oneValueToggled(on); });
    for (const std::array<QLineEdit*, 3>& column : columns_) {
        connect(column[0], &QLineEdit::textChanged, this, [this] { copyFirstValues(); });
    }
    oneValueToggled(true);
}

bool ConditionDialogFrame::names(int number) const
{
    return project_.conditions.contains(number);
}

void ConditionDialogFrame::clearValues()
{
    for (std::size_t i = 0; i < kValueLabels.size(); ++i) {
        for (const std::array<QLineEdit*, 3>& column : columns_) {
            column[i]->setText(QStringLiteral("0"));
        }
    }
}

void ConditionDialogFrame::showValues(const std::vector<std::array<float, 3>>& values)
{
    bool constant = true;
    for (const std::array<float, 3>& v : values) {
        constant = constant && v[0] == v[1] && v[1] == v[2];
    }
    {
        const QSignalBlocker quiet(oneValue_);
        oneValue_->setChecked(constant);
    }
    // Every first value before the others, since each copies into its
    // column while `jeden` is ticked.
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        columns_[c][0]->setText(floatFieldText(values[c][0]));
    }
    for (std::size_t i = 1; i < kValueLabels.size(); ++i) {
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            columns_[c][i]->setText(floatFieldText(values[c][i]));
            columns_[c][i]->setEnabled(!constant);
        }
    }
}

void ConditionDialogFrame::readValues(ConditionEntry& entry) const
{
    const bool one = oneValue_->isChecked();
    for (std::size_t i = 0; i < kValueLabels.size(); ++i) {
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            entry.values[3 * c + i] = typedFloat(parseNumberField(columns_[c][one ? 0 : i]->text()));
        }
    }
}

void ConditionDialogFrame::oneValueToggled(bool on)
{
    if (on) {
        copyFirstValues();
    }
    for (std::size_t i = 1; i < kValueLabels.size(); ++i) {
        for (const std::array<QLineEdit*, 3>& column : columns_) {
            column[i]->setEnabled(!on);
        }
    }
}

void ConditionDialogFrame::copyFirstValues()
{
    if (!oneValue_->isChecked()) {
        return;
    }
    for (std::size_t i = 1; i < kValueLabels.size(); ++i) {
        for (const std::array<QLineEdit*, 3>& column : columns_) {
            column[i]->setText(column[0]->text());
        }
    }
}

void ConditionDialogFrame::okClicked()
{
    if (store()) {
        accept();
    } else {
        reject();
    }
}

} // namespace zorind
