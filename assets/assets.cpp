#include "assets/assets.h"

#include <algorithm>

#include "assets/embedded_asset.h"

namespace pindora {

std::span<const std::uint8_t> assetBytes(std::string_view name) {
    const auto assets = embedded::embeddedAssets();
    const auto found = std::ranges::lower_bound(assets, name, {}, &embedded::EmbeddedAsset::name);
    if (found == assets.end() || found->name != name) return {};
    return {found->data, *found->size};
}

Bytes assetCopy(std::string_view name) {
    const auto bytes = assetBytes(name);
    return Bytes(bytes.begin(), bytes.end());
}

}  // namespace pindora
