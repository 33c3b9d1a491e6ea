#pragma once
// The texts of one row of the size table, as the window and the console show them.
#include <array>
#include <cstdint>
#include <string>

namespace pk {

enum TGridColumn { ColSection, ColPackFiles, ColPrevSize, ColNewSize, ColSizeChanged, kGridColumns };

using TGridRowTexts = std::array<std::string, kGridColumns>;

// The title row.
inline constexpr std::array<const char*, kGridColumns> kGridTitles = {"Sub section", "PackFiles", "Prev. Size",
                                                                      "New Size", "Size Changed"};

// The title row's texts.
TGridRowTexts GridTitleRow();

// Section, pack set, stored size, new size ("(Error)" for -1, empty when not measured) and
// the change ("NOT UPDATED", " " when equal, else "X  (" + difference + ")").
TGridRowTexts FormatGridRow(const std::string& section, const std::string& packSet, int32_t storedSize,
                           int32_t newSize);

}  // namespace pk
