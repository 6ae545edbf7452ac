#include "app/KivvoApp.h"

#include "app/ContactsWatcher.h"

#include "notify/MailAddress.h"
#include "notify/MailSession.h"
#include "notify/VCardReader.h"
#include "platform/Archive.h"
#include "platform/CoreDumps.h"
#include "platform/DiskFile.h"
#include "platform/Framework.h"
#include "platform/Keyring.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QDir>
#include <QFile>
#include <QFutureWatcher>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QThread>
#include <QtConcurrent>

#include <algorithm>

#include <cerrno>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kInitialContacts = 50;
constexpr qint64 kReadChunk = 64 * 1024;
constexpr int kLoaderNice = 10;

CKivvoApp* g_pApp = nullptr;

// A ';' would shift the record's fields and a line break would end it.
QString RecordField(QString str)
{
    str.replace(u';', u',');
    for (QChar& ch : str) {
        if (ch.category() == QChar::Other_Control)
            ch = u' ';
    }
    return str;
}

} // namespace

CKivvoApp::CKivvoApp(QObject* pParent)
    : QObject(pParent), m_arrContacts(kInitialContacts, QString())
{
    g_pApp = this;
}

CKivvoApp::~CKivvoApp()
{
    // The watcher's reading writes into this object too; it stops at its next contact.
    m_bClosing = true;
    m_pWatcher.reset();
    // The readers write into this object: they must stop before it goes. They check the
    // flag between contacts and between reads, so the wait is short.
    m_readers.waitForDone();
    if (g_pApp == this)
        g_pApp = nullptr;
}

CKivvoApp* CKivvoApp::Get()
{
    return g_pApp;
}

QString CKivvoApp::DocumentsFolder()
{
    QString strFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (strFolder.isEmpty())
        strFolder = QDir::homePath();
    return QDir::toNativeSeparators(strFolder) + QDir::separator();
}

void CKivvoApp::Initialise(EPassword password)
{
    m_strFolder = DocumentsFolder();
    LoadSettings(password);
}

QString CKivvoApp::SettingsPath() const
{
    return m_strFolder + QStringLiteral("Kivvo.cfg");
}

CSettings CKivvoApp::MailAccount() const
{
    // Filling in what loading left for later changes nothing a caller could see as a change;
    // the one application object is never const itself.
    const_cast<CKivvoApp*>(this)->UsePassword();
    return m_settings;
}

void CKivvoApp::UsePassword()
{
    if (!m_bPasswordPending)
        return;
    ReadKeyringPassword();
    if (!m_settings.m_strPassword.isEmpty())
        CCoreDumps::Disable();
}

bool CKivvoApp::IsPasswordInKeyring()
{
    UsePassword();
    return m_bPasswordInKeyring;
}

bool CKivvoApp::StoreSettings(const CSettings& settings, QString& strError)
{
    if (!settings.m_strPassword.isEmpty())
        CCoreDumps::Disable();
    m_settings = settings;
    if (SettingsFileUnreadable(strError))
        return false;
    m_bPasswordPending = false; // the new password replaces whatever the keyring holds
    QString strKeyringError;
    const CKeyring::EStatus status = settings.m_strPassword.isEmpty()
                                         ? CKeyring::Remove(strKeyringError)
                                         : CKeyring::Write(settings.m_strPassword, strKeyringError);
    m_bPasswordInKeyring = status == CKeyring::EStatus::Ok;
    m_strKeyringRefusal = status == CKeyring::EStatus::Refused ? strKeyringError : QString();
    if (status == CKeyring::EStatus::TimedOut)
        KeyringSilent(strKeyringError);
    return SaveSettings(strError);
}

QString CKivvoApp::PasswordPlace()
{
    UsePassword();
    const QString strFile = QDir::toNativeSeparators(SettingsPath());
    if (m_bPasswordInKeyring)
        return CStringTable::Load(IDS_PASSWORD_IN_KEYRING);
    // A keyring that runs but said no is no keyring missing.
    return m_strKeyringRefusal.isEmpty()
               ? CStringTable::Format(IDS_PASSWORD_IN_FILE, {strFile})
               : CStringTable::Format(IDS_PASSWORD_KEYRING_REFUSED,
                                      {CMailSession::Printable(m_strKeyringRefusal), strFile});
}

