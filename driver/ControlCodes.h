#pragma once
#include <cstdint>

// The control codes the driver answers: CTL_CODE(FILE_DEVICE_UNKNOWN, function, METHOD_BUFFERED,
// FILE_ANY_ACCESS). Each request passes one buffer of the stated length as input and output.
constexpr std::uint32_t DriverControlCode(std::uint32_t function) {
    constexpr std::uint32_t kFileDeviceUnknown = 0x22;
    constexpr std::uint32_t kMethodBuffered = 0;
    constexpr std::uint32_t kFileAnyAccess = 0;
    return (kFileDeviceUnknown << 16) | (kFileAnyAccess << 14) | (function << 2) | kMethodBuffered;
}

inline constexpr std::uint32_t IOCTL_DRV_GET_SETTINGS = DriverControlCode(0x87A);
inline constexpr std::uint32_t IOCTL_DRV_SET_SETTINGS = DriverControlCode(0x87B);
inline constexpr std::uint32_t IOCTL_DRV_GET_STREAM_STATE = DriverControlCode(0x858);
inline constexpr std::uint32_t IOCTL_DRV_GET_IDENTITY = DriverControlCode(0x80F);
inline constexpr std::uint32_t IOCTL_DRV_GET_MATCH_MODE = DriverControlCode(0x811);
inline constexpr std::uint32_t IOCTL_DRV_GET_SAMPLE_RATE = DriverControlCode(0x814);

inline constexpr std::uint32_t kSettingsRequestBytes = 328;
inline constexpr std::uint32_t kStreamStateRequestBytes = 32;
inline constexpr std::uint32_t kIdentityRequestBytes = 2056;
inline constexpr std::uint32_t kMatchModeRequestBytes = 4;
inline constexpr std::uint32_t kSampleRateRequestBytes = 8;

static_assert(IOCTL_DRV_GET_SETTINGS == 0x2221E8);
static_assert(IOCTL_DRV_SET_SETTINGS == 0x2221EC);
static_assert(IOCTL_DRV_GET_STREAM_STATE == 0x222160);
static_assert(IOCTL_DRV_GET_IDENTITY == 0x22203C);
static_assert(IOCTL_DRV_GET_MATCH_MODE == 0x222044);
static_assert(IOCTL_DRV_GET_SAMPLE_RATE == 0x222050);
