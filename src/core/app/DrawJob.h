#pragma once

#include "model/DrawRules.h"
#include "platform/DocResult.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

class CNameList;

// What a drawing reads, copied, so that it can be drawn away from the document: the list to
// draw and the earlier drawings it avoids.
struct CDrawInput
{
    std::unique_ptr<CNameList> m_pList;
    std::vector<std::unique_ptr<CNameList>> m_history;
    CDrawRules m_rules;
    // Repairs the drawn names instead of drawing afresh.
    bool m_bRepair = false;

    // Copies of the list (with its exclusions) and of the earlier drawings.
    static std::shared_ptr<CDrawInput> Of(const CNameList& list,
                                          const std::vector<const CNameList*>& history,
                                          const CDrawRules& rules);
};

// The drawn names, in the list's person order; or why there is no drawing.
struct CDrawOutput
{
    bool m_bDrawn = false;
    QString m_strWhy;
    QList<QStringList> m_giftTo; // per person, every person he gives to
    int m_nChanged = -1;         // a repair's givers with another recipient

    static CDrawOutput Run(CDrawInput& input);
};

class QThread;

// A drawing under way on a thread of its own, on copies of what it reads. Ended() comes on
// the owner's thread with what was drawn; the owner applies it and says Finished() with what
// happened; the job then goes.
class CDrawJob : public QObject
{
    Q_OBJECT

public:
    CDrawJob(std::shared_ptr<CDrawInput> pInput, QObject* pParent);
    // A drawing is short: one still under way is waited for.
    ~CDrawJob() override;

    const CDrawOutput& Output() const { return *m_pOutput; }

signals:
    void Ended();
    void Finished(const CDocResult& result);

private:
    std::shared_ptr<CDrawOutput> m_pOutput;
    QThread* m_pThread;
};
