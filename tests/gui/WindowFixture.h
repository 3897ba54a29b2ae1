#pragma once

#include "app/StatusSink.h"
#include "document/CFibrologDoc.h"
#include "gui/CFibrologView.h"
#include "gui/CMainFrame.h"
#include "gui/FrameStatusBar.h"
#include "support/ScriptedPortOpener.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolderGuard.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <memory>

// The main window on test data: a scripted user, scripted serial ports,
// settings in a file of the test's own, the temporary folder of its own.
class WindowTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        settings_ = std::make_unique<QSettings>(path("settings.ini"), QSettings::IniFormat);
        makeFrame();
    }

    // A new window on the test's user, ports and settings, built with the
    // string table as it is now.
    void makeFrame()
    {
        if (frame_)
            frame_->document().setModifiedFlag(false);
        frame_.reset();
        FrameServices services;
        services.prompt = &prompt_;
        services.ports = &ports_;
        services.settings = settings_.get();
        services.chooseFileToOpen = [this]() -> std::optional<QString> {
            if (filesToOpen_.isEmpty())
                return std::nullopt;
            return filesToOpen_.takeFirst();
        };
        services.choosePrinter = choosePrinter_;
        services.jobDialogDelayMs = jobDialogDelayMs_;
        services.chooseExportFile = [this](const QString&, const QString&) -> std::optional<QString> {
            if (filesToExport_.isEmpty())
                return std::nullopt;
            return filesToExport_.takeFirst();
        };
        services.askDelete = [this](const QString& question) {
            deleteQuestions_ << question;
            return deleteAnswers_.isEmpty() ? DeleteConfirmationAnswer{} : deleteAnswers_.takeFirst();
        };
        frame_ = std::make_unique<CMainFrame>(services);
        frame_->show();
    }

    void TearDown() override
    {
        if (frame_)
            frame_->document().setModifiedFlag(false);
        frame_.reset();
    }

    // The text of a PDF the window printed, as pdftotext lays it out.
    static QString pdfText(const QString& pdf)
    {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        pdftotext.waitForFinished(30000);
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

    static QString sample(const char* name) { return QStringLiteral(FIBROLOG_TEST_DATA_DIR "/") + name; }

    template <typename Widget>
    Widget* control(int id) const
    {
        return frame_->findChild<Widget*>(QStringLiteral("c%1").arg(id));
    }
    QString text(int id) const
    {
        if (auto* label = control<QLabel>(id))
            return label->text();
        if (auto* edit = control<QLineEdit>(id))
            return edit->text();
        return QStringLiteral("<no control c%1>").arg(id);
    }
    void trigger(int commandId) { frame_->command(commandId)->trigger(); }
    QString record() const { return frame_->statusPanes().recordText(); }
    // The texts of the notices the window shows above the report view.
    QStringList notices() const
    {
        QStringList texts;
        for (const QLabel* label : frame_->findChildren<QLabel*>(QStringLiteral("noticeText"))) {
            if (label->isVisible())
                texts << label->text();
        }
        return texts;
    }
    CFibrologDoc& document() { return frame_->document(); }
    CFibrologView& view() { return frame_->view(); }

    // A PNG of the window for the screenshot script, when it asks for them.
    void screenshot(QWidget& widget, const QString& name) const
    {
        const QString folder = qEnvironmentVariable("FIBROLOG_SCREENSHOTS");
        if (folder.isEmpty())
            return;
        QCoreApplication::processEvents(); // layouts settle before the picture
        widget.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    TempFolderGuard temp_;
    ScriptedPrompt prompt_;
    ScriptedPortOpener ports_;
    std::unique_ptr<QSettings> settings_;
    QStringList filesToOpen_;
    QStringList filesToExport_; // what File > Export's file dialog answers, in turn
    QList<DeleteConfirmationAnswer> deleteAnswers_;
    QStringList deleteQuestions_;
    std::function<bool(QPrinter&, int)> choosePrinter_;
    int jobDialogDelayMs_ = -1;
    std::unique_ptr<CMainFrame> frame_;
};
