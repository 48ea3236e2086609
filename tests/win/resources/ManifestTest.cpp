// The manifest is honoured: a malformed one is dropped silently by some loaders and refused
// at start by others, so check what the process's activation context actually holds.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Manifest, GivesCommonControls6AndDpiAwareness) {
    // The common controls 6 dependency shows as a redirection of comctl32.dll.
    ACTCTX_SECTION_KEYED_DATA redirection{};
    redirection.cbSize = sizeof(redirection);
    EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                         L"comctl32.dll", &redirection));

    wchar_t value[16] = {};
    SIZE_T written = 0;
    ASSERT_TRUE(QueryActCtxSettingsW(0, nullptr,
                                     L"http://schemas.microsoft.com/SMI/2005/WindowsSettings",
                                     L"dpiAware", value, 16, &written));
    EXPECT_EQ(std::wstring(value), L"true");
}

} // namespace
