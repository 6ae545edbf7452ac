#include "CliCommands.h"

#include "CliMessageHandler.h"
#include "CliUserInterface.h"
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "app/ParticipantExport.h"
#include "app/ParticipantImport.h"
#include "draw/DrawExplanation.h"
#include "model/NameList.h"
#include "notify/CardSheet.h"
#include "notify/MailAddress.h"
#include "notify/SendRun.h"
#include "platform/Archive.h"
#include "platform/DiskFile.h"
#include "platform/DocumentLock.h"
#include "text/Resource.h"
#include "text/StringTable.h"
#include "text/TextLanguage.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <functional>
#include <map>

#include <termios.h>
#include <unistd.h>

namespace {

bool ParseRole(const QString& strText, ERole& role)
{
    static const std::pair<const char*, ERole> roles[] = {
        {"both", ERole::both}, {"gives", ERole::givesOnly}, {"receives", ERole::receivesOnly}};
    for (const auto& [pName, value] : roles) {
        if (strText == QLatin1StringView(pName)) {
            role = value;
            return true;
        }
    }
    return false;
}

// Commands that read the document, change it and save it.
bool ChangesDocument(const QString& strCommand)
{
    // Sending and printing cards record who was told.
    static const QStringList changing = {
        "new",   "add",    "add-group", "remove", "rename-list", "draw",   "copy", "exclude",
        "rules", "import", "set",       "move",   "details",     "repair", "send", "cards"};
    return changing.contains(strCommand);
}

// The options of kivvo-cli config that mail still needs, for a message.
QString MailOptionsToSet(const CSettings& settings);

} // namespace

CCliCommands::CCliCommands(QTextStream& out, QTextStream& err, CCliMessageHandler& messages,
                           CKivvoApp& app)
    : m_out(out), m_err(err), m_messages(messages), m_app(app)
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOptions({
        {"list", "", "N"},
        {"gift-to", ""},
        {"group", "", "GROUP"},
        {"address", "", "A"},
        {"suggestions", "", "S"},
        {"yes", ""},
        {"person", "", "NAME"},
        {"server", "", "H"},
        {"port", "", "N"},
        {"from", "", "A"},
        {"user", "", "U"},
        {"password", "", "P"},
        {"password-stdin", ""},
        {"password-prompt", ""},
        {"footer", "", "T"},
        {"require-tls", "", "on|off"},
        {"spreadsheet", ""},
        {"lookup", "", "TEXT"},
        {"both", ""},
        {"remove", ""},
        {"history", "", "N"},
        {"no-mutual", "", "on|off"},
        {"one-circle", "", "on|off"},
        {"gifts", "", "N"},
        {"role", "", "both|gives|receives"},
        {"seal", "", "on|off"},
        {"quote-history", "", "on|off"},
        {"changed", ""},
        {"test-mail", "", "ADDRESS"},
        {"csv", "", "OUT"},
        {"name", "", "N"},
        {"top", ""},
        {"language", "", "CODE"},
        {"date", "", "YYYY-MM-DD"},
        {"budget", "", "T"},
        {"place", "", "T"},
        {"note", "", "T"},
        {{"h", "help"}, ""},
        {{"v", "version"}, ""},
    });
    m_parser.addOption({"pdf", "", "FILE"});
}

void CCliCommands::Print(const QString& strText)
{
    QString strShown = strText;
    strShown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_out << strShown;
    m_out.flush();
}

int CCliCommands::UsageError(const QString& strWhy)
{
    // The parser's own texts end with a full stop; the message goes on after them.
    QString strShown = strWhy;
    if (strShown.endsWith(u'.'))
        strShown.chop(1);
    m_err << CStringTable::Format(IDS_CLI_WRONG_ARGUMENTS, {strShown}) << '\n';
    m_err.flush();
    return kExitUsage;
}

int CCliCommands::Fail(int nStringId, std::initializer_list<QVariant> args)
{
    m_err << CStringTable::Format(nStringId, args) << '\n';
    m_err.flush();
    return kExitFailed;
}

