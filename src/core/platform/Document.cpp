#include "platform/Document.h"

#include "platform/Archive.h"
#include "platform/DiskFile.h"
#include "platform/DocumentLock.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CDocument::CDocument(QObject* pParent) : QObject(pParent) {}

void CDocument::SetModifiedFlag(bool bModified)
{
    if (m_bModified == bModified)
        return;
    m_bModified = bModified;
    emit ModifiedChanged(bModified);
}

void CDocument::SetPathName(const QString& strPathName)
{
    if (m_strPathName == strPathName)
        return;
    m_strPathName = strPathName;
    emit PathNameChanged(strPathName);
}

void CDocument::UpdateAllViews(int nHint)
{
    emit ViewsUpdated(nHint);
}

bool CDocument::OnNewDocument()
{
    SetPathName(QString());
    SetModifiedFlag(false);
    return true;
}

CDocResult CDocument::OnOpenDocument(const QString& strPathName)
{
    const QString strShown = QDir::toNativeSeparators(strPathName);
    QFile file;
    QString strError;
    if (!CDiskFile::OpenForReading(file, strPathName, strError))
        return CDocResult::Refused(IDS_FILE_OPEN_ERROR, {strShown, strError});
    const CDiskFile::SStamp stamp = CDiskFile::Stamp(strPathName);
    CArchive ar(&file, CArchive::load);
    Serialize(ar);
    if (!ar.IsOk())
        return CDocResult::Refused(IDS_FILE_READ_ERROR, {strShown, ar.ErrorString()});
    m_stamp = stamp;
    SetPathName(strPathName);
    SetModifiedFlag(false);
    return {};
}

bool CDocument::ChangedOnDisk() const
{
    if (m_strPathName.isEmpty())
        return false;
    const CDiskFile::SStamp stamp = CDiskFile::Stamp(m_strPathName);
    return stamp.m_bExists && stamp != m_stamp;
}

CDocResult CDocument::TakeLock(CDocumentLock& lock, const QString& strShown)
{
    QString strWhy;
    const CDocumentLock::EResult locked = lock.Lock(CDocumentLock::kWaitMs, strWhy);
    const QString strLock = QDir::toNativeSeparators(lock.LockPath());
    if (locked == CDocumentLock::EResult::Busy)
        return CDocResult::Refused(IDS_DOC_LOCKED, {strShown, strLock});
    if (locked == CDocumentLock::EResult::Error)
        return CDocResult::Refused(
            IDS_FILE_SAVE_ERROR,
            {strShown, CStringTable::Format(IDS_LOCK_NOT_MADE, {strLock, strWhy})});
    return {};
}

CDocResult CDocument::OnSaveDocument(const QString& strPathName, const ConfirmOverwrite& confirm)
{
    const QString strShown = QDir::toNativeSeparators(strPathName);
    CDocumentLock lock(strPathName);
    if (!m_bLockedByCaller) {
        if (CDocResult locked = TakeLock(lock, strShown); !locked)
            return locked;
    }
    // Another program's change is not thrown away without asking.
    if (strPathName == m_strPathName && ChangedOnDisk()) {
        const CDocResult question = CDocResult::Refused(IDS_ASK_OVERWRITE_CHANGED, {strShown});
        if (!confirm || !confirm(question))
            return question;
    }
    QString strError;
    // Who gives to whom is nobody else's business: a new file is the owner's alone, while an
    // existing one keeps the mode its owner gave it.
    const bool bNew = !QFileInfo::exists(strPathName);
    if (!CDiskFile::Save(
            strPathName, [this](CArchive& ar) { Serialize(ar); }, strError, bNew))
        return CDocResult::Refused(IDS_FILE_SAVE_ERROR, {strShown, strError});
    m_stamp = CDiskFile::Stamp(strPathName);
    SetPathName(strPathName);
    SetModifiedFlag(false);
    return {};
}
