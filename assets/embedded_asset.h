#pragma once
// The table of embedded files that the build generates from assets/images.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace pindora::embedded {

struct EmbeddedAsset {
    std::string_view name;      // path under assets/images
    const std::uint8_t* data;
    const std::size_t* size;    // defined beside the bytes, in the file's own generated source
};

// Every embedded file, sorted by name.
std::span<const EmbeddedAsset> embeddedAssets();

}  // namespace pindora::embedded
