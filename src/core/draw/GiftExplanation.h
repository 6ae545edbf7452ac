#pragma once

#include "draw/GiftCounts.h"

#include <QString>

// Puts into the participants' words why a list with roles or several gifts per giver cannot
// be drawn.
class CGiftExplanation
{
public:
    // Too few givers or gifts for everybody who receives.
    static QString Counts(const CGiftCounts& counts);
    // Givers whose gifts the receivers they may give to cannot all take.
    static QString GiversShort(const CDrawGraph& graph, const CGiftCounts& counts,
                               std::vector<int> givers);
    // Receivers who cannot all get their least from the givers allowed to them.
    static QString ReceiversShort(const CDrawGraph& graph, const CGiftCounts& counts,
                                  std::vector<int> receivers);

    // The receivers the givers may give to, and how many of their gifts those can take.
    static std::vector<int> ReceiversOf(const CDrawGraph& graph, const std::vector<int>& givers,
                                        int nHigh, int& nCanTake);
    // The givers allowed to give to the receivers, and how many gifts they can give them.
    static std::vector<int> GiversOf(const CDrawGraph& graph, const std::vector<int>& receivers,
                                     int nGifts, int& nCanGive);
};
