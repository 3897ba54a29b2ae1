#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

// Creates a certifying organisation: Organization (c1002, at most 50
// characters) and Telephone (c1051, at most 13). While Organization is
// empty, OK (c1) is disabled and Cancel (c2) is the default button, so Enter
// cancels; once it holds text, OK is enabled and is the default.
class NewCompanyDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kMaxOrganizationLength = 50;
    static constexpr int kMaxTelephoneLength = 13;

    explicit NewCompanyDialog(QWidget* parent = nullptr);

    // The form as OK read it; empty until then, and after Cancel.
    QString organization() const { return organization_; }
    QString telephone() const { return telephone_; }

public Q_SLOTS:
    void accept() override;

private:
    void updateButtons();

    QLineEdit* organizationEdit_ = nullptr;
    QLineEdit* telephoneEdit_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QString organization_;
    QString telephone_;
};
