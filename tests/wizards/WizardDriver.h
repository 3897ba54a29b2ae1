#pragma once

#include "wizards/WizardPage.h"
#include "wizards/WizardSheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// Drives a wizard as a user does: buttons clicked, items chosen with the
// keyboard, text typed into fields.
class WizardDriver
{
public:
    explicit WizardDriver(WizardSheet& sheet) : sheet_(sheet) {}

    template <class T>
    T* find(const char* name) const
    {
        return sheet_.currentPage()->findChild<T*>(QLatin1String(name));
    }

    bool canGoBack() const { return sheet_.backButton()->isEnabled(); }
    bool canGoNext() const { return sheet_.nextButton()->isVisible() && sheet_.nextButton()->isEnabled(); }
    bool showsFinish() const { return sheet_.finishButton()->isVisible(); }
    bool canFinish() const { return showsFinish() && sheet_.finishButton()->isEnabled(); }

    void next() { QTest::mouseClick(sheet_.nextButton(), Qt::LeftButton); }
    void back() { QTest::mouseClick(sheet_.backButton(), Qt::LeftButton); }
    void finish() { QTest::mouseClick(sheet_.finishButton(), Qt::LeftButton); }
    void cancel() { QTest::mouseClick(sheet_.cancelButton(), Qt::LeftButton); }

    // Picks the item with this text by the keyboard, as a user does in a
    // drop-down list; false when the list has no such item.
    static bool choose(QComboBox* combo, const QString& text)
    {
        if (!combo || combo->findText(text) < 0)
            return false;
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < combo->count() && combo->currentText() != text; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        return combo->currentText() == text;
    }
    bool choose(const char* comboName, const QString& text)
    {
        return choose(find<QComboBox>(comboName), text);
    }

    // Replaces a field's text by typing.
    static void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void type(const char* editName, const QString& text) { type(find<QLineEdit>(editName), text); }

    // On the button's mark: a radio button or check box takes a click only
    // on its mark and its text, not on the blank rest of its width.
    static void click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(qMin(8, button->width() / 2), button->height() / 2));
    }
    void click(const char* buttonName) { click(find<QAbstractButton>(buttonName)); }

private:
    WizardSheet& sheet_;
};

// Runs `script` on the first modal dialog of type T that opens, from inside
// its own event loop (a modal wizard blocks whoever opened it).
template <class T>
void whenModalOpens(std::function<void(T&)> script, int attempts = 200)
{
    QTimer::singleShot(20, [script, attempts] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            script(*dialog);
            return;
        }
        if (attempts > 0)
            whenModalOpens<T>(script, attempts - 1);
    });
}
