#include "platform/File.h"

#include "platform/Exceptions.h"
#include "platform/FileFaults.h"
#include "platform/Replaceable.h"

namespace pk::platform {

namespace {

TReplaceable<TFileFaults> faults;

// Files without a plan: every request goes through as asked.
class TNoFaults : public TFileFaults {
public:
    uint32_t BeforeRead(size_t&) override { return 0; }
    uint32_t BeforeWrite(size_t&) override { return 0; }
};

TFileFaults& NoFaults()
{
    static TNoFaults none;
    return none;
}

// Lets the plan shorten a read or fail it as the system would: with EInOutError.
size_t ReadRequest(size_t count)
{
    if (uint32_t code = faults.Get(NoFaults).BeforeRead(count))
        throw EInOutError(OsErrorText(code), code);
    return count;
}

}  // namespace

TFileFaults* ReplaceFileFaults(TFileFaults* plan)
{
    return faults.Replace(plan);
}

size_t TFile::Read(void* buffer, size_t count)
{
    return SystemRead(buffer, ReadRequest(count));
}

size_t TFile::ReadAt(int64_t offset, void* buffer, size_t count)
{
    return SystemReadAt(offset, buffer, ReadRequest(count));
}

size_t TFile::Write(const void* buffer, size_t count)
{
    // A failed write stops early, as a full disk does.
    return faults.Get(NoFaults).BeforeWrite(count) ? 0 : SystemWrite(buffer, count);
}

}  // namespace pk::platform
