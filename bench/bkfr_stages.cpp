// bkfr with its start-up stage marks: its own objects, and this, which sets
// the program's stage hook to the mark writer before WinMain runs (a
// global's constructor runs first).
#include "bench/StageMarks.h"
#include "framework/Stages.h"

namespace {

struct InstallHook {
    InstallHook()
    {
        g_stageHook = &WriteStageMark;
    }
} g_installHook;

}  // namespace
