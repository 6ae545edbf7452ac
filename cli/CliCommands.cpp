#include "CliCommands.h"

#include "CliMessageHandler.h"
#include "CliUserInterface.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QFileInfo>
#include <QTextStream>

#include <functional>
#include <map>

namespace {

CGroup* FindGroup(const CNameList& list, const QString& strName)
{
    for (CListItem* pItem = list.m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (pItem->IsGroup() && pItem->m_strName == strName)
            return static_cast<CGroup*>(pItem);
    }
    return nullptr;
}

} // namespace

CCliCommands::CCliCommands(QTextStream& out, QTextStream& err, CCliMessageHandler& messages)
    : m_out(out), m_err(err), m_messages(messages)
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOptions({
        {"list", "", "N"},
        {"gift-to", ""},
        {"group", "", "GROUP"},
        {"address", "", "A"},
        {"suggestions", "", "S"},
        {"yes", ""},
        {{"h", "help"}, ""},
    });
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
    m_err << CStringTable::Format(IDS_CLI_WRONG_ARGUMENTS, {strWhy}) << '\n';
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
    if (!m_parser.parse(QStringList{QStringLiteral("kivvo-cli")} + arguments))
        return UsageError(m_parser.errorText());
    if (m_parser.isSet("help") || arguments.isEmpty()) {
        Print(CStringTable::Load(IDS_CLI_USAGE));
        return arguments.isEmpty() ? kExitUsage : kExitOk;
    }
    struct CCommandSpec
    {
        int (CCliCommands::*m_pRun)();
        int m_nArgs;           // positional arguments after FILE
        QStringList m_options; // options the command accepts
    };
    static const std::map<QString, CCommandSpec> commands = {
        {"new", {&CCliCommands::New, 0, {}}},
        {"lists", {&CCliCommands::Lists, 0, {}}},
        {"report", {&CCliCommands::Report, 0, {"list", "gift-to"}}},
        {"add", {&CCliCommands::Add, 1, {"group", "address", "suggestions"}}},
        {"add-group", {&CCliCommands::AddGroup, 1, {}}},
        {"remove", {&CCliCommands::Remove, 1, {}}},
        {"rename-list", {&CCliCommands::RenameList, 1, {}}},
        {"draw", {&CCliCommands::Draw, 0, {"yes"}}},
        {"copy", {&CCliCommands::Copy, 0, {"yes"}}},
    };

    QStringList positional = m_parser.positionalArguments();
    const QString strCommand = positional.takeFirst();
    const auto it = commands.find(strCommand);
    if (it == commands.end()) {
        m_err << CStringTable::Format(IDS_CLI_UNKNOWN_COMMAND, {strCommand}) << '\n';
        return kExitUsage;
    }
    const CCommandSpec& spec = it->second;
    if (positional.size() != 1 + spec.m_nArgs)
        return UsageError(QStringLiteral("%1 takes FILE%2")
                              .arg(strCommand, spec.m_nArgs ? QStringLiteral(" NAME") : QString()));
    for (const QString& strOption : m_parser.optionNames()) {
        if (!spec.m_options.contains(strOption))
            return UsageError(QStringLiteral("%1 does not take --%2").arg(strCommand, strOption));
    }
    m_strFile = positional.takeFirst();
    m_args = positional;
    m_messages.SetAssumeYes(m_parser.isSet("yes"));

    return std::invoke(spec.m_pRun, this);
}

bool CCliCommands::Open(CKivvoDoc& doc)
{
    return doc.OnOpenDocument(m_strFile);
}

int CCliCommands::SaveAndReport(CKivvoDoc& doc, const QString& strMessage)
{
    if (!doc.OnSaveDocument(m_strFile))
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
    CCliUserInterface ui;
    CKivvoDoc doc;
    doc.SetUserInterface(&ui);
    if (!Open(doc))
        return kExitFailed;
    for (const QString& strName : ui.Selector().Items())
        Print(strName + u'\n');
    return kExitOk;
}

