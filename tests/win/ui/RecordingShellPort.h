#pragma once
#include "platform/ShellPort.h"

#include <mutex>
#include <string>
#include <vector>

// Remembers the documents the windows asked the shell to open.
class RecordingShellPort : public ShellPort {
public:
    void OpenDocument(const char16_t* path) override {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_opened.emplace_back(path);
    }
    std::vector<std::u16string> Opened() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_opened;
    }

private:
    std::mutex m_mutex;
    std::vector<std::u16string> m_opened;
};