int CCliCommands::Run(const QStringList& arguments)
{
    // "--password" with no value after it asks for the password on the terminal.
    QStringList words = arguments;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words.at(i) == u"--password" &&
            (i + 1 == words.size() || words.at(i + 1).startsWith(QStringLiteral("--"))))
            words[i] = QStringLiteral("--password-prompt");
    }
    if (!m_parser.parse(QStringList{QStringLiteral("kivvo-cli")} + words))
        return UsageError(m_parser.errorText());
    if (m_parser.isSet("version") && !m_parser.isSet("help")) {
        Print(CStringTable::Format(IDS_PROGRAM_VERSION,
                                   {QStringLiteral("kivvo-cli"), QStringLiteral(KIVVO_VERSION)}) +
              u'\n');
        return kExitOk;
    }
    if (m_parser.isSet("help") || arguments.isEmpty()) {
        Print(CStringTable::Load(IDS_CLI_USAGE));
        return arguments.isEmpty() ? kExitUsage : kExitOk;
    }
    struct CCommandShape
    {
        int (CCliCommands::*m_pRun)();
        QStringList m_params;  // positional arguments; FILE, when present, comes first
        QStringList m_options; // options the command accepts
    };
    const QStringList file{"FILE"};
    const QStringList fileAndName{"FILE", "NAME"};
    const std::map<QString, CCommandShape> commands = {
        {"new", {&CCliCommands::New, file, {}}},
        {"lists", {&CCliCommands::Lists, file, {}}},
        {"report", {&CCliCommands::Report, file, {"list", "gift-to"}}},
        {"add", {&CCliCommands::Add, fileAndName, {"group", "address", "suggestions", "role"}}},
        {"add-group", {&CCliCommands::AddGroup, fileAndName, {}}},
        {"remove", {&CCliCommands::Remove, fileAndName, {}}},
        {"rename-list", {&CCliCommands::RenameList, fileAndName, {}}},
        {"rename-group", {&CCliCommands::RenameGroup, {"FILE", "GROUP", "NAME"}, {}}},
        {"draw", {&CCliCommands::Draw, file, {"yes"}}},
        {"copy", {&CCliCommands::Copy, file, {"yes"}}},
        {"repair", {&CCliCommands::Repair, file, {"yes"}}},
        {"check", {&CCliCommands::Check, file, {}}},
        {"exclude", {&CCliCommands::Exclude, {"FILE", "GIVER", "RECIPIENT"}, {"both", "remove"}}},
        {"rules",
         {&CCliCommands::Rules,
          file,
          {"history", "no-mutual", "one-circle", "gifts", "seal", "yes", "quote-history",
           "language"}}},
        {"status", {&CCliCommands::Status, file, {}}},
        {"import", {&CCliCommands::Import, {"FILE", "SOURCE"}, {"group"}}},
        {"export", {&CCliCommands::Export, file, {"csv", "list", "spreadsheet"}}},
        {"set",
         {&CCliCommands::Set, {"FILE", "PERSON"}, {"name", "address", "suggestions", "role"}}},
        {"move", {&CCliCommands::Move, {"FILE", "PERSON"}, {"group", "top"}}},
        {"details", {&CCliCommands::Details, file, {"date", "budget", "place", "note"}}},
        {"notification", {&CCliCommands::Notification, {"FILE", "PERSON"}, {"list", "language"}}},
        {"send", {&CCliCommands::Send, file, {"yes", "person", "language", "changed"}}},
        {"cards", {&CCliCommands::Cards, file, {"pdf", "person", "language", "changed"}}},
        {"config",
         {&CCliCommands::Config,
          {},
          {"server", "port", "from", "user", "password", "password-stdin", "password-prompt",
           "footer", "require-tls", "test-mail"}}},
        {"contacts", {&CCliCommands::Contacts, {}, {"lookup"}}},
    };

    QStringList positional = m_parser.positionalArguments();
    const QString strCommand = positional.takeFirst();
    const auto it = commands.find(strCommand);
    if (it == commands.end()) {
        m_err << CStringTable::Format(IDS_CLI_UNKNOWN_COMMAND, {strCommand}) << '\n';
        return kExitUsage;
    }
    const CCommandShape& command = it->second;
    if (positional.size() != command.m_params.size())
        return UsageError(
            command.m_params.isEmpty()
                ? CStringTable::Format(IDS_CLI_TAKES_NOTHING, {strCommand})
                : CStringTable::Format(IDS_CLI_TAKES, {strCommand, command.m_params.join(u' ')}));
    for (const QString& strOption : m_parser.optionNames()) {
        if (!command.m_options.contains(strOption))
            return UsageError(
                CStringTable::Format(IDS_CLI_NO_SUCH_OPTION, {strCommand, strOption}));
    }
    if (m_parser.isSet("language")) {
        CTextLanguage language;
        if (!CTextLanguage::ForCode(m_parser.value("language"), language))
            return UsageError(CStringTable::Format(
                IDS_CLI_BAD_LANGUAGE,
                {CTextLanguage::Codes().join(QStringLiteral(", ")), m_parser.value("language")}));
        m_runLanguage = language;
    }
    if (command.m_params.value(0) == u"FILE")
        m_strFile = positional.takeFirst();
    m_args = positional;
    m_messages.SetAssumeYes(m_parser.isSet("yes"));
    if (ChangesDocument(strCommand)) {
        if (const int nExit = LockDocument())
            return nExit;
    }

    return std::invoke(command.m_pRun, this);
}

CCliCommands::~CCliCommands() = default;

int CCliCommands::LockDocument()
{
    m_pLock = std::make_unique<CDocumentLock>(m_strFile);
    QString strWhy;
    switch (m_pLock->Lock(CDocumentLock::kWaitMs, strWhy)) {
    case CDocumentLock::EResult::Locked:
        return kExitOk;
    case CDocumentLock::EResult::Busy:
        return Fail(IDS_CLI_LOCKED, {m_strFile, m_pLock->LockPath()});
    default:
        return Fail(IDS_CLI_LOCK_ERROR, {m_pLock->LockPath(), strWhy});
    }
}

bool CCliCommands::Open(CKivvoDoc& doc)
{
    if (m_runLanguage)
        doc.SetRunLanguage(*m_runLanguage);
    return m_messages.Tell(doc.OnOpenDocument(m_strFile));
}

int CCliCommands::SaveAndReport(CKivvoDoc& doc, const QString& strMessage)
{
    doc.SetLockedByCaller(m_pLock != nullptr);
    // Another program's change is not thrown away without asking.
    const CDocResult result = doc.OnSaveDocument(m_strFile, [this](const CDocResult& question) {
        return m_messages.Ask(question.Message());
    });
    if (result.MessageId() == IDS_ASK_OVERWRITE_CHANGED || !m_messages.Tell(result))
        return kExitFailed;
    if (!strMessage.isEmpty())
        Print(strMessage + u'\n');
    return kExitOk;
}

int CCliCommands::New()
{
    if (QFileInfo::exists(m_strFile))
        return Fail(IDS_CLI_FILE_EXISTS, {m_strFile});
    CKivvoDoc doc;
    doc.OnNewDocument();
    return SaveAndReport(doc, CStringTable::Format(IDS_CLI_CREATED, {m_strFile}));
}

int CCliCommands::Lists()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    for (const QString& strName : doc.ListNames())
        Print(strName + u'\n');
    return kExitOk;
}

bool CCliCommands::ListIndex(int& nList)
{
    nList = 0;
    if (!m_parser.isSet("list"))
        return true;
    bool bOk = false;
    nList = m_parser.value("list").toInt(&bOk);
    return bOk && nList >= 0;
}

int CCliCommands::OpenAtList(CKivvoDoc& doc, int nList)
{
    if (!Open(doc))
        return kExitFailed;
    if (nList >= doc.GetListCount())
        return Fail(IDS_CLI_NO_SUCH_LIST, {nList, doc.GetListCount()});
    doc.SelectList(nList);
    return kExitOk;
}

