#pragma once
// The process's resident memory, from /proc/self/status.

#include <cstdint>

namespace pindora {

std::int64_t residentBytes();      // VmRSS now
std::int64_t peakResidentBytes();  // VmHWM: the highest VmRSS since start or resetPeakResident()
void resetPeakResident();          // makes VmHWM the current VmRSS
std::int64_t peakVirtualBytes();   // VmPeak: the largest address space since start (no reset)

// False under ThreadSanitizer, whose shadow memory grows with every byte the program touches,
// so that resident figures say nothing about the program's own use.
#if defined(__SANITIZE_THREAD__)
inline constexpr bool kResidentMemoryIsTheProgramsOwn = false;
#else
inline constexpr bool kResidentMemoryIsTheProgramsOwn = true;
#endif

}  // namespace pindora
