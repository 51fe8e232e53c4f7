#include "gfx/gx_color.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/codepage/codepage.h"

namespace pindora {

namespace {

// A double turned into a 32-bit integer: truncated, wrapping like a 32-bit store.
std::int32_t toInt32(double value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(value)));
}

Text hexDigits(long long value) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(value));
  Text text = buffer;
  if (text.size() == 1) text.insert(text.begin(), '0');
  return text;
}

}  // namespace

GxColor::Argb GxColor::ToArgb(ColorRef color, int alpha) {
  const std::uint32_t b0 = color & 0xFF;
  const std::uint32_t b1 = (color >> 8) & 0xFF;
  const std::uint32_t b2 = (color >> 16) & 0xFF;
  return ((static_cast<std::uint32_t>(alpha) & 0xFF) << 24) | (b0 * 65536 + b1 * 256 + b2);
}

Text GxColor::ToHtml(ColorRef color) {
  return "#" + hexDigits(color & 0xFF) + hexDigits((color >> 8) & 0xFF) + hexDigits((color >> 16) & 0xFF);
}

GxColor::ColorRef GxColor::FromHtml(const Text& text) {
  if (text.size() != 7) return 0;
  const Text reordered = text.substr(5, 2) + text.substr(3, 2) + text.substr(1, 2);
  return static_cast<ColorRef>(HexToInt(reordered));
}

std::int32_t GxColor::HexToInt(const Text& text) {
  static const Text digits = "123456789ABCDEF0";
  std::int32_t result = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    int digit = -1;
    if (isLeadByte(byte) && i + 1 < text.size()) {
      ++i;  // a double-byte character is one character, never a digit
    } else {
      const std::size_t position = digits.find(static_cast<char>(std::toupper(byte)));
      if (position != Text::npos) digit = static_cast<int>((position + 1) % 16);
    }
    result = toInt32(static_cast<double>(result) * 16.0 + digit);
  }
  return result;
}

void GxColor::SplitRgb(ColorRef color, int& red, int& green, int& blue) {
  const std::int32_t value = static_cast<std::int32_t>(color);
  red = value ^ ((value >> 8) << 8);
  const std::int32_t shifted = value >> 8;
  green = shifted ^ ((shifted >> 8) << 8);
  blue = value >> 16;
}

void GxColor::RgbToHsv(float red, float green, float blue, float& hue, float& saturation, float& value) {
  const float r = static_cast<float>(static_cast<double>(red) / 255.0);
  const float g = static_cast<float>(static_cast<double>(green) / 255.0);
  const float b = static_cast<float>(static_cast<double>(blue) / 255.0);
  const float max = std::max({r, g, b});
  const float min = std::min({r, g, b});
  const double range = static_cast<double>(max) - min;
  float h = 0;
  if (r == max) {
    h = static_cast<float>((static_cast<double>(g) - b) / range);
  } else if (g == max) {
    h = static_cast<float>((static_cast<double>(b) - r) / range + 2.0);
  } else if (b == max) {
    h = static_cast<float>((static_cast<double>(r) - g) / range + 4.0);
  }
  h = static_cast<float>(static_cast<double>(h) * 60.0);
  if (h < -0.0000001) h = static_cast<float>(static_cast<double>(h) + 360.0);
  hue = h;
  value = max;
  saturation = static_cast<float>(range / max);
}

void GxColor::HsvToRgb(double hue, double saturation, double value, int& red, int& green, int& blue) {
  if (hue < -0.0000001) hue = 0;
  if (saturation < -0.0000001) saturation = 0;
  if (value < -0.0000001) value = 0;
  if (saturation - 1 > 0.0000001) saturation = 1;
  if (value - 1 > 0.0000001) value = 1;
  if (std::fabs(saturation) <= 0.0000001) {
    const int grey = std::min(static_cast<int>(value * 255), 255);
    red = green = blue = grey;
    return;
  }
  const double sector = std::floor(hue / 60);
  const double f = hue / 60 - sector;
  const double p = value * (1 - saturation);
  const double q = value * (1 - saturation * f);
  const double t = value * (1 - saturation * (1 - f));
  auto channels = [&](double r, double g, double b) {
    red = static_cast<int>(255 * r);
    green = static_cast<int>(255 * g);
    blue = static_cast<int>(255 * b);
  };
  switch (static_cast<int>(sector)) {
    case 0: channels(value, t, p); break;
    case 1: channels(q, value, p); break;
    case 2: channels(p, value, t); break;
    case 3: channels(p, q, value); break;
    case 4: channels(t, p, value); break;
    case 5: channels(value, p, q); break;
    default: break;
  }
}

bool GxColor::IsDark(ColorRef color) {
  int red = 0, green = 0, blue = 0;
  SplitRgb(color, red, green, blue);
  const int bright = (red >= 125) + (green >= 125) + (blue >= 125);
  return bright < 2;
}

GxColor::ColorRef GxColor::Shift(ColorRef color, int amount) {
  int red = 0, green = 0, blue = 0;
  SplitRgb(color, red, green, blue);
  auto shifted = [amount](int channel) { return std::to_string(std::clamp(channel + amount, 0, 255)); };
  return FromHtml("#" + ToHexByte(shifted(red)) + ToHexByte(shifted(green)) + ToHexByte(shifted(blue)));
}

Text GxColor::ToHexByte(const Text& decimal) { return hexDigits(std::strtoll(decimal.c_str(), nullptr, 10)); }

}  // namespace pindora
