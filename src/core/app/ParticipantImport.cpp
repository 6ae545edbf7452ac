#include "app/ParticipantImport.h"

#include "model/CsvReader.h"
#include "model/NameList.h"
#include "notify/VCardReader.h"
#include "platform/Archive.h"
#include "platform/DiskFile.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

enum EColumn
{
    columnName,
    columnAddress,
    columnSuggestions,
    columnGroup,
    columnCount,
};

// The column a header names, or -1 when the text names none.
int ColumnNamed(const QString& strHeader)
{
    static const QList<QStringList> names = {
        {"name", "participant", "person"},
        {"address", "e-mail", "email", "mail", "e-mail address", "email address"},
        {"suggestions", "gift suggestions", "wishes", "wish list"},
        {"group", "household", "family"},
    };
    const QString strKey = strHeader.trimmed().toLower();
    for (int n = 0; n < columnCount; ++n) {
        if (names.at(n).contains(strKey))
            return n;
    }
    return -1;
}

// Which field holds which column: from the header when the first record is one.
bool HeaderColumns(const QStringList& fields, QList<int>& columns)
{
    QList<int> named;
    for (const QString& strField : fields) {
        const int nColumn = ColumnNamed(strField);
        if (nColumn < 0 || named.contains(nColumn))
            return false;
        named.append(nColumn);
    }
    if (!named.contains(columnName))
        return false;
    columns = named;
    return true;
}

} // namespace

bool CParticipantImport::Read(const QString& strPath, QString& strError)
{
    QFile file;
    QString strWhy;
    if (!CDiskFile::OpenForReading(file, strPath, strWhy)) {
        strError = CStringTable::Format(IDS_IMPORT_UNREADABLE, {strPath, strWhy});
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        strError = CStringTable::Format(IDS_IMPORT_UNREADABLE, {strPath, file.errorString()});
        return false;
    }
    if (!ReadBytes(bytes, CVCardReader::LooksLikeVCard(bytes), strWhy)) {
        strError = CStringTable::Format(IDS_IMPORT_UNREADABLE, {strPath, strWhy});
        return false;
    }
    return true;
}

bool CParticipantImport::ReadBytes(const QByteArray& bytes, bool bVCard, QString& strError)
{
    m_rows.clear();
    if (bVCard) {
        ReadVCards(bytes);
        return true;
    }
    return ReadCsv(bytes, strError);
}

void CParticipantImport::ReadVCards(const QByteArray& bytes)
{
    for (const CVCardContact& contact : CVCardReader::Parse(bytes)) {
        if (contact.m_strFileAs.trimmed().isEmpty())
            continue;
        CRow row;
        row.m_strName = contact.m_strFileAs.trimmed();
        row.m_strAddress = contact.m_emails.value(0);
        m_rows.append(row);
    }
}

bool CParticipantImport::ReadCsv(const QByteArray& bytes, QString& strError)
{
    QList<CCsvRecord> records;
    if (!CCsvReader::Read(bytes, records, strError))
        return false;
    QList<int> columns{columnName, columnAddress, columnSuggestions, columnGroup};
    if (!records.isEmpty() && HeaderColumns(records.first().m_fields, columns))
        records.removeFirst();
    for (const CCsvRecord& record : std::as_const(records)) {
        // Empty fields past the last column (a spreadsheet's trailing separators) are nothing.
        const auto extra = record.m_fields.mid(columns.size());
        if (std::any_of(extra.begin(), extra.end(),
                        [](const QString& s) { return !s.trimmed().isEmpty(); })) {
            strError =
                CStringTable::Format(IDS_IMPORT_TOO_MANY_FIELDS, {record.m_nLine, columns.size()});
            return false;
        }
        QStringList values(columnCount);
        for (qsizetype n = 0; n < std::min(record.m_fields.size(), columns.size()); ++n)
            values[columns.at(n)] = record.m_fields.at(n).trimmed();
        for (const QString& strValue : std::as_const(values)) {
            if (strValue.size() > CArchive::kMaxTextLength) {
                strError = CStringTable::Format(IDS_IMPORT_TOO_LONG, {record.m_nLine});
                return false;
            }
        }
        if (values.at(columnName).isEmpty()) {
            strError = CStringTable::Format(IDS_IMPORT_NO_NAME, {record.m_nLine});
            return false;
        }
        m_rows.append({record.m_nLine, values.at(columnName), values.at(columnAddress),
                       values.at(columnSuggestions), values.at(columnGroup)});
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
    QSet<QString> taken;
    list.ForEachPerson([&taken](CPerson* pPerson) { taken.insert(pPerson->m_strName.toLower()); });
    for (const CRow& row : std::as_const(m_rows)) {
        const QString strKey = row.m_strName.toLower();
        if (taken.contains(strKey)) {
            m_duplicates.append(row.m_strName);
            continue;
        }
        taken.insert(strKey);
        m_toAdd.append(row);
    }
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
