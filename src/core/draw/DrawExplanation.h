#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class CDrawGraph;

// Puts into the participants' words why a list cannot be drawn.
class CDrawExplanation
{
public:
    // Problems of a stored drawing said at most.
    static constexpr int kProblemsShown = 3;

    // Givers who together may give only to the recipients (fewer than they are many).
    static QString Blocked(const CDrawGraph& graph, std::vector<int> givers,
                           std::vector<int> recipients);
    // "Ann", "Ann and Bob", "Ann, Bob and Cid", "Ann, Bob, Cid, Dan and 7 others".
    static QString Names(const CDrawGraph& graph, const std::vector<int>& persons);

    // The first kProblemsShown problems of nProblems, and how many more there are.
    static QString Problems(QStringList shown, int nProblems);
    // Why the giver may not give to the recipient, as a problem of a stored drawing; empty
    // when the rules allow it.
    static QString PairProblem(const CDrawGraph& graph, int nGiver, int nRecipient);

    // The history rule in words, for a window of that many exchanges.
    static QString HistoryRule(int nHistory);

    // The rules that keep the givers from persons outside the recipients. bEditable: rules
    // of the user's own making (exclusions, history) block too.
    static QString Rules(const CDrawGraph& graph, const std::vector<int>& givers,
                         const std::vector<int>& recipients, bool& bEditable);
};
