#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// The desktop program's command line: kivvo [--help] [--version] [FILE]
class CCommandLine
{
public:
    enum EAction
    {
        kRun,        // start, with File() to open when it is not empty
        kHelp,       // print Text() to standard output and end with 0
        kVersion,    // the same
        kUsageError, // print Text() to standard error and end with 2
    };
    static constexpr int kExitUsage = 2;

    CCommandLine();

    // The arguments begin with the program's name, as QCoreApplication::arguments() does.
    EAction Parse(const QStringList& arguments);
    QString File() const { return m_strFile; }
    QString Text() const { return m_strText; }

    // Whether the raw arguments ask for help or the version: those are answered before the
    // window system is reached, so that they work without a display.
    static bool AsksForInformation(int argc, char* argv[]);

private:
    QCommandLineParser m_parser;
    QString m_strFile;
    QString m_strText;
};
