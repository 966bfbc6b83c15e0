// Start-up stages: the program names each stage as it reaches it. Nothing
// times them unless a benchmark build sets the hook before WinMain runs;
// the shipped programs set none, so there a mark is one test of a null
// pointer and the programs carry no timing code.
#pragma once

using StageHook = void (*)(const char* name);

// Set at most once, before WinMain, by the benchmark build.
inline StageHook g_stageHook = nullptr;

inline void MarkStage(const char* name)
{
    if (g_stageHook != nullptr)
        g_stageHook(name);
}
