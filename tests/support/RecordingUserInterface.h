#pragma once

#include "platform/StringListSelector.h"
#include "platform/UserInterface.h"

#include <QList>

// A user interface that keeps the list selector's items and records every pass-around
// dialog the document asks for.
class CRecordingUserInterface : public CUserInterface
{
public:
    struct CDialogRun
    {
        CNameList* m_pList;
        int m_nMode;
    };

    CListSelector* GetListSelector() override { return &m_selector; }
    void RunDrawNamesDialog(CNameList* pList, int nMode) override
    {
        m_dialogs.append({pList, nMode});
    }

    CStringListSelector m_selector;
    QList<CDialogRun> m_dialogs;
};
