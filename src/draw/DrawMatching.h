#pragma once

#include <vector>

class CDrawGraph;
class QRandomGenerator;

// Decides exactly whether a list can be drawn: givers and recipients form a bipartite graph
// with an edge wherever the rules allow the gift, and a drawing is a perfect matching. The
// edges are never stored; a search walks the recipients not yet reached and skips those the
// rules forbid, so it costs the persons plus the forbidden pairs it meets.
class CDrawMatching
{
public:
    explicit CDrawMatching(const CDrawGraph& graph);

    // Grows recipients (per giver, -1 for none, nobody twice) to a maximum matching, looking
    // at givers and recipients in a random order; true when everybody got a recipient.
    bool Complete(std::vector<int>& recipients, QRandomGenerator& random);

    // After Complete returned false: givers who together may give only to fewer persons than
    // they are many, and those persons. The largest such shortfall, so the set says it all.
    const std::vector<int>& BlockedGivers() const { return m_blockedGivers; }
    const std::vector<int>& TheirRecipients() const { return m_blockedRecipients; }

private:
    // Searches an alternating path from a giver without recipient; the free recipient it
    // ends in, or -1 after marking what it reached as blocked.
    int Search(int nStart);
    void Augment(int nFreeRecipient);
    void Unlink(int nRecipient);

    const CDrawGraph& m_graph;
    std::vector<int> m_recipientOf;
    std::vector<int> m_giverOf;
    std::vector<int> m_order; // recipients in the random order of the searches
    std::vector<int> m_next;  // recipients not yet reached, linked; the sentinel is Count()
    std::vector<int> m_prev;
    std::vector<int> m_reachedBy; // per recipient: the giver whose search reached him
    std::vector<char> m_blocked;  // per recipient: reached in a failed search
    std::vector<char> m_queued;   // per giver in the search under way
    std::vector<int> m_queue;
    std::vector<int> m_reached;
    std::vector<int> m_blockedGivers;
    std::vector<int> m_blockedRecipients;
};
