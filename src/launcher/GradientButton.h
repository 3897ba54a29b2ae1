#pragma once

#include <QPushButton>

// A button of the medium's main window. In the rich look it draws itself:
// a rounded shape, the gradient, and orange edges while the pointer is over
// it (it is "hot") or blue ones while it has the focus. In the standard look
// it is a plain push button.
class GradientButton : public QPushButton
{
    Q_OBJECT

public:
    GradientButton(bool richLook, QWidget* parent = nullptr);

    bool isRichLook() const { return richLook_; }
    bool isHot() const { return hot_; }
    // The text as painted: shortened with "…" when it is too long.
    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setHot(bool hot);
    void paintRich();
    void paintStandard();
    // The width the text has to fit in.
    int textWidth() const;

    bool richLook_;
    bool hot_ = false;
};
