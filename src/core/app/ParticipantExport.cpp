#include "app/ParticipantExport.h"

#include "model/CsvReader.h"
#include "model/NameList.h"

namespace {

bool StartsFormula(QChar ch)
{
    return QStringView(u"=+-@\t\r").contains(ch);
}

} // namespace

QString CParticipantExport::Cell(const QString& strValue, EForm form)
{
    const QChar first = strValue.isEmpty() ? QChar() : strValue.front();
    const bool bMarked = first == u'\'' && strValue.size() > 1 &&
                         (StartsFormula(strValue.at(1)) || strValue.at(1) == u'\'');
    const bool bFormula = form == EForm::Spreadsheet && !first.isNull() && StartsFormula(first);
    return bMarked || bFormula ? u'\'' + strValue : strValue;
}

QString CParticipantExport::Uncell(const QString& strCell)
{
    const bool bMarked = strCell.size() > 1 && strCell.front() == u'\'' &&
                         (StartsFormula(strCell.at(1)) || strCell.at(1) == u'\'');
    return bMarked ? strCell.mid(1) : strCell;
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
