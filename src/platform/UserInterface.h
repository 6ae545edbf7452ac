#pragma once

class CListSelector;
class CNameList;

// What the document needs of the user interface without knowing any widget: the list
// selector of the main window and the pass-around dialog. Each front end supplies its own.
class CUserInterface
{
public:
    virtual ~CUserInterface() = default;

    // The main window's list selector; null when there is none.
    virtual CListSelector* GetListSelector() = 0;

    // Runs the pass-around dialog modally on the list; nMode 0 draws, 1 shows.
    virtual void RunDrawNamesDialog(CNameList* pList, int nMode) = 0;
};
