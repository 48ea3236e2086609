#include "tests/win/faults/RefreshTimerBlock.h"

namespace {
// The atom of the system's dialog class, #32770.
constexpr ULONG_PTR kDialogClassAtom = 32770;

bool IsDialog(HWND window) {
    return ::GetClassLongPtrW(window, GCW_ATOM) == kDialogClassAtom;
}
} // namespace

RefreshTimerBlock::RefreshTimerBlock()
    : m_hook(::SetWindowsHookExW(WH_GETMESSAGE, &RefreshTimerBlock::Filter, nullptr,
                                 ::GetCurrentThreadId())) {}

RefreshTimerBlock::~RefreshTimerBlock() {
    if (m_hook != nullptr) {
        ::UnhookWindowsHookEx(m_hook);
    }
}

LRESULT CALLBACK RefreshTimerBlock::Filter(int code, WPARAM removal, LPARAM message) {
    if (code == HC_ACTION) {
        MSG* retrieved = reinterpret_cast<MSG*>(message);
        // A dialog's own tick without a callback procedure; controls keep their timers.
        if (retrieved->message == WM_TIMER && retrieved->wParam == kRefreshTimerId &&
            retrieved->lParam == 0 && IsDialog(retrieved->hwnd)) {
            retrieved->message = WM_NULL;
        }
    }
    return ::CallNextHookEx(nullptr, code, removal, message);
}
