#pragma once

#include "platform/MessageHandler.h"

#include <QVariant>

#include <initializer_list>

class CDocResult;

// The desktop's message boxes, shown through the message handler the program (or a test)
// has set.
class CMessageBox
{
public:
    // Loads string nId, formats it with the arguments and shows it; returns the button.
    // Without a handler, questions are answered No and other boxes are dropped.
    static EAnswer Show(int nId, EBoxKind kind, std::initializer_list<QVariant> args = {});
    static EAnswer ShowText(int nId, EBoxKind kind, const QString& strText);
    // Tells what a result has to say, if anything: a refusal with an exclamation, a note on
    // success as information. Returns whether the result was a success.
    static bool Tell(const CDocResult& result);
};
