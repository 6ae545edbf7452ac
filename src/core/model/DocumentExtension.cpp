#include "model/DocumentExtension.h"

#include "model/NameList.h"
#include "platform/Archive.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QBuffer>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

constexpr char kMark[] = "KivvoExt";
constexpr qint64 kMarkLength = sizeof kMark - 1;
constexpr qint64 kSectionHeader = 8;
// An exclusion is two strings of at least their one-byte length prefix each.
constexpr qint64 kSmallestPair = 2;

// Writes through a nested archive into memory, so that the length can precede the content.
template <typename Fn> QByteArray Written(Fn fn)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    fn(ar);
    return bytes;
}

// Every person's name of a list, looked up once per list rather than once per pair read.
const QSet<QString>& NamesOf(const CNameList& list, QHash<const CNameList*, QSet<QString>>& names)
{
    auto it = names.find(&list);
    if (it == names.end()) {
        it = names.insert(&list, {});
        list.ForEachPerson([&it](const CPerson* pPerson) { it->insert(pPerson->m_strName); });
    }
    return *it;
}

bool HasTold(const CNameList& list)
{
    return list.FirstPersonWhere([](const CPerson* pPerson) { return !pPerson->m_told.IsEmpty(); });
}

bool HasRoles(const CNameList& list)
{
    return list.FirstPersonWhere(
        [](const CPerson* pPerson) { return pPerson->m_role != ERole::both; });
}

bool HasMoreGiftsTo(const CNameList& list)
{
    return list.FirstPersonWhere([](const CPerson* pPerson) {
        return !pPerson->m_moreGiftTo.isEmpty() || !pPerson->m_told.m_moreGiftTo.isEmpty();
    });
}

std::vector<CPerson*> PersonsOf(const CNameList& list)
{
    std::vector<CPerson*> persons;
    list.ForEachPerson([&persons](CPerson* pPerson) { persons.push_back(pPerson); });
    return persons;
}

// Blocks of persons, one per list that has any the predicate picks: the list's number, then
// each picked person's place in the list's person order and what write() writes of him.
template <typename Picks, typename Write>
QByteArray PersonBlocks(const std::vector<CNameList*>& lists, Picks picks, Write write)
{
    const auto nBlocks = std::count_if(lists.begin(), lists.end(), [&picks](const CNameList* p) {
        return p->FirstPersonWhere([&picks](const CPerson* pPerson) { return picks(*pPerson); });
    });
    if (nBlocks == 0)
        return QByteArray();
    return Written([&](CArchive& ar) {
        ar.WriteInt(qint32(nBlocks));
        for (size_t n = 0; n < lists.size(); ++n) {
            std::vector<std::pair<qint32, const CPerson*>> picked;
            qint32 nPerson = 0;
            lists[n]->ForEachPerson([&](const CPerson* pPerson) {
                if (picks(*pPerson))
                    picked.emplace_back(nPerson, pPerson);
                ++nPerson;
            });
            if (picked.empty())
                continue;
            ar.WriteByte(quint8(n));
            ar.WriteInt(qint32(picked.size()));
            for (const auto& [nIndex, pPerson] : picked) {
                ar.WriteInt(nIndex);
                write(ar, *pPerson);
            }
        }
    });
}

// Reads what PersonBlocks wrote; read() reads one person's part, false when it is damaged.
template <typename Read>
bool LoadPersonBlocks(CArchive& ar, const std::vector<CNameList*>& lists, Read read)
{
    const qint32 nBlocks = ar.ReadInt();
    if (!ar.IsOk() || nBlocks < 0 || size_t(nBlocks) > lists.size())
        return false;
    for (qint32 nBlock = 0; nBlock < nBlocks; ++nBlock) {
        const quint8 nList = ar.ReadByte();
        const qint32 nPicked = ar.ReadInt();
        if (!ar.IsOk() || nList >= lists.size() || nPicked < 0)
            return false;
        const std::vector<CPerson*> persons = PersonsOf(*lists[nList]);
        if (size_t(nPicked) > persons.size())
            return false;
        for (qint32 n = 0; n < nPicked; ++n) {
            const qint32 nIndex = ar.ReadInt();
            if (!ar.IsOk() || nIndex < 0 || size_t(nIndex) >= persons.size() ||
                !read(ar, *persons[size_t(nIndex)]))
                return false;
        }
    }
    return ar.IsOk();
}

