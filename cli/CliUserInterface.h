#pragma once

#include "platform/StringListSelector.h"
#include "platform/UserInterface.h"

class CSendRun;
class QTextStream;

// The command-line tool has no windows: its list selector only keeps the names.
class CCliUserInterface : public CUserInterface
{
public:
    CListSelector* GetListSelector() override { return &m_selector; }
    const CStringListSelector& Selector() const { return m_selector; }

    // Runs the send here, printing one line per participant as it goes, then the summary,
    // and deletes it; true when every participant with an address was sent his e-mail.
    static bool RunSend(CSendRun* pRun, QTextStream& out, QTextStream& err);

private:
    CStringListSelector m_selector;
};
