// The window on small and scaled screens, driven by the keyboard, read by a
// screen reader and shown under a dark desktop theme.
#include "WindowFixture.h"
#include "WizardDriver.h"

#include "app/SignallingProgress.h"
#include "gui/AboutDialog.h"
#include "gui/CommandIds.h"
#include "gui/DeleteConfirmationDialog.h"
#include "gui/JobProgressDialog.h"
#include "gui/LanguageChoiceDialog.h"
#include "gui/LogoSettingsDialog.h"
#include "gui/ViewControlIds.h"
#include "standards/StandardsCatalog.h"
#include "wizards/CLinkWizard.h"
#include "wizards/CLossWizard.h"
#include "wizards/CStandardWizard.h"
#include "wizards/NewCompanyDialog.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QImageReader>
#include <QInputDialog>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include <cmath>
#include <map>

using namespace CommandIds;
using namespace ViewControlIds;

namespace {

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The controls under `root` that the keyboard reaches, and the toolbar's
// buttons, that a screen reader could not name; the pop-up lists of combo
// boxes are windows of their own and not counted.
QStringList namelessControls(QWidget& root)
{
    QStringList nameless;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        const bool reachable = (widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QToolButton*>(widget);
        const bool ownPart = widget->focusProxy() || widget->objectName().startsWith(QLatin1String("qt_"));
        if (!reachable || ownPart || widget->window() != root.window())
            continue;
        if (accessibleName(widget).isEmpty())
            nameless << QStringLiteral("%1 %2 %3")
                            .arg(root.objectName(), QLatin1String(widget->metaObject()->className()),
                                 widget->objectName());
    }
    return nameless;
}

// The contrast of two colours as the accessibility guidelines reckon it,
// from 1 (the same) to 21 (black on white).
double contrast(QRgb a, QRgb b)
{
    auto luminance = [](QRgb rgb) {
        auto channel = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QRgb mostCommonColour(const QImage& image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// How a picture stands out from what it is drawn on: the share of its
// pixels with the contrast the guidelines ask of pictures (3:1).
double shareInContrast(const QImage& image)
{
    const QRgb background = mostCommonColour(image);
    int drawn = 0;
    int strong = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double c = contrast(image.pixel(x, y), background);
            drawn += c > 1.1;
            strong += c >= 3.0;
        }
    }
    return drawn == 0 ? 0.0 : double(strong) / drawn;
}

// A dark desktop theme for as long as it lives, as a desktop sets one.
class DarkTheme
{
public:
    DarkTheme() : saved_(QApplication::palette())
    {
        QPalette dark;
        const QColor window(0x2b, 0x2b, 0x2b);
        const QColor base(0x1e, 0x1e, 0x1e);
        const QColor text(0xee, 0xee, 0xee);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            dark.setColor(group, QPalette::Window, window);
            dark.setColor(group, QPalette::WindowText, text);
            dark.setColor(group, QPalette::Base, base);
            dark.setColor(group, QPalette::AlternateBase, window);
            dark.setColor(group, QPalette::Text, text);
            dark.setColor(group, QPalette::Button, window);
            dark.setColor(group, QPalette::ButtonText, text);
            dark.setColor(group, QPalette::Highlight, QColor(0x3d, 0x6f, 0xb0));
            dark.setColor(group, QPalette::HighlightedText, Qt::white);
        }
        dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
        dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
        dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
        dark.setColor(QPalette::Disabled, QPalette::Window, window);
        dark.setColor(QPalette::Disabled, QPalette::Base, window);
        dark.setColor(QPalette::Disabled, QPalette::Button, window);
        QApplication::setPalette(dark);
    }
    ~DarkTheme() { QApplication::setPalette(saved_); }
    DarkTheme(const DarkTheme&) = delete;
    DarkTheme& operator=(const DarkTheme&) = delete;

private:
    QPalette saved_;
};

} // namespace

