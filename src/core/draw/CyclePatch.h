#pragma once

#include <QtGlobal>

#include <vector>

class CDrawGraph;
class QRandomGenerator;

// Reshapes a drawing under the other rules for a large list, where a complete search is out
// of reach: two givers of different cycles exchange their recipients wherever the rules
// allow it, which joins the two cycles into one (patching, as for travelling salesmen). The
// cycles are joined into one circle, or each pair who draw each other into another cycle.
// Quick on the lists people draw, where most gifts are allowed; it proves nothing when it fails.
class CCyclePatch
{
public:
    explicit CCyclePatch(const CDrawGraph& graph);

    // drawing: per person his recipient. True when it has been reshaped; stops after about
    // nBudget pairs looked at.
    bool Run(std::vector<int>& drawing, bool bOneCircle, QRandomGenerator& random, qint64 nBudget);

private:
    // Joins the cycle of the persons in other to that of the persons in joined.
    bool Join(std::vector<int>& joined, const std::vector<int>& other, QRandomGenerator& random);
    bool TryExchange(int nGiver, int nOther);
    bool JoinCircle(QRandomGenerator& random);
    bool BreakPairs(QRandomGenerator& random);

    const CDrawGraph& m_graph;
    std::vector<int> m_recipient;
    qint64 m_nWork = 0;
    qint64 m_nBudget = 0;
};
