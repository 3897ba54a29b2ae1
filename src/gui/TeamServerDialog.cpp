#include "gui/TeamServerDialog.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "gui/JobProgressDialog.h"
#include "server/ServerAddress.h"
#include "server/TeamServer.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

const QString kAddressKey = QStringLiteral("TeamServer/Address");

QString environmentAddress()
{
    return QString::fromLocal8Bit(qgetenv("FIBROLOG_SERVER")).trimmed();
}

} // namespace

QString TeamServerSetting::stored(const QSettings& settings)
{
    return settings.value(kAddressKey).toString().trimmed();
}

void TeamServerSetting::store(QSettings& settings, const QString& address)
{
    settings.setValue(kAddressKey, address.trimmed());
}

QString TeamServerSetting::effective(const QSettings& settings, QString* refusal)
{
    refusal->clear();
    const QString given = stored(settings);
    if (given.isEmpty() && environmentAddress().isEmpty())
        return QString();
    return ServerAddress::resolve(given, refusal);
}

TeamServerDialog::TeamServerDialog(const QString& current, DialogJobRunner& jobs, QWidget* parent)
    : QDialog(parent), jobs_(jobs)
{
    setObjectName(QStringLiteral("teamServerDialog"));
    setWindowTitle(Strings::loadString(StringId::TeamServerCaption));
    auto* layout = new QVBoxLayout(this);
    // The wrapped notes and the outcome shown later keep their room.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    auto* label = new QLabel(Strings::loadString(StringId::TeamServerAddressLabel), this);
    label->setWordWrap(true);
    layout->addWidget(label);

    auto* row = new QHBoxLayout;
    address_ = new QLineEdit(current, this);
    address_->setObjectName(QStringLiteral("teamServerAddress"));
    address_->setPlaceholderText(QStringLiteral("postgresql://installer@server/fibrolog"));
    address_->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    label->setBuddy(address_);
    row->addWidget(address_, 1);
    test_ = new QPushButton(Strings::loadString(StringId::TeamServerTest), this);
    test_->setObjectName(QStringLiteral("teamServerTest"));
    test_->setAutoDefault(false);
    row->addWidget(test_);
    layout->addLayout(row);

    const QString fromEnvironment = environmentAddress();
    auto* empty =
        new QLabel(fromEnvironment.isEmpty()
                       ? Strings::loadString(StringId::TeamServerEmptyIsNone)
                       : Strings::formatMessage(Strings::loadString(StringId::TeamServerEmptyUsesEnvironment),
                                                {fromEnvironment}),
                   this);
    empty->setWordWrap(true);
    layout->addWidget(empty);
    auto* password = new QLabel(Strings::loadString(StringId::TeamServerPasswordNote), this);
    password->setWordWrap(true);
    layout->addWidget(password);

    outcome_ = new QLabel(this);
    outcome_->setObjectName(QStringLiteral("teamServerOutcome"));
    outcome_->setWordWrap(true);
    outcome_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outcome_->hide();
    layout->addWidget(outcome_);
    layout->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("c1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("c2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TeamServerDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(test_, &QPushButton::clicked, this, [this] { test(); });
    layout->addWidget(buttons);
}

QString TeamServerDialog::address() const
{
    return address_->text().trimmed();
}

QString TeamServerDialog::usableAddress()
{
    if (address().isEmpty() && environmentAddress().isEmpty()) {
        showOutcome(Strings::loadString(StringId::TeamServerEmptyIsNone), false);
        return QString();
    }
    QString refusal;
    const QString usable = ServerAddress::resolve(address(), &refusal);
    if (usable.isEmpty())
        showOutcome(Strings::formatMessage(Strings::loadString(StringId::TeamServerNotConnected), {refusal}),
                    false);
    return usable;
}

void TeamServerDialog::test()
{
    const QString usable = usableAddress();
    if (usable.isEmpty())
        return;
    ServerCounts counts;
    const OperationResult tested =
        jobs_.runWithProgress(Strings::loadString(StringId::TeamServerConnecting), [&](JobProgress& job) {
            return TeamServer(usable).testConnection(job, &counts);
        });
    if (tested)
        showOutcome(Strings::formatMessage(Strings::loadString(StringId::TeamServerConnected),
                                           {QString::number(counts.schema), QString::number(counts.links),
                                            QString::number(counts.fibers)}),
                    true);
    else if (tested.isCancelled())
        showOutcome(tested.message(), false);
    else
        showOutcome(
            Strings::formatMessage(Strings::loadString(StringId::TeamServerNotConnected), {tested.message()}),
            false);
}

void TeamServerDialog::showOutcome(const QString& text, bool good)
{
    outcome_->setText(text);
    outcome_->show();
    adjustSize();
    // Colour only underlines what the words say.
    outcome_->setStyleSheet(good ? QStringLiteral("color: #1a7f37;") : QStringLiteral("color: #b42318;"));
}

void TeamServerDialog::accept()
{
    // A password is never kept in the settings file; another string libpq
    // cannot read is refused here, where it can still be corrected.
    if (!address().isEmpty()) {
        QString refusal;
        if (ServerAddress::resolve(address(), &refusal).isEmpty()) {
            showOutcome(
                Strings::formatMessage(Strings::loadString(StringId::TeamServerNotConnected), {refusal}),
                false);
            address_->setFocus();
            return;
        }
    }
    QDialog::accept();
}
