#include "ListNotation.h"

#include "model/NameList.h"

#include <QStringList>

namespace {

QStringList SplitTopLevel(const QString& str)
{
    QStringList parts;
    int nDepth = 0;
    QString strPart;
    for (const QChar ch : str) {
        if (ch == u'[')
            ++nDepth;
        else if (ch == u']')
            --nDepth;
        if (ch == u',' && nDepth == 0) {
            parts.append(strPart.trimmed());
            strPart.clear();
            continue;
        }
        strPart += ch;
    }
    if (!strPart.trimmed().isEmpty() || !parts.isEmpty())
        parts.append(strPart.trimmed());
    return parts;
}

CPerson* ParsePerson(const QString& str)
{
    auto* pPerson = new CPerson;
    const qsizetype nArrow = str.indexOf(u'>');
    QString strName = nArrow < 0 ? str : str.left(nArrow);
    if (strName.endsWith(QStringLiteral(":g")) || strName.endsWith(QStringLiteral(":r"))) {
        pPerson->m_role = strName.endsWith(u'g') ? ERole::givesOnly : ERole::receivesOnly;
        strName.chop(2);
    }
    pPerson->m_strName = strName;
    if (nArrow >= 0)
        pPerson->SetGiftsTo(str.mid(nArrow + 1).split(u'+'));
    return pPerson;
}

QString DescribePerson(const CPerson& person)
{
    const QString strName =
        person.m_strName + (person.m_role == ERole::givesOnly      ? QStringLiteral(":g")
                            : person.m_role == ERole::receivesOnly ? QStringLiteral(":r")
                                                                   : QString());
    return person.m_strGiftTo.isEmpty() ? strName : strName + u'>' + person.GiftsTo().join(u'+');
}

} // namespace

std::unique_ptr<CNameList> ParseList(const QString& strNotation)
{
    auto pList = std::make_unique<CNameList>();
    for (const QString& strPart : SplitTopLevel(strNotation)) {
        const qsizetype nBracket = strPart.indexOf(u'[');
        if (nBracket < 0) {
            pList->Append(ParsePerson(strPart));
            continue;
        }
        auto* pGroup = new CGroup(strPart.left(nBracket));
        const QString strInner = strPart.mid(nBracket + 1, strPart.size() - nBracket - 2);
        for (const QString& strMember : SplitTopLevel(strInner))
            pGroup->Add(ParsePerson(strMember));
        pList->Append(pGroup);
    }
    return pList;
}

QString DescribeList(const CNameList& list)
{
    QStringList parts;
    for (const CListItem* pItem = list.m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (!pItem->IsGroup()) {
            parts.append(DescribePerson(*static_cast<const CPerson*>(pItem)));
            continue;
        }
        QStringList members;
        for (const CPerson* pPerson = static_cast<const CGroup*>(pItem)->m_pFirst; pPerson;
             pPerson = pPerson->Next())
            members.append(DescribePerson(*pPerson));
        parts.append(pItem->m_strName + u'[' + members.join(QStringLiteral(", ")) + u']');
    }
    return parts.join(QStringLiteral(", "));
}
