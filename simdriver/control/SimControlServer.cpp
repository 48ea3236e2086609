#include "simdriver/control/SimControlServer.h"

#include <string.h>

SimControlResult SimControlServer::Serve(DeviceModel& model, uint32_t code, uint8_t* buffer,
                                         uint32_t inLength, uint32_t outLength,
                                         uint32_t& returned) {
    returned = 0;
    uint32_t wantIn = 0;
    uint32_t wantOut = 0;
    if (!SimControlLengths(code, wantIn, wantOut)) {
        return SimControlResult::kUnknownCode;
    }
    if (inLength != wantIn || outLength != wantOut || ((wantIn || wantOut) && !buffer)) {
        return SimControlResult::kBadLength;
    }
    switch (code) {
    case kSimCtlReset:
        model.Reset();
        break;
    case kSimCtlClearCounters:
        model.ClearCounters();
        break;
    case kSimCtlSetScenario:
        model.SetScenario(*reinterpret_cast<const SimScenario*>(buffer));
        break;
    case kSimCtlGetScenario:
        memcpy(buffer, &model.Scenario(), sizeof(SimScenario));
        break;
    case kSimCtlGetCounters:
        memcpy(buffer, &model.Counters(), sizeof(SimCounters));
        break;
    case kSimCtlGetTrace: {
        SimTraceQuery query;
        memcpy(&query, buffer, sizeof query);
        FillTracePage(model, query.first, *reinterpret_cast<SimTracePage*>(buffer));
        break;
    }
    }
    returned = wantOut;
    return SimControlResult::kServed;
}

void SimControlServer::FillTracePage(const DeviceModel& model, uint32_t first, SimTracePage& page) {
    memset(&page, 0, sizeof page);
    page.kept = model.TraceCount();
    page.total = model.Counters().traceTotal;
    page.first = first;
    for (uint32_t i = first; i < page.kept && page.count < kSimTracePageEntries; ++i) {
        page.entries[page.count++] = model.TraceAt(i);
    }
}
