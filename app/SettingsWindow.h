#pragma once
// The settings window the first copy runs: constructible from the program's ports with no
// parent, with device slots to fill before it runs modally.
#include "ui/CTuneboxDlg.h"

using SettingsWindow = CTuneboxDlg;