int CCliCommands::Report()
{
    int nList = 0;
    if (!ListIndex(nList))
        return UsageError(CStringTable::Format(IDS_CLI_BAD_NUMBER, {m_parser.value("list")}));
    CKivvoDoc doc;
    if (const int nExit = OpenAtList(doc, nList))
        return nExit;
    const CNameList* pList = doc.GetCurrentList();
    if (m_parser.isSet("gift-to") && !m_messages.Tell(doc.CheckMayShowPairs(pList)))
        return kExitFailed;
    QString strReport;
    pList->FormatReport(strReport, m_parser.isSet("gift-to"));
    Print(strReport);
    if (const QString strRecord = CKivvoDoc::SealRecord(pList); !strRecord.isEmpty())
        Print(strRecord + u'\n');
    return kExitOk;
}

int CCliCommands::Add()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    if (m_args.at(0).trimmed().isEmpty())
        return UsageError(CStringTable::Load(IDS_CLI_EMPTY_NAME));
    CGroup* pGroup = nullptr;
    if (m_parser.isSet("group")) {
        pGroup = doc.GetNewestList()->FindGroup(m_parser.value("group"));
        if (!pGroup)
            return Fail(IDS_CLI_NO_SUCH_GROUP, {m_parser.value("group")});
    }
    CPersonFields fields{m_args.at(0), m_parser.value("address"), m_parser.value("suggestions")};
    if (m_parser.isSet("role") && !ParseRole(m_parser.value("role"), fields.m_role))
        return UsageError(CStringTable::Format(IDS_CLI_BAD_ROLE, {m_parser.value("role")}));
    WarnOfAddress(m_parser.value("address"));
    CPerson* pPerson = nullptr;
    // The stored name is printed: that it was made unique needs no message of its own.
    if (!doc.AddPerson(pGroup, fields, &pPerson))
        return kExitFailed;
    return SaveAndReport(doc, pPerson->m_strName);
}

int CCliCommands::AddGroup()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    if (!m_messages.Tell(doc.AddGroup(m_args.at(0))))
        return kExitFailed;
    return SaveAndReport(doc, m_args.at(0));
}

int CCliCommands::Remove()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    CNameList& list = *doc.GetNewestList();
    const QString& strName = m_args.at(0);
    CListItem* pItem = list.FindPerson(strName);
    if (!pItem)
        pItem = list.FindGroup(strName);
    if (!pItem)
        return Fail(IDS_CLI_NO_SUCH_ENTRY, {strName});
    const QString strRemoved = pItem->m_strName;
    if (!m_messages.Tell(doc.RemoveEntry(pItem)))
        return kExitFailed;
    return SaveAndReport(doc, CStringTable::Format(IDS_CLI_REMOVED, {strRemoved}));
}

int CCliCommands::RenameList()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    if (!m_messages.Tell(doc.Rename(doc.GetNewestList(), nullptr, m_args.at(0))))
        return kExitFailed;
    return SaveAndReport(doc, m_args.at(0));
}

int CCliCommands::RenameGroup()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    CGroup* pGroup = doc.GetNewestList()->FindGroup(m_args.at(0));
    if (!pGroup)
        return Fail(IDS_CLI_NO_SUCH_GROUP, {m_args.at(0)});
    if (m_args.at(1).trimmed().isEmpty())
        return UsageError(CStringTable::Load(IDS_CLI_EMPTY_NAME));
    if (!m_messages.Tell(doc.Rename(doc.GetNewestList(), pGroup, m_args.at(1))))
        return kExitFailed;
    return SaveAndReport(doc, m_args.at(1));
}

int CCliCommands::Draw()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    if (!doc.CanDrawNames())
        return Fail(IDS_CLI_DRAW_UNAVAILABLE);
    const CNameList* pNewest = doc.GetNewestList();
    if (!m_messages.Tell(doc.CheckDraw()))
        return Fail(IDS_CLI_NOT_DRAWN);
    if (!m_messages.Ask(pNewest->HasDrawnNames() ? IDS_ASK_DRAW_AGAIN : IDS_ASK_DRAW_NOW) ||
        !m_messages.Tell(doc.DrawNames()))
        return Fail(IDS_CLI_NOT_DRAWN);
    // Nobody can pass a terminal around, and e-mails are their own command.
    m_messages.Decline(IDS_ASK_PASS_AROUND);
    m_messages.Decline(IDS_ASK_SEND_NOW);
    return SaveAndReport(
        doc, CStringTable::Format(IDS_CLI_DRAWN, {doc.GetNewestList()->CountPersons(), m_strFile}));
}

int CCliCommands::Repair()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    if (!doc.CanDrawNames())
        return Fail(IDS_CLI_DRAW_UNAVAILABLE);
    if (!m_messages.Tell(doc.CheckDraw()))
        return kExitFailed;
    if (!doc.CanRepair()) {
        m_messages.Tell(CDocResult::Refused(IDS_REPAIR_NOTHING));
        return kExitFailed;
    }
    if (!m_messages.Ask(doc.RepairQuestion()))
        return Fail(IDS_CLI_NOT_DRAWN);
    const CDocResult repaired = doc.DrawNames(true);
    if (!repaired) {
        m_messages.Tell(repaired);
        return kExitFailed;
    }
    m_messages.Decline(IDS_ASK_SEND_NOW);
    return SaveAndReport(doc, repaired.Message() + u'\n' +
                                  CStringTable::Format(IDS_CLI_REPAIRED, {m_strFile}));
}

int CCliCommands::Copy()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    if (!doc.CanDrawNames())
        return Fail(IDS_CLI_COPY_UNAVAILABLE);
    if (!m_messages.Tell(doc.CheckCopy()))
        return Fail(IDS_CLI_NOT_COPIED);
    if (!m_messages.Ask(IDS_ASK_COPY_LIST) || !m_messages.Tell(doc.CopyForNextExchange()))
        return Fail(IDS_CLI_NOT_COPIED);
    return SaveAndReport(
        doc, CStringTable::Format(IDS_CLI_COPIED, {doc.GetNewestList()->m_strName, m_strFile}));
}

