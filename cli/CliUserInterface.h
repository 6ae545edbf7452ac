#pragma once

#include "platform/StringListSelector.h"
#include "platform/UserInterface.h"

// The command-line tool has no windows: its list selector only keeps the names, and the
// pass-around question is always answered No, so the dialog is never asked for.
class CCliUserInterface : public CUserInterface
{
public:
    CListSelector* GetListSelector() override { return &m_selector; }
    void RunDrawNamesDialog(CNameList*, int) override {}

    const CStringListSelector& Selector() const { return m_selector; }

private:
    CStringListSelector m_selector;
};
