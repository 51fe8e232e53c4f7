#pragma once
// Our declarations of the GDI+ flat functions the drawing layer calls, written from their
// documented signatures, resolved against libgdiplus. Handles are opaque; on Linux:
// - a device context is a libgdiplus graphics of a memory bitmap (see drawing_surface.h);
// - icon and bitmap handles are GDI+ bitmaps;
// - streams over memory go through libgdiplus's delegate loader and saver (memory_stream.h).

#include <cstdint>

namespace pindora::gdiplus {

enum Status : int {
  Ok = 0,
  GenericError = 1,
  InvalidParameter = 2,
  OutOfMemory = 3,
  ObjectBusy = 4,
  InsufficientBuffer = 5,
  NotImplemented = 6,
  Win32Error = 7,
  WrongState = 8,
  Aborted = 9,
  FileNotFound = 10,
  ValueOverflow = 11,
  AccessDenied = 12,
  UnknownImageFormat = 13,
  FontFamilyNotFound = 14,
  FontStyleNotFound = 15,
  NotTrueTypeFont = 16,
  UnsupportedGdiplusVersion = 17,
  GdiplusNotInitialized = 18,
  PropertyNotFound = 19,
  PropertyNotSupported = 20,
};

using REAL = float;
using ARGB = std::uint32_t;
using BOOL = std::int32_t;
using INT = std::int32_t;
using UINT = std::uint32_t;
using BYTE = std::uint8_t;
using WCHAR = char16_t;

// Enumerations travel as plain integers; the values callers use are named here.
using GpUnit = INT;            // 0 world, 1 display, 2 pixel, 3 point, 4 inch, 5 document, 6 mm
using GpFillMode = INT;        // 0 alternate, 1 winding
using GpWrapMode = INT;        // 0 tile, 1 flip x, 2 flip y, 3 flip xy, 4 clamp
using GpMatrixOrder = INT;     // 0 prepend, 1 append
using GpCombineMode = INT;     // 0 replace, 1 intersect, 2 union, 3 xor, 4 exclude, 5 complement
using GpSmoothingMode = INT;   // 2 high quality, 4 anti-alias
using GpTextRenderingHint = INT;
using GpBrushType = INT;
using GpHatchStyle = INT;
using GpLinearGradientMode = INT;
using GpLineCap = INT;
using GpDashCap = INT;
using GpLineJoin = INT;
using GpPenAlignment = INT;
using GpPenType = INT;
using GpDashStyle = INT;
using GpImageType = INT;
using GpWarpMode = INT;
using PixelFormat = INT;

constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;
constexpr PixelFormat PixelFormat32bppPARGB = 0x000E200B;

struct GpPointF {
  REAL x;
  REAL y;
};

struct GpRectF {
  REAL x;
  REAL y;
  REAL width;
  REAL height;
};

struct Guid {
  std::uint32_t data1;
  std::uint16_t data2;
  std::uint16_t data3;
  std::uint8_t data4[8];
};

struct GdiplusStartupInput {
  UINT gdiplusVersion;
  void* debugEventCallback;
  BOOL suppressBackgroundThread;
  BOOL suppressExternalCodecs;
};

// One codec as the encoder list returns it.
struct ImageCodecInfo {
  Guid clsid;
  Guid formatId;
  const WCHAR* codecName;
  const WCHAR* dllName;
  const WCHAR* formatDescription;
  const WCHAR* filenameExtension;
  const WCHAR* mimeType;
  std::uint32_t flags;
  std::uint32_t version;
  std::uint32_t sigCount;
  std::uint32_t sigSize;
  const BYTE* sigPattern;
  const BYTE* sigMask;
};

struct EncoderParameter {
  Guid guid;
  std::uint32_t numberOfValues;
  std::uint32_t type;
  void* value;
};

struct EncoderParameters {
  UINT count;
  EncoderParameter parameter[1];
};

struct GpPathData {
  INT count;
  GpPointF* points;
  BYTE* types;
};

// Opaque native objects. Every brush kind is a brush and every bitmap an image.
struct GpGraphics;
struct GpBrush;
struct GpImage;
struct GpPen;
struct GpFont;
struct GpPath;
struct GpFontFamily;
struct GpMatrix;
struct GpRegion;
struct GpStringFormat;
struct GpFontCollection;
struct GpImageAttributes;
using GpSolidFill = GpBrush;
using GpHatch = GpBrush;
using GpLineGradient = GpBrush;
using GpTexture = GpBrush;
using GpPathGradient = GpBrush;
using GpBitmap = GpImage;

// Platform handles, in their Linux meaning.
using DeviceContext = GpGraphics*;  // the graphics of a memory bitmap
using IconHandle = GpBitmap*;
using BitmapHandle = GpBitmap*;
using PaletteHandle = void*;
using WindowHandle = void*;
using RegionHandle = void*;

// The delegate stream callbacks of libgdiplus. They carry no user pointer.
using StreamGetHeaderCallback = INT (*)(BYTE* buffer, INT size);
using StreamGetBytesCallback = INT (*)(BYTE* buffer, INT size, BOOL peek);
using StreamSeekCallback = long (*)(INT offset, INT whence);
using StreamPutBytesCallback = INT (*)(BYTE* buffer, INT size);
using StreamCloseCallback = void (*)();
using StreamSizeCallback = long (*)();

extern "C" {

// Session
Status GdiplusStartup(std::uintptr_t* token, const GdiplusStartupInput* input, void* output);
void GdiplusShutdown(std::uintptr_t token);

// Graphics
Status GdipDeleteGraphics(GpGraphics* graphics);
Status GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
Status GdipCreateFromHWND(WindowHandle window, GpGraphics** graphics);
Status GdipCreateFromHDC(DeviceContext dc, GpGraphics** graphics);
Status GdipDrawCurve3(GpGraphics* graphics, GpPen* pen, const GpPointF* points, INT count, INT offset,
                      INT numberOfSegments, REAL tension);
Status GdipDrawLines(GpGraphics* graphics, GpPen* pen, const GpPointF* points, INT count);
Status GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
Status GdipSetSmoothingMode(GpGraphics* graphics, GpSmoothingMode mode);
Status GdipGetSmoothingMode(GpGraphics* graphics, GpSmoothingMode* mode);
Status GdipSetTextRenderingHint(GpGraphics* graphics, GpTextRenderingHint hint);
Status GdipGetTextRenderingHint(GpGraphics* graphics, GpTextRenderingHint* hint);
Status GdipDrawString(GpGraphics* graphics, const WCHAR* text, INT length, const GpFont* font,
                      const GpRectF* layout, const GpStringFormat* format, const GpBrush* brush);
Status GdipGetDC(GpGraphics* graphics, DeviceContext* dc);
Status GdipReleaseDC(GpGraphics* graphics, DeviceContext dc);
Status GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height);
Status GdipGraphicsClear(GpGraphics* graphics, ARGB color);
Status GdipDrawClosedCurve2(GpGraphics* graphics, GpPen* pen, const GpPointF* points, INT count, REAL tension);
Status GdipDrawArc(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height,
                   REAL startAngle, REAL sweepAngle);
Status GdipDrawBezier(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3,
                      REAL y3, REAL x4, REAL y4);
Status GdipDrawBeziers(GpGraphics* graphics, GpPen* pen, const GpPointF* points, INT count);
Status GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height);
Status GdipDrawRectangles(GpGraphics* graphics, GpPen* pen, const GpRectF* rects, INT count);
Status GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height);
Status GdipDrawPie(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height,
                   REAL startAngle, REAL sweepAngle);
