#pragma once

#include "notify/MailAccount.h"
#include "notify/MailJobSource.h"
#include "notify/MailSession.h"
#include "platform/DocResult.h"

#include <QList>
#include <QMutex>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

enum class ESendOutcome
{
    Pending,
    Sent,
    Skipped, // no address
    Failed,
    NotSent, // the run stopped or was cancelled before his turn
};

// One run of notifications through the SMTP server: logs on afresh, sends one job after the
// other, each message built only when its turn comes, and reports each outcome as it
// arrives. Start() works on a thread of its own and signals on the thread that owns the run;
// Run() does the same work on the calling thread.
// A run that cannot go on (server gone or silent, login or sender refused) stops with one
// message. A message the server took in full but never confirmed is not sent again unless the
// user asks for that person by name.
class CSendRun : public QObject
{
    Q_OBJECT

public:
    struct CResult
    {
        ESendOutcome m_outcome = ESendOutcome::Pending;
        QString m_strReason;
        bool m_bMayHaveArrived = false; // handed over in full, never confirmed
    };

    CSendRun(const CMailAccount& account, std::unique_ptr<CMailJobSource> pSource,
             QObject* pParent = nullptr);
    // Finished messages.
    CSendRun(const CMailAccount& account, QList<CMailJob> jobs, QObject* pParent = nullptr);
    ~CSendRun() override;

    void SetTimeouts(const CSmtpTimeouts& timeouts) { m_timeouts = timeouts; }
    // Renews the source for texts composed afresh before a retry; false (having said why)
    // stops the retry.
    using Recompose = std::function<bool(CMailJobSource& source)>;
    void SetRecompose(Recompose recompose) { m_recompose = std::move(recompose); }
    // Whether the drawing the run began with is still the one to give out; when not, the
    // check's result says why.
    void SetDrawingCheck(std::function<CDocResult()> check) { m_checkDrawing = std::move(check); }
    CDocResult CheckDrawing() const { return m_checkDrawing ? m_checkDrawing() : CDocResult(); }

    void Start();
    void Run();
    // Sends again, in the background, with texts composed afresh from the drawing, to those
    // that failed or were not sent, leaving out those whose message may have arrived, except
    // the ones named in resend; false when it did not start (the drawing changed, or nobody
    // is left to send to); why then says why when the drawing changed.
    bool StartRetry(const QList<int>& resend, CDocResult& why);
    // Those that failed or were not sent and whose message may have arrived nonetheless.
    QList<int> MayHaveArrived() const;
    // Whether StartRetry has anybody to send to, with resend naming every one of them.
    bool CanRetry() const;
    // Stops after the message in flight.
    void Cancel() { m_bCancel = true; }
    // Stops now, leaving the message in flight unconfirmed; waits for the thread.
    void Abort();
    // Whether the owner has not yet been told the run ended: false only once Finished has
    // been emitted on the owner's thread, so whoever sees it false sees the final outcome.
    bool IsRunning() const { return m_bRunning; }
    bool IsCancelled() const { return m_bCancel; }

    const QList<CMailJob>& Jobs() const { return m_pSource->Jobs(); }
    CResult Result(int nIndex) const;
    int CountOf(ESendOutcome outcome) const;
    // Every participant with an address was sent his notification.
    bool AllSent() const;
    // The one message of a run that stopped early: its string id (0 when it did not stop),
    // the two arguments it is formatted with, and the text.
    int StopMessageId() const;
    QStringList StopArguments() const;
    QString StopMessage() const;

    // The line that tells one participant's outcome, for a list or a terminal.
    QString OutcomeLine(int nIndex) const;
    // One participant's outcome in a word ("Sent"), and why it came about, empty when there
    // is nothing to say: the columns of a table.
    QString OutcomeWord(int nIndex) const;
    QString OutcomeReason(int nIndex) const;
    // Every word OutcomeWord gives.
    static QStringList OutcomeWords();
    // The address a participant's e-mail goes to, or, when the address book has none for the
    // name he holds, that name.
    QString ShownAddress(int nIndex) const;
    // "Sent emails to 3 out of 4 participants"
    QString Summary() const;

signals:
    void OutcomeReady(int nIndex);
    // A launch began (the first or a retry), on the owner's thread.
    void Started();
    void Finished();

private:
    void Work(const QList<int>& indices);
    bool SendOne(class CMailTransport& mail, int nIndex, bool& bLoggedOn);
    void StopRun(int nIndex, const class CMailTransport& mail);
    void SetResult(int nIndex, ESendOutcome outcome, const QString& strReason = {},
                   bool bMayHaveArrived = false);
    void Stop(int nMessageId, const QStringList& arguments = {});
    void Launch(const QList<int>& indices);
    // On the owner's thread: the worker of that launch has ended.
    void OnWorkerEnded(int nLaunch);
    void EndRun();
    QString NotSentReason() const;

    CMailAccount m_account;
    std::unique_ptr<CMailJobSource> m_pSource;
    CSmtpTimeouts m_timeouts;
    Recompose m_recompose;
    std::function<CDocResult()> m_checkDrawing;
    mutable QMutex m_mutex; // guards m_results and the stop message
    QList<CResult> m_results;
    int m_nStopMessageId = 0;
    QStringList m_stopArguments;
    QString m_strStopReason; // why the server stopped the run; empty when the user did
    std::atomic<bool> m_bCancel{false};
    std::atomic<bool> m_bAbort{false};
    QThread* m_pThread = nullptr;
    // Owner's thread only: a launch is under way and Finished not yet emitted for it.
    bool m_bRunning = false;
    int m_nLaunch = 0; // which launch a worker's end belongs to
};
