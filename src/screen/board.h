#pragma once
// A headless model of every control of the main window: its captions, positions, fonts and
// colours, filled in from the game (present.h), so the Qt window only draws it and the window is
// tested without a display. The game itself lives in `Game`, not in these captions.

#include <array>
#include <cstdint>
#include <string>

namespace yacht {

// A caption's words without the blanks that indent it on the sheet.
std::string withoutLeadingBlanks(const std::string& caption);

// A colour as red, green and blue.
struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colour {
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb yellow{255, 255, 0};
inline constexpr Rgb green{0, 128, 0};
inline constexpr Rgb cream{255, 255, 192};
inline constexpr Rgb peach{255, 224, 192};
inline constexpr Rgb highlight{128, 128, 0};
inline constexpr Rgb windowText{0, 0, 0};
}  // namespace colour

// A label's background: transparent shows what lies beneath, opaque shows its back colour.
enum class BackStyle : int16_t { Transparent = 0, Opaque = 1 };

enum class Align { Left, Center, Right };

// Position and size in logical pixels at 96 dots per inch; the window scales them to the screen's
// own dots per inch when it draws.
struct Rect {
    float left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A text font: the design uses Arial everywhere.
struct Font {
    float size = 9.75f;  // points
    bool bold = false;
    bool italic = false;
};

// A label control: a text cell with a caption, a background and a border.
struct Label {
    std::string caption;
    bool visible = true;
    BackStyle backstyle = BackStyle::Transparent;
    Rgb backcolor = colour::white;
    Rgb forecolor = colour::windowText;
    Rect rect;
    Font font;
    Align align = Align::Left;
    bool border = false;
};

// The bonus picture.
struct Image {
    bool visible = false;
    Rect rect;
};

// A ruling line, end points in logical pixels.
struct Line {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// A rectangle frame drawn over the cells; its width is in pixels and is never scaled.
struct Shape {
    Rect rect;
    int lineWidth = 6;
};

// The main window's controls, by what each shows; rows 1 to 13 of the sheet are the categories.
struct Board {
    std::array<Label, 5> dice;             // the die faces "1".."6" or "?"
    std::array<Label, 5> holdMarks;        // "HOLD" under a held die
    Label statusBox;                       // the status caption
    Image bonusPlaque;                     // the +35 Bonus plaque
    std::array<Label, 15> sheetValues;     // 0 heading, 1..13 values, 14 subtotal value
    std::array<Label, 15> sheetCaptions;   // 0 sheet background, 1..13 row captions, 14 subtotal caption
    std::array<Line, 14> sheetRules;       // 0..12 horizontal rules, 13 the vertical rule
    Shape sheetFrame;                      // frame around the sheet
    std::array<Label, 9> sidePanel;        // 0 panel, 1 title, 2 total, 3..8 key legends
    Shape sidePanelFrame;                  // frame around the side panel

    // The window's client area in logical pixels, and its background.
    float clientWidth = 534;
    float clientHeight = 374;
    Rgb background = colour::green;
};

// The board as designed, before any scaling: captions, positions, fonts and colours.
Board designBoard();

}  // namespace yacht
