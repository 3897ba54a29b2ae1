#include "gui/AboutDialog.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

#include <sqlcipher/sqlite3.h>

#include <QDate>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// The build's day (yyyy-mm-dd, from the build system rather than __DATE__,
// so that two builds of one commit are alike) as the user's locale writes it.
QString buildDate()
{
    const QString built = QStringLiteral(FIBROLOG_BUILD_DATE);
    const QDate date = QDate::fromString(built, Qt::ISODate);
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : built;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dialog100"));
    setWindowTitle(Strings::loadString(StringId::AboutCaption));
    auto* layout = new QVBoxLayout(this);
    auto* version = new QLabel(Strings::loadString(StringId::AboutVersion), this);
    version->setObjectName(QStringLiteral("version"));
    layout->addWidget(version);
    buildLine_ = new QLabel(Strings::formatMessage(Strings::loadString(StringId::AboutBuildLine),
                                                   {QString::fromLatin1(qVersion()),
                                                    QString::fromLatin1(sqlite3_libversion()), buildDate()}),
                            this);
    buildLine_->setObjectName(QStringLiteral("c1147"));
    buildLine_->setVisible(false);
    layout->addWidget(buildLine_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    // The window's own Ctrl+Shift+A cannot reach a modal box: it has its own.
    auto* toggle = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+A")), this);
    connect(toggle, &QShortcut::activated, this, &AboutDialog::toggleBuildLine);
}

bool AboutDialog::showsBuildLine() const
{
    return !buildLine_->isHidden();
}

void AboutDialog::toggleBuildLine()
{
    buildLine_->setVisible(buildLine_->isHidden());
    adjustSize();
}