int CCliCommands::Report()
{
    int nList = 0;
    if (m_parser.isSet("list")) {
        bool bOk = false;
        nList = m_parser.value("list").toInt(&bOk);
        if (!bOk || nList < 0)
            return UsageError(CStringTable::Format(IDS_CLI_BAD_NUMBER, {m_parser.value("list")}));
    }
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    const CListNode* pNode = doc.GetHeadNode();
    for (int i = 0; pNode && i < nList; ++i)
        pNode = pNode->m_pNext;
    if (!pNode)
        return Fail(IDS_CLI_NO_SUCH_LIST, {nList, doc.GetListCount()});
    QString strReport;
    pNode->m_pList->FormatReport(strReport, m_parser.isSet("gift-to"));
    Print(strReport);
    return kExitOk;
}

int CCliCommands::Add()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    CNameList& list = *doc.GetNewestList();
    list.UseEntriesAsHandles();
    CGroup* pGroup = nullptr;
    if (m_parser.isSet("group")) {
        pGroup = FindGroup(list, m_parser.value("group"));
        if (!pGroup)
            return Fail(IDS_CLI_NO_SUCH_GROUP, {m_parser.value("group")});
    }
    const QString strName = list.MakeUniqueName(m_args.at(0), QString());
    auto* pPerson = new CPerson(strName, m_parser.value("address"), m_parser.value("suggestions"));
    if (pGroup)
        list.AddToGroup(pPerson, pGroup->m_hItem);
    else
        list.Append(pPerson);
    doc.SetModifiedFlag();
    return SaveAndReport(doc, strName);
}

int CCliCommands::AddGroup()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    doc.GetNewestList()->Append(new CGroup(m_args.at(0)));
    doc.SetModifiedFlag();
    return SaveAndReport(doc, m_args.at(0));
}

int CCliCommands::Remove()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    CNameList& list = *doc.GetNewestList();
    list.UseEntriesAsHandles();
    const QString& strName = m_args.at(0);
    CListItem* pItem = list.FindPerson(strName);
    if (!pItem)
        pItem = FindGroup(list, strName);
    if (!pItem)
        return Fail(IDS_CLI_NO_SUCH_ENTRY, {strName});
    const QString strRemoved = pItem->m_strName;
    list.Remove(pItem->m_hItem);
    doc.SetModifiedFlag();
    return SaveAndReport(doc, CStringTable::Format(IDS_CLI_REMOVED, {strRemoved}));
}

int CCliCommands::RenameList()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    doc.GetNewestList()->m_strName = m_args.at(0);
    doc.SetModifiedFlag();
    return SaveAndReport(doc, m_args.at(0));
}

int CCliCommands::Draw()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    if (!doc.CanDrawNames())
        return Fail(IDS_CLI_DRAW_UNAVAILABLE);
    // Nobody can pass a terminal around, and e-mails are their own command.
    m_messages.SetFixedAnswer(IDS_ASK_PASS_AROUND, IDNO);
    m_messages.SetFixedAnswer(IDS_ASK_SEND_NOW, IDNO);
    doc.OnDrawNames();
    if (!doc.IsModified())
        return Fail(IDS_CLI_NOT_DRAWN);
    return SaveAndReport(
        doc, CStringTable::Format(IDS_CLI_DRAWN, {doc.GetNewestList()->CountPersons(), m_strFile}));
}

int CCliCommands::Copy()
{
    CKivvoDoc doc;
    if (!Open(doc))
        return kExitFailed;
    doc.OnCopyForNextExchange();
    if (!doc.IsModified())
        return Fail(IDS_CLI_NOT_COPIED);
    return SaveAndReport(
        doc, CStringTable::Format(IDS_CLI_COPIED, {doc.GetNewestList()->m_strName, m_strFile}));
}
