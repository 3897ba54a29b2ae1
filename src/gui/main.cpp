#include "app/ApplicationIdentity.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/TemporaryFileRegistry.h"
#include "document/CFibrologDoc.h"
#include "document/WorkingFiles.h"
#include "gui/CMainFrame.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setApplicationIdentity();
    // Logging out or a kill takes the working copies along; what a killed
    // run left behind goes now.
    TemporaryFileRegistry::removeOnTerminatingSignals();
    WorkingFiles::removeLeftOvers();

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A test database to open."));
    parser.process(app);

    CMainFrame frame;
    frame.show();
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty() && !frame.openFile(files.first())) {
        // The window stays, empty, and says why.
        QMessageBox::warning(&frame, Strings::loadString(StringId::ErrorOpeningFileCaption),
                             Strings::formatMessage(Strings::loadString(StringId::FileOpenFailed),
                                                    {files.first(), frame.document().lastError()}));
    }
    return app.exec();
}
