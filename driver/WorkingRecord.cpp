#include "driver/WorkingRecord.h"

namespace {
std::int32_t ClampOffset(std::int32_t enabled, std::int32_t offset, std::int32_t bound) {
    if (enabled == 0) {
        return 0;
    }
    if (offset < -bound) {
        return -bound;
    }
    if (offset > bound) {
        return bound;
    }
    return offset;
}
} // namespace

WorkingRecord::WorkingRecord() {
    SetDefaults();
}

void WorkingRecord::ClampOffsets() {
    const std::int32_t bound = LevelBound(BufferLevel());
    SetOffsetA(ClampOffset(OffsetAEnabled(), OffsetA(), bound));
    SetOffsetB(ClampOffset(OffsetBEnabled(), OffsetB(), bound));
}
