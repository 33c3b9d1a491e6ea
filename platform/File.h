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
// Raises EInOutError with the system's text and code, unless code is 0.
void RaiseOsError(uint32_t code);
// The system's code for a disk without room, which a write that stops short reports.
uint32_t DiskFullCode();

// True for an existing regular file (a directory does not count).
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Removes a file; false when it could not be removed.
bool RemoveFile(const std::string& path);

// An open file. Closed by its destructor; movable, not copyable. Every operation that fails
// raises EInOutError with the system's text and code (ErrorCode()); callers that word their
// own message catch it.
class TFile {
public:
    TFile() = default;
    ~TFile();
    TFile(TFile&& other) noexcept;
    TFile& operator=(TFile&& other) noexcept;
    TFile(const TFile&) = delete;
    TFile& operator=(const TFile&) = delete;

    // Opens an existing file for reading.
    void OpenRead(const std::string& path, TShare share);
    // Opens an existing file for writing, exclusively, without changing it; used to learn
    // whether a file could be replaced.
    void OpenWriteExisting(const std::string& path);
    // Creates a new file, or truncates an existing one, for exclusive writing.
    void Create(const std::string& path);
    // Creates a file that must not exist yet, for exclusive writing; IsExistsError tells a
    // name already taken from other failures.
    void CreateNew(const std::string& path);
    // Gives this file the owner, group and mode (POSIX) or the attributes (Windows) of
    // original before it takes original's place.
    void TakeAccessOf(const std::string& original);

    bool IsOpen() const;
    void Close();

    // Reads up to count bytes at the current position and returns how many arrived (0 at the
    // end of the file).
    size_t Read(void* buffer, size_t count);
    // Reads up to count bytes at the given offset (one request); returns how many arrived.
    size_t ReadAt(int64_t offset, void* buffer, size_t count);
    // Writes all count bytes; a write that stops short raises the disk-full code.
    void Write(const void* buffer, size_t count);
    // Flushes written data to the disk.
    void Flush();

    // Moves the position and returns the new one.
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
    void SystemWrite(const void* buffer, size_t count);
    void SystemFlush();

#ifdef _WIN32
    void* handle = nullptr;
#else
    int fd = -1;
#endif
};

// The whole of an open file, from its start, in one read request.
std::string ReadWholeFile(TFile& file);

// True for the error of creating a file whose name is taken.
bool IsExistsError(uint32_t code);
// The file that path names once every symbolic link on the way is followed; path itself
// when it is no link.
std::string ResolveLinks(const std::string& path);

// Replaces target by source (both in the same folder), the new contents on disk before the
// call returns. Returns 0 or the OS error code; on failure target is left as it was. On
// Windows the target's attributes, security, streams and links carry over.
uint32_t ReplaceFileWith(const std::string& source, const std::string& target);

}  // namespace pk::platform
