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
    : QDialog(parent), project_(project), ui_(&ui), wezly_(addBox("wezly", "Węzły")),
      nrwezly_(addBox("nrwezly", "Numery węzłów")), elem_(addBox("elem", "Elementy")),
      nrelem_(addBox("nrelem", "Numery elementów")), wew_(addBox("wew", "Węzły wewnętrzne")),
      wpe_(addBox("wpe", "węzłach skrajnych elementu")), wse_(addBox("wse", "węzłach środkowych elementu")),
      www_(addBox("www", "węzłach wewnętrznych")), siat_(addBox("siat", "Pokaż siatke")),
      kol_(addBox("kol", "256 kolorów w palecie")), gridStepX_(new QLineEdit(this)), gridStepY_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("T_ustaw"));
    setWindowTitle(QStringLiteral("Ustawienia ekranu"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    gridStepX_->setObjectName(QStringLiteral("Edit1"));
    gridStepY_->setObjectName(QStringLiteral("Edit2"));

    auto* show = new QGroupBox(QStringLiteral("Pokaż :"), this);
    auto* showLayout = new QVBoxLayout(show);
    for (QCheckBox* b : {wezly_, nrwezly_, elem_, nrelem_, wew_}) {
        showLayout->addWidget(b);
    }
    auto* values = new QGroupBox(QStringLiteral("Pokaż wartości obliczone w :"), this);
    auto* valuesLayout = new QVBoxLayout(values);
    for (QCheckBox* b : {wpe_, wse_, www_}) {
        valuesLayout->addWidget(b);
    }
    auto* grid = new QGroupBox(QStringLiteral("Odległość między punktami siatki :"), this);
    auto* gridLayout = new QFormLayout(grid);
    gridLayout->addRow(QStringLiteral("w osi x"), gridStepX_);
    gridLayout->addRow(QStringLiteral("w osi y"), gridStepY_);
    gridLayout->addRow(siat_);

    auto* right = new QVBoxLayout;
    right->addWidget(values);
    right->addWidget(grid);
    auto* groups = new QHBoxLayout;
    groups->addWidget(show);
    groups->addLayout(right);

    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(kol_);
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
    wezly_->setChecked(s.showNodes);
    nrwezly_->setChecked(s.showNodeNumbers);
    elem_->setChecked(s.showElements);
    nrelem_->setChecked(s.showElementNumbers);
    wew_->setChecked(s.showInternalPoints);
    wpe_->setChecked(s.showEndValues);
    wse_->setChecked(s.showMidValues);
    www_->setChecked(s.showInternalValues);
    siat_->setChecked(s.gridOn);
    kol_->setChecked(s.sevenBandPalette);
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
    s.showNodes = wezly_->isChecked();
    s.showNodeNumbers = nrwezly_->isChecked();
    s.showElements = elem_->isChecked();
    s.showElementNumbers = nrelem_->isChecked();
    s.showInternalPoints = wew_->isChecked();
    s.showEndValues = wpe_->isChecked();
    s.showMidValues = wse_->isChecked();
    s.showInternalValues = www_->isChecked();
    s.gridOn = siat_->isChecked();
    s.sevenBandPalette = kol_->isChecked();
    acceptScreenSettings(project_, *ui_, s, parseNumberField(gridStepX_->text()), parseNumberField(gridStepY_->text()));
    accept();
}

bool ScreenSettingsDialog::edit()
{
    return screenSettingsCommand(project_, [this] { return exec() == QDialog::Accepted; });
}

} // namespace zorind