void WriteNames(CArchive& ar, const QStringList& names)
{
    ar.WriteInt(qint32(names.size()));
    for (const QString& strName : names)
        ar.WriteString(strName);
}

bool ReadNames(CArchive& ar, QStringList& names)
{
    const qint32 nNames = ar.ReadInt();
    if (!ar.IsOk() || nNames < 0 || nNames >= CDrawRules::kMaxGifts)
        return false;
    for (qint32 n = 0; n < nNames && ar.IsOk(); ++n)
        names.append(ar.ReadString());
    return ar.IsOk() && !names.contains(QString());
}

} // namespace

bool CDocumentExtension::IsNeeded(const CDocumentWide& wide, const std::vector<CNameList*>& lists)
{
    if (!wide.m_rules.IsDefault() || !wide.m_strMailLanguage.isEmpty() || !wide.m_foreign.empty() ||
        wide.m_bSealed || !wide.m_bQuoteHistory)
        return true;
    return std::any_of(lists.begin(), lists.end(), [](const CNameList* pList) {
        return !pList->m_exclusions.IsEmpty() || !pList->m_details.IsEmpty() ||
               pList->m_sealBroken.isValid() || HasTold(*pList) || HasRoles(*pList) ||
               HasMoreGiftsTo(*pList);
    });
}

void CDocumentExtension::Store(CArchive& ar, const CDocumentWide& wide,
                               const std::vector<CNameList*>& lists)
{
    if (!IsNeeded(wide, lists))
        return;
    ar.WriteBytes(QByteArray(kMark, kMarkLength));
    ar.WriteInt(kFormat);
    StoreSection(ar, sectionRules, RulesSection(wide.m_rules));
    StoreSection(ar, sectionExclusions, ExclusionsSection(lists));
    // Later sections only when they hold something, so that a document without them stays
    // as the first version of this extension wrote it.
    const QByteArray details = DetailsSection(lists);
    if (!details.isEmpty())
        StoreSection(ar, sectionDetails, details);
    if (!wide.m_strMailLanguage.isEmpty())
        StoreSection(ar, sectionMailLanguage, Written([&wide](CArchive& section) {
                         section.WriteString(wide.m_strMailLanguage);
                     }));
    if (const QByteArray seal = SealSection(wide, lists); !seal.isEmpty())
        StoreSection(ar, sectionSeal, seal);
    if (const QByteArray told = ToldSection(lists); !told.isEmpty())
        StoreSection(ar, sectionTold, told);
    if (!wide.m_bQuoteHistory)
        StoreSection(ar, sectionMailOptions,
                     Written([](CArchive& section) { section.WriteByte(0); }));
    if (const QByteArray roles = RolesSection(lists); !roles.isEmpty())
        StoreSection(ar, sectionRoles, roles);
    if (wide.m_rules.m_nGifts != 1)
        StoreSection(ar, sectionGifts, Written([&wide](CArchive& section) {
                         section.WriteByte(quint8(wide.m_rules.m_nGifts));
                     }));
    if (const QByteArray more = MoreGiftsToSection(lists); !more.isEmpty())
        StoreSection(ar, sectionMoreGiftsTo, more);
    // A later version's sections go back as they came: this one cannot know what they mean.
    for (const CForeignSection& foreign : wide.m_foreign)
        StoreSection(ar, foreign.m_nKind, foreign.m_content);
}

void CDocumentExtension::StoreSection(CArchive& ar, qint32 nKind, const QByteArray& content)
{
    ar.WriteInt(nKind);
    ar.WriteInt(qint32(content.size()));
    ar.WriteBytes(content);
}

QByteArray CDocumentExtension::RulesSection(const CDrawRules& rules)
{
    return Written([&rules](CArchive& ar) {
        ar.WriteInt(rules.m_nHistory);
        ar.WriteByte(rules.m_bNoMutual ? 1 : 0);
        ar.WriteByte(rules.m_bOneCircle ? 1 : 0);
    });
}

