#include "gui/view/ProbePlotWindow.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include "core/lists/TabSeparated.h"
#include "core/model/NumberFormat.h"
#include "core/model/ProjectFile.h"
#include "elastic/ElasticSolver.h"
#include "gui/view/ProbeChart.h"
#include "gui/widgets/FieldLabels.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

namespace {

constexpr const char* kPictureFailed = "Nie można zapisać obrazu do pliku ";

QString fieldText(double value)
{
    return QString::fromStdString(fieldNumber(static_cast<float>(value), decimalSeparator()));
}

} // namespace

ProbePlotWindow::ProbePlotWindow(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(ui)
{
    setObjectName(QStringLiteral("ProbePlotWindow"));
    setWindowTitle(QString::fromUtf8(kProbePlotTitle));
    setModal(false);
    auto* fields = new QGridLayout;
    const char* captions[4] = {"&Początek x:", "Począt&ek y:", "Ko&niec x:", "Konie&c y:"};
    const char* names[4] = {"PoczatekX", "PoczatekY", "KoniecX", "KoniecY"};
    for (int i = 0; i < 4; ++i) {
        ends_[static_cast<std::size_t>(i)] = new QLineEdit(this);
        ends_[static_cast<std::size_t>(i)]->setObjectName(QString::fromLatin1(names[i]));
        addLabelledField(fields, i / 2, 2 * (i % 2), QString::fromUtf8(captions[i]),
                         ends_[static_cast<std::size_t>(i)], this);
    }
    intervals_ = new QSpinBox(this);
    intervals_->setRange(1, 10000);
    intervals_->setValue(200);
    addLabelledField(fields, 0, 4, QStringLiteral("&Odcinki:"), intervals_, this);
    auto* draw = new QPushButton(QStringLiteral("&Rysuj"), this);
    draw->setDefault(true);
    fields->addWidget(draw, 1, 5);
    connect(draw, &QPushButton::clicked, this, [this] { plot(); });

    chart_ = new ProbeChart(this);
    pointed_ = new QLabel(QStringLiteral(" "), this);
    pointed_->setObjectName(QStringLiteral("ProbeValues"));
    pointed_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    flux_ = new QLabel(QStringLiteral(" "), this);
    flux_->setObjectName(QStringLiteral("ProbeFlux"));
    connect(chart_, &ProbeChart::pointed, pointed_, &QLabel::setText);

    auto* buttons = new QHBoxLayout;
    auto* copy = new QPushButton(QStringLiteral("&Kopiuj"), this);
    auto* save = new QPushButton(QStringLiteral("&Zapisz obraz..."), this);
    auto* close = new QPushButton(QStringLiteral("Za&mknij"), this);
    buttons->addWidget(flux_, 1);
    buttons->addWidget(copy);
    buttons->addWidget(save);
    buttons->addWidget(close);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(copiedText()); });
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            [this] { QApplication::clipboard()->setText(copiedText()); });
    connect(save, &QPushButton::clicked, this, [this] { choosePicture(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(chart_, 1);
    layout->addWidget(pointed_);
    layout->addLayout(buttons);
    resize(720, 520);
}

void ProbePlotWindow::open(std::optional<std::array<double, 4>> ends)
{
    if (ends) {
        for (std::size_t i = 0; i < 4; ++i) {
            ends_[i]->setText(fieldText((*ends)[i]));
        }
    }
    show();
    raise();
    activateWindow();
    if (ends) {
        plot();
    } else {
        ends_[0]->setFocus();
        ends_[0]->selectAll();
    }
}

bool ProbePlotWindow::plot()
{
    std::array<double, 4> v{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::optional<double> typed =
            parseDecimalText(ends_[i]->text().toStdString(), decimalSeparator());
        if (!typed) {
            ui_.error(kProbeBadCoordinatesMessage, kProbePlotTitle);
            ends_[i]->setFocus();
            return false;
        }
        v[i] = *typed;
    }
    const ProbeOutcome outcome =
        probeSegment(project_, {v[0], v[1], v[2], v[3]}, intervals_->value(), elastic::solveElasticProblem);
    if (!outcome.probe) {
        ui_.error(outcome.refusal, kProbePlotTitle);
        return false;
    }
    chart_->setProbe(*outcome.probe);
    flux_->setText(outcome.probe->elasticity
                       ? QStringLiteral(" ")
                       : QStringLiteral("Strumień przez odcinek: %1").arg(QLocale().toString(outcome.probe->flux, 'g', 6)));
    pointed_->setText(QStringLiteral(" "));
    project_.probeLine = {true, v[0], v[1], v[2], v[3]};
    emit segmentChanged();
    return true;
}

QString ProbePlotWindow::copiedText() const
{
    const ListColumns table = probeColumns(chart_->probe());
    std::vector<std::vector<std::string>> rows;
    for (const ListRow& row : table.rows) {
        rows.push_back(row.copied);
    }
    return QString::fromStdString(tabSeparatedText(table.headings, rows));
}

bool ProbePlotWindow::savePicture(const std::string& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QString name = QString::fromStdString(path);
    bool drawn = false;
    if (name.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(chart_->size());
        svg.setViewBox(QRect(QPoint(0, 0), chart_->size()));
        svg.setTitle(QString::fromUtf8(kProbePlotTitle));
        QPainter painter;
        if (painter.begin(&svg)) {
            chart_->render(&painter);
            drawn = painter.end();
        }
    } else {
        drawn = chart_->grab().save(&buffer, "PNG");
    }
    const FileResult written =
        drawn ? writeFileSafely(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
              : FileResult{};
    if (!drawn || !written.ok()) {
        ui_.error(std::string(kPictureFailed) + path + (written.detail.empty() ? "" : "\n" + written.detail),
                  kProbePlotTitle);
        return false;
    }
    return true;
}

void ProbePlotWindow::choosePicture()
{
    const FileDialogSpec spec{"Zapisz obraz wykresu", {{"Obraz PNG (*.png)", "*.png"}, {"Rysunek SVG (*.svg)", "*.svg"}},
                              "png"};
    if (const std::optional<std::string> path = ui_.chooseSaveFile(spec)) {
        savePicture(*path);
    }
}

void ProbePlotWindow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (project_.probeLine.shown) {
        project_.probeLine.shown = false;
        emit segmentChanged();
    }
}

} // namespace zorind
