#include "ui/ReadmeLauncher.h"

void LaunchReadme(const DriverRegistration& registration, ShellPort& shell) {
    if (!registration.IsReadmeAvailable()) {
        return;
    }
    shell.OpenDocument(registration.ReadmePath().c_str());
}
