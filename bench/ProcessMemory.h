#pragma once
// The process's resident memory from /proc/self/status (Linux), in bytes.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

// "VmRSS" (now) or "VmHWM" (the peak since the last ResetPeakRss).
inline double ResidentBytes(const char* field)
{
    const std::string key = std::string(field) + ":";
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::atof(line.c_str() + key.size()) * 1024.0;
    return 0.0;
}

inline void ResetPeakRss()
{
    if (std::FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

// Bytes of the raw row values: 17 doubles of 8 bytes per result row.
inline double RawRowBytes(long long rows) { return static_cast<double>(rows) * 17 * 8; }
