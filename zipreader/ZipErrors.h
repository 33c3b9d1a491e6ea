#pragma once
// The errors that the ZIP reader raises.
#include "platform/Exceptions.h"

namespace pk {

PK_DECLARE_EXCEPTION(EBadZipFile)
PK_DECLARE_EXCEPTION(EIncompleteZip)
PK_DECLARE_EXCEPTION(ENotAZipFile)
PK_DECLARE_EXCEPTION(EUserCanceled)
PK_DECLARE_EXCEPTION(EListError)

}  // namespace pk
