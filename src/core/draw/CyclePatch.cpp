#include "draw/CyclePatch.h"

#include "draw/DrawGraph.h"

#include <QRandomGenerator>

#include <algorithm>

namespace {

// Random pairs tried before every pair is.
constexpr int kRandomTries = 64;

} // namespace

CCyclePatch::CCyclePatch(const CDrawGraph& graph) : m_graph(graph) {}

bool CCyclePatch::Run(std::vector<int>& drawing, bool bOneCircle, QRandomGenerator& random,
                      qint64 nBudget)
{
    m_recipient = drawing;
    m_nWork = 0;
    m_nBudget = nBudget;
    if (!(bOneCircle ? JoinCircle(random) : BreakPairs(random)))
        return false;
    drawing = m_recipient;
    return true;
}

bool CCyclePatch::JoinCircle(QRandomGenerator& random)
{
    const int nCount = m_graph.Count();
    std::vector<char> seen(size_t(nCount), 0);
    std::vector<std::vector<int>> cycles;
    for (int nFirst = 0; nFirst < nCount; ++nFirst) {
        if (seen[size_t(nFirst)])
            continue;
        cycles.emplace_back();
        for (int n = nFirst; !seen[size_t(n)]; n = m_recipient[size_t(n)]) {
            seen[size_t(n)] = 1;
            cycles.back().push_back(n);
        }
    }
    if (cycles.empty())
        return true;
    // The others join the largest, in a random order.
    std::iter_swap(cycles.begin(),
                   std::max_element(cycles.begin(), cycles.end(), [](const auto& a, const auto& b) {
                       return a.size() < b.size();
                   }));
    for (size_t i = cycles.size() - 1; i > 1; --i)
        std::swap(cycles[i], cycles[1 + random.bounded(quint32(i))]);
    for (size_t i = 1; i < cycles.size(); ++i) {
        if (!Join(cycles.front(), cycles[i], random))
            return false;
    }
    return true;
}

bool CCyclePatch::BreakPairs(QRandomGenerator& random)
{
    const int nCount = m_graph.Count();
    for (int n = 0; n < nCount; ++n) {
        const int nMate = m_recipient[size_t(n)];
        if (m_recipient[size_t(nMate)] != n || nMate < n)
            continue;
        // Any other cycle will do: joined, the pair is part of a cycle of four or more.
        const auto other = [n, nMate](int nOther) { return nOther != n && nOther != nMate; };
        bool bBroken = false;
        for (int nTry = 0; nTry < kRandomTries && !bBroken; ++nTry) {
            const int nOther = int(random.bounded(quint32(nCount)));
            bBroken = other(nOther) && TryExchange(random.bounded(2u) ? n : nMate, nOther);
        }
        for (int nOther = 0; nOther < nCount && !bBroken && m_nWork < m_nBudget; ++nOther)
            bBroken = other(nOther) && (TryExchange(n, nOther) || TryExchange(nMate, nOther));
        if (!bBroken)
            return false;
    }
    return true;
}

bool CCyclePatch::Join(std::vector<int>& joined, const std::vector<int>& other,
                       QRandomGenerator& random)
{
    bool bJoined = false;
    for (int nTry = 0; nTry < kRandomTries && !bJoined; ++nTry)
        bJoined = TryExchange(joined[random.bounded(quint32(joined.size()))],
                              other[random.bounded(quint32(other.size()))]);
    for (size_t i = 0; i < other.size() && !bJoined && m_nWork < m_nBudget; ++i) {
        for (size_t j = 0; j < joined.size() && !bJoined; ++j)
            bJoined = TryExchange(joined[j], other[i]);
    }
    if (bJoined)
        joined.insert(joined.end(), other.begin(), other.end());
    return bJoined;
}

bool CCyclePatch::TryExchange(int nGiver, int nOther)
{
    ++m_nWork;
    const int nRecipient = m_recipient[size_t(nGiver)];
    const int nOtherRecipient = m_recipient[size_t(nOther)];
    if (!m_graph.Allows(nGiver, nOtherRecipient) || !m_graph.Allows(nOther, nRecipient))
        return false;
    m_recipient[size_t(nGiver)] = nOtherRecipient;
    m_recipient[size_t(nOther)] = nRecipient;
    return true;
}
