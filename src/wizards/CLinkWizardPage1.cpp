#include "wizards/CLinkWizardPage1.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "standards/FiberTypes.h"
#include "standards/StandardsCatalog.h"
#include "wizards/CLossWizard.h"
#include "wizards/SortedCombo.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QListWidget* displayList(QWidget* parent, const char* name)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setSortingEnabled(true);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setEnabled(false);
    return list;
}

QGroupBox* group(const QString& title, QWidget* content, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    // The list is named by its frame's title, for screen readers.
    content->setAccessibleName(title);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

void addOnce(QListWidget& list, const QString& text)
{
    if (list.findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        list.addItem(text);
}

// A standard as the first page offers it: any wavelength, any fiber type.
StandardKey standardOnly(StandardKey key)
{
    key.wavelengthNumber = -1;
    key.fiberType = StandardKey::kAnyFiberType;
    return key;
}

struct ListedStandard
{
    StandardKey key;
    QString name;
    RecordId customId; // empty for a built-in standard
};

bool sameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// The GUID of a custom standard's id ("6b1f3c2e-9a4d-...") or its first group.
QString idText(const RecordId& id, bool whole)
{
    const QString guid = id.mid(7, 36);
    return whole ? guid : guid.left(8);
}

// What the list shows for each standard. Files saved before names had to be
// unique may hold two standards of one name, and a test database from
// another computer may bring a standard named like one of the shared file:
// a custom standard whose name another one has is shown with its id (the one
// `fibrolog-cli standards` prints), so no two lines read alike.
QStringList listTexts(const std::vector<ListedStandard>& standards)
{
    const auto shared = [&](std::size_t k, const QStringList& texts) {
        for (std::size_t other = 0; other < standards.size(); ++other) {
            if (other != k && sameName(texts.at(static_cast<int>(k)), texts.at(static_cast<int>(other))))
                return true;
        }
        return false;
    };
    QStringList texts;
    for (const ListedStandard& standard : standards)
        texts.append(standard.name);
    for (bool whole : {false, true}) {
        const QStringList before = texts;
        for (std::size_t k = 0; k < standards.size(); ++k) {
            const ListedStandard& standard = standards[k];
            if (!standard.customId.isEmpty() && shared(k, before))
                texts[static_cast<int>(k)] =
                    Strings::formatMessage(Strings::loadString(StringId::StandardListTwin),
                                           {standard.name, idText(standard.customId, whole)});
        }
    }
    return texts;
}

} // namespace

CLinkWizardPage1::CLinkWizardPage1(CLossWizard& wizard)
    : CKavWizardPage(Strings::loadString(StringId::WizardStandardSelectionCaption), wizard)
{
    standards_ = new QComboBox(this);
    standards_->setObjectName(QStringLiteral("c1149"));
    standards_->setMinimumContentsLength(30);
    standards_->setAccessibleName(Strings::loadString(StringId::ViewCaptionStandard));
    wavelengths_ = displayList(this, "c1151");
    fiberTypes_ = displayList(this, "c1153");

    auto* lists = new QHBoxLayout;
    lists->addWidget(group(Strings::loadString(StringId::WizardValidWavelengths), wavelengths_, this));
    lists->addWidget(group(Strings::loadString(StringId::WizardValidFiberTypes), fiberTypes_, this));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(standards_);
    layout->addLayout(lists, 1);

    connect(standards_, &QComboBox::activated, this, &CLinkWizardPage1::standardChosen);
}

void CLinkWizardPage1::activate()
{
    if (!filled_) {
        filled_ = true;
        fillStandards();
    }
    setButtonsFor(standards_->currentIndex() >= 0);
}

void CLinkWizardPage1::fillStandards()
{
    std::vector<ListedStandard> listed;
    CatalogPosition position;
    StandardKey key;
    StandardEntry entry;
    while (wizard().catalog().iterate(position, key, entry)) {
        // A standard is offered for the fiber types a link can have; one
        // covering none of them could not be chosen on the next page.
        if (entry.fiberType >= kFiberTypeCount)
            continue;
        const StandardKey standard = standardOnly(key);
        if (std::find(keys_.begin(), keys_.end(), standard) != keys_.end())
            continue;
        keys_.push_back(standard);
        listed.push_back({standard, entry.standardName, entry.customStandardId});
    }
    const QStringList texts = listTexts(listed);
    for (std::size_t k = 0; k < listed.size(); ++k)
        insertSorted(*standards_, texts.at(static_cast<int>(k)), static_cast<int>(k));
    standards_->setCurrentIndex(-1);
}

std::optional<StandardKey> CLinkWizardPage1::selectedKey() const
{
    const int index = standards_->currentIndex();
    if (index < 0)
        return std::nullopt;
    return keys_.at(standards_->itemData(index).toInt());
}

void CLinkWizardPage1::standardChosen()
{
    setButtonsFor(standards_->currentIndex() >= 0);
    wavelengths_->clear();
    fiberTypes_->clear();
    const std::optional<StandardKey> key = selectedKey();
    if (!key)
        return;
    CatalogPosition position;
    StandardEntry entry;
    while (wizard().catalog().findNext(*key, position, entry)) {
        addOnce(*wavelengths_, entry.wavelength);
        addOnce(*fiberTypes_, fiberTypeShortName(entry.fiberType));
    }
}

int CLinkWizardPage1::onNext()
{
    const std::optional<StandardKey> key = selectedKey();
    if (!key)
        return kStay;
    wizard().setStandardKey(standardOnly(*key));
    return kFollowOrder;
}