void CKivvoApp::ReadKeyringPassword()
{
    // A file that still holds the password keeps working; the next save moves it.
    m_bPasswordPending = false;
    m_bPasswordInKeyring = false;
    m_strKeyringRefusal.clear();
    if (!m_settings.m_strPassword.isEmpty())
        return;
    QString strPassword;
    QString strError;
    const CKeyring::EStatus status = CKeyring::Read(strPassword, strError);
    if (status == CKeyring::EStatus::TimedOut)
        KeyringSilent(strError);
    if (status == CKeyring::EStatus::Refused)
        m_strKeyringRefusal = strError;
    if (status == CKeyring::EStatus::Unavailable || status == CKeyring::EStatus::TimedOut ||
        status == CKeyring::EStatus::Refused)
        return;
    m_bPasswordInKeyring = true;
    // The stand-in an earlier version moved there is no password.
    if (strPassword != CSettings::kOldPassword)
        m_settings.m_strPassword = strPassword;
}

void CKivvoApp::KeyringSilent(const QString& strWhy)
{
    emit Warning(IDS_KEYRING_SILENT,
                 CStringTable::Format(IDS_KEYRING_SILENT,
                                      {strWhy, QDir::toNativeSeparators(SettingsPath())}));
}

bool CKivvoApp::SettingsFileUnreadable(QString& strError) const
{
    const QString strPath = SettingsPath();
    if (!QFileInfo::exists(strPath) && !QFileInfo(strPath).isSymLink())
        return false; // nothing there to lose
    QFile file;
    QString strWhy;
    if (CDiskFile::OpenForReading(file, strPath, strWhy))
        return false;
    strError = CStringTable::Format(IDS_SETTINGS_NOT_REPLACED, {strWhy});
    return true;
}

void CKivvoApp::LoadSettings(EPassword password)
{
    m_bPasswordPending = false;
    const QString strPath = SettingsPath();
    QFile file;
    QString strError;
    if (!CDiskFile::OpenForReading(file, strPath, strError)) {
        // Only a missing file is written anew; anything else in its place is left alone.
        if (!QFileInfo::exists(strPath) && !QFileInfo(strPath).isSymLink())
            SaveSettings();
        else
            emit Warning(IDS_SETTINGS_READ_ERROR,
                         CStringTable::Format(IDS_SETTINGS_READ_ERROR,
                                              {QDir::toNativeSeparators(strPath), strError}));
        return;
    }
    // A file that ends early keeps the defaults of the fields it lacks.
    CArchive ar(&file, CArchive::load);
    m_settings.Serialize(ar);
    m_settings.ForgetStandIns();
    if (password == EPassword::Later)
        m_bPasswordPending = true;
    else
        ReadKeyringPassword();
    if (!m_settings.m_strPassword.isEmpty())
        CCoreDumps::Disable();
}

bool CKivvoApp::SaveSettings()
{
    QString strError;
    return SaveSettings(strError);
}

bool CKivvoApp::SaveSettings(QString& strError)
{
    // A file this program cannot read, whatever the reason, may hold settings it never saw:
    // it is not replaced by the defaults and whatever was changed on top of them.
    if (SettingsFileUnreadable(strError))
        return false;
    QDir().mkpath(m_strFolder);
    // It holds the mail password: readable by its owner only.
    return CDiskFile::Save(
        SettingsPath(),
        [this](CArchive& ar) {
            CSettings stored = m_settings;
            if (m_bPasswordInKeyring)
                stored.m_strPassword.clear();
            stored.Serialize(ar);
        },
        strError, true);
}

QString CKivvoApp::ContactRecord(const CVCardContact& contact)
{
    QString strRecord;
    for (const QString& strField :
         {contact.m_strFileAs, contact.m_strFirstName, contact.m_strLastName,
          contact.m_emails.value(0), contact.m_emails.value(1), contact.m_emails.value(2)})
        strRecord += RecordField(strField) + u';';
    return strRecord;
}

