#pragma once

#include "draw/GiftCounts.h"

#include <QtGlobal>

#include <vector>

class QRandomGenerator;

// Repairs a drawing with roles or several gifts after its list changed: a drawing under every
// rule but the one of mutual pairs, in which as few pairs as possible are new. Which of the
// repairs with the fewest new pairs: the search meets paths as short in a random order, so
// that any of them may come out.
//
// A flow at least cost: each giver supplies his gifts, each receiver takes the least of the
// spread, and the gifts beyond it pass through one node more, at most one from each receiver.
// A kept pair costs 0, a new one 1. The pairs the givers had and may still keep are kept to
// start with: that costs nothing, so no flow of as many gifts is cheaper. Then each gift still
// to give goes along a shortest path (on costs reduced by potentials, so that none is
// negative) to a receiver still short of the least, or to the gifts beyond it while some are
// left; when none is reached, the list has no drawing. The work is bounded: a few gifts to
// place again take little, but very many at once (the gifts per giver raised for a large
// list) would take long.
class CGiftRepair
{
public:
    CGiftRepair(const CDrawGraph& graph, const CGiftCounts& counts);

    enum class EResult
    {
        Repaired,
        Impossible, // the list has no drawing
        OutOfBound, // the search ran out of work
    };

    // Persons looked at in all, a few tens of milliseconds' work.
    static constexpr qint64 kWork = 2'000'000;

    // had: per giver, the receivers he had (persons of the graph).
    EResult Run(const CGifts& had, QRandomGenerator& random, CGifts& gifts);

private:
    int Cost(int nGiver, int nReceiver) const;
    bool MayAdd(int nGiver, int nReceiver) const;
    // How many gifts the receiver lacks of the least, his gift beyond it not counted.
    int Short(int nReceiver) const;
    void Keep();
    EResult Augment(int nStart);
    void Add(int nGiver, int nReceiver);
    void Drop(int nGiver, int nReceiver);

    const CDrawGraph& m_graph;
    CGiftCounts m_counts;
    int m_nCount = 0;
    const CGifts* m_pHad = nullptr;
    QRandomGenerator* m_pRandom = nullptr;
    CGifts m_gifts;
    CGifts m_giversOf;          // per receiver, who gives to him
    std::vector<char> m_beyond; // per receiver: one of his gifts is beyond the least
    int m_nBeyond = 0;
    std::vector<int> m_giverPotential;
    std::vector<int> m_receiverPotential;
    int m_nBeyondPotential = 0;
    qint64 m_nWork = 0;
};
