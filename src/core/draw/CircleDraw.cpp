#include "draw/CircleDraw.h"

#include "draw/DrawGraph.h"

#include <QRandomGenerator>

#include <numeric>

CCircleDraw::CCircleDraw(const CDrawGraph& graph) : m_graph(graph), m_order(size_t(graph.Count()))
{
    std::iota(m_order.begin(), m_order.end(), 0);
}

bool CCircleDraw::Run(QRandomGenerator& random)
{
    const size_t nCount = m_order.size();
    for (size_t i = 0; i < nCount; ++i) {
        std::swap(m_order[i], m_order[i + random.bounded(quint32(nCount - i))]);
        if (i == 0)
            continue;
        // A look at every bar of the giver is a step, so long exclusion lists count.
        const int nGiver = m_order[i - 1];
        m_nSteps += 1 + (m_graph.BarsEnd(nGiver) - m_graph.BarsBegin(nGiver));
        if (!m_graph.Allows(nGiver, m_order[i]))
            return false;
    }
    if (nCount > 0 && !m_graph.Allows(m_order.back(), m_order.front()))
        return false;
    m_recipient.resize(nCount);
    for (size_t i = 0; i < nCount; ++i)
        m_recipient[size_t(m_order[i])] = m_order[(i + 1) % nCount];
    return true;
}
