// Name drawing: success whenever a drawing exists, the three rules, the law of the choice,
// and why a list cannot be drawn; the same with no mutual pairs and in one circle.
#include "draw/DrawGraph.h"
#include "draw/GiftDrawing.h"
#include "model/NameList.h"
#include "support/ListNotation.h"
#include "support/RecordingMessageHandler.h"
#include "text/Resource.h"

#include <QRandomGenerator>
#include <QSet>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <numeric>

namespace {

constexpr int kSeeds = 300;

const CGroup* GroupOf(const CNameList& list, const CPerson* pPerson)
{
    for (const CListItem* pItem = list.m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (!pItem->IsGroup())
            continue;
        for (const CPerson* p = static_cast<const CGroup*>(pItem)->m_pFirst; p; p = p->Next()) {
            if (p == pPerson)
                return static_cast<const CGroup*>(pItem);
        }
    }
    return nullptr;
}

// Why the drawing breaks a rule, or an empty string when it keeps them all.
// Names in these lists are unique, so a drawn name identifies the recipient.
QString RuleBroken(const CNameList& list, const CNameList* pPrevious)
{
    QSet<QString> recipients;
    const int nCount = list.CountPersons();
    for (int i = 0; i < nCount; ++i) {
        const CPerson* pGiver = list.GetPersonAt(i);
        const CPerson* pRecipient =
            list.FirstPersonWhere([&](CPerson* p) { return p->m_strName == pGiver->m_strGiftTo; });
        if (!pRecipient)
            return pGiver->m_strName + QStringLiteral(" drew nobody of the list");
        if (pRecipient == pGiver)
            return pGiver->m_strName + QStringLiteral(" drew himself");
        if (GroupOf(list, pGiver) && GroupOf(list, pGiver) == GroupOf(list, pRecipient))
            return pGiver->m_strName + QStringLiteral(" drew his own group");
        QString strLast;
        if (pPrevious)
            pPrevious->FindGiftTo(pGiver->m_strName, strLast);
        if (!strLast.isEmpty() && strLast == pRecipient->m_strName)
            return pGiver->m_strName + QStringLiteral(" drew last time's recipient");
        recipients.insert(pRecipient->m_strName);
    }
    if (recipients.size() != nCount)
        return QStringLiteral("somebody was drawn twice");
    return {};
}

// "H[H1, H2, …]" with nCount members.
QString Household(const QString& strName, int nCount)
{
    QStringList members;
    for (int i = 1; i <= nCount; ++i)
        members.append(strName + QString::number(i));
    return strName + u'[' + members.join(QStringLiteral(", ")) + u']';
}

QString Singles(const QString& strPrefix, int nCount)
{
    QStringList persons;
    for (int i = 1; i <= nCount; ++i)
        persons.append(strPrefix + QString::number(i));
    return persons.join(QStringLiteral(", "));
}

CDrawRules RulesNamed(const QString& strRules)
{
    CDrawRules rules;
    rules.m_bNoMutual = strRules == u"no mutual" || strRules == u"both";
    rules.m_bOneCircle = strRules == u"one circle" || strRules == u"both";
    return rules;
}

// "Ann>Cid Bob>Cid": who never draws whom.
void Exclude(CNameList& list, const QString& strPairs)
{
    for (const QString& strPair : strPairs.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList names = strPair.split(u'>');
        list.m_exclusions.Add(names.at(0), names.at(1));
    }
}

// P0, P1, … in households of one to three persons, in the list notation.
QString RandomHouseholds(QRandomGenerator& random, int nCount)
{
    QStringList entries;
    for (int n = 0; n < nCount;) {
        const int nSize = std::min(nCount - n, 1 + int(random.bounded(3u)));
        QStringList members;
        for (int i = 0; i < nSize; ++i, ++n)
            members.append(QStringLiteral("P%1").arg(n));
        entries.append(nSize > 1 ? QStringLiteral("G%1[%2]").arg(n).arg(members.join(", "))
                                 : members.join(""));
    }
    return entries.join(", ");
}

// Why the drawing breaks an exclusion or a rule of shape, or an empty string.
QString ShapeBroken(const CNameList& list, const CDrawRules& rules)
{
    QHash<QString, QString> giftTo;
    list.ForEachPerson([&giftTo](CPerson* p) { giftTo.insert(p->m_strName, p->m_strGiftTo); });
    for (const CExclusions::CPair& pair : list.m_exclusions.Pairs()) {
        if (giftTo.value(pair.m_strGiver) == pair.m_strRecipient)
            return pair.m_strGiver + QStringLiteral(" drew ") + pair.m_strRecipient;
    }
    for (auto it = giftTo.cbegin(); it != giftTo.cend() && rules.m_bNoMutual; ++it) {
        if (giftTo.value(it.value()) == it.key())
            return it.key() + QStringLiteral(" and ") + it.value() +
                   QStringLiteral(" draw each other");
    }
    if (!rules.m_bOneCircle || giftTo.isEmpty())
        return {};
    const QString strFirst = list.GetPersonAt(0)->m_strName;
    qsizetype nLength = 1;
    for (QString str = giftTo.value(strFirst); str != strFirst && nLength <= giftTo.size();
         str = giftTo.value(str))
        ++nLength;
    return nLength == giftTo.size() ? QString() : QStringLiteral("not one circle");
}

// The exact law of the greedy draw: givers of groups first, then the others, each drawing
// uniformly among the persons the rules allow him and nobody has drawn yet. Keys are the
// drawn names in person order; the probabilities are those of the drawings that succeed,
// given that one does.
class CExactLaw
{
public:
    CExactLaw(const CNameList& list, const CNameList* pPrevious)
    {
        const int nCount = list.CountPersons();
        for (int i = 0; i < nCount; ++i)
            m_persons.append(list.GetPersonAt(i));
        for (int nPass = 0; nPass < 2; ++nPass) {
            for (int i = 0; i < nCount; ++i) {
                if ((GroupOf(list, m_persons[i]) != nullptr) == (nPass == 0))
                    m_order.append(i);
            }
        }
        for (const CPerson* pGiver : std::as_const(m_persons)) {
            QList<bool> allowed;
            QString strLast;
            if (pPrevious)
                pPrevious->FindGiftTo(pGiver->m_strName, strLast);
            for (const CPerson* pRecipient : std::as_const(m_persons)) {
                const CGroup* pGroup = GroupOf(list, pGiver);
                allowed.append(pRecipient != pGiver &&
                               (!pGroup || pGroup != GroupOf(list, pRecipient)) &&
                               (strLast.isEmpty() || strLast != pRecipient->m_strName));
            }
            m_allowed.append(allowed);
        }
        QList<int> recipients(nCount, -1);
        QList<bool> picked(nCount, false);
        Walk(0, 1.0, recipients, picked);
        for (double& dP : m_law)
            dP /= m_dSuccess;
    }

    // The law under the rules of shape: the greedy law given that the drawing has no mutual
    // pair; in one circle, every circle equally likely.
    void Shape(const CDrawRules& rules)
    {
        double dSum = 0;
        for (auto it = m_law.begin(); it != m_law.end();) {
            const QList<int>& recipients = m_recipients.value(it.key());
            bool bMutual = false;
            for (int n = 0; n < recipients.size(); ++n)
                bMutual |= recipients[recipients[n]] == n;
            int nLength = 1;
            for (int n = recipients[0]; n != 0; n = recipients[n])
                ++nLength;
            if ((rules.m_bNoMutual && bMutual) ||
                (rules.m_bOneCircle && nLength != recipients.size())) {
                it = m_law.erase(it);
                continue;
            }
            if (rules.m_bOneCircle)
                it.value() = 1;
            dSum += it.value();
            ++it;
        }
        for (double& dP : m_law)
            dP /= dSum;
    }

