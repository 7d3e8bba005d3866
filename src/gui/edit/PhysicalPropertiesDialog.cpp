#include "gui/edit/PhysicalPropertiesDialog.h"
#include "gui/widgets/DialogButtons.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/solver/AnalysisSettings.h"
#include "gui/widgets/FieldLabels.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

PhysicalPropertiesDialog::PhysicalPropertiesDialog(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(&ui), propertyLabel_(new QLabel(this)), value_(new QLineEdit(this)),
      youngModulus_(new QLineEdit(this)), poissonRatio_(new QLineEdit(this)),
      planeStrain_(new QRadioButton(QStringLiteral("płaski stan &odkształcenia"), this)),
      planeStress_(new QRadioButton(QStringLiteral("płaski stan &naprężenia"), this)), material_(materialFrame())
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
    layout->addWidget(material_);
    layout->addWidget(buttons);
    setMinimumWidth(264);
}

// The material's fields, shown in elasticity only.
QFrame* PhysicalPropertiesDialog::materialFrame()
{
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("material"));
    frame->setFrameShape(QFrame::StyledPanel);
    youngModulus_->setObjectName(QStringLiteral("youngModulus"));
    poissonRatio_->setObjectName(QStringLiteral("poissonRatio"));
    planeStrain_->setObjectName(QStringLiteral("planeStrain"));
    planeStress_->setObjectName(QStringLiteral("planeStress"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(labelFor("Moduł &Younga", youngModulus_, frame), 0, 0);
    grid->addWidget(youngModulus_, 0, 1);
    grid->addWidget(labelFor("&Liczba Poissona", poissonRatio_, frame), 1, 0);
    grid->addWidget(poissonRatio_, 1, 1);
    grid->addWidget(planeStrain_, 2, 0, 1, 2);
    grid->addWidget(planeStress_, 3, 0, 1, 2);
    return frame;
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
    const Material& m = project_.material;
    youngModulus_->setText(doubleFieldText(m.youngModulus));
    poissonRatio_->setText(doubleFieldText(m.poissonRatio));
    (m.planeStress ? planeStress_ : planeStrain_)->setChecked(true);
    material_->setVisible(project_.analysisType == Elasticity);
    adjustSize();
    QDialog::showEvent(event);
}

void PhysicalPropertiesDialog::okClicked()
{
    const bool accepted = applyConductivity(project_, *ui_, parseNumberField(value_->text())) &&
                          (project_.analysisType != Elasticity ||
                           applyMaterial(project_, *ui_, parseNumberField(youngModulus_->text()),
                                         parseNumberField(poissonRatio_->text()), planeStress_->isChecked()));
    if (accepted) {
        accept();
    } else {
        reject();
    }
}

bool PhysicalPropertiesDialog::edit()
{
    const float before = project_.conductivity;
    const Material material = project_.material;
    if (exec() == QDialog::Accepted) {
        return true;
    }
    project_.conductivity = before;
    project_.material = material;
    return false;
}

} // namespace zorind
