#pragma once

#include "KivvoDoc.h"

#include <QUndoCommand>

// One change of the document, kept as the document before and after it: undoing and redoing
// give back exactly the bytes that were there, whatever the change touched.
class CEditCommand : public QUndoCommand
{
public:
    // The change has been made already: the first redo, the one pushing does, does nothing.
    CEditCommand(CKivvoDoc* pDoc, CKivvoDoc::CState before, CKivvoDoc::CState after,
                 const QString& strText);

    void undo() override;
    void redo() override;

private:
    CKivvoDoc* m_pDoc;
    CKivvoDoc::CState m_before;
    CKivvoDoc::CState m_after;
    bool m_bDone = true;
};
