#include "zipreader/BufferedStream.h"

#include <algorithm>
#include <cstring>


namespace pk {

TBufferedStream::TBufferedStream(size_t size) : buffer(new uint8_t[size]), bufferSize(size) {}

size_t TBufferedStream::Read(void* destination, size_t count)
{
    auto* out = static_cast<uint8_t*>(destination);
    size_t done = 0;
    while (done < count) {
        if (Buffered(position)) {
            size_t offset = static_cast<size_t>(position - bufferStart);
            size_t n = std::min(count - done, bufferLength - offset);
            std::memcpy(out + done, buffer.get() + offset, n);
            done += n;
            position += static_cast<int64_t>(n);
            continue;
        }
        size_t wanted = count - done;
        if (wanted >= bufferSize) {
            // A large request goes to the file in one piece, past the buffer.
            size_t n = file.ReadAt(position, out + done, wanted);
            done += n;
            position += static_cast<int64_t>(n);
            break;
        }
        FillFrom(position);
        if (bufferLength == 0)
            break;
    }
    return done;
}

int64_t TBufferedStream::Seek(int64_t offset, platform::TSeekFrom from)
{
    int64_t base = from == platform::TSeekFrom::Begin ? 0 : from == platform::TSeekFrom::Current ? position : Size();
    int64_t target = std::max<int64_t>(0, base + offset);
    // The buffer stays while the new position lies in it, so skipping a short extra field or
    // comment costs no read.
    if (!Buffered(target))
        DropBuffer();
    position = target;
    return position;
}

std::span<const uint8_t> TBufferedStream::PeekRefilled(size_t count)
{
    if (count > bufferSize)
        return {};
    FillFrom(position);
    return bufferLength >= count ? std::span<const uint8_t>(buffer.get(), bufferLength) : std::span<const uint8_t>();
}

void TBufferedStream::FillFrom(int64_t at)
{
    // One positioned read: no seek before it.
    bufferStart = at;
    bufferLength = file.ReadAt(at, buffer.get(), bufferSize);
    ++fills;
}

void TBufferedStream::Rewind()
{
    DropBuffer();
    position = 0;
}

}  // namespace pk
