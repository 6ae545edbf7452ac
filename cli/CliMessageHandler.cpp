#include "CliMessageHandler.h"

#include "platform/DocResult.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QTextStream>

#include <cstdio>
#include <unistd.h>

void CCliMessageHandler::Show(const QString& strText)
{
    QString strShown = strText;
    strShown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_err << strShown;
}

void CCliMessageHandler::Tell(const QString& strText)
{
    Show(strText);
    m_err << '\n';
    m_err.flush();
}

bool CCliMessageHandler::Tell(const CDocResult& result)
{
    if (result.MessageId())
        Tell(result.Message());
    return result.IsDone();
}

bool CCliMessageHandler::Ask(int nStringId)
{
    return Ask(CStringTable::Load(nStringId));
}

bool CCliMessageHandler::Ask(const QString& strQuestion)
{
    Show(strQuestion);
    if (!m_bAssumeYes && isatty(STDIN_FILENO)) {
        m_err << CStringTable::Load(IDS_CLI_QUESTION_SUFFIX);
        m_err.flush();
        QTextStream in(stdin);
        const QString strAnswer = in.readLine().trimmed().toLower();
        return strAnswer == u"y" || strAnswer == u"yes";
    }
    m_err << (m_bAssumeYes ? " yes" : " no") << '\n';
    m_err.flush();
    return m_bAssumeYes;
}

void CCliMessageHandler::Decline(int nStringId)
{
    Show(CStringTable::Load(nStringId));
    m_err << " no" << '\n';
    m_err.flush();
}
