#pragma once

#include "model/DrawRules.h"

#include <QString>

#include <vector>

class CDrawGraph;

// Puts into the participants' words why no drawing keeps the rules of one circle or of no
// pairs who draw each other, or that none was found without proof that none exists.
class CShapeExplanation
{
public:
    // The part gives only among itself in every drawing under the other rules.
    static QString Closed(const CDrawGraph& graph, const CDrawRules& rules,
                          const std::vector<int>& part);
    // A complete search found no drawing of the part (empty: of the whole list).
    static QString NoneFound(const CDrawGraph& graph, const CDrawRules& rules,
                             const std::vector<int>& part);
    static QString GaveUp();

private:
    // What blocks: the rules that keep the givers from the others (from anybody when
    // recipients is empty), then the rules of shape in force.
    static QString Blocking(const CDrawGraph& graph, const CDrawRules& rules,
                            const std::vector<int>& givers, const std::vector<int>& recipients,
                            bool bCircle, bool bNoMutual);
};
