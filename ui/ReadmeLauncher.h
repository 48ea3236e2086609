#pragma once
#include "driver/DriverRegistration.h"
#include "platform/ShellPort.h"

// What the README button does in either window: hands the README of the user's language to
// the shell. Availability is tested again at each click, so that a file removed since the
// window opened is not handed over; the shell's answer is not looked at.
void LaunchReadme(const DriverRegistration& registration, ShellPort& shell);
