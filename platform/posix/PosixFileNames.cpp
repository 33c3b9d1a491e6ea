#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

#include "platform/FileNames.h"
#include "platform/Paths.h"
#include "platform/TextServices.h"
#include "platform/posix/NativePath.h"

namespace pk::platform {

namespace {

bool Exists(const std::string& nativePath)
{
    struct stat st;
    return lstat(nativePath.c_str(), &st) == 0;
}

std::vector<std::string> NamesIn(const std::string& nativeFolder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(nativeFolder.empty() ? "." : nativeFolder.c_str());
    if (!dir)
        return names;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(dir);
    return names;
}

}  // namespace

std::string NativePath(const std::string& path)
{
    return NameOnDisk(path).path;
}

TNameOnDisk NameOnDisk(const std::string& path)
{
    const std::string written = paths::WithSeparators(path, '/');
    TNameOnDisk found{written, false, {}};
    if (written.empty() || Exists(written))
        return found;
    std::string folder = written[0] == '/' ? "/" : "";  // what is matched so far, ending in '/'
    for (size_t start = folder.size(); start <= written.size();) {
        const size_t end = std::min(written.find('/', start), written.size());
        const std::string component = written.substr(start, end - start);
        std::string matched = folder + component;
        if (!component.empty() && component != "." && component != ".." && !Exists(matched)) {
            std::vector<std::string> matches;
            for (const std::string& name : NamesIn(folder))
                if (SameText(name, component))
                    matches.push_back(folder + name);
            if (matches.size() != 1) {
                std::sort(matches.begin(), matches.end());
                found.sameButCase = std::move(matches);
                found.path = matched + written.substr(end);
                return found;
            }
            matched = matches.front();
            found.otherCase = true;
        }
        folder = matched + (end < written.size() ? "/" : "");
        start = end + 1;
    }
    found.path = folder;
    return found;
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    const std::string native = NativePath(folder);
    std::vector<std::string> files;
    for (const std::string& name : NamesIn(native)) {
        struct stat st;
        if (stat((native.empty() ? name : native + "/" + name).c_str(), &st) == 0 && S_ISREG(st.st_mode))
            files.push_back(name);
    }
    return files;
}

std::optional<TFileIdentity> FileIdentity(const std::string& path)
{
    struct stat st;
    if (path.empty() || stat(NativePath(path).c_str(), &st) != 0)
        return std::nullopt;
    return TFileIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

}  // namespace pk::platform
