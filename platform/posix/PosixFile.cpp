#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/posix/NativePath.h"

namespace pk::platform {

std::string OsErrorText(uint32_t code)
{
    std::string text = std::strerror(static_cast<int>(code));
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

bool FileExists(const std::string& path)
{
    struct stat st;
    return !path.empty() && stat(NativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path)
{
    struct stat st;
    return !path.empty() && stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool RemoveFile(const std::string& path)
{
    return unlink(NativePath(path).c_str()) == 0;
}

namespace {

[[noreturn]] void RaiseIoError()
{
    uint32_t code = static_cast<uint32_t>(errno);
    throw EInOutError(OsErrorText(code), code);
}

// Sharing is emulated with advisory locks, which every program of this project honours.
uint32_t OpenLocked(int& fd, const std::string& path, int flags, int lock)
{
    int f = ::open(NativePath(path).c_str(), flags | O_CLOEXEC, 0666);
    if (f < 0)
        return static_cast<uint32_t>(errno);
    struct stat st;
    const int err = fstat(f, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    if (err != 0) {
        ::close(f);
        return static_cast<uint32_t>(err);
    }
    // A file nobody may write is read-only even for root, as the read-only attribute is on
    // Windows.
    if ((flags & O_ACCMODE) != O_RDONLY && !(st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH))) {
        ::close(f);
        return static_cast<uint32_t>(EACCES);
    }
    if (flock(f, lock | LOCK_NB) != 0) {
        ::close(f);
        return static_cast<uint32_t>(EACCES);
    }
    fd = f;
    return 0;
}

}  // namespace

TFile::~TFile() { Close(); }

TFile::TFile(TFile&& other) noexcept : fd(other.fd) { other.fd = -1; }

TFile& TFile::operator=(TFile&& other) noexcept
{
    if (this != &other) {
        Close();
        fd = other.fd;
        other.fd = -1;
    }
    return *this;
}

uint32_t DiskFullCode() { return ENOSPC; }

void TFile::OpenRead(const std::string& path, TShare share)
{
    Close();
    RaiseOsError(OpenLocked(fd, path, O_RDONLY, share == TShare::DenyWrite ? LOCK_SH : LOCK_EX));
}

void TFile::OpenWriteExisting(const std::string& path)
{
    Close();
    RaiseOsError(OpenLocked(fd, path, O_WRONLY, LOCK_EX));
}

void TFile::Create(const std::string& path)
{
    Close();
    // Truncate only once the lock is held, so a file in use elsewhere is left whole.
    RaiseOsError(OpenLocked(fd, path, O_WRONLY | O_CREAT, LOCK_EX));
    if (ftruncate(fd, 0) != 0) {
        uint32_t code = static_cast<uint32_t>(errno);
        Close();
        RaiseOsError(code);
    }
}

void TFile::CreateNew(const std::string& path)
{
    Close();
    RaiseOsError(OpenLocked(fd, path, O_WRONLY | O_CREAT | O_EXCL, LOCK_EX));
}

bool TFile::IsOpen() const { return fd >= 0; }

void TFile::Close()
{
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

namespace {

// Reads until count bytes arrived or the file ended; readChunk(done) reads the rest after the
// first done bytes.
template <class ReadChunk>
size_t ReadFully(size_t count, ReadChunk readChunk)
{
    size_t total = 0;
    while (total < count) {
        ssize_t n = readChunk(total);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            RaiseIoError();
        }
        if (n == 0)
            break;
        total += static_cast<size_t>(n);
    }
    return total;
}

}  // namespace

size_t TFile::SystemRead(void* buffer, size_t count)
{
    return ReadFully(count, [&](size_t done) { return ::read(fd, static_cast<char*>(buffer) + done, count - done); });
}

size_t TFile::SystemReadAt(int64_t offset, void* buffer, size_t count)
{
    return ReadFully(count, [&](size_t done) {
        return ::pread(fd, static_cast<char*>(buffer) + done, count - done, static_cast<off_t>(offset + done));
    });
}

void TFile::SystemWrite(const void* buffer, size_t count)
{
    size_t total = 0;
    while (total < count) {
        ssize_t n = ::write(fd, static_cast<const char*>(buffer) + total, count - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            RaiseIoError();
        if (n == 0)
            RaiseOsError(DiskFullCode());
        total += static_cast<size_t>(n);
    }
}

void TFile::SystemFlush()
{
    if (fsync(fd) != 0)
        RaiseIoError();
}

int64_t TFile::Seek(int64_t offset, TSeekFrom from)
{
    int whence = from == TSeekFrom::Begin ? SEEK_SET : from == TSeekFrom::Current ? SEEK_CUR : SEEK_END;
    off_t pos = ::lseek(fd, static_cast<off_t>(offset), whence);
    if (pos < 0)
        RaiseIoError();
    return pos;
}

int64_t TFile::Position() { return Seek(0, TSeekFrom::Current); }

int64_t TFile::Size()
{
    struct stat st;
    if (fstat(fd, &st) != 0)
        RaiseIoError();
    return st.st_size;
}

uint32_t TFile::DosModificationTime()
{
    struct stat st;
    if (fstat(fd, &st) != 0)
        RaiseIoError();
    struct tm t;
    localtime_r(&st.st_mtime, &t);
    if (t.tm_year < 80)
        return 0;
    uint32_t date = static_cast<uint32_t>(((t.tm_year - 80) << 9) | ((t.tm_mon + 1) << 5) | t.tm_mday);
    uint32_t time = static_cast<uint32_t>((t.tm_hour << 11) | (t.tm_min << 5) | (t.tm_sec / 2));
    return (date << 16) | time;
}

}  // namespace pk::platform
