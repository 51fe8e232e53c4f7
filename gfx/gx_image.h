#pragma once
// GxImage: owns one GDI+ image (also a bitmap) and the memory block an image loaded from
// bytes was read from; the block lives as long as the image. Methods forward to the flat
// function they are named after and return its status.
// Copy is a real clone (GdipCloneImage); the clone needs no block of its own.

#include <vector>

#include "gfx/gx_memory_block.h"
#include "gfx/gx_types.h"

namespace pindora {

class GxGraphics;

// One image encoder as GetImageEncoders lists it; texts are program text.
struct GxImageCodec {
  GxGuid clsid{};
  GxGuid formatId{};
  Text codecName;
  Text dllName;
  Text formatDescription;
  Text filenameExtension;
  Text mimeType;
  std::uint32_t flags = 0;
  std::uint32_t version = 0;
  std::uint32_t sigCount = 0;
  std::uint32_t sigSize = 0;
  Bytes sigPattern;
  Bytes sigMask;
};

// One encoder parameter as GetEncoderParameterList lists it; values holds the raw values.
struct GxEncoderParameter {
  GxGuid guid{};
  std::uint32_t numberOfValues = 0;
  std::uint32_t type = 0;
  Bytes values;
};

class GxImage : private GxSessionObject {
 public:
  using Handle = gdiplus::GpImage*;

  GxImage() = default;
  GxImage(GxImage&& other) noexcept;
  GxImage& operator=(GxImage&& other) noexcept;
  GxImage(const GxImage&) = delete;
  GxImage& operator=(const GxImage&) = delete;

  ~GxImage();                      // Release: disposes the image, then frees the block
  GxImage Copy() const;            // a clone; empty when the clone fails
  GxStatus DisposeImage();
  Handle GetHandle() const { return handle_; }
  void Attach(Handle handle);
  GxStatus LoadImageFromFile(const Text& fileName);
  // Decodes image bytes (PNG, JPEG, GIF, BMP...). A failure leaves the image empty.
  GxStatus LoadImageFromStream(const Bytes& bytes);
  // Encodes the image into `bytes` with the given encoder (a class identifier), no parameters.
  GxStatus SaveImageToStream(Bytes& bytes, const std::optional<GxGuid>& encoder = std::nullopt);
  GxStatus GetImageType(int& type);
  GxStatus CreateBitmapFromFile(const Text& fileName);
  GxStatus GetImageWidth(unsigned& width);
  GxStatus GetImageHeight(unsigned& height);
  GxStatus CreateBitmapFromGraphics(int width, int height, const GxGraphics& target);
  GxStatus CreateBitmapFromHBITMAP(gdiplus::BitmapHandle bitmap, gdiplus::PaletteHandle palette = nullptr);
  GxStatus CreateBitmapFromHICON(gdiplus::IconHandle icon);
  GxStatus CreateHBITMAPFromBitmap(gdiplus::BitmapHandle& bitmap, GxArgb background = 0);
  GxStatus CreateHICONFromBitmap(gdiplus::IconHandle& icon);
  GxStatus BitmapSetPixel(int x, int y, GxArgb color);
  // Reads one pixel as straight ARGB. Read sample pixels before the image is drawn: with
  // libgdiplus a read after the image has been drawn answers 0.
  GxStatus BitmapGetPixel(int x, int y, GxArgb& color);
  GxStatus BitmapSetResolution(float xDpi, float yDpi);
  GxStatus GetImageRawFormat(GxGuid& format);
  GxStatus SaveImageToFile(const Text& fileName, const std::optional<GxGuid>& encoder = std::nullopt);
  GxStatus GetEncoderParameterList(const GxGuid& encoder, std::vector<GxEncoderParameter>& parameters);
  GxStatus GetImageDimension(float& width, float& height);
  GxStatus GetImageBounds(GxRectF& rect, int& unit);
  GxStatus GetImageHorizontalResolution(float& resolution);
  GxStatus GetImageVerticalResolution(float& resolution);
  GxStatus GetImageFlags(unsigned& flags);
  GxStatus GetImagePixelFormat(int& format);
  GxStatus GetImageEncoders(std::vector<GxImageCodec>& encoders);

 private:
  GxMemoryBlock block_;
  Handle handle_ = nullptr;
};

}  // namespace pindora