Status GdipDrawPolygon(GpGraphics* graphics, GpPen* pen, const GpPointF* points, INT count);
Status GdipFillRectangles(GpGraphics* graphics, GpBrush* brush, const GpRectF* rects, INT count);
Status GdipFillPolygon(GpGraphics* graphics, GpBrush* brush, const GpPointF* points, INT count,
                       GpFillMode fillMode);
Status GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height);
Status GdipFillPie(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height,
                   REAL startAngle, REAL sweepAngle);
Status GdipFillClosedCurve2(GpGraphics* graphics, GpBrush* brush, const GpPointF* points, INT count,
                            REAL tension, GpFillMode fillMode);
Status GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
Status GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);
Status GdipFillRegion(GpGraphics* graphics, GpBrush* brush, GpRegion* region);
Status GdipDrawImage(GpGraphics* graphics, GpImage* image, REAL x, REAL y);
Status GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width, REAL height);
Status GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, REAL dstX, REAL dstY, REAL dstWidth,
                             REAL dstHeight, REAL srcX, REAL srcY, REAL srcWidth, REAL srcHeight,
                             GpUnit srcUnit, const GpImageAttributes* attributes, void* abortCallback,
                             void* callbackData);
Status GdipDrawImagePoints(GpGraphics* graphics, GpImage* image, const GpPointF* points, INT count);
Status GdipDrawImagePointRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL srcX, REAL srcY,
                              REAL srcWidth, REAL srcHeight, GpUnit srcUnit);
