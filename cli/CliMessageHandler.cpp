#include "CliMessageHandler.h"

#include "res/Resource.h"
#include "res/StringTable.h"

#include <QTextStream>

#include <cstdio>
#include <unistd.h>

int CCliMessageHandler::Show(int nStringId, EBoxKind kind, const QString& strText)
{
    m_shown.insert(nStringId);
    QString strShown = strText;
    strShown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_err << strShown;
    if (!IsQuestion(kind)) {
        m_err << '\n';
        m_err.flush();
        return IDOK;
    }
    int nAnswer = IDNO;
    if (m_fixedAnswers.contains(nStringId))
        nAnswer = m_fixedAnswers.value(nStringId);
    else if (m_bAssumeYes)
        nAnswer = IDYES;
    else if (isatty(STDIN_FILENO))
        return Ask();
    m_err << (nAnswer == IDYES ? " yes" : " no") << '\n';
    m_err.flush();
    return nAnswer;
}

int CCliMessageHandler::Ask() const
{
    m_err << CStringTable::Load(IDS_CLI_QUESTION_SUFFIX);
    m_err.flush();
    QTextStream in(stdin);
    const QString strAnswer = in.readLine().trimmed().toLower();
    return strAnswer == u"y" || strAnswer == u"yes" ? IDYES : IDNO;
}