int CCliCommands::Check()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    if (!doc.CanDrawNames())
        return Fail(IDS_CLI_DRAW_UNAVAILABLE);
    QString strWhy;
    if (!doc.CanDrawNewest(strWhy)) {
        Print(CStringTable::Format(IDS_DRAWING_ERROR, {strWhy}) + u'\n');
        return kExitFailed;
    }
    Print(CStringTable::Load(IDS_CLI_CAN_DRAW) + u'\n');
    return kExitOk;
}

int CCliCommands::Exclude()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    CNameList& list = *doc.GetNewestList();
    const CPerson* pGiver = list.FindPerson(m_args.at(0));
    const CPerson* pRecipient = list.FindPerson(m_args.at(1));
    if (!pGiver || !pRecipient)
        return Fail(IDS_CLI_NO_SUCH_PERSON, {0, pGiver ? m_args.at(1) : m_args.at(0)});
    const QString strGiver = pGiver->m_strName;
    const QString strRecipient = pRecipient->m_strName;
    if (pGiver == pRecipient)
        return UsageError(CStringTable::Format(IDS_PERSON_SELF_EXCLUDED, {strGiver}));
    const bool bBoth = m_parser.isSet("both");
    const bool bRemove = m_parser.isSet("remove");
    if (!m_messages.Tell(doc.Exclude(strGiver, strRecipient, bBoth, bRemove)))
        return kExitFailed;
    const int nDone = bRemove ? IDS_CLI_EXCLUSION_REMOVED : IDS_RULE_EXCLUDED;
    QStringList done{CStringTable::Format(nDone, {strGiver, strRecipient})};
    if (bBoth)
        done.append(CStringTable::Format(nDone, {strRecipient, strGiver}));
    return SaveAndReport(doc, done.join(u'\n'));
}

namespace {

// "on" or "off" into bValue; false for anything else.
bool ParseSwitch(const QString& strText, bool& bValue)
{
    if (strText != u"on" && strText != u"off")
        return false;
    bValue = strText == u"on";
    return true;
}

} // namespace

void CCliCommands::PrintRules(const CKivvoDoc& doc)
{
    const CDrawRules& rules = doc.GetRules();
    const auto onOff = [](bool b) { return CStringTable::Load(b ? IDS_CLI_ON : IDS_CLI_OFF); };
    const QString strHistory =
        rules.m_nHistory == 0
            ? CStringTable::Load(IDS_CLI_HISTORY_NONE)
            : CStringTable::Format(
                  IDS_CLI_HISTORY,
                  {rules.m_nHistory, CDrawExplanation::HistoryRule(rules.m_nHistory)});
    Print(CStringTable::Format(IDS_CLI_RULES,
                               {strHistory, onOff(rules.m_bNoMutual), onOff(rules.m_bOneCircle)}));
    if (rules.m_nGifts != 1)
        Print(CStringTable::Format(IDS_CLI_GIFTS_LINE, {rules.m_nGifts}));
    Print(CStringTable::Format(IDS_CLI_SEAL, {onOff(doc.IsSealed())}));
    Print(CStringTable::Format(IDS_CLI_QUOTE_HISTORY, {onOff(doc.QuotesHistory())}));
    CTextLanguage language;
    if (CTextLanguage::ForCode(doc.GetMailLanguageCode(), language))
        Print(
            CStringTable::Format(IDS_CLI_MAIL_LANGUAGE, {language.NativeName(), language.Code()}));
    const CNameList& list = *doc.GetNewestList();
    if (const QString strRecord = CKivvoDoc::SealRecord(&list); !strRecord.isEmpty())
        Print(strRecord + u'\n');
    if (list.m_exclusions.IsEmpty()) {
        Print(CStringTable::Format(IDS_CLI_NO_EXCLUSIONS, {list.m_strName}));
        return;
    }
    Print(CStringTable::Format(IDS_CLI_EXCLUSIONS_IN, {list.m_strName}));
    for (const CExclusions::CPair& pair : list.m_exclusions.Pairs())
        Print(QStringLiteral("  ") +
              CStringTable::Format(IDS_RULE_EXCLUDED, {pair.m_strGiver, pair.m_strRecipient}) +
              u'\n');
}

int CCliCommands::Rules()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    if (m_parser.optionNames().isEmpty()) {
        PrintRules(doc);
        return kExitOk;
    }
    CDrawRules rules = doc.GetRules();
    if (m_parser.isSet("history")) {
        const QString strHistory = m_parser.value("history");
        bool bOk = true;
        rules.m_nHistory =
            strHistory == u"all" ? CDrawRules::kAllExchanges : strHistory.toInt(&bOk);
        if (!bOk || rules.m_nHistory < 0 || rules.m_nHistory > CDrawRules::kAllExchanges)
            return UsageError(
                CStringTable::Format(IDS_CLI_BAD_HISTORY, {CDrawRules::kAllExchanges, strHistory}));
    }
    if (m_parser.isSet("gifts")) {
        bool bOk = false;
        rules.m_nGifts = m_parser.value("gifts").toInt(&bOk);
        if (!bOk || rules.m_nGifts < 1 || rules.m_nGifts > CDrawRules::kMaxGifts)
            return UsageError(CStringTable::Format(
                IDS_CLI_BAD_GIFTS, {CDrawRules::kMaxGifts, m_parser.value("gifts")}));
    }
    const std::pair<const char*, bool*> switches[] = {{"no-mutual", &rules.m_bNoMutual},
                                                      {"one-circle", &rules.m_bOneCircle}};
    for (const auto& [pOption, pValue] : switches) {
        if (m_parser.isSet(pOption) && !ParseSwitch(m_parser.value(pOption), *pValue))
            return UsageError(
                CStringTable::Format(IDS_CLI_BAD_SWITCH, {pOption, m_parser.value(pOption)}));
    }
    bool bQuote = doc.QuotesHistory();
    if (m_parser.isSet("quote-history") && !ParseSwitch(m_parser.value("quote-history"), bQuote))
        return UsageError(CStringTable::Format(IDS_CLI_BAD_SWITCH,
                                               {"quote-history", m_parser.value("quote-history")}));
    bool bSealed = doc.IsSealed();
    if (m_parser.isSet("seal") && !ParseSwitch(m_parser.value("seal"), bSealed))
        return UsageError(
            CStringTable::Format(IDS_CLI_BAD_SWITCH, {"seal", m_parser.value("seal")}));
    // Asked before anything changes: a No keeps the document as it was.
    if (!bSealed && doc.WouldBreakSeal() &&
        !m_messages.Ask(CStringTable::Format(IDS_ASK_BREAK_SEAL, {doc.GetNewestList()->m_strName})))
        return Fail(IDS_CLI_SEAL_KEPT);
    {
        // One step, as the window's Rules dialog makes it. --language here is the document's
        // own e-mail language, kept in it.
        const CKivvoDoc::CStep step(&doc, IDS_EDIT_RULES);
        if ((m_runLanguage && !m_messages.Tell(doc.SetMailLanguageCode(m_runLanguage->Code()))) ||
            !m_messages.Tell(doc.SetRules(rules)) ||
            !m_messages.Tell(doc.SetQuoteHistory(bQuote)) ||
            !m_messages.Tell(doc.SetSealed(bSealed)))
            return kExitFailed;
    }
    if (const int nExit = SaveAndReport(doc, QString()))
        return nExit;
    PrintRules(doc);
    return kExitOk;
}

