#pragma once

#include "draw/GiftCounts.h"
#include "model/DrawRules.h"

#include <QString>

class QRandomGenerator;

// The drawing when persons give only or receive only, or every giver gives several gifts:
// each giver draws his number of different receivers, the gifts spread as evenly as the counts
// allow, every rule applying to every one of his receivers. A list that can be drawn is drawn:
// attempts of the usual kind first (see CGiftGreedy), which choose the drawing; when they
// all fail, an exact completion (see CGiftFlow) settles the list, and says who blocks it; with
// no pairs who draw each other, a complete search settles a small list (see CGiftSearch).
class CGiftDrawing
{
public:
    // Why a list has no drawing, as Draw() found it.
    struct CBlock
    {
        enum EKind
        {
            none,
            circle,    // one circle asked for
            counts,    // too few givers or gifts
            givers,    // m_persons: givers whose gifts cannot all be taken
            receivers, // m_persons: receivers who cannot all get their least
            mutual,    // every drawing has a pair who draw each other
            gaveUp,    // the search ended at its bound of work
        };
        EKind m_kind = none;
        std::vector<int> m_persons;
    };

    static constexpr int kMaxAttempts = 1000;
    static constexpr qint64 kMaxSteps = 4'000'000;
    static constexpr qint64 kSearchWork = 20'000'000;

    CGiftDrawing(const CDrawGraph& graph, const CDrawRules& rules);

    bool Draw(QRandomGenerator& random, CGifts& gifts, QString& strWhy);
    // A drawing in which as few pairs as possible are new (see CGiftRepair). When its search
    // runs out of work, or with no pairs who draw each other when the fewest new pairs make
    // such a pair, what still fits of what they had is kept and completed instead.
    // nChanged: the givers whose receivers are not all the ones they had.
    bool Repair(const CGifts& had, QRandomGenerator& random, CGifts& gifts, QString& strWhy,
                int& nChanged);
    // Whether the drawn names of the list are such a drawing; when not, strWhy names what is
    // wrong for up to a few persons; with bGiversOnly, never whom they drew.
    bool CheckStored(QString& strWhy, bool bGiversOnly) const;

    const CGiftCounts& Counts() const { return m_counts; }
    const CBlock& Block() const { return m_block; }

private:
    bool Settle(QRandomGenerator& random, CGifts& gifts, QString& strWhy);
    bool Unshaped(CGifts& gifts, QRandomGenerator& random, QString& strWhy);
    bool HasMutual(const CGifts& gifts) const;
    bool KeepAndComplete(const CGifts& had, QRandomGenerator& random, CGifts& gifts) const;
    bool CheckCounts(const std::vector<int>& received, QStringList& problems) const;

    const CDrawGraph& m_graph;
    CDrawRules m_rules;
    CGiftCounts m_counts;
    CBlock m_block;
};
