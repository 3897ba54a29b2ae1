#include "wizards/NewCompanyDialog.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

NewCompanyDialog::NewCompanyDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Strings::loadString(StringId::NewCompanyCaption));

    auto* text = new QLabel(Strings::loadString(StringId::NewCompanyText), this);

    organizationEdit_ = new QLineEdit(this);
    organizationEdit_->setObjectName(QStringLiteral("c1002"));
    organizationEdit_->setMaxLength(kMaxOrganizationLength);
    telephoneEdit_ = new QLineEdit(this);
    telephoneEdit_->setObjectName(QStringLiteral("c1051"));
    telephoneEdit_->setMaxLength(kMaxTelephoneLength);
    // Room for the longest name the field takes, more or less.
    organizationEdit_->setMinimumWidth(organizationEdit_->fontMetrics().averageCharWidth() * 40);

    auto* form = new QFormLayout;
    form->addRow(Strings::loadString(StringId::NewCompanyOrganization), organizationEdit_);
    form->addRow(Strings::loadString(StringId::NewCompanyTelephone), telephoneEdit_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("c1"));
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    cancel_->setObjectName(QStringLiteral("c2"));
    // Only the explicit default follows the form; a focused button must not
    // take it over.
    ok_->setAutoDefault(false);
    cancel_->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(organizationEdit_, &QLineEdit::textChanged, this, &NewCompanyDialog::updateButtons);
    connect(telephoneEdit_, &QLineEdit::textChanged, this, &NewCompanyDialog::updateButtons);
    connect(buttons, &QDialogButtonBox::accepted, this, &NewCompanyDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NewCompanyDialog::reject);

    organizationEdit_->setFocus();
    updateButtons();
}

void NewCompanyDialog::accept()
{
    // The same rule as the disabled OK button, for a caller that accepts
    // the dialog some other way.
    if (organizationEdit_->text().isEmpty())
        return;
    organization_ = organizationEdit_->text();
    telephone_ = telephoneEdit_->text();
    QDialog::accept();
}

void NewCompanyDialog::updateButtons()
{
    const bool hasOrganization = !organizationEdit_->text().isEmpty();
    ok_->setEnabled(hasOrganization);
    ok_->setDefault(hasOrganization);
    cancel_->setDefault(!hasOrganization);
}
