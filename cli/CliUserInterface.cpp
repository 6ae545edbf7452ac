#include "CliUserInterface.h"

#include "notify/SendRun.h"

#include <QTextStream>

#include <memory>

bool CCliUserInterface::RunSend(CSendRun* pRun, QTextStream& out, QTextStream& err)
{
    std::unique_ptr<CSendRun> pOwned(pRun);
    QObject::connect(pRun, &CSendRun::OutcomeReady, pRun, [&out, pRun](int nIndex) {
        if (pRun->Result(nIndex).m_outcome == ESendOutcome::Pending)
            return;
        out << pRun->OutcomeLine(nIndex) << '\n';
        out.flush();
    });
    pRun->Run();
    if (pRun->StopMessageId()) {
        QString strMessage = pRun->StopMessage();
        err << strMessage.replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
        err.flush();
    }
    out << pRun->Summary() << '\n';
    out.flush();
    return pRun->AllSent();
}
