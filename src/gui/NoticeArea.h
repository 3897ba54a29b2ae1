#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;
class QToolButton;

// One notice: a coloured bar with a warning icon, the whole text (wrapped,
// never cut off, selectable so that it can be copied) and a close button,
// in the manner of KDE's message widget. It stays until the user closes it.
class NoticeBar : public QFrame
{
    Q_OBJECT

public:
    explicit NoticeBar(const QString& text, QWidget* parent = nullptr);

    QString text() const;

Q_SIGNALS:
    // The user closed the notice; it goes away once the signal is handled.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* text_ = nullptr;
    QToolButton* close_ = nullptr;
};

// The window's notices above the report view: what a load or a download left
// out, a shared standards file that could not be read. The status bar keeps
// one short line that the next message replaces; a notice here keeps the
// whole text until the user closes it. Several stack, oldest first; a text
// that is still shown is not shown twice.
class NoticeArea : public QWidget
{
    Q_OBJECT

public:
    explicit NoticeArea(QWidget* parent = nullptr);

    // Shows `text` (plain text; line breaks kept) until the user closes it.
    void addNotice(const QString& text);
    // Takes back the notice of `text`, when it is shown: what it said no longer holds.
    void removeNotice(const QString& text);
    // The texts shown now, oldest first.
    QStringList texts() const;

private:
    QList<NoticeBar*> bars() const;
    void dismiss(NoticeBar* bar);
};
