#pragma once

#include <QHash>
#include <QString>

#include <vector>

class CNameList;
class CPerson;

// The persons of a list as numbers, with what the rules need to say quickly whether one
// person may give to another: his group, and the few persons barred to him by name — those
// he never draws and those he gave to in the exchanges that count. Persons are numbered in
// the flattened order of the list.
class CDrawGraph
{
public:
    // Why a giver may not draw a person barred to him by name.
    enum EBar : unsigned char
    {
        barExcluded = 1,
        barHistory = 2,
    };
    struct CBar
    {
        int m_nRecipient;
        unsigned char m_nWhy; // EBar bits
    };

    // history: the earlier drawings whose recipients are avoided, newest first.
    CDrawGraph(const CNameList& list, const std::vector<const CNameList*>& history);

    int Count() const { return static_cast<int>(m_persons.size()); }
    CPerson* Person(int n) const { return m_persons[size_t(n)]; }
    // Grouped persons first, in list order, then the top-level persons.
    const std::vector<int>& GiverOrder() const { return m_giverOrder; }
    // How many earlier drawings count for the history rule.
    int HistoryLength() const { return m_nHistory; }

    bool Allows(int nGiver, int nRecipient) const
    {
        return nGiver != nRecipient && !SameGroup(nGiver, nRecipient) &&
               Barred(nGiver, nRecipient) == 0;
    }
    bool SameGroup(int nGiver, int nRecipient) const
    {
        return m_group[size_t(nGiver)] >= 0 &&
               m_group[size_t(nGiver)] == m_group[size_t(nRecipient)];
    }
    // EBar bits of why the giver may not draw the recipient by name; 0 when nothing bars him.
    unsigned char Barred(int nGiver, int nRecipient) const
    {
        const int nEnd = m_barStart[size_t(nGiver) + 1];
        for (int i = m_barStart[size_t(nGiver)]; i < nEnd; ++i) {
            if (m_bars[size_t(i)].m_nRecipient == nRecipient)
                return m_bars[size_t(i)].m_nWhy;
        }
        return 0;
    }
    // The persons barred to the giver by name, with the reasons.
    const CBar* BarsBegin(int nGiver) const { return m_bars.data() + m_barStart[size_t(nGiver)]; }
    const CBar* BarsEnd(int nGiver) const { return m_bars.data() + m_barStart[size_t(nGiver) + 1]; }

    // The group's number, or -1 for a top-level person; the persons of group nGroup.
    int Group(int n) const { return m_group[size_t(n)]; }
    const std::vector<int>& Members(int nGroup) const { return m_members[size_t(nGroup)]; }
    // The persons bearing exactly this name.
    std::vector<int> PersonsNamed(const QString& strName) const;

    // Whether the person gives, and whether he receives (see ERole).
    bool Gives(int n) const { return m_gives[size_t(n)] != 0; }
    bool Receives(int n) const { return m_receives[size_t(n)] != 0; }
    // Whether anybody gives only or receives only.
    bool HasRoles() const { return m_bRoles; }

private:
    struct CBarOf
    {
        int m_nGiver;
        CBar m_bar;
    };

    void AddPersons(const CNameList& list);
    void AddPerson(CPerson* pPerson, int nGroup);
    void BarHistory(const CNameList& previous, std::vector<CBarOf>& bars) const;
    void BarExclusions(const CNameList& list, std::vector<CBarOf>& bars) const;
    void BarNamed(int nGiver, int nName, unsigned char nWhy, std::vector<CBarOf>& bars) const;
    void IndexBars(std::vector<CBarOf>& bars);

    std::vector<CPerson*> m_persons;
    std::vector<int> m_giverOrder;
    std::vector<int> m_group;     // per person
    std::vector<char> m_gives;    // per person
    std::vector<char> m_receives; // per person
    bool m_bRoles = false;
    std::vector<int> m_nameId; // per person: equal names, equal ids
    std::vector<std::vector<int>> m_members;
    std::vector<int> m_firstNamed; // per name id: the first person bearing it
    std::vector<int> m_lastNamed;  // per name id: the last person bearing it
    std::vector<int> m_nextNamed;  // per person: the next person of the same name, or -1
    QHash<QString, int> m_nameIds;
    std::vector<int> m_barStart; // per giver, and one past the last: his bars in m_bars
    std::vector<CBar> m_bars;
    int m_nHistory = 0;
};
