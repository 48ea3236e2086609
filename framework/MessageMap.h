#pragma once
#include <windows.h>

// A message map is a static table per class, chained to its base class's table. Each entry
// names a message (and, for WM_COMMAND, a control id and a notification code) and a thunk
// that unpacks the message parameters and calls the class's handler.

class CCmdTarget;

using MessageThunk = INT_PTR (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;
    UINT code; // notification code, WM_COMMAND only
    UINT id;   // control or command id, WM_COMMAND only
    MessageThunk thunk;
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries; // ends with an entry whose thunk is null
};

namespace framework_detail {

template <class Member> struct MemberOwner;
template <class Class, class Result, class... Args> struct MemberOwner<Result (Class::*)(Args...)> {
    using type = Class;
};
template <auto Handler> using OwnerOf = typename MemberOwner<decltype(Handler)>::type;

template <auto Handler> OwnerOf<Handler>& Target(CCmdTarget& target) {
    return static_cast<OwnerOf<Handler>&>(target);
}

template <auto Handler> INT_PTR CommandThunk(CCmdTarget& target, WPARAM, LPARAM) {
    (Target<Handler>(target).*Handler)();
    return TRUE;
}
template <auto Handler> INT_PTR ScrollThunk(CCmdTarget& target, WPARAM wParam, LPARAM lParam) {
    (Target<Handler>(target).*Handler)(LOWORD(wParam), HIWORD(wParam),
                                       reinterpret_cast<HWND>(lParam));
    return TRUE;
}
template <auto Handler> INT_PTR TimerThunk(CCmdTarget& target, WPARAM wParam, LPARAM) {
    (Target<Handler>(target).*Handler)(static_cast<UINT_PTR>(wParam));
    return TRUE;
}
template <auto Handler> INT_PTR SysCommandThunk(CCmdTarget& target, WPARAM wParam, LPARAM lParam) {
    (Target<Handler>(target).*Handler)(static_cast<UINT>(wParam), lParam);
    return TRUE;
}
// A dialog procedure returns the icon of WM_QUERYDRAGICON itself; null means "not handled".
template <auto Handler> INT_PTR DragIconThunk(CCmdTarget& target, WPARAM, LPARAM) {
    return reinterpret_cast<INT_PTR>((Target<Handler>(target).*Handler)());
}

} // namespace framework_detail

// In the class declaration, at its end.
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const MessageMap* GetThisMessageMap();                                                  \
    const MessageMap* GetMessageMap() const override;

// In the source file, around the entries.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const MessageMap* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const MessageMap* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const MessageMapEntry entries[] = {

// clang-format off
#define END_MESSAGE_MAP()                                                                          \
            {0, 0, 0, nullptr}};                                                                   \
        static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries};                 \
        return &map;                                                                               \
    }
// clang-format on

// Entries. Handler shapes:
//   commands            void Handler()
//   ON_WM_HSCROLL       void OnHScroll(UINT code, UINT position, HWND scrollBar)
//   ON_WM_TIMER         void OnTimer(UINT_PTR timerId)
//   ON_WM_SYSCOMMAND    void OnSysCommand(UINT command, LPARAM lParam)
//   ON_WM_PAINT         void OnPaint()
//   ON_WM_QUERYDRAGICON HCURSOR OnQueryDragIcon()
#define ON_COMMAND(id, handler)                                                                    \
    {WM_COMMAND, 0, static_cast<UINT>(id), &framework_detail::CommandThunk<handler>},
#define ON_CONTROL(code, id, handler)                                                              \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id),                                   \
     &framework_detail::CommandThunk<handler>},
#define ON_BN_CLICKED(id, handler) ON_CONTROL(BN_CLICKED, id, handler)
#define ON_WM_HSCROLL() {WM_HSCROLL, 0, 0, &framework_detail::ScrollThunk<&ThisClass::OnHScroll>},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, &framework_detail::TimerThunk<&ThisClass::OnTimer>},
#define ON_WM_SYSCOMMAND()                                                                         \
    {WM_SYSCOMMAND, 0, 0, &framework_detail::SysCommandThunk<&ThisClass::OnSysCommand>},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, &framework_detail::CommandThunk<&ThisClass::OnPaint>},
#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, &framework_detail::DragIconThunk<&ThisClass::OnQueryDragIcon>},
