#pragma once
// What the drawing classes share: the status, point and rectangle records, the counting
// of live drawing objects, and the conversion of program text for the flat functions.

#include <optional>
#include <span>
#include <string>

#include "base/types.h"
#include "platform/gdiplus/flat.h"
#include "platform/gdiplus/session.h"

namespace pindora {

using GxStatus = gdiplus::Status;
using GxPointF = gdiplus::GpPointF;
using GxRectF = gdiplus::GpRectF;
using GxGuid = gdiplus::Guid;
using GxArgb = gdiplus::ARGB;

// Base of every drawing object: it is counted as alive from construction to destruction,
// so that the session can end only once every drawing object is gone.
class GxSessionObject {
 protected:
  GxSessionObject() { gdiplus::retainSessionObject(); }
  GxSessionObject(const GxSessionObject&) { gdiplus::retainSessionObject(); }
  GxSessionObject& operator=(const GxSessionObject&) = default;
  ~GxSessionObject() { gdiplus::releaseSessionObject(); }
};

// Program text (code page 936) as the UTF-16 the flat functions take; its size() is the
// length without the ending zero, and data() is zero-ended.
std::u16string toFlatText(const Text& text);

// The count to pass for a list: the given count when it fits the list, the list's length when
// omitted; nullopt when the given count is negative or exceeds the list.
std::optional<int> listCount(std::size_t listLength, std::optional<int> count);

}  // namespace pindora
