#pragma once
// Failures that a test can ask of every file the program reads or writes: a short transfer,
// an OS error on a chosen request or flush, a disk that fills up. Real file systems offer none of them
// on demand; the code that copes with them is reached through here.
#include <cstddef>
#include <cstdint>

namespace pk::platform {

class TFileFaults {
public:
    virtual ~TFileFaults() = default;
    // Called before each read or write request of count bytes. May lower count (the request
    // then moves fewer bytes) or return an OS error code that the request fails with.
    virtual uint32_t BeforeRead(size_t& count) = 0;
    virtual uint32_t BeforeWrite(size_t& count) = 0;
    // Called before each flush; may return an OS error code that the flush fails with.
    virtual uint32_t BeforeFlush() = 0;
};

// Installs a plan (nullptr: files behave as the system makes them) and returns the one it
// replaces.
TFileFaults* ReplaceFileFaults(TFileFaults* faults);

}  // namespace pk::platform
