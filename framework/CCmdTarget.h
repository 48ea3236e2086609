#pragma once
#include "framework/MessageMap.h"

// The root of every class with a message map: finds the handler of a message by walking the
// class's table and then its base classes' tables.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler of a command (control id and notification code); false when no map
    // of the class names it.
    bool OnCmdMsg(UINT id, UINT code);

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

    // The most derived entry for the message; WM_COMMAND entries match id and code too.
    const MessageMapEntry* FindMessageEntry(UINT message, UINT id, UINT code) const;
};
