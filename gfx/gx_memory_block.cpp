#include "gfx/gx_memory_block.h"

namespace pindora {

GxMemoryBlock GxMemoryBlock::Copy() const {
  GxMemoryBlock copy;
  if (stream_) copy.Open(stream_->bytes());
  return copy;
}

void GxMemoryBlock::Free() { stream_.reset(); }

GxMemoryBlock::Stream* GxMemoryBlock::Open(const std::optional<Bytes>& bytes) {
  Free();
  stream_ = bytes ? std::make_unique<Stream>(*bytes) : std::make_unique<Stream>();
  return stream_.get();
}

std::size_t GxMemoryBlock::GetSize() const { return stream_ ? stream_->size() : 0; }

Bytes GxMemoryBlock::GetBytes() const { return stream_ ? stream_->bytes() : Bytes{}; }

}  // namespace pindora
