#pragma once
#include "driver/ControlCodes.h"
#include "driver/DriverStatus.h"
#include "driver/RecordFields.h"

// The 328-byte block exchanged with the driver: every field of the working record followed by
// the status word the driver writes into its answers.
class SettingsRecord : public RecordFields<RecordLayout::kRecordBytes> {
public:
    // Read: non-zero when the driver's record is valid. Write: that link's DriverStatus.
    std::int32_t Status() const { return Word(RecordLayout::kStatus); }
    void SetStatus(std::int32_t value) { SetWord(RecordLayout::kStatus, value); }
};

static_assert(SettingsRecord::kBytes == kSettingsRequestBytes);
