#pragma once

#include "platform/DiskFile.h"
#include "platform/DocResult.h"

#include <QObject>

#include <QString>
#include <functional>

class CArchive;
class CDocumentLock;

// The document machinery: a modified flag, the file it belongs to, updates to its views,
// and opening and saving through an archive. A failed open leaves the contents as they
// were; a save replaces the file only once everything has been written.
class CDocument : public QObject
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

    // Whether to save over the document's own file although another program has changed it
    // since: the front end asks the question the result holds; true to go on.
    using ConfirmOverwrite = std::function<bool(const CDocResult& question)>;

    // Both refuse with the message that names the file when they fail. Saving over the
    // document's own file after another program changed it goes on only when confirm says
    // so (without one it is refused with that question). A save holds the document's lock
    // file from that comparison to the end of the write, so that no other writer slips in
    // between; a new file is readable by its owner only.
    CDocResult OnOpenDocument(const QString& strPathName);
    CDocResult OnSaveDocument(const QString& strPathName, const ConfirmOverwrite& confirm = {});
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
    // Waits for the document's lock; refused, with the message, when it is not had.
    static CDocResult TakeLock(CDocumentLock& lock, const QString& strShown);

    bool m_bModified = false;
    QString m_strPathName;
    CDiskFile::SStamp m_stamp; // the file as this document last read or wrote it
    bool m_bLockedByCaller = false;
};
