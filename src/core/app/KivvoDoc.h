#pragma once

#include "app/ListNode.h"
#include "model/DocumentExtension.h"
#include "model/DrawRules.h"
#include "model/ExchangeDetails.h"
#include "model/Exclusions.h"
#include "model/ListItem.h"
#include "model/Person.h"
#include "notify/SendRun.h"
#include "platform/DocResult.h"
#include "platform/Document.h"
#include "text/TextLanguage.h"

#include <memory>
#include <optional>

#include <QByteArray>
#include <QPointer>
#include <QUndoStack>

class CDrawJob;
class CGroup;
struct CDrawInput;
struct CDrawOutput;
class CListItem;
class CNameList;
class CParticipantImport;
class CPerson;

// The document: every drawing made with one circle of people, newest first, and the
// operations on it. Every edit is one operation, used alike by the desktop's views and
// dialogs and by kivvo-cli: it checks what may be changed (a past exchange keeps its entries,
// the list being mailed stays as it is), makes the change, pushes one undo step holding what
// it changed, tells the views, and returns what happened. No operation asks or shows
// anything: each front end asks its questions before and tells the result after.
class CKivvoDoc : public CDocument
{
    Q_OBJECT

public:
    // The list count is one byte in the file.
    static constexpr int kMaxLists = 255;

    explicit CKivvoDoc(QObject* pParent = nullptr);
    ~CKivvoDoc() override;

    // Not owned; null leaves the document without list selector and pass-around dialog.

    void DeleteLists();
    CListNode* AddList();
    CNameList* GetCurrentList() const;
    CNameList* GetNewestList() const;
    // The drawing before the given one (the next node), or null.
    static CNameList* GetPreviousList(const CListNode* pNode);
    // The drawings whose recipients the given one avoids: those after it, newest first, as
    // many as the history window of the rules takes.
    std::vector<const CNameList*> GetHistory(const CListNode* pNode) const;
    // Every list, newest first.
    std::vector<CNameList*> GetLists() const;

    const CDrawRules& GetRules() const { return m_rules; }
    CDocResult SetRules(const CDrawRules& rules);
    // The language of the document's e-mails and cards as stored: a code, or empty for the
    // desktop's. An undoable change.
    const QString& GetMailLanguageCode() const { return m_strMailLanguage; }
    CDocResult SetMailLanguageCode(const QString& strCode);
    // The language the e-mails and cards are written in: the one given for this run (the
    // command line's --language), else the document's, else the desktop's.
    CTextLanguage MailLanguage() const;
    void SetRunLanguage(const CTextLanguage& language) { m_runLanguage = language; }
    CDocResult SetDetails(CNameList* pList, const CExchangeDetails& details);

    // The seal: while it is on, the newest drawing's pairs are shown to nobody at this screen
    // or terminal, the organiser included; every participant still learns his own.
    bool IsSealed() const { return m_bSealed; }
    // Whether the e-mails quote the previous drawing: whom each gave to and its list (on
    // unless turned off, as in an office where the givers stay unknown). An undoable change.
    bool QuotesHistory() const { return m_bQuoteHistory; }
    CDocResult SetQuoteHistory(bool bQuote);
    // Whether the list's pairs are hidden now: it is the newest one and the seal is on.
    bool IsSealedDrawing(const CNameList* pList) const;
    // Whether turning the seal off now breaks it: the newest list holds a drawing.
    bool WouldBreakSeal() const;
    // Turns the seal on or off. Off while the newest list holds a drawing breaks the seal:
    // the moment is recorded with that drawing for good, and the result says so. Neither is
    // an undo step: an undo must never unseal a drawing unrecorded, nor take a record back.
    CDocResult SetSealed(bool bSealed);
    // Refused, with the message that says so, while the list's pairs are sealed.
    CDocResult CheckMayShowPairs(const CNameList* pList) const;
    // "The seal of this drawing was broken on …" for a list whose seal was broken, else empty.
    static QString SealRecord(const CNameList* pList);
    // Whether the newest list can be drawn under the rules; when not, strWhy says why.
    bool CanDrawNewest(QString& strWhy) const;
    const CListNode* GetHeadNode() const { return m_pHead; }
    const CListNode* GetCurrentNode() const { return m_pCurrent; }
    int GetListCount() const { return m_nListCount; }

