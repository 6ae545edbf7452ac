#include "CliUserInterface.h"

#include "notify/SendRun.h"

#include <QTextStream>

bool CCliUserInterface::RunSend(CSendRun* pRun, bool)
{
    if (!m_pOut || !m_pErr)
        return false;
    std::unique_ptr<CSendRun> pOwned(pRun);
    QObject::connect(pRun, &CSendRun::OutcomeReady, pRun, [this, pRun](int nIndex) {
        if (pRun->Result(nIndex).m_outcome == ESendOutcome::Pending)
            return;
        *m_pOut << pRun->OutcomeLine(nIndex) << '\n';
        m_pOut->flush();
    });
    pRun->Run();
    if (pRun->StopMessageId()) {
        QString strMessage = pRun->StopMessage();
        *m_pErr << strMessage.replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
        m_pErr->flush();
    }
    *m_pOut << pRun->Summary() << '\n';
    m_pOut->flush();
    m_bAllSent = pRun->AllSent();
    return true;
}
