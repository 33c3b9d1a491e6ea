#pragma once
// What the survey needs of the size table: rows appended, the grid enabled or disabled
// during the option walk, and the window's IniUpdated flag.
#include <cstdint>
#include <string>

#include "measure/PackAccount.h"

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
    // Where the measurement of the next row tells why its size is what it is; none by default.
    virtual TSectionAccount* SectionAccount() { return nullptr; }
};

}  // namespace pk
