#include "CliCommands.h"
#include "CliMessageHandler.h"
#include "platform/Framework.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvale"));
    QCoreApplication::setApplicationName(QStringLiteral("Kivvo"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    CCliMessageHandler messages(err);
    CFramework::SetMessageHandler(&messages);

    CCliCommands commands(out, err, messages);
    const int nExit = commands.Run(app.arguments().mid(1));
    CFramework::SetMessageHandler(nullptr);
    return nExit;
}
