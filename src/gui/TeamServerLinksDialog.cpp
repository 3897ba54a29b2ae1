#include "gui/TeamServerLinksDialog.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "gui/JobProgressDialog.h"
#include "server/TeamServer.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column
{
    CompanyColumn,
    NameColumn,
    TestDateColumn,
    MeterColumn,
    CircuitsColumn,
    PublishedByColumn,
    PublishedAtColumn,
};

QString shortDateTime(const QDateTime& when)
{
    return when.isValid() ? QLocale().toString(when, QLocale::ShortFormat) : QString();
}

} // namespace

TeamServerLinksDialog::TeamServerLinksDialog(const QString& address, DialogJobRunner& jobs, QWidget* parent)
    : QDialog(parent), address_(address), jobs_(jobs)
{
    setObjectName(QStringLiteral("teamServerLinksDialog"));
    setWindowTitle(Strings::loadString(StringId::TeamServerOpenCaption));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    auto* filters = new QHBoxLayout;
    auto addFilter = [&](int labelId, QWidget* field) {
        auto* label = new QLabel(Strings::loadString(labelId), this);
        label->setBuddy(field);
        filters->addWidget(label);
        filters->addWidget(field, 1);
    };
    company_ = new QLineEdit(this);
    company_->setObjectName(QStringLiteral("teamServerCompany"));
    addFilter(StringId::TeamServerCompanyLabel, company_);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("teamServerName"));
    addFilter(StringId::TeamServerNameLabel, name_);
    layout->addLayout(filters);
    // The date and the button on a line of their own: the names keep their
    // room on a narrow screen.
    auto* dates = new QHBoxLayout;
    sinceOn_ = new QCheckBox(Strings::loadString(StringId::TeamServerSinceLabel), this);
    sinceOn_->setObjectName(QStringLiteral("teamServerSinceOn"));
    dates->addWidget(sinceOn_);
    since_ = new QDateEdit(QDate::currentDate().addMonths(-1), this);
    since_->setObjectName(QStringLiteral("teamServerSince"));
    since_->setCalendarPopup(true);
    since_->setEnabled(false);
    dates->addWidget(since_);
    dates->addStretch(1);
    auto* search = new QPushButton(Strings::loadString(StringId::TeamServerSearch), this);
    search->setObjectName(QStringLiteral("teamServerSearch"));
    dates->addWidget(search);
    layout->addLayout(dates);

    links_ = new QTreeWidget(this);
    links_->setObjectName(QStringLiteral("teamServerLinks"));
    links_->setRootIsDecorated(false);
    links_->setUniformRowHeights(true);
    links_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    links_->setHeaderLabels(Strings::loadString(StringId::TeamServerColumns).split(QLatin1Char('\t')));
    links_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    links_->setMinimumSize(fontMetrics().averageCharWidth() * 60, fontMetrics().height() * 8);
    layout->addWidget(links_, 1);

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("teamServerNote"));
    note_->setWordWrap(true);
    note_->hide();
    layout->addWidget(note_);

    auto* bottom = new QHBoxLayout;
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("teamServerCount"));
    bottom->addWidget(count_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("c1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("c2"));
    bottom->addWidget(buttons);
    layout->addLayout(bottom);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(search, &QPushButton::clicked, this, [this] { searchAndSay(); });
    // Return in a filter searches rather than opening what happens to be chosen.
    for (QLineEdit* field : {company_, name_})
        connect(field, &QLineEdit::returnPressed, this, [this] { searchAndSay(); });
    connect(sinceOn_, &QCheckBox::toggled, since_, &QWidget::setEnabled);
    connect(links_, &QTreeWidget::itemSelectionChanged, this, [this] { updateCount(); });
    connect(links_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    updateCount();
    // Room for every column where the screen has it; on a small one the list scrolls.
    QSize wanted(fontMetrics().averageCharWidth() * 115, fontMetrics().height() * 24);
    if (const QScreen* shown = screen())
        wanted = wanted.boundedTo(shown->availableGeometry().size() * 9 / 10);
    resize(wanted.expandedTo(minimumSizeHint()));
}

OperationResult TeamServerLinksDialog::search()
{
    ServerLinkQuery query;
    query.company = company_->text().trimmed();
    query.name = name_->text().trimmed();
    if (sinceOn_->isChecked())
        query.since = since_->date();
    ServerLinkList list;
    const OperationResult listed =
        jobs_.runWithProgress(Strings::loadString(StringId::TeamServerReadingLinks), [&](JobProgress& job) {
            return TeamServer(address_).listLinks(query, job, &list);
        });
    if (listed)
        showLinks(list);
    return listed;
}

void TeamServerLinksDialog::searchAndSay()
{
    const OperationResult listed = search();
    if (listed.isFailure()) {
        note_->setText(
            Strings::formatMessage(Strings::loadString(StringId::TeamServerListFailed), {listed.message()}));
        note_->show();
    }
}

void TeamServerLinksDialog::showLinks(const ServerLinkList& list)
{
    links_->clear();
    QList<QTreeWidgetItem*> items;
    for (const ServerLinkEntry& link : list.links) {
        auto* item = new QTreeWidgetItem;
        item->setText(CompanyColumn, link.company);
        item->setText(NameColumn, link.name);
        item->setText(TestDateColumn, shortDateTime(link.testDate));
        item->setText(MeterColumn, link.meterSerial);
        item->setText(CircuitsColumn, QString::number(link.circuits));
        item->setTextAlignment(CircuitsColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(PublishedByColumn, link.publishedBy);
        item->setText(PublishedAtColumn, shortDateTime(link.publishedAt));
        item->setData(CompanyColumn, Qt::UserRole, link.id);
        items << item;
    }
    links_->addTopLevelItems(items);
    if (list.more) {
        note_->setText(Strings::formatMessage(Strings::loadString(StringId::TeamServerMoreLinks),
                                              {QString::number(list.links.size())}));
        note_->show();
    } else {
        note_->hide();
    }
    updateCount();
}

QStringList TeamServerLinksDialog::chosenIds() const
{
    QStringList ids;
    for (const QTreeWidgetItem* item : links_->selectedItems())
        ids << item->data(CompanyColumn, Qt::UserRole).toString();
    return ids;
}

void TeamServerLinksDialog::updateCount()
{
    const int chosen = static_cast<int>(links_->selectedItems().size());
    count_->setText(
        Strings::formatMessage(Strings::loadString(StringId::TeamServerSelectedCount),
                               {QString::number(chosen), QString::number(links_->topLevelItemCount())}));
    ok_->setEnabled(chosen > 0);
}
