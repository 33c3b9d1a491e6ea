#include "zipreader/ArchiveStream.h"

#include "platform/Exceptions.h"
#include "zipreader/ZipUtil.h"

namespace pk {

void TArchiveStream::Open(const std::string& path, platform::TShare share)
{
    Close();
    try {
        file.OpenRead(path, share);
    } catch (const EInOutError& e) {
        throw EFOpenError(zip::CannotOpenFileText(path, e.ErrorCode()));
    }
}

void TArchiveStream::Close()
{
    file.Close();
    Rewind();
}

}  // namespace pk
