#pragma once

#include <QDialog>

class DialogJobRunner;
class QLabel;
class QLineEdit;
class QPushButton;
class QSettings;

// Where the window's team server is kept: the connection string of File >
// Team Server, never with a password (libpq's own means give that).
class TeamServerSetting
{
public:
    static QString stored(const QSettings& settings);
    static void store(QSettings& settings, const QString& address);
    // The address to use: the stored one, else FIBROLOG_SERVER. Empty when
    // there is none (`refusal` then stays empty) or when it is refused
    // (`refusal` says why: a password in it, a string libpq cannot read).
    static QString effective(const QSettings& settings, QString* refusal);
};

// File > Team Server...: the connection string, with a Test button that
// connects off the window's thread (progress and Cancel) and shows what the
// server holds or why it cannot be reached. OK refuses a string with a
// password and keeps the rest.
class TeamServerDialog : public QDialog
{
public:
    TeamServerDialog(const QString& current, DialogJobRunner& jobs, QWidget* parent = nullptr);

    // The string to keep; empty: FIBROLOG_SERVER, else no team server.
    QString address() const;
    void accept() override;

private:
    void test();
    // The address to use for the string as typed; empty after saying why not.
    QString usableAddress();
    void showOutcome(const QString& text, bool good);

    DialogJobRunner& jobs_;
    QLineEdit* address_ = nullptr;
    QPushButton* test_ = nullptr;
    QLabel* outcome_ = nullptr;
};