    QUndoStack* UndoStack() { return &m_undo; }
    // The edits made while a step is open are one step of the undo stack, with the step's
    // text: one action of the user, however many things it changes, is taken back by one
    // Undo. A step opened inside another joins it; a step that changed nothing leaves none.
    class CStep
    {
    public:
        CStep(CKivvoDoc* pDoc, int nTextId);
        ~CStep();
        CStep(const CStep&) = delete;
        CStep& operator=(const CStep&) = delete;

    private:
        CKivvoDoc* m_pDoc;
        bool m_bOuter;
        int m_nTextId;
    };
    // Refused while the newest list is being mailed: every list comes back from a step.
    CDocResult Undo();
    CDocResult Redo();

    // The edits of a list's entries. Names are made unique within the list as everywhere
    // (Ann, Ann1); the result then carries the message that says so.
    //
    // A person at the end of the newest list, or of one of its groups.
    CDocResult AddPerson(CGroup* pGroup, const CPersonFields& fields, CPerson** ppAdded = nullptr);
    CDocResult AddGroup(const QString& strName, CGroup** ppAdded = nullptr);
    // A person or a group (with its persons) of the newest list, with their exclusions.
    CDocResult RemoveEntry(CListItem* pEntry);
    // A person's, a group's or (pEntry null) the list's own name; only the list's name may
    // change in a past exchange. An empty name keeps a person's old one. bNamesNew: the name
    // typed for a group just added, one step with adding it when nothing came between.
    CDocResult Rename(CNameList* pList, CListItem* pEntry, const QString& strName,
                      bool bNamesNew = false);
    // A person's fields and whom he never draws, each one way or both ways, as one step.
    CDocResult SetPerson(CPerson* pPerson, const CPersonFields& fields,
                         const QList<CNeverDraws>& neverDraws);
    CDocResult SetPerson(CPerson* pPerson, const CPersonFields& fields);
    // A person of the newest list moved to the end of a group, or of the top level (null).
    CDocResult MovePerson(CPerson* pPerson, CGroup* pGroup);
    // One pair of the newest list's exclusions, and its reverse with bBothWays.
    CDocResult Exclude(const QString& strGiver, const QString& strRecipient, bool bBothWays,
                       bool bRemove);
    // Adds the rows the import checked against the newest list to it, as one step, and shows
    // it; nCount receives how many persons came in.
    CDocResult ImportParticipants(const CParticipantImport& import, int* pCount = nullptr);
    // Draws the newest list under the rules and shows it; refused with the reason when no
    // drawing exists, the list left as it was. Drawn is drawn, even when the new drawing
    // happens to equal the old one (then no undo step is left).
    CDocResult DrawNames(bool bRepair = false);
    // Whether the newest list may be drawn, or copied for the next exchange, now: asked
    // before the question, so that nobody says Yes to what is refused anyway.
    CDocResult CheckDraw() const;
    // Whether the newest list changed since its names were drawn, so that its drawing may be
    // repaired: every rule kept, as few givers as possible given another recipient. A repair
    // is drawn as names are (DrawNames, StartDrawing with bRepair); its result says how many
    // givers got another recipient.
    bool CanRepair() const;
    // The question that offers the repair, as the drawing's gifts per giver word it.
    int RepairQuestion() const;
    // The persons and groups of every drawing, as the file counts them.
    qsizetype EntryCount() const;
    CDocResult CheckCopy() const;
    // The same on a thread of its own, on copies of what the drawing reads; the job's
    // Finished() says what happened once the drawing is applied here. Null, with the
    // reason, when the list may not be drawn now. Until then the lists stay as they are.
    CDrawJob* StartDrawing(CDocResult& result, bool bRepair = false);
    // A drawing started here has not told its end yet.
    bool IsDrawing() const;
    // Sending or drawing: the newest list, and undo, wait.
    bool IsBusy() const { return IsSending() || IsDrawing(); }
    // A new drawing in front, copied from the newest one without its drawn names, shown.
    CDocResult CopyForNextExchange();

