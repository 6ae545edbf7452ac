#pragma once

#include <QString>

class CDocResult;
class QTextStream;

// What kivvo-cli tells and asks, on the error stream: a message as a line; a question
// answered Yes with --yes, else asked on a terminal, else No, the answer echoed.
class CCliMessageHandler
{
public:
    explicit CCliMessageHandler(QTextStream& err) : m_err(err) {}

    void SetAssumeYes(bool bYes) { m_bAssumeYes = bYes; }

    void Tell(const QString& strText);
    // Tells a result's message, if it has one; returns whether it was a success.
    bool Tell(const CDocResult& result);
    // Asks the question (or the one with that number); true for Yes.
    bool Ask(const QString& strQuestion);
    bool Ask(int nStringId);
    // A question that nobody at a terminal can answer Yes to here: shown, answered No.
    void Decline(int nStringId);

private:
    void Show(const QString& strText);

    QTextStream& m_err;
    bool m_bAssumeYes = false;
};