    QString Key(const QList<int>& recipients) const
    {
        QStringList names;
        for (const int n : recipients)
            names.append(m_persons[n]->m_strName);
        return names.join(u' ');
    }

    QHash<QString, double> m_law;

private:
    void Walk(int nStep, double dP, QList<int>& recipients, QList<bool>& picked)
    {
        if (nStep == m_order.size()) {
            m_law[Key(recipients)] += dP;
            m_recipients.insert(Key(recipients), recipients);
            m_dSuccess += dP;
            return;
        }
        const int nGiver = m_order[nStep];
        QList<int> hat;
        for (int j = 0; j < m_persons.size(); ++j) {
            if (m_allowed[nGiver][j] && !picked[j])
                hat.append(j);
        }
        for (const int j : std::as_const(hat)) {
            recipients[nGiver] = j;
            picked[j] = true;
            Walk(nStep + 1, dP / hat.size(), recipients, picked);
            picked[j] = false;
        }
    }

    QList<const CPerson*> m_persons;
    QHash<QString, QList<int>> m_recipients;
    QList<int> m_order;
    QList<QList<bool>> m_allowed;
    double m_dSuccess = 0;
};

// A giver's recipients as a law's key names them: in name order, joined by "+".
QString GiftsKey(const CPerson& person)
{
    QStringList names = person.GiftsTo();
    names.sort();
    return names.join(u'+');
}

// Draws the list kDraws times, each with its own seed, and compares how often each drawing
// comes out with the law: a chi-square test at 99.9 %. An empty string when it holds.
QString LawProblem(CNameList& list, const CDrawRules& rules,
                   const std::vector<const CNameList*>& history, const QHash<QString, double>& law)
{
    constexpr int kDraws = 6000;
    QHash<QString, int> observed;
    for (int nSeed = 0; nSeed < kDraws; ++nSeed) {
        CFramework::SetSeedSource([nSeed] { return quint32(nSeed); });
        if (!list.DrawNames(rules, history))
            return QStringLiteral("drawing failed");
        QStringList names;
        for (int i = 0; i < list.CountPersons(); ++i)
            names.append(GiftsKey(*list.GetPersonAt(i)));
        ++observed[names.join(u' ')];
    }
    double dChiSquare = 0;
    for (auto it = law.cbegin(); it != law.cend(); ++it) {
        const double dExpected = it.value() * kDraws;
        const double dDiff = observed.value(it.key()) - dExpected;
        dChiSquare += dDiff * dDiff / dExpected;
    }
    for (auto it = observed.cbegin(); it != observed.cend(); ++it) {
        if (!law.contains(it.key()))
            return QStringLiteral("unexpected drawing ") + it.key();
    }
    // The 99.9 % quantile by Wilson and Hilferty's approximation.
    const double dFree = law.size() - 1;
    const double dTerm = 2.0 / (9.0 * dFree);
    const double dLimit = dFree * std::pow(1.0 - dTerm + 3.09 * std::sqrt(dTerm), 3.0);
    if (dChiSquare < dLimit)
        return {};
    return QStringLiteral("chi-square %1 over %2 outcomes").arg(dChiSquare).arg(law.size());
}

// A list with roles or several gifts per giver as the tests see it, persons in list order:
// who may give to whom, and the spread of the gifts.
struct CGiftCase
{
    CGiftCase(const CNameList& list, const CNameList* pPrevious, const CDrawRules& rules)
        : m_nGifts(rules.m_nGifts), m_bNoMutual(rules.m_bNoMutual)
    {
        m_nCount = list.CountPersons();
        for (int g = 0; g < m_nCount; ++g) {
            const CPerson* pGiver = list.GetPersonAt(g);
            m_persons.append(pGiver);
            m_nGivers += pGiver->Gives() ? 1 : 0;
            m_nReceivers += pGiver->Receives() ? 1 : 0;
            if (pGiver->Gives())
                m_givers.append(g);
        }
        for (const CPerson* pGiver : std::as_const(m_persons)) {
            const CPerson* pThen = pPrevious ? pPrevious->FirstPersonWhere([&](CPerson* p) {
                return p->m_strName == pGiver->m_strName;
            })
                                             : nullptr;
            const QStringList last = pThen ? pThen->GiftsTo() : QStringList();
            const CGroup* pGroup = GroupOf(list, pGiver);
            quint32 nAllowed = 0;
            for (int r = 0; r < m_nCount; ++r) {
                const CPerson* pRecipient = m_persons[r];
                if (pRecipient != pGiver && pRecipient->Receives() &&
                    (!pGroup || pGroup != GroupOf(list, pRecipient)) &&
                    !list.m_exclusions.Contains(pGiver->m_strName, pRecipient->m_strName) &&
                    !last.contains(pRecipient->m_strName))
                    nAllowed |= 1u << r;
            }
            m_allowed.append(nAllowed);
        }
        if (m_nReceivers > 0) {
            m_nLow = m_nGivers * m_nGifts / m_nReceivers;
            m_nExtras = m_nGivers * m_nGifts % m_nReceivers;
            m_nHigh = m_nLow + (m_nExtras ? 1 : 0);
        }
    }
    bool Allowed(int g, int r) const { return m_allowed[g] >> r & 1; }

    // Whether some drawing keeps every rule: each giver in turn tries every set of receivers;
    // without the rule of mutual pairs, a state that failed once is not tried again.
    bool AnyDrawing() const
    {
        if (!Enough())
            return false;
        QList<int> received(m_nCount, 0);
        QList<quint32> gave(m_nCount, 0);
        QSet<QByteArray> failed;
        std::function<bool(int)> next = [&](int nAt) {
            if (nAt == m_givers.size())
                return true;
            const QByteArray key = StateKey(nAt, received);
            if (!m_bNoMutual && failed.contains(key))
                return false;
            const int g = m_givers[nAt];
            for (quint32 mask = 0; mask < (1u << m_nCount); ++mask) {
                if (!Fits(g, mask, received, gave))
                    continue;
                Pick(g, mask, received, gave, 1);
                if (next(nAt + 1))
                    return true;
                Pick(g, mask, received, gave, -1);
            }
            failed.insert(key);
            return false;
        };
        return next(0);
    }

    // Per giver, the persons he draws now.
    QList<quint32> DrawnMasks() const
    {
        QList<quint32> drawn;
        for (const CPerson* pGiver : m_persons) {
            quint32 nMask = 0;
            for (int r = 0; r < m_nCount; ++r)
                nMask |= pGiver->GiftsTo().contains(m_persons[r]->m_strName) ? 1u << r : 0;
            drawn.append(nMask);
        }
        return drawn;
    }

    // The most pairs of had that a drawing keeps, the rule of mutual pairs aside; -1: none.
    int MostKept(const QList<quint32>& had) const
    {
        if (!Enough())
            return -1;
        QList<int> received(m_nCount, 0);
        QList<quint32> gave(m_nCount, 0);
        QHash<QByteArray, int> most;
        std::function<int(int)> next = [&](int nAt) {
            if (nAt == m_givers.size())
                return 0;
            const QByteArray key = StateKey(nAt, received);
            if (const auto it = most.constFind(key); it != most.cend())
                return *it;
            const int g = m_givers[nAt];
            int nMost = -1;
            for (quint32 mask = 0; mask < (1u << m_nCount); ++mask) {
                if (!Fits(g, mask, received, gave))
                    continue;
                Pick(g, mask, received, gave, 1);
                const int nRest = next(nAt + 1);
                Pick(g, mask, received, gave, -1);
                if (nRest >= 0)
                    nMost = std::max(nMost, nRest + std::popcount(mask & had[g]));
            }
            most.insert(key, nMost);
            return nMost;
        };
        return next(0);
    }