void CCliCommands::PrintDetails(const CNameList& list)
{
    const CExchangeDetails& details = list.m_details;
    const auto shown = [](const QString& strText) {
        return strText.isEmpty() ? CStringTable::Load(IDS_CLI_NOT_SET) : strText;
    };
    Print(CStringTable::Format(
              IDS_CLI_DETAILS,
              {shown(details.m_date.isValid() ? details.m_date.toString(Qt::ISODate) : QString()),
               shown(details.m_strBudget), shown(details.m_strPlace), shown(details.m_strNote)}) +
          u'\n');
}

int CCliCommands::Details()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    CNameList& list = *doc.GetNewestList();
    if (m_parser.optionNames().isEmpty()) {
        PrintDetails(list);
        return kExitOk;
    }
    CExchangeDetails details = list.m_details;
    if (m_parser.isSet("date")) {
        const QString strDate = m_parser.value("date").trimmed();
        details.m_date = QDate::fromString(strDate, QStringLiteral("yyyy-MM-dd"));
        if (!strDate.isEmpty() && !details.m_date.isValid())
            return UsageError(CStringTable::Format(IDS_CLI_BAD_DATE, {strDate}));
    }
    const std::pair<const char*, QString*> texts[] = {{"budget", &details.m_strBudget},
                                                      {"place", &details.m_strPlace},
                                                      {"note", &details.m_strNote}};
    for (const auto& [pOption, pText] : texts) {
        if (m_parser.isSet(pOption))
            *pText = m_parser.value(pOption).trimmed();
    }
    if (!m_messages.Tell(doc.SetDetails(&list, details)))
        return kExitFailed;
    if (const int nExit =
            SaveAndReport(doc, CStringTable::Format(IDS_CLI_DETAILS_SAVED, {list.m_strName})))
        return nExit;
    PrintDetails(list);
    return kExitOk;
}

int CCliCommands::Import()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    CParticipantImport import;
    QString strError;
    if (!import.Read(m_args.at(0), strError)) {
        m_err << strError << '\n';
        return kExitFailed;
    }
    if (!import.Warning().isEmpty())
        m_err << import.Warning() << '\n';
    CNameList& list = *doc.GetNewestList();
    if (m_parser.isSet("group"))
        import.PutAllInGroup(m_parser.value("group"));
    import.Check(list);
    if (!import.Duplicates().isEmpty())
        m_err << CStringTable::Format(IDS_IMPORT_DUPLICATES,
                                      {import.Duplicates().join(QStringLiteral(", "))})
              << '\n';
    if (import.RowsToAdd().isEmpty())
        return Fail(IDS_IMPORT_NOTHING);
    int nCount = 0;
    if (!m_messages.Tell(doc.ImportParticipants(import, &nCount)))
        return kExitFailed;
    return SaveAndReport(doc, CStringTable::Format(IDS_IMPORT_DONE, {nCount, list.m_strName}));
}

int CCliCommands::Export()
{
    int nList = 0;
    if (!ListIndex(nList))
        return UsageError(CStringTable::Format(IDS_CLI_BAD_NUMBER, {m_parser.value("list")}));
    if (!m_parser.isSet("csv"))
        return UsageError(CStringTable::Load(IDS_EXPORT_NEEDS_CSV));
    CKivvoDoc doc;
    if (const int nExit = OpenAtList(doc, nList))
        return nExit;
    const CNameList& list = *doc.GetCurrentList();
    const QString strOut = m_parser.value("csv");
    QString strError;
    if (!CParticipantExport::Write(list, strOut,
                                   m_parser.isSet("spreadsheet")
                                       ? CParticipantExport::EForm::Spreadsheet
                                       : CParticipantExport::EForm::Plain,
                                   strError))
        return Fail(IDS_EXPORT_FAILED, {strOut, strError});
    Print(CStringTable::Format(IDS_EXPORT_DONE, {list.CountPersons(), strOut}) + u'\n');
    return kExitOk;
}

void CCliCommands::WarnOfAddress(const QString& strAddress)
{
    // A name is looked up in the address books; they are read only when one is given.
    if (strAddress.indexOf(u'@') < 1 && !strAddress.trimmed().isEmpty()) {
        m_app.m_strFolder = CKivvoApp::DocumentsFolder();
        CKivvoApp::LoadContactsProc(&m_app);
    }
    if (m_app.CheckAddress(strAddress) == CKivvoApp::EAddress::Neither)
        m_err << CStringTable::Format(IDS_CLI_ADDRESS_NOT_PLAUSIBLE, {strAddress}) << '\n';
}

