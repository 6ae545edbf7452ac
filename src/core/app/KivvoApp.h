#pragma once

#include "app/Settings.h"

#include <QFileInfoList>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <QVariant>

#include <atomic>
#include <memory>

class CContactsWatcher;
struct CVCardContact;
class QFile;

// The application's shared state: the settings, the documents folder and the address-book
// cache that the contacts loader fills on its own thread. One per process; Get() finds it.
class CKivvoApp : public QObject
{
    Q_OBJECT

public:
    explicit CKivvoApp(QObject* pParent = nullptr);
    ~CKivvoApp() override;

    static CKivvoApp* Get();

    // The user's documents folder with a separator appended.
    static QString DocumentsFolder();
    enum class EPassword
    {
        Now,   // the keyring is asked while the settings are loaded
        Later, // at the first use of the password: a window need not wait for the keyring
    };

    // Sets m_strFolder to the documents folder and loads the settings file from it.
    void Initialise(EPassword password = EPassword::Now);

    QString SettingsPath() const;
    // The mail settings to send with, password included.
    CSettings MailAccount() const;
    // Asks the keyring for the password when that was left for later; whoever reads the
    // password from m_settings directly calls it first.
    void UsePassword();
    // Takes new settings into use and saves them: the password into the desktop's keyring
    // where one runs (the file's field then stays empty), else into the owner-only file.
    bool StoreSettings(const CSettings& settings, QString& strError);
    // Where the password is kept, in a sentence for the settings dialog and kivvo-cli config.
    QString PasswordPlace();
    bool IsPasswordInKeyring();
    void LoadSettings(EPassword password = EPassword::Now);
    bool SaveSettings();
    // False with the reason when the file could not be written; the old file is then intact.
    bool SaveSettings(QString& strError);

    // Starts the contacts loader once, below normal priority; later calls do nothing.
    void OnLoadContacts();
    // Reads every address book again after the first reading, on the same thread, then
    // emits ContactsChanged() on this object's thread.
    void ReloadContacts();
    // Waits for every reading asked for to finish; false when one still runs after
    // nMilliseconds.
    bool WaitForContacts(int nMilliseconds);
    // The loader's work: reads every *.vcf file of m_strFolder, in file-name order. Returns
    // the number of records stored.
    static int LoadContactsProc(CKivvoApp* pApp);
    // The address books (*.vcf) of strFolder, by name.
    static QFileInfoList AddressBookFiles(const QString& strFolder);
    // After a reading of nRecords records: empties the records an earlier reading left
    // behind them.
    void EndContacts(int nRecords);
    // Starts watching the documents folder: address books added, changed or removed are
    // read again in the background, then ContactsChanged() is emitted.
    void WatchContacts();

    // text is an address-book name, optionally followed by ":1", ":2" or ":3"; the whole text
    // matching a name wins over a number after its last colon. Without a number, the entry's
    // preferred address (its first: the reader puts the preferred ones first), never all of
    // them: another may be shared with a partner, and the mail is secret. pAddresses receives
    // how many addresses the entry has.
    bool LookupContact(const QString& strText, QString& strAddress, QString& strFirstName,
                       QString& strLastName, int* pAddresses = nullptr);
    // What a person's address field holds, for a warning where it names nobody to mail.
    enum class EAddress
    {
        Empty,
        Mail,     // one or more plausible e-mail addresses
        BookName, // the name of an address-book entry
        Neither,
    };
    EAddress CheckAddress(const QString& strField);
    // Replaces the items with the address-book names of every cache entry.
    void FillContactCombo(QStringList& items);

    // The cache record of a contact: FileAs;FirstName;LastName;Email1;Email2;Email3;
    static QString ContactRecord(const CVCardContact& contact);

    // Starts the contacts loader, watching the address books first: a file changed while
    // the loader reads it is read again.
    void LoadContacts();

signals:
    void ContactsChanged();
    // Something went wrong that the user should know of; strText is the message with that
    // number. Emitted on the thread that found it: the desktop shows it in a box, the
    // command line prints it.
    void Warning(int nId, const QString& strText);

public:
    QString m_strFolder;
    CSettings m_settings;
    QStringList m_arrContacts; // guarded by m_csContacts
    QMutex m_csContacts;
    std::atomic<bool> m_bClosing{false};

private:
    void ReadKeyringPassword();
    // Whether a settings file is there that cannot be read; the reason when it is.
    bool SettingsFileUnreadable(QString& strError) const;
    // Says that the keyring did not answer and the settings file stands in for it.
    void KeyringSilent(const QString& strWhy);
    void StoreContact(int nIndex, const QString& strRecord);
    // The first record whose name is strKey, case aside; the caller holds m_csContacts.
    const QString* FindContact(const QString& strKey) const;
    // The loader's messages appear on the thread that owns the application object.
    void ShowLoaderMessage(int nId, std::initializer_list<QVariant> args = {});
    void LoadFile(const QString& strPath, int& nNextRecord);
    // The whole file; false on a failed read or when the application closes meanwhile.
    bool ReadAll(QFile& file, QByteArray& data) const;

    std::unique_ptr<CContactsWatcher> m_pWatcher;
    // One thread, below normal priority: the first reading and every later one, in turn,
    // since they fill the same records.
    QThreadPool m_readers;
    bool m_bLoadStarted = false;
    bool m_bPasswordInKeyring = false;
    QString m_strKeyringRefusal;     // why a running keyring would not keep the password
    bool m_bPasswordPending = false; // the keyring is still to be asked
};