QByteArray CDocumentExtension::ExclusionsSection(const std::vector<CNameList*>& lists)
{
    return Written([&lists](CArchive& ar) {
        qint32 nBlocks = 0;
        for (const CNameList* pList : lists)
            nBlocks += pList->m_exclusions.IsEmpty() ? 0 : 1;
        ar.WriteInt(nBlocks);
        for (size_t n = 0; n < lists.size(); ++n) {
            const CExclusions& exclusions = lists[n]->m_exclusions;
            if (exclusions.IsEmpty())
                continue;
            ar.WriteByte(quint8(n));
            ar.WriteInt(qint32(exclusions.Pairs().size()));
            for (const CExclusions::CPair& pair : exclusions.Pairs()) {
                ar.WriteString(pair.m_strGiver);
                ar.WriteString(pair.m_strRecipient);
            }
        }
    });
}

QByteArray CDocumentExtension::DetailsSection(const std::vector<CNameList*>& lists)
{
    const auto nBlocks = std::count_if(lists.begin(), lists.end(), [](const CNameList* pList) {
        return !pList->m_details.IsEmpty();
    });
    if (nBlocks == 0)
        return QByteArray();
    return Written([&lists, nBlocks](CArchive& ar) {
        ar.WriteInt(qint32(nBlocks));
        for (size_t n = 0; n < lists.size(); ++n) {
            const CExchangeDetails& details = lists[n]->m_details;
            if (details.IsEmpty())
                continue;
            ar.WriteByte(quint8(n));
            ar.WriteString(details.m_date.isValid() ? details.m_date.toString(Qt::ISODate)
                                                    : QString());
            ar.WriteString(details.m_strBudget);
            ar.WriteString(details.m_strPlace);
            ar.WriteString(details.m_strNote);
        }
    });
}

QByteArray CDocumentExtension::SealSection(const CDocumentWide& wide,
                                           const std::vector<CNameList*>& lists)
{
    const auto nBroken = std::count_if(lists.begin(), lists.end(), [](const CNameList* pList) {
        return pList->m_sealBroken.isValid();
    });
    if (!wide.m_bSealed && nBroken == 0)
        return QByteArray();
    return Written([&wide, &lists, nBroken](CArchive& ar) {
        ar.WriteByte(wide.m_bSealed ? 1 : 0);
        ar.WriteInt(qint32(nBroken));
        for (size_t n = 0; n < lists.size(); ++n) {
            if (!lists[n]->m_sealBroken.isValid())
                continue;
            ar.WriteByte(quint8(n));
            // In UTC, so that the record means the same moment wherever the file is opened.
            ar.WriteString(lists[n]->m_sealBroken.toUTC().toString(Qt::ISODate));
        }
    });
}

QByteArray CDocumentExtension::ToldSection(const std::vector<CNameList*>& lists)
{
    return PersonBlocks(
        lists, [](const CPerson& person) { return !person.m_told.IsEmpty(); },
        [](CArchive& ar, const CPerson& person) {
            ar.WriteString(person.m_told.m_strGiftTo);
            ar.WriteByte(person.m_told.m_nHow);
            ar.WriteString(person.m_told.m_when.toUTC().toString(Qt::ISODate));
        });
}

