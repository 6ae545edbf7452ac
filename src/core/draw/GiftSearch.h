#pragma once

#include "draw/GiftCounts.h"

#include <QtGlobal>

#include <cstdint>

class QRandomGenerator;

// Settles a small list with several gifts or roles under "no pairs who draw each other",
// which the flow cannot: a complete search, giver by giver, of the sets of receivers each
// may take, cut short wherever a receiver could no longer get his least or a giver no longer
// find his gifts. Receivers are tried in a random order, so the drawing found is a random one.
class CGiftSearch
{
public:
    static constexpr int kMaxPersons = 64;
    enum EResult
    {
        resultFound,
        resultImpossible,
        resultGaveUp,
    };

    CGiftSearch(const CDrawGraph& graph, const CGiftCounts& counts);

    bool CanSearch() const;
    EResult Search(QRandomGenerator& random, qint64 nMaxWork, CGifts& gifts);

private:
    using CMask = std::uint64_t;

    bool Next(int nGiverAt, int nPicked, int nFirstRank);
    bool Hopeless(int nGiverAt) const;
    CMask Room() const;

    const CDrawGraph& m_graph;
    CGiftCounts m_counts;
    std::vector<int> m_givers;         // in the order they choose
    std::vector<int> m_byRank;         // receivers in the order they are tried
    std::vector<CMask> m_allowed;      // per person: the receivers he may give to, by rank
    std::vector<CMask> m_allowedGiver; // per receiver rank: the givers' places that may give
    std::vector<CMask> m_gave;         // per person: whom he gives to, by rank
    std::vector<int> m_rankOf;         // per person, -1 for one who does not receive
    std::vector<int> m_received;       // per rank
    int m_nBeyondLow = 0;
    qint64 m_nWork = 0;
    qint64 m_nMaxWork = 0;
};
