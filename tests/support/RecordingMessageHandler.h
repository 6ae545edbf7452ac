#pragma once

#include "app/KivvoApp.h"
#include "platform/DocResult.h"
#include "platform/Document.h"
#include "platform/Framework.h"

#include <QHash>
#include <QList>

#include <functional>

// Installs itself as the message handler for its lifetime, answers questions from a script
// and records every box in order.
class CRecordingMessageHandler : public CMessageHandler
{
public:
    struct CBox
    {
        int m_nId;
        EBoxKind m_kind;
        QString m_strText;
    };

    CRecordingMessageHandler() { CFramework::SetMessageHandler(this); }
    ~CRecordingMessageHandler() override { CFramework::SetMessageHandler(nullptr); }

    void Answer(int nStringId, EAnswer answer) { m_answers.insert(nStringId, answer); }
    void AnswerAllQuestions(EAnswer answer) { m_defaultAnswer = answer; }

    EAnswer Show(int nStringId, EBoxKind kind, const QString& strText) override
    {
        m_boxes.append({nStringId, kind, strText});
        if (m_fnOnShow)
            m_fnOnShow();
        if (!IsQuestion(kind))
            return EAnswer::Ok;
        return m_answers.value(nStringId, m_defaultAnswer);
    }

    // A result recorded as the desktop tells it: its message, if any, as a box.
    bool Tell(const CDocResult& result)
    {
        if (result.MessageId())
            Show(result.MessageId(),
                 result.IsDone() ? EBoxKind::OkInformation : EBoxKind::OkExclamation,
                 result.Message());
        return result.IsDone();
    }
    // The save question, answered from the script and recorded.
    CDocument::ConfirmOverwrite Confirm()
    {
        return [this](const CDocResult& question) {
            return Show(question.MessageId(), EBoxKind::YesNoDefaultNo, question.Message()) ==
                   EAnswer::Yes;
        };
    }
    // The application's warnings recorded as boxes, on the application's thread as the
    // desktop shows them.
    void Watch(CKivvoApp& app)
    {
        QObject::connect(&app, &CKivvoApp::Warning, &app, [this](int nId, const QString& strText) {
            Show(nId, EBoxKind::OkPlain, strText);
        });
    }

    QList<int> Ids() const
    {
        QList<int> ids;
        for (const CBox& box : m_boxes)
            ids.append(box.m_nId);
        return ids;
    }
    void Clear() { m_boxes.clear(); }

    QList<CBox> m_boxes;
    std::function<void()> m_fnOnShow; // called as each box is shown

private:
    QHash<int, EAnswer> m_answers;
    EAnswer m_defaultAnswer = EAnswer::No;
};
