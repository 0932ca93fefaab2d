#pragma once

#include <span>

// A dialog described as data: its caption, its size and font, and its controls
// in template order, which is also the tab order. Positions and sizes are in
// dialog units: a quarter of the font's average character width across, an
// eighth of its height down.

enum class ControlKind {
    pushButton,
    defaultPushButton,
    checkBox,     // ticks and unticks itself when clicked
    radioButton,  // selects itself and deselects the others of its group
    edit,
    groupBox,
    staticText,
};

namespace controlStyle {
inline constexpr unsigned tabStop = 1u << 0;      // Tab stops here
inline constexpr unsigned group = 1u << 1;        // first control of a group
inline constexpr unsigned border = 1u << 2;       // edit: framed
inline constexpr unsigned autoHScroll = 1u << 3;  // edit: text scrolls past the right edge
inline constexpr unsigned digitsOnly =
    1u << 4;  // edit: typed characters other than digits are refused
inline constexpr unsigned wordWrap = 1u << 5;  // static text: breaks lines between words
}  // namespace controlStyle

// The id of controls that nobody addresses (group boxes, labels).
inline constexpr int noControlId = -1;

// The two command ids that every dialog understands.
inline constexpr int idOk = 1;
inline constexpr int idCancel = 2;

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;
    int x;
    int y;
    int width;
    int height;
    unsigned style;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int width;  // of the client area
    int height;
    const char* fontName;
    int pointSize;
    std::span<const ControlTemplate> controls;
};
