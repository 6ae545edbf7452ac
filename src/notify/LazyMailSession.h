#pragma once

#include "MailSession.h"

#include <memory>

// The SMTP session, made by the mail module, which is loaded at the first Open: the network
// stack and what it brings (TLS, Kerberos, proxy look-ups) stay out of the programs' start.
// Without the module, Open fails with the reason and nothing is sent.
class CLazyMailSession : public CMailSession
{
public:
    CLazyMailSession();
    ~CLazyMailSession() override;

    void SetTimeouts(const CSmtpTimeouts& timeouts) override;
    void SetAbortFlag(const std::atomic<bool>* pAbort) override;

    CSmtpResult Open(const CMailAccount& account) override;
    bool IsOpen() const override;
    void Close() override;
    CSmtpResult Deliver(const QString& strSender, const QStringList& recipients,
                        const QByteArray& message) override;

    // Whether encrypted connections are possible; loads the module when asked first, and
    // false without it.
    static bool SupportsTls();

private:
    std::unique_ptr<CMailSession> m_pSession;
    CSmtpTimeouts m_timeouts;
    const std::atomic<bool>* m_pAbort = nullptr;
};
