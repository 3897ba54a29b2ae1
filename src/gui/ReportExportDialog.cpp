#include "gui/ReportExportDialog.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace StringId;

namespace {

QRadioButton* radio(int textId, const char* name, QWidget* parent)
{
    auto* button = new QRadioButton(Strings::loadString(textId), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

CircuitChoiceBox::CircuitChoiceBox(const QString& currentLink, QWidget* parent)
    : QGroupBox(Strings::loadString(ExportCircuitsGroup), parent), currentLink_(currentLink)
{
    setObjectName(QStringLiteral("circuitChoice"));
    auto* layout = new QVBoxLayout(this);
    all_ = radio(ExportAllCircuits, "exportAll", this);
    link_ =
        new QRadioButton(Strings::formatMessage(Strings::loadString(ExportCurrentLink),
                                                {currentLink.isEmpty() ? QStringLiteral("-") : currentLink}),
                         this);
    link_->setObjectName(QStringLiteral("exportCurrentLink"));
    link_->setEnabled(!currentLink.isEmpty());
    failing_ = radio(ExportFailingOnly, "exportFailing", this);
    all_->setChecked(true);
    for (QRadioButton* button : {all_, link_, failing_})
        layout->addWidget(button);
}

CircuitChoice CircuitChoiceBox::choice() const
{
    CircuitChoice choice;
    choice.onlyFailing = failing_->isChecked();
    if (link_->isChecked())
        choice.links = {currentLink_};
    return choice;
}

PrintChoiceTab::PrintChoiceTab(const QString& currentLink, bool summary, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("printCircuitChoice"));
    setWindowTitle(Strings::loadString(PrintCircuitsTab));
    auto* layout = new QVBoxLayout(this);
    circuits_ = new CircuitChoiceBox(currentLink, this);
    layout->addWidget(circuits_);
    charts_ = new QCheckBox(Strings::loadString(ExportCharts), this);
    charts_->setObjectName(QStringLiteral("exportCharts"));
    // Chart pages follow a link's summary pages; the detail report has none.
    charts_->setEnabled(summary);
    layout->addWidget(charts_);
    layout->addStretch(1);
}

bool PrintChoiceTab::linkCharts() const
{
    return charts_->isEnabled() && charts_->isChecked();
}

ReportExportDialog::ReportExportDialog(Kind kind, const QString& currentLink, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("reportExportDialog"));
    setWindowTitle(Strings::loadString(kind == Kind::PdfReport ? ExportPdfTitle : ExportCsvTitle));
    auto* layout = new QVBoxLayout(this);

    if (kind == Kind::PdfReport) {
        auto* report = new QGroupBox(Strings::loadString(ExportReportGroup), this);
        auto* reportLayout = new QVBoxLayout(report);
        details_ = radio(ExportDetails, "exportDetails", report);
        summary_ = radio(ExportSummary, "exportSummary", report);
        charts_ = new QCheckBox(Strings::loadString(ExportCharts), report);
        charts_->setObjectName(QStringLiteral("exportCharts"));
        details_->setChecked(true);
        charts_->setEnabled(false);
        // Chart pages follow a link's summary pages; a detail report has none.
        connect(summary_, &QRadioButton::toggled, charts_, &QWidget::setEnabled);
        for (QWidget* w : {static_cast<QWidget*>(details_), static_cast<QWidget*>(summary_),
                           static_cast<QWidget*>(charts_)})
            reportLayout->addWidget(w);
        layout->addWidget(report);
    }

    circuits_ = new CircuitChoiceBox(currentLink, this);
    layout->addWidget(circuits_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool ReportExportDialog::summary() const
{
    return summary_ && summary_->isChecked();
}

bool ReportExportDialog::linkCharts() const
{
    return summary() && charts_->isChecked();
}
