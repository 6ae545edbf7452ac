#include "draw/BitRows.h"

#include <bit>

CBitRows::CBitRows(int nCount)
    : m_nCount(nCount), m_nWords((nCount + 63) / 64), m_bits(size_t(nCount) * size_t(m_nWords), 0)
{
}

CBitRows CBitRows::Transposed() const
{
    CBitRows transposed(m_nCount);
    std::vector<int> bits;
    for (int nRow = 0; nRow < m_nCount; ++nRow) {
        bits.clear();
        Append(Row(nRow), m_nWords, bits);
        for (const int nBit : bits)
            transposed.Set(nBit, nRow);
    }
    return transposed;
}

int CBitRows::Count(const quint64* pBits, int nWords)
{
    int nSum = 0;
    for (int i = 0; i < nWords; ++i)
        nSum += std::popcount(pBits[i]);
    return nSum;
}

void CBitRows::Append(const quint64* pBits, int nWords, std::vector<int>& bits)
{
    for (int i = 0; i < nWords; ++i) {
        for (quint64 nWord = pBits[i]; nWord != 0; nWord &= nWord - 1)
            bits.push_back(i * 64 + std::countr_zero(nWord));
    }
}

std::vector<int> CBitRows::FinishOrder() const
{
    // Each row's search resumes at the word it stopped at: the unvisited bits only shrink.
    std::vector<quint64> unvisited(size_t(m_nWords), ~quint64(0));
    if (m_nCount % 64 != 0)
        unvisited.back() = Bit(m_nCount) - 1;
    std::vector<int> order;
    std::vector<std::pair<int, int>> stack; // row, word to look at next
    for (int nRoot = 0; nRoot < m_nCount; ++nRoot) {
        if (!Has(unvisited.data(), nRoot))
            continue;
        unvisited[size_t(nRoot / 64)] &= ~Bit(nRoot);
        stack.emplace_back(nRoot, 0);
        while (!stack.empty()) {
            auto& [nRow, nWord] = stack.back();
            const quint64* pRow = Row(nRow);
            while (nWord < m_nWords && (pRow[nWord] & unvisited[size_t(nWord)]) == 0)
                ++nWord;
            if (nWord == m_nWords) {
                order.push_back(nRow);
                stack.pop_back();
                continue;
            }
            const int nNext = nWord * 64 + std::countr_zero(pRow[nWord] & unvisited[size_t(nWord)]);
            unvisited[size_t(nWord)] &= ~Bit(nNext);
            stack.emplace_back(nNext, 0);
        }
    }
    return order;
}

int CBitRows::Components(std::vector<int>& component) const
{
    // Kosaraju: the reversed graph searched in the reverse finishing order.
    const std::vector<int> order = FinishOrder();
    const CBitRows reversed = Transposed();
    component.assign(size_t(m_nCount), -1);
    std::vector<quint64> unvisited(size_t(m_nWords), ~quint64(0));
    if (m_nCount % 64 != 0)
        unvisited.back() = Bit(m_nCount) - 1;
    int nComponents = 0;
    std::vector<int> stack;
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (!Has(unvisited.data(), *it))
            continue;
        unvisited[size_t(*it / 64)] &= ~Bit(*it);
        stack.assign(1, *it);
        while (!stack.empty()) {
            const int nRow = stack.back();
            stack.pop_back();
            component[size_t(nRow)] = nComponents;
            const quint64* pRow = reversed.Row(nRow);
            for (int i = 0; i < m_nWords; ++i) {
                for (quint64 nWord = pRow[i] & unvisited[size_t(i)]; nWord != 0;
                     nWord &= nWord - 1) {
                    const int nNext = i * 64 + std::countr_zero(nWord);
                    unvisited[size_t(i)] &= ~Bit(nNext);
                    stack.push_back(nNext);
                }
            }
        }
        ++nComponents;
    }
    return nComponents;
}
