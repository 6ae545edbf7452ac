#pragma once

#include <vector>

class CDrawGraph;
class QRandomGenerator;

// Decides exactly whether a list can be drawn: givers and recipients form a bipartite graph
// with an edge wherever the rules allow the gift, and a drawing is a perfect matching. The
// edges are never stored. The recipients not yet reached by a search wait in blocks — a
// group, or a person on his own — so that a giver passes over his own block in one step and
// looks only at the others' persons; he reaches each of them unless barred to him by name.
// A search thus costs the persons it reaches plus the bars it meets.
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
    void MakeBlocks(QRandomGenerator& random);
    // Searches an alternating path from a giver without recipient; the free recipient it
    // ends in, or -1 after marking what it reached as blocked.
    int Search(int nStart);
    // Reaches the recipients of other blocks that the giver may draw; the first free one, or -1.
    int Visit(int nGiver);
    void Augment(int nFreeRecipient);
    void Unlink(int nRecipient);
    void Relink(int nRecipient);

    const CDrawGraph& m_graph;
    std::vector<int> m_recipientOf;
    std::vector<int> m_giverOf;
    // Per person: his block; per block, its waiting persons linked through m_next/m_prev
    // (the head is the block's entry in m_head, -1 for none); the blocks with somebody
    // waiting are linked through m_nextBlock/m_prevBlock, the sentinel being the block count.
    std::vector<int> m_blockOf;
    std::vector<int> m_head;
    std::vector<int> m_next;
    std::vector<int> m_prev;
    std::vector<int> m_nextBlock;
    std::vector<int> m_prevBlock;
    std::vector<int> m_reachedBy; // per recipient: the giver whose search reached him
    std::vector<char> m_queued;   // per giver in the search under way
    std::vector<int> m_queue;
    std::vector<int> m_reached;
    std::vector<int> m_blockedGivers;
    std::vector<int> m_blockedRecipients;
};
