#include "gui/edit/PhysicalPropertiesDialog.h"
#include "gui/widgets/DialogButtons.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/solver/AnalysisSettings.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

PhysicalPropertiesDialog::PhysicalPropertiesDialog(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(&ui), propertyLabel_(new QLabel(this)), value_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Twf"));
    setWindowTitle(QString::fromUtf8(kPhysicalPropertiesTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    propertyLabel_->setObjectName(QStringLiteral("lab"));
    value_->setObjectName(QStringLiteral("Edit1"));

    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(bevel);
    row->addWidget(propertyLabel_);
    row->addWidget(value_);

    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bevel);
    layout->addWidget(buttons);
    setMinimumWidth(264);
}

QString PhysicalPropertiesDialog::propertyLabel(int analysisType)
{
    const std::string_view label = conductivityLabel(analysisType);
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

void PhysicalPropertiesDialog::showEvent(QShowEvent* event)
{
    propertyLabel_->setText(propertyLabel(project_.analysisType));
    value_->setText(floatFieldText(project_.conductivity));
    QDialog::showEvent(event);
}

void PhysicalPropertiesDialog::okClicked()
{
    if (applyConductivity(project_, *ui_, parseNumberField(value_->text()))) {
        accept();
    } else {
        reject();
    }
}

bool PhysicalPropertiesDialog::edit()
{
    const float before = project_.conductivity;
    if (exec() == QDialog::Accepted) {
        return true;
    }
    project_.conductivity = before;
    return false;
}

} // namespace zorind
