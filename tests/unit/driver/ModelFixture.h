#pragma once
// The driver interface against the simulated device behind the fake kernel seam, with the
// model's trace as text (TraceText.h).

#include "TraceText.h"

#include "driver/DeviceSlotSet.h"
#include "simdriver/DeviceModel.h"
#include "simdriver/ModelKernelPort.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

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
        std::vector<SimTraceEntry> entries;
        for (std::uint32_t i = 0; i < model.TraceCount(); ++i) {
            entries.push_back(model.TraceAt(i));
        }
        return ::TraceText(entries);
    }

    std::unique_ptr<DeviceModel> holder = std::make_unique<DeviceModel>();
    DeviceModel& model = *holder;
    ModelKernelPort kernel{model};
    DeviceSlotSet slots{kernel};
};