Status GdipSetClipGraphics(GpGraphics* graphics, GpGraphics* source, GpCombineMode mode);
Status GdipSetClipRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height, GpCombineMode mode);
Status GdipSetClipPath(GpGraphics* graphics, GpPath* path, GpCombineMode mode);
Status GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, GpCombineMode mode);
Status GdipSetClipHrgn(GpGraphics* graphics, RegionHandle region, GpCombineMode mode);
Status GdipResetClip(GpGraphics* graphics);
Status GdipTranslateClip(GpGraphics* graphics, REAL dx, REAL dy);
Status GdipGetClip(GpGraphics* graphics, GpRegion* region);
Status GdipGetClipBounds(GpGraphics* graphics, GpRectF* rect);
Status GdipIsClipEmpty(GpGraphics* graphics, BOOL* result);
Status GdipGetVisibleClipBounds(GpGraphics* graphics, GpRectF* rect);
Status GdipIsVisibleClipEmpty(GpGraphics* graphics, BOOL* result);
Status GdipIsVisiblePoint(GpGraphics* graphics, REAL x, REAL y, BOOL* result);
Status GdipIsVisibleRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height, BOOL* result);
Status GdipSetWorldTransform(GpGraphics* graphics, GpMatrix* matrix);
Status GdipGetWorldTransform(GpGraphics* graphics, GpMatrix* matrix);
Status GdipResetWorldTransform(GpGraphics* graphics);
Status GdipTranslateWorldTransform(GpGraphics* graphics, REAL dx, REAL dy, GpMatrixOrder order);
Status GdipScaleWorldTransform(GpGraphics* graphics, REAL sx, REAL sy, GpMatrixOrder order);
Status GdipRotateWorldTransform(GpGraphics* graphics, REAL angle, GpMatrixOrder order);
Status GdipMultiplyWorldTransform(GpGraphics* graphics, const GpMatrix* matrix, GpMatrixOrder order);
Status GdipGetDpiX(GpGraphics* graphics, REAL* dpi);
Status GdipGetDpiY(GpGraphics* graphics, REAL* dpi);

// Brushes
Status GdipDeleteBrush(GpBrush* brush);
Status GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
Status GdipCloneBrush(GpBrush* brush, GpBrush** clone);
Status GdipGetBrushType(GpBrush* brush, GpBrushType* type);
Status GdipSetSolidFillColor(GpSolidFill* brush, ARGB color);
Status GdipGetSolidFillColor(GpSolidFill* brush, ARGB* color);
Status GdipCreateHatchBrush(GpHatchStyle style, ARGB foreColor, ARGB backColor, GpHatch** brush);
Status GdipGetHatchStyle(GpHatch* brush, GpHatchStyle* style);
Status GdipGetHatchForegroundColor(GpHatch* brush, ARGB* color);
Status GdipGetHatchBackgroundColor(GpHatch* brush, ARGB* color);
Status GdipCreateLineBrush(const GpPointF* point1, const GpPointF* point2, ARGB color1, ARGB color2,
                           GpWrapMode wrapMode, GpLineGradient** brush);
Status GdipCreateLineBrushFromRect(const GpRectF* rect, ARGB color1, ARGB color2, GpLinearGradientMode mode,
                                   GpWrapMode wrapMode, GpLineGradient** brush);
Status GdipCreateLineBrushFromRectWithAngle(const GpRectF* rect, ARGB color1, ARGB color2, REAL angle,
                                            BOOL isAngleScalable, GpWrapMode wrapMode,
                                            GpLineGradient** brush);