    bool Enough() const
    {
        return m_nGivers > 0 && m_nReceivers > 0 && m_nGivers * m_nGifts >= m_nReceivers;
    }
    static QByteArray StateKey(int nAt, const QList<int>& received)
    {
        QByteArray key = QByteArray::number(nAt);
        for (const int n : received)
            key += char('a' + n);
        return key;
    }
    // Whether the giver may draw the persons of mask, as the others drew so far.
    bool Fits(int g, quint32 mask, const QList<int>& received, const QList<quint32>& gave) const
    {
        if (std::popcount(mask) != m_nGifts || (mask & ~m_allowed[g]))
            return false;
        int nBeyond = 0;
        for (int r = 0; r < m_nCount; ++r) {
            const int nNow = received[r] + int(mask >> r & 1);
            if (nNow > m_nHigh || ((mask >> r & 1) && m_bNoMutual && (gave[r] >> g & 1)))
                return false;
            nBeyond += std::max(0, nNow - m_nLow);
        }
        return nBeyond <= m_nExtras;
    }
    static void Pick(int g, quint32 mask, QList<int>& received, QList<quint32>& gave, int nSign)
    {
        for (int r = 0; r < received.size(); ++r)
            received[r] += nSign * int(mask >> r & 1);
        gave[g] = nSign > 0 ? mask : 0;
    }

    // Why the list's drawn names break a rule or the spread, or an empty string.
    QString Broken() const
    {
        const auto indexOf = [this](const QString& strName) {
            for (int n = 0; n < m_nCount; ++n) {
                if (m_persons[n]->m_strName == strName)
                    return n;
            }
            return -1;
        };
        QList<int> received(m_nCount, 0);
        QList<QStringList> drawn;
        for (int g = 0; g < m_nCount; ++g) {
            const QStringList names = m_persons[g]->GiftsTo();
            drawn.append(names);
            if (names.size() != (m_persons[g]->Gives() ? m_nGifts : 0))
                return m_persons[g]->m_strName + QStringLiteral(" has %1 names").arg(names.size());
            if (QSet<QString>(names.cbegin(), names.cend()).size() != names.size())
                return m_persons[g]->m_strName + QStringLiteral(" drew somebody twice");
            for (const QString& strName : names) {
                const int r = indexOf(strName);
                if (r < 0 || !Allowed(g, r))
                    return m_persons[g]->m_strName + QStringLiteral(" may not draw ") + strName;
                ++received[r];
            }
        }
        for (int r = 0; r < m_nCount; ++r) {
            const bool bReceives = m_persons[r]->Receives();
            if (bReceives ? received[r] < m_nLow || received[r] > m_nHigh : received[r] > 0)
                return m_persons[r]->m_strName + QStringLiteral(" gets %1").arg(received[r]);
            for (const QString& strName : drawn[r]) {
                if (m_bNoMutual && drawn.at(indexOf(strName)).contains(m_persons[r]->m_strName))
                    return m_persons[r]->m_strName + QStringLiteral(" and ") + strName +
                           QStringLiteral(" draw each other");
            }
        }
        return {};
    }

    // Whether what the drawing says blocks the list does: its counts prove there is no drawing.
    QString BlockProblem(const CGiftDrawing::CBlock& block) const
    {
        using EKind = CGiftDrawing::CBlock::EKind;
        const QList<int> persons(block.m_persons.cbegin(), block.m_persons.cend());
        int nCan = 0;
        switch (block.m_kind) {
        case EKind::counts:
            return m_nGivers * m_nGifts < m_nReceivers || m_nReceivers == 0
                       ? QString()
                       : QStringLiteral("counts");
        case EKind::givers:
            // Each receiver takes at most the most, one gift from each of them.
            for (int r = 0; r < m_nCount; ++r) {
                const auto nFrom = std::count_if(persons.cbegin(), persons.cend(),
                                                 [&](int g) { return Allowed(g, r); });
                nCan += std::min(m_nHigh, int(nFrom));
            }
            return nCan < m_nGifts * persons.size() ? QString() : QStringLiteral("givers");
        case EKind::receivers:
            for (int g = 0; g < m_nCount; ++g) {
                const auto nTo = std::count_if(persons.cbegin(), persons.cend(),
                                               [&](int r) { return Allowed(g, r); });
                nCan += m_persons[g]->Gives() ? std::min(m_nGifts, int(nTo)) : 0;
            }
            return nCan < m_nLow * persons.size() ? QString() : QStringLiteral("receivers");
        case EKind::mutual:
            return m_bNoMutual ? QString() : QStringLiteral("mutual");
        default:
            return QStringLiteral("kind %1").arg(int(block.m_kind));
        }
    }

    int m_nCount = 0;
    int m_nGifts = 1;
    bool m_bNoMutual = false;
    int m_nGivers = 0;
    int m_nReceivers = 0;
    int m_nLow = 0;
    int m_nHigh = 0;
    int m_nExtras = 0;
    QList<const CPerson*> m_persons;
    QList<int> m_givers;
    QList<quint32> m_allowed; // per giver, the receivers he may give to
};

// The exact law of the drawing with roles or several gifts: givers of groups first, then the
// others, each picking his gifts one after another uniformly among the receivers he may give
// to, has not picked and who have room; given that every giver gets all his gifts (and, with
// no mutual pairs, that no pick closes a pair). Keys as GiftsKey() writes them.
QHash<QString, double> GiftLaw(const CNameList& list, const CGiftCase& c)
{
    QList<int> order;
    for (int nPass = 0; nPass < 2; ++nPass) {
        for (int g = 0; g < c.m_nCount; ++g) {
            if (c.m_persons[g]->Gives() &&
                (GroupOf(list, c.m_persons[g]) != nullptr) == (nPass == 0))
                order.append(g);
        }
    }
    QHash<QString, double> law;
    double dSuccess = 0;
    QList<int> received(c.m_nCount, 0);
    QList<QStringList> picks(c.m_nCount);
    std::function<void(int, int, double)> walk = [&](int nAt, int nPicked, double dP) {
        if (nAt == order.size()) {
            QStringList keys;
            for (QStringList names : std::as_const(picks)) {
                names.sort();
                keys.append(names.join(u'+'));
            }
            law[keys.join(u' ')] += dP;
            dSuccess += dP;
            return;
        }
        if (nPicked == c.m_nGifts)
            return walk(nAt + 1, 0, dP);
        const int g = order[nAt];
        int nBeyond = 0;
        for (const int n : std::as_const(received))
            nBeyond += std::max(0, n - c.m_nLow);
        QList<int> hat;
        for (int r = 0; r < c.m_nCount; ++r) {
            const bool bRoom =
                received[r] < c.m_nLow || (received[r] < c.m_nHigh && nBeyond < c.m_nExtras);
            if (c.Allowed(g, r) && bRoom && !picks[g].contains(c.m_persons[r]->m_strName))
                hat.append(r);
        }
        for (const int r : std::as_const(hat)) {
            if (c.m_bNoMutual && picks[r].contains(c.m_persons[g]->m_strName))
                continue; // the attempt ends there
            picks[g].append(c.m_persons[r]->m_strName);
            ++received[r];
            walk(nAt, nPicked + 1, dP / hat.size());
            --received[r];
            picks[g].removeLast();
        }
    };
    walk(0, 0, 1.0);
    for (double& dP : law)
        dP /= dSuccess;
    return law;
}

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { CFramework::SetSeedSource({}); }
    void drawsWheneverPossible_data();
    void drawsWheneverPossible();
    void lawOfTheGreedyDraw_data();
    void lawOfTheGreedyDraw();
    void shapeRulesHold_data();
    void shapeRulesHold();
    void lawOfTheShapedDraw_data();
    void lawOfTheShapedDraw();
    void shapeAnswersAreExact_data();
    void shapeAnswersAreExact();
    void sameSeedSameDrawing();
    void previousRuleComparesNamesExactly();
    void checkAfterEdits_data();
    void checkAfterEdits();
    void exclusionsAndHistory_data();
    void exclusionsAndHistory();
    void repairIsMinimal_data();
    void repairIsMinimal();
    void giftsAgainstBruteForce();
    void lawOfTheGiftDraw_data();
    void lawOfTheGiftDraw();
};

