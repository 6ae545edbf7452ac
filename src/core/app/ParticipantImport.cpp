#include "app/ParticipantImport.h"

#include "app/ImportHeadings.h"
#include "app/ParticipantExport.h"
#include "model/CsvReader.h"
#include "model/NameList.h"
#include "notify/MailSession.h"
#include "notify/VCardReader.h"
#include "platform/Archive.h"
#include "platform/DiskFile.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace {

enum EColumn
{
    columnName,
    columnAddress,
    columnSuggestions,
    columnGroup,
    columnCount,
};
// A heading's role is the column it fills.
static_assert(int(columnAddress) == int(CImportHeadings::roleAddress) &&
              int(columnGroup) == int(CImportHeadings::roleGroup));

// The name of a row: the whole name when the file has one, else the given and the family
// name joined.
QString NameOf(const QString& strWhole, const QString& strGiven, const QString& strFamily)
{
    if (!strWhole.isEmpty())
        return strWhole;
    return (strGiven + u' ' + strFamily).trimmed();
}

// Whether a first line that named no columns Kivvo knows still reads as headings rather than
// as a person: it holds no address, and either mostly headings Kivvo knows (a person's group
// may be called "Family") or, where the other lines have their addresses, a text.
bool LooksLikeHeadings(const QStringList& fields, const QList<CParticipantImport::CRow>& rows)
{
    if (rows.isEmpty() || std::any_of(fields.cbegin(), fields.cend(),
                                      [](const QString& s) { return s.contains(u'@'); }))
        return false;
    const auto nKnown = std::count_if(fields.cbegin(), fields.cend(), CImportHeadings::IsKnown);
    const auto nFilled = std::count_if(fields.cbegin(), fields.cend(),
                                       [](const QString& s) { return !s.trimmed().isEmpty(); });
    if (nKnown * 2 > nFilled)
        return true;
    const qsizetype nAddresses = std::count_if(rows.cbegin() + 1, rows.cend(), [](const auto& row) {
        return row.m_strAddress.contains(u'@');
    });
    return !rows.first().m_strAddress.isEmpty() && nAddresses * 2 > rows.size() - 1;
}

// A character no name, address or group holds: a control character (a line break, a tab, a
// terminal escape) or a line or paragraph separator. Suggestions may have line breaks.
bool IsControl(QChar ch)
{
    if (ch.unicode() < 0x7F) // most text: only the C0 codes are control characters there
        return ch.unicode() < 0x20;
    return ch.category() == QChar::Other_Control || ch == QChar::LineSeparator ||
           ch == QChar::ParagraphSeparator;
}

bool HasControl(const QString& strText)
{
    return std::any_of(strText.cbegin(), strText.cend(), IsControl);
}

// Why a row's values cannot be taken: the text of the fault, or 0.
int Fault(const QStringList& values)
{
    for (const QString& strValue : values) {
        if (strValue.size() > CArchive::kMaxTextLength)
            return IDS_IMPORT_TOO_LONG;
    }
    if (values.at(columnName).isEmpty())
        return IDS_IMPORT_NO_NAME;
    for (const int nColumn : {columnName, columnAddress, columnGroup}) {
        if (HasControl(values.at(nColumn)))
            return IDS_IMPORT_CONTROL;
    }
    const QString& strSuggestions = values.at(columnSuggestions);
    if (std::any_of(strSuggestions.cbegin(), strSuggestions.cend(),
                    [](QChar ch) { return IsControl(ch) && ch != u'\n' && ch != u'\t'; }))
        return IDS_IMPORT_CONTROL;
    return 0;
}

constexpr qint64 kVCardSniffBytes = 64 * 1024;

// Equal in any case, as QString::compare with Qt::CaseInsensitive has it, and a hash to match.
struct CaseInsensitiveEqual
{
    bool operator()(QStringView a, QStringView b) const
    {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    }
};

