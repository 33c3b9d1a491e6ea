// The parts of a safe save that Windows does differently: links and the replacement that
// keeps what the original file was.
#include <windows.h>

#include "platform/File.h"
#include "platform/Process.h"
#include "platform/TextServices.h"

namespace pk::platform {

bool IsExistsError(uint32_t code) { return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS; }

std::string ResolveLinks(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return path;
    char buffer[1024];
    DWORD n = GetFinalPathNameByHandleA(h, buffer, sizeof buffer, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(h);
    if (n == 0 || n >= sizeof buffer)
        return path;
    std::string final(buffer, n);
    if (final.rfind("\\\\?\\UNC\\", 0) == 0)
        final = "\\\\" + final.substr(8);
    else if (final.rfind("\\\\?\\", 0) == 0)
        final = final.substr(4);
    // Messages keep the user's spelling unless the path leads elsewhere.
    return SameText(final, ExpandFileName(path)) ? path : final;
}

// Security, streams and links are ReplaceFileA's to carry; the attributes are set here too,
// so that they survive where it is refused and a plain move takes its place.
void TFile::TakeAccessOf(const std::string& original)
{
    constexpr DWORD kCarried = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                               FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    DWORD attributes = GetFileAttributesA(original.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & kCarried))
        return;
    FILE_BASIC_INFO info = {};  // times of 0 stay as they are
    info.FileAttributes = attributes & kCarried;
    if (!SetFileInformationByHandle(handle, FileBasicInfo, &info, sizeof info))
        RaiseOsError(GetLastError());
}

uint32_t ReplaceFileWith(const std::string& source, const std::string& target)
{
    if (GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
        // Carries attributes, security, streams and hard links over to the new contents.
        if (ReplaceFileA(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
            return 0;
        DWORD code = GetLastError();
        // Only a file system that has no such operation falls back on a plain move.
        bool refused = code == ERROR_INVALID_FUNCTION || code == ERROR_NOT_SUPPORTED ||
                       code == ERROR_INVALID_PARAMETER || code == ERROR_CALL_NOT_IMPLEMENTED;
        if (!refused)
            return code;
    }
    if (!MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return GetLastError();
    return 0;
}

}  // namespace pk::platform
