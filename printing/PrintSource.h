#pragma once
// What can be printed: a grid of text cells or a list of text lines. Print() tells them apart
// by their kind.
#include <cstdint>
#include <string>
#include <vector>

namespace pk {

class TPrintSource {
public:
    virtual ~TPrintSource() = default;
};

// A font as the screen shows it.
struct TGridFont {
    std::string face;            // e.g. "MS Sans Serif"
    int height = -11;            // pixels at screenPixelsPerInch; negative: character height
    bool bold = false, italic = false, underline = false, strikeOut = false;
    uint8_t charSet = 1;         // DEFAULT_CHARSET
    uint8_t pitch = 0;           // DEFAULT_PITCH
    uint32_t color = 0;          // COLORREF
    int screenPixelsPerInch = 96;
};

struct TGridSelection {
    int left = 0, top = 0, right = 0, bottom = 0;  // inclusive
};

class TPrintableGrid : public TPrintSource {
public:
    virtual int ColumnCount() const = 0;
    virtual int RowCount() const = 0;            // the title row is row 0
    virtual int ColumnWidth(int column) const = 0;  // screen pixels
    virtual std::string Cell(int column, int row) const = 0;
    virtual TGridFont Font() const = 0;
    virtual bool AllowsRangeSelection() const = 0;
    virtual TGridSelection Selection() const = 0;
};

class TPrintableLines : public TPrintSource {
public:
    virtual std::vector<std::string> Lines() const = 0;
};

}  // namespace pk
