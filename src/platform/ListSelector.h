#pragma once

#include <QString>

// The drop-down list through which the user chooses one of the document's drawings.
// The desktop binds it to a combo box; the command-line tool and the tests keep strings.
class CListSelector
{
public:
    virtual ~CListSelector() = default;

    virtual void ResetContent() = 0;
    virtual int AddString(const QString& str) = 0; // returns the new item's index
    virtual int GetCount() const = 0;
    virtual QString GetText(int nIndex) const = 0;
    virtual void SetCurSel(int nIndex) = 0;
    virtual int GetCurSel() const = 0; // -1 when nothing is selected
};
