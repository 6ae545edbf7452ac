#pragma once

#include <vector>

class CPerson;

// The persons one giver may still draw, in the order they were added. Refers to the
// persons, never owns them.
class CNameHat
{
public:
    void Add(CPerson* pPerson) { m_persons.push_back(pPerson); }
    // Pulls one person at random and marks him picked; null (with a message) when empty.
    CPerson* DrawOne();
    void RemoveAll() { m_persons.clear(); }

    int GetCount() const { return static_cast<int>(m_persons.size()); }

private:
    // Contiguous, so a draw from a large circle costs no allocation per candidate and the
    // pick is reached directly instead of by walking a chain.
    std::vector<CPerson*> m_persons;
};
