#include "desktop/MessageBox.h"

#include "platform/DocResult.h"
#include "platform/Framework.h"
#include "text/StringTable.h"

EAnswer CMessageBox::Show(int nId, EBoxKind kind, std::initializer_list<QVariant> args)
{
    return ShowText(nId, kind, CStringTable::Format(nId, args));
}

EAnswer CMessageBox::ShowText(int nId, EBoxKind kind, const QString& strText)
{
    if (CMessageHandler* pHandler = CFramework::GetMessageHandler())
        return pHandler->Show(nId, kind, strText);
    return IsQuestion(kind) ? EAnswer::No : EAnswer::Ok;
}

bool CMessageBox::Tell(const CDocResult& result)
{
    if (result.MessageId())
        ShowText(result.MessageId(),
                 result.IsDone() ? EBoxKind::OkInformation : EBoxKind::OkExclamation,
                 result.Message());
    return result.IsDone();
}
