#pragma once
// A registry of raw values that behaves like the platform's: a size query tells the data
// size, a read into a buffer too small fails and tells the size needed.

#include "platform/RegistryPort.h"

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

class FakeRegistryPort : public RegistryPort {
public:
    using Bytes = std::vector<std::uint8_t>;

    struct Query {
        bool withData;
        std::uint32_t sizeIn;
    };

    // Terminated UTF-16 data of a text.
    static Bytes Text(const std::u16string& text) {
        Bytes bytes;
        for (char16_t unit : text + u'\0') {
            bytes.push_back(static_cast<std::uint8_t>(unit));
            bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
        }
        return bytes;
    }

    void Set(const std::u16string& key, const std::u16string& value, Bytes data) {
        m_values[{key, value}] = std::move(data);
    }

    bool OpenKey(RegistryRoot, const char16_t* keyPath, RegistryKey& key) override {
        for (const auto& entry : m_values) {
            if (entry.first.first == keyPath) {
                m_openKey = keyPath;
                key = ++m_opens;
                return true;
            }
        }
        return false;
    }

    bool QueryValue(RegistryKey, const char16_t* valueName, void* data,
                    std::uint32_t& size) override {
        queries.push_back({data != nullptr, size});
        const auto found = m_values.find({m_openKey, valueName ? valueName : u""});
        if (found == m_values.end()) {
            return false;
        }
        Bytes stored = found->second;
        if (data != nullptr && growBeforeRead != 0) {
            stored.resize(growBeforeRead, 0x41);
        }
        const bool fits = data == nullptr || size >= stored.size();
        if (data != nullptr && fits && !stored.empty()) {
            std::memcpy(data, stored.data(), stored.size());
        }
        size = static_cast<std::uint32_t>(stored.size());
        return fits;
    }

    void CloseKey(RegistryKey) override { ++closes; }

    int Opens() const { return static_cast<int>(m_opens); }

    std::vector<Query> queries;
    int closes = 0;
    std::size_t growBeforeRead =
        0; // the value's size at the read, when it changed after the size query

private:
    std::map<std::pair<std::u16string, std::u16string>, Bytes> m_values;
    std::u16string m_openKey;
    RegistryKey m_opens = 0;
};
