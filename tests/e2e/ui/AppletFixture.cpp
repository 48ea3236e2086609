#include "tests/e2e/ui/AppletFixture.h"

#include "app/ResourceIds.h"
#include "app/TextHelpers.h"

#include <cstdlib>

std::string TestLocale() {
    const char* locale = std::getenv("TX_LOCALE");
    return locale != nullptr ? locale : "";
}

void AppletFixture::SetUp() {
    ASSERT_TRUE(control.Reset())
        << "the simulated driver does not answer: run inside tools/bench with the driver built";
    title = Wide(ModelTitle(texts));
    ASSERT_FALSE(title.empty());
}

void AppletFixture::TearDown() {
    const SimCounters counters = Counters();
    for (std::uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
        EXPECT_EQ(counters.opens[unit], counters.closes[unit]) << "link " << unit + 1;
    }
    control.Reset();
}

HWND AppletFixture::WaitForAppletWindow(const AppletProcess& applet, int controlId) const {
    return WaitForTitledWindow(applet.Id(), title, controlId);
}

HWND AppletFixture::WaitForSettingsWindow(const AppletProcess& applet) const {
    return WaitForAppletWindow(applet, IDC_SLD_BUFFER_SIZE);
}

std::wstring AppletFixture::Text(std::uint32_t id) {
    std::u16string text;
    LoadText(texts, id, text);
    return Wide(text);
}

SimCounters AppletFixture::Counters() const {
    SimCounters counters{};
    EXPECT_TRUE(control.GetCounters(counters));
    return counters;
}
