#include "CliCommands.h"
#include "CliMessageHandler.h"
#include "app/KivvoApp.h"
#include "platform/Framework.h"
#include "platform/Keyring.h"
#include "text/Resource.h"
#include "text/StringTable.h"
#include "text/TextLanguage.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

// Paper cards need fonts, which only a GUI application has; it never shows a window, and
// needs no display.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "cards") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> pApp = MakeApplication(argc, argv);
    QCoreApplication& app = *pApp;
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvale"));
    QCoreApplication::setApplicationName(QStringLiteral("Kivvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KIVVO_VERSION));
    CTextLanguage::SetUiFromEnvironment();

    QTextStream out(stdout);
    QTextStream err(stderr);
    CCliMessageHandler messages(err);
    CKeyring::SetWaitNotice([&err](bool bWaiting) {
        if (bWaiting)
            err << CStringTable::Load(IDS_KEYRING_WAITING) << Qt::endl;
    });

    CKivvoApp kivvo;
    QObject::connect(&kivvo, &CKivvoApp::Warning,
                     [&messages](int, const QString& strText) { messages.Tell(strText); });
    CCliCommands commands(out, err, messages, kivvo);
    return commands.Run(app.arguments().mid(1));
}
