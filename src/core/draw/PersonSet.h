#pragma once

#include <cstddef>
#include <vector>

// A set of person numbers that gives a random member, and takes one out or back in, in
// constant time: the members lie in an array, and each person knows his place in it.
class CPersonSet
{
public:
    void Reset(const std::vector<int>& members, int nCount)
    {
        m_members.clear();
        m_position.assign(static_cast<std::size_t>(nCount), -1);
        for (const int n : members)
            Add(n);
    }
    void Add(int n)
    {
        if (m_position[std::size_t(n)] >= 0)
            return;
        m_position[std::size_t(n)] = int(m_members.size());
        m_members.push_back(n);
    }
    // The last member takes the place of the one taken out.
    void Remove(int n)
    {
        const int nAt = m_position[std::size_t(n)];
        if (nAt < 0)
            return;
        const int nLast = m_members.back();
        m_members[std::size_t(nAt)] = nLast;
        m_position[std::size_t(nLast)] = nAt;
        m_members.pop_back();
        m_position[std::size_t(n)] = -1;
    }
    const std::vector<int>& Members() const { return m_members; }

private:
    std::vector<int> m_members;
    std::vector<int> m_position; // per person, -1 when not a member
};
