// The no-device window, shown when the settings window finds no device or cannot read its
// settings, and the README button of both windows.

#include "tests/win/ui/SettingsWindowFixture.h"

#include "app/ResourceIds.h"
#include "tests/win/support/UiDriver.h"

namespace {

using Fixture = SettingsWindowFixture;

TEST_F(Fixture, NoDeviceAtStartShowsTheNoDeviceWindowInsteadOfSettings) {
    struct Case {
        const char* name;
        bool readmeInstalled;
        bool deviceAbsent; // otherwise present, but its record is marked not valid
        UINT closeKey;
    };
    const Case cases[] = {{"no device, README", true, true, VK_ESCAPE},
                          {"no device, no README", false, true, VK_RETURN},
                          {"record not valid", true, false, VK_RETURN}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        model->Reset();
        if (c.deviceAbsent) {
            SetPresentUnits(0);
        } else {
            EditUnit(0, [](SimUnitScenario& unit) { unit.readStatus = 0; });
        }
        files.entries.clear();
        if (c.readmeInstalled) {
            files.entries[readmePath] = false;
        }
        const std::size_t openedBefore = shell.Opened().size();
        const INT_PTR result = Run([&] {
            HWND noDevice = WaitForNoDeviceWindow();
            ASSERT_NE(noDevice, nullptr);
            EXPECT_EQ(::GetWindowLongW(noDevice, GWL_STYLE) & WS_SYSMENU, 0);
            EXPECT_NE(::SendMessageW(noDevice, WM_GETICON, ICON_BIG, 0), 0);
            EXPECT_EQ(ui::ControlText(noDevice, IDC_TXT_NODEV_MSG), LoadWide(texts, IDS_MSG_NODEV));
            EXPECT_EQ(ui::ControlText(noDevice, IDC_BTN_README), LoadWide(texts, IDS_README));
            EXPECT_EQ(ui::ControlText(noDevice, IDOK), LoadWide(texts, IDS_OK));
            EXPECT_EQ(ui::IsEnabled(noDevice, IDC_BTN_README), c.readmeInstalled);
            EXPECT_EQ(ui::FocusOf(noDevice), ::GetDlgItem(noDevice, IDOK));
            // Only this window carries the title a second copy looks for.
            EXPECT_EQ(FindTitledWindow(IDC_SLD_BUFFER_SIZE), nullptr);
            if (c.readmeInstalled) {
                ui::ClickAndWait(noDevice, IDC_BTN_README);
                EXPECT_TRUE(::IsWindow(noDevice));
            }
            ui::PressKey(noDevice, c.closeKey);
            EXPECT_TRUE(ui::WaitUntilGone(noDevice));
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(Requests(kSimGetSettings), c.deviceAbsent ? 0u : 1u);
        EXPECT_EQ(Writes(), 0u);
        const auto opened = shell.Opened();
        EXPECT_EQ(opened.size() - openedBefore, c.readmeInstalled ? 1u : 0u);
        if (c.readmeInstalled && !opened.empty()) {
            EXPECT_EQ(opened.back(), readmePath);
        }
    }
}

TEST_F(Fixture, ReadmeButtonLooksForTheFileAgainAtEachClick) {
    RunOpen([&](HWND settings) {
        ui::ClickAndWait(settings, IDC_BTN_README);
        ASSERT_EQ(shell.Opened().size(), 1u);
        EXPECT_EQ(shell.Opened()[0], readmePath);
        files.entries.clear();
        ui::ClickAndWait(settings, IDC_BTN_README);
        EXPECT_EQ(shell.Opened().size(), 1u);
        // The button's state was decided once, when the window opened.
        EXPECT_TRUE(ui::IsEnabled(settings, IDC_BTN_README));
        ui::Click(settings, IDCANCEL);
    });
}

TEST_F(Fixture, ReadmeButtonIsDisabledWhenTheReadmeIsNotInstalled) {
    for (bool isDirectory : {true, false}) {
        files.entries.clear();
        if (isDirectory) {
            files.entries[readmePath] = true;
        }
        RunOpen([&](HWND settings) {
            EXPECT_FALSE(ui::IsEnabled(settings, IDC_BTN_README));
            ui::Click(settings, IDCANCEL);
        });
    }
    EXPECT_TRUE(shell.Opened().empty());
}

} // namespace
