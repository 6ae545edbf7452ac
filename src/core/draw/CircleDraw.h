#pragma once

#include <QtGlobal>

#include <vector>

class CDrawGraph;
class QRandomGenerator;

// Attempts of a drawing in one circle: the persons are put in a uniformly random circular
// order, and each gives to the next. An attempt is rejected as soon as one may not give to
// the next, so the circles that come out are equally likely among those the rules allow.
class CCircleDraw
{
public:
    explicit CCircleDraw(const CDrawGraph& graph);

    bool Run(QRandomGenerator& random);
    // Per person: the person he gives to, after a successful attempt.
    const std::vector<int>& Recipients() const { return m_recipient; }
    // The work done since construction, in persons placed and bars looked at.
    qint64 Steps() const { return m_nSteps; }

private:
    const CDrawGraph& m_graph;
    // Any order will do to start from: shuffling it anew makes every order equally likely.
    std::vector<int> m_order;
    std::vector<int> m_recipient;
    qint64 m_nSteps = 0;
};
