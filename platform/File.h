#pragma once
// Files as the program needs them: existence tests, reading with a sharing mode, positioned
// access, size and time, exclusive writing. Paths are Windows-style; on POSIX a backslash is
// taken as a separator so the same paths work in native tests.
#include <cstddef>
#include <cstdint>
#include <string>

namespace pk::platform {

enum class TShare {
    DenyWrite,  // others may read but not write
    Exclusive,  // others may not open the file at all
};

enum class TSeekFrom { Begin, Current, End };

// The system's text for an OS error code, without trailing blanks, line ends or full stop.
std::string OsErrorText(uint32_t code);

// True for an existing regular file (a directory does not count).
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Removes a file; false when it could not be removed.
bool RemoveFile(const std::string& path);

// An open file. Closed by its destructor; movable, not copyable.
class TFile {
public:
    TFile() = default;
    ~TFile();
    TFile(TFile&& other) noexcept;
    TFile& operator=(TFile&& other) noexcept;
    TFile(const TFile&) = delete;
    TFile& operator=(const TFile&) = delete;

    // Opens an existing file for reading. Returns 0, or the OS error code of the failure.
    uint32_t OpenRead(const std::string& path, TShare share);
    // Opens an existing file for writing, exclusively, without changing it. Returns 0 or the
    // OS error code; used to learn whether a file could be replaced.
    uint32_t OpenWriteExisting(const std::string& path);
    // Creates a new file, or truncates an existing one, for exclusive writing.
    uint32_t Create(const std::string& path);

    bool IsOpen() const;
    void Close();

    // Reads up to count bytes at the current position and returns how many arrived (0 at the
    // end of the file). An OS failure raises EInOutError with the OS text and code.
    size_t Read(void* buffer, size_t count);
    // Reads up to count bytes at the given offset (one request); returns how many arrived.
    size_t ReadAt(int64_t offset, void* buffer, size_t count);
    // Writes count bytes and returns how many were written; an OS failure stops the write early.
    size_t Write(const void* buffer, size_t count);
    // Flushes written data to the disk; returns 0 or the OS error code.
    uint32_t Flush();

    // Moves the position and returns the new one; raises EInOutError on an OS failure.
    int64_t Seek(int64_t offset, TSeekFrom from);
    int64_t Position();
    int64_t Size();
    // Last modification time as an MS-DOS date and time (two-second resolution).
    uint32_t DosModificationTime();

private:
    // The flavour's own transfers; the public ones above let an installed TFileFaults plan
    // change them first.
    size_t SystemRead(void* buffer, size_t count);
    size_t SystemReadAt(int64_t offset, void* buffer, size_t count);
    size_t SystemWrite(const void* buffer, size_t count);

#ifdef _WIN32
    void* handle = nullptr;
#else
    int fd = -1;
#endif
};

// Replaces target by source (both in the same folder), the new contents on disk before the
// call returns. Returns 0 or the OS error code; on failure target is left as it was.
uint32_t ReplaceFileWith(const std::string& source, const std::string& target);

}  // namespace pk::platform
