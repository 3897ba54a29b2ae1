// The window's way to the team server: File > Team Server...,
// Publish to Team Server... and Open from Team Server....
#include "gui/CMainFrame.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "document/CFibrologDoc.h"
#include "gui/CFibrologView.h"
#include "gui/CommandIds.h"
#include "gui/FrameStatusBar.h"
#include "gui/JobProgressDialog.h"
#include "gui/TeamServerDialog.h"
#include "gui/TeamServerLinksDialog.h"
#include "server/TeamServer.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

using namespace CommandIds;

void CMainFrame::buildTeamServerCommands()
{
    using namespace StringId;
    addCommand(TeamServerSettings, MenuTeamServer, [this] { chooseTeamServer(); });
    addCommand(PublishToTeamServer, MenuPublishToTeamServer, [this] { publishToTeamServer(); });
    addCommand(OpenFromTeamServer, MenuOpenFromTeamServer, [this] { openFromTeamServer(); });
    for (int id : {TeamServerSettings, PublishToTeamServer, OpenFromTeamServer})
        addAction(actions_.value(id));
    // Beside File > Serial Port, the other place the program's results come from.
    if (fileMenu_) {
        QAction* serialPort = actions_.value(SerialPort);
        for (int id : {OpenFromTeamServer, PublishToTeamServer, TeamServerSettings})
            fileMenu_->insertAction(serialPort, actions_.value(id));
        fileMenu_->insertSeparator(serialPort);
    }
    connect(view_, &CFibrologView::stateChanged, this, &CMainFrame::updateTeamServerCommands);
    updateTeamServerCommands();
}

void CMainFrame::updateTeamServerCommands()
{
    if (!document_)
        return;
    actions_.value(PublishToTeamServer)->setEnabled(document_->hasDatabase());
}

bool CMainFrame::chooseTeamServer()
{
    TeamServerDialog dialog(TeamServerSetting::stored(*settings_), *jobs_, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    TeamServerSetting::store(*settings_, dialog.address());
    return true;
}

QString CMainFrame::teamServerAddress()
{
    QString refusal;
    QString address = TeamServerSetting::effective(*settings_, &refusal);
    if (address.isEmpty() && refusal.isEmpty()) {
        if (prompt_->askYesNo(Strings::loadString(StringId::TeamServerNotSet),
                              Strings::loadString(StringId::TeamServerCaption),
                              PromptIcon::Question) != PromptAnswer::Yes ||
            !chooseTeamServer())
            return QString();
        address = TeamServerSetting::effective(*settings_, &refusal);
    }
    if (!refusal.isEmpty())
        prompt_->message(refusal, Strings::loadString(StringId::TeamServerCaption), PromptIcon::Exclamation);
    return address;
}

void CMainFrame::publishToTeamServer()
{
    view_->writePendingEdit();
    if (!document_->hasDatabase())
        return;
    const QString address = teamServerAddress();
    if (address.isEmpty())
        return;
    // What is published is the file as saved: unsaved changes are saved
    // first, with Save's questions; a never-saved document asks for a name.
    const bool saved = !document_->isModified() && QFileInfo::exists(document_->pathName());
    if (!saved) {
        if (!tell(document_->save(), StringId::ErrorSavingFileCaption))
            return;
        addRecentFile(document_->pathName());
    }
    const QString file = document_->pathName();
    PublishCounts counts;
    const OperationResult published = jobs_->runWithProgress(
        Strings::formatMessage(Strings::loadString(StringId::TeamServerPublishing),
                               {QFileInfo(file).fileName()}),
        [&](JobProgress& job) { return TeamServer(address).publish(file, job, &counts); });
    if (published.isFailure()) {
        prompt_->message(Strings::formatMessage(Strings::loadString(StringId::TeamServerPublishFailed),
                                                {published.message()}),
                         Strings::loadString(StringId::TeamServerCaption), PromptIcon::Exclamation);
        return;
    }
    statusPanes_->showStatusText(
        published.isCancelled()
            ? published.message()
            : Strings::formatMessage(Strings::loadString(StringId::TeamServerPublished),
                                     {QString::number(counts.links), QString::number(counts.fibers),
                                      QString::number(counts.replaced)}));
}

void CMainFrame::openFromTeamServer()
{
    view_->writePendingEdit();
    const QString address = teamServerAddress();
    if (address.isEmpty())
        return;
    // As File > Open asks about unsaved changes before the choice.
    if (!tell(document_->saveModified(), StringId::ErrorSavingFileCaption))
        return;
    TeamServerLinksDialog dialog(address, *jobs_, this);
    const OperationResult listed = dialog.search();
    if (listed.isFailure()) {
        prompt_->message(
            Strings::formatMessage(Strings::loadString(StringId::TeamServerListFailed), {listed.message()}),
            Strings::loadString(StringId::TeamServerCaption), PromptIcon::Exclamation);
        return;
    }
    if (listed.isCancelled()) {
        statusPanes_->showStatusText(listed.message());
        return;
    }
    if (dialog.exec() != QDialog::Accepted)
        return;

    // The links come into a file of their own, which the document then
    // opens as a new, untitled one: Save asks where it goes.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        prompt_->message(Strings::formatMessage(Strings::loadString(StringId::TeamServerFetchFailed),
                                                {folder.errorString()}),
                         Strings::loadString(StringId::TeamServerCaption), PromptIcon::Exclamation);
        return;
    }
    const QString fetchedPath = folder.filePath(QStringLiteral("team-server.mdb"));
    FetchFilter chosen;
    chosen.linkIds = dialog.chosenIds();
    FetchCounts counts;
    const OperationResult fetched =
        jobs_->runWithProgress(Strings::loadString(StringId::TeamServerFetching), [&](JobProgress& job) {
            return TeamServer(address).fetch(chosen, fetchedPath, job, &counts);
        });
    if (fetched.isCancelled()) {
        statusPanes_->showStatusText(Strings::loadString(StringId::TeamServerNothingOpened));
        return;
    }
    if (!fetched || counts.links == 0) {
        prompt_->message(fetched
                             ? Strings::loadString(StringId::TeamServerNoLinkMatches)
                             : Strings::formatMessage(Strings::loadString(StringId::TeamServerFetchFailed),
                                                      {fetched.message()}),
                         Strings::loadString(StringId::TeamServerCaption), PromptIcon::Exclamation);
        return;
    }
    if (!tell(document_->loadFile(fetchedPath), StringId::ErrorOpeningFileCaption))
        return;
    document_->onNewDocument();
    document_->setModifiedFlag(true);
    noticeStandardsProblem();
    statusPanes_->showStatusText(
        Strings::formatMessage(Strings::loadString(StringId::TeamServerFetched),
                               {QString::number(counts.links), QString::number(counts.fibers)}));
}