void CDocumentExtension::Load(CArchive& ar, CDocumentWide& wide,
                              const std::vector<CNameList*>& lists)
{
    if (ar.AtEnd())
        return;
    QByteArray mark;
    if (ar.Unread() >= 0 && ar.Unread() < kMarkLength + 4)
        return ar.SetError(CStringTable::Load(IDS_ERR_EXT_FOREIGN));
    if (!ar.ReadBytes(mark, kMarkLength) || mark != QByteArray(kMark, kMarkLength))
        return ar.SetError(CStringTable::Load(IDS_ERR_EXT_FOREIGN));
    const qint32 nFormat = ar.ReadInt();
    if (ar.IsOk() && nFormat != kFormat)
        return ar.SetError(CStringTable::Format(IDS_ERR_EXT_NEWER, {nFormat, kFormat}));
    while (ar.IsOk() && !ar.AtEnd()) {
        const qint32 nKind = ar.ReadInt();
        const qint32 nSize = ar.ReadInt();
        if (!ar.IsOk())
            break;
        if (nSize < 0 || (ar.Unread() >= 0 && nSize > ar.Unread()))
            return ar.SetError(CStringTable::Format(IDS_ERR_EXT_DAMAGED, {nKind}));
        QByteArray content;
        if (!ar.ReadBytes(content, nSize))
            break;
        QBuffer buffer(&content);
        buffer.open(QIODevice::ReadOnly);
        CArchive section(&buffer, CArchive::load);
        bool bGood = true;
        if (nKind == sectionRules)
            bGood = LoadRules(section, wide.m_rules);
        else if (nKind == sectionExclusions)
            bGood = LoadExclusions(section, nSize, lists);
        else if (nKind == sectionDetails)
            bGood = LoadDetails(section, lists);
        else if (nKind == sectionMailLanguage)
            wide.m_strMailLanguage = section.ReadString();
        else if (nKind == sectionSeal)
            bGood = LoadSeal(section, wide, lists);
        else if (nKind == sectionTold)
            bGood = LoadTold(section, lists);
        else if (nKind == sectionMailOptions) {
            const quint8 nQuote = section.ReadByte();
            bGood = nQuote <= 1;
            wide.m_bQuoteHistory = nQuote == 1;
        } else if (nKind == sectionRoles)
            bGood = LoadRoles(section, lists);
        else if (nKind == sectionGifts) {
            const quint8 nGifts = section.ReadByte();
            bGood = nGifts >= 1 && nGifts <= CDrawRules::kMaxGifts;
            wide.m_rules.m_nGifts = nGifts;
        } else if (nKind == sectionMoreGiftsTo)
            bGood = LoadMoreGiftsTo(section, lists);
        else // a later version's kind: kept for the next save
            wide.m_foreign.push_back({nKind, content});
        if (!bGood || !section.IsOk())
            return ar.SetError(CStringTable::Format(IDS_ERR_EXT_DAMAGED, {nKind}));
    }
}

bool CDocumentExtension::LoadSeal(CArchive& ar, CDocumentWide& wide,
                                  const std::vector<CNameList*>& lists)
{
    const quint8 nSealed = ar.ReadByte();
    const qint32 nRecords = ar.ReadInt();
    if (!ar.IsOk() || nSealed > 1 || nRecords < 0 || size_t(nRecords) > lists.size())
        return false;
    wide.m_bSealed = nSealed == 1;
    for (qint32 nRecord = 0; nRecord < nRecords; ++nRecord) {
        const quint8 nList = ar.ReadByte();
        const QDateTime broken = QDateTime::fromString(ar.ReadString(), Qt::ISODate);
        if (!ar.IsOk() || nList >= lists.size() || !broken.isValid())
            return false;
        lists[nList]->m_sealBroken = broken;
    }
    return true;
}

bool CDocumentExtension::LoadTold(CArchive& ar, const std::vector<CNameList*>& lists)
{
    return LoadPersonBlocks(ar, lists, [](CArchive& section, CPerson& person) {
        CTold told;
        told.m_strGiftTo = section.ReadString();
        told.m_nHow = section.ReadByte();
        told.m_when = QDateTime::fromString(section.ReadString(), Qt::ISODate);
        if (!section.IsOk() || told.m_strGiftTo.isEmpty() || (told.m_nHow & ~CTold::allWays) != 0 ||
            !told.m_when.isValid())
            return false;
        person.m_told = told;
        return true;
    });
}

QByteArray CDocumentExtension::RolesSection(const std::vector<CNameList*>& lists)
{
    return PersonBlocks(
        lists, [](const CPerson& person) { return person.m_role != ERole::both; },
        [](CArchive& ar, const CPerson& person) { ar.WriteByte(quint8(person.m_role)); });
}

bool CDocumentExtension::LoadRoles(CArchive& ar, const std::vector<CNameList*>& lists)
{
    return LoadPersonBlocks(ar, lists, [](CArchive& section, CPerson& person) {
        const quint8 nRole = section.ReadByte();
        if (nRole > quint8(ERole::receivesOnly))
            return false;
        person.m_role = ERole(nRole);
        return true;
    });
}

