#pragma once
// The settings window in-process: the simulated device behind the kernel seam, fakes for the
// registry, the files and the shell, the real string table. The window runs modally on the
// test's thread while the test body drives it from a second thread.

#include <windows.h>

#include "driver/DriverRegistration.h"
#include "platform/PlatformPorts.h"
#include "tests/unit/driver/FakeFilePort.h"
#include "tests/unit/driver/FakeRegistryPort.h"
#include "tests/win/ui/HidingTextPort.h"
#include "tests/win/ui/LockedKernelPort.h"
#include "tests/win/ui/RecordingShellPort.h"
#include "tests/win/ui/TitledWindow.h"
#include "ui/CTuneboxDlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// What the window showed after an action of the user that may write.
struct Outcome {
    enum Kind { Nothing, Message, NoDevice, Undecided } kind = Undecided;
    HWND window = nullptr;    // the message box or the no-device window
    std::wstring text;        // the message box's text
    std::uint32_t writes = 0; // writes the device had seen when it appeared
};

class SettingsWindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the settings window until it ends and returns its result; driver runs meanwhile on
    // a second thread. The window object stays in `dialog` for a look afterwards.
    INT_PTR Run(const std::function<void()>& driver);
    // Runs it and hands driver the settings window once it has its title.
    INT_PTR RunOpen(const std::function<void(HWND)>& driver);

    // --- the device ---
    template <typename Edit> void EditUnit(std::size_t unit, Edit edit) {
        kernel.With([&](DeviceModel& m, ModelKernelPort&) { edit(m.EditScenario().units[unit]); });
    }
    void SetRecordWord(std::size_t unit, std::uint32_t offset, std::int32_t value);
    std::int32_t StoredWord(std::size_t unit, std::uint32_t offset);
    void SetPresentUnits(std::uint32_t count);
    // Answers to successive writes, the last one repeating.
    void ScriptWrites(std::size_t unit, const std::vector<std::int32_t>& statuses);
    // Requests of a code served by all units together.
    std::uint32_t Requests(std::uint32_t code);
    std::uint32_t Writes() { return Requests(kSimSetSettings); }

    // --- the windows ---
    // A window of this process with the model title and a control of this id.
    HWND FindTitledWindow(int controlId) const;
    HWND WaitForSettingsWindow() const;
    HWND WaitForNoDeviceWindow() const;
    // A message box of this process, shown or about to be shown.
    static HWND FindMessageBox();
    // Returns once window's thread is waiting for messages again (its handler has returned
    // or runs a nested message loop).
    static void Settle(HWND window);
    // A key pressed and released on control, handled before this returns.
    static void SendKey(HWND control, UINT virtualKey);

    // Waits for a message box or the no-device window, or for the action to be over without
    // either; begun tells that the action has begun (and must settle before "Nothing").
    Outcome AwaitOutcome(HWND settings, const std::function<bool()>& begun);

    std::unique_ptr<DeviceModel> model = std::make_unique<DeviceModel>();
    LockedKernelPort kernel{*model};
    FakeRegistryPort registry;
    FakeFilePort files;
    RecordingShellPort shell;
    HidingTextPort texts;
    PlatformPorts ports{kernel, registry, files, shell, texts};
    std::unique_ptr<CTuneboxDlg> dialog;

    std::wstring title;        // the model title in the test's language
    std::u16string readmePath; // where the README is found
};

std::wstring LoadWide(TextPort& texts, std::uint32_t id);
