#pragma once

#include <QCommandLineParser>
#include <QList>
#include <QStringList>

#include "text/TextLanguage.h"

#include <memory>
#include <optional>

class CCliUserInterface;
class CDocumentLock;
class CKivvoApp;
class CSettings;
class CKivvoDoc;
class CNameList;
class CPerson;
class CCliMessageHandler;
class QTextStream;

// The commands of kivvo-cli over the same document and commands as the desktop program.
class CCliCommands
{
public:
    enum EExit
    {
        kExitOk = 0,
        kExitFailed = 1,
        kExitUsage = 2,
    };

    CCliCommands(QTextStream& out, QTextStream& err, CCliMessageHandler& messages, CKivvoApp& app);
    ~CCliCommands();

    // Runs one command line (without the program name); returns the exit status.
    int Run(const QStringList& arguments);

private:
    int New();
    int Lists();
    int Report();
    int Add();
    int AddGroup();
    int Remove();
    int RenameList();
    int RenameGroup();
    int Draw();
    int Copy();
    int Repair();
    int Check();
    int Exclude();
    int Import();
    int Export();
    int Set();
    int Move();
    int Rules();
    int Details();
    void PrintDetails(const CNameList& list);
    // Says on standard error when an address names neither an e-mail address nor a contact.
    void WarnOfAddress(const QString& strAddress);
    void PrintRules(const CKivvoDoc& doc);
    int Notification();
    int Send();
    int Cards();
    int Status();
    // Those whose recipient changed since they were told, said how many; 0 or the exit status.
    int ChangedOnly(const CKivvoDoc& doc, QList<const CPerson*>& persons);
    int Config();
    int SendTestMail(const CSettings& settings);
    void PrintSettings();
    int Contacts();

    // Takes the lock beside the document for a command that changes it, held until the
    // command ends, so that writers run one after the other; 0 or the exit status.
    int LockDocument();

    int UsageError(const QString& strWhy);
    int Fail(int nStringId, std::initializer_list<QVariant> args = {});
    void Print(const QString& strText);
    bool Open(CKivvoDoc& doc);
    // The --list option: false when it is not a number of 0 or more.
    bool ListIndex(int& nList);
    // Opens the file with drawing nList current; an exit status other than 0 on failure.
    int OpenAtList(CKivvoDoc& doc, int nList);
    int SaveAndReport(CKivvoDoc& doc, const QString& strMessage);

    QTextStream& m_out;
    QTextStream& m_err;
    CCliMessageHandler& m_messages;
    CKivvoApp& m_app;
    QCommandLineParser m_parser;
    QString m_strFile;
    std::optional<CTextLanguage> m_runLanguage; // --language: of the e-mails and cards
    QStringList m_args;                         // positional arguments after the file
    std::unique_ptr<CDocumentLock> m_pLock;
};
