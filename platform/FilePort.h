#pragma once

// A file search used as an existence test.
class FilePort {
public:
    virtual ~FilePort() = default;
    // True when a search for path finds something; isDirectory tells whether the first
    // match is a directory. The search is closed before returning.
    virtual bool FindFirst(const char16_t* path, bool& isDirectory) = 0;
};
