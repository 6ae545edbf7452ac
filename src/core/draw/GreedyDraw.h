#pragma once

#include <QtGlobal>

#include <vector>

class CDrawGraph;
class QRandomGenerator;

// One attempt of the drawing as the users know it: the givers in their order, each drawing
// uniformly among the persons the rules allow him and nobody has drawn yet, never going
// back. A pick is a random person not yet drawn, rejected when the rules forbid him; when
// rejections pile up, the pick is made among the allowed persons directly, through counts of
// those not yet drawn: his own group (or himself) is one range of person numbers, and the
// few persons barred to him by name are skipped by their rank.
class CGreedyDraw
{
public:
    explicit CGreedyDraw(const CDrawGraph& graph);

    // True when every giver got a recipient. With bGoOn, a giver left without a candidate
    // stays without one and the others go on drawing; else the attempt stops there. With
    // bNoMutual, an attempt whose pick would close a pair who draw each other stops there
    // (it is rejected as a whole, so the law of the picks is unchanged).
    bool Run(QRandomGenerator& random, bool bGoOn, bool bNoMutual = false);
    // Per person: the person he gives to, or -1.
    const std::vector<int>& Recipients() const { return m_recipient; }
    // The work done since construction, in candidates looked at.
    qint64 Steps() const { return m_nSteps; }

private:
    int PickFor(int nGiver, QRandomGenerator& random);
    int PickCounted(int nGiver, QRandomGenerator& random);
    void Take(int nRecipient);

    // Counts of the persons not yet drawn, by person number (a Fenwick tree), built when a
    // giver first needs it in an attempt.
    void BuildCounts();
    int CountBefore(int nPerson) const;
    // The person not yet drawn with this many such persons before him.
    int Select(int nRank) const;

    const CDrawGraph& m_graph;
    std::vector<int> m_recipient;
    std::vector<int> m_left;     // persons nobody has drawn yet
    std::vector<int> m_position; // per person: his place in m_left, -1 once drawn
    std::vector<int> m_counts;   // the Fenwick tree, 1-based
    bool m_bCounted = false;
    int m_nHighBit = 0;
    qint64 m_nSteps = 0;
};
