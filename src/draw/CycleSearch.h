#pragma once

#include "BitRows.h"

#include <vector>

class QRandomGenerator;

// A complete search for a drawing of a few persons that keeps a rule of shape as well:
// one circle through them all, or no pair who draw each other. Recipients are tried in a
// random order, the one of a drawing under the other rules first. After each choice the
// rest must still allow a drawing under the other rules (a perfect matching of the givers
// left to the recipients left, repaired from the last one) and, for a circle, the persons
// left must still be reachable from its open end and able to reach its start.
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
    bool Node(QRandomGenerator& random);
    // The giver to choose for next, -1 when everybody gives; on a circle its open end,
    // else the one with the fewest candidates.
    int NextGiver();
    // Those the giver may still draw, into m_row.
    void Candidates(int nGiver);
    void Assign(int nGiver, int nRecipient);
    void Unassign(int nGiver, int nRecipient);
    // Unmatches what the last choice made impossible and matches anew; false when the rest
    // can no longer be drawn.
    bool Repair(int nGiver, int nRecipient);
    bool Augment(int nGiver);
    void Unmatch(int nGiver);
    // On a circle: everybody left is reachable from its end and reaches its start.
    bool Connected();
    bool Reaches(const CBitRows& rows, int nFrom);

    CBitRows m_allowed;
    CBitRows m_reversed;
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
    std::vector<quint64> m_seen;
    std::vector<int> m_reachedBy;
    std::vector<int> m_queue;
    qint64 m_nWork = 0;
    qint64 m_nBudget = 0;
    bool m_bGaveUp = false;
};
