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

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setHot(bool hot);
    void paintRich();

    bool richLook_;
    bool hot_ = false;
};
