#include "gfx/gx_image.h"

#include <cstring>
#include <utility>

#include "gfx/gx_graphics.h"
#include "platform/codepage/codepage.h"

namespace pindora {

using namespace gdiplus;

namespace {

Text codecText(const WCHAR* text) {
  if (text == nullptr) return {};
  return utf16ToCp936(std::u16string_view(text));
}

Bytes rawBytes(const BYTE* data, std::size_t size) {
  if (data == nullptr) return {};
  return Bytes(data, data + size);
}

// Bytes taken by one value of an encoder parameter type.
std::size_t encoderValueSize(std::uint32_t type) {
  switch (type) {
    case 3: return 2;            // short
    case 4: return 4;            // long
    case 5: return 8;            // rational
    case 6: return 8;            // long range
    case 8: return 16;           // rational range
    default: return 1;           // byte, ASCII, undefined
  }
}

const Guid* encoderOrNull(const std::optional<GxGuid>& encoder) { return encoder ? &*encoder : nullptr; }

}  // namespace

GxImage::GxImage(GxImage&& other) noexcept
    : GxSessionObject(other), block_(std::move(other.block_)), handle_(std::exchange(other.handle_, nullptr)) {}

GxImage& GxImage::operator=(GxImage&& other) noexcept {
  if (this != &other) {
    Attach(std::exchange(other.handle_, nullptr));
    block_ = std::move(other.block_);
  }
  return *this;
}

GxImage::~GxImage() {
  DisposeImage();
  block_.Free();
}

GxImage GxImage::Copy() const {
  GxImage copy;
  GpImage* created = nullptr;
  GdipCloneImage(handle_, &created);
  copy.Attach(created);
  return copy;
}

GxStatus GxImage::DisposeImage() {
  if (handle_ == nullptr) return Ok;
  const GxStatus status = GdipDisposeImage(handle_);
  handle_ = nullptr;
  return status;
}

void GxImage::Attach(Handle handle) {
  if (handle == handle_) return;  // deleting the held object would leave it dangling
  DisposeImage();
  handle_ = handle;
}

GxStatus GxImage::LoadImageFromFile(const Text& fileName) {
  const std::u16string wide = toFlatText(fileName);
  GpImage* created = nullptr;
  const GxStatus status = GdipLoadImageFromFile(wide.c_str(), &created);
  Attach(created);
  return status;
}

GxStatus GxImage::LoadImageFromStream(const Bytes& bytes) {
  DisposeImage();
  MemoryStream* stream = block_.Open(bytes);
  GpImage* created = nullptr;
  const GxStatus status = loadImageFromStream(*stream, &created);
  Attach(created);
  return status;
}

GxStatus GxImage::SaveImageToStream(Bytes& bytes, const std::optional<GxGuid>& encoder) {
  GxMemoryBlock output;
  MemoryStream* stream = output.Open();
  const GxStatus status = saveImageToStream(handle_, *stream, encoderOrNull(encoder), nullptr);
  bytes = output.GetBytes();
  return status;
}

GxStatus GxImage::GetImageType(int& type) { return GdipGetImageType(handle_, &type); }

GxStatus GxImage::CreateBitmapFromFile(const Text& fileName) {
  const std::u16string wide = toFlatText(fileName);
  GpBitmap* created = nullptr;
  const GxStatus status = GdipCreateBitmapFromFile(wide.c_str(), &created);
  Attach(created);
  return status;
}

GxStatus GxImage::GetImageWidth(unsigned& width) { return GdipGetImageWidth(handle_, &width); }
GxStatus GxImage::GetImageHeight(unsigned& height) { return GdipGetImageHeight(handle_, &height); }

GxStatus GxImage::CreateBitmapFromGraphics(int width, int height, const GxGraphics& target) {
  GpBitmap* created = nullptr;
  const GxStatus status = GdipCreateBitmapFromGraphics(width, height, target.GetHandle(), &created);
  Attach(created);
  return status;
}

GxStatus GxImage::CreateBitmapFromHBITMAP(BitmapHandle bitmap, PaletteHandle palette) {
  GpBitmap* created = nullptr;
  const GxStatus status = GdipCreateBitmapFromHBITMAP(bitmap, palette, &created);
  Attach(created);
  return status;
}

GxStatus GxImage::CreateBitmapFromHICON(IconHandle icon) {
  GpBitmap* created = nullptr;
  const GxStatus status = GdipCreateBitmapFromHICON(icon, &created);
  Attach(created);
  return status;
}

GxStatus GxImage::CreateHBITMAPFromBitmap(BitmapHandle& bitmap, GxArgb background) {
  return GdipCreateHBITMAPFromBitmap(handle_, &bitmap, background);
}

GxStatus GxImage::CreateHICONFromBitmap(IconHandle& icon) { return GdipCreateHICONFromBitmap(handle_, &icon); }

GxStatus GxImage::BitmapSetPixel(int x, int y, GxArgb color) { return GdipBitmapSetPixel(handle_, x, y, color); }
GxStatus GxImage::BitmapGetPixel(int x, int y, GxArgb& color) { return GdipBitmapGetPixel(handle_, x, y, &color); }
GxStatus GxImage::BitmapSetResolution(float xDpi, float yDpi) {
  return GdipBitmapSetResolution(handle_, xDpi, yDpi);
}

GxStatus GxImage::GetImageRawFormat(GxGuid& format) { return GdipGetImageRawFormat(handle_, &format); }

GxStatus GxImage::SaveImageToFile(const Text& fileName, const std::optional<GxGuid>& encoder) {
  const std::u16string wide = toFlatText(fileName);
  return GdipSaveImageToFile(handle_, wide.c_str(), encoderOrNull(encoder), nullptr);
}

GxStatus GxImage::GetEncoderParameterList(const GxGuid& encoder, std::vector<GxEncoderParameter>& parameters) {
  UINT size = 0;
  GxStatus status = GdipGetEncoderParameterListSize(handle_, &encoder, &size);
  if (status != Ok) return status;
  if (size < sizeof(EncoderParameters)) size = sizeof(EncoderParameters);
  std::vector<std::max_align_t> buffer((size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
  auto* list = reinterpret_cast<EncoderParameters*>(buffer.data());
  status = GdipGetEncoderParameterList(handle_, &encoder, size, list);
  if (status != Ok) return status;
  parameters.clear();
  for (UINT i = 0; i < list->count; ++i) {
    const EncoderParameter& source = list->parameter[i];
    GxEncoderParameter parameter;
    parameter.guid = source.guid;
    parameter.numberOfValues = source.numberOfValues;
    parameter.type = source.type;
    parameter.values =
        rawBytes(static_cast<const BYTE*>(source.value), source.numberOfValues * encoderValueSize(source.type));
    parameters.push_back(std::move(parameter));
  }
  return status;
}

GxStatus GxImage::GetImageDimension(float& width, float& height) {
  return GdipGetImageDimension(handle_, &width, &height);
}

GxStatus GxImage::GetImageBounds(GxRectF& rect, int& unit) { return GdipGetImageBounds(handle_, &rect, &unit); }

GxStatus GxImage::GetImageHorizontalResolution(float& resolution) {
  return GdipGetImageHorizontalResolution(handle_, &resolution);
}

GxStatus GxImage::GetImageVerticalResolution(float& resolution) {
  return GdipGetImageVerticalResolution(handle_, &resolution);
}

GxStatus GxImage::GetImageFlags(unsigned& flags) { return GdipGetImageFlags(handle_, &flags); }
GxStatus GxImage::GetImagePixelFormat(int& format) { return GdipGetImagePixelFormat(handle_, &format); }

GxStatus GxImage::GetImageEncoders(std::vector<GxImageCodec>& encoders) {
  UINT count = 0;
  UINT size = 0;
  GxStatus status = GdipGetImageEncodersSize(&count, &size);
  if (status != Ok) return status;
  encoders.clear();
  if (count == 0) return status;
  std::vector<std::max_align_t> buffer((size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
  auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
  status = GdipGetImageEncoders(count, size, codecs);
  if (status != Ok) return status;
  for (UINT i = 0; i < count; ++i) {
    const ImageCodecInfo& source = codecs[i];
    GxImageCodec codec;
    codec.clsid = source.clsid;
    codec.formatId = source.formatId;
    codec.codecName = codecText(source.codecName);
    codec.dllName = codecText(source.dllName);
    codec.formatDescription = codecText(source.formatDescription);
    codec.filenameExtension = codecText(source.filenameExtension);
    codec.mimeType = codecText(source.mimeType);
    codec.flags = source.flags;
    codec.version = source.version;
    codec.sigCount = source.sigCount;
    codec.sigSize = source.sigSize;
    const std::size_t signatureBytes = static_cast<std::size_t>(source.sigCount) * source.sigSize;
    codec.sigPattern = rawBytes(source.sigPattern, signatureBytes);
    codec.sigMask = rawBytes(source.sigMask, signatureBytes);
    encoders.push_back(std::move(codec));
  }
  return status;
}

}  // namespace pindora
