#pragma once

#include "CmdTarget.h"
#include "DiskFile.h"

#include <QObject>
#include <QString>

class CArchive;
class CDocumentLock;

// The document machinery: a modified flag, the file it belongs to, updates to its views,
// and opening and saving through an archive. A failed open leaves the contents as they
// were; a save replaces the file only once everything has been written.
class CDocument : public QObject, public CCmdTarget
{
    Q_OBJECT

public:
    explicit CDocument(QObject* pParent = nullptr);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified = true);

    QString GetPathName() const { return m_strPathName; }
    void SetPathName(const QString& strPathName);

    // Tells every view to update; the hint says what changed.
    void UpdateAllViews(int nHint);

    // Starts an untitled, unmodified document; derived classes fill it.
    virtual bool OnNewDocument();

    // Both show a message box naming the file when they fail and return false. Saving over
    // the document's own file asks first when another program has changed it since. A save
    // holds the document's lock file from that comparison to the end of the write, so that
    // no other writer slips in between; a new file is readable by its owner only.
    bool OnOpenDocument(const QString& strPathName);
    bool OnSaveDocument(const QString& strPathName);
    // The caller holds the document's lock already (kivvo-cli, from reading to saving).
    void SetLockedByCaller(bool bLocked) { m_bLockedByCaller = bLocked; }

    // Whether the document's file was written or replaced since it was opened or saved here.
    bool ChangedOnDisk() const;

    // Loads or stores the whole document. A load that fails must record its error in the
    // archive and leave the document unchanged.
    virtual void Serialize(CArchive& ar) = 0;

signals:
    void ViewsUpdated(int nHint);
    void ModifiedChanged(bool bModified);
    void PathNameChanged(const QString& strPathName);

private:
    // Waits for the document's lock; false, with the message shown, when it is not had.
    bool TakeLock(CDocumentLock& lock, const QString& strShown);

    bool m_bModified = false;
    QString m_strPathName;
    CDiskFile::SStamp m_stamp; // the file as this document last read or wrote it
    bool m_bLockedByCaller = false;
};
