#pragma once
// A user-interface sink for fuzz targets and benchmarks, installed for its lifetime: every box
// is answered at once and nothing is shown.
#include "platform/Replaceable.h"
#include "platform/UnattendedUserInterface.h"

namespace pk::testing {

class TSilentUserInterface : public platform::TUnattendedUserInterface {
protected:
    void Show(const platform::TMessageBoxSpec&) override {}

private:
    platform::TInstalled<platform::TUserInterface> installed{platform::ReplaceUserInterface, *this};
};

}  // namespace pk::testing
