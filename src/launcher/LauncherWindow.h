#pragma once

#include "launcher/LauncherTexts.h"
#include "launcher/ProportionalLayout.h"

#include <QDialog>
#include <QPixmap>
#include <QPoint>

class GradientButton;
class PdfReaderProbe;
class ProgramStarter;

// The medium's start screen: a window without a caption that is moved by
// dragging it anywhere, with five buttons from the top: install Fibrolog,
// install a PDF reader, open the manuals, open the medium's folder, exit.
// On a screen of more than 8 bits per pixel it has the rich look (the
// background picture, a rounded shape, self-drawn buttons); otherwise the
// standard look of the desktop's dialogs. When Languages.ini is missing or
// gives no button texts, a message naming it opens with the window.
class LauncherWindow : public QDialog
{
    Q_OBJECT

public:
    // The buttons' ids, which are also their object names ("c2002", ...).
    enum ButtonId
    {
        Install = 2002,
        InstallPdfReader = 2013,
        Manuals = 2011,
        Explore = 2012,
        Exit = 2,
    };

    LauncherWindow(const LauncherTexts& texts, PdfReaderProbe& readerProbe, const ProgramStarter& starter,
                   int screenDepth, QWidget* parent = nullptr);

    static bool richLookFor(int screenDepth) { return screenDepth > 8; }
    bool isRichLook() const { return richLook_; }
    const QString& readerVersion() const { return readerVersion_; }
    GradientButton* button(ButtonId id) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    GradientButton* addButton(ButtonId id, const QString& text, int row);
    void placeOnScreen();

    void install();
    void askToInstallPdfReader();
    void openManuals();
    void exploreMedium();
    void reportStartFailure(const QString& name);

    LauncherTexts texts_;
    const ProgramStarter& starter_;
    bool richLook_;
    QString readerVersion_;
    QPixmap background_;
    ProportionalLayout layout_;
    bool fileProblemShown_ = false;
    bool dragging_ = false;
    QPoint dragStart_;
    QPoint windowStart_;
};
