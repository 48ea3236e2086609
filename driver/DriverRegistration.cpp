#include "driver/DriverRegistration.h"

#include "app/ProductIdentity.h"
#include "app/ResourceIds.h"
#include "app/TextHelpers.h"

#include <array>
#include <cstring>
#include <vector>

namespace {
// Text from raw value data: whole UTF-16 units only (an odd last byte is dropped), ending at
// the first NUL or where the data end.
std::u16string TextFromData(const std::uint8_t* data, std::uint32_t bytes) {
    std::u16string text;
    for (std::uint32_t i = 0; i + 1 < bytes; i += 2) {
        const auto unit = static_cast<char16_t>(data[i] | data[i + 1] << 8);
        if (unit == u'\0') {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

// The size query and the read of a value of an open key.
bool ReadOpenValue(RegistryPort& registry, RegistryKey key, const char16_t* valueName, void* buffer,
                   std::uint32_t bufferBytes, std::uint32_t& bytesRead) {
    std::uint32_t size = 0;
    if (!registry.QueryValue(key, valueName, nullptr, size) || !(size < bufferBytes)) {
        return false;
    }
    // Read aside first so that a failing read cannot leave partial data in the caller's buffer.
    std::vector<std::uint8_t> data(bufferBytes);
    // The value may have changed since the size query; the rule holds for what is read too.
    size = bufferBytes;
    if (!registry.QueryValue(key, valueName, data.data(), size) || !(size < bufferBytes)) {
        return false;
    }
    bytesRead = size;
    std::memcpy(buffer, data.data(), bufferBytes);
    return true;
}
} // namespace

std::u16string DriverRegistration::DriverKeyPath() {
    std::u16string path = u"CLSID\\";
    path += kDriverClassId;
    path += u'\\';
    path += kDriverRegistrySubkey;
    return path;
}

bool DriverRegistration::ReadRegistryValue(RegistryRoot root, const char16_t* keyPath,
                                           const char16_t* valueName, void* buffer,
                                           std::uint32_t bufferBytes,
                                           std::uint32_t& bytesRead) const {
    RegistryKey key = 0;
    if (!m_registry.OpenKey(root, keyPath, key)) {
        return false;
    }
    const bool read = ReadOpenValue(m_registry, key, valueName, buffer, bufferBytes, bytesRead);
    m_registry.CloseKey(key);
    return read;
}

bool DriverRegistration::ReadDriverText(const char16_t* valueName, std::u16string& text) const {
    std::array<std::uint8_t, kValueBufferBytes> data{};
    std::uint32_t bytes = 0;
    if (!ReadRegistryValue(RegistryRoot::ClassesRoot, DriverKeyPath().c_str(), valueName,
                           data.data(), kValueBufferBytes, bytes)) {
        return false;
    }
    text = TextFromData(data.data(), bytes);
    return true;
}

bool DriverRegistration::ReadInstallFolder(std::u16string& folder) const {
    return ReadDriverText(nullptr, folder);
}

std::u16string DriverRegistration::ReadmePath() const {
    std::u16string folder;
    if (!ReadInstallFolder(folder) || folder.empty()) {
        return {};
    }
    std::u16string name;
    if (!LoadText(m_texts, IDS_README_NAME, name)) {
        return {};
    }
    return folder + u'\\' + name;
}

bool DriverRegistration::IsExistingFile(const std::u16string& path) const {
    bool isDirectory = false;
    return m_files.FindFirst(path.c_str(), isDirectory) && !isDirectory;
}

bool DriverRegistration::IsReadmeAvailable() const {
    const std::u16string path = ReadmePath();
    return !path.empty() && IsExistingFile(path);
}

std::u16string DriverRegistration::DriverVersionLine() const {
    std::u16string version;
    std::u16string line;
    if (!ReadDriverText(u"version", version) || !LoadText(m_texts, IDS_PROP_VER, line)) {
        return {};
    }
    ReplacePlaceholder(line, kModelPlaceholder, kModelName);
    ReplacePlaceholder(line, kVersionPlaceholder, version);
    return line;
}

std::optional<std::u16string> DriverRegistration::DriverCopyrightLine() const {
    std::u16string line;
    if (ReadDriverText(u"copyright", line) || LoadText(m_texts, IDS_PROP_COPYR, line)) {
        return line;
    }
    return std::nullopt;
}
