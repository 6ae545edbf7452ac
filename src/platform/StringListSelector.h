#pragma once

#include "ListSelector.h"

#include <QStringList>

// A list selector that only keeps its items and selection.
class CStringListSelector : public CListSelector
{
public:
    void ResetContent() override
    {
        m_items.clear();
        m_nCurSel = -1;
    }
    int AddString(const QString& str) override
    {
        m_items.append(str);
        return static_cast<int>(m_items.size()) - 1;
    }
    int GetCount() const override { return static_cast<int>(m_items.size()); }
    QString GetText(int nIndex) const override { return m_items.value(nIndex); }
    void SetCurSel(int nIndex) override { m_nCurSel = nIndex < GetCount() ? nIndex : -1; }
    int GetCurSel() const override { return m_nCurSel; }

    const QStringList& Items() const { return m_items; }

private:
    QStringList m_items;
    int m_nCurSel = -1;
};
