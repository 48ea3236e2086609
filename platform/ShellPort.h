#pragma once

class ShellPort {
public:
    virtual ~ShellPort() = default;
    // Opens a document with the verb "open", no owner, empty parameters and folder, shown
    // normally. Whether the shell succeeded is not reported: nobody acts on it.
    virtual void OpenDocument(const char16_t* path) = 0;
};
