#pragma once

#include "draw/BitRows.h"

#include <bit>

#include <vector>

class QRandomGenerator;

// A complete search for a drawing of a few persons that keeps a rule of shape as well:
// one circle through them all, or no pair who draw each other. After each choice the rest
// must still allow a drawing under the other rules (a perfect matching of the givers left to
// the recipients left, repaired from the last one). A circle grows from its start; the rest,
// with the circle's open end and start taken as one person, must stay one strongly connected
// whole in the gifts that occur in some drawing of the rest, and only those gifts are tried
// for the end, those leading to persons with the fewest ways on first. Without pairs, the
// giver with the fewest candidates chooses next, the recipient of the matching first.
class CCycleSearch
{
public:
    enum EOutcome
    {
        outcomeFound,
        outcomeNone,
        outcomeGaveUp,
    };

    // allowed: who may give to whom among the persons, numbered from 0.
    CCycleSearch(const CBitRows& allowed, bool bOneCircle);

    // Stops after about nBudget steps of work. On outcomeFound, recipients holds the drawing.
    EOutcome Run(QRandomGenerator& random, qint64 nBudget, std::vector<int>& recipients);
    qint64 Work() const { return m_nWork; }

private:
    // Nobody gives yet, nothing is matched, and the circle's start is chosen.
    void Reset(qint64 nBudget);
    bool Node(QRandomGenerator& random);
    // The giver to choose for next, -1 when everybody gives; on a circle its open end,
    // else the one with the fewest candidates.
    int NextGiver();
    // The order in which to try the candidates, shuffled already.
    void Order(int nGiver, std::vector<int>& candidates);
    // Those the giver may still draw, into m_row.
    void Candidates(int nGiver);
    void Assign(int nGiver, int nRecipient);
    void Unassign(int nGiver, int nRecipient);
    // Unmatches what the last choice made impossible and matches anew; false when the rest
    // can no longer be drawn.
    bool Repair(int nGiver, int nRecipient);
    bool Augment(int nGiver);
    void Unmatch(int nGiver);
    // On a circle: the rest can still be joined into it; sets m_endCandidates.
    bool Connected();
    // Calls fn with each bit set in m_row.
    template <typename Fn> void ForEachBit(Fn fn) const
    {
        for (int w = 0; w < m_nWords; ++w) {
            for (quint64 nBits = m_row[size_t(w)]; nBits != 0; nBits &= nBits - 1)
                fn(w * 64 + std::countr_zero(nBits));
        }
    }

    CBitRows m_allowed;
    bool m_bOneCircle;
    int m_nCount;
    int m_nWords;
    int m_nStart = 0;
    int m_nEnd = 0;
    int m_nLeft = 0; // givers without recipient
    std::vector<int> m_recipient;
    std::vector<int> m_drawnBy;
    std::vector<quint64> m_openGivers;
    std::vector<quint64> m_freeRecipients;
    std::vector<int> m_mate;   // per open giver: his recipient in the matching of the rest
    std::vector<int> m_mateOf; // per free recipient: his giver in that matching
    std::vector<quint64> m_row;
    std::vector<quint64> m_endCandidates; // on a circle: where its end may go on
    std::vector<int> m_index;             // per open giver: his place among them
    std::vector<quint64> m_seen;
    std::vector<int> m_reachedBy;
    std::vector<int> m_queue;
    qint64 m_nWork = 0;
    qint64 m_nBudget = 0;
    bool m_bGaveUp = false;
};
