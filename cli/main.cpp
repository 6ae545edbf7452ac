#include "CliCommands.h"
#include "CliMessageHandler.h"
#include "app/KivvoApp.h"
#include "notify/MapiInit.h"
#include "platform/Framework.h"
#include "platform/Keyring.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

// The mail library lives as long as the process.
CMapiInit g_mapi;

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvale"));
    QCoreApplication::setApplicationName(QStringLiteral("Kivvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KIVVO_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    CCliMessageHandler messages(err);
    CFramework::SetMessageHandler(&messages);
    CKeyring::SetWaitNotice([&err](bool bWaiting) {
        if (bWaiting)
            err << CStringTable::Load(IDS_KEYRING_WAITING) << Qt::endl;
    });

    CKivvoApp kivvo;
    CCliCommands commands(out, err, messages, kivvo);
    const int nExit = commands.Run(app.arguments().mid(1));
    CFramework::SetMessageHandler(nullptr);
    return nExit;
}