int CCliCommands::Set()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    CNameList& list = *doc.GetNewestList();
    CPerson* pPerson = list.FindPerson(m_args.at(0));
    if (!pPerson)
        return Fail(IDS_CLI_NO_SUCH_PERSON, {0, m_args.at(0)});
    CPersonFields fields = CPersonFields::Of(*pPerson);
    if (m_parser.isSet("name")) {
        fields.m_strName = m_parser.value("name");
        if (fields.m_strName.trimmed().isEmpty())
            return UsageError(CStringTable::Load(IDS_CLI_EMPTY_NAME));
    }
    if (m_parser.isSet("address"))
        fields.m_strAddress = m_parser.value("address");
    if (m_parser.isSet("suggestions"))
        fields.m_strSuggestions = m_parser.value("suggestions");
    if (m_parser.isSet("role") && !ParseRole(m_parser.value("role"), fields.m_role))
        return UsageError(CStringTable::Format(IDS_CLI_BAD_ROLE, {m_parser.value("role")}));
    const CDocResult result = doc.SetPerson(pPerson, fields);
    // A name made unique is told below, as before the address's warning.
    if (!result) {
        m_messages.Tell(result);
        return kExitFailed;
    }
    if (m_parser.isSet("name") && pPerson->m_strName != fields.m_strName)
        m_err << CStringTable::Format(IDS_NAME_MADE_UNIQUE, {fields.m_strName, pPerson->m_strName})
              << '\n';
    if (m_parser.isSet("address"))
        WarnOfAddress(pPerson->m_strAddress);
    return SaveAndReport(doc, pPerson->m_strName);
}

int CCliCommands::Move()
{
    if (m_parser.isSet("group") == m_parser.isSet("top"))
        return UsageError(CStringTable::Load(IDS_MOVE_NEEDS_TARGET));
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    CNameList& list = *doc.GetNewestList();
    CPerson* pPerson = list.FindPerson(m_args.at(0));
    if (!pPerson)
        return Fail(IDS_CLI_NO_SUCH_PERSON, {0, m_args.at(0)});
    CGroup* pGroup = nullptr;
    if (m_parser.isSet("group")) {
        pGroup = list.FindGroup(m_parser.value("group"));
        if (!pGroup)
            return Fail(IDS_CLI_NO_SUCH_GROUP, {m_parser.value("group")});
    }
    if (!m_messages.Tell(doc.MovePerson(pPerson, pGroup)))
        return kExitFailed;
    return SaveAndReport(
        doc, pGroup
                 ? CStringTable::Format(IDS_MOVED_TO_GROUP, {pPerson->m_strName, pGroup->m_strName})
                 : CStringTable::Format(IDS_MOVED_TO_TOP, {pPerson->m_strName}));
}

int CCliCommands::Notification()
{
    int nList = 0;
    if (!ListIndex(nList))
        return UsageError(CStringTable::Format(IDS_CLI_BAD_NUMBER, {m_parser.value("list")}));
    m_app.Initialise(); // the footer comes from the settings
    CKivvoDoc doc;
    if (const int nExit = OpenAtList(doc, nList))
        return nExit;
    const CPerson* pPerson = doc.GetCurrentList()->FindPerson(m_args.at(0));
    if (!pPerson)
        return Fail(IDS_CLI_NO_SUCH_PERSON, {nList, m_args.at(0)});
    if (!m_messages.Tell(CKivvoDoc::CheckGives(*pPerson)))
        return kExitFailed;
    // Anyone's e-mail names his recipient: the organiser may not read it under the seal.
    if (!m_messages.Tell(doc.CheckMayShowPairs(doc.GetCurrentList())))
        return kExitFailed;
    // As before sending: a drawing that no longer fits its list tells nobody anything.
    if (!m_messages.Tell(doc.CheckCurrentDrawing()))
        return kExitFailed;
    QString strBody;
    doc.ComposeNotification(pPerson, strBody);
    Print(strBody);
    return kExitOk;
}

int CCliCommands::Send()
{
    m_app.Initialise();
    // At once, before any server is tried: nothing stands in for a server or sender not set.
    if (!m_app.m_settings.IsMailSetUp())
        return Fail(IDS_CLI_MAIL_NOT_SET_UP, {MailOptionsToSet(m_app.m_settings)});
    CKivvoApp::LoadContactsProc(&m_app);
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    QList<const CPerson*> persons;
    if (m_parser.isSet("changed")) {
        if (m_parser.isSet("person"))
            return UsageError(
                CStringTable::Format(IDS_CLI_NO_SUCH_OPTION, {"send --changed", "person"}));
        if (const int nExit = ChangedOnly(doc, persons))
            return nExit;
    } else if (m_parser.isSet("person")) {
        const CPerson* pPerson = doc.GetNewestList()->FindPerson(m_parser.value("person"));
        if (!pPerson)
            return Fail(IDS_CLI_NO_SUCH_PERSON, {0, m_parser.value("person")});
        if (!m_messages.Tell(CKivvoDoc::CheckGives(*pPerson)))
            return kExitFailed;
        if (pPerson->m_strAddress.isEmpty())
            return Fail(IDS_CLI_NO_ADDRESS, {pPerson->m_strName});
        persons.append(pPerson);
    }
    // Everybody is asked for and told of as a whole; one person named on the command line,
    // or those to tell again, are neither.
    const bool bEverybody = persons.isEmpty();
    const auto notSent = [this, bEverybody] {
        return bEverybody ? Fail(IDS_CLI_NOT_SENT) : kExitFailed;
    };
    if (!m_messages.Tell(doc.CheckNewestDrawing()) ||
        (bEverybody && !m_messages.Ask(IDS_ASK_SEND_ALL)))
        return notSent();
    CDocResult result;
    CSendRun* pRun = doc.CreateSendRun(bEverybody ? doc.NewestGivers() : persons, result);
    if (!m_messages.Tell(result))
        return notSent();
    const bool bAllSent = CCliUserInterface::RunSend(pRun, m_out, m_err);
    // Who was told is kept in the document, sent or not.
    if (const int nExit = SaveAndReport(doc, QString()))
        return nExit;
    return bAllSent ? kExitOk : notSent();
}