QByteArray CDocumentExtension::MoreGiftsToSection(const std::vector<CNameList*>& lists)
{
    // The first recipient is in the person's own record, for readers that know one only.
    return PersonBlocks(
        lists,
        [](const CPerson& person) {
            return !person.m_moreGiftTo.isEmpty() || !person.m_told.m_moreGiftTo.isEmpty();
        },
        [](CArchive& ar, const CPerson& person) {
            WriteNames(ar, person.m_moreGiftTo);
            WriteNames(ar, person.m_told.m_moreGiftTo);
        });
}

bool CDocumentExtension::LoadMoreGiftsTo(CArchive& ar, const std::vector<CNameList*>& lists)
{
    return LoadPersonBlocks(ar, lists, [](CArchive& section, CPerson& person) {
        QStringList more;
        QStringList toldMore;
        if (!ReadNames(section, more) || !ReadNames(section, toldMore))
            return false;
        // Further recipients without a first, or told without being told a first, are damage.
        if ((!more.isEmpty() && person.m_strGiftTo.isEmpty()) ||
            (!toldMore.isEmpty() && person.m_told.IsEmpty()))
            return false;
        person.m_moreGiftTo = more;
        person.m_told.m_moreGiftTo = toldMore;
        return true;
    });
}

bool CDocumentExtension::LoadRules(CArchive& ar, CDrawRules& rules)
{
    const qint32 nHistory = ar.ReadInt();
    const quint8 nNoMutual = ar.ReadByte();
    const quint8 nOneCircle = ar.ReadByte();
    if (!ar.IsOk() || nHistory < 0 || nHistory > CDrawRules::kAllExchanges || nNoMutual > 1 ||
        nOneCircle > 1)
        return false;
    rules.m_nHistory = nHistory;
    rules.m_bNoMutual = nNoMutual == 1;
    rules.m_bOneCircle = nOneCircle == 1;
    return true;
}

bool CDocumentExtension::LoadExclusions(CArchive& ar, qint64 nSize,
                                        const std::vector<CNameList*>& lists)
{
    const qint32 nBlocks = ar.ReadInt();
    if (!ar.IsOk() || nBlocks < 0 || size_t(nBlocks) > lists.size())
        return false;
    QHash<const CNameList*, QSet<QString>> names;
    for (qint32 nBlock = 0; nBlock < nBlocks; ++nBlock) {
        const quint8 nList = ar.ReadByte();
        const qint32 nPairs = ar.ReadInt();
        if (!ar.IsOk() || nList >= lists.size() || nPairs < 0 || nPairs > nSize / kSmallestPair)
            return false;
        CNameList& list = *lists[nList];
        const QSet<QString>& persons = NamesOf(list, names);
        for (qint32 nPair = 0; nPair < nPairs && ar.IsOk(); ++nPair) {
            const QString strGiver = ar.ReadString();
            const QString strRecipient = ar.ReadString();
            // A pair naming nobody of the list (renamed by an older version) bars nobody.
            if (persons.contains(strGiver) && persons.contains(strRecipient))
                list.m_exclusions.Add(strGiver, strRecipient);
        }
    }
    return ar.IsOk();
}

bool CDocumentExtension::LoadDetails(CArchive& ar, const std::vector<CNameList*>& lists)
{
    const qint32 nBlocks = ar.ReadInt();
    if (!ar.IsOk() || nBlocks < 0 || size_t(nBlocks) > lists.size())
        return false;
    for (qint32 nBlock = 0; nBlock < nBlocks; ++nBlock) {
        const quint8 nList = ar.ReadByte();
        CExchangeDetails details;
        const QString strDate = ar.ReadString();
        details.m_strBudget = ar.ReadString();
        details.m_strPlace = ar.ReadString();
        details.m_strNote = ar.ReadString();
        if (!ar.IsOk() || nList >= lists.size())
            return false;
        if (!strDate.isEmpty()) {
            details.m_date = QDate::fromString(strDate, Qt::ISODate);
            if (!details.m_date.isValid())
                return false;
        }
        lists[nList]->m_details = details;
    }
    return true;
}
