// The switches of bkfr.exe: none for a normal start, "/tray" to start
// minimized (in the notification area when the tray icon is on), and
// "/optimize" for one optimization without a window.
#pragma once

#include <string>

#include "optimizer/OptimizePlan.h"

enum class StartMode {
    Normal,
    Tray,
    Optimize,
    Invalid,  // anything else: the program lists its switches and ends
};

// The switch of a process command line (UTF-8, the program name first, as
// the system gives it): "/" or "-", compared without case, one switch at
// the most.
StartMode ParseCommandLine(const std::string& commandLine);

// The text that lists the switches.
extern const char kSwitchesHelp[];

// Exit codes of a start with "/optimize", the same whether the run takes
// place in that process or in the running copy.
constexpr int kExitOptimized = 0;    // the start test passed, whatever the allocations then gave
constexpr int kExitNotNeeded = 1;    // more memory is free than the run would free
constexpr int kExitCouldNotRun = 2;  // no run could start (or the running copy did not answer); also an unknown switch

int ExitCodeOf(OptimizeStart start);
