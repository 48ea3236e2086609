#pragma once
// Everything that names the device model. The program is built once per model;
// these are the only places the model's names live.

inline constexpr char16_t kModelName[] = u"TX-90KL";
inline constexpr char16_t kExecutableName[] = u"Qzdp4406.exe";
inline constexpr char16_t kDeviceLinkBaseName[] = u"Qzwm4406";
inline constexpr char16_t kDriverRegistrySubkey[] = u"QZID0406";
inline constexpr char16_t kDriverClassId[] = u"{6F3B92D4-27C1-4e5a-B8D0-3A9E41C7F205}";

// Reverse-domain prefix of the single-instance mutex, fixed once for the product.
inline constexpr char16_t kMutexVendorPrefix[] = u"com.zelvarin.audio";

inline constexpr char16_t kModelPlaceholder[] = u"__MODEL__";
inline constexpr char16_t kVersionPlaceholder[] = u"__VERSION__";
