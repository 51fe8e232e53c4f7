#pragma once
// The one palette every picture is drawn from.

#include <QColor>

namespace pindora::art {

inline const QColor accent{0x2F, 0x8F, 0xDB};        // the program's blue
inline const QColor accentDark{0x1D, 0x6C, 0xB4};
inline const QColor accentLight{0x8C, 0xC8, 0xF0};
inline const QColor accentPale{0xE4, 0xF1, 0xFC};
inline const QColor skinBlue{77, 166, 222};          // the default skin colour
inline const QColor green{0x3B, 0xAA, 0x5C};
inline const QColor greenDark{0x23, 0x86, 0x42};
inline const QColor orange{0xF2, 0x99, 0x2E};
inline const QColor orangeDark{0xD8, 0x74, 0x12};
inline const QColor red{0xE0, 0x48, 0x48};
inline const QColor redDark{0xB8, 0x2E, 0x2E};
inline const QColor purple{0x86, 0x5C, 0xD6};
inline const QColor purpleDark{0x62, 0x3D, 0xB0};
inline const QColor teal{0x1F, 0xAE, 0xA6};
inline const QColor tealDark{0x10, 0x85, 0x80};
inline const QColor ink{0x33, 0x3B, 0x45};           // dark text and glyphs on light ground
inline const QColor inkSoft{0x8A, 0x96, 0xA3};
inline const QColor line{0xD3, 0xDA, 0xE2};
inline const QColor paperGrey{0xF3, 0xF5, 0xF8};

}  // namespace pindora::art
