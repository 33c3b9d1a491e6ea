#include "zipreader/ArchiveStream.h"

#include "platform/Exceptions.h"
#include "zipreader/ZipUtil.h"

namespace pk {

void TArchiveStream::Open(const std::string& path, platform::TShare share)
{
    Close();
    uint32_t error = file.OpenRead(path, share);
    if (error != 0)
        throw EFOpenError(zip::CannotOpenFileText(path, error));
}

void TArchiveStream::Close()
{
    file.Close();
    Rewind();
}

}  // namespace pk
