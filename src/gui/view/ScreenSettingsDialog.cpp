#include "gui/view/ScreenSettingsDialog.h"
#include "gui/widgets/DialogButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/NumberFields.h"

namespace zorind {

ScreenSettingsDialog::ScreenSettingsDialog(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(&ui), showNodes_(addBox("wezly", "Węzły")),
      showNodeNumbers_(addBox("nrwezly", "Numery węzłów")), showElements_(addBox("elem", "Elementy")),
      showElementNumbers_(addBox("nrelem", "Numery elementów")), showInternalPoints_(addBox("wew", "Węzły wewnętrzne")),
      showEndValues_(addBox("wpe", "węzłach skrajnych elementu")),
      showMidValues_(addBox("wse", "węzłach środkowych elementu")),
      showInternalValues_(addBox("www", "węzłach wewnętrznych")), gridOn_(addBox("siat", "Pokaż siatke")),
      sevenBandPalette_(addBox("kol", "256 kolorów w palecie")), gridStepX_(new QLineEdit(this)),
      gridStepY_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("T_ustaw"));
    setWindowTitle(QStringLiteral("Ustawienia ekranu"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    gridStepX_->setObjectName(QStringLiteral("Edit1"));
    gridStepY_->setObjectName(QStringLiteral("Edit2"));

    auto* show = new QGroupBox(QStringLiteral("Pokaż :"), this);
    auto* showLayout = new QVBoxLayout(show);
    for (QCheckBox* b : {showNodes_, showNodeNumbers_, showElements_, showElementNumbers_, showInternalPoints_}) {
        showLayout->addWidget(b);
    }
    auto* values = new QGroupBox(QStringLiteral("Pokaż wartości obliczone w :"), this);
    auto* valuesLayout = new QVBoxLayout(values);
    for (QCheckBox* b : {showEndValues_, showMidValues_, showInternalValues_}) {
        valuesLayout->addWidget(b);
    }
    auto* grid = new QGroupBox(QStringLiteral("Odległość między punktami siatki :"), this);
    auto* gridLayout = new QFormLayout(grid);
    gridLayout->addRow(QStringLiteral("w osi x"), gridStepX_);
    gridLayout->addRow(QStringLiteral("w osi y"), gridStepY_);
    gridLayout->addRow(gridOn_);

    auto* right = new QVBoxLayout;
    right->addWidget(values);
    right->addWidget(grid);
    auto* groups = new QHBoxLayout;
    groups->addWidget(show);
    groups->addLayout(right);

    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(sevenBandPalette_);
    bottom->addStretch();
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QCheckBox* ScreenSettingsDialog::addBox(const char* name, const char* caption)
{
    auto* b = new QCheckBox(QString::fromUtf8(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QCheckBox* ScreenSettingsDialog::box(const char* name) const
{
    return findChild<QCheckBox*>(QString::fromLatin1(name));
}

void ScreenSettingsDialog::fill()
{
    const ScreenSettings s = currentScreenSettings(project_);
    showNodes_->setChecked(s.showNodes);
    showNodeNumbers_->setChecked(s.showNodeNumbers);
    showElements_->setChecked(s.showElements);
    showElementNumbers_->setChecked(s.showElementNumbers);
    showInternalPoints_->setChecked(s.showInternalPoints);
    showEndValues_->setChecked(s.showEndValues);
    showMidValues_->setChecked(s.showMidValues);
    showInternalValues_->setChecked(s.showInternalValues);
    gridOn_->setChecked(s.gridOn);
    sevenBandPalette_->setChecked(s.sevenBandPalette);
    gridStepX_->setText(floatFieldText(s.gridStepX));
    gridStepY_->setText(floatFieldText(s.gridStepY));
}

void ScreenSettingsDialog::showEvent(QShowEvent* event)
{
    fill();
    QDialog::showEvent(event);
}

void ScreenSettingsDialog::okClicked()
{
    ScreenSettings s;
    s.showNodes = showNodes_->isChecked();
    s.showNodeNumbers = showNodeNumbers_->isChecked();
    s.showElements = showElements_->isChecked();
    s.showElementNumbers = showElementNumbers_->isChecked();
    s.showInternalPoints = showInternalPoints_->isChecked();
    s.showEndValues = showEndValues_->isChecked();
    s.showMidValues = showMidValues_->isChecked();
    s.showInternalValues = showInternalValues_->isChecked();
    s.gridOn = gridOn_->isChecked();
    s.sevenBandPalette = sevenBandPalette_->isChecked();
    acceptScreenSettings(project_, *ui_, s, parseNumberField(gridStepX_->text()), parseNumberField(gridStepY_->text()));
    accept();
}

void ScreenSettingsDialog::edit()
{
    screenSettingsCommand(project_, [this] { return exec() == QDialog::Accepted; });
}

} // namespace zorind
