#include "tests/support/TempDir.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace pk::testing {

namespace {

fs::path Native(const std::string& p)
{
    std::string s = p;
#ifndef _WIN32
    std::replace(s.begin(), s.end(), '\\', '/');
#endif
    return fs::path(s);
}

}  // namespace

TTempDir::TTempDir()
{
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    // Test programs run side by side: a folder another one made first is never shared, since its
    // owner removes it whole.
    fs::path p;
    do
        p = fs::temp_directory_path() / ("pktest-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    while (!fs::create_directory(p));
    path = p.string();
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
#endif
}

TTempDir::~TTempDir()
{
    std::error_code ec;
    // Read-only files left by a test must not keep the folder.
    for (auto& entry : fs::recursive_directory_iterator(Native(path), ec))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(Native(path), ec);
}

std::string TTempDir::File(const std::string& name) const
{
#ifdef _WIN32
    std::string n = name;
    std::replace(n.begin(), n.end(), '/', '\\');
    return path + "\\" + n;
#else
    return path + "/" + name;
#endif
}

void TTempDir::Write(const std::string& name, const std::string& bytes) const
{
    fs::path p = Native(File(name));
    fs::create_directories(p.parent_path());
    WriteWholeFile(p.string(), bytes);
}

void TTempDir::Write(const std::string& name, const std::vector<uint8_t>& bytes) const
{
    Write(name, std::string(bytes.begin(), bytes.end()));
}

std::string TTempDir::Read(const std::string& name) const
{
    return ReadWholeFile(File(name));
}

bool TTempDir::Exists(const std::string& name) const
{
    return fs::exists(Native(File(name)));
}

std::vector<std::string> TTempDir::List() const
{
    std::vector<std::string> names;
    for (auto& entry : fs::directory_iterator(Native(path)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(Native(path), std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(Native(path), std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error("cannot write " + path);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace pk::testing
