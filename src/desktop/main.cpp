// The desktop program: kivvo [FILE]
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "desktop/CommandLine.h"
#include "desktop/Icons.h"
#include "desktop/MainFrame.h"
#include "desktop/MessageBox.h"
#include "desktop/QtMessageHandler.h"
#include "desktop/QtSoundPlayer.h"
#include "desktop/ScreenFit.h"
#include "platform/Framework.h"
#include "platform/Keyring.h"
#include "text/Resource.h"
#include "text/StringTable.h"
#include "text/TextLanguage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace {

// Prints what the command line asked for, or why it was refused; the exit status.
int Answer(const CCommandLine& commandLine, CCommandLine::EAction action)
{
    std::FILE* pStream = action == CCommandLine::kUsageError ? stderr : stdout;
    QString strText = commandLine.Text();
    if (!strText.endsWith(u'\n'))
        strText += u'\n';
    std::fputs(strText.toLocal8Bit().constData(), pStream);
    return action == CCommandLine::kUsageError ? CCommandLine::kExitUsage : 0;
}

void SetNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvale"));
    QCoreApplication::setApplicationName(QStringLiteral("Kivvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KIVVO_VERSION));
    CTextLanguage::SetUiFromEnvironment();
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer startup;
    startup.start();
    CCommandLine commandLine;
    if (argc > 1) {
        // Help, the version and usage errors are answered without a display. Qt's own
        // options (-style, -platform…) are only known once the window system is up: when
        // they are in the way, the answer waits for it.
        const QCoreApplication core(argc, argv);
        SetNames();
        const CCommandLine::EAction action = commandLine.Parse(QCoreApplication::arguments());
        if (action != CCommandLine::kRun &&
            !(action == CCommandLine::kUsageError && commandLine.NamesQtOption()))
            return Answer(commandLine, action);
    }
    QApplication application(argc, argv);
    SetNames();
    const CCommandLine::EAction action = commandLine.Parse(QApplication::arguments());
    if (action != CCommandLine::kRun)
        return Answer(commandLine, action);
    QApplication::setWindowIcon(CIcons::AppIcon());
    CScreenFit screenFit;
    application.installEventFilter(&screenFit);

    CQtMessageHandler messages;
    CFramework::SetMessageHandler(&messages);
    CQtSoundPlayer sounds;
    CFramework::SetSoundPlayer(&sounds);
    // While the keyring shows its prompt, a window says what the program waits for.
    std::unique_ptr<QLabel> pKeyringNotice;
    CKeyring::SetWaitNotice([&pKeyringNotice](bool bWaiting) {
        pKeyringNotice.reset();
        if (!bWaiting)
            return;
        pKeyringNotice = std::make_unique<QLabel>(CStringTable::Load(IDS_KEYRING_WAITING));
        pKeyringNotice->setWindowTitle(QCoreApplication::applicationName());
        pKeyringNotice->setWordWrap(true);
        pKeyringNotice->setMargin(24);
        pKeyringNotice->setObjectName(QStringLiteral("keyringNotice"));
        pKeyringNotice->show();
    });

    int nExit = 0;
    {
        CKivvoApp app;
        // What goes wrong is shown from the first message on, on this thread also when a
        // loader thread found it.
        // Queued: what start-up finds is shown once the window is up, over it.
        QObject::connect(
            &app, &CKivvoApp::Warning, &app,
            [](int nId, const QString& strText) {
                CMessageBox::ShowText(nId,
                                      nId == IDS_KEYRING_SILENT || nId == IDS_SETTINGS_READ_ERROR
                                          ? EBoxKind::OkExclamation
                                          : EBoxKind::OkPlain,
                                      strText);
            },
            Qt::QueuedConnection);
        // The documents folder and the settings file; the keyring is asked when the password
        // is first needed, so that the window does not wait for it.
        app.Initialise(CKivvoApp::EPassword::Later);
        CKivvoDoc doc;
        doc.OnNewDocument();
        CMainFrame frame(&doc, &app);
        // The document named on the command line, else the chooser of documents. The window
        // is up first, so that a document that cannot be opened is told over it.
        const QString strFile = commandLine.File();
        if (strFile.isEmpty())
            frame.ShowDocumentList();
        frame.RestoreWindowState();
        frame.show();
        if (!strFile.isEmpty() && !frame.OpenDocument(strFile))
            frame.ShowDocumentList();
        if (qEnvironmentVariableIsSet("KIVVO_STARTUP_PROBE")) {
            // Reports the time to the shown window, then ends: for measuring start-up.
            QTimer::singleShot(0, &frame, [&] {
                std::printf("startup-ms %lld\n", static_cast<long long>(startup.elapsed()));
                QApplication::quit();
            });
        }
        nExit = QApplication::exec();
    }
    CKeyring::SetWaitNotice({});
    CFramework::SetSoundPlayer(nullptr);
    CFramework::SetMessageHandler(nullptr);
    return nExit;
}
