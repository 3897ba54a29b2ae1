#pragma once

#include <QDialog>
#include <QList>

class QComboBox;

// "Choose your Language" (dialog 160): a drop-down list (c1172) with one
// line per available language, in the order given, the first one selected,
// and OK. There is nothing to cancel: the program needs a language, so
// closing the window or pressing Escape takes the selected line as OK does.
class LanguageChoiceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LanguageChoiceDialog(const QList<int>& languages, QWidget* parent = nullptr);

    // The LCID of the selected line; 1033 when no line is selected.
    int chosenLanguage() const;

    // Shows the dialog modally and returns the chosen LCID: the chooser of
    // LanguageModules::startUp().
    static int choose(const QList<int>& languages, QWidget* parent = nullptr);

private:
    QList<int> languages_;
    QComboBox* list_ = nullptr;
};
