#pragma once

#include "app/OperationResult.h"

#include <QDialog>
#include <QStringList>

class DialogJobRunner;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
struct ServerLinkList;

// File > Open from Team Server...: the team server's links, read off the
// window's thread, filtered by company, name and test date, ordered by
// company, name and date; the user chooses one or more to open. A server
// with more links than a list can hold shows the first ones and says so.
class TeamServerLinksDialog : public QDialog
{
public:
    TeamServerLinksDialog(const QString& address, DialogJobRunner& jobs, QWidget* parent = nullptr);

    // Reads the links the filters choose (the Search button does this too).
    OperationResult search();
    // The server's ids of the chosen links.
    QStringList chosenIds() const;

private:
    void searchAndSay();
    void showLinks(const ServerLinkList& list);
    void updateCount();

    QString address_;
    DialogJobRunner& jobs_;
    QLineEdit* company_ = nullptr;
    QLineEdit* name_ = nullptr;
    QCheckBox* sinceOn_ = nullptr;
    QDateEdit* since_ = nullptr;
    QTreeWidget* links_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* ok_ = nullptr;
};
