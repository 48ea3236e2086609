#pragma once
// What the driver's installer installs and publishes.

inline constexpr wchar_t kServiceName[] = L"tx90sim";
inline constexpr wchar_t kServiceDisplayName[] = L"TX-90KL simulated device";
inline constexpr wchar_t kDriverFileName[] = L"tx90sim.sys";
inline constexpr wchar_t kDriverVersionText[] = L"1.0.0";
inline constexpr wchar_t kDriverCopyrightText[] = L"Copyright (C) 2026 Zelvarin Audio";
// Below the 64-bit program files folder.
inline constexpr wchar_t kMakerFolderName[] = L"Zelvarin";
inline constexpr wchar_t kProductFolderName[] = L"TX-90KL";
inline constexpr wchar_t kReadmeFolderName[] = L"Readme";
// Readme_XX.htm, one per language of the applet.
inline constexpr const wchar_t* kReadmeLanguages[] = {L"EN", L"DE", L"ES", L"FR",
                                                      L"IT", L"NL", L"PT", L"JP"};
// The registry value holds the folder with its terminator in under 360 bytes; the README
// path formed from it must stay within MAX_PATH.
inline constexpr unsigned kMaxFolderChars = 178;
