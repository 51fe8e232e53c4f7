#pragma once
// GxMemoryBlock: a block of memory with a stream over it, through which images are loaded
// from and saved to bytes. The block and its stream are one object here: the stream lives
// exactly as long as the block, and Free ends both. Copy duplicates the bytes into a block
// of its own.

#include <memory>
#include <optional>

#include "base/types.h"
#include "platform/gdiplus/memory_stream.h"

namespace pindora {

class GxMemoryBlock {
 public:
  using Stream = gdiplus::MemoryStream;

  GxMemoryBlock() = default;
  GxMemoryBlock(GxMemoryBlock&&) noexcept = default;
  GxMemoryBlock& operator=(GxMemoryBlock&&) noexcept = default;
  GxMemoryBlock(const GxMemoryBlock&) = delete;
  GxMemoryBlock& operator=(const GxMemoryBlock&) = delete;

  ~GxMemoryBlock() = default;  // Release
  GxMemoryBlock Copy() const;
  void Free();
  // With bytes: a block of exactly those bytes, read from its start. Without: an empty block
  // that grows as the stream is written.
  Stream* Open(const std::optional<Bytes>& bytes = std::nullopt);
  Stream* GetStream() const { return stream_.get(); }
  std::size_t GetSize() const;
  Bytes GetBytes() const;

 private:
  std::unique_ptr<Stream> stream_;
};

}  // namespace pindora