void TestDrawing::drawsWheneverPossible_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("previous"); // "-" none, "drawn" a drawing of the same list
    QTest::addColumn<QString>("blocked");  // empty when every drawing must succeed

    QTest::newRow("three top-level persons") << "Ann, Bob, Cid"
                                             << "-"
                                             << "";
    QTest::newRow("two persons, no history") << "Ann, Bob"
                                             << "-"
                                             << "";
    QTest::newRow("groups draw first whatever the order") << "Ann, Dan, Fam[Bob, Cid]"
                                                          << "-"
                                                          << "";
    QTest::newRow("households with history")
        << "Ann, Smiths[Bob, Carl], Dora, Lee[Kim, Max, Ned], Oli"
        << "Ann>Bob, Smiths[Bob>Dora, Carl>Ann], Dora>Carl, Lee[Kim>Oli, Max>Ann, Ned>Bob], Oli>Kim"
        << "";
    QTest::newRow("newcomer is free of history") << "Ann, Bob, Cid, New"
                                                 << "Ann>Bob, Bob>Cid, Cid>Ann"
                                                 << "";
    QTest::newRow("a person without a name must be named first") << "Ann, , Bob, Cid"
                                                                 << "-"
                                                                 << "has no name";
    QTest::newRow("empty groups are harmless") << "E[], Ann, F[], Bob, Cid"
                                               << "-"
                                               << "";
    QTest::newRow("three couples") << "A[Ann, Abe], B[Bea, Bob], C[Cy, Cat]"
                                   << "drawn"
                                   << "";
    QTest::newRow("households of 2, 3 and 4 and one more")
        << Household("H", 2) + ", " + Household("K", 3) + ", " + Household("L", 4) + ", Sol"
        << "drawn"
        << "";
    QTest::newRow("four persons") << Singles("P", 4) << "drawn"
                                  << "";
    QTest::newRow("office of 12") << Singles("P", 12) << "drawn"
                                  << "";
    QTest::newRow("two households of 10")
        << Household("H", 10) + ", " + Household("K", 10) << "drawn"
        << "";
    QTest::newRow("a group of exactly half")
        << Household("H", 4) + ", " + Singles("P", 4) << "drawn"
        << "";

    QTest::newRow("one group only") << "Fam[Ann, Bob, Cid]"
                                    << "-"
                                    << "Ann, Bob and Cid cannot give to anybody";
    QTest::newRow("group of three and one person") << "Fam[Ann, Bob, Cid], Dan"
                                                   << "-"
                                                   << "Ann, Bob and Cid can only give to Dan";
    QTest::newRow("a group of more than half")
        << Household("H", 6) + ", " + Singles("P", 5) << "-"
        << "H1, H2, H3, H4 and 2 others can only give to P1, P2, P3, P4 and P5";
    QTest::newRow("two persons who gave to each other") << "Ann, Bob"
                                                        << "Ann>Bob, Bob>Ann"
                                                        << "Ann and Bob cannot give to anybody";
}

void TestDrawing::drawsWheneverPossible()
{
    QFETCH(QString, list);
    QFETCH(QString, previous);
    QFETCH(QString, blocked);
    const auto pList = ParseList(list);
    auto pPrevious = previous == u"-" ? nullptr : ParseList(previous == u"drawn" ? list : previous);
    if (previous == u"drawn") {
        CFramework::SetSeedSource([] { return 1u; });
        QVERIFY(pPrevious->DrawNames(nullptr));
    }
    const QString strPreviousBefore = pPrevious ? DescribeList(*pPrevious) : QString();
    const QString strBefore = DescribeList(*pList);

    for (int nSeed = 0; nSeed < kSeeds; ++nSeed) {
        CFramework::SetSeedSource([nSeed] { return quint32(nSeed); });
        QString strWhy;
        std::vector<const CNameList*> history;
        if (pPrevious)
            history.push_back(pPrevious.get());
        const bool bDrawn = pList->DrawNames(CDrawRules(), history, strWhy);
        if (blocked.isEmpty()) {
            QVERIFY(bDrawn);
            const QString strBroken = RuleBroken(*pList, pPrevious.get());
            QVERIFY2(strBroken.isEmpty(), qPrintable(strBroken));
            continue;
        }
        // Nothing changes, and the reason names the blocking persons.
        QVERIFY(!bDrawn);
        QCOMPARE(DescribeList(*pList), strBefore);
        QVERIFY2(strWhy.contains(blocked), qPrintable(strWhy));
    }
    if (pPrevious)
        QCOMPARE(DescribeList(*pPrevious), strPreviousBefore);
}

void TestDrawing::lawOfTheGreedyDraw_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("previous");

    QTest::newRow("three persons") << "Ann, Bob, Cid"
                                   << "-";
    QTest::newRow("five persons") << "Ann, Bob, Cid, Dan, Eve"
                                  << "-";
    QTest::newRow("four persons with history") << "Ann, Bob, Cid, Dan"
                                               << "Ann>Bob, Bob>Cid, Cid>Dan, Dan>Ann";
    QTest::newRow("a couple and three with history")
        << "Fam[Ann, Bob], Cid, Dan, Eve"
        << "Fam[Ann>Cid, Bob>Dan], Cid>Eve, Dan>Ann, Eve>Bob";
    QTest::newRow("two couples and one") << "A[Ann, Abe], B[Bea, Bob], Cid"
                                         << "-";
}

void TestDrawing::lawOfTheGreedyDraw()
{
    // Each drawing that keeps the rules comes out as often as under the greedy draw repeated
    // until it succeeds: a chi-square test against the exact probabilities.
    QFETCH(QString, list);
    QFETCH(QString, previous);
    const auto pList = ParseList(list);
    const auto pPrevious = previous == u"-" ? nullptr : ParseList(previous);
    const CExactLaw law(*pList, pPrevious.get());
    std::vector<const CNameList*> history;
    if (pPrevious)
        history.push_back(pPrevious.get());
    const QString strProblem = LawProblem(*pList, CDrawRules(), history, law.m_law);
    QVERIFY2(strProblem.isEmpty(), qPrintable(strProblem));
}

