#pragma once

#include "platform/MessageHandler.h"

#include <QHash>
#include <QSet>

class QTextStream;

// Message boxes on a terminal: every text goes to the error stream; a question is answered
// by a fixed answer for its number, else Yes with --yes, else asked on a terminal, else No.
class CCliMessageHandler : public CMessageHandler
{
public:
    explicit CCliMessageHandler(QTextStream& err) : m_err(err) {}

    void SetAssumeYes(bool bYes) { m_bAssumeYes = bYes; }
    void SetFixedAnswer(int nStringId, int nAnswer) { m_fixedAnswers.insert(nStringId, nAnswer); }

    int Show(int nStringId, EBoxKind kind, const QString& strText) override;
    bool HasShown(int nStringId) const { return m_shown.contains(nStringId); }

private:
    int Ask() const;

    QTextStream& m_err;
    bool m_bAssumeYes = false;
    QHash<int, int> m_fixedAnswers;
    QSet<int> m_shown;
};
