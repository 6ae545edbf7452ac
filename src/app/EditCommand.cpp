#include "EditCommand.h"

CEditCommand::CEditCommand(CKivvoDoc* pDoc, CKivvoDoc::CState before, CKivvoDoc::CState after,
                           const QString& strText)
    : QUndoCommand(strText), m_pDoc(pDoc), m_before(std::move(before)), m_after(std::move(after))
{
}

void CEditCommand::undo()
{
    m_pDoc->RestoreState(m_before);
    m_bDone = false;
}

void CEditCommand::redo()
{
    if (!m_bDone)
        m_pDoc->RestoreState(m_after);
    m_bDone = true;
}