void TestDrawing::shapeRulesHold_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("previous"); // "-" none, "drawn" a drawing of the same list
    QTest::addColumn<QString>("exclusions");
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QString>("blocked"); // " | " between the parts of the message; empty: success

    const QString strFamilies = Household("H", 2) + ", " + Household("K", 3) + ", " +
                                Household("L", 6) + ", " + Household("M", 4) + ", Sol, Ute";
    QTest::newRow("office without mutual pairs") << Singles("P", 12) << "drawn"
                                                 << ""
                                                 << "no mutual"
                                                 << "";
    QTest::newRow("three without mutual pairs") << "Ann, Bob, Cid"
                                                << "-"
                                                << ""
                                                << "no mutual"
                                                << "";
    QTest::newRow("families in one circle") << strFamilies << "drawn"
                                            << "H1>K1 K2>L1 L3>Sol"
                                            << "one circle"
                                            << "";
    QTest::newRow("families, both rules") << strFamilies << "drawn"
                                          << "Sol>Ute Ute>Sol"
                                          << "both"
                                          << "";
    QTest::newRow("two in one circle") << "Ann, Bob"
                                       << "-"
                                       << ""
                                       << "one circle"
                                       << "";
    QTest::newRow("a group of exactly half, both rules")
        << Household("H", 4) + ", " + Singles("P", 4) << "drawn"
        << ""
        << "both"
        << "";
    QTest::newRow("a tight circle of 100")
        << Household("H", 50) + ", " + Singles("P", 50) << "drawn"
        << ""
        << "one circle"
        << "";
    QTest::newRow("90 in households, both rules")
        << Household("A", 5) + ", " + Household("B", 6) + ", " + Household("C", 4) + ", " +
               Household("D", 5) + ", " + Household("E", 3) + ", " + Singles("P", 67)
        << "drawn"
        << "P1>P2 P2>P3"
        << "both"
        << "";

    QTest::newRow("two without mutual pairs")
        << "Ann, Bob"
        << "-"
        << ""
        << "no mutual"
        << "Ann and Bob can only give to each other. | nobody draws himself; nobody draws the "
           "person who draws him";
    QTest::newRow("two, both rules") << "Ann, Bob"
                                     << "-"
                                     << ""
                                     << "both"
                                     << "Ann and Bob can only give to each other | nobody "
                                        "draws the person who draws him";
    QTest::newRow("a pair apart breaks the circle")
        << "Ann, Bob, Cid, Dan"
        << "-"
        << "Ann>Cid Ann>Dan Bob>Cid Bob>Dan"
        << "one circle"
        << "Ann and Bob can only give to each other | Ann never draws Cid; Ann never draws Dan; "
           "Bob never draws Cid; 1 more exclusions; the gifts go round in one single circle";
    QTest::newRow("a pair forced by exclusions and a group")
        << "F[Ann, Cid], Bob, Dan"
        << "-"
        << "Ann>Dan Bob>Cid Bob>Dan"
        << "no mutual"
        << "Ann and Bob can only give to each other | nobody draws a person of his own "
           "group; Ann never draws Dan; Bob never draws Cid; Bob never draws Dan; nobody draws "
           "the person who draws him";
    QTest::newRow("the other rules come first") << "Fam[Ann, Bob, Cid], Dan"
                                                << "-"
                                                << ""
                                                << "both"
                                                << "Ann, Bob and Cid can only give to Dan";
}

void TestDrawing::shapeRulesHold()
{
    // Every drawing keeps every rule, over many seeds; a list that cannot keep them is left
    // as it was, with one message that names the persons and the rules that block them.
    QFETCH(QString, list);
    QFETCH(QString, previous);
    QFETCH(QString, exclusions);
    QFETCH(QString, rules);
    QFETCH(QString, blocked);
    constexpr int kShapeSeeds = 60;
    const auto pList = ParseList(list);
    Exclude(*pList, exclusions);
    auto pPrevious = previous == u"-" ? nullptr : ParseList(previous == u"drawn" ? list : previous);
    if (previous == u"drawn") {
        CFramework::SetSeedSource([] { return 1u; });
        QVERIFY(pPrevious->DrawNames(nullptr));
    }
    std::vector<const CNameList*> history;
    if (pPrevious)
        history.push_back(pPrevious.get());
    const CDrawRules drawRules = RulesNamed(rules);
    const QString strBefore = DescribeList(*pList);
    for (int nSeed = 0; nSeed < kShapeSeeds; ++nSeed) {
        CFramework::SetSeedSource([nSeed] { return quint32(nSeed); });
        QString strWhy;
        const int nResult = pList->DrawNames(drawRules, history, strWhy) ? 1 : 0;
        if (blocked.isEmpty()) {
            QCOMPARE(nResult, 1);
            const QString strBroken =
                RuleBroken(*pList, pPrevious.get()) + ShapeBroken(*pList, drawRules);
            QVERIFY2(strBroken.isEmpty(), qPrintable(strBroken));
            continue;
        }
        QCOMPARE(nResult, 0);
        QCOMPARE(DescribeList(*pList), strBefore);
        for (const QString& strPart : blocked.split(QStringLiteral(" | ")))
            QVERIFY2(strWhy.contains(strPart), qPrintable(strWhy));
    }
}

void TestDrawing::lawOfTheShapedDraw_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("rules");

    QTest::newRow("five without mutual pairs") << "Ann, Bob, Cid, Dan, Eve"
                                               << "-"
                                               << "no mutual";
    QTest::newRow("a couple and three with history, no mutual pairs")
        << "Fam[Ann, Bob], Cid, Dan, Eve"
        << "Fam[Ann>Cid, Bob>Dan], Cid>Eve, Dan>Ann, Eve>Bob"
        << "no mutual";
    QTest::newRow("five in one circle") << "Ann, Bob, Cid, Dan, Eve"
                                        << "-"
                                        << "one circle";
    QTest::newRow("two couples and one in one circle") << "A[Ann, Abe], B[Bea, Bob], Cid"
                                                       << "-"
                                                       << "one circle";
    QTest::newRow("six with history, both rules") << "Ann, Bob, Cid, Dan, Eve, Fay"
                                                  << "Ann>Bob, Bob>Cid, Cid>Ann, Dan>Eve, "
                                                     "Eve>Fay, Fay>Dan"
                                                  << "both";
}

void TestDrawing::lawOfTheShapedDraw()
{
    // Without mutual pairs: the greedy law given that no pair draws each other. In one circle:
    // every circle the rules allow equally likely.
    QFETCH(QString, list);
    QFETCH(QString, previous);
    QFETCH(QString, rules);
    const auto pList = ParseList(list);
    const auto pPrevious = previous == u"-" ? nullptr : ParseList(previous);
    CExactLaw law(*pList, pPrevious.get());
    const CDrawRules drawRules = RulesNamed(rules);
    law.Shape(drawRules);
    std::vector<const CNameList*> history;
    if (pPrevious)
        history.push_back(pPrevious.get());
    const QString strProblem = LawProblem(*pList, drawRules, history, law.m_law);
    QVERIFY2(strProblem.isEmpty(), qPrintable(strProblem));
}

void TestDrawing::shapeAnswersAreExact_data()
{
    QTest::addColumn<QString>("rules");
    QTest::newRow("no mutual") << "no mutual";
    QTest::newRow("one circle") << "one circle";
    QTest::newRow("both") << "both";
}

