#include "edit/Tw_elem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "app/QtInteraction.h"
#include "edit/DialogSupport.h"
#include "edit/NodeEditing.h"
#include "model/NumberFormat.h"

namespace zorind {

namespace {

QComboBox* list(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

// The list item for a stored number (item i stands for i + 1); -1 selects
// nothing when the number names no item.
void selectNumber(QComboBox* box, int number)
{
    box->setCurrentIndex(number >= 1 && number <= box->count() ? number - 1 : -1);
}

int32_t numberOf(const QComboBox* box)
{
    return box->currentIndex() + 1;
}

} // namespace

Tw_elem::Tw_elem(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(&ui), edit1_(new QLineEdit(this)),
      pzw_(new QCheckBox(QStringLiteral("pozwól zmienić numery węzłów"), this)), cwp_(list("cwp", this)),
      cwk_(list("cwk", this)), cnwb_(list("cnwb", this)), cnb_(list("cnb", this)),
      zastosuj_(new QPushButton(QStringLiteral("Zastosuj"), this))
{
    setObjectName(QStringLiteral("Tw_elem"));
    setWindowTitle(QString::fromUtf8(kElementDialogTitle));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    pzw_->setObjectName(QStringLiteral("PZW"));
    zastosuj_->setObjectName(QStringLiteral("Zastosuj"));
    zastosuj_->setAutoDefault(false);
    cwp_->setEnabled(false);
    cwk_->setEnabled(false);

    auto* form = new QFormLayout;
    form->addRow(labelFor("Numer elementu", edit1_, this), edit1_);
    form->addRow(pzw_);
    form->addRow(labelFor("Nr węzeła początkowego", cwp_, this), cwp_);
    form->addRow(labelFor("Nr węzeł końcowego", cwk_, this), cwk_);
    form->addRow(labelFor("Nr warunku brzegowego", cnwb_, this), cnwb_);
    form->addRow(labelFor("Nr brzegu", cnb_, this), cnb_);
    QDialogButtonBox* buttons = okCancelButtons(this, [this] {
        store();
        accept();
    });
    buttons->addButton(zastosuj_, QDialogButtonBox::ApplyRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(edit1_, &QLineEdit::textChanged, this, [this] { numberChanged(); });
    connect(pzw_, &QCheckBox::toggled, this, [this](bool on) {
        cwp_->setEnabled(on);
        cwk_->setEnabled(on);
    });
    connect(zastosuj_, &QPushButton::clicked, this, [this] { store(); });
}

void Tw_elem::fillLists()
{
    const auto refill = [](QComboBox* box, int count, auto text) {
        box->clear();
        for (int i = 1; i <= count; ++i) {
            box->addItem(toQString(text(i)));
        }
    };
    const Project& p = project_;
    refill(cwp_, p.nodeCount(), [&p](int n) { return nodeItemText(p, n); });
    refill(cwk_, p.nodeCount(), [&p](int n) { return nodeItemText(p, n); });
    refill(cnwb_, p.conditionCount(), [&p](int c) { return conditionItemText(p, c); });
    refill(cnb_, p.boundaryCount(), [&p](int b) { return boundaryItemText(p, b); });
}

void Tw_elem::selectFirst()
{
    for (QComboBox* box : {cwp_, cwk_, cnwb_, cnb_}) {
        selectNumber(box, 1);
    }
}

void Tw_elem::selectElement(int k)
{
    if (!project_.elements.contains(k)) {
        return;
    }
    const Element& e = project_.elements[k];
    selectNumber(cwp_, e.startNode);
    selectNumber(cwk_, e.endNode);
    selectNumber(cnwb_, e.condition);
    selectNumber(cnb_, e.boundary);
}

void Tw_elem::showEvent(QShowEvent* event)
{
    fillLists();
    selectFirst();
    selectElement(project_.selectedNumber);
    const int shown = project_.selectedNumber == 0 ? 1 : project_.selectedNumber;
    {
        const QSignalBlocker quiet(edit1_);
        edit1_->setText(QString::number(shown));
    }
    numberChanged();
    // The first activation runs with the showing.
    activation(true);
    reactivation_.shown();
    QDialog::showEvent(event);
}

void Tw_elem::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isVisible() && reactivation_.changed(isActiveWindow())) {
        reactivated();
    }
    QDialog::changeEvent(event);
}

void Tw_elem::reactivated()
{
    activation(false);
}

void Tw_elem::activation(bool first)
{
    if (first) {
        project_.selectedNumber = 1;
    }
    edit1_->setText(QString::number(project_.selectedNumber));
    fillLists();
    cwp_->setEnabled(pzw_->isChecked());
    cwk_->setEnabled(pzw_->isChecked());
    selectFirst();
    // The lists show the element the number field names (after the change
    // routine's correction), so that OK after a message box cannot put
    // first-item values over an element the user never chose to change.
    if (const std::optional<int> k = parseInt(edit1_->text().trimmed().toStdString())) {
        selectElement(*k);
    }
    if (first) {
        // The number field is free from here on.
        project_.selectedNumber = 0;
    }
}

void Tw_elem::numberChanged()
{
    // The corrections below change the text again; their own change adds
    // nothing to what this run does.
    if (inNumberChange_) {
        return;
    }
    inNumberChange_ = true;
    const int locked = project_.selectedNumber;
    if (locked != 0) {
        edit1_->setText(QString::number(locked));
        update();
    } else if (std::optional<int> k = parseInt(edit1_->text().trimmed().toStdString())) {
        if (*k > project_.elementCount()) {
            *k = project_.elementCount();
            edit1_->setText(QString::number(*k));
        }
        if (*k <= 0) {
            *k = 1;
            edit1_->setText(QStringLiteral("1"));
        }
        selectElement(*k);
    }
    inNumberChange_ = false;
}

void Tw_elem::store()
{
    const Element values{numberOf(cwp_), numberOf(cwk_), numberOf(cnwb_), numberOf(cnb_)};
    storeElementProperties(project_, *ui_, parseInt(edit1_->text().trimmed().toStdString()), values);
}

bool Tw_elem::edit()
{
    return exec() == QDialog::Accepted;
}

} // namespace zorind
