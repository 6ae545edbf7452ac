#pragma once

#include "platform/StringListSelector.h"
#include "platform/UserInterface.h"

class QTextStream;

// The command-line tool has no windows: its list selector only keeps the names, the
// pass-around question is always answered No, so the dialog is never asked for, and a send
// run prints one line per participant as it goes, then the summary.
class CCliUserInterface : public CUserInterface
{
public:
    CCliUserInterface() = default;
    // Where a send run prints its lines and its one stop message.
    CCliUserInterface(QTextStream* pOut, QTextStream* pErr) : m_pOut(pOut), m_pErr(pErr) {}

    CListSelector* GetListSelector() override { return &m_selector; }
    void RunDrawNamesDialog(CNameList*, int) override {}
    bool RunSend(CSendRun* pRun, bool bConfirm) override;

    const CStringListSelector& Selector() const { return m_selector; }
    // A send run went through and every participant with an address was sent his e-mail.
    bool AllSent() const { return m_bAllSent; }

private:
    CStringListSelector m_selector;
    QTextStream* m_pOut = nullptr;
    QTextStream* m_pErr = nullptr;
    bool m_bAllSent = false;
};