Status GdipSetLineColors(GpLineGradient* brush, ARGB color1, ARGB color2);
Status GdipGetLineColors(GpLineGradient* brush, ARGB* colors);
Status GdipGetLineRect(GpLineGradient* brush, GpRectF* rect);
Status GdipSetLineGammaCorrection(GpLineGradient* brush, BOOL useGammaCorrection);
Status GdipGetLineGammaCorrection(GpLineGradient* brush, BOOL* useGammaCorrection);
Status GdipGetLineBlendCount(GpLineGradient* brush, INT* count);
Status GdipSetLineBlend(GpLineGradient* brush, const REAL* blend, const REAL* positions, INT count);
Status GdipGetLineBlend(GpLineGradient* brush, REAL* blend, REAL* positions, INT count);
Status GdipGetLinePresetBlendCount(GpLineGradient* brush, INT* count);
Status GdipSetLinePresetBlend(GpLineGradient* brush, const ARGB* blend, const REAL* positions, INT count);
Status GdipGetLinePresetBlend(GpLineGradient* brush, ARGB* blend, REAL* positions, INT count);
Status GdipSetLineSigmaBlend(GpLineGradient* brush, REAL focus, REAL scale);
Status GdipSetLineLinearBlend(GpLineGradient* brush, REAL focus, REAL scale);
Status GdipSetLineWrapMode(GpLineGradient* brush, GpWrapMode wrapMode);
Status GdipGetLineWrapMode(GpLineGradient* brush, GpWrapMode* wrapMode);
Status GdipCreateTexture(GpImage* image, GpWrapMode wrapMode, GpTexture** texture);
Status GdipCreateTexture2(GpImage* image, GpWrapMode wrapMode, REAL x, REAL y, REAL width, REAL height,
                          GpTexture** texture);
Status GdipSetTextureWrapMode(GpTexture* brush, GpWrapMode wrapMode);
Status GdipGetTextureWrapMode(GpTexture* brush, GpWrapMode* wrapMode);
Status GdipGetTextureImage(GpTexture* brush, GpImage** image);
Status GdipSetTextureTransform(GpTexture* brush, const GpMatrix* matrix);
Status GdipGetTextureTransform(GpTexture* brush, GpMatrix* matrix);
Status GdipResetTextureTransform(GpTexture* brush);
Status GdipMultiplyTextureTransform(GpTexture* brush, const GpMatrix* matrix, GpMatrixOrder order);
Status GdipTranslateTextureTransform(GpTexture* brush, REAL dx, REAL dy, GpMatrixOrder order);
Status GdipScaleTextureTransform(GpTexture* brush, REAL sx, REAL sy, GpMatrixOrder order);
Status GdipRotateTextureTransform(GpTexture* brush, REAL angle, GpMatrixOrder order);
Status GdipSetLineTransform(GpLineGradient* brush, const GpMatrix* matrix);
Status GdipGetLineTransform(GpLineGradient* brush, GpMatrix* matrix);
Status GdipResetLineTransform(GpLineGradient* brush);
Status GdipMultiplyLineTransform(GpLineGradient* brush, const GpMatrix* matrix, GpMatrixOrder order);
Status GdipTranslateLineTransform(GpLineGradient* brush, REAL dx, REAL dy, GpMatrixOrder order);
Status GdipScaleLineTransform(GpLineGradient* brush, REAL sx, REAL sy, GpMatrixOrder order);
Status GdipRotateLineTransform(GpLineGradient* brush, REAL angle, GpMatrixOrder order);
Status GdipCreatePathGradient(const GpPointF* points, INT count, GpWrapMode wrapMode, GpPathGradient** brush);
Status GdipCreatePathGradientFromPath(const GpPath* path, GpPathGradient** brush);
Status GdipSetPathGradientCenterColor(GpPathGradient* brush, ARGB color);
Status GdipGetPathGradientCenterColor(GpPathGradient* brush, ARGB* color);
Status GdipGetPathGradientTransform(GpPathGradient* brush, GpMatrix* matrix);
Status GdipSetPathGradientTransform(GpPathGradient* brush, GpMatrix* matrix);
Status GdipResetPathGradientTransform(GpPathGradient* brush);
Status GdipMultiplyPathGradientTransform(GpPathGradient* brush, const GpMatrix* matrix, GpMatrixOrder order);
Status GdipTranslatePathGradientTransform(GpPathGradient* brush, REAL dx, REAL dy, GpMatrixOrder order);
Status GdipScalePathGradientTransform(GpPathGradient* brush, REAL sx, REAL sy, GpMatrixOrder order);
Status GdipRotatePathGradientTransform(GpPathGradient* brush, REAL angle, GpMatrixOrder order);
Status GdipSetPathGradientPath(GpPathGradient* brush, const GpPath* path);
Status GdipGetPathGradientPath(GpPathGradient* brush, GpPath* path);
Status GdipSetPathGradientCenterPoint(GpPathGradient* brush, const GpPointF* point);
Status GdipGetPathGradientCenterPoint(GpPathGradient* brush, GpPointF* point);
Status GdipGetPathGradientRect(GpPathGradient* brush, GpRectF* rect);
Status GdipSetPathGradientWrapMode(GpPathGradient* brush, GpWrapMode wrapMode);
Status GdipGetPathGradientWrapMode(GpPathGradient* brush, GpWrapMode* wrapMode);

