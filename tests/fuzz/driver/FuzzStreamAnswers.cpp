// Driver answers to the stream state, identity, match mode and sample rate requests.

#include "FuzzDevices.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzDevices devices(data, size);
    const DeviceSlotSet& slots = devices.slots;

    StreamState state;
    if (slots.DeriveStreamState(state)) {
        Require(state.unitCount >= 1 && state.unitCount <= DeviceSlotSet::kSlotCount);
    }
    if (slots.QueryStreamState(state)) {
        Require(state.unitCount >= 1);
    }
    Require(devices.kernel.AllClosed());

    // The identity comparison itself, on two blocks taken whole from the input.
    IdentityBlock a;
    IdentityBlock b;
    devices.input.Fill(a.Bytes(), IdentityBlock::kBytes);
    devices.input.Fill(b.Bytes(), IdentityBlock::kBytes);
    Require(a.SameIdentity(b) == b.SameIdentity(a));
    Require(a.SameIdentity(a));
    return 0;
}
