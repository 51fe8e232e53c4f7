#include "tests/faults/peak_memory.h"

#include <fstream>
#include <string>

namespace pindora {
namespace {

std::int64_t statusKilobytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key + ":", 0) == 0) return std::stoll(line.substr(key.size() + 1));
    }
    return -1;
}

}  // namespace

std::int64_t residentBytes() { return statusKilobytes("VmRSS") * 1024; }
std::int64_t peakResidentBytes() { return statusKilobytes("VmHWM") * 1024; }
std::int64_t peakVirtualBytes() { return statusKilobytes("VmPeak") * 1024; }

void resetPeakResident() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
}

}  // namespace pindora
