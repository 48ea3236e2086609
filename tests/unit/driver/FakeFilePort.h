#pragma once
#include "platform/FilePort.h"

#include <map>
#include <string>

// Paths that a search finds, each a file or a directory.
class FakeFilePort : public FilePort {
public:
    std::map<std::u16string, bool> entries; // path -> is a directory

    bool FindFirst(const char16_t* path, bool& isDirectory) override {
        const auto found = entries.find(path);
        if (found == entries.end()) {
            return false;
        }
        isDirectory = found->second;
        return true;
    }
};