// Run by itself on the test's small offscreen screen, and by the test below
// on a 1366x768 screen and on a 1280x1024 screen scaled to 200 %.
TEST_F(WindowTest, TheWindowFitsItsScreenAndTheFormScrolls)
{
    ASSERT_TRUE(document().loadFile(sample("pendra-v2_10.kav")));
    trigger(ViewDetails);
    const QRect screen = frame_->screen()->availableGeometry();
    if (const QString expected = qEnvironmentVariable("FIBROLOG_TEST_SCREEN"); !expected.isEmpty()) {
        ASSERT_EQ(QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height()), expected);
    }
    // It opens inside the screen, with room for a title bar.
    EXPECT_LE(frame_->width(), screen.width());
    EXPECT_LE(frame_->height() + 40, screen.height());

    // As small as a 1280x1024 screen at 200 % leaves under a title bar and a
    // panel, the window still shows its status bar whole, and the results
    // scroll into view.
    const QSize smallest(640 - 16, 512 - 64);
    frame_->resize(smallest);
    frame_->statusPanes().showStatusText(
        QStringLiteral("A message far longer than the status bar is wide, ").repeated(8));
    QCoreApplication::processEvents();
    EXPECT_EQ(frame_->size(), smallest) << "the window's minimum size fits";
    const QStatusBar* bar = frame_->statusBar();
    EXPECT_TRUE(frame_->rect().contains(bar->geometry()));
    for (const char* pane : {"pane1", "pane3"})
        EXPECT_TRUE(bar->rect().contains(bar->findChild<QLabel*>(pane)->geometry())) << pane;
    auto* scroller = frame_->findChild<QScrollArea*>("formScroller");
    ASSERT_NE(scroller, nullptr);
    EXPECT_TRUE(scroller->verticalScrollBar()->isVisible());
    QLabel* lastCell = control<QLabel>(detailCell(9, 3));
    scroller->ensureWidgetVisible(lastCell);
    QCoreApplication::processEvents();
    const QRect lastCellShown(lastCell->mapTo(scroller->viewport(), QPoint(0, 0)), lastCell->size());
    EXPECT_TRUE(scroller->viewport()->rect().contains(lastCellShown));
    screenshot(*frame_, QStringLiteral("window-details-%1x%2").arg(screen.width()).arg(screen.height()));

    // The pictures are drawn at the screen's pixel density, not blown up.
    const qreal density = frame_->devicePixelRatioF();
    const QSize iconSize = frame_->findChild<QToolBar*>()->iconSize();
    for (QAction* action : frame_->findChild<QToolBar*>()->actions()) {
        if (!action->icon().isNull()) {
            EXPECT_EQ(action->icon().pixmap(iconSize, density).size(), iconSize * density)
                << action->toolTip().toStdString();
        }
    }
    EXPECT_EQ(control<QLabel>(kSummaryPicture)->pixmap().size(), QSize(24, 24) * density);
    EXPECT_EQ(frame_->windowIcon().pixmap(QSize(32, 32), density).size(), QSize(32, 32) * density);
}

TEST(WindowScreens, TheWindowFitsA1366x768ScreenAndA1280x1024ScreenAt200Percent)
{
    QTemporaryDir folder;
    const struct
    {
        int width;
        int height;
        const char* scale;
        const char* logical;
    } screens[] = {{1366, 768, "1", "1366x768"}, {1280, 1024, "2", "640x512"}};
    for (const auto& screen : screens) {
        const QString config = folder.filePath(QStringLiteral("screen-%1.json").arg(screen.logical));
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(R"({"screens": [{"name": "S", "x": 0, "y": 0, "width": %1, "height": %2,
                                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                       .arg(screen.width)
                       .arg(screen.height)
                       .toUtf8());
        file.close();
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
        environment.insert("QT_SCALE_FACTOR", screen.scale);
        environment.insert("FIBROLOG_TEST_SCREEN", screen.logical);
        // The one test is the child's whole run, whichever shard this is.
        environment.remove("GTEST_TOTAL_SHARDS");
        environment.remove("GTEST_SHARD_INDEX");
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=WindowTest.TheWindowFitsItsScreenAndTheFormScrolls"});
        ASSERT_TRUE(child.waitForFinished(120000));
        const QString said = QString::fromLocal8Bit(child.readAllStandardOutput());
        EXPECT_EQ(child.exitCode(), 0) << screen.logical << "\n" << said.toStdString();
        EXPECT_TRUE(said.contains("[  PASSED  ] 1 test.")) << said.toStdString();
    }
}

