#pragma once

class CCmdUI;

// Something that handles numbered commands. A command is offered to a chain of targets in
// turn (view, document, frame, application) until one handles it.
class CCmdTarget
{
public:
    virtual ~CCmdTarget() = default;

    // Runs command nID; returns false when this target does not handle it.
    virtual bool OnCommand(int nID) = 0;

    // Lets the command's update handler set its state; returns false when this target has
    // no update handler for it.
    virtual bool OnUpdateCommand(CCmdUI& cmdUI) = 0;
};
