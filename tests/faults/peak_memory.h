#pragma once
// The process's resident memory, from /proc/self/status.

#include <cstdint>

namespace pindora {

std::int64_t residentBytes();      // VmRSS now
std::int64_t peakResidentBytes();  // VmHWM: the highest VmRSS since start or resetPeakResident()
void resetPeakResident();          // makes VmHWM the current VmRSS
std::int64_t peakVirtualBytes();   // VmPeak: the largest address space since start (no reset)

}  // namespace pindora
