#pragma once
#include "platform/FilePort.h"
#include "platform/RegistryPort.h"
#include "platform/TextPort.h"

#include <cstdint>
#include <optional>
#include <string>

// The strings the driver's installer publishes in the registry, and what the windows make of
// them. Only reads; every call opens and closes the key afresh.
class DriverRegistration {
public:
    // Values are usable only when their data are smaller than this many bytes.
    static constexpr std::uint32_t kValueBufferBytes = 360;

    DriverRegistration(RegistryPort& registry, FilePort& files, TextPort& texts)
        : m_registry(registry), m_files(files), m_texts(texts) {}

    // CLSID\<driver class id>\<driver subkey>, below the classes root.
    static std::u16string DriverKeyPath();

    // Reads a value (nullptr: the default value) whose data are smaller than bufferBytes.
    // On success buffer holds the data and bytesRead their size; on failure buffer is left
    // untouched.
    bool ReadRegistryValue(RegistryRoot root, const char16_t* keyPath, const char16_t* valueName,
                           void* buffer, std::uint32_t bufferBytes, std::uint32_t& bytesRead) const;
    // A value of the driver's key as text: up to its first NUL, and never past the bytes read.
    bool ReadDriverText(const char16_t* valueName, std::u16string& text) const;
    bool ReadInstallFolder(std::u16string& folder) const;

    // <install folder>\<README name of the user's language>; empty when either is missing.
    std::u16string ReadmePath() const;
    // True when a search finds path and the first match is not a directory.
    bool IsExistingFile(const std::u16string& path) const;
    bool IsReadmeAvailable() const;

    // The version line with the model name put in before the version text; empty when the
    // version value or the line's string is missing.
    std::u16string DriverVersionLine() const;
    // The published copyright line (empty included), else the string table's, else nothing.
    std::optional<std::u16string> DriverCopyrightLine() const;

private:
    RegistryPort& m_registry;
    FilePort& m_files;
    TextPort& m_texts;
};
