#pragma once

#include "platform/Framework.h"
#include "res/Resource.h"

class CListSelector;
class CNameList;
class CSendRun;

// What the document needs of the user interface without knowing any widget: the list
// selector of the main window, the pass-around dialog and the progress of sending. Each
// front end supplies its own.
class CUserInterface
{
public:
    virtual ~CUserInterface() = default;

    // The main window's list selector; null when there is none.
    virtual CListSelector* GetListSelector() = 0;

    // Runs the pass-around dialog modally on the list; nMode 0 draws, 1 shows.
    virtual void RunDrawNamesDialog(CNameList* pList, int nMode) = 0;

    // Runs the send run and shows its progress, taking the run over (it is a QObject to
    // parent or delete). false: not taken; the document runs it and reports in message boxes.
    virtual bool RunSend(CSendRun* /*pRun*/, bool /*bConfirm*/) { return false; }

    // Mail is not set up: lets the user set it up now. true when it is set up then; false
    // when it is not, the user having been told why nothing is sent.
    virtual bool SetUpMail()
    {
        CFramework::MessageBox(IDS_MAIL_NOT_SET_UP, EBoxKind::OkExclamation);
        return false;
    }
};
