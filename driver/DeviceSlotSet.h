#pragma once
#include "driver/DeviceSlot.h"
#include "driver/DriverStatus.h"
#include "driver/IdentityBlock.h"
#include "driver/SettingsRecord.h"
#include "driver/StreamState.h"
#include "driver/WorkingRecord.h"
#include "platform/KernelPort.h"

#include <array>
#include <cstddef>

// The driver's four device links and every exchange the program has with the driver. Each
// operation tries the links afresh in index order; nothing is remembered between calls.
class DeviceSlotSet {
public:
    static constexpr std::size_t kSlotCount = 4;

    explicit DeviceSlotSet(KernelPort& kernel) : m_kernel(kernel) {}

    void BuildSlots();
    const std::array<DeviceSlot, kSlotCount>& Slots() const { return m_slots; }
    // Probe and SendRequest of slot i; false for an index past the four slots.
    bool Probe(std::size_t i) const { return i < kSlotCount && m_slots[i].Probe(m_kernel); }
    bool SendRequest(std::size_t i, std::uint32_t code, void* buffer, std::uint32_t length) const {
        return i < kSlotCount && m_slots[i].SendRequest(m_kernel, code, buffer, length);
    }

    // Probes all four links, with no early exit; true when at least one opened.
    bool AnySlotPresent() const;

    // The first link that opens and answers IOCTL_DRV_GET_SETTINGS fills buffer; later links
    // are not asked.
    bool ReadFromFirstSlot(SettingsRecord& buffer) const;
    // Sends buffer to every link that opens, each receiving the previous answer. True when
    // any link answered; buffer's status then holds the folded DriverStatus.
    bool WriteToEverySlot(SettingsRecord& buffer) const;

    // Replaces record with what the read brought back (also when it failed); true when a
    // link answered with a valid record.
    bool ReadSettings(WorkingRecord& record) const;
    // Writes record to every link; status is meaningful only when the result is true.
    bool WriteSettings(const WorkingRecord& record, DriverStatus& status) const;

    bool GetReportedStreamState(StreamState& state) const;
    bool DeriveStreamState(StreamState& state) const;
    // The reported state, else the derived one; false when neither is available.
    bool QueryStreamState(StreamState& state) const;

private:
    bool RequestSampleRate(const DeviceSlot& slot, std::int32_t& rate) const;
    bool RequestMatchFlag(const DeviceSlot& slot, std::int32_t& flag) const;
    bool RequestIdentity(const DeviceSlot& slot, IdentityBlock& identity) const;
    bool FindReferenceUnit(IdentityBlock& identity, std::int32_t& rate,
                           std::size_t& slotIndex) const;
    bool CountsWithReference(const DeviceSlot& slot, const IdentityBlock& reference,
                             std::int32_t referenceRate) const;

    KernelPort& m_kernel;
    std::array<DeviceSlot, kSlotCount> m_slots{};
};
