#include "driver/DeviceSlotSet.h"

#include "driver/ControlCodes.h"
#include "driver/WireWords.h"

#include <array>

namespace {
constexpr std::size_t kStreamUnitCountOffset = 4;
constexpr std::size_t kStreamRateOffset = 8;
constexpr std::size_t kSampleRateOffset = 4;
constexpr std::size_t kMatchFlagOffset = 0;
} // namespace

void DeviceSlotSet::BuildSlots() {
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        m_slots[i].Build(static_cast<std::int32_t>(i));
    }
}

bool DeviceSlotSet::AnySlotPresent() const {
    int present = 0;
    for (const DeviceSlot& slot : m_slots) {
        if (slot.Probe(m_kernel)) {
            ++present;
        }
    }
    return present > 0;
}

bool DeviceSlotSet::ReadFromFirstSlot(SettingsRecord& buffer) const {
    for (const DeviceSlot& slot : m_slots) {
        if (slot.Probe(m_kernel) && slot.SendRequest(m_kernel, IOCTL_DRV_GET_SETTINGS,
                                                     buffer.Bytes(), kSettingsRequestBytes)) {
            return true;
        }
    }
    return false;
}

bool DeviceSlotSet::WriteToEverySlot(SettingsRecord& buffer) const {
    DriverStatus folded = kStatusInEffect;
    bool answered = false;
    for (const DeviceSlot& slot : m_slots) {
        if (slot.Probe(m_kernel) && slot.SendRequest(m_kernel, IOCTL_DRV_SET_SETTINGS,
                                                     buffer.Bytes(), kSettingsRequestBytes)) {
            answered = true;
            folded = FoldStatus(folded, buffer.Status());
        }
    }
    if (answered) {
        buffer.SetStatus(folded);
    }
    return answered;
}

bool DeviceSlotSet::ReadSettings(WorkingRecord& record) const {
    SettingsRecord buffer;
    buffer.SetDefaults();
    const bool answered = ReadFromFirstSlot(buffer);
    record.AssignFields(buffer);
    return answered && buffer.Status() != 0;
}

bool DeviceSlotSet::WriteSettings(const WorkingRecord& record, DriverStatus& status) const {
    SettingsRecord buffer;
    buffer.AssignFields(record);
    const bool answered = WriteToEverySlot(buffer);
    status = buffer.Status();
    return answered;
}

bool DeviceSlotSet::GetReportedStreamState(StreamState& state) const {
    for (const DeviceSlot& slot : m_slots) {
        std::array<std::uint8_t, kStreamStateRequestBytes> answer{};
        if (!slot.SendRequest(m_kernel, IOCTL_DRV_GET_STREAM_STATE, answer.data(),
                              kStreamStateRequestBytes)) {
            continue;
        }
        const std::uint32_t units = LoadUnsignedWord(answer, kStreamUnitCountOffset);
        if (units != 0) {
            state = StreamState{units, LoadSignedWord(answer, kStreamRateOffset)};
            return true;
        }
    }
    return false;
}

bool DeviceSlotSet::DeriveStreamState(StreamState& state) const {
    IdentityBlock reference;
    std::int32_t rate = 0;
    std::size_t referenceSlot = 0;
    if (!FindReferenceUnit(reference, rate, referenceSlot)) {
        return false;
    }
    std::uint32_t units = 1;
    for (std::size_t i = referenceSlot + 1; i < kSlotCount; ++i) {
        if (CountsWithReference(m_slots[i], reference, rate)) {
            ++units;
        }
    }
    state = StreamState{units, rate};
    return true;
}

bool DeviceSlotSet::QueryStreamState(StreamState& state) const {
    return GetReportedStreamState(state) || DeriveStreamState(state);
}

bool DeviceSlotSet::RequestSampleRate(const DeviceSlot& slot, std::int32_t& rate) const {
    std::array<std::uint8_t, kSampleRateRequestBytes> answer{};
    if (!slot.SendRequest(m_kernel, IOCTL_DRV_GET_SAMPLE_RATE, answer.data(),
                          kSampleRateRequestBytes)) {
        return false;
    }
    rate = LoadSignedWord(answer, kSampleRateOffset);
    return true;
}

bool DeviceSlotSet::RequestMatchFlag(const DeviceSlot& slot, std::int32_t& flag) const {
    std::array<std::uint8_t, kMatchModeRequestBytes> answer{};
    if (!slot.SendRequest(m_kernel, IOCTL_DRV_GET_MATCH_MODE, answer.data(),
                          kMatchModeRequestBytes)) {
        return false;
    }
    flag = LoadSignedWord(answer, kMatchFlagOffset);
    return true;
}

bool DeviceSlotSet::RequestIdentity(const DeviceSlot& slot, IdentityBlock& identity) const {
    identity = IdentityBlock{};
    return slot.SendRequest(m_kernel, IOCTL_DRV_GET_IDENTITY, identity.Bytes(),
                            kIdentityRequestBytes);
}

bool DeviceSlotSet::FindReferenceUnit(IdentityBlock& identity, std::int32_t& rate,
                                      std::size_t& slotIndex) const {
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        if (RequestIdentity(m_slots[i], identity) && RequestSampleRate(m_slots[i], rate)) {
            slotIndex = i;
            return true;
        }
    }
    return false;
}

// A later unit belongs with the reference unit when its match flag asks for the same
// identity and it has it, or when the flag is zero or unavailable and its identity differs;
// it then counts only when it runs at the reference rate.
bool DeviceSlotSet::CountsWithReference(const DeviceSlot& slot, const IdentityBlock& reference,
                                        std::int32_t referenceRate) const {
    IdentityBlock identity;
    if (!RequestIdentity(slot, identity)) {
        return false;
    }
    const bool same = identity.SameIdentity(reference);
    std::int32_t flag = 0;
    const bool wantsSame = RequestMatchFlag(slot, flag) && flag != 0;
    if (same != wantsSame) {
        return false;
    }
    std::int32_t rate = 0;
    return RequestSampleRate(slot, rate) && rate == referenceRate;
}
