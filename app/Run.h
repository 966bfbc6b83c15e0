// The optimization run as the main window has it: the worker (COptimizer),
// the Optimize button, and the run's part of the view. The window hands it
// the settings, the readings and the worker's messages; it shows the view.
#pragma once

#include <windows.h>

#include "app/MainView.h"
#include "framework/Afx.h"
#include "measure/MemoryStatus.h"
#include "optimizer/Optimizer.h"
#include "ui/SettingsValues.h"

class CRun {
public:
    // Binds the Optimize button of the dialog that runs the exchange; that
    // dialog receives the worker's messages.
    void DoDataExchange(CDataExchange* pDX);

    // Starts a run of the settings' size from the reading `memory`, unless
    // one is going on or it is not needed. `level` is the large icon shown
    // now (auto-off before the first view): the run keeps it.
    OptimizeStart StartOptimize(const SettingsValues& settings, const CMemoryStatus& memory, WindowIcon level);
    // The refresh tick, with its reading: a run when the trigger level is
    // reached, and the end of a finished run's busy state.
    void OnTick(const SettingsValues& settings, const CMemoryStatus& memory, WindowIcon level);
    // A step of sizeBytes has begun; true when the view changed.
    bool OnWorkerStep(unsigned long long sizeBytes);
    void OnWorkerDone();

    // No processor sample while the worker works: the first one after it
    // measures the whole interval.
    bool SkipsProcessorSample() const { return WorkerAlive(); }
    const RunView& View() const { return m_view; }

private:
    // The worker's thread exists: from a start until its done message.
    // (The view stays busy longer, until the next tick: m_view.busy.)
    bool WorkerAlive() const { return m_optimizer.IsRunning(); }

    HWND m_hWnd = nullptr;  // receives the worker's messages
    CButton m_btnOptimize;
    COptimizer m_optimizer;
    RunView m_view;
};
