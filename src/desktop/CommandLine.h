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

    // After a usage error: whether an unknown option may be one of Qt's own (-style,
    // -platform…), which only the window system takes away.
    bool NamesQtOption() const;

private:
    void AddOptions();

    QCommandLineParser m_parser;
    bool m_bOptionsAdded = false;
    QString m_strFile;
    QString m_strText;
};
