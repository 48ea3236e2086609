#pragma once
// The real applet against the substitute kernel driver of the bench session, driven from this
// process. Every test starts from the driver's embedded default and ends with a check that
// the applet closed every device link it opened.

#include <windows.h>

#include "driver/DriverRegistration.h"
#include "platform/win32/Win32FilePort.h"
#include "platform/win32/Win32RegistryPort.h"
#include "platform/win32/Win32TextPort.h"
#include "simdriver/control/SimControlClient.h"
#include "tests/e2e/ui/AppletProcess.h"
#include "tests/win/ui/TitledWindow.h"

#include <gtest/gtest.h>

#include <string>

class AppletFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A window of the applet titled with the model title and holding a control of this id.
    HWND WaitForAppletWindow(const AppletProcess& applet, int controlId) const;
    HWND WaitForSettingsWindow(const AppletProcess& applet) const;
    // The string of the test's (and so the applet's) user interface language.
    std::wstring Text(std::uint32_t id);
    SimCounters Counters() const;

    SimControlClient control;
    Win32TextPort texts;
    Win32RegistryPort registry;
    Win32FilePort files;
    // What the driver's installer published, read as the applet reads it.
    DriverRegistration registration{registry, files, texts};
    std::wstring title;
};

// The locale the bench runs this test under, e.g. "de_DE"; empty when none was given.
std::string TestLocale();
