#pragma once
// A file read through a read-ahead buffer, so that the many small reads of headers and names
// cost few system calls.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/File.h"

namespace pk {

class TBufferedStream {
public:
    static constexpr size_t kDefaultBufferSize = 8192;

    explicit TBufferedStream(size_t bufferSize = kDefaultBufferSize);
    virtual ~TBufferedStream() = default;
    TBufferedStream(const TBufferedStream&) = delete;
    TBufferedStream& operator=(const TBufferedStream&) = delete;

    // Reads up to count bytes and returns how many arrived (fewer only at the end of the file).
    size_t Read(void* destination, size_t count);
    // Moves the position and returns it. A position before the start is taken as the start;
    // one past the end is allowed and reads nothing.
    int64_t Seek(int64_t offset, platform::TSeekFrom from);
    int64_t Position() const { return position; }
    // The bytes from the position on that the buffer holds, at least count of them, without
    // moving the position: the buffer is filled again from the position when fewer are in it.
    // Empty when the file holds fewer or count is more than the buffer holds.
    std::span<const uint8_t> Peek(size_t count)
    {
        const int64_t offset = position - bufferStart;
        if (offset >= 0 && static_cast<size_t>(offset) + count <= bufferLength)
            return {buffer.get() + offset, bufferLength - static_cast<size_t>(offset)};
        return PeekRefilled(count);
    }
    // Moves past bytes seen with Peek.
    void Skip(size_t count) { position += static_cast<int64_t>(count); }
    int64_t Size() { return file.Size(); }

    // How often the buffer was filled from the file; lets tests see that it is kept.
    int64_t BufferFills() const { return fills; }

protected:
    // Forgets the buffered bytes and goes back to the start; called when the file changes.
    void Rewind();

    platform::TFile file;

private:
    void DropBuffer() { bufferLength = 0; }
    std::span<const uint8_t> PeekRefilled(size_t count);
    void FillFrom(int64_t at);
    bool Buffered(int64_t at) const { return at >= bufferStart && at < bufferStart + static_cast<int64_t>(bufferLength); }

    // Not zeroed: only bytes a read has filled are looked at, and untouched pages cost nothing.
    std::unique_ptr<uint8_t[]> buffer;
    size_t bufferSize;
    int64_t bufferStart = 0;  // file offset of buffer[0]
    size_t bufferLength = 0;  // valid bytes in the buffer
    int64_t position = 0;
    int64_t fills = 0;
};

}  // namespace pk