TEST_F(WindowTest, TheKeyboardPagesGoesToARecordAndEditsTheFocusedField)
{
    ASSERT_TRUE(document().loadFile(sample("pendra-v2_10.kav")));
    trigger(ViewDetails);
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
    // The keyboard starts outside the fields: a stray key edits nothing.
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(qobject_cast<QLineEdit*>(focus), nullptr) << focus->metaObject()->className();
    const QString company = text(kCompany);
    QTest::keyClick(focus, Qt::Key_X);
    EXPECT_EQ(text(kCompany), company);
    EXPECT_EQ(document().circuits().recordAt(0).companyName.trimmed(), company);

    // Each key pages as the Go menu shows it, also from inside a field.
    const auto* go = frame_->findChild<QMenu*>("menuGo");
    ASSERT_NE(go, nullptr);
    const struct
    {
        int command;
        QKeyCombination key;
        const char* record;
    } keys[] = {
        {Next, Qt::Key_PageDown, "Record 2 of 19"},
        {Next10, Qt::CTRL | Qt::Key_PageDown, "Record 12 of 19"},
        {Previous, Qt::Key_PageUp, "Record 11 of 19"},
        {Last, Qt::CTRL | Qt::Key_End, "Record 19 of 19"},
        {Previous10, Qt::CTRL | Qt::Key_PageUp, "Record 9 of 19"},
        {First, Qt::CTRL | Qt::Key_Home, "Record 1 of 19"},
    };
    for (QWidget* from : {focus, static_cast<QWidget*>(control<QLineEdit>(kLinkComment))}) {
        from->setFocus();
        for (const auto& press : keys) {
            QAction* command = frame_->command(press.command);
            EXPECT_TRUE(go->actions().contains(command)) << press.record;
            EXPECT_EQ(command->shortcut(), QKeySequence(press.key));
            EXPECT_EQ(command->text().section('\t', 1),
                      QKeySequence(press.key).toString(QKeySequence::NativeText));
            QTest::keyClick(QApplication::focusWidget(), press.key.key(), press.key.keyboardModifiers());
            EXPECT_EQ(record(), press.record) << command->text().toStdString();
        }
    }
    EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>(kLinkComment)) << "paging keeps the field";

    // Ctrl+G asks for a number and goes there.
    EXPECT_TRUE(go->actions().contains(frame_->command(GoToRecord)));
    whenModalOpens<QInputDialog>([](QInputDialog& dialog) {
        auto* number = dialog.findChild<QSpinBox*>();
        number->selectAll();
        QTest::keyClicks(number, "7");
        QTest::keyClick(number, Qt::Key_Return);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(record(), "Record 7 of 19");
    // The desktop gives the window back its focus when the dialog closes.
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));

    // Edit > Undo, Cut, Copy and Paste follow the focused field's state.
    QLineEdit* comment = control<QLineEdit>(kLinkComment);
    QTest::mouseClick(comment, Qt::LeftButton);
    QApplication::clipboard()->clear();
    const QString stored = comment->text();
    const QString storedBefore = document().circuits().recordAt(6).linkComment;
    auto offered = [this] {
        QString state;
        for (int id : {EditUndo, EditCut, EditCopy, EditPaste})
            state += frame_->command(id)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return state.toStdString();
    };
    EXPECT_EQ(offered(), "0000") << "nothing to undo, nothing selected, an empty clipboard";
    QTest::keyClick(comment, Qt::Key_End);
    QTest::keyClicks(comment, " east");
    EXPECT_EQ(offered(), "1000");
    QTest::keyClick(comment, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(offered(), "1110");
    trigger(EditCopy);
    EXPECT_EQ(QApplication::clipboard()->text(), stored + " east");
    EXPECT_EQ(offered(), "1111");
    trigger(EditUndo);
    EXPECT_EQ(comment->text(), stored);
    // (An emptied comment is stored blank.)
    EXPECT_EQ(document().circuits().recordAt(6).linkComment.trimmed(), storedBefore.trimmed())
        << "the undone text is stored";
    QApplication::clipboard()->setText("north");
    comment->selectAll();
    trigger(EditPaste);
    EXPECT_EQ(comment->text(), "north");
    EXPECT_EQ(document().circuits().recordAt(6).linkComment, "north");
    view().setFocus();
    EXPECT_EQ(offered(), "1000") << "outside a field: the paste is the document's step to undo";
}

