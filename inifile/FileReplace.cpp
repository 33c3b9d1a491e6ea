#include "inifile/FileReplace.h"

#include <algorithm>
#include <chrono>
#include <random>

#include "platform/File.h"
#include "platform/Process.h"

namespace pk {

namespace {

// POSIX renames over a file that is read-only or locked, so the target is tried for exclusive
// writing first; that refuses both there and on Windows.
void ProbeTarget(const std::string& path)
{
    bool isNew = !path.empty() && !platform::FileExists(path) && !platform::DirectoryExists(path);
    if (isNew)
        return;
    platform::TFile probe;
    try {
        probe.OpenWriteExisting(path);
    } catch (const EInOutError& e) {
        throw CannotCreateFile(path, e.Message());
    }
}

// Creates the temporary file beside target under a name nobody holds yet and returns its path.
std::string CreateTemporaryBeside(const std::string& target, platform::TFile& out)
{
    constexpr int kAttempts = 64;
    std::mt19937_64 numbers(std::random_device{}() ^
                            static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 1;; ++attempt) {
        std::string temp = TemporaryNameBeside(target, numbers());
        try {
            out.CreateNew(temp);
            return temp;
        } catch (const EInOutError& e) {
            if (attempt == kAttempts || !platform::IsExistsError(e.ErrorCode()))
                throw CannotCreateFile(temp, e.Message());
        }
    }
}

// Removes the temporary file unless it has taken the target's place.
struct TTemporaryFile {
    std::string path;
    ~TTemporaryFile()
    {
        if (!path.empty())
            platform::RemoveFile(path);
    }
};

}  // namespace

EFCreateError CannotCreateFile(const std::string& path, const std::string& reason)
{
    return EFCreateError("Cannot create file \"" + platform::ExpandFileName(path) + "\". " + reason);
}

std::string TemporaryNameBeside(const std::string& target, uint64_t number)
{
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    size_t folderEnd = target.find_last_of("\\/:") + 1;  // 0 when there is no folder
    size_t length = std::clamp<size_t>(target.size() - folderEnd, 2, 8);
    std::string name = target.substr(0, folderEnd) + "~";
    for (size_t i = 1; i < length; ++i, number /= 36)
        name += kDigits[number % 36];
    return name;
}

void ReplaceFileContents(const std::string& path, const std::string& bytes)
{
    // A link stays a link: the file it leads to is the one replaced.
    const std::string target = platform::ResolveLinks(path);
    ProbeTarget(target);
    TTemporaryFile temp;
    platform::TFile out;
    temp.path = CreateTemporaryBeside(target, out);
    try {
        out.Write(bytes.data(), bytes.size());
    } catch (const EInOutError& e) {
        throw EWriteError(kStreamWriteError, e.ErrorCode());
    }
    try {
        out.TakeAccessOf(target);
    } catch (const EInOutError& e) {
        throw CannotCreateFile(temp.path, e.Message());
    }
    try {
        out.Flush();
    } catch (const EInOutError& e) {
        throw EWriteError(kStreamWriteError, e.ErrorCode());
    }
    out.Close();
    if (uint32_t code = platform::ReplaceFileWith(temp.path, target))
        throw CannotCreateFile(target, platform::OsErrorText(code));
    temp.path.clear();
}

}  // namespace pk
