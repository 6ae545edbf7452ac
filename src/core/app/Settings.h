#pragma once

#include <QList>
#include <QString>

class CArchive;

// The fields a person edits, for messages placed next to them.
enum class ESettingsField
{
    Server,
    Port,
    From,
};

struct CSettingsProblem
{
    ESettingsField m_field;
    QString m_strMessage;
};

// The settings record, kept in Kivvo.cfg in the documents folder. The fields are stored in
// this order, with nothing before, between or after them.
class CSettings
{
public:
    CSettings() { SetDefaults(); }

    void SetDefaults();
    // Loading keeps the current value of every field the file ends before.
    void Serialize(CArchive& ar);
    // What keeps the mail values from being used, field by field; empty when nothing does.
    // The settings dialog and kivvo-cli config both check with it.
    QList<CSettingsProblem> Problems() const;
    // Server, port and sender are set and usable: mail can be sent.
    bool IsMailSetUp() const;
    // Empties the fields that still hold what earlier versions wrote where nothing was set.
    void ForgetStandIns();

    // The password earlier versions wrote where none was set.
    static const QString kOldPassword;

    QString m_strServer; // outgoing mail server
    qint32 m_nPort = 25; // 465 means TLS from the start; otherwise STARTTLS when offered
    QString m_strFrom;   // sender address
    QString m_strUser;   // empty: no authentication
    QString m_strPassword;
    qint32 m_nReserved1 = 0;
    qint32 m_nReserved2 = 2;
    QString m_strFooter; // appended to every notification
    QString m_strReserved1;
    QString m_strReserved2;
    QString m_strReserved3;
    QString m_strReserved4;
    QString m_strReserved5;
    QString m_strReserved6;
    // Mail goes out only over an encrypted connection, also without a login. Written after
    // the fields above, and only when set: a file without it stays byte for byte as it was.
    bool m_bRequireTls = false;
};
