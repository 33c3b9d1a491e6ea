#include <windows.h>

#include "platform/Exceptions.h"
#include "platform/File.h"

namespace pk::platform {

std::string OsErrorText(uint32_t code)
{
    char* buffer = nullptr;
    DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = n && buffer ? std::string(buffer, n) : std::string();
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

bool FileExists(const std::string& path)
{
    DWORD attr = GetFileAttributesA(path.c_str());
    return !path.empty() && attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path)
{
    DWORD attr = GetFileAttributesA(path.c_str());
    return !path.empty() && attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool RemoveFile(const std::string& path)
{
    return DeleteFileA(path.c_str()) != 0;
}

namespace {

[[noreturn]] void RaiseIoError()
{
    uint32_t code = GetLastError();
    throw EInOutError(OsErrorText(code), code);
}

uint32_t OpenHandle(void*& handle, const std::string& path, DWORD access, DWORD share, DWORD disposition)
{
    // Windows refuses to write a read-only file; Wine run by root would not, so ask first.
    DWORD attr = GetFileAttributesA(path.c_str());
    if ((access & GENERIC_WRITE) && attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_READONLY))
        return ERROR_ACCESS_DENIED;
    HANDLE h = CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return GetLastError();
    handle = h;
    return 0;
}

}  // namespace

uint32_t DiskFullCode() { return ERROR_DISK_FULL; }

TFile::~TFile() { Close(); }

TFile::TFile(TFile&& other) noexcept : handle(other.handle) { other.handle = nullptr; }

TFile& TFile::operator=(TFile&& other) noexcept
{
    if (this != &other) {
        Close();
        handle = other.handle;
        other.handle = nullptr;
    }
    return *this;
}

void TFile::OpenRead(const std::string& path, TShare share)
{
    Close();
    RaiseOsError(OpenHandle(handle, path, GENERIC_READ, share == TShare::DenyWrite ? FILE_SHARE_READ : 0, OPEN_EXISTING));
}

void TFile::OpenWriteExisting(const std::string& path)
{
    Close();
    RaiseOsError(OpenHandle(handle, path, GENERIC_WRITE, 0, OPEN_EXISTING));
}

void TFile::Create(const std::string& path)
{
    Close();
    RaiseOsError(OpenHandle(handle, path, GENERIC_WRITE, 0, CREATE_ALWAYS));
}

void TFile::CreateNew(const std::string& path)
{
    Close();
    RaiseOsError(OpenHandle(handle, path, GENERIC_WRITE, 0, CREATE_NEW));
}

bool TFile::IsOpen() const { return handle != nullptr; }

void TFile::Close()
{
    if (handle) {
        CloseHandle(handle);
        handle = nullptr;
    }
}

namespace {

DWORD Chunk(size_t remaining)
{
    return static_cast<DWORD>(remaining > 0x40000000 ? 0x40000000 : remaining);
}

// Reads until count bytes arrived or the file ended; at(done) gives the position to read the
// rest from (nullptr: the current one).
template <class Position>
size_t ReadFully(HANDLE handle, void* buffer, size_t count, Position at)
{
    size_t total = 0;
    while (total < count) {
        DWORD got = 0;
        if (!ReadFile(handle, static_cast<char*>(buffer) + total, Chunk(count - total), &got, at(total))) {
            if (GetLastError() == ERROR_HANDLE_EOF)
                break;
            RaiseIoError();
        }
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

}  // namespace

size_t TFile::SystemRead(void* buffer, size_t count)
{
    return ReadFully(handle, buffer, count, [](size_t) -> OVERLAPPED* { return nullptr; });
}

size_t TFile::SystemReadAt(int64_t offset, void* buffer, size_t count)
{
    OVERLAPPED at;
    return ReadFully(handle, buffer, count, [&](size_t done) {
        at = OVERLAPPED{};
        int64_t where = offset + static_cast<int64_t>(done);
        at.Offset = static_cast<DWORD>(where);
        at.OffsetHigh = static_cast<DWORD>(where >> 32);
        return &at;
    });
}

void TFile::SystemWrite(const void* buffer, size_t count)
{
    size_t total = 0;
    while (total < count) {
        DWORD put = 0;
        if (!WriteFile(handle, static_cast<const char*>(buffer) + total, Chunk(count - total), &put, nullptr))
            RaiseIoError();
        if (put == 0)
            RaiseOsError(DiskFullCode());
        total += put;
    }
}

void TFile::SystemFlush()
{
    if (!FlushFileBuffers(handle))
        RaiseIoError();
}

int64_t TFile::Seek(int64_t offset, TSeekFrom from)
{
    LARGE_INTEGER distance, result;
    distance.QuadPart = offset;
    DWORD method = from == TSeekFrom::Begin ? FILE_BEGIN : from == TSeekFrom::Current ? FILE_CURRENT : FILE_END;
    if (!SetFilePointerEx(handle, distance, &result, method))
        RaiseIoError();
    return result.QuadPart;
}

int64_t TFile::Position() { return Seek(0, TSeekFrom::Current); }

int64_t TFile::Size()
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle, &size))
        RaiseIoError();
    return size.QuadPart;
}

uint32_t TFile::DosModificationTime()
{
    FILETIME written, local;
    WORD date = 0, time = 0;
    if (!GetFileTime(handle, nullptr, nullptr, &written))
        RaiseIoError();
    if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToDosDateTime(&local, &date, &time))
        return 0;
    return (static_cast<uint32_t>(date) << 16) | time;
}

}  // namespace pk::platform