// Images and bitmaps
Status GdipDisposeImage(GpImage* image);
Status GdipCloneImage(GpImage* image, GpImage** clone);
Status GdipLoadImageFromFile(const WCHAR* fileName, GpImage** image);
Status GdipLoadImageFromDelegate_linux(StreamGetHeaderCallback getHeader, StreamGetBytesCallback getBytes,
                                       StreamPutBytesCallback putBytes, StreamSeekCallback seek,
                                       StreamCloseCallback close, StreamSizeCallback size, GpImage** image);
Status GdipSaveImageToDelegate_linux(GpImage* image, StreamGetBytesCallback getBytes,
                                     StreamPutBytesCallback putBytes, StreamSeekCallback seek,
                                     StreamCloseCallback close, StreamSizeCallback size, const Guid* encoder,
                                     const EncoderParameters* parameters);
Status GdipGetImageType(GpImage* image, GpImageType* type);
Status GdipCreateBitmapFromFile(const WCHAR* fileName, GpBitmap** bitmap);
Status GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0,
                                 GpBitmap** bitmap);
Status GdipGetImageWidth(GpImage* image, UINT* width);
Status GdipGetImageHeight(GpImage* image, UINT* height);
Status GdipCreateBitmapFromGraphics(INT width, INT height, GpGraphics* target, GpBitmap** bitmap);
Status GdipCreateBitmapFromHBITMAP(BitmapHandle bitmapHandle, PaletteHandle palette, GpBitmap** bitmap);
Status GdipCreateBitmapFromHICON(IconHandle icon, GpBitmap** bitmap);
Status GdipCreateHBITMAPFromBitmap(GpBitmap* bitmap, BitmapHandle* bitmapHandle, ARGB background);
Status GdipCreateHICONFromBitmap(GpBitmap* bitmap, IconHandle* icon);
Status GdipBitmapSetPixel(GpBitmap* bitmap, INT x, INT y, ARGB color);
Status GdipBitmapGetPixel(GpBitmap* bitmap, INT x, INT y, ARGB* color);
Status GdipBitmapSetResolution(GpBitmap* bitmap, REAL xDpi, REAL yDpi);
Status GdipGetImageRawFormat(GpImage* image, Guid* format);
Status GdipSaveImageToFile(GpImage* image, const WCHAR* fileName, const Guid* encoder,
                           const EncoderParameters* parameters);
Status GdipGetEncoderParameterListSize(GpImage* image, const Guid* encoder, UINT* size);
Status GdipGetEncoderParameterList(GpImage* image, const Guid* encoder, UINT size, EncoderParameters* buffer);
Status GdipGetImageDimension(GpImage* image, REAL* width, REAL* height);
Status GdipGetImageBounds(GpImage* image, GpRectF* rect, GpUnit* unit);
Status GdipGetImageHorizontalResolution(GpImage* image, REAL* resolution);
Status GdipGetImageVerticalResolution(GpImage* image, REAL* resolution);
Status GdipGetImageFlags(GpImage* image, UINT* flags);
Status GdipGetImagePixelFormat(GpImage* image, PixelFormat* format);
Status GdipGetImageEncodersSize(UINT* count, UINT* size);
Status GdipGetImageEncoders(UINT count, UINT size, ImageCodecInfo* encoders);

