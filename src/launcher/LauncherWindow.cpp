#include "launcher/LauncherWindow.h"

#include "launcher/GradientButton.h"
#include "launcher/LauncherArtwork.h"
#include "launcher/PdfReaderProbe.h"
#include "launcher/ProgramStarter.h"
#include "launcher/RoundedShape.h"
#include "launcher/WarningDialog.h"
#include "launcher/WarningText.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

// Where the buttons stand when the window has the background's size: one
// column on the picture's panel, from the top.
constexpr int kButtonLeft = 310;
constexpr int kButtonTop = 84;
constexpr int kButtonWidth = 172;
constexpr int kButtonHeight = 34;
constexpr int kButtonStep = 48;

} // namespace

LauncherWindow::LauncherWindow(const LauncherTexts& texts, PdfReaderProbe& readerProbe,
                               const ProgramStarter& starter, int screenDepth, QWidget* parent)
    : QDialog(parent), texts_(texts), starter_(starter), richLook_(richLookFor(screenDepth)),
      layout_(LauncherArtwork::kBackgroundSize)
{
    setObjectName(QStringLiteral("dialog101"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("KAV Installer"));
    setWindowIcon(QIcon(LauncherArtwork::icon()));
    if (richLook_)
        background_ = LauncherArtwork::background();
    resize(LauncherArtwork::kBackgroundSize);

    GradientButton* install = addButton(Install, texts_.installText, 0);
    addButton(InstallPdfReader, texts_.adobeInstallText, 1);
    addButton(Manuals, texts_.manualText, 2);
    addButton(Explore, texts_.exploreCdText, 3);
    addButton(Exit, texts_.exitText, 4);
    // Return installs, as the button that holds the focus when the window
    // opens.
    install->setDefault(true);
    install->setFocus();

    placeOnScreen();
    readerVersion_ = readerProbe.readerVersion();
}

GradientButton* LauncherWindow::addButton(ButtonId id, const QString& text, int row)
{
    auto* button = new GradientButton(richLook_, this);
    button->setObjectName(QStringLiteral("c%1").arg(int(id)));
    button->setText(text);
    layout_.add(button, QRect(kButtonLeft, kButtonTop + row * kButtonStep, kButtonWidth, kButtonHeight));
    switch (id) {
    case Install:
        connect(button, &QPushButton::clicked, this, &LauncherWindow::install);
        break;
    case InstallPdfReader:
        connect(button, &QPushButton::clicked, this, &LauncherWindow::askToInstallPdfReader);
        break;
    case Manuals:
        connect(button, &QPushButton::clicked, this, &LauncherWindow::openManuals);
        break;
    case Explore:
        connect(button, &QPushButton::clicked, this, &LauncherWindow::exploreMedium);
        break;
    case Exit:
        connect(button, &QPushButton::clicked, this, &QDialog::reject);
        break;
    }
    return button;
}

GradientButton* LauncherWindow::button(ButtonId id) const
{
    return findChild<GradientButton*>(QStringLiteral("c%1").arg(int(id)), Qt::FindDirectChildrenOnly);
}

// Centred over the window that opened it, if that is in sight, otherwise
// on the screen's free area; never partly off that area.
void LauncherWindow::placeOnScreen()
{
    const QScreen* screen = this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size());
    QRect frame(QPoint(0, 0), size());
    const QWidget* owner = parentWidget();
    if (owner && owner->isVisible() && !owner->isMinimized())
        frame.moveCenter(owner->frameGeometry().center());
    else
        frame.moveCenter(area.center());
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    move(frame.topLeft());
}

void LauncherWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (GradientButton* install = button(Install))
        install->setFocus();
    if (!texts_.fileProblem.isEmpty() && !fileProblemShown_) {
        fileProblemShown_ = true;
        auto* box =
            new QMessageBox(QMessageBox::Warning, windowTitle(), texts_.fileProblem, QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("languagesFileProblem"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
}

void LauncherWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (richLook_)
        painter.drawPixmap(rect(), background_);
    else
        painter.fillRect(rect(), palette().color(QPalette::Button));
}

void LauncherWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (richLook_)
        setMask(roundedRegion(QRect(0, 0, width() + 1, height() + 1), 30));
    layout_.apply(size());
}

// The window has no caption, so a press anywhere on it moves it. The window
// system moves it where it can (X11, Wayland); elsewhere the window follows
// the pointer itself.
void LauncherWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    QWindow* window = windowHandle();
    if (window && window->startSystemMove())
        return;
    dragging_ = true;
    dragStart_ = event->globalPosition().toPoint();
    windowStart_ = pos();
    setCursor(Qt::SizeAllCursor);
}

void LauncherWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_) {
        QDialog::mouseMoveEvent(event);
        return;
    }
    move(windowStart_ + event->globalPosition().toPoint() - dragStart_);
}

void LauncherWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton) {
        QDialog::mouseReleaseEvent(event);
        return;
    }
    move(windowStart_ + event->globalPosition().toPoint() - dragStart_);
    dragging_ = false;
    unsetCursor();
}

void LauncherWindow::install()
{
    QString failed;
    if (!starter_.startProgram(texts_.installExe, &failed))
        reportStartFailure(failed);
}

void LauncherWindow::askToInstallPdfReader()
{
    if (texts_.adobeInstallExe.isEmpty())
        return;
    auto* warning = new WarningDialog(
        texts_.adobeInstallWarningTitle, formatWarningText(texts_.adobeInstallWarningText, readerVersion_),
        texts_.adobeInstallWarningTextYes, texts_.adobeInstallWarningTextNo, this);
    warning->setAttribute(Qt::WA_DeleteOnClose);
    connect(warning, &QDialog::accepted, this, [this] {
        QString failed;
        if (!starter_.startProgram(texts_.adobeInstallExe, &failed))
            reportStartFailure(failed);
    });
    warning->open();
}

void LauncherWindow::openManuals()
{
    QString failed;
    if (!starter_.openPath(texts_.manualPath, &failed))
        reportStartFailure(failed);
}

void LauncherWindow::exploreMedium()
{
    QString failed;
    if (!starter_.openPath(QString(), &failed))
        reportStartFailure(failed);
}

void LauncherWindow::reportStartFailure(const QString& name)
{
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(),
                                formatOneArgument(texts_.startFailedText, name), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("startFailure"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
