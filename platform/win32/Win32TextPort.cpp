#include "platform/win32/Win32TextPort.h"

#include <windows.h>

Win32TextPort::Win32TextPort() : m_module(GetModuleHandleW(nullptr)) {}

Win32TextPort::Win32TextPort(void* module) : m_module(module) {}

bool Win32TextPort::Load(std::uint32_t id, std::u16string& text) {
    // With a zero count the loader hands back a pointer into the resource itself and its
    // length, so no text is ever cut at a buffer size.
    const wchar_t* resource = nullptr;
    int length = LoadStringW(static_cast<HINSTANCE>(m_module), id,
                             reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || resource == nullptr) {
        return false;
    }
    text.assign(reinterpret_cast<const char16_t*>(resource), static_cast<std::size_t>(length));
    return true;
}
