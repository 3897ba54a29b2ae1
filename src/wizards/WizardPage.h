#pragma once

#include <QString>
#include <QWidget>

class WizardSheet;

// One page of a wizard. The sheet calls activate() every time the page comes
// into view (not only the first time), so a page can rebuild what depends on
// earlier pages; the page then states its buttons with setButtons().
class WizardPage : public QWidget
{
    Q_OBJECT

public:
    // What onNext() and onBack() may answer besides a page index.
    static constexpr int kStay = -1;        // the input is not right: stay
    static constexpr int kFollowOrder = -2; // the next (or previous) page in order

    explicit WizardPage(const QString& caption, QWidget* parent = nullptr);

    // The window title while this page is shown.
    const QString& caption() const { return caption_; }

    virtual void activate() {}
    // Takes the page's input into the sheet; kStay keeps the page.
    virtual int onNext() { return kFollowOrder; }
    virtual int onBack() { return kFollowOrder; }
    // Finish pressed on this page: false keeps the wizard open.
    virtual bool onFinish() { return true; }

protected:
    void setButtons(int buttons);
    WizardSheet* sheet() const { return sheet_; }

private:
    friend class WizardSheet;

    QString caption_;
    WizardSheet* sheet_ = nullptr;
};