TEST_F(WindowTest, FieldsButtonsAndDialogControlsAreNamedAndTheWindowReadsUnderADarkTheme)
{
    ASSERT_TRUE(document().loadFile(sample("pendra-v2_10.kav")));
    trigger(ViewDetails);
    trigger(Next10);
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));

    // Each field is named by its caption, whose underlined letter with Alt
    // goes to it.
    const struct
    {
        int field;
        const char* name;
        Qt::Key mnemonic;
    } fields[] = {{kCompany, "Company", Qt::Key_C},
                  {kTelephone, "Telephone", Qt::Key_T},
                  {kLinkId, "Link ID", Qt::Key_L},
                  {kLinkComment, "Link Comment", Qt::Key_M},
                  {kCircuitId, "Circuit ID", Qt::Key_R}};
    for (const auto& field : fields) {
        QLineEdit* edit = control<QLineEdit>(field.field);
        EXPECT_EQ(accessibleName(edit), field.name);
        QTest::keyClick(QApplication::focusWidget(), field.mnemonic, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), edit) << field.name;
    }
    // A toolbar button is named by its tool tip, without the menu's shortcut.
    auto* toolbar = frame_->findChild<QToolBar*>();
    for (QAction* action : toolbar->actions()) {
        if (action->isSeparator())
            continue;
        EXPECT_EQ(accessibleName(toolbar->widgetForAction(action)), action->toolTip());
    }

    // Every control of the window, its dialogs and its wizards has a name.
    EXPECT_EQ(namelessControls(*frame_), QStringList());
    QSettings settings(path("logo.ini"), QSettings::IniFormat);
    LogoSettingsDialog logo(QString(), settings, prompt_);
    NewCompanyDialog newCompany;
    LanguageChoiceDialog language({1033, 1031});
    DeleteConfirmationDialog deletion(QStringLiteral("Delete?"));
    AboutDialog about;
    SignallingProgress progress;
    JobProgressDialog job(progress);
    StandardsCatalog catalog;
    CLossWizard lossWizard(QStringLiteral("Loss Wizard"), catalog, prompt_);
    lossWizard.buildPages();
    CLinkWizard linkWizard(QStringLiteral("Link Wizard"), catalog, prompt_, {});
    linkWizard.buildPages();
    CStandardWizard standardWizard(QString(), &catalog, prompt_);
    for (QWidget* dialog : std::initializer_list<QWidget*>{&logo, &newCompany, &language, &deletion, &about,
                                                           &job, &lossWizard, &linkWizard, &standardWizard})
        EXPECT_EQ(namelessControls(*dialog), QStringList()) << dialog->metaObject()->className();
    QStringList goToNameless{"not opened"};
    whenModalOpens<QInputDialog>([&goToNameless](QInputDialog& dialog) {
        goToNameless = namelessControls(dialog);
        dialog.reject();
    });
    trigger(GoToRecord);
    EXPECT_EQ(goToNameless, QStringList());

    // Under a dark theme the form's texts are light on dark, and the
    // toolbar's own pictures stand out from the dark toolbar.
    const DarkTheme dark;
    QCoreApplication::processEvents();
    for (QWidget* shown : view().findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(shown);
        auto* edit = qobject_cast<QLineEdit*>(shown);
        const bool hasText = (label && !label->text().trimmed().isEmpty() && label->pixmap().isNull()) ||
                             (edit && !edit->text().isEmpty());
        if (!hasText || !shown->isVisible())
            continue;
        const QImage image = shown->grab().toImage();
        const QRgb background = mostCommonColour(image);
        EXPECT_LT(qGray(background), 80) << shown->objectName().toStdString();
        double strongest = 1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                strongest = std::max(strongest, contrast(image.pixel(x, y), background));
        EXPECT_GE(strongest, 4.5) << shown->objectName().toStdString();
    }
    for (QAction* action : toolbar->actions()) {
        QWidget* button = toolbar->widgetForAction(action);
        if (action->isSeparator() || !action->isEnabled() || !button || !button->isVisible())
            continue;
        EXPECT_GE(shareInContrast(button->grab().toImage()), 0.25) << action->toolTip().toStdString();
    }
    screenshot(*frame_, "window-details-dark");
}

TEST_F(WindowTest, TheWindowShowsTheInstalledIcon)
{
    const QIcon icon = frame_->windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 48, 256}) {
        QImageReader source(QStringLiteral(FIBROLOG_ICON_SOURCE));
        source.setScaledSize(QSize(size, size));
        const QImage expected = source.read().convertToFormat(QImage::Format_ARGB32);
        const QImage shown =
            icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), expected.size()) << size;
        qint64 difference = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                difference += std::abs(qGray(shown.pixel(x, y)) - qGray(expected.pixel(x, y))) +
                              std::abs(qAlpha(shown.pixel(x, y)) - qAlpha(expected.pixel(x, y)));
        EXPECT_LT(difference / (size * size), 4) << size;
    }
}
