#include "notify/SendRun.h"

#include "notify/MailTransport.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QMutexLocker>
#include <QThread>

namespace {

// Failures after which no other participant can be sent anything either.
bool StopsTheRun(ESmtpError error)
{
    return error == ESmtpError::Unreachable || error == ESmtpError::Tls ||
           error == ESmtpError::Login || error == ESmtpError::Sender ||
           error == ESmtpError::Protocol || error == ESmtpError::Cancelled;
}

QString ServerName(const CMailAccount& account)
{
    return QStringLiteral("%1:%2").arg(account.m_strServer.trimmed()).arg(account.m_nPort);
}

} // namespace

CSendRun::CSendRun(const CMailAccount& account, std::unique_ptr<CMailJobSource> pSource,
                   QObject* pParent)
    : QObject(pParent), m_account(account), m_pSource(std::move(pSource)),
      m_results(m_pSource->Jobs().size())
{
}

CSendRun::CSendRun(const CMailAccount& account, QList<CMailJob> jobs, QObject* pParent)
    : CSendRun(account, std::make_unique<CMailJobSource>(std::move(jobs)), pParent)
{
}

CSendRun::~CSendRun()
{
    // Nobody is told of an end while the run is going away.
    m_bRunning = false;
    Abort();
}

void CSendRun::Start()
{
    QList<int> indices;
    for (int i = 0; i < Jobs().size(); ++i)
        indices.append(i);
    Launch(indices);
}

namespace {

bool NotDone(const CSendRun::CResult& result)
{
    return result.m_outcome == ESendOutcome::Failed || result.m_outcome == ESendOutcome::NotSent;
}

} // namespace

QList<int> CSendRun::MayHaveArrived() const
{
    QMutexLocker lock(&m_mutex);
    QList<int> indices;
    for (int i = 0; i < m_results.size(); ++i) {
        if (NotDone(m_results.at(i)) && m_results.at(i).m_bMayHaveArrived)
            indices.append(i);
    }
    return indices;
}

bool CSendRun::CanRetry() const
{
    QMutexLocker lock(&m_mutex);
    return std::any_of(m_results.cbegin(), m_results.cend(), NotDone);
}

bool CSendRun::StartRetry(const QList<int>& resend, CDocResult& why)
{
    why = {};
    if (IsRunning())
        return false;
    // The texts are renewed, never the persons or their order: each keeps his line and his
    // result.
    why = CheckDrawing();
    if (!why || (m_recompose && !m_recompose(*m_pSource)))
        return false;
    QList<int> indices;
    {
        QMutexLocker lock(&m_mutex);
        for (int i = 0; i < m_results.size(); ++i) {
            const CResult& result = m_results.at(i);
            if (NotDone(result) && (!result.m_bMayHaveArrived || resend.contains(i))) {
                m_results[i] = {};
                indices.append(i);
            }
        }
        m_nStopMessageId = 0;
        m_stopArguments.clear();
        m_strStopReason.clear();
    }
    if (indices.isEmpty())
        return false;
    m_bCancel = false;
    m_bAbort = false; // a run stopped at once may be sent again
    for (const int nIndex : std::as_const(indices))
        emit OutcomeReady(nIndex);
    Launch(indices);
    return true;
}

void CSendRun::Launch(const QList<int>& indices)
{
    if (m_pThread) {
        m_pThread->wait();
        delete m_pThread;
    }
    const int nLaunch = ++m_nLaunch;
    m_bRunning = true;
    emit Started();
    m_pThread = QThread::create([this, indices] { Work(indices); });
    // Queued to this thread: the outcomes the worker signalled arrive before its end does.
    connect(
        m_pThread, &QThread::finished, this, [this, nLaunch] { OnWorkerEnded(nLaunch); },
        Qt::QueuedConnection);
    m_pThread->start();
}

void CSendRun::OnWorkerEnded(int nLaunch)
{
    // An aborted launch has been ended already; a later one is not over yet.
    if (nLaunch == m_nLaunch && m_bRunning)
        EndRun();
}

void CSendRun::EndRun()
{
    m_bRunning = false;
    emit Finished();
}

void CSendRun::Run()
{
    QList<int> indices;
    for (int i = 0; i < Jobs().size(); ++i)
        indices.append(i);
    m_bRunning = true;
    Work(indices);
    EndRun();
}

