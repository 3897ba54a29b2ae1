#pragma once

#include <QDialog>
#include <QList>

class QPushButton;
class QStackedWidget;
class WizardPage;

// The frame of the Loss, Link and Custom Standard wizards: the pages one at a
// time above Back, Next or Finish, and Cancel. Unlike QWizard it lets a page
// jump to any page, also one shown before (the Custom Standard Wizard comes
// back to its wavelength page once for every wavelength), and it leaves the
// buttons entirely to the page in view.
class WizardSheet : public QDialog
{
    Q_OBJECT

public:
    explicit WizardSheet(const QString& caption, QWidget* parent = nullptr);
    ~WizardSheet() override;

    // Takes the page; returns its index.
    int addPage(WizardPage* page);
    int pageCount() const { return static_cast<int>(pages_.size()); }
    WizardPage* page(int index) const { return pages_.value(index); }
    int currentIndex() const { return current_; }
    WizardPage* currentPage() const { return page(current_); }

    // Shows the first page and runs the wizard; true when it ended with Finish.
    bool run();
    // Brings a page into view and activates it.
    void showPage(int index);

    void setButtons(int buttons);

    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* finishButton() const { return finish_; }
    QPushButton* cancelButton() const { return cancel_; }

public Q_SLOTS:
    void back();
    void next();
    void finish();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void go(int answer, int step);

    QList<WizardPage*> pages_;
    QStackedWidget* stack_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* finish_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QString caption_;
    int current_ = -1;
};
