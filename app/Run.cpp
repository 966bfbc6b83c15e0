#include "Run.h"

#include <string>

#include "i18n/TextTable.h"
#include "optimizer/OptimizePlan.h"
#include "resources/resource.h"

void CRun::DoDataExchange(CDataExchange* pDX)
{
    m_hWnd = pDX->m_pDlgWnd->m_hWnd;
    DDX_Control(pDX, IDC_OPTIMIZE, m_btnOptimize);
}

OptimizeStart CRun::StartOptimize(const SettingsValues& settings, const CMemoryStatus& memory, WindowIcon level)
{
    const OptimizeStart start =
        m_optimizer.StartOptimize(settings.m_nMemToFree, settings.m_bUseIncrementalRelease, memory, m_hWnd);
    if (start == OptimizeStart::Started) {
        // The run keeps the text of its start: a language change may replace
        // the store's while it runs.
        const std::string& text = GetText(TextKey::OptimizingRam);
        m_view = RunView{true, text, text, level};
        m_btnOptimize.EnableWindow(FALSE);
    }
    return start;
}

void CRun::OnTick(const SettingsValues& settings, const CMemoryStatus& memory, WindowIcon level)
{
    if (TriggerReached(settings.m_nTriggerLevel, memory.dwAvailPhys))
        StartOptimize(settings, memory, level);
    // A run shows its busy state until the first tick after its end.
    if (!WorkerAlive())
        m_view = RunView();
}

bool CRun::OnWorkerStep(unsigned long long sizeBytes)
{
    if (!WorkerAlive())
        return false;
    m_view.title = StepTitle(sizeBytes);
    return true;
}

void CRun::OnWorkerDone()
{
    m_optimizer.OnWorkerDone();
    m_view.title.clear();
    m_btnOptimize.EnableWindow(TRUE);
}
