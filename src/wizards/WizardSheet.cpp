#include "wizards/WizardSheet.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "wizards/WizardButtons.h"
#include "wizards/WizardPage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

WizardSheet::WizardSheet(const QString& caption, QWidget* parent) : QDialog(parent), caption_(caption)
{
    setWindowTitle(caption);
    stack_ = new QStackedWidget(this);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    back_ = new QPushButton(Strings::loadString(StringId::WizardBackButton), this);
    back_->setObjectName(QStringLiteral("wizardBack"));
    next_ = new QPushButton(Strings::loadString(StringId::WizardNextButton), this);
    next_->setObjectName(QStringLiteral("wizardNext"));
    finish_ = new QPushButton(Strings::loadString(StringId::WizardFinishButton), this);
    finish_->setObjectName(QStringLiteral("wizardFinish"));
    cancel_ = new QPushButton(Strings::loadString(StringId::CancelButton), this);
    cancel_->setObjectName(QStringLiteral("wizardCancel"));
    for (QPushButton* button : {back_, next_, finish_, cancel_})
        button->setAutoDefault(false);
    connect(back_, &QPushButton::clicked, this, &WizardSheet::back);
    connect(next_, &QPushButton::clicked, this, &WizardSheet::next);
    connect(finish_, &QPushButton::clicked, this, &WizardSheet::finish);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(back_);
    buttonRow->addWidget(next_);
    buttonRow->addWidget(finish_);
    buttonRow->addSpacing(12);
    buttonRow->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stack_, 1);
    layout->addWidget(rule);
    layout->addLayout(buttonRow);
    setButtons(WizardButton::None);
}

WizardSheet::~WizardSheet() = default;

int WizardSheet::addPage(WizardPage* page)
{
    page->sheet_ = this;
    pages_.append(page);
    stack_->addWidget(page);
    return pageCount() - 1;
}

bool WizardSheet::run()
{
    return exec() == QDialog::Accepted;
}

void WizardSheet::showEvent(QShowEvent* event)
{
    if (current_ < 0 && !pages_.isEmpty())
        showPage(0);
    QDialog::showEvent(event);
}

void WizardSheet::showPage(int index)
{
    WizardPage* target = page(index);
    if (!target)
        return;
    current_ = index;
    stack_->setCurrentWidget(target);
    // The page is laid out now, not at the next turn of the event loop, so
    // its fields have their places before anything acts on them.
    if (QLayout* pageLayout = target->layout())
        pageLayout->activate();
    setWindowTitle(target->caption().isEmpty() ? caption_ : target->caption());
    target->activate();
    // The page's first field takes the keys, as it does when a dialog opens.
    if (QWidget* first = target->nextInFocusChain(); first && target->isAncestorOf(first))
        first->setFocus(Qt::TabFocusReason);
}

void WizardSheet::setButtons(int buttons)
{
    const bool finishShown = buttons & (WizardButton::Finish | WizardButton::DisabledFinish);
    back_->setEnabled(buttons & WizardButton::Back);
    next_->setVisible(!finishShown);
    next_->setEnabled(!finishShown && (buttons & WizardButton::Next));
    finish_->setVisible(finishShown);
    finish_->setEnabled(buttons & WizardButton::Finish);
    // Enter presses the forward button when it can be pressed, else nothing.
    QPushButton* forward = finishShown ? finish_ : next_;
    forward->setDefault(forward->isEnabled());
    if (!forward->isEnabled())
        forward->setDefault(false);
}

void WizardSheet::back()
{
    if (!back_->isEnabled() || !currentPage())
        return;
    go(currentPage()->onBack(), -1);
}

void WizardSheet::next()
{
    if (!next_->isVisible() || !next_->isEnabled() || !currentPage())
        return;
    go(currentPage()->onNext(), +1);
}

void WizardSheet::finish()
{
    if (!finish_->isVisible() || !finish_->isEnabled() || !currentPage())
        return;
    if (currentPage()->onFinish())
        accept();
}

void WizardSheet::go(int answer, int step)
{
    if (answer == WizardPage::kStay)
        return;
    showPage(answer == WizardPage::kFollowOrder ? current_ + step : answer);
}
