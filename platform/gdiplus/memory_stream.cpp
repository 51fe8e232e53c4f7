#include "platform/gdiplus/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace pindora::gdiplus {

int MemoryStream::read(std::uint8_t* buffer, int size, bool peek) {
  if (size <= 0 || position_ >= bytes_.size()) return 0;
  const std::size_t count = std::min(static_cast<std::size_t>(size), bytes_.size() - position_);
  if (buffer != nullptr) std::memcpy(buffer, bytes_.data() + position_, count);
  if (!peek) position_ += count;
  return static_cast<int>(count);
}

int MemoryStream::write(const std::uint8_t* buffer, int size) {
  if (size <= 0 || buffer == nullptr) return 0;
  const std::size_t end = position_ + static_cast<std::size_t>(size);
  if (end > bytes_.size()) bytes_.resize(end);
  std::memcpy(bytes_.data() + position_, buffer, static_cast<std::size_t>(size));
  position_ = end;
  return size;
}

long MemoryStream::seek(long offset, int whence) {
  long base = 0;
  if (whence == 1) base = static_cast<long>(position_);
  else if (whence == 2) base = static_cast<long>(bytes_.size());
  const long target = base + offset;
  if (target < 0) return -1;
  position_ = static_cast<std::size_t>(target);
  return target;
}

namespace {

thread_local MemoryStream* boundStream = nullptr;

// Binds a stream to this thread for one delegate call.
class BoundStream {
 public:
  explicit BoundStream(MemoryStream& stream) : previous_(boundStream) { boundStream = &stream; }
  ~BoundStream() { boundStream = previous_; }
  BoundStream(const BoundStream&) = delete;
  BoundStream& operator=(const BoundStream&) = delete;

 private:
  MemoryStream* previous_;
};

// The format sniffing reads the header without consuming it.
INT getHeader(BYTE* buffer, INT size) { return boundStream ? boundStream->read(buffer, size, true) : -1; }
INT getBytes(BYTE* buffer, INT size, BOOL peek) {
  return boundStream ? boundStream->read(buffer, size, peek != 0) : -1;
}
INT putBytes(BYTE* buffer, INT size) { return boundStream ? boundStream->write(buffer, size) : -1; }
long seekStream(INT offset, INT whence) { return boundStream ? boundStream->seek(offset, whence) : -1; }
void closeStream() {}
long streamSize() { return boundStream ? static_cast<long>(boundStream->size()) : -1; }

}  // namespace

Status loadImageFromStream(MemoryStream& stream, GpImage** image) {
  BoundStream bound(stream);
  stream.seek(0, 0);
  return GdipLoadImageFromDelegate_linux(getHeader, getBytes, putBytes, seekStream, closeStream, streamSize,
                                         image);
}

Status saveImageToStream(GpImage* image, MemoryStream& stream, const Guid* encoder,
                         const EncoderParameters* parameters) {
  BoundStream bound(stream);
  return GdipSaveImageToDelegate_linux(image, getBytes, putBytes, seekStream, closeStream, streamSize, encoder,
                                       parameters);
}

}  // namespace pindora::gdiplus
