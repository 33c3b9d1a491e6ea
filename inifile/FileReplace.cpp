#include "inifile/FileReplace.h"

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
    if (uint32_t code = probe.OpenWriteExisting(path))
        throw CannotCreateFile(path, platform::OsErrorText(code));
}

}  // namespace

EFCreateError CannotCreateFile(const std::string& path, const std::string& reason)
{
    return EFCreateError("Cannot create file \"" + platform::ExpandFileName(path) + "\". " + reason);
}

void ReplaceFileContents(const std::string& path, const std::string& bytes)
{
    ProbeTarget(path);
    const std::string temp = path + ".~tmp";
    platform::TFile out;
    if (uint32_t code = out.Create(temp))
        throw CannotCreateFile(path, platform::OsErrorText(code));
    bool whole = out.Write(bytes.data(), bytes.size()) == bytes.size() && out.Flush() == 0;
    out.Close();
    if (!whole) {
        platform::RemoveFile(temp);
        throw EWriteError(kStreamWriteError);
    }
    if (uint32_t code = platform::ReplaceFileWith(temp, path)) {
        platform::RemoveFile(temp);
        throw CannotCreateFile(path, platform::OsErrorText(code));
    }
}

}  // namespace pk
