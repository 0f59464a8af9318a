// A keyboard and joysticks the tests hold in their hands: the input's device slots point here
// while a test runs.
#pragma once

#include <gtest/gtest.h>

#include <set>

#include "input/input.h"

struct FakeDevices {
    std::set<int> keys;                 // virtual keys held down
    bool present[16] = {};              // joystick ids that answer
    JoystickReading readings[16];       // what they answer
};
inline FakeDevices fake;

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake = FakeDevices{};
        saved = inputDevices;
        inputDevices.keyDown = [](int key) { return fake.keys.count(key) > 0; };
        inputDevices.joystickRead = [](int id, JoystickReading& out) {
            if (id < 0 || id >= 16 || !fake.present[id]) return false;
            out = fake.readings[id];
            return true;
        };
        resetInputState();
    }
    void TearDown() override {
        inputDevices = saved;
        resetInputState();
    }
    static void plugJoystick(int id) {
        fake.present[id] = true;
        fake.readings[id] = JoystickReading{};
    }
    static int state(int button) { return input.buttons[button].state; }
    InputDevices saved;
};
