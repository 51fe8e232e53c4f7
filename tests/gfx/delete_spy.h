#pragma once
// Records which native brushes and images were deleted, by interposing GdipDeleteBrush and
// GdipDisposeImage in the test executable and forwarding to libgdiplus.

#include <vector>

namespace pindora::test {

const std::vector<void*>& deletedBrushes();
const std::vector<void*>& disposedImages();
void clearDeleteSpy();

}  // namespace pindora::test