void CKivvoApp::OnLoadContacts()
{
    if (m_bLoadStarted)
        return;
    m_bLoadStarted = true;
    m_readers.setMaxThreadCount(1);
    (void)QtConcurrent::run(&m_readers, [this] {
        // Below normal priority: the user interface comes first.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kLoaderNice);
        LoadContactsProc(this);
    });
}

void CKivvoApp::ReloadContacts()
{
    OnLoadContacts(); // the first reading comes first
    auto* pWatcher = new QFutureWatcher<void>(this);
    connect(pWatcher, &QFutureWatcher<void>::finished, this, [this, pWatcher] {
        pWatcher->deleteLater();
        if (!m_bClosing)
            emit ContactsChanged();
    });
    pWatcher->setFuture(QtConcurrent::run(&m_readers, [this] {
        if (!m_bClosing)
            EndContacts(LoadContactsProc(this));
    }));
}

bool CKivvoApp::WaitForContacts(int nMilliseconds)
{
    return m_readers.waitForDone(nMilliseconds);
}

void CKivvoApp::ShowLoaderMessage(int nId, std::initializer_list<QVariant> args)
{
    // The desktop's receiver lives on the main thread: a loader's message reaches it queued.
    emit Warning(nId, CStringTable::Format(nId, args));
}

void CKivvoApp::StoreContact(int nIndex, const QString& strRecord)
{
    QMutexLocker lock(&m_csContacts);
    if (nIndex < m_arrContacts.size())
        m_arrContacts[nIndex] = strRecord;
    else
        m_arrContacts.append(strRecord);
}

QFileInfoList CKivvoApp::AddressBookFiles(const QString& strFolder)
{
    // System entries too, so that a link whose file has gone is reported. Matched by hand:
    // a name filter would start the regular-expression engine while the window opens.
    QFileInfoList files =
        QDir(strFolder).entryInfoList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    files.removeIf([](const QFileInfo& file) {
        return !file.fileName().endsWith(u".vcf", Qt::CaseInsensitive);
    });
    return files;
}

int CKivvoApp::LoadContactsProc(CKivvoApp* pApp)
{
    if (!QDir(pApp->m_strFolder).exists())
        return 0; // no documents folder yet: no contacts, addresses are typed in full
    // Pipes and devices are passed over, since reading them could block.
    const QFileInfoList files = AddressBookFiles(pApp->m_strFolder);
    int nNextRecord = 0;
    for (const QFileInfo& file : files) {
        if (pApp->m_bClosing)
            break;
        if (file.exists() && !file.isFile())
            continue;
        pApp->LoadFile(file.filePath(), nNextRecord);
    }
    return nNextRecord;
}

void CKivvoApp::EndContacts(int nRecords)
{
    QMutexLocker lock(&m_csContacts);
    for (qsizetype i = nRecords; i < m_arrContacts.size(); ++i)
        m_arrContacts[i].clear();
    m_arrContacts.resize(std::max<qsizetype>(nRecords, kInitialContacts));
}

void CKivvoApp::WatchContacts()
{
    if (m_pWatcher)
        return;
    m_pWatcher = std::make_unique<CContactsWatcher>(this);
    m_pWatcher->Start();
}

void CKivvoApp::LoadFile(const QString& strPath, int& nNextRecord)
{
    QFile file;
    QString strError;
    if (!CDiskFile::OpenForReading(file, strPath, strError)) {
        ShowLoaderMessage(IDS_CONTACTS_CREATE_ERROR, {strPath, strError});
        return;
    }
    QByteArray data;
    if (!ReadAll(file, data)) {
        if (!m_bClosing)
            ShowLoaderMessage(IDS_CONTACTS_CLSID_ERROR, {strPath, file.errorString()});
        return;
    }
    if (!CVCardReader::LooksLikeVCard(data)) {
        ShowLoaderMessage(IDS_CONTACTS_LOGIN_ERROR,
                          {strPath, CStringTable::Load(IDS_CONTACTS_NOT_VCARD)});
        return;
    }
    const QList<CVCardContact> contacts = CVCardReader::Parse(data, &m_bClosing);
    data = QByteArray(); // the records need the memory more than the bytes do
    for (const CVCardContact& contact : contacts) {
        if (m_bClosing)
            return;
        if (!contact.m_emails.isEmpty())
            StoreContact(nNextRecord++, ContactRecord(contact));
    }
}

