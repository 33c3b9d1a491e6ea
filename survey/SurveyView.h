#pragma once
// What the survey needs of the size table: rows appended, the grid enabled or disabled
// during the option walk, and the window's IniUpdated flag.
#include <cstdint>
#include <string>

namespace pk {

// New size of a section that was not measured in this pass.
inline constexpr int32_t kNotMeasured = 2147483647;

class TSurveyView {
public:
    virtual ~TSurveyView() = default;
    virtual void AddGridRow(const std::string& section, const std::string& packSet, int32_t storedSize,
                            int32_t newSize) = 0;
    virtual void SetGridEnabled(bool enabled) = 0;
    virtual void SetIniUpdated() = 0;
};

}  // namespace pk