int CCliCommands::ChangedOnly(const CKivvoDoc& doc, QList<const CPerson*>& persons)
{
    CDocResult result;
    persons = doc.ChangedSinceTold(result);
    if (!m_messages.Tell(result))
        return kExitFailed;
    // How many, never who gave to whom.
    Print(CStringTable::Format(IDS_CLI_CHANGED_COUNT, {persons.size()}) + u'\n');
    return kExitOk;
}

int CCliCommands::Status()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    doc.GetNewestList()->ForEachPerson([this](const CPerson* pPerson) {
        const CTold& told = pPerson->m_told;
        if (!pPerson->Gives()) { // he is told nothing
            Print(CStringTable::Format(
                      IDS_ROLE_MARKED,
                      {pPerson->m_strName, CStringTable::Load(IDS_ROLE_MARK_RECEIVES)}) +
                  u'\n');
            return;
        }
        if (told.IsEmpty()) {
            Print(CStringTable::Format(pPerson->m_strGiftTo.isEmpty() ? IDS_STATUS_NOT_DRAWN
                                                                      : IDS_STATUS_NOT_TOLD,
                                       {pPerson->m_strName}) +
                  u'\n');
            return;
        }
        QStringList ways;
        for (const auto& [how, nText] : {std::pair{CTold::byMail, IDS_TOLD_BY_MAIL},
                                         {CTold::onCard, IDS_TOLD_ON_CARD},
                                         {CTold::inRound, IDS_TOLD_IN_ROUND}}) {
            if (told.m_nHow & how)
                ways.append(CStringTable::Load(nText));
        }
        const QDateTime when = told.m_when.toLocalTime();
        Print(CStringTable::Format(
                  pPerson->MustBeToldAgain() ? IDS_STATUS_TOLD_CHANGED : IDS_STATUS_TOLD,
                  {pPerson->m_strName, ways.join(CStringTable::Load(IDS_NAMES_SEPARATOR)),
                   CTextLanguage::Ui().LongDate(when.date()),
                   when.time().toString(QStringLiteral("HH:mm"))}) +
              u'\n');
    });
    return kExitOk;
}

int CCliCommands::Cards()
{
    if (!m_parser.isSet("pdf") || m_parser.value("pdf").isEmpty())
        return UsageError(CStringTable::Load(IDS_CLI_CARDS_NEED_PDF));
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    // The same check as before sending: a drawing that no longer fits its list is not printed.
    if (!m_messages.Tell(doc.CheckNewestDrawing()))
        return kExitFailed;
    const CNameList& list = *doc.GetNewestList();
    QStringList names;
    if (m_parser.isSet("changed")) {
        if (m_parser.isSet("person"))
            return UsageError(
                CStringTable::Format(IDS_CLI_NO_SUCH_OPTION, {"cards --changed", "person"}));
        QList<const CPerson*> persons;
        if (const int nExit = ChangedOnly(doc, persons))
            return nExit;
        for (const CPerson* pPerson : std::as_const(persons))
            names.append(pPerson->m_strName);
    } else if (m_parser.isSet("person")) {
        const CPerson* pPerson = list.FindPerson(m_parser.value("person"));
        if (!pPerson)
            return Fail(IDS_CLI_NO_SUCH_PERSON, {0, m_parser.value("person")});
        if (!m_messages.Tell(CKivvoDoc::CheckGives(*pPerson)))
            return kExitFailed;
        names.append(pPerson->m_strName);
    }
    const QList<CCard> cards = CCardSheet::CardsOf(list, names);
    if (cards.isEmpty())
        return Fail(IDS_CARDS_NOBODY);
    const QString strPdf = m_parser.value("pdf");
    CCardSheet sheet(cards, list, doc.MailLanguage());
    sheet.SetSealed(doc.IsSealedDrawing(&list));
    const QString strError = sheet.WritePdf(strPdf);
    if (!strError.isEmpty())
        return Fail(IDS_CARDS_WRITE_ERROR, {strPdf, strError});
    const QString strDone =
        cards.size() == 1
            ? CStringTable::Format(IDS_CLI_CARD_WRITTEN, {list.m_strName, strPdf})
            : CStringTable::Format(IDS_CLI_CARDS_WRITTEN, {cards.size(), list.m_strName, strPdf});
    QStringList givers;
    for (const CCard& card : cards)
        givers.append(card.m_strGiver);
    doc.RecordTold(givers, CTold::onCard);
    return SaveAndReport(doc, strDone);
}

namespace {

// A line from standard input, without its line end.
QString ReadLine()
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return {};
    QString strLine = QString::fromUtf8(in.readLine());
    while (strLine.endsWith(u'\n') || strLine.endsWith(u'\r'))
        strLine.chop(1);
    return strLine;
}

// Asks on the terminal without showing what is typed.
QString AskHidden(QTextStream& err, const QString& strPrompt)
{
    err << strPrompt;
    err.flush();
    termios saved = {};
    const bool bTerminal = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (bTerminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    const QString strAnswer = ReadLine();
    if (bTerminal)
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    err << '\n';
    err.flush();
    return strAnswer;
}

QString OptionOf(ESettingsField field)
{
    switch (field) {
    case ESettingsField::Server:
        return QStringLiteral("server");
    case ESettingsField::Port:
        return QStringLiteral("port");
    case ESettingsField::From:
        break;
    }
    return QStringLiteral("from");
}

// The text of a field; empty when it was never set.
QString ValueOf(const CSettings& settings, ESettingsField field)
{
    switch (field) {
    case ESettingsField::Server:
        return settings.m_strServer;
    case ESettingsField::Port:
        return QString::number(settings.m_nPort);
    case ESettingsField::From:
        break;
    }
    return settings.m_strFrom;
}

QString MailOptionsToSet(const CSettings& settings)
{
    QStringList options;
    for (const CSettingsProblem& problem : settings.Problems())
        options.append(QStringLiteral("--") + OptionOf(problem.m_field));
    return options.join(QStringLiteral(", "));
}

QString ShownSetting(const QString& strValue)
{
    return strValue.isEmpty() ? CStringTable::Load(IDS_CLI_NOT_SET) : strValue;
}

} // namespace

