#pragma once

#include "draw/GiftCounts.h"
#include "draw/PersonSet.h"

class QRandomGenerator;

// Decides exactly whether a drawing with roles or several gifts exists, and completes one: a
// drawing is a flow from the givers (each sends his number of gifts, at most one to each
// receiver) to the receivers (each takes between the least and the most of the spread).
// Gifts are added along alternating paths — a giver takes a receiver with room, or one who
// then hands one of his gifts on to another — first until every giver gave all, then until
// every receiver got the least. No path where one is missing proves there is no drawing;
// what the search reached says who blocks it.
class CGiftFlow
{
public:
    CGiftFlow(const CDrawGraph& graph, const CGiftCounts& counts);

    // Completes gifts (a partial drawing within the rules and the most each receives) to a
    // drawing; with bNoMutual, no gift is added or moved where its receiver gives to its
    // giver (then a failure proves nothing). False when it cannot.
    bool Complete(CGifts& gifts, QRandomGenerator& random, bool bNoMutual = false);

    // After Complete failed: either givers who must give more gifts than the receivers they
    // may give to can take (BlockedReceivers() are those receivers), or receivers who must
    // get more than the givers allowed to them can give (BlockedGivers() are those givers).
    bool GiversShort() const { return m_bGiversShort; }
    const std::vector<int>& BlockedGivers() const { return m_blockedGivers; }
    const std::vector<int>& BlockedReceivers() const { return m_blockedReceivers; }

private:
    bool Serve(int nGiver, QRandomGenerator& random);
    bool Fill(int nReceiver);
    bool MayAdd(int nGiver, int nReceiver) const;
    void AddGift(int nGiver, int nReceiver);
    void MoveGift(int nGiver, int nFrom, int nTo);

    const CDrawGraph& m_graph;
    CGiftCounts m_counts;
    bool m_bNoMutual = false;
    CGifts m_gifts;
    CGifts m_giversOf; // per receiver, who gives to him
    // Whom the search came from, per person as a giver and as a receiver.
    std::vector<int> m_giverVia;
    std::vector<int> m_receiverVia;
    std::vector<char> m_reached;
    // Those no search has reached yet.
    CPersonSet m_waitingReceivers;
    CPersonSet m_waitingGivers;
    std::vector<int> m_givers;
    std::vector<int> m_receivers;
    bool m_bGiversShort = false;
    std::vector<int> m_blockedGivers;
    std::vector<int> m_blockedReceivers;
};