void CSendRun::Abort()
{
    m_bCancel = true;
    m_bAbort = true;
    if (m_pThread) {
        m_pThread->wait();
        delete m_pThread;
        m_pThread = nullptr;
    }
    // Told at once: nothing of this launch is left to wait for.
    if (m_bRunning)
        EndRun();
}

void CSendRun::SetResult(int nIndex, ESendOutcome outcome, const QString& strReason,
                         bool bMayHaveArrived)
{
    {
        QMutexLocker lock(&m_mutex);
        m_results[nIndex] = {outcome, strReason, bMayHaveArrived};
    }
    emit OutcomeReady(nIndex);
}

void CSendRun::Stop(int nMessageId, const QStringList& arguments)
{
    QMutexLocker lock(&m_mutex);
    m_nStopMessageId = nMessageId;
    m_stopArguments = arguments;
}

bool CSendRun::SendOne(CMailTransport& mail, int nIndex, bool& bLoggedOn)
{
    const CMailJob& job = Jobs().at(nIndex);
    if (job.m_strAddress.trimmed().isEmpty()) {
        SetResult(nIndex, ESendOutcome::Failed,
                  CStringTable::Format(IDS_SMTP_NO_ADDRESS, {job.m_strAddressField}));
        return true;
    }
    if (!bLoggedOn && mail.Logon())
        bLoggedOn = true;
    // The text is written into the message as the message is built, and gone with it.
    const auto writeBody = [this, nIndex](CBase64Lines& body) {
        m_pSource->EncodeBody(nIndex, body);
    };
    if (bLoggedOn && mail.Send(job.m_strAddress, job.m_strSubject, writeBody)) {
        SetResult(nIndex, ESendOutcome::Sent);
        return true;
    }
    const CSmtpResult& result = mail.LastResult();
    // A time-out on a connection opened for this very message is the server itself not
    // answering: every further person would cost the same wait again.
    const bool bSilent = result.m_error == ESmtpError::TimedOut && mail.LastWasFresh();
    if (!StopsTheRun(result.m_error) && !bSilent) {
        SetResult(nIndex, ESendOutcome::Failed, result.m_strReason, result.m_bMayHaveArrived);
        return true;
    }
    StopRun(nIndex, mail);
    return false;
}

void CSendRun::StopRun(int nIndex, const CMailTransport& mail)
{
    const CSmtpResult& result = mail.LastResult();
    if (result.m_error == ESmtpError::Cancelled) {
        Stop(IDS_SEND_STOPPED);
    } else {
        const int nMessageId = result.m_error == ESmtpError::Sender     ? IDS_SENDER_ERROR
                               : result.m_error == ESmtpError::TimedOut ? IDS_SEND_SERVER_SILENT
                               : result.m_error == ESmtpError::Protocol ? IDS_SEND_SERVER_FAULT
                                                                        : IDS_LOGON_ERROR;
        Stop(nMessageId, {ServerName(m_account), result.m_strReason});
        QMutexLocker lock(&m_mutex);
        // What may have become of this message is nothing the others need to hear.
        m_strStopReason = result.m_strCause.isEmpty() ? result.m_strReason : result.m_strCause;
    }
    SetResult(nIndex, ESendOutcome::NotSent, result.m_strReason, result.m_bMayHaveArrived);
}

void CSendRun::Work(const QList<int>& indices)
{
    CMailTransport mail;
    mail.Configure(m_account);
    mail.SetTimeouts(m_timeouts);
    mail.SetAbortFlag(&m_bAbort);
    bool bLoggedOn = false;
    bool bGoOn = true;
    for (const int nIndex : indices) {
        if (Jobs().at(nIndex).m_strAddressField.isEmpty())
            SetResult(nIndex, ESendOutcome::Skipped);
        else if (!bGoOn || m_bCancel)
            SetResult(nIndex, ESendOutcome::NotSent, NotSentReason());
        else
            bGoOn = SendOne(mail, nIndex, bLoggedOn);
    }
    if (bLoggedOn)
        mail.Logoff();
}

QString CSendRun::NotSentReason() const
{
    QMutexLocker lock(&m_mutex);
    // The user stopped nothing when the server did.
    return m_strStopReason.isEmpty()
               ? CStringTable::Load(IDS_SMTP_CANCELLED)
               : CStringTable::Format(IDS_SEND_SERVER_STOPPED, {m_strStopReason});
}

