#pragma once

#include <QString>

// The four kinds of message box the program shows.
enum class EBoxKind
{
    YesNoQuestion,
    OkInformation,
    OkExclamation,
    OkPlain,
    YesNoCancelQuestion, // the save question before a document is closed
    YesNoDefaultNo,      // a question where the careless answer must be No: No is the default
    RepairOrDrawAgain,   // Yes repairs the drawing, No draws again, Cancel does neither
    OnlyThemOrEverybody, // Yes tells only those whose recipient changed, No everybody
};

// The kinds that ask, and whose answer counts.
inline bool IsQuestion(EBoxKind kind)
{
    return kind == EBoxKind::YesNoQuestion || kind == EBoxKind::YesNoCancelQuestion ||
           kind == EBoxKind::YesNoDefaultNo || kind == EBoxKind::RepairOrDrawAgain ||
           kind == EBoxKind::OnlyThemOrEverybody;
}

// The button a message box was closed with.
enum class EAnswer
{
    Ok,
    Cancel,
    Yes,
    No,
};

// Shows message boxes for the core. Each front end supplies its own: real dialogs,
// text on a terminal, or a script in the tests.
class CMessageHandler
{
public:
    virtual ~CMessageHandler() = default;

    // nStringId is the text's number in the string table; strText is already formatted.
    virtual EAnswer Show(int nStringId, EBoxKind kind, const QString& strText) = 0;
};
