// Start-up stages for the benchmark build only (BKFR_BENCH_STAGES): each
// mark appends the stage's name and the time since the process was created
// to the file named by the environment variable BKFR_STAGES. The shipped
// programs carry no timing code: without the definition a mark is nothing.
#pragma once

#ifdef BKFR_BENCH_STAGES
void MarkStage(const char* name);
#else
inline void MarkStage(const char*) {}
#endif
