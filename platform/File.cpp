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
    uint32_t BeforeFlush() override { return 0; }
};

TFileFaults& NoFaults()
{
    static TNoFaults none;
    return none;
}

// Lets the plan shorten a read or fail it as the system would.
size_t ReadRequest(size_t count)
{
    RaiseOsError(faults.Get(NoFaults).BeforeRead(count));
    return count;
}

}  // namespace

void RaiseOsError(uint32_t code)
{
    if (code != 0)
        throw EInOutError(OsErrorText(code), code);
}

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

void TFile::Write(const void* buffer, size_t count)
{
    size_t allowed = count;
    RaiseOsError(faults.Get(NoFaults).BeforeWrite(allowed));
    SystemWrite(buffer, allowed);
    if (allowed < count)
        RaiseOsError(DiskFullCode());  // the system stops a write short only when the disk is full
}

void TFile::Flush()
{
    RaiseOsError(faults.Get(NoFaults).BeforeFlush());
    SystemFlush();
}

std::string ReadWholeFile(TFile& file)
{
    std::string bytes(static_cast<size_t>(file.Size()), '\0');
    bytes.resize(file.ReadAt(0, bytes.data(), bytes.size()));
    return bytes;
}

}  // namespace pk::platform
