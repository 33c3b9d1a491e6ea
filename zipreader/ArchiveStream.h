#pragma once
// The archive file as the reader sees it: opened with a sharing mode, read ahead.
#include <cstdint>
#include <string>

#include "zipreader/BufferedStream.h"

namespace pk {

// An archive file (or a companion, or a part of a split archive) opened for reading.
class TArchiveStream : public TBufferedStream {
public:
    using TBufferedStream::TBufferedStream;

    // Opens the file; a failure raises EFOpenError "Cannot open file "%s". %s" with the full
    // path and the system's text.
    void Open(const std::string& path, platform::TShare share);
    bool IsOpen() const { return file.IsOpen(); }
    void Close();
    // The file's modification time, MS-DOS format.
    uint32_t DosModificationTime() { return file.DosModificationTime(); }
};

}  // namespace pk
