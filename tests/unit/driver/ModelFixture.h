#pragma once
// The driver interface against the simulated device behind the fake kernel seam. The model's
// trace, written out as text, shows the exact request sequence: "o2" an open of unit 2 that
// succeeded, "x2" one that failed, "c2" a close, and a request by its code letter (G get
// settings, S set settings, T stream state, I identity, M match mode, R sample rate) with "!"
// when the unit failed it.

#include "driver/DeviceSlotSet.h"
#include "simdriver/DeviceModel.h"
#include "simdriver/ModelKernelPort.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

class ModelFixture : public ::testing::Test {
protected:
    void SetUp() override {
        model.Reset();
        slots.BuildSlots();
    }

    // Every path must close what it opened.
    void TearDown() override {
        EXPECT_EQ(kernel.OpenHandles(), 0u);
        EXPECT_EQ(kernel.BadCloses(), 0u);
        EXPECT_EQ(kernel.BadRequests(), 0u);
    }

    SimUnitScenario& Unit(std::size_t i) { return model.EditScenario().units[i]; }

    void Present(std::initializer_list<std::size_t> units) {
        for (SimUnitScenario& unit : model.EditScenario().units) {
            unit.present = 0;
        }
        for (std::size_t i : units) {
            Unit(i).present = 1;
        }
    }

    void Fail(std::size_t unit, std::uint32_t code) {
        for (std::uint32_t& slot : Unit(unit).failCodes) {
            if (slot == 0) {
                slot = code;
                return;
            }
        }
    }

    std::string TraceText() const {
        std::string text;
        for (std::uint32_t i = 0; i < model.TraceCount(); ++i) {
            const SimTraceEntry& entry = model.TraceAt(i);
            text += text.empty() ? "" : " ";
            text += EntryText(entry);
        }
        return text;
    }

    static std::string EntryText(const SimTraceEntry& entry) {
        const std::string unit = std::to_string(entry.unit);
        switch (entry.operation) {
        case kSimOpen:
            return (entry.accepted != 0 ? "o" : "x") + unit;
        case kSimClose:
            return "c" + unit;
        default:
            return CodeLetter(entry.code) + unit + (entry.accepted != 0 ? "" : "!");
        }
    }

    static std::string CodeLetter(std::uint32_t code) {
        switch (code) {
        case kSimGetSettings:
            return "G";
        case kSimSetSettings:
            return "S";
        case kSimGetStreamState:
            return "T";
        case kSimGetIdentity:
            return "I";
        case kSimGetMatchMode:
            return "M";
        case kSimGetSampleRate:
            return "R";
        default:
            return "?";
        }
    }

    std::unique_ptr<DeviceModel> holder = std::make_unique<DeviceModel>();
    DeviceModel& model = *holder;
    ModelKernelPort kernel{model};
    DeviceSlotSet slots{kernel};
};