CSendRun::CResult CSendRun::Result(int nIndex) const
{
    QMutexLocker lock(&m_mutex);
    return m_results.value(nIndex);
}

int CSendRun::CountOf(ESendOutcome outcome) const
{
    QMutexLocker lock(&m_mutex);
    return int(
        std::count_if(m_results.cbegin(), m_results.cend(),
                      [outcome](const CResult& result) { return result.m_outcome == outcome; }));
}

bool CSendRun::AllSent() const
{
    QMutexLocker lock(&m_mutex);
    for (int i = 0; i < m_results.size(); ++i) {
        if (!Jobs().at(i).m_strAddressField.isEmpty() &&
            m_results.at(i).m_outcome != ESendOutcome::Sent)
            return false;
    }
    return true;
}

int CSendRun::StopMessageId() const
{
    QMutexLocker lock(&m_mutex);
    return m_nStopMessageId;
}

QStringList CSendRun::StopArguments() const
{
    QMutexLocker lock(&m_mutex);
    return m_stopArguments;
}

QString CSendRun::StopMessage() const
{
    const QStringList arguments = StopArguments();
    return CStringTable::Format(StopMessageId(), {arguments.value(0), arguments.value(1)});
}

QString CSendRun::OutcomeLine(int nIndex) const
{
    const CMailJob& job = Jobs().at(nIndex);
    const CResult result = Result(nIndex);
    const QString strAddress = ShownAddress(nIndex);
    QString strLine;
    switch (result.m_outcome) {
    case ESendOutcome::Pending:
        return CStringTable::Format(IDS_SEND_WAITING, {job.m_strName});
    case ESendOutcome::Sent:
        strLine = CStringTable::Format(IDS_EMAIL_SENT, {job.m_strName, strAddress});
        return strLine.replace(QStringLiteral("\r\n"), QStringLiteral(", "));
    case ESendOutcome::Skipped:
        return CStringTable::Format(IDS_SEND_SKIPPED, {job.m_strName});
    case ESendOutcome::Failed:
        strLine = CStringTable::Format(IDS_SEND_ERROR, {job.m_strName, strAddress});
        break;
    case ESendOutcome::NotSent:
        strLine = CStringTable::Format(IDS_SEND_NOT_SENT, {job.m_strName, strAddress});
        break;
    }
    // Without a reason the line ends with the address, not with a colon.
    if (result.m_strReason.isEmpty())
        return strLine;
    return CStringTable::Format(IDS_SEND_LINE_REASON, {strLine, result.m_strReason});
}

QString CSendRun::ShownAddress(int nIndex) const
{
    const CMailJob& job = Jobs().at(nIndex);
    return job.m_strAddress.trimmed().isEmpty() ? job.m_strAddressField : job.m_strAddress;
}

namespace {

int OutcomeWordId(ESendOutcome outcome)
{
    switch (outcome) {
    case ESendOutcome::Pending:
        return IDS_OUTCOME_WAITING;
    case ESendOutcome::Sent:
        return IDS_OUTCOME_SENT;
    case ESendOutcome::Skipped:
        return IDS_OUTCOME_SKIPPED;
    case ESendOutcome::Failed:
        return IDS_OUTCOME_FAILED;
    case ESendOutcome::NotSent:
        return IDS_OUTCOME_NOT_SENT;
    }
    return 0;
}

} // namespace

QString CSendRun::OutcomeWord(int nIndex) const
{
    return CStringTable::Load(OutcomeWordId(Result(nIndex).m_outcome));
}

QStringList CSendRun::OutcomeWords()
{
    QStringList words;
    for (const ESendOutcome outcome :
         {ESendOutcome::Pending, ESendOutcome::Sent, ESendOutcome::Skipped, ESendOutcome::Failed,
          ESendOutcome::NotSent})
        words.append(CStringTable::Load(OutcomeWordId(outcome)));
    return words;
}

QString CSendRun::OutcomeReason(int nIndex) const
{
    const CResult result = Result(nIndex);
    return result.m_outcome == ESendOutcome::Skipped ? CStringTable::Load(IDS_OUTCOME_NO_ADDRESS)
                                                     : result.m_strReason;
}

QString CSendRun::Summary() const
{
    return CStringTable::Format(IDS_SENT_SUMMARY, {CountOf(ESendOutcome::Sent), Jobs().size()});
}
