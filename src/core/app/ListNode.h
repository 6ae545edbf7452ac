#pragma once

class CNameList;

// One link of the document's chain of drawings, newest first.
struct CListNode
{
    CNameList* m_pList = nullptr; // owned by the document
    CListNode* m_pNext = nullptr; // the next older drawing
};