struct CaseInsensitiveHash
{
    size_t operator()(QStringView str) const
    {
        // Each character case-folded, as the comparison folds it; the halves of a character
        // beyond the first plane are left out, so that the hash never tells apart two names
        // the comparison takes as one.
        size_t nHash = 0;
        for (const QChar ch : str) {
            if (!ch.isSurrogate())
                nHash = nHash * 31 + ch.toCaseFolded().unicode();
        }
        return nHash;
    }
};

} // namespace

bool CParticipantImport::Read(const QString& strPath, QString& strError)
{
    QFile file;
    QString strWhy;
    if (!CDiskFile::OpenForReading(file, strPath, strWhy)) {
        strError = CStringTable::Format(IDS_IMPORT_UNREADABLE, {strPath, strWhy});
        return false;
    }
    if (!ReadDevice(file, strWhy)) {
        strError = CStringTable::Format(IDS_IMPORT_UNREADABLE, {strPath, strWhy});
        return false;
    }
    return true;
}

bool CParticipantImport::ReadBytes(const QByteArray& bytes, bool bVCard, QString& strError)
{
    m_rows.clear();
    m_strWarning.clear();
    if (bVCard)
        return ReadVCards(bytes, strError);
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ReadCsv(buffer, strError);
}

bool CParticipantImport::ReadDevice(QFileDevice& device, QString& strError)
{
    m_rows.clear();
    m_strWarning.clear();
    // An address book says so in its first card; a table is read row by row, never whole.
    if (!CVCardReader::LooksLikeVCard(device.peek(kVCardSniffBytes)))
        return ReadCsv(device, strError);
    const QByteArray bytes = device.readAll();
    if (device.error() != QFileDevice::NoError) {
        strError = device.errorString();
        return false;
    }
    return ReadVCards(bytes, strError);
}

bool CParticipantImport::ReadVCards(const QByteArray& bytes, QString& strError)
{
    for (const CVCardContact& contact : CVCardReader::Parse(bytes)) {
        if (contact.m_strFileAs.trimmed().isEmpty())
            continue;
        CRow row;
        row.m_strName = contact.m_strFileAs.trimmed();
        row.m_strAddress = contact.m_emails.value(0);
        if (HasControl(row.m_strName) || HasControl(row.m_strAddress)) {
            strError = CStringTable::Format(IDS_IMPORT_CONTROL_CARD,
                                            {CMailSession::Printable(row.m_strName)});
            return false;
        }
        if (!AddRow(std::move(row), strError))
            return false;
    }
    return true;
}

bool CParticipantImport::AddRow(CRow row, QString& strError)
{
    // More than a document holds is refused as it is read, before the rest costs anything.
    if (m_rows.size() >= CArchive::kMaxEntries) {
        strError = CStringTable::Format(IDS_ERR_TOO_MANY_ENTRIES, {CArchive::kMaxEntries});
        return false;
    }
    m_rows.append(std::move(row));
    return true;
}

bool CParticipantImport::ReadCsv(QIODevice& device, QString& strError)
{
    using H = CImportHeadings;
    CCsvReader reader(&device);
    // Without headings, the columns are Kivvo's own, in its order; more are a fault.
    QList<int> roles{H::roleName, H::roleAddress, H::roleSuggestions, H::roleGroup};
    bool bHeadings = false;
    QStringList firstFields;
    CCsvRecord record;
    while (reader.Next(record)) {
        if (firstFields.isEmpty()) {
            firstFields = record.m_fields;
            if ((bHeadings = H::Roles(record.m_fields, roles)))
                continue;
        }
        // Empty fields past the last column (a spreadsheet's trailing separators) are nothing.
        if (!bHeadings &&
            std::any_of(record.m_fields.cbegin() + std::min(record.m_fields.size(), roles.size()),
                        record.m_fields.cend(),
                        [](const QString& s) { return !s.trimmed().isEmpty(); })) {
            strError =
                CStringTable::Format(IDS_IMPORT_TOO_MANY_FIELDS, {record.m_nLine, roles.size()});
            return false;
        }
        QStringList values(H::roleFamilyName + 1);
        for (qsizetype n = 0; n < std::min(record.m_fields.size(), roles.size()); ++n) {
            if (roles.at(n) != H::roleNone)
                values[roles.at(n)] = CParticipantExport::Uncell(record.m_fields.at(n)).trimmed();
        }
        values[H::roleName] = NameOf(values.at(H::roleName), values.at(H::roleGivenName),
                                     values.at(H::roleFamilyName));
        values.resize(columnCount);
        if (const int nTextId = Fault(values)) {
            strError = CStringTable::Format(nTextId, {record.m_nLine});
            return false;
        }
        if (!AddRow({record.m_nLine, values.at(columnName), values.at(columnAddress),
                     values.at(columnSuggestions), values.at(columnGroup)},
                    strError))
            return false;
    }
    strError = reader.Error();
    if (!strError.isEmpty())
        return false;
    // Headings Kivvo does not know are no person: left out, and said so.
    if (!bHeadings && LooksLikeHeadings(firstFields, m_rows)) {
        m_strWarning =
            CStringTable::Format(IDS_IMPORT_UNKNOWN_HEADINGS,
                                 {m_rows.first().m_nLine, firstFields.join(QStringLiteral(", "))});
        m_rows.removeFirst();
    }
    return true;
}