void TestDrawing::shapeAnswersAreExact()
{
    // Random small lists with groups and exclusions, against every permutation of their
    // persons: a list is drawn exactly when some drawing keeps every rule.
    QFETCH(QString, rules);
    const CDrawRules drawRules = RulesNamed(rules);
    QRandomGenerator random(14);
    int nImpossible = 0;
    for (int nList = 0; nList < 400; ++nList) {
        const int nCount = 2 + int(random.bounded(6u));
        QStringList entries;
        QList<int> groupOf;
        for (int n = 0; n < nCount;) {
            const int nSize = std::min(nCount - n, 1 + int(random.bounded(3u)));
            QStringList members;
            for (int i = 0; i < nSize; ++i, ++n) {
                members.append(QStringLiteral("P%1").arg(n));
                groupOf.append(nSize > 1 ? int(entries.size()) : -1 - n);
            }
            entries.append(nSize > 1 ? QStringLiteral("G[%1]").arg(members.join(", "))
                                     : members.join(""));
        }
        const auto pList = ParseList(entries.join(", "));
        QList<QList<bool>> allowed(nCount, QList<bool>(nCount, false));
        const quint32 nExcludedPerThousand = random.bounded(400u);
        for (int g = 0; g < nCount; ++g) {
            for (int r = 0; r < nCount; ++r) {
                const bool bExcluded = random.bounded(1000u) < nExcludedPerThousand;
                if (bExcluded)
                    pList->m_exclusions.Add(QStringLiteral("P%1").arg(g),
                                            QStringLiteral("P%1").arg(r));
                allowed[g][r] = g != r && groupOf[g] != groupOf[r] && !bExcluded;
            }
        }
        QList<int> recipients(nCount);
        std::iota(recipients.begin(), recipients.end(), 0);
        bool bExists = false;
        do {
            bool bValid = true;
            int nLength = 1;
            for (int n = 0; n < nCount; ++n)
                bValid &= allowed[n][recipients[n]] &&
                          !(drawRules.m_bNoMutual && recipients[recipients[n]] == n);
            for (int n = recipients[0]; n != 0 && bValid; n = recipients[n])
                ++nLength;
            bExists |= bValid && (!drawRules.m_bOneCircle || nLength == nCount);
        } while (!bExists && std::next_permutation(recipients.begin(), recipients.end()));
        nImpossible += bExists ? 0 : 1;

        const QString strList = DescribeList(*pList);
        QString strWhy;
        CFramework::SetSeedSource([nList] { return quint32(nList); });
        QVERIFY2(pList->CanBeDrawn(drawRules, {}, strWhy) == bExists, qPrintable(strList));
        QCOMPARE(pList->DrawNames(drawRules, {}), bExists ? 1 : 0);
        const QString strBroken =
            bExists ? ShapeBroken(*pList, drawRules) + RuleBroken(*pList, nullptr) : QString();
        QVERIFY2(strBroken.isEmpty(), qPrintable(strList + QStringLiteral(": ") + strBroken));
    }
    // Both answers are well represented.
    QVERIFY2(nImpossible > 40 && nImpossible < 360, qPrintable(QString::number(nImpossible)));
}

void TestDrawing::sameSeedSameDrawing()
{
    CFramework::SetSeedSource([] { return 4711u; });
    const auto pList = ParseList("Ann, Bob, Fam[Cid, Dan], Eve, Fay");
    pList->DrawNames(nullptr);
    const QString strFirst = DescribeList(*pList);
    pList->DrawNames(nullptr);
    QCOMPARE(DescribeList(*pList), strFirst);
}

void TestDrawing::previousRuleComparesNamesExactly()
{
    // Last year Ann gave to "Bob"; this year's list has "bob" and "Bob". Ann's hat never
    // holds "Bob", but may hold "bob".
    const auto pPrevious = ParseList("Ann>Bob");
    const auto pList = ParseList("Ann, bob, Bob");
    bool bDrewLowerCase = false;
    for (int nSeed = 0; nSeed < kSeeds; ++nSeed) {
        CFramework::SetSeedSource([nSeed] { return quint32(nSeed); });
        QVERIFY(pList->DrawNames(pPrevious.get()));
        const QString strAnnGivesTo = pList->GetPersonAt(0)->m_strGiftTo;
        QVERIFY(strAnnGivesTo != u"Bob");
        bDrewLowerCase |= strAnnGivesTo == u"bob";
    }
    QVERIFY(bDrewLowerCase);
}

void TestDrawing::checkAfterEdits_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("problem"); // empty for a valid drawing

    QTest::newRow("valid") << "Ann>Bob, Fam[Bob>Dan, Cid>Ann], Dan>Cid"
                           << "-"
                           << "";
    QTest::newRow("nothing drawn") << "Ann, Bob, Cid"
                                   << "-"
                                   << "no names have been drawn";
    QTest::newRow("person added") << "Ann>Bob, Bob>Cid, Cid>Ann, Eve"
                                  << "-"
                                  << "Eve has no drawn name";
    QTest::newRow("person removed") << "Ann>Bob, Cid>Ann"
                                    << "-"
                                    << "Bob, drawn by Ann, is no longer in the list";
    QTest::newRow("person renamed elsewhere") << "Ann>Bob, Rob>Cid, Cid>Ann"
                                              << "-"
                                              << "Bob, drawn by Ann, is no longer";
    QTest::newRow("moved into a group") << "Fam[Ann>Bob, Bob>Cid], Cid>Ann"
                                        << "-"
                                        << "Ann drew Bob of his own group";
    QTest::newRow("drawn twice") << "Ann>Cid, Bob>Cid, Cid>Ann"
                                 << "-"
                                 << "Cid is drawn by both Ann and Bob";
    QTest::newRow("himself") << "Ann>Ann, Bob>Cid, Cid>Bob"
                             << "-"
                             << "Ann drew himself";
    QTest::newRow("last time's recipient") << "Ann>Bob, Bob>Cid, Cid>Ann"
                                           << "Ann>Bob, Bob>Ann, Cid>Ann"
                                           << "Ann drew Bob, the person he gave to last time";
    QTest::newRow("a name of two persons") << "Ann>Bob, Bob>Ann, Bob>Ann"
                                           << "-"
                                           << "Bob, drawn by Ann, is the name of more";
    QTest::newRow("a few named, the rest counted") << "A>V, B>W, C>X, D>Y, E>Z"
                                                   << "-"
                                                   << "; and 2 more";
}

void TestDrawing::checkAfterEdits()
{
    QFETCH(QString, list);
    QFETCH(QString, previous);
    QFETCH(QString, problem);
    const auto pList = ParseList(list);
    const auto pPrevious = previous == u"-" ? nullptr : ParseList(previous);
    QString strWhy;
    QCOMPARE(pList->CheckDrawing(pPrevious.get(), strWhy), problem.isEmpty());
    QVERIFY2(strWhy.contains(problem), qPrintable(strWhy));
}

void TestDrawing::exclusionsAndHistory_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("exclusions"); // "Ann>Bob": Ann never draws Bob
    QTest::addColumn<QString>("history");    // earlier drawings, newest first, " | " apart
    QTest::addColumn<int>("years");          // the history window
    QTest::addColumn<QString>("blocked");    // empty when the list can be drawn

    const QString strOffice = Singles("P", 8);
    QTest::newRow("office, exclusions and three years")
        << strOffice << "P1>P2, P2>P1, P3>P4, P5>P6, P5>P7, P8>P1"
        << "P1>P3, P2>P4, P3>P5, P4>P6, P5>P8, P6>P7, P7>P1, P8>P2 | "
           "P1>P4, P2>P5, P3>P6, P4>P7, P5>P1, P6>P8, P7>P2, P8>P3 | "
           "P1>P5, P2>P6, P3>P7, P4>P8, P5>P2, P6>P1, P7>P3, P8>P4"
        << 3 << "";
    QTest::newRow("households and a feud") << "Ann, S[Bob, Cid], J[Dan, Eve], Fay"
                                           << "Ann>Dan, Dan>Ann, Bob>Fay"
                                           << "-" << 1 << "";
    QTest::newRow("no history rule") << "Ann, Bob"
                                     << ""
                                     << "Ann>Bob, Bob>Ann" << 0 << "";
    QTest::newRow("the window ends the older years")
        << "Ann, Bob, Cid"
        << ""
        << "Ann>Cid, Bob>Ann, Cid>Bob | Ann>Bob, Bob>Cid, Cid>Ann" << 1 << "";
    QTest::newRow("excluded from everybody")
        << "Ann, Bob, Cid"
        << "Ann>Bob, Ann>Cid"
        << "-" << 1
        << "Ann cannot give to anybody.\r\n\r\nWhat blocks them: nobody draws himself; Ann "
           "never draws Bob; Ann never draws Cid. Change the groups, the exclusions";
    QTest::newRow("two years leave nobody")
        << "Ann, Bob, Cid"
        << ""
        << "Ann>Cid, Bob>Ann, Cid>Bob | Ann>Bob, Bob>Cid, Cid>Ann" << 2
        << "nobody draws a person he gave to in the last 2 exchanges";
    QTest::newRow("a household and an exclusion") << "S[Ann, Bob], Cid, Dan"
                                                  << "Cid>Dan, Dan>Cid, Cid>Ann, Dan>Ann"
                                                  << "-" << 1 << "Cid and Dan can only give to Bob";
}

