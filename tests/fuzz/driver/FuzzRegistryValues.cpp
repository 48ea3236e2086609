// Registry data as the driver's installer (or anything else) may have left it: any size, any
// bytes, no terminator, reads that disagree with the size query.

#include "FuzzRegistryPort.h"

#include "app/ResourceIds.h"
#include "driver/DriverRegistration.h"

#include <map>

namespace {
class FixedTexts : public TextPort {
public:
    bool Load(std::uint32_t id, std::u16string& text) override {
        static const std::map<std::uint32_t, std::u16string> table = {
            {IDS_PROP_VER, u"__MODEL__ Driver __VERSION__"},
            {IDS_PROP_COPYR, u"(c)"},
            {IDS_README_NAME, u"Readme\\Readme_EN.htm"}};
        text = table.at(id);
        return true;
    }
};

class AnyFile : public FilePort {
public:
    bool FindFirst(const char16_t* path, bool& isDirectory) override {
        Require(path != nullptr);
        isDirectory = false;
        return true;
    }
};

constexpr std::size_t kMaxTextUnits = (DriverRegistration::kValueBufferBytes - 1) / 2;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    FuzzRegistryPort registry(input);
    AnyFile files;
    FixedTexts texts;
    const DriverRegistration registration(registry, files, texts);

    const std::u16string version = registration.DriverVersionLine();
    Require(version.size() <= sizeof("TX-90KL Driver ") + kMaxTextUnits);
    if (const auto copyright = registration.DriverCopyrightLine()) {
        Require(copyright->size() <= kMaxTextUnits);
        Require(copyright->find(u'\0') == std::u16string::npos);
    }
    const std::u16string path = registration.ReadmePath();
    Require(path.empty() || path.size() <= kMaxTextUnits + 1 + 20);
    registration.IsReadmeAvailable();
    Require(registry.AllClosed());
    return 0;
}
