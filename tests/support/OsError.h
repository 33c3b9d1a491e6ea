#pragma once
// The system's code of a file operation's failure, for tests that expect the message it leads to.
#include <cstdint>

#include "platform/Exceptions.h"

namespace pk::testing {

// The code of the EInOutError that action raises, or 0 when it succeeds.
template <class Action>
uint32_t OsErrorOf(Action action)
{
    try {
        action();
        return 0;
    } catch (const EInOutError& e) {
        return e.ErrorCode();
    }
}

}  // namespace pk::testing
