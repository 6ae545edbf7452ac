#pragma once

#include <QtGlobal>

#include <vector>

class CDrawGraph;
class QRandomGenerator;

// One attempt of the drawing as the users know it: the givers in their order, each drawing
// uniformly among the persons the rules allow him and nobody has drawn yet, never going
// back. A pick is a random person not yet drawn, rejected when the rules forbid him; when
// rejections pile up, the giver's candidates are counted out instead.
class CGreedyDraw
{
public:
    explicit CGreedyDraw(const CDrawGraph& graph);

    // True when every giver got a recipient. With bGoOn, a giver left without a candidate
    // stays without one and the others go on drawing; else the attempt stops there.
    bool Run(QRandomGenerator& random, bool bGoOn);
    // Per person: the person he gives to, or -1.
    const std::vector<int>& Recipients() const { return m_recipient; }
    // The work done since construction, in candidates looked at.
    qint64 Steps() const { return m_nSteps; }

private:
    int PickFor(int nGiver, QRandomGenerator& random);
    void Take(int nRecipient);

    const CDrawGraph& m_graph;
    std::vector<int> m_recipient;
    std::vector<int> m_left;     // persons nobody has drawn yet
    std::vector<int> m_position; // per person: his place in m_left
    std::vector<int> m_allowed;  // scratch for a counted-out giver
    qint64 m_nSteps = 0;
};
