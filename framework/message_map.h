#pragma once

#include <windows.h>

#include <cstddef>
#include <variant>

class CCmdTarget;
class CDC;

// A message map is a table per class: message, notification code, command id and handler,
// searched in order and chained to the base class's table. Each kind of handler has one
// signature:
//   void ()                 WM_COMMAND (by code and id), and messages without arguments
//   void (UINT, LPARAM)     WM_SYSCOMMAND: the command id, and the parameter to pass on
//   HCURSOR ()              WM_QUERYDRAGICON
//   BOOL (CDC*)             WM_ERASEBKGND: the context to erase
//   void (UINT, POINT)      mouse messages: key flags and the position in client pixels
//   BOOL (HELPINFO*)        WM_HELP
using PlainHandler = void (CCmdTarget::*)();
using SysCommandHandler = void (CCmdTarget::*)(UINT, LPARAM);
using CursorHandler = HCURSOR (CCmdTarget::*)();
using EraseHandler = BOOL (CCmdTarget::*)(CDC*);
using MouseHandler = void (CCmdTarget::*)(UINT, POINT);
using HelpHandler = BOOL (CCmdTarget::*)(HELPINFO*);

struct MessageMapEntry {
    UINT message;
    UINT code;
    UINT id;
    std::variant<PlainHandler, SysCommandHandler, CursorHandler, EraseHandler, MouseHandler,
                 HelpHandler>
        handler;
};

struct MessageMap {
    const MessageMap* base;
    const MessageMapEntry* entries;
    std::size_t count;
};

// Entries are written with these, so that a table reads as message, id and handler.
template <class T> MessageMapEntry CommandEntry(UINT id, void (T::*handler)()) {
    return {WM_COMMAND, 0, id, static_cast<PlainHandler>(handler)};
}
template <class T> MessageMapEntry MessageEntry(UINT message, void (T::*handler)()) {
    return {message, 0, 0, static_cast<PlainHandler>(handler)};
}
template <class T> MessageMapEntry MessageEntry(UINT message, void (T::*handler)(UINT, LPARAM)) {
    return {message, 0, 0, static_cast<SysCommandHandler>(handler)};
}
template <class T> MessageMapEntry MessageEntry(UINT message, HCURSOR (T::*handler)()) {
    return {message, 0, 0, static_cast<CursorHandler>(handler)};
}
template <class T> MessageMapEntry MessageEntry(UINT message, BOOL (T::*handler)(CDC*)) {
    return {message, 0, 0, static_cast<EraseHandler>(handler)};
}
template <class T> MessageMapEntry MessageEntry(UINT message, void (T::*handler)(UINT, POINT)) {
    return {message, 0, 0, static_cast<MouseHandler>(handler)};
}
template <class T> MessageMapEntry MessageEntry(UINT message, BOOL (T::*handler)(HELPINFO*)) {
    return {message, 0, 0, static_cast<HelpHandler>(handler)};
}

template <std::size_t N>
constexpr MessageMap MakeMessageMap(const MessageMap* base, const MessageMapEntry (&entries)[N]) {
    return {base, entries, N};
}

// Anything that takes commands through a message map: windows and the application.
class CCmdTarget {
  public:
    virtual ~CCmdTarget() = default;

    // The first entry for the message along the chain of maps, or null.
    const MessageMapEntry* FindEntry(UINT message, UINT code, UINT id) const;

    // Calls the entry's handler on this object; the result is the message's result.
    LRESULT CallHandler(const MessageMapEntry& entry, WPARAM wParam, LPARAM lParam);

  protected:
    virtual const MessageMap* GetMessageMap() const;
};
