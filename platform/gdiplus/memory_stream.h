#pragma once
// A stream over memory for loading and saving images. libgdiplus takes no COM streams; it
// reads through its delegate loader and writes through its delegate saver, whose callbacks
// carry no user pointer, so the stream being read or written is bound to the calling
// thread for the length of the call.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gdiplus/flat.h"

namespace pindora::gdiplus {

class MemoryStream {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::size_t size() const { return bytes_.size(); }
  std::size_t position() const { return position_; }

  // Copies up to `size` bytes from the current position; advances unless peeking.
  int read(std::uint8_t* buffer, int size, bool peek);
  // Writes at the current position, growing the stream as needed.
  int write(const std::uint8_t* buffer, int size);
  // whence: 0 from the start, 1 from the current position, 2 from the end. Returns the new
  // position, or -1 for a position before the start.
  long seek(long offset, int whence);

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// GdipLoadImageFromStream over our stream: reads from its start.
Status loadImageFromStream(MemoryStream& stream, GpImage** image);
// GdipSaveImageToStream over our stream: writes at its current position.
Status saveImageToStream(GpImage* image, MemoryStream& stream, const Guid* encoder,
                         const EncoderParameters* parameters);

}  // namespace pindora::gdiplus
