#include "survey/GridRowTexts.h"

#include "survey/SurveyView.h"

namespace pk {

TGridRowTexts GridTitleRow()
{
    TGridRowTexts row;
    for (size_t c = 0; c < row.size(); ++c)
        row[c] = kGridTitles[c];
    return row;
}

TGridRowTexts FormatGridRow(const std::string& section, const std::string& packSet, int32_t storedSize,
                           int32_t newSize)
{
    TGridRowTexts row;
    row[ColSection] = section;
    row[ColPackFiles] = packSet;
    row[ColPrevSize] = std::to_string(storedSize);
    if (newSize != kNotMeasured)
        row[ColNewSize] = newSize == -1 ? "(Error)" : std::to_string(newSize);
    if (newSize == kNotMeasured)
        row[ColSizeChanged] = "NOT UPDATED";
    else if (newSize == storedSize)
        row[ColSizeChanged] = " ";
    else  // formed in 64 bits: the difference of two 32-bit sizes may not fit in 32
        row[ColSizeChanged] = "X  (" + std::to_string(static_cast<int64_t>(newSize) - storedSize) + ")";
    return row;
}

}  // namespace pk
