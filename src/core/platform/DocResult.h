#pragma once

#include "text/StringTable.h"

#include <QVariantList>

// What an operation of the document did: done, or refused with the message that says why.
// Success may carry a message too (a name made unique). The operation asks nothing and shows
// nothing; each front end tells the message its own way.
class CDocResult
{
public:
    CDocResult() = default;

    static CDocResult Refused(int nMessageId, const QVariantList& arguments = {})
    {
        return CDocResult(false, nMessageId, arguments);
    }
    static CDocResult DoneWith(int nMessageId, const QVariantList& arguments = {})
    {
        return CDocResult(true, nMessageId, arguments);
    }

    bool IsDone() const { return m_bDone; }
    explicit operator bool() const { return m_bDone; }
    // 0 when there is nothing to tell.
    int MessageId() const { return m_nMessageId; }
    const QVariantList& Arguments() const { return m_arguments; }
    QString Message() const
    {
        return m_nMessageId
                   ? CStringTable::Format(m_nMessageId, {m_arguments.value(0), m_arguments.value(1),
                                                         m_arguments.value(2)})
                   : QString();
    }

private:
    CDocResult(bool bDone, int nMessageId, const QVariantList& arguments)
        : m_bDone(bDone), m_nMessageId(nMessageId), m_arguments(arguments)
    {
    }

    bool m_bDone = true;
    int m_nMessageId = 0;
    QVariantList m_arguments;
};