bool CKivvoApp::ReadAll(QFile& file, QByteArray& data) const
{
    // In place, into room for the whole file: an address book can be large.
    data.reserve(qsizetype(std::max<qint64>(file.size(), 0) + kReadChunk));
    while (!file.atEnd()) {
        if (m_bClosing)
            return false;
        const qsizetype nOld = data.size();
        data.resize(nOld + qsizetype(kReadChunk));
        const qint64 nRead = file.read(data.data() + nOld, kReadChunk);
        data.resize(nOld + qsizetype(std::max<qint64>(nRead, 0)));
        if (nRead <= 0)
            return false;
    }
    return true;
}

bool CKivvoApp::LookupContact(const QString& strText, QString& strAddress, QString& strFirstName,
                              QString& strLastName, int* pAddresses)
{
    QMutexLocker lock(&m_csContacts);
    // The whole text first: a name may hold a colon itself ("Dr: Who"). Only then is a
    // trailing ":<digits>" taken for the number of the entry's address.
    QString strSelector;
    const QString* pRecord = FindContact(strText);
    if (!pRecord) {
        const qsizetype nColon = strText.lastIndexOf(u':');
        strSelector = nColon >= 1 ? strText.mid(nColon + 1) : QString();
        const bool bDigits = !strSelector.isEmpty() &&
                             std::all_of(strSelector.cbegin(), strSelector.cend(),
                                         [](QChar ch) { return ch >= u'0' && ch <= u'9'; });
        if (!bDigits)
            return false;
        pRecord = FindContact(strText.left(nColon));
    }
    if (!pRecord)
        return false;
    const QStringList fields = pRecord->split(u';');
    strFirstName = fields.value(1);
    strLastName = fields.value(2);
    const QStringList addresses = fields.mid(3, 3);
    if (pAddresses)
        *pAddresses = int(std::count_if(addresses.cbegin(), addresses.cend(),
                                        [](const QString& str) { return !str.isEmpty(); }));
    if (strSelector == u"1" || strSelector == u"2" || strSelector == u"3") {
        strAddress = addresses.value(strSelector.toInt() - 1);
        return true;
    }
    const auto it = std::find_if(addresses.cbegin(), addresses.cend(),
                                 [](const QString& str) { return !str.isEmpty(); });
    strAddress = it == addresses.cend() ? QString() : *it;
    return true;
}

const QString* CKivvoApp::FindContact(const QString& strKey) const
{
    // An entry without name is no match for an empty text: that names nobody.
    if (strKey.isEmpty())
        return nullptr;
    for (const QString& strRecord : m_arrContacts) {
        // Only the first field decides; the record is split once it matches.
        const qsizetype nSemicolon = strRecord.indexOf(u';');
        if (nSemicolon >= 0 &&
            QStringView(strRecord).left(nSemicolon).compare(strKey, Qt::CaseInsensitive) == 0)
            return &strRecord;
    }
    return nullptr;
}

CKivvoApp::EAddress CKivvoApp::CheckAddress(const QString& strField)
{
    if (strField.trimmed().isEmpty())
        return EAddress::Empty;
    // The same test as sending makes: an "@" after the first character means addresses.
    if (strField.indexOf(u'@') >= 1)
        return CMailAddress::IsPlausible(strField) ? EAddress::Mail : EAddress::Neither;
    QString strAddress;
    QString strFirstName;
    QString strLastName;
    return LookupContact(strField, strAddress, strFirstName, strLastName) ? EAddress::BookName
                                                                          : EAddress::Neither;
}

void CKivvoApp::FillContactCombo(QStringList& items)
{
    items.clear();
    QMutexLocker lock(&m_csContacts);
    for (const QString& strRecord : std::as_const(m_arrContacts)) {
        const qsizetype nSemicolon = strRecord.indexOf(u';');
        items.append(nSemicolon < 0 ? QString() : strRecord.left(nSemicolon));
    }
}

void CKivvoApp::LoadContacts()
{
    WatchContacts();
    OnLoadContacts();
}
