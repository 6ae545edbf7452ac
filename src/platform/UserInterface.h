#pragma once

class CListSelector;

// What the document needs of the user interface without knowing any widget: the list
// selector of the main window, which names every drawing. Each front end supplies its own.
class CUserInterface
{
public:
    virtual ~CUserInterface() = default;

    // The main window's list selector; null when there is none.
    virtual CListSelector* GetListSelector() = 0;
};
