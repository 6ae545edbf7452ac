#pragma once

#include <QByteArray>
#include <QStringList>

class CKivvoDoc;

// Replaces the document's lists by these (list notation, newest first), appended one by
// one, so the oldest ends up current.
void BuildDocument(CKivvoDoc& doc, const QStringList& lists);
// The same lists as a file would bring them: loaded, the newest current, selector filled.
void LoadDocument(CKivvoDoc& doc, const QStringList& lists);
// Saves the document and loads it back: the newest list current, selector filled, as after
// opening a file.
void ReloadDocument(CKivvoDoc& doc);
// The bytes a save would write.
QByteArray DocumentBytes(CKivvoDoc& doc);
// "name: notation" of every list, newest first.
QStringList DescribeDocument(const CKivvoDoc& doc);