void CCliCommands::PrintSettings()
{
    const CSettings& settings = m_app.m_settings;
    const QString strPassword = CStringTable::Load(
        settings.m_strPassword.isEmpty() ? IDS_PASSWORD_NONE : IDS_CLI_PASSWORD_SET);
    Print(
        CStringTable::Format(IDS_CLI_SETTINGS,
                             {ShownSetting(settings.m_strServer), settings.m_nPort,
                              ShownSetting(settings.m_strFrom), ShownSetting(settings.m_strUser),
                              strPassword, ShownSetting(settings.m_strFooter),
                              m_app.SettingsPath()}) +
        (settings.m_bRequireTls ? CStringTable::Load(IDS_CLI_REQUIRE_TLS_ON) + u'\n' : QString()) +
        m_app.PasswordPlace() + u'\n');
}

int CCliCommands::Config()
{
    m_app.Initialise();
    if (m_parser.optionNames().isEmpty()) {
        PrintSettings();
        return kExitOk;
    }
    // The test mail alone changes no setting.
    if (m_parser.optionNames() == QStringList{"test-mail"})
        return SendTestMail(m_app.m_settings);
    CSettings settings = m_app.m_settings;
    if (m_parser.isSet("port")) {
        bool bOk = false;
        settings.m_nPort = m_parser.value("port").toInt(&bOk);
        if (!bOk)
            return UsageError(CStringTable::Format(IDS_CLI_BAD_PORT, {m_parser.value("port")}));
    }
    const std::pair<const char*, QString*> fields[] = {
        {"server", &settings.m_strServer}, {"from", &settings.m_strFrom},
        {"user", &settings.m_strUser},     {"password", &settings.m_strPassword},
        {"footer", &settings.m_strFooter},
    };
    for (const auto& [pOption, pField] : fields) {
        if (m_parser.isSet(pOption))
            *pField = m_parser.value(pOption);
    }
    if (m_parser.isSet("require-tls") &&
        !ParseSwitch(m_parser.value("require-tls"), settings.m_bRequireTls))
        return UsageError(CStringTable::Format(IDS_CLI_BAD_SWITCH,
                                               {"require-tls", m_parser.value("require-tls")}));
    if (m_parser.isSet("password"))
        m_err << CStringTable::Load(IDS_CLI_PASSWORD_VISIBLE) << '\n';
    if (m_parser.isSet("password-stdin"))
        settings.m_strPassword = ReadLine();
    if (m_parser.isSet("password-prompt")) {
        if (!isatty(STDIN_FILENO))
            return UsageError(CStringTable::Load(IDS_CLI_NO_TERMINAL));
        settings.m_strPassword = AskHidden(m_err, CStringTable::Load(IDS_CLI_PASSWORD_PROMPT));
    }
    // A value given is checked; one still to be set may come with a later call.
    bool bBad = false;
    for (const CSettingsProblem& problem : settings.Problems()) {
        if (ValueOf(settings, problem.m_field).isEmpty())
            continue;
        m_err << CStringTable::Format(IDS_CLI_BAD_SETTING,
                                      {OptionOf(problem.m_field), problem.m_strMessage})
              << '\n';
        bBad = true;
    }
    if (bBad)
        return kExitUsage;
    QString strError;
    if (!m_app.StoreSettings(settings, strError))
        return Fail(IDS_CLI_SETTINGS_NOT_SAVED, {m_app.SettingsPath(), strError});
    Print(CStringTable::Format(IDS_CLI_SETTINGS_SAVED, {m_app.SettingsPath()}) + u'\n' +
          m_app.PasswordPlace() + u'\n');
    if (!settings.IsMailSetUp())
        m_err << CStringTable::Format(IDS_CLI_MAIL_STILL_NOT_SET_UP, {MailOptionsToSet(settings)})
              << '\n';
    return m_parser.isSet("test-mail") ? SendTestMail(settings) : kExitOk;
}

int CCliCommands::SendTestMail(const CSettings& settings)
{
    const QString strTo = CMailAddress::Bare(m_parser.value("test-mail"));
    if (!CMailAddress::IsValid(strTo))
        return UsageError(
            CStringTable::Format(IDS_SMTP_BAD_ADDRESS, {m_parser.value("test-mail")}));
    if (!settings.IsMailSetUp())
        return Fail(IDS_CLI_MAIL_NOT_SET_UP, {MailOptionsToSet(settings)});
    CSendRun run(settings, {CMailJob::Test(strTo)});
    run.Run();
    if (run.Result(0).m_outcome == ESendOutcome::Sent) {
        Print(CStringTable::Format(IDS_SETTINGS_TEST_SENT, {strTo}) + u'\n');
        return kExitOk;
    }
    QString strWhy = run.StopMessageId() ? run.StopMessage() : run.Result(0).m_strReason;
    return Fail(IDS_SETTINGS_TEST_FAILED,
                {strWhy.replace(QStringLiteral("\r\n"), QStringLiteral(" "))});
}

int CCliCommands::Contacts()
{
    m_app.Initialise();
    CKivvoApp::LoadContactsProc(&m_app);
    if (m_parser.isSet("lookup")) {
        QString strAddress;
        QString strFirstName;
        QString strLastName;
        if (!m_app.LookupContact(m_parser.value("lookup"), strAddress, strFirstName, strLastName))
            return Fail(IDS_CLI_NO_CONTACT, {m_parser.value("lookup")});
        Print(CStringTable::Format(IDS_CLI_LOOKUP, {strAddress, strFirstName, strLastName}));
        return kExitOk;
    }
    QStringList names;
    m_app.FillContactCombo(names);
    // Written in blocks, not a write per name: address books run to many thousands.
    constexpr qsizetype kBlock = 32 * 1024;
    QString strBlock;
    for (const QString& strName : std::as_const(names)) {
        if (strName.isEmpty())
            continue;
        strBlock += strName + u'\n';
        if (strBlock.size() >= kBlock) {
            Print(strBlock);
            strBlock.clear();
        }
    }
    if (!strBlock.isEmpty())
        Print(strBlock);
    return kExitOk;
}
