#pragma once

#include <QDialog>
#include <QList>

class QComboBox;

// "Choose your Language": the offered languages by their native names, the
// first selected. OK and closing the dialog both take the selected line.
class LanguageDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LanguageDialog(const QList<int>& languages, QWidget* parent = nullptr);

    int selectedLanguage() const;

    // Shows the dialog modally and returns the language chosen.
    static int ask(const QList<int>& languages);

private:
    QList<int> languages_;
    QComboBox* list_ = nullptr;
};
