#pragma once

#include "model/DrawRules.h"

#include <QtGlobal>

#include <vector>

class CDrawGraph;
class QRandomGenerator;

// Repairs a drawing after its list changed: a drawing under every rule in which as few givers
// as possible get a recipient other than the one they had. A giver who had none (he joined
// after the drawing) changes nothing by getting one.
//
// Which repair: every pair of giver and recipient weighs a number drawn uniformly at random
// for this repair; among the repairs with the fewest changes, the one whose new pairs weigh
// least. Every repair with the fewest changes may thus be chosen.
//
// Without the rules that shape the drawing (no mutual pairs, one circle) that is an assignment
// at least cost: a kept pair costs 0, a new one 1 (0 for a giver who had nobody) plus its
// weight scaled so that all weights together stay below 1. It is found by shortest augmenting
// paths from the givers who lost their recipient, exactly, in about the persons reached per
// path. With those rules, an assignment that happens to have the shape is taken; else a
// search for a drawing with the shape and at most k changes, k growing from the assignment's
// number, settles it — among those with the fewest changes, the first its random order meets.
// The search is complete up to kSearchedFirst persons and bounded in work beyond.
class CDrawRepair
{
public:
    enum class EResult
    {
        Repaired,
        Impossible, // no drawing keeps every rule
        OutOfBound, // the search for a drawing with the shape ran out of work
    };

    CDrawRepair(const CDrawGraph& graph, const CDrawRules& rules, qint64 nSearchWork);

    // had: per giver, the recipient he had (a person of the graph), or -1 when that person
    // left or he had none; hadAny: whether he had one at all. recipients receives the repair.
    EResult Run(const std::vector<int>& had, const std::vector<char>& hadAny,
                QRandomGenerator& random, std::vector<int>& recipients);
    // The givers of the last repair whose recipient is not the one they had.
    int Changes() const { return m_nChanges; }

private:
    bool Assign(QRandomGenerator& random);
    bool Augment(int nStart);
    double Cost(int nGiver, int nRecipient) const;
    bool HasShape() const;
    EResult SearchShaped(QRandomGenerator& random);
    bool Extend(size_t nNext, int nChangesLeft);
    bool MayGive(int nGiver, int nRecipient) const;
    void Link(int nGiver, int nRecipient);
    void Unlink(int nGiver);

    const CDrawGraph& m_graph;
    CDrawRules m_rules;
    qint64 m_nSearchWork;
    int m_nCount = 0;
    const std::vector<int>* m_pHad = nullptr;
    const std::vector<char>* m_pHadAny = nullptr;
    quint64 m_nSeed = 0;
    double m_nWeightScale = 0;
    std::vector<int> m_recipientOf;
    std::vector<int> m_giverOf;
    std::vector<int> m_freeRecipients;
    std::vector<double> m_giverPotential;
    std::vector<double> m_recipientPotential;
    // The search with the shape: givers in the order tried, each one's candidates in order.
    std::vector<int> m_searchOrder;
    std::vector<std::vector<int>> m_candidates;
    mutable qint64 m_nWork = 0; // candidates and circle steps looked at
    int m_nChanges = 0;
};
