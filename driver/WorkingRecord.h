#pragma once
#include "driver/RecordFields.h"

// The settings the window works on: the record without its status word. It starts with the
// defaults; a successful read replaces it whole.
class WorkingRecord : public RecordFields<RecordLayout::kWorkingBytes> {
public:
    WorkingRecord();

    // Keeps each enabled offset within plus or minus the bound of the record's level and
    // forces a disabled one to 0.
    void ClampOffsets();
};