    // The person of the newest list that a person of the shown list stands for (the same
    // person when the newest list is shown); null, with the reason, when nothing can be
    // mailed to him.
    const CPerson* NewestPersonToMail(const CPerson* pShown, CDocResult& result) const;

    // For the undo steps: which list to show, and what changed in it.
    void ShowList(const CNameList* pList);
    void NotifyAdded(CNameList* pList, CListItem* pEntry);
    void NotifyRemoved(CNameList* pList, CListItem* pEntry);
    void NotifyChanged(CNameList* pList, CListItem* pEntry);
    void NotifyMarks(CNameList* pList);
    void NotifyListRenamed(CNameList* pList);
    void NotifyDrawn(CNameList* pList);
    void NotifyListEdited(CNameList* pList);
    void PutNewest(CListNode* pNode);
    void TakeNewest(CListNode* pNode, CListNode* pShowAfter);

    // A list other than the newest: a past exchange, which only its name may change in.
    bool IsHistory(const CNameList* pList) const;
    // The names of the drawings, newest first, and the position of the one shown; they may
    // share a name, so a drawing is chosen by its position.
    QStringList ListNames() const;
    int CurrentListIndex() const;
    // Says that the names or the shown drawing changed: ListsChanged().
    void NotifyListsChanged();
    // Shows the list at that position of the chain, newest first.
    void SelectList(int nIndex);

    // Appends the notification text for a person of the current list to strBody.
    void ComposeNotification(const CPerson* pPerson, QString& strBody) const;
    // Refused for one who receives only: there is nothing to tell him.
    static CDocResult CheckGives(const CPerson& person);
    // Before a name goes out: whether the document's file, when another program changed it
    // since it was read or saved here, still holds the newest drawing shown here. Refused,
    // with the question whether to open the file as it is now, when it holds another: what
    // goes out must be what the file keeps.
    CDocResult CheckFileHoldsDrawing() const;
    // Records that these persons of the newest list were told their recipient now, this way.
    // A fact, not an edit: no undo step takes it back; the document is modified.
    void RecordTold(const QList<const CPerson*>& persons, CTold::EHow how);
    // The same for the persons named (exactly), as the cards name their givers.
    void RecordTold(const QStringList& names, CTold::EHow how);
    // The persons of the newest list whose recipient is not the one they were told, when
    // somebody was told something: after a repair, only they need telling. Empty while
    // nobody was told anything.
    QList<const CPerson*> PersonsToTellAgain() const;
    // The same for telling only them: refused with the reason when nobody was told anything
    // yet, or when everybody knows his recipient.
    QList<const CPerson*> ChangedSinceTold(CDocResult& result) const;
    // A send run of this document has not told its end yet.
    bool IsSending() const;
    // The list may not be changed now: it is the newest one, whose e-mails are being sent or
    // which is being drawn.
    bool IsListLocked(const CNameList* pList) const;
    // Refused, with the message that says why, while the list is locked.
    CDocResult CheckNotSending(const CNameList* pList) const;
    // Whether mail is set up with the user's own server and sender; refused with what is
    // missing when not.
    static CDocResult CheckMailReady();
    // A send run of the newest drawing to these persons of the newest list, not started:
    // the front end shows and starts it (or runs it here). Each run logs on afresh, with the
    // settings of the moment. Null, with the reason, when it may not be sent.
    CSendRun* CreateSendRun(const QList<const CPerson*>& persons, CDocResult& result);
    // Every person of the newest list who gives: who has a recipient to be told.
    QList<const CPerson*> NewestGivers() const;
    // Ends the send run at once, without waiting for the server's confirmation.
    void StopSending();
    // Time-outs of the SMTP conversation for the runs that follow.
    void SetMailTimeouts(const CSmtpTimeouts& timeouts) { m_mailTimeouts = timeouts; }

