#pragma once

// Carries a command's enabled state from its update handler to whatever shows the command
// (a menu item, a toolbar button, or a front end that checks before running it).
class CCmdUI
{
public:
    explicit CCmdUI(int nID) : m_nID(nID) {}

    void Enable(bool bOn = true)
    {
        m_bEnabled = bOn;
        m_bHandled = true;
    }

    int m_nID;
    bool m_bEnabled = true;
    bool m_bHandled = false; // some update handler spoke for the command
};
