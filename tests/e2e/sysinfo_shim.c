/* Preloaded into the Wine processes of the end-to-end run: sysinfo()
 * answers the total memory written (in kilobytes) in the file that
 * BRISKLET_FAKE_TOTAL names, so that a test can run the program on a
 * machine of any size. An empty or missing file leaves the real answer.
 * Built for the 64-bit and the 32-bit Wine loader by tests/run-wine-suites. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/sysinfo.h>

int sysinfo(struct sysinfo* info)
{
    static int (*real)(struct sysinfo*);
    if (real == NULL)
        real = (int (*)(struct sysinfo*))dlsym(RTLD_NEXT, "sysinfo");
    if (real == NULL)
        return -1;
    const int result = real(info);
    const char* path = getenv("BRISKLET_FAKE_TOTAL");
    FILE* file = result == 0 && path != NULL ? fopen(path, "r") : NULL;
    if (file == NULL)
        return result;
    unsigned long long kb = 0;
    if (fscanf(file, "%llu", &kb) == 1 && kb > 0 && info->mem_unit > 0)
        info->totalram = (unsigned long)(kb * 1024 / info->mem_unit);
    fclose(file);
    return result;
}
