#include "app/ParticipantExport.h"

#include "model/CsvReader.h"
#include "model/NameList.h"
#include "platform/Archive.h"
#include "platform/DiskFile.h"

namespace {

bool StartsFormula(QChar ch)
{
    return QStringView(u"=+-@\t\r").contains(ch);
}

// An apostrophe before what a spreadsheet would run, or before another apostrophe: the mark
// the import takes off.
bool Marked(const QString& str)
{
    return str.size() > 1 && str.front() == u'\'' &&
           (StartsFormula(str.at(1)) || str.at(1) == u'\'');
}

} // namespace

QString CParticipantExport::Cell(const QString& strValue, EForm form)
{
    const bool bFormula =
        form == EForm::Spreadsheet && !strValue.isEmpty() && StartsFormula(strValue.front());
    return Marked(strValue) || bFormula ? u'\'' + strValue : strValue;
}

QString CParticipantExport::Uncell(const QString& strCell)
{
    return Marked(strCell) ? strCell.mid(1) : strCell;
}

QByteArray CParticipantExport::Csv(const CNameList& list, EForm form, const QLocale& locale)
{
    const bool bSpreadsheet = form == EForm::Spreadsheet;
    // Where the decimal point is a comma, spreadsheets split CSV on semicolons.
    const QChar separator = bSpreadsheet && locale.decimalPoint() == u"," ? u';' : u',';
    const auto line = [separator, form](const QStringList& values) {
        QStringList cells;
        for (const QString& strValue : values)
            cells.append(Cell(strValue, form));
        return CCsvReader::Line(cells, separator) + QStringLiteral("\r\n");
    };
    QString strText = line({"name", "address", "suggestions", "group"});
    const auto add = [&](const CPerson& person, const QString& strGroup) {
        strText += line({person.m_strName, person.m_strAddress, person.m_strSuggestions, strGroup});
    };
    for (const CListItem* pItem = list.m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (!pItem->IsGroup()) {
            add(*static_cast<const CPerson*>(pItem), QString());
            continue;
        }
        for (const CPerson* pPerson = static_cast<const CGroup*>(pItem)->m_pFirst; pPerson;
             pPerson = pPerson->Next())
            add(*pPerson, pItem->m_strName);
    }
    return (bSpreadsheet ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + strText.toUtf8();
}

bool CParticipantExport::Write(const CNameList& list, const QString& strPath, EForm form,
                               QString& strError, const QLocale& locale)
{
    const QByteArray csv = Csv(list, form, locale);
    return CDiskFile::Save(
        strPath, [&csv](CArchive& ar) { ar.WriteBytes(csv); }, strError, true);
}
