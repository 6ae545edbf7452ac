#pragma once

// The mail layer's process-wide part; one global instance, built before anything sends and
// destroyed after everything has. The network stack and the TLS library come with the mail
// module, loaded at the first send or question, never at start.
class CMapiInit
{
public:
    CMapiInit();
    ~CMapiInit();
    CMapiInit(const CMapiInit&) = delete;
    CMapiInit& operator=(const CMapiInit&) = delete;

    // Whether encrypted connections are possible; loads the mail module and the TLS library
    // when called first, and false without the module.
    bool IsOk() const;
};
