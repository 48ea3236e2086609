#include "app/CTuneboxApp.h"

// The one application object; the framework's entry runs it.
CTuneboxApp theApp;
