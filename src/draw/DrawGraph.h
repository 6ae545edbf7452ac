#pragma once

#include <QHash>
#include <QString>

#include <vector>

class CNameList;
class CPerson;

// The persons of a list as numbers, with what the three rules need to say in constant time
// whether one person may give to another: his group, his name and last time's recipient.
// Persons are numbered in the flattened order of the list.
class CDrawGraph
{
public:
    CDrawGraph(const CNameList& list, const CNameList* pPrevious);

    int Count() const { return static_cast<int>(m_persons.size()); }
    CPerson* Person(int n) const { return m_persons[size_t(n)]; }
    // Grouped persons first, in list order, then the top-level persons.
    const std::vector<int>& GiverOrder() const { return m_giverOrder; }

    bool Allows(int nGiver, int nRecipient) const
    {
        return nGiver != nRecipient && !SameGroup(nGiver, nRecipient) &&
               !WasLastRecipient(nGiver, nRecipient);
    }
    bool SameGroup(int nGiver, int nRecipient) const
    {
        return m_group[size_t(nGiver)] >= 0 &&
               m_group[size_t(nGiver)] == m_group[size_t(nRecipient)];
    }
    // The recipient bears the exact name the giver gave to last time.
    bool WasLastRecipient(int nGiver, int nRecipient) const
    {
        return m_avoid[size_t(nGiver)] >= 0 &&
               m_avoid[size_t(nGiver)] == m_nameId[size_t(nRecipient)];
    }

    // The group's number, or -1 for a top-level person; the persons of group nGroup.
    int Group(int n) const { return m_group[size_t(n)]; }
    const std::vector<int>& Members(int nGroup) const { return m_members[size_t(nGroup)]; }
    // The persons bearing exactly the name last time's recipient of the giver bears.
    std::vector<int> LastRecipients(int nGiver) const;
    // The persons bearing exactly this name.
    std::vector<int> PersonsNamed(const QString& strName) const;

private:
    void AddPersons(const CNameList& list);
    void AddPerson(CPerson* pPerson, int nGroup);
    void AvoidLastRecipients(const CNameList& previous);

    std::vector<CPerson*> m_persons;
    std::vector<int> m_giverOrder;
    std::vector<int> m_group;  // per person
    std::vector<int> m_nameId; // per person: equal names, equal ids
    std::vector<int> m_avoid;  // per person: name id of last time's recipient, or -1
    std::vector<std::vector<int>> m_members;
    std::vector<int> m_firstNamed; // per name id: the first person bearing it
    std::vector<int> m_lastNamed;  // per name id: the last person bearing it
    std::vector<int> m_nextNamed;  // per person: the next person of the same name, or -1
    QHash<QString, int> m_nameIds;
};
