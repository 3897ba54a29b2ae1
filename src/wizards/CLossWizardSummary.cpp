#include "wizards/CLossWizardSummary.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "report/LossWizardReport.h"
#include "wizards/CLossWizard.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QLabel* valueLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

// The page has no caption of its own: the window keeps the wizard's.
CLossWizardSummary::CLossWizardSummary(CLossWizard& wizard) : CKavWizardPage(QString(), wizard)
{
    auto* characteristics = new QGroupBox(Strings::loadString(StringId::CircuitCharacteristicsGroup), this);
    characteristics->setObjectName(QStringLiteral("c1053"));
    length_ = valueLabel(characteristics, "c1010");
    connectors_ = valueLabel(characteristics, "c1012");
    splices_ = valueLabel(characteristics, "c1013");
    cableType_ = valueLabel(characteristics, "c1014");
    standard_ = valueLabel(characteristics, "c1149");
    auto* form = new QFormLayout(characteristics);
    form->addRow(Strings::loadString(StringId::WizardLengthLabel), length_);
    form->addRow(Strings::loadString(StringId::DetailConnectorPairs), connectors_);
    form->addRow(Strings::loadString(StringId::DetailSplices), splices_);
    form->addRow(Strings::loadString(StringId::DetailCableType), cableType_);
    form->addRow(Strings::loadString(StringId::DetailStandard), standard_);

    losses_ = new QTreeWidget(this);
    losses_->setObjectName(QStringLiteral("c1158"));
    losses_->setAccessibleName(Strings::loadString(StringId::WizardMaxAllowedLossColumn));
    losses_->setRootIsDecorated(false);
    losses_->setSelectionMode(QAbstractItemView::SingleSelection);
    losses_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    losses_->header()->setStretchLastSection(false);

    auto* printButton = new QPushButton(Strings::loadString(StringId::WizardPrint), this);
    printButton->setObjectName(QStringLiteral("c1171"));
    printButton->setAutoDefault(false);
    connect(printButton, &QPushButton::clicked, this, &CLossWizardSummary::print);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(characteristics);
    layout->addWidget(losses_, 1);
    layout->addWidget(printButton, 0, Qt::AlignRight);
}

void CLossWizardSummary::activate()
{
    losses_->setHeaderLabels({Strings::loadString(StringId::WizardWavelengthColumn),
                              Strings::loadString(StringId::WizardMaxAllowedLossColumn)});
    compute();
    setButtonsFor(true);
}

void CLossWizardSummary::compute()
{
    const CLossWizard& sheet = wizard();
    summary_ = sheet.standardKey()
                   ? computeLossSummary(sheet.catalog(), *sheet.standardKey(), sheet.lengthKm(),
                                        sheet.connectorPairs(), sheet.splices())
                   : LossSummary();
    losses_->clear();
    for (const LossSummaryLine& line : summary_.lines)
        losses_->addTopLevelItem(new QTreeWidgetItem({line.wavelength, line.loss}));
    length_->setText(summary_.lengthText);
    connectors_->setText(summary_.connectorText);
    splices_->setText(summary_.spliceText);
    cableType_->setText(summary_.cableTypeText);
    standard_->setText(summary_.standardText);
}

void CLossWizardSummary::print()
{
    LossWizardReport report(summary_);
    wizard().print(report);
}
