#pragma once
#include <string>

#include "framework/CCmdTarget.h"

// A window handle with the operations the windows use. The object does not own the window:
// a dialog's window lives as long as its modal run, a control's as long as its dialog.
class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    void Attach(HWND window) { m_hWnd = window; }
    HWND Detach();

    // Null when the window has no child with that id.
    HWND GetDlgItem(int id) const;
    void SetDlgItemText(int id, const std::u16string& text);

    void SetWindowText(const std::u16string& text);
    std::u16string GetWindowText() const;

    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    HWND SetFocus();
    BOOL IsIconic() const;
    void GetClientRect(RECT* rect) const;

    DWORD GetStyle() const;
    // Changes the style bits without a frame update.
    BOOL ModifyStyle(DWORD remove, DWORD add);
    HICON SetIcon(HICON icon, BOOL bigIcon);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    UINT_PTR SetTimer(UINT_PTR timerId, UINT elapse, TIMERPROC callback = nullptr);
    BOOL KillTimer(UINT_PTR timerId);

    // Centres the window on the work area of its monitor.
    void CenterWindow();

protected:
    // A handler that calls Default() leaves the message to the system's default processing.
    void Default() { m_passToDefault = true; }

    // Default handlers, for a derived handler that wants the base behaviour.
    void OnSysCommand(UINT command, LPARAM lParam);
    void OnPaint();
    void OnTimer(UINT_PTR timerId);
    void OnHScroll(UINT code, UINT position, HWND scrollBar);
    HCURSOR OnQueryDragIcon();

    // Runs the message-map handler of the message. False in handled when no entry names it
    // or the handler asked for the default processing.
    INT_PTR DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

private:
    bool m_passToDefault = false;
};
