#pragma once

// The mail layer's process-wide part; one global instance, built before anything sends and
// destroyed after everything has. The TLS library is Qt's and loads on first use.
class CMapiInit
{
public:
    CMapiInit();
    ~CMapiInit();
    CMapiInit(const CMapiInit&) = delete;
    CMapiInit& operator=(const CMapiInit&) = delete;

    // Whether encrypted connections are possible; loads the TLS library when called first.
    bool IsOk() const;
};
