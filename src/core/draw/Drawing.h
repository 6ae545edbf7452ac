#pragma once

#include "draw/DrawGraph.h"
#include "draw/GiftCounts.h"
#include "model/DrawRules.h"

#include <QString>

#include <vector>

class CNameList;
class QRandomGenerator;

// Draws a list whenever it can be drawn. Attempts of the usual greedy drawing are repeated,
// each with fresh randomness, at most kMaxAttempts times and for no more than kMaxSteps
// candidates looked at in all; a list whose attempts all fail is settled by an exact search
// for a drawing, which also says, when there is none, which persons block it and why.
//
// Without pairs who draw each other, the attempts are the same, and one with such a pair is
// rejected. In one circle, an attempt is a random circular order (see CCircleDraw). When
// attempts fail, a search settles the list (see CShapeSearch): completely up to
// kSearchedFirst persons; beyond, a drawing under the other rules is reshaped (see
// CCyclePatch), else searched within a bound of work, up to CShapeSearch::kMaxPersons.
class CDrawing
{
public:
    static constexpr int kMaxAttempts = 1000;
    static constexpr int kMaxCircleAttempts = 1'000'000;
    static constexpr qint64 kMaxSteps = 4'000'000;
    // Lists this small are settled by a complete search before the attempts, which still
    // choose the drawing; the search's own drawing serves when they all fail.
    static constexpr int kSearchedFirst = 64;
    static constexpr qint64 kCompleteSearchWork = 2'000'000'000;
    static constexpr qint64 kBoundedSearchWork = 50'000'000;
    static constexpr qint64 kPatchWork = 20'000'000;

    // history: the earlier drawings whose recipients are avoided, newest first, as many as
    // the rules' history window takes.
    CDrawing(const CNameList& list, const std::vector<const CNameList*>& history,
             const CDrawRules& rules);

    // Gives every person a recipient. When no drawing exists the list stays as it was and
    // strWhy tells the user why.
    bool Run(QRandomGenerator& random, QString& strWhy);
    // Repairs the stored drawn names after the list changed: every rule kept, as few givers as
    // possible given another recipient than the one they had (see CDrawRepair). When none
    // exists the list stays as it was and strWhy says why; nChanged receives how many givers
    // got another recipient.
    bool Repair(QRandomGenerator& random, QString& strWhy, int& nChanged);
    // Whether any drawing exists; when none, strWhy tells why. Changes nothing.
    bool IsPossible(QRandomGenerator& random, QString& strWhy);
    // Whether the drawn names stored in the list form a valid drawing; when not, strWhy
    // names what is wrong for up to a few persons; with bGiversOnly, never whom they drew.
    bool CheckStored(QString& strWhy, bool bGiversOnly = false) const;

private:
    bool Draw(QRandomGenerator& random, std::vector<int>& drawing, QString& strWhy);
    bool DrawShaped(QRandomGenerator& random, std::vector<int>& drawing, QString& strWhy);
    bool Shaped() const { return m_rules.m_bNoMutual || m_rules.m_bOneCircle; }
    // Roles or several gifts per giver: drawn as CGiftDrawing says.
    bool Several() const { return m_graph.HasRoles() || m_rules.m_nGifts > 1; }
    bool RepairGifts(QRandomGenerator& random, QString& strWhy, int& nChanged);
    void ApplyGifts(const CGifts& gifts) const;
    bool FindMatching(QRandomGenerator& random, std::vector<int>& recipients, QString& strWhy);
    void Apply(const std::vector<int>& recipients) const;
    // Whether the stored drawing, valid person by person, has the shape the rules ask for.
    bool CheckShape(const std::vector<int>& drawnBy, QString& strWhy, bool bGiversOnly) const;
    // The problem of one giver's stored drawn name, or an empty text.
    QString StoredProblem(int nGiver, std::vector<int>& drawnBy) const;
    // The same, naming the giver only.
    QString GiverProblem(int nGiver, std::vector<int>& drawnBy) const;

    CDrawGraph m_graph;
    CDrawRules m_rules;
};
