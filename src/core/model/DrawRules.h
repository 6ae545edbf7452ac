#pragma once

// The document's rules for every drawing, beyond "not himself, not his own group".
struct CDrawRules
{
    // A history window this long covers every list a document can hold.
    static constexpr int kAllExchanges = 255;

    // Recipients of the last m_nHistory exchanges are avoided; 0 avoids none.
    int m_nHistory = 1;
    // Nobody draws the person who draws him.
    bool m_bNoMutual = false;
    // The drawing forms one single cycle through everybody.
    bool m_bOneCircle = false;
    // How many different persons every giver gives to.
    int m_nGifts = 1;
    static constexpr int kMaxGifts = 5;

    bool IsDefault() const { return *this == CDrawRules(); }
    bool operator==(const CDrawRules&) const = default;
};
