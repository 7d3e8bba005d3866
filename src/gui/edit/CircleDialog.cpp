#include "gui/edit/CircleDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/model/NumberFormat.h"
#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

namespace {

QLineEdit* field(QWidget* parent, const char* name, const char* text)
{
    auto* edit = new QLineEdit(QString::fromLatin1(text), parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

void addLabelled(QFormLayout* form, const char* caption, QLineEdit* edit)
{
    auto* label = new QLabel(QString::fromUtf8(caption), edit->parentWidget());
    label->setBuddy(edit);
    edit->setAccessibleName(label->text());
    form->addRow(label, edit);
}

std::optional<float> floatField(const QLineEdit* edit)
{
    return typedFloat(parseNumberField(edit->text()));
}

} // namespace

CircleDialog::CircleDialog(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(&ui)
{
    setObjectName(QStringLiteral("Tokrag_"));
    setWindowTitle(QString::fromUtf8(kCircleCaption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("GroupBox1"));
    centreX_ = field(frame, "xx", "0");
    centreY_ = field(frame, "yy", "0");
    radius_ = field(frame, "rr", "10");
    elementCount_ = field(frame, "nnn", "18");

    auto* form = new QFormLayout(frame);
    auto* heading = new QLabel(QStringLiteral("Współrzędne środka okręgu"), frame);
    heading->setObjectName(QStringLiteral("Label1"));
    form->addRow(heading);
    addLabelled(form, "x", centreX_);
    addLabelled(form, "y", centreY_);
    addLabelled(form, "Promień", radius_);
    addLabelled(form, "Liczba elementów", elementCount_);
    centreX_->setAccessibleName(QStringLiteral("Współrzędna x środka okręgu"));
    centreY_->setAccessibleName(QStringLiteral("Współrzędna y środka okręgu"));

    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<CircleSpec> CircleDialog::circle() const
{
    const std::optional<int> n = parseInt(elementCount_->text().trimmed().toStdString());
    const std::optional<float> r = floatField(radius_);
    const std::optional<float> x = floatField(centreX_);
    const std::optional<float> y = floatField(centreY_);
    if (!n || !r || !x || !y) {
        return std::nullopt;
    }
    return CircleSpec{*x, *y, *r, *n};
}

void CircleDialog::okClicked()
{
    if (const std::optional<CircleSpec> c = circle()) {
        addCircle(project_, *ui_, *c);
    }
    accept();
}

bool CircleDialog::edit()
{
    exec();
    return true;
}

} // namespace zorind
