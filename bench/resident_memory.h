#pragma once

#include <malloc.h>
#include <unistd.h>

#include <fstream>

// The process's resident size now (/proc/self/statm), in bytes: what the
// system sees, including memory freed earlier and kept by the allocator for
// reuse, so a growth is honest only from a baseline taken after such frees.
inline double ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    double pages = 0;
    double resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<double>(sysconf(_SC_PAGESIZE));
}

// Bytes handed out by malloc and not yet freed (glibc): what the program holds,
// whatever the allocator keeps besides.
inline double HeapInUseBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}
