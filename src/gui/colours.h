#pragma once

#include <QColor>

#include <cstdint>

namespace taviro::gui {

// A colour stored as the documents and settings keep it: red in the low byte, blue in the high.
inline QColor FromStoredColour(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

// The named colours of the windows.
inline const QColor Maroon{128, 0, 0};
inline const QColor Navy{0, 0, 128};
inline const QColor MoneyGreen{192, 220, 192};
inline const QColor SkyBlue{166, 202, 240};
inline const QColor CreamYellow{255, 255, 0};
inline const QColor Teal{0, 128, 128};
inline const QColor LightGreen{204, 255, 204};

// The fonts of the windows: metric-compatible stand-ins for the ones the layouts were made with.
inline constexpr const char* SansFont = "Liberation Sans";
inline constexpr const char* MonoFont = "Liberation Mono";

} // namespace taviro::gui
