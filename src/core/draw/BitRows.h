#pragma once

#include <QtGlobal>

#include <vector>

// A square table of bits, one row per person: who may give to whom in a search that looks
// at every pair. Rows are words of 64 bits, so a row is combined with another in a few steps.
class CBitRows
{
public:
    CBitRows() = default;
    explicit CBitRows(int nCount);

    int Count() const { return m_nCount; }
    int Words() const { return m_nWords; }
    quint64* Row(int n) { return m_bits.data() + size_t(n) * size_t(m_nWords); }
    const quint64* Row(int n) const { return m_bits.data() + size_t(n) * size_t(m_nWords); }
    bool Test(int nRow, int nBit) const { return Has(Row(nRow), nBit); }
    void Set(int nRow, int nBit) { Row(nRow)[nBit / 64] |= Bit(nBit); }

    CBitRows Transposed() const;
    // The strongly connected components of the graph whose edges the rows are: per row its
    // component's number; returns how many there are.
    int Components(std::vector<int>& component) const;

    static quint64 Bit(int n) { return quint64(1) << (n % 64); }
    static bool Has(const quint64* pBits, int n) { return (pBits[n / 64] & Bit(n)) != 0; }
    static int Count(const quint64* pBits, int nWords);
    // The bits set, in increasing order.
    static void Append(const quint64* pBits, int nWords, std::vector<int>& bits);

private:
    // Rows in the order a depth-first search finishes them.
    std::vector<int> FinishOrder() const;

    int m_nCount = 0;
    int m_nWords = 0;
    std::vector<quint64> m_bits;
};