    bool OnNewDocument() override;
    void Serialize(CArchive& ar) override;

    // Whether the current list's drawing may be revealed or sent; when not, the result says
    // what is wrong and to draw again.
    CDocResult CheckCurrentDrawing() const;
    // The same for the newest list's drawing, the one that is mailed and printed.
    CDocResult CheckNewestDrawing() const;

    bool CanDrawNames() const;
    bool CanSendEmails() const;

signals:
    // An entry was put into a list, at its place, or taken out of it.
    void EntryAdded(CNameList* pList, CListItem* pEntry);
    void EntryRemoved(CNameList* pList, CListItem* pEntry);
    // An entry's name or fields changed.
    void EntryChanged(CNameList* pList, CListItem* pEntry);
    // Who never draws whom changed in a list.
    void ExclusionsChanged(CNameList* pList);
    // The drawn names of a list changed.
    void DrawingChanged(CNameList* pList);
    // A drawing or a send run began or ended: IsBusy() may say otherwise now.
    void BusyChanged();
    // The seal was turned on or off, or broken.
    void SealChanged();
    // The drawings' names or which one is shown changed.
    void ListsChanged();
    // Every list and entry is about to be deleted (a new or another document): nothing may
    // point into them afterwards.
    void ListsAboutToBeDeleted();

private:
    void AppendNode(CNameList* pList);
    void MakeNewestCurrent();
    void StoreLists(CArchive& ar) const;
    void LoadLists(CArchive& ar);
    void KeepModifiedWithStack();
    // What the e-mails are composed from: the newest drawing as it is now.
    CMailDrawing MailDrawing() const;
    CDocResult CheckDrawingOf(const CListNode* pNode) const;
    // Whether the newest drawing is still the one a run began with; when not, why.
    CDocResult IsStillDrawing(const QList<QPair<QString, QStringList>>& drawing) const;
    // The newest list when it may be edited now; null, with the reason, when not.
    CNameList* EditableNewest(CDocResult& result) const;
    // What drawing the newest list reads, shown first; null, with the reason, when it may
    // not be drawn now.
    std::shared_ptr<CDrawInput> PrepareDrawing(CDocResult& result, bool bRepair);
    // The drawn names of a drawing of the newest list, as one step.
    CDocResult ApplyDrawing(const CDrawOutput& output);
    // A name made unique: the message that says so, or none.
    static CDocResult NameStored(const QString& strWanted, const QString& strStored);
    CListNode* NodeOf(const CNameList* pList) const;
    // Whether somebody of the newest list was told his recipient.
    bool AnybodyTold() const;
    // Pushes the step, or keeps it for the step that is open; the modified flag follows the
    // stack.
    void Push(QUndoCommand* pCommand);

    CDrawRules m_rules;
    QString m_strMailLanguage;
    bool m_bSealed = false;
    bool m_bQuoteHistory = true;
    // Sections of the file a later version wrote, written back unchanged.
    std::vector<CDocumentExtension::CForeignSection> m_foreignSections;
    std::optional<CTextLanguage> m_runLanguage;
    quint8 m_nListCount = 0;
    CListNode* m_pHead = nullptr;
    CListNode* m_pTail = nullptr;
    CListNode* m_pCurrent = nullptr;
    // Owned by whoever shows them; an earlier run's window may still send again.
    QList<QPointer<CSendRun>> m_runs;
    QPointer<CDrawJob> m_pDrawing;
    CSmtpTimeouts m_mailTimeouts;
    QUndoStack m_undo;
    bool m_bStepOpen = false;
    std::vector<std::unique_ptr<QUndoCommand>> m_stepParts; // of the step that is open
};
