// The parts of a safe save that POSIX does differently: links, ownership, a durable rename.
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/File.h"
#include "platform/posix/NativePath.h"

namespace pk::platform {

namespace {

std::string FolderOf(const std::string& nativePath)
{
    size_t slash = nativePath.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : nativePath.substr(0, slash);
}

}  // namespace

bool IsExistsError(uint32_t code) { return code == EEXIST; }

std::string ResolveLinks(const std::string& path)
{
    constexpr int kMaxLinks = 40;  // as the kernel allows before ELOOP
    std::string current = NativePath(path);
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat st;
        if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return hop == 0 ? path : current;
        std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        ssize_t n = readlink(current.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<size_t>(n) >= target.size())
            return current;
        target.resize(static_cast<size_t>(n));
        current = target[0] == '/' ? target : FolderOf(current) + "/" + target;
    }
    return current;
}

void TFile::TakeAccessOf(const std::string& original)
{
    struct stat st;
    if (stat(NativePath(original).c_str(), &st) != 0) {
        RaiseOsError(errno == ENOENT ? 0 : static_cast<uint32_t>(errno));
        return;
    }
    // Only root may give a file away; anyone may keep its group if they belong to it. What
    // cannot be kept is the saver's, as with any editor that saves by rename.
    if (fchown(fd, st.st_uid, st.st_gid) != 0 && errno == EPERM)
        (void)fchown(fd, static_cast<uid_t>(-1), st.st_gid);
    // After the owner: changing the owner clears the set-id bits.
    if (fchmod(fd, st.st_mode & 07777) != 0)
        RaiseOsError(static_cast<uint32_t>(errno));
}

uint32_t ReplaceFileWith(const std::string& source, const std::string& target)
{
    const std::string to = NativePath(target);
    if (::rename(NativePath(source).c_str(), to.c_str()) != 0)
        return static_cast<uint32_t>(errno);
    // Make the rename itself durable.
    int d = ::open(FolderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d >= 0) {
        fsync(d);
        ::close(d);
    }
    return 0;
}

}  // namespace pk::platform
