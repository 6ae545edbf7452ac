#pragma once

#include <QDate>
#include <QString>

// What the participants are told of one exchange besides their drawn name; all optional.
struct CExchangeDetails
{
    QDate m_date;        // null: no date set
    QString m_strBudget; // free text, such as "25 €"
    QString m_strPlace;
    QString m_strNote;

    bool IsEmpty() const
    {
        return m_date.isNull() && m_strBudget.isEmpty() && m_strPlace.isEmpty() &&
               m_strNote.isEmpty();
    }
    bool operator==(const CExchangeDetails&) const = default;

    // What the next exchange of the same circle keeps: all but the date.
    CExchangeDetails ForNextExchange() const
    {
        CExchangeDetails next = *this;
        next.m_date = QDate();
        return next;
    }
};
