#pragma once

class CPerson;

// The persons one giver may still draw. Owns its nodes, never the persons.
class CNameHat
{
public:
    CNameHat() = default;
    ~CNameHat() { RemoveAll(); }
    CNameHat(const CNameHat&) = delete;
    CNameHat& operator=(const CNameHat&) = delete;

    void Add(CPerson* pPerson);
    // Pulls one person at random and marks him picked; null (with a message) when empty.
    CPerson* DrawOne();
    void RemoveAll();

    int GetCount() const { return m_nCount; }

private:
    struct CNode
    {
        CPerson* m_pPerson;
        CNode* m_pNext;
    };

    CNode* m_pFirst = nullptr;
    CNode* m_pLast = nullptr;
    int m_nCount = 0;
};