// Pens
Status GdipDeletePen(GpPen* pen);
Status GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen** pen);
Status GdipCreatePen2(GpBrush* brush, REAL width, GpUnit unit, GpPen** pen);
Status GdipClonePen(GpPen* pen, GpPen** clone);
Status GdipSetPenWidth(GpPen* pen, REAL width);
Status GdipGetPenWidth(GpPen* pen, REAL* width);
Status GdipSetPenLineCap197819(GpPen* pen, GpLineCap startCap, GpLineCap endCap, GpDashCap dashCap);
Status GdipSetPenStartCap(GpPen* pen, GpLineCap cap);
Status GdipSetPenEndCap(GpPen* pen, GpLineCap cap);
Status GdipSetPenDashCap197819(GpPen* pen, GpDashCap cap);
Status GdipGetPenStartCap(GpPen* pen, GpLineCap* cap);
Status GdipGetPenEndCap(GpPen* pen, GpLineCap* cap);
Status GdipGetPenDashCap197819(GpPen* pen, GpDashCap* cap);
Status GdipSetPenLineJoin(GpPen* pen, GpLineJoin join);
Status GdipGetPenLineJoin(GpPen* pen, GpLineJoin* join);
Status GdipSetPenMiterLimit(GpPen* pen, REAL limit);
Status GdipGetPenMiterLimit(GpPen* pen, REAL* limit);
Status GdipSetPenMode(GpPen* pen, GpPenAlignment alignment);
Status GdipGetPenMode(GpPen* pen, GpPenAlignment* alignment);
Status GdipGetPenFillType(GpPen* pen, GpPenType* type);
Status GdipSetPenColor(GpPen* pen, ARGB color);
Status GdipGetPenColor(GpPen* pen, ARGB* color);
Status GdipSetPenBrushFill(GpPen* pen, GpBrush* brush);
Status GdipGetPenBrushFill(GpPen* pen, GpBrush** brush);
Status GdipSetPenDashStyle(GpPen* pen, GpDashStyle style);
Status GdipGetPenDashStyle(GpPen* pen, GpDashStyle* style);
Status GdipSetPenDashOffset(GpPen* pen, REAL offset);
Status GdipGetPenDashOffset(GpPen* pen, REAL* offset);
Status GdipSetPenDashArray(GpPen* pen, const REAL* dashes, INT count);
Status GdipGetPenDashArray(GpPen* pen, REAL* dashes, INT count);
Status GdipGetPenDashCount(GpPen* pen, INT* count);
Status GdipSetPenCompoundArray(GpPen* pen, const REAL* compounds, INT count);
Status GdipGetPenCompoundArray(GpPen* pen, REAL* compounds, INT count);
Status GdipGetPenCompoundCount(GpPen* pen, INT* count);
Status GdipSetPenUnit(GpPen* pen, GpUnit unit);
Status GdipGetPenUnit(GpPen* pen, GpUnit* unit);
Status GdipSetPenTransform(GpPen* pen, GpMatrix* matrix);
Status GdipGetPenTransform(GpPen* pen, GpMatrix* matrix);
Status GdipResetPenTransform(GpPen* pen);
Status GdipMultiplyPenTransform(GpPen* pen, const GpMatrix* matrix, GpMatrixOrder order);
Status GdipTranslatePenTransform(GpPen* pen, REAL dx, REAL dy, GpMatrixOrder order);
Status GdipScalePenTransform(GpPen* pen, REAL sx, REAL sy, GpMatrixOrder order);
Status GdipRotatePenTransform(GpPen* pen, REAL angle, GpMatrixOrder order);

