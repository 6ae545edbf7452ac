#include "draw/GiftSearch.h"

#include "draw/DrawGraph.h"
#include "draw/Shuffle.h"

#include <QRandomGenerator>

#include <bit>
#include <numeric>

CGiftSearch::CGiftSearch(const CDrawGraph& graph, const CGiftCounts& counts)
    : m_graph(graph), m_counts(counts)
{
}

bool CGiftSearch::CanSearch() const
{
    return m_graph.Count() <= kMaxPersons;
}

CGiftSearch::EResult CGiftSearch::Search(QRandomGenerator& random, qint64 nMaxWork, CGifts& gifts)
{
    const int nCount = m_graph.Count();
    m_givers.clear();
    for (const int n : m_graph.GiverOrder()) {
        if (m_graph.Gives(n))
            m_givers.push_back(n);
    }
    m_byRank.clear();
    for (int n = 0; n < nCount; ++n) {
        if (m_graph.Receives(n))
            m_byRank.push_back(n);
    }
    Shuffle(m_byRank, random);
    m_rankOf.assign(size_t(nCount), -1);
    for (size_t k = 0; k < m_byRank.size(); ++k)
        m_rankOf[size_t(m_byRank[k])] = int(k);
    m_allowed.assign(size_t(nCount), 0);
    m_allowedGiver.assign(m_byRank.size(), 0);
    for (size_t nAt = 0; nAt < m_givers.size(); ++nAt) {
        const int nGiver = m_givers[nAt];
        for (size_t k = 0; k < m_byRank.size(); ++k) {
            if (!m_graph.Allows(nGiver, m_byRank[k]))
                continue;
            m_allowed[size_t(nGiver)] |= CMask(1) << k;
            m_allowedGiver[k] |= CMask(1) << nAt;
        }
    }
    m_gave.assign(size_t(nCount), 0);
    m_received.assign(m_byRank.size(), 0);
    m_nBeyondLow = 0;
    m_nWork = 0;
    m_nMaxWork = nMaxWork;
    if (!Next(0, 0, 0))
        return m_nWork > m_nMaxWork ? resultGaveUp : resultImpossible;
    gifts.assign(size_t(nCount), {});
    for (const int nGiver : m_givers) {
        for (CMask mask = m_gave[size_t(nGiver)]; mask != 0; mask &= mask - 1)
            gifts[size_t(nGiver)].push_back(m_byRank[size_t(std::countr_zero(mask))]);
    }
    return resultFound;
}

CGiftSearch::CMask CGiftSearch::Room() const
{
    CMask room = 0;
    for (size_t k = 0; k < m_byRank.size(); ++k) {
        if (HasRoom(m_counts, m_received[k], m_nBeyondLow))
            room |= CMask(1) << k;
    }
    return room;
}

bool CGiftSearch::Hopeless(int nGiverAt) const
{
    // The givers from nGiverAt on, as places.
    const auto nGivers = int(m_givers.size());
    const CMask later = nGiverAt >= nGivers ? 0 : ~CMask(0) << nGiverAt;
    const CMask room = Room();
    for (size_t k = 0; k < m_byRank.size(); ++k) {
        const int nShort = m_counts.m_nLow - m_received[k];
        if (nShort <= 0)
            continue;
        // Those he gives to may not give to him.
        CMask able = m_allowedGiver[k] & later;
        for (CMask mask = able; mask != 0; mask &= mask - 1) {
            const int nAt = std::countr_zero(mask);
            const int nGiverRank = m_rankOf[size_t(m_givers[size_t(nAt)])];
            if (nGiverRank >= 0 && (m_gave[size_t(m_byRank[k])] >> nGiverRank & 1))
                able &= ~(CMask(1) << nAt);
        }
        if (std::popcount(able) < nShort)
            return true;
    }
    for (int nAt = nGiverAt; nAt < nGivers; ++nAt) {
        const int nGiver = m_givers[size_t(nAt)];
        if (std::popcount(m_allowed[size_t(nGiver)] & room) < m_counts.m_nGifts)
            return true;
    }
    return false;
}

bool CGiftSearch::Next(int nGiverAt, int nPicked, int nFirstRank)
{
    if (++m_nWork > m_nMaxWork)
        return false;
    if (nPicked == m_counts.m_nGifts) {
        ++nGiverAt, nPicked = 0, nFirstRank = 0;
        if (nGiverAt == int(m_givers.size()))
            return true;
        if (Hopeless(nGiverAt))
            return false;
    }
    const int nGiver = m_givers[size_t(nGiverAt)];
    const int nOwnRank = m_rankOf[size_t(nGiver)];
    const CMask fromFirst = nFirstRank >= kMaxPersons ? 0 : ~CMask(0) << nFirstRank;
    CMask candidates = m_allowed[size_t(nGiver)] & Room() & fromFirst;
    for (; candidates != 0; candidates &= candidates - 1) {
        // Enough candidates left for the gifts still to pick.
        if (std::popcount(candidates) < m_counts.m_nGifts - nPicked)
            return false;
        const int nRank = std::countr_zero(candidates);
        const int nReceiver = m_byRank[size_t(nRank)];
        // No pair who draw each other.
        if (nOwnRank >= 0 && (m_gave[size_t(nReceiver)] >> nOwnRank & 1))
            continue;
        const bool bBeyond = m_received[size_t(nRank)] >= m_counts.m_nLow;
        m_gave[size_t(nGiver)] |= CMask(1) << nRank;
        ++m_received[size_t(nRank)];
        m_nBeyondLow += bBeyond ? 1 : 0;
        if (Next(nGiverAt, nPicked + 1, nRank + 1))
            return true;
        m_nBeyondLow -= bBeyond ? 1 : 0;
        --m_received[size_t(nRank)];
        m_gave[size_t(nGiver)] &= ~(CMask(1) << nRank);
        if (m_nWork > m_nMaxWork)
            return false;
    }
    return false;
}
