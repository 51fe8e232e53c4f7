#include "platform/files/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace pindora {

bool replaceFile(const std::string& path, std::string_view content) {
    std::filesystem::path target(path);
    std::string temporary = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    if (target.parent_path().empty()) temporary = "." + target.filename().string() + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    struct stat existing;
    fchmod(fd, stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644);
    size_t written = 0;
    while (written < content.size()) {
        ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    bool ok = written == content.size() && fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

}  // namespace pindora
