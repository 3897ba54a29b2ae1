#include "gui/VerdictColourChoice.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialog>
#include <QSettings>

#include <algorithm>

namespace {

const QString kVerdictsInColourKey = QStringLiteral("Settings/VerdictsInColour");

} // namespace

bool VerdictColourChoice::stored(const QSettings& settings)
{
    return settings.value(kVerdictsInColourKey, false).toBool();
}

VerdictColourChoice::VerdictColourChoice(QDialog& dialog, QSettings& settings) : settings_(settings)
{
    box_ = new QCheckBox(Strings::loadString(StringId::VerdictsInColourChoice), &dialog);
    box_->setObjectName(QStringLiteral("verdictsInColour"));
    box_->setChecked(stored(settings));
    // Qt's page setup dialog is its page settings above its buttons in a
    // box layout; the choice goes between them. Any other layout gets it at
    // its end, and a dialog without one gets a layout of the box alone.
    if (auto* box = qobject_cast<QBoxLayout*>(dialog.layout()))
        box->insertWidget(std::max(0, box->count() - 1), box_);
    else if (dialog.layout())
        dialog.layout()->addWidget(box_);
    else
        (new QVBoxLayout(&dialog))->addWidget(box_);
}

void VerdictColourChoice::store()
{
    settings_.setValue(kVerdictsInColourKey, box_->isChecked());
}

bool VerdictColourChoice::chosen() const
{
    return box_->isChecked();
}
