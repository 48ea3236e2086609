#include "framework/CWnd.h"

#include "platform/win32/WideText.h"

HWND CWnd::Detach() {
    HWND window = m_hWnd;
    m_hWnd = nullptr;
    return window;
}

HWND CWnd::GetDlgItem(int id) const {
    return ::GetDlgItem(m_hWnd, id);
}

void CWnd::SetDlgItemText(int id, const std::u16string& text) {
    ::SetDlgItemTextW(m_hWnd, id, AsWide(text.c_str()));
}

void CWnd::SetWindowText(const std::u16string& text) {
    ::SetWindowTextW(m_hWnd, AsWide(text.c_str()));
}

std::u16string CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthW(m_hWnd);
    if (length <= 0) {
        return {};
    }
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    int copied = ::GetWindowTextW(m_hWnd, AsWide(text.data()), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

BOOL CWnd::EnableWindow(BOOL enable) {
    return ::EnableWindow(m_hWnd, enable);
}
BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}
BOOL CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command);
}
HWND CWnd::SetFocus() {
    return ::SetFocus(m_hWnd);
}
BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}
void CWnd::GetClientRect(RECT* rect) const {
    ::GetClientRect(m_hWnd, rect);
}

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE));
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
    DWORD style = GetStyle();
    DWORD changed = (style & ~remove) | add;
    if (changed == style) {
        return FALSE;
    }
    ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
    return TRUE;
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR timerId, UINT elapse, TIMERPROC callback) {
    return ::SetTimer(m_hWnd, timerId, elapse, callback);
}

BOOL CWnd::KillTimer(UINT_PTR timerId) {
    return ::KillTimer(m_hWnd, timerId);
}

void CWnd::CenterWindow() {
    RECT window{};
    if (!::GetWindowRect(m_hWnd, &window)) {
        return;
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        return;
    }
    const RECT& area = monitor.rcWork;
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
void CWnd::OnHScroll(UINT, UINT, HWND) {
    Default();
}
HCURSOR CWnd::OnQueryDragIcon() {
    Default();
    return nullptr;
}

INT_PTR CWnd::DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = false;
    const MessageMapEntry* entry = FindMessageEntry(message, LOWORD(wParam), HIWORD(wParam));
    if (entry == nullptr) {
        return FALSE;
    }
    // Handlers may run nested message loops (message boxes, other dialogs) that dispatch to
    // this object again, so the default request is kept per dispatch.
    struct DefaultRequestScope {
        bool& flag;
        bool outer;
        explicit DefaultRequestScope(bool& f) : flag(f), outer(f) { flag = false; }
        ~DefaultRequestScope() { flag = outer; }
    } scope(m_passToDefault);
    INT_PTR result = entry->thunk(*this, wParam, lParam);
    handled = !m_passToDefault;
    return handled ? result : FALSE;
}
