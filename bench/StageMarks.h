// The start-up stage marks of the benchmark builds: each appends the
// stage's name and the time since the process was created to the file named
// by the environment variable BKFR_STAGES. bkfr's marked build takes them
// from its messages (bench/bkfr_stages.cpp), the floors call them.
#pragma once

void WriteStageMark(const char* name);
