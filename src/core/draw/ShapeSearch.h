#pragma once

#include "draw/BitRows.h"
#include "model/DrawRules.h"

#include <vector>

class CDrawGraph;
class QRandomGenerator;

// Decides whether a list can be drawn in one circle, or without pairs who draw each other,
// when random attempts have not found such a drawing. From one drawing under the other rules
// it finds the gifts that occur in some such drawing (Dulmage and Mendelsohn: a gift outside
// the drawing occurs in another one exactly when it closes a cycle of swaps), and the parts
// of the list that give only among themselves in every drawing. Several parts rule out one
// circle; a part of two rules out the other rule. The rest is a complete search, part by part.
class CShapeSearch
{
public:
    enum EResult
    {
        resultFound,
        resultImpossible,
        resultGaveUp,
    };
    // Above this many persons the table of all pairs is too large to search.
    static constexpr int kMaxPersons = 2000;

    CShapeSearch(const CDrawGraph& graph, const CDrawRules& rules);

    bool CanSearch() const;
    // drawing: per person his recipient, under the other rules. False when the parts alone
    // rule the drawing out; Blocking() then holds the part that does.
    bool Analyse(const std::vector<int>& drawing);
    // After Analyse: a drawing that keeps the rules, into recipients, or the proof that none
    // does (Blocking() then holds the part without one, empty for the whole list), or
    // resultGaveUp after about nBudget steps.
    EResult Search(QRandomGenerator& random, qint64 nBudget, std::vector<int>& recipients);
    const std::vector<int>& Blocking() const { return m_blocking; }

private:
    CBitRows Allowed() const;
    // The gifts allowed that occur in some drawing, from one drawing.
    static CBitRows PossibleGifts(const CBitRows& allowed, const std::vector<int>& drawing);
    // Whether the part's persons may give only among themselves.
    static bool ClosedIn(const CBitRows& allowed, const std::vector<int>& part);
    // The gifts of the part that occur in some drawing, the part's persons numbered from 0.
    CBitRows PartRows(const std::vector<int>& part) const;

    const CDrawGraph& m_graph;
    CDrawRules m_rules;
    CBitRows m_possible;
    std::vector<std::vector<int>> m_parts;
    std::vector<int> m_blocking;
};