void TestDrawing::exclusionsAndHistory()
{
    QFETCH(QString, list);
    QFETCH(QString, exclusions);
    QFETCH(QString, history);
    QFETCH(int, years);
    QFETCH(QString, blocked);
    const auto pList = ParseList(list);
    for (const QString& strPair : exclusions.split(QStringLiteral(", "), Qt::SkipEmptyParts))
        pList->m_exclusions.Add(strPair.section(u'>', 0, 0), strPair.section(u'>', 1));
    std::vector<std::unique_ptr<CNameList>> earlier;
    std::vector<const CNameList*> window;
    for (const QString& strDrawing : history.split(QStringLiteral(" | "))) {
        if (strDrawing == u"-")
            continue;
        earlier.push_back(ParseList(strDrawing));
        if (int(window.size()) < years)
            window.push_back(earlier.back().get());
    }
    CDrawRules rules;
    rules.m_nHistory = years;

    for (int nSeed = 0; nSeed < kSeeds; ++nSeed) {
        CFramework::SetSeedSource([nSeed] { return quint32(nSeed); });
        QString strWhy;
        const int nResult = pList->DrawNames(rules, window, strWhy) ? 1 : 0;
        if (!blocked.isEmpty()) {
            QCOMPARE(nResult, 0);
            QVERIFY2(strWhy.contains(blocked), qPrintable(strWhy));
            continue;
        }
        QCOMPARE(nResult, 1);
        const QString strBroken = RuleBroken(*pList, nullptr);
        QVERIFY2(strBroken.isEmpty(), qPrintable(strBroken));
        pList->ForEachPerson([&](CPerson* pGiver) {
            QVERIFY(!pList->m_exclusions.Contains(pGiver->m_strName, pGiver->m_strGiftTo));
            for (const CNameList* pEarlier : window) {
                QString strThen;
                pEarlier->FindGiftTo(pGiver->m_strName, strThen);
                QVERIFY2(strThen != pGiver->m_strGiftTo, qPrintable(pGiver->m_strName));
            }
        });
        QVERIFY2(pList->CheckDrawing(rules, window, strWhy), qPrintable(strWhy));
    }
}

void TestDrawing::repairIsMinimal_data()
{
    QTest::addColumn<QString>("rules");
    for (const char* pRules : {"default", "no mutual", "one circle", "both"})
        QTest::newRow(pRules) << pRules;
}

void TestDrawing::repairIsMinimal()
{
    // Random small lists with households and exclusions, drawn after an earlier drawing whose
    // recipients they avoid, then changed once: somebody leaves, somebody joins, or somebody
    // may no longer give to his recipient. Against every permutation of the changed list: the
    // repair changes exactly as few givers as some drawing does, keeps every rule, and fails
    // only when no drawing exists. On the smallest lists, every repair with the fewest changes
    // comes out for some seed.
    QFETCH(QString, rules);
    const CDrawRules drawRules = RulesNamed(rules);
    QRandomGenerator random(2026);
    int nRepaired = 0;
    int nImpossible = 0;
    for (int nList = 0; nList < 500; ++nList) {
        const int nCount = 3 + int(random.bounded(6u));
        const auto pPrevious = ParseList(RandomHouseholds(random, nCount));
        CFramework::SetSeedSource([nList] { return quint32(nList); });
        CNameList list;
        list.CopyForNextDrawing(*pPrevious);
        for (int n = 0; n < nCount; ++n) {
            if (random.bounded(8u) == 0)
                list.m_exclusions.Add(QStringLiteral("P%1").arg(n),
                                      QStringLiteral("P%1").arg(random.bounded(quint32(nCount))));
        }
        const std::vector<const CNameList*> history{pPrevious.get()};
        if (!pPrevious->DrawNames(drawRules, {}) || !list.DrawNames(drawRules, history))
            continue;
        CPerson* pChanged = list.GetPersonAt(int(random.bounded(quint32(nCount))));
        switch (random.bounded(3u)) {
        case 0:
            list.Remove(pChanged);
            break;
        case 1:
            if (CGroup* pGroup = list.GroupOf(pChanged); pGroup && random.bounded(2u))
                list.AddToGroup(new CPerson(QStringLiteral("New"), {}, {}), pGroup);
            else
                list.Append(new CPerson(QStringLiteral("New"), {}, {}));
            break;
        default:
            list.m_exclusions.Add(pChanged->m_strName, pChanged->m_strGiftTo);
        }

        // Every drawing of the changed list, by how many givers it changes.
        const int nNow = list.CountPersons();
        QList<const CPerson*> persons;
        QStringList had;
        for (int n = 0; n < nNow; ++n) {
            persons.append(list.GetPersonAt(n));
            had.append(persons.last()->m_strGiftTo);
        }
        QList<QList<bool>> allowed(nNow, QList<bool>(nNow));
        QList<QList<int>> change(nNow, QList<int>(nNow));
        for (int g = 0; g < nNow; ++g) {
            QString strLast;
            pPrevious->FindGiftTo(persons[g]->m_strName, strLast);
            const CGroup* pGroup = GroupOf(list, persons[g]);
            for (int r = 0; r < nNow; ++r) {
                allowed[g][r] =
                    g != r && (!pGroup || pGroup != GroupOf(list, persons[r])) &&
                    !list.m_exclusions.Contains(persons[g]->m_strName, persons[r]->m_strName) &&
                    strLast != persons[r]->m_strName;
                change[g][r] = !had[g].isEmpty() && had[g] != persons[r]->m_strName ? 1 : 0;
            }
        }
        QList<int> recipients(nNow);
        std::iota(recipients.begin(), recipients.end(), 0);
        int nFewest = -1;
        QSet<QString> fewest;
        do {
            bool bValid = true;
            int nLength = 1;
            int nChanges = 0;
            for (int n = 0; n < nNow && bValid; ++n) {
                bValid = allowed[n][recipients[n]] &&
                         !(drawRules.m_bNoMutual && recipients[recipients[n]] == n);
                nChanges += change[n][recipients[n]];
            }
            for (int n = recipients[0]; n != 0 && bValid; n = recipients[n])
                ++nLength;
            if (!bValid || (drawRules.m_bOneCircle && nLength != nNow) ||
                (nFewest >= 0 && nChanges > nFewest))
                continue;
            if (nChanges != nFewest)
                fewest.clear();
            nFewest = nChanges;
            QStringList names;
            for (const int n : std::as_const(recipients))
                names.append(persons[n]->m_strName);
            fewest.insert(names.join(u' '));
        } while (std::next_permutation(recipients.begin(), recipients.end()));

        const QString strList = DescribeList(list);
        QString strWhy;
        int nChanged = -1;
        QCOMPARE(list.RepairDrawing(drawRules, history, strWhy, nChanged), nFewest >= 0);
        nImpossible += nFewest < 0 ? 1 : 0;
        if (nFewest < 0)
            continue;
        ++nRepaired;
        QVERIFY2(nChanged == nFewest,
                 qPrintable(strList +
                            QStringLiteral(": %1 changes, not %2").arg(nChanged).arg(nFewest)));
        const QString strBroken = ShapeBroken(list, drawRules) + RuleBroken(list, pPrevious.get());
        QVERIFY2(strBroken.isEmpty(), qPrintable(strList + QStringLiteral(": ") + strBroken));
        if (nNow > 5)
            continue;
        QSet<QString> chosen;
        for (int nSeed = 0; nSeed < 200; ++nSeed) {
            for (int n = 0; n < nNow; ++n)
                list.GetPersonAt(n)->m_strGiftTo = had[n];
            CFramework::SetSeedSource([nSeed] { return quint32(nSeed); });
            QVERIFY(list.RepairDrawing(drawRules, history, strWhy, nChanged));
            QStringList names;
            for (int n = 0; n < nNow; ++n)
                names.append(list.GetPersonAt(n)->m_strGiftTo);
            chosen.insert(names.join(u' '));
        }
        QCOMPARE(chosen, fewest);
    }
    QVERIFY2(
        nRepaired > 200 && nImpossible > 0,
        qPrintable(QStringLiteral("%1 repaired, %2 impossible").arg(nRepaired).arg(nImpossible)));
}

