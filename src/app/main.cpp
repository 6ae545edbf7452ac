// The desktop program: kivvo [FILE]
#include "KivvoApp.h"
#include "KivvoDoc.h"
#include "MainFrame.h"
#include "notify/MapiInit.h"
#include "platform/Framework.h"
#include "platform/QtMessageHandler.h"
#include "platform/QtSoundPlayer.h"
#include "res/Icons.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace {

// The mail library lives as long as the process.
CMapiInit g_mapi;

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer startup;
    startup.start();
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quorvale"));
    QApplication::setApplicationName(QStringLiteral("Kivvo"));
    QApplication::setWindowIcon(CIcons::AppIcon());

    CQtMessageHandler messages;
    CFramework::SetMessageHandler(&messages);
    CQtSoundPlayer sounds;
    CFramework::SetSoundPlayer(&sounds);

    int nExit = 0;
    {
        CKivvoApp app;
        app.Initialise(); // the documents folder and the settings file
        CKivvoDoc doc;
        doc.OnNewDocument();
        CMainFrame frame(&doc, &app);
        const QStringList arguments = QApplication::arguments();
        // The document named on the command line, else the chooser of documents.
        if (arguments.size() < 2 || !frame.OpenDocument(arguments.at(1)))
            frame.ShowDocumentList();
        frame.show();
        if (qEnvironmentVariableIsSet("KIVVO_STARTUP_PROBE")) {
            // Reports the time to the shown window, then ends: for measuring start-up.
            QTimer::singleShot(0, &frame, [&] {
                std::printf("startup-ms %lld\n", static_cast<long long>(startup.elapsed()));
                QApplication::quit();
            });
        }
        nExit = QApplication::exec();
    }
    CFramework::SetSoundPlayer(nullptr);
    CFramework::SetMessageHandler(nullptr);
    return nExit;
}
