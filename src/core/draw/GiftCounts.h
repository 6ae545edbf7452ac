#pragma once

#include <algorithm>
#include <vector>

class CDrawGraph;

// Per person, the persons he gives to; empty for one who gives nothing.
using CGifts = std::vector<std::vector<int>>;

// How many gifts a drawing with roles or several gifts per giver hands out, and how evenly:
// with G givers, R receivers and N gifts each, every receiver gets ⌊G·N/R⌋ or ⌈G·N/R⌉.
struct CGiftCounts
{
    int m_nGifts = 1; // per giver
    int m_nGivers = 0;
    int m_nReceivers = 0;
    int m_nReceiveOnly = 0;
    int m_nLow = 0;    // gifts every receiver gets at least
    int m_nHigh = 0;   // and at most
    int m_nExtras = 0; // receivers who get m_nHigh when it is more than m_nLow

    static CGiftCounts Of(const CDrawGraph& graph, int nGifts);
    // Every receiver can get one gift at least.
    bool Enough() const
    {
        return m_nGivers > 0 && m_nReceivers > 0 && m_nGivers * m_nGifts >= m_nReceivers;
    }
};

// Whether a giver gives to the person: a giver's few recipients are looked through.
inline bool Contains(const std::vector<int>& values, int nValue)
{
    return std::find(values.begin(), values.end(), nValue) != values.end();
}

// Whether a giver's pick of a receiver who has nReceived gifts keeps the spread reachable:
// below the least everybody gets, or up to the most while receivers beyond the least are
// fewer than the gifts left over for them.
inline bool HasRoom(const CGiftCounts& counts, int nReceived, int nBeyondLow)
{
    return nReceived < counts.m_nLow ||
           (nReceived < counts.m_nHigh && nBeyondLow < counts.m_nExtras);
}
