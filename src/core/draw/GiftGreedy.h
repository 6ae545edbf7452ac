#pragma once

#include "draw/GiftCounts.h"
#include "draw/PersonSet.h"

#include <QtGlobal>

class QRandomGenerator;

// One attempt of the drawing with roles or several gifts: the givers in their usual order,
// each drawing his gifts one after another, each uniformly among the receivers the rules
// allow him, whom he has not drawn yet and who have room (see HasRoom), never going back.
// Every giver served means every receiver got his share.
class CGiftGreedy
{
public:
    CGiftGreedy(const CDrawGraph& graph, const CGiftCounts& counts);

    // True when every giver got all his recipients. With bGoOn, a giver left without a
    // candidate keeps the picks he has and the others go on; else the attempt stops there.
    // With bNoMutual, a pick that closes a pair who draw each other stops the attempt (it is
    // rejected as a whole, so the law of the picks is unchanged).
    bool Run(QRandomGenerator& random, bool bGoOn, bool bNoMutual = false);
    const CGifts& Gifts() const { return m_gifts; }
    // The work done since construction, in candidates looked at.
    qint64 Steps() const { return m_nSteps; }

private:
    int Pick(int nGiver, QRandomGenerator& random);
    bool Acceptable(int nGiver, int nReceiver) const;
    void Take(int nGiver, int nReceiver);

    const CDrawGraph& m_graph;
    CGiftCounts m_counts;
    std::vector<int> m_receivers;
    CGifts m_gifts;
    std::vector<int> m_received; // per person
    int m_nBeyondLow = 0;
    // The receivers with room: fewer gifts than the least everybody gets, than the most.
    CPersonSet m_below;
    CPersonSet m_open;
    qint64 m_nSteps = 0;
};
