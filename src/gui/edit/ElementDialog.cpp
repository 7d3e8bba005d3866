#include "gui/edit/ElementDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/edit/NodeEditing.h"
#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/FieldLabels.h"
#include "gui/widgets/QtText.h"

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

ElementDialog::ElementDialog(Project& project, Interaction& ui, QWidget* parent)
    : NumberedEntryDialog(project, ui, parent, Refill::OnReactivation),
      allowNodeChange_(new QCheckBox(QStringLiteral("pozwól zmienić numery węzłów"), this)),
      startNodes_(list("cwp", this)), endNodes_(list("cwk", this)), conditions_(list("cnwb", this)),
      boundaries_(list("cnb", this)), apply_(new QPushButton(QStringLiteral("Zastosuj"), this))
{
    setObjectName(QStringLiteral("Tw_elem"));
    setWindowTitle(QString::fromUtf8(kElementDialogTitle));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    allowNodeChange_->setObjectName(QStringLiteral("PZW"));
    apply_->setObjectName(QStringLiteral("Zastosuj"));
    apply_->setAutoDefault(false);
    startNodes_->setEnabled(false);
    endNodes_->setEnabled(false);

    auto* form = new QFormLayout;
    form->addRow(labelFor("Numer elementu", number_, this), number_);
    form->addRow(allowNodeChange_);
    form->addRow(labelFor("Nr węzeła początkowego", startNodes_, this), startNodes_);
    form->addRow(labelFor("Nr węzeł końcowego", endNodes_, this), endNodes_);
    form->addRow(labelFor("Nr warunku brzegowego", conditions_, this), conditions_);
    form->addRow(labelFor("Nr brzegu", boundaries_, this), boundaries_);
    QDialogButtonBox* buttons = okCancelButtons(this, [this] {
        store();
        accept();
    });
    buttons->addButton(apply_, QDialogButtonBox::ApplyRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(allowNodeChange_, &QCheckBox::toggled, this, [this](bool on) {
        startNodes_->setEnabled(on);
        endNodes_->setEnabled(on);
    });
    connect(apply_, &QPushButton::clicked, this, [this] {
        store();
        emit stored();
    });
}

void ElementDialog::fillLists()
{
    const auto refill = [](QComboBox* box, int count, auto text) {
        box->clear();
        for (int i = 1; i <= count; ++i) {
            box->addItem(toQString(text(i)));
        }
    };
    const Project& p = project_;
    refill(startNodes_, p.nodeCount(), [&p](int n) { return nodeItemText(p, n); });
    refill(endNodes_, p.nodeCount(), [&p](int n) { return nodeItemText(p, n); });
    refill(conditions_, p.conditionCount(), [&p](int c) { return conditionItemText(p, c); });
    refill(boundaries_, p.boundaryCount(), [&p](int b) { return boundaryItemText(p, b); });
}

void ElementDialog::selectFirst()
{
    for (QComboBox* box : {startNodes_, endNodes_, conditions_, boundaries_}) {
        selectNumber(box, 1);
    }
}

bool ElementDialog::names(int number) const
{
    return project_.elements.contains(number);
}

void ElementDialog::load(int number)
{
    const Element& e = project_.elements[number];
    selectNumber(startNodes_, e.startNode);
    selectNumber(endNodes_, e.endNode);
    selectNumber(conditions_, e.condition);
    selectNumber(boundaries_, e.boundary);
}

std::optional<int> ElementDialog::corrected(std::optional<int> typed) const
{
    if (!typed) {
        return std::nullopt;
    }
    int k = *typed;
    bool moved = false;
    if (k > project_.elementCount()) {
        k = project_.elementCount();
        moved = true;
    }
    if (k <= 0) {
        k = 1;
        moved = true;
    }
    return moved ? std::optional<int>(k) : std::nullopt;
}

void ElementDialog::fill()
{
    storedWhileOpen_ = false;
    if (project_.selectedNumber != 0) {
        // The element "Dodaj" has just appended: the dialog stays on it.
        reactivated();
        return;
    }
    // Otherwise the number holds only while the dialog opens: it opens on
    // element 1, and the number field is free from then on.
    project_.selectedNumber = 1;
    reactivated();
    project_.selectedNumber = 0;
}

void ElementDialog::reactivated()
{
    number_->setText(QString::number(project_.selectedNumber));
    fillLists();
    startNodes_->setEnabled(allowNodeChange_->isChecked());
    endNodes_->setEnabled(allowNodeChange_->isChecked());
    selectFirst();
    // The lists show the element the number field names (after the free
    // field's correction), so that OK after a message box cannot put
    // first-item values over an element the user never chose to change.
    if (const std::optional<int> k = typedNumber(); k && names(*k)) {
        load(*k);
    }
}

void ElementDialog::store()
{
    const Element values{numberOf(startNodes_), numberOf(endNodes_), numberOf(conditions_), numberOf(boundaries_)};
    if (storeElementProperties(project_, *ui_, typedNumber(), values)) {
        storedWhileOpen_ = true;
    }
}

void ElementDialog::done(int /*result*/)
{
    // What "Zastosuj" stored stays stored whichever way the dialog closes; a
    // dialog that stored nothing closes as cancelled, OK included, so that a
    // new element goes again.
    NumberedEntryDialog::done(storedWhileOpen_ ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace zorind
