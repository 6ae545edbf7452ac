#pragma once

#include <QStringList>

// What the address book needs of one vCard.
struct CVCardContact
{
    QString m_strFileAs; // the formatted name, else given and family name, else organisation
    QString m_strFirstName;
    QString m_strLastName;
    QStringList m_emails; // preferred addresses first, then in file order
};
