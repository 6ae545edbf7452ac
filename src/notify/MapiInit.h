#pragma once

// Starts the mail library for the process and ends it again; one global instance, built
// before anything sends and destroyed after everything has.
class CMapiInit
{
public:
    CMapiInit();
    ~CMapiInit();
    CMapiInit(const CMapiInit&) = delete;
    CMapiInit& operator=(const CMapiInit&) = delete;

    bool IsOk() const { return m_bOk; }

private:
    bool m_bOk = false;
};
