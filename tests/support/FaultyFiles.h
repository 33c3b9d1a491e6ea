#pragma once
// A plan of file failures for one test, installed for its lifetime: the Nth read or write
// request fails with an OS error, writes come short, flushes fail, or the disk fills after so
// many bytes.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/FileFaults.h"
#include "platform/Replaceable.h"

namespace pk::testing {

class TFaultyFiles : public platform::TFileFaults {
public:
    // Request number n (1-based) fails with the OS error code.
    TFaultyFiles& FailRead(int n, uint32_t code) { failingRead = n; readError = code; return *this; }
    TFaultyFiles& FailWrite(int n, uint32_t code) { failingWrite = n; writeError = code; return *this; }
    // Every flush fails with the OS error code.
    TFaultyFiles& FailFlush(uint32_t code) { flushError = code; return *this; }
    // Every write request moves at most this many bytes.
    TFaultyFiles& ShortWrites(size_t most) { writeLimit = most; return *this; }
    // Writes stop short once this many bytes are on the disk.
    TFaultyFiles& DiskFullAfter(size_t bytes) { diskSpace = bytes; return *this; }

    uint32_t BeforeRead(size_t& count) override;
    uint32_t BeforeWrite(size_t& count) override;
    uint32_t BeforeFlush() override { return flushError; }

    int Reads() const { return reads; }
    int Writes() const { return writes; }

private:
    int reads = 0, writes = 0;
    int failingRead = 0, failingWrite = 0;
    uint32_t readError = 0, writeError = 0, flushError = 0;
    std::optional<size_t> writeLimit;
    std::optional<size_t> diskSpace;
    platform::TInstalled<platform::TFileFaults> installed{platform::ReplaceFileFaults, *this};
};

}  // namespace pk::testing