// Fonts and font families
Status GdipDeleteFont(GpFont* font);
Status GdipCloneFont(GpFont* font, GpFont** clone);
Status GdipCreateFont(const GpFontFamily* family, REAL emSize, INT style, GpUnit unit, GpFont** font);
Status GdipCreateFontFromDC(DeviceContext dc, GpFont** font);
Status GdipGetFontStyle(GpFont* font, INT* style);
Status GdipGetFontSize(GpFont* font, REAL* size);
Status GdipGetFontUnit(GpFont* font, GpUnit* unit);
Status GdipGetFontHeight(const GpFont* font, const GpGraphics* graphics, REAL* height);
Status GdipDeleteFontFamily(GpFontFamily* family);
Status GdipCloneFontFamily(GpFontFamily* family, GpFontFamily** clone);
Status GdipCreateFontFamilyFromName(const WCHAR* name, GpFontCollection* collection, GpFontFamily** family);

// Paths
Status GdipDeletePath(GpPath* path);
Status GdipCreatePath(GpFillMode fillMode, GpPath** path);
Status GdipCreatePath2(const GpPointF* points, const BYTE* types, INT count, GpFillMode fillMode, GpPath** path);
Status GdipAddPathLine(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2);
Status GdipAddPathLine2(GpPath* path, const GpPointF* points, INT count);
Status GdipAddPathArc(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
Status GdipAddPathBezier(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4);
Status GdipAddPathBeziers(GpPath* path, const GpPointF* points, INT count);
Status GdipAddPathCurve3(GpPath* path, const GpPointF* points, INT count, INT offset, INT numberOfSegments,
                         REAL tension);
Status GdipAddPathClosedCurve2(GpPath* path, const GpPointF* points, INT count, REAL tension);
Status GdipAddPathRectangle(GpPath* path, REAL x, REAL y, REAL width, REAL height);
Status GdipAddPathRectangles(GpPath* path, const GpRectF* rects, INT count);
Status GdipAddPathEllipse(GpPath* path, REAL x, REAL y, REAL width, REAL height);
Status GdipAddPathPie(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
Status GdipAddPathPolygon(GpPath* path, const GpPointF* points, INT count);
Status GdipAddPathPath(GpPath* path, const GpPath* addingPath, BOOL connect);
Status GdipAddPathString(GpPath* path, const WCHAR* text, INT length, const GpFontFamily* family, INT style,
                         REAL emSize, const GpRectF* layout, const GpStringFormat* format);
Status GdipClonePath(GpPath* path, GpPath** clone);
Status GdipResetPath(GpPath* path);
Status GdipSetPathFillMode(GpPath* path, GpFillMode fillMode);
Status GdipGetPathFillMode(GpPath* path, GpFillMode* fillMode);
Status GdipGetPointCount(GpPath* path, INT* count);
Status GdipGetPathData(GpPath* path, GpPathData* data);
Status GdipStartPathFigure(GpPath* path);
Status GdipClosePathFigure(GpPath* path);
Status GdipClosePathFigures(GpPath* path);
Status GdipSetPathMarker(GpPath* path);
Status GdipClearPathMarkers(GpPath* path);
Status GdipReversePath(GpPath* path);
Status GdipGetPathLastPoint(GpPath* path, GpPointF* point);
Status GdipGetPathTypes(GpPath* path, BYTE* types, INT count);
Status GdipGetPathPoints(GpPath* path, GpPointF* points, INT count);
Status GdipIsVisiblePathPoint(GpPath* path, REAL x, REAL y, GpGraphics* graphics, BOOL* result);
Status GdipIsOutlineVisiblePathPoint(GpPath* path, REAL x, REAL y, GpPen* pen, GpGraphics* graphics,
                                     BOOL* result);
Status GdipFlattenPath(GpPath* path, GpMatrix* matrix, REAL flatness);
Status GdipTransformPath(GpPath* path, GpMatrix* matrix);
Status GdipGetPathWorldBounds(GpPath* path, GpRectF* bounds, const GpMatrix* matrix, const GpPen* pen);
Status GdipWidenPath(GpPath* path, GpPen* pen, GpMatrix* matrix, REAL flatness);
Status GdipWindingModeOutline(GpPath* path, GpMatrix* matrix, REAL flatness);
Status GdipWarpPath(GpPath* path, GpMatrix* matrix, const GpPointF* points, INT count, REAL srcX, REAL srcY,
                    REAL srcWidth, REAL srcHeight, GpWarpMode warpMode, REAL flatness);

}  // extern "C"

}  // namespace pindora::gdiplus