void TestDrawing::giftsAgainstBruteForce()
{
    // Random small lists with households, exclusions, roles, a previous drawing and one to
    // three gifts each, with and without mutual pairs: a list is drawn exactly when a search
    // of every drawing finds one, and then every rule and the spread hold; when it is not, the
    // blockers named prove by their counts that there is none. A drawn list then loses a
    // person and is repaired: again exactly when some drawing exists, and keeping the spread.
    QRandomGenerator random(27);
    int nDrawn = 0;
    int nBlocked = 0;
    for (int nList = 0; nList < 2000; ++nList) {
        CDrawRules rules;
        rules.m_bNoMutual = random.bounded(3u) == 0;
        rules.m_nGifts = 1 + int(random.bounded(3u));
        // Every drawing without mutual pairs is searched for: fewer persons keep that short.
        const int nCount = 3 + int(random.bounded(rules.m_bNoMutual ? 4u : 7u));
        const auto pList = ParseList(RandomHouseholds(random, nCount));
        for (int n = 0; n < nCount; ++n) {
            CPerson* pPerson = pList->GetPersonAt(n);
            const quint32 nRole = random.bounded(8u);
            pPerson->m_role = nRole == 0   ? ERole::givesOnly
                              : nRole == 1 ? ERole::receivesOnly
                                           : ERole::both;
            if (random.bounded(6u) == 0)
                pList->m_exclusions.Add(pPerson->m_strName,
                                        QStringLiteral("P%1").arg(random.bounded(quint32(nCount))));
        }
        std::unique_ptr<CNameList> pPrevious;
        if (random.bounded(3u) == 0) {
            pPrevious = std::make_unique<CNameList>();
            pPrevious->CopyForNextDrawing(*pList);
            pPrevious->ForEachPerson([&](CPerson* pPerson) {
                QStringList names;
                for (int k = 0; k < rules.m_nGifts; ++k)
                    names.append(QStringLiteral("P%1").arg(random.bounded(quint32(nCount))));
                names.removeDuplicates();
                pPerson->SetGiftsTo(names);
            });
        }
        std::vector<const CNameList*> history;
        if (pPrevious)
            history.push_back(pPrevious.get());
        const CGiftCase giftCase(*pList, pPrevious.get(), rules);
        const QString strList =
            DescribeList(*pList) + QStringLiteral(" gifts %1%2")
                                       .arg(rules.m_nGifts)
                                       .arg(rules.m_bNoMutual ? " no mutual" : "");
        CFramework::SetSeedSource([nList] { return quint32(nList); });
        QString strWhy;
        const bool bDrawn = pList->DrawNames(rules, history, strWhy);
        QVERIFY2(bDrawn == giftCase.AnyDrawing(), qPrintable(strList + u' ' + strWhy));
        if (!bDrawn) {
            ++nBlocked;
            QVERIFY(!strWhy.isEmpty());
            const CDrawGraph graph(*pList, history);
            CGiftDrawing drawing(graph, rules);
            CGifts gifts;
            QRandomGenerator again(1);
            if (graph.HasRoles() || rules.m_nGifts > 1) {
                QVERIFY(!drawing.Draw(again, gifts, strWhy));
                const QString strProblem = giftCase.BlockProblem(drawing.Block());
                QVERIFY2(strProblem.isEmpty(), qPrintable(strList + u' ' + strProblem));
            }
            continue;
        }
        ++nDrawn;
        QString strBroken = giftCase.Broken();
        QVERIFY2(strBroken.isEmpty(), qPrintable(strList + u' ' + strBroken));
        QVERIFY2(pList->CheckDrawing(rules, history, strWhy), qPrintable(strWhy));
        if (nCount == 3 || random.bounded(2u))
            continue;
        pList->Remove(pList->GetPersonAt(int(random.bounded(quint32(nCount)))));
        const CGiftCase changed(*pList, pPrevious.get(), rules);
        const QList<quint32> had = changed.DrawnMasks();
        int nChanged = 0;
        const bool bRepaired = pList->RepairDrawing(rules, history, strWhy, nChanged);
        QVERIFY2(bRepaired == changed.AnyDrawing(), qPrintable(strList + u' ' + strWhy));
        strBroken = bRepaired ? changed.Broken() : QString();
        QVERIFY2(strBroken.isEmpty(),
                 qPrintable(strList + QStringLiteral(" repaired: ") + strBroken));
        // Without the rule of mutual pairs, no drawing keeps more of what they had.
        if (bRepaired && !rules.m_bNoMutual) {
            int nKept = 0;
            const QList<quint32> now = changed.DrawnMasks();
            for (int g = 0; g < now.size(); ++g)
                nKept += std::popcount(now[g] & had[g]);
            QCOMPARE(nKept, changed.MostKept(had));
        }
    }
    // Both answers were met often.
    QVERIFY(nDrawn > 600 && nBlocked > 150);
}

void TestDrawing::lawOfTheGiftDraw_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("gifts");
    QTest::addColumn<bool>("noMutual");

    QTest::newRow("four, two gifts each") << "Ann, Bob, Cid, Dan" << 2 << false;
    QTest::newRow("one gives only: four givers for three") << "Ann, Bob, Cid, Dan:g" << 1 << false;
    QTest::newRow("a couple, two gifts, one receives only")
        << "Fam[Ann, Bob], Cid, Dan, Eve:r" << 2 << false;
    QTest::newRow("five, two gifts, no mutual pairs") << "Ann, Bob, Cid, Dan, Eve" << 2 << true;
}

void TestDrawing::lawOfTheGiftDraw()
{
    QFETCH(QString, list);
    QFETCH(int, gifts);
    QFETCH(bool, noMutual);
    const auto pList = ParseList(list);
    CDrawRules rules;
    rules.m_nGifts = gifts;
    rules.m_bNoMutual = noMutual;
    const QHash<QString, double> law = GiftLaw(*pList, CGiftCase(*pList, nullptr, rules));
    const QString strProblem = LawProblem(*pList, rules, {}, law);
    QVERIFY2(strProblem.isEmpty(), qPrintable(strProblem));
}

QTEST_APPLESS_MAIN(TestDrawing)
#include "tst_Drawing.moc"
