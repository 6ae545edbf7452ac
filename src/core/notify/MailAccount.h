#pragma once

#include <QString>

// The server and the account the e-mails go out through.
struct CMailAccount
{
    CMailAccount() = default;
    // From the settings record, or any record with the same fields: the mail layer does not
    // need to know where they are kept.
    template <typename Record>
    CMailAccount(const Record& record) // NOLINT(google-explicit-constructor)
        : m_strServer(record.m_strServer), m_nPort(record.m_nPort), m_strFrom(record.m_strFrom),
          m_strUser(record.m_strUser), m_strPassword(record.m_strPassword),
          m_bRequireTls(record.m_bRequireTls)
    {
    }

    QString m_strServer;
    int m_nPort = 25; // 465 means TLS from the start; otherwise STARTTLS when offered
    QString m_strFrom;
    QString m_strUser; // empty: no authentication
    QString m_strPassword;
    bool m_bRequireTls = false; // encrypted also without a login
};