void CParticipantImport::PutAllInGroup(const QString& strGroup)
{
    for (CRow& row : m_rows)
        row.m_strGroup = strGroup;
}

void CParticipantImport::Check(const CNameList& list)
{
    m_toAdd.clear();
    m_duplicates.clear();
    // Names compared in any case, without a lowered copy of each.
    std::unordered_set<QStringView, CaseInsensitiveHash, CaseInsensitiveEqual> taken;
    taken.reserve(size_t(m_rows.size()));
    list.ForEachPerson([&taken](CPerson* pPerson) { taken.insert(pPerson->m_strName); });
    m_toAdd.reserve(m_rows.size());
    for (const CRow& row : std::as_const(m_rows)) {
        if (!taken.insert(row.m_strName).second) {
            m_duplicates.append(row.m_strName);
            continue;
        }
        m_toAdd.append(row);
    }
}

qsizetype CParticipantImport::EntriesToAdd(const CNameList& list) const
{
    QSet<QString> groups;
    for (const CListItem* pEntry = list.m_pFirst; pEntry; pEntry = pEntry->m_pNext) {
        if (pEntry->IsGroup())
            groups.insert(pEntry->m_strName);
    }
    qsizetype nNewGroups = 0;
    for (const CRow& row : m_toAdd) {
        if (!row.m_strGroup.isEmpty() && !groups.contains(row.m_strGroup)) {
            groups.insert(row.m_strGroup);
            ++nNewGroups;
        }
    }
    return m_toAdd.size() + nNewGroups;
}

int CParticipantImport::Apply(CNameList& list, const Added& added) const
{
    const auto put = [&list, &added](CListItem* pEntry, CGroup* pGroup) {
        const CNameList::CPlace place = CNameList::EndOf(list, pGroup);
        list.Link(pEntry, place);
        if (added)
            added(pEntry, place);
    };
    // The first top-level group of each name, found once rather than once per row.
    QHash<QString, CGroup*> groups;
    for (CListItem* pEntry = list.m_pFirst; pEntry; pEntry = pEntry->m_pNext) {
        if (pEntry->IsGroup() && !groups.contains(pEntry->m_strName))
            groups.insert(pEntry->m_strName, static_cast<CGroup*>(pEntry));
    }
    for (const CRow& row : m_toAdd) {
        auto* pPerson = new CPerson(row.m_strName, row.m_strAddress, row.m_strSuggestions);
        CGroup* pGroup = row.m_strGroup.isEmpty() ? nullptr : groups.value(row.m_strGroup);
        if (!row.m_strGroup.isEmpty() && !pGroup) {
            pGroup = new CGroup(row.m_strGroup);
            groups.insert(row.m_strGroup, pGroup);
            put(pGroup, nullptr);
        }
        put(pPerson, pGroup);
    }
    return int(m_toAdd.size());
}
