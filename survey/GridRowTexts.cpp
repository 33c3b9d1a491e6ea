#include "survey/GridRowTexts.h"

#include "survey/SurveyView.h"

namespace pk {

GridRowTexts FormatGridRow(const std::string& section, const std::string& packSet, int32_t storedSize,
                           int32_t newSize)
{
    // Built in locals, not assigned into the array: GCC 12 at -O3 warns falsely about the
    // inlined assignment of a literal to an array element.
    std::string newText, changed;
    if (newSize == kNotMeasured) {
        changed = "NOT UPDATED";
    } else {
        newText = newSize == -1 ? std::string("(Error)") : std::to_string(newSize);
        // Formed in 64 bits: the difference of two 32-bit sizes may not fit in 32.
        changed = newSize == storedSize ? std::string(" ")
                                        : "X  (" + std::to_string(static_cast<int64_t>(newSize) - storedSize) + ")";
    }
    return {section, packSet, std::to_string(storedSize), newText, changed};
}

}  // namespace pk
