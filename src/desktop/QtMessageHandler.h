#pragma once

#include "platform/MessageHandler.h"

// Message boxes as modal desktop dialogs titled "Kivvo". Callable from any thread: a box
// asked for elsewhere is shown on the user-interface thread, and the caller waits for it.
class CQtMessageHandler : public CMessageHandler
{
public:
    EAnswer Show(int nStringId, EBoxKind kind, const QString& strText) override;

private:
    static EAnswer ShowHere(EBoxKind kind, const QString& strText);
};
