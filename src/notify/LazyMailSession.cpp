#include "LazyMailSession.h"

#include "platform/ModuleLoader.h"
#include "res/Resource.h"
#include "res/StringTable.h"

namespace {

constexpr char kModule[] = "kivvomail";

struct SModule
{
    CMailSession* (*m_fnCreate)() = nullptr;
    int (*m_fnSupportsTls)() = nullptr;
    QString m_strError; // why the module could not be used
};

// Loaded once and for the life of the process, since the network stack keeps threads and
// state of its own.
SModule LoadModule()
{
    SModule module;
    QFunctionPointer fnCreate = nullptr;
    QFunctionPointer fnSupportsTls = nullptr;
    QString strReason;
    if (CModuleLoader::Load(
            kModule,
            {{"KivvoCreateMailSession", &fnCreate}, {"KivvoMailSupportsTls", &fnSupportsTls}},
            strReason)) {
        module.m_fnCreate = reinterpret_cast<decltype(module.m_fnCreate)>(fnCreate);
        module.m_fnSupportsTls = reinterpret_cast<decltype(module.m_fnSupportsTls)>(fnSupportsTls);
        return module;
    }
    module.m_strError = CStringTable::Format(IDS_MAIL_MODULE_MISSING, {kModule, strReason});
    return module;
}

// Loaded by whichever thread asks first: a send run loads it on its own thread.
const SModule& Module()
{
    static const SModule module = LoadModule();
    return module;
}

} // namespace

CLazyMailSession::CLazyMailSession() = default;

CLazyMailSession::~CLazyMailSession() = default;

bool CLazyMailSession::SupportsTls()
{
    const SModule& module = Module();
    return module.m_fnSupportsTls && module.m_fnSupportsTls() != 0;
}

void CLazyMailSession::SetTimeouts(const CSmtpTimeouts& timeouts)
{
    m_timeouts = timeouts;
    if (m_pSession)
        m_pSession->SetTimeouts(timeouts);
}

void CLazyMailSession::SetAbortFlag(const std::atomic<bool>* pAbort)
{
    m_pAbort = pAbort;
    if (m_pSession)
        m_pSession->SetAbortFlag(pAbort);
}

CSmtpResult CLazyMailSession::Open(const CMailAccount& account)
{
    if (!m_pSession) {
        const SModule& module = Module();
        if (!module.m_fnCreate)
            return {ESmtpError::Unavailable, module.m_strError};
        m_pSession.reset(module.m_fnCreate());
        m_pSession->SetTimeouts(m_timeouts);
        m_pSession->SetAbortFlag(m_pAbort);
    }
    return m_pSession->Open(account);
}

bool CLazyMailSession::IsOpen() const
{
    return m_pSession && m_pSession->IsOpen();
}

void CLazyMailSession::Close()
{
    if (m_pSession)
        m_pSession->Close();
}

CSmtpResult CLazyMailSession::Deliver(const QString& strSender, const QStringList& recipients,
                                      const QByteArray& message)
{
    // Never opened: as a session whose connection is gone.
    if (!m_pSession)
        return {ESmtpError::LostBeforeMail, CStringTable::Load(IDS_SMTP_LOST)};
    return m_pSession->Deliver(strSender, recipients, message);
}
