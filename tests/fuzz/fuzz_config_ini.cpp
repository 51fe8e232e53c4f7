// The config.ini reader over arbitrary files: the profile reader, the skin's reading of its
// three settings, and a written value read back. Input: the file's content. The file lives in
// $TMPDIR (scripts/fuzz.sh points it at a memory file system).
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "platform/profile/profile.h"
#include "skin/skin_settings.h"
#include "skin/skin_state.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

const std::string& configPath() {
    static const std::string path = [] {
        const char* dir = std::getenv("TMPDIR");
        std::string pattern = std::string(dir && *dir ? dir : "/tmp") + "/fuzz-config-XXXXXX.ini";
        int fd = mkstemps(pattern.data(), 4);
        if (fd < 0) std::abort();
        close(fd);
        std::atexit([] { std::remove(configPath().c_str()); });
        return pattern;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pindora;
    const std::string& path = configPath();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));

    for (const char* key : {"color", "style", "picid"}) {
        const Text value = readProfileString(path, "Skin", key);
        FUZZ_REQUIRE(value.find('\n') == Text::npos);
        const std::int64_t number = profileNumber(value);
        FUZZ_REQUIRE(number >= -2147483647 && number <= 2147483647);
    }

    SkinState& state = skinState();
    readSkinSettingsFile(path);
    FUZZ_REQUIRE(state.skinStyle == SkinStylePicture || state.skinStyle == SkinStyleColor);
    FUZZ_REQUIRE(state.skinColor != 0);
    FUZZ_REQUIRE(state.skinPictureId != 0 && state.skinPictureId <= lastBackgroundPicture);
    if (state.skinPictureId >= firstBackgroundPicture) FUZZ_REQUIRE(!state.skinPicture.empty());
    state.skinPicture.clear();

    // A written key reads back as written, and the other keys keep their values.
    const Text color = readProfileString(path, "Skin", "color");
    FUZZ_REQUIRE(writeProfileString(path, "Skin", "picid", "7"));
    FUZZ_REQUIRE(readProfileString(path, "Skin", "picid") == "7");
    FUZZ_REQUIRE(readProfileString(path, "Skin", "color") == color);
    return 0;
}
