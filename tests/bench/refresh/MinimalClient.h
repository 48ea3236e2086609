#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The least a client can do to make a given list of device requests: for each, open the link,
// one DeviceIoControl, close; no checks, no parsing. The floor a display refresh is held to.
class MinimalClient {
public:
    struct Request {
        std::wstring path;
        std::uint32_t code;
        std::uint32_t length;
    };

    explicit MinimalClient(std::vector<Request> requests) : m_requests(std::move(requests)) {}

    // Makes every request once, back to back; false when a link did not open or a request
    // failed.
    bool RunOnce();
    std::size_t RequestCount() const { return m_requests.size(); }

private:
    std::vector<Request> m_requests;
    std::uint8_t m_buffer[4096] = {};
};
