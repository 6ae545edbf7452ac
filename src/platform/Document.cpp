#include "Document.h"

#include "Archive.h"
#include "Framework.h"
#include "res/Resource.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

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

bool CDocument::OnOpenDocument(const QString& strPathName)
{
    const QString strShown = QDir::toNativeSeparators(strPathName);
    QFile file(strPathName);
    if (!file.open(QIODevice::ReadOnly)) {
        CFramework::MessageBox(IDS_FILE_OPEN_ERROR, EBoxKind::OkExclamation,
                               {strShown, file.errorString()});
        return false;
    }
    CArchive ar(&file, CArchive::load);
    Serialize(ar);
    if (!ar.IsOk()) {
        CFramework::MessageBox(IDS_FILE_READ_ERROR, EBoxKind::OkExclamation,
                               {strShown, ar.ErrorString()});
        return false;
    }
    SetPathName(strPathName);
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const QString& strPathName)
{
    const QString strShown = QDir::toNativeSeparators(strPathName);
    QSaveFile file(strPathName);
    QString strError;
    if (file.open(QIODevice::WriteOnly)) {
        CArchive ar(&file, CArchive::store);
        Serialize(ar);
        if (!ar.IsOk())
            strError = ar.ErrorString();
        else if (!file.commit())
            strError = file.errorString();
    } else {
        strError = file.errorString();
    }
    if (!strError.isEmpty()) {
        file.cancelWriting();
        CFramework::MessageBox(IDS_FILE_SAVE_ERROR, EBoxKind::OkExclamation, {strShown, strError});
        return false;
    }
    SetPathName(strPathName);
    SetModifiedFlag(false);
    return true;
}
