#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <cstdint>
#include <string>
#include <vector>

namespace pk::testing {

class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    // The folder, Windows-style where the flavour is Windows, without a trailing separator.
    const std::string& Path() const { return path; }
    // Path of a file inside the folder (name may use "\" or "/").
    std::string File(const std::string& name) const;
    void Write(const std::string& name, const std::string& bytes) const;
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // Names of the entries directly in the folder, sorted.
    std::vector<std::string> List() const;

private:
    std::string path;
};

// Reads a whole file, or raises std::runtime_error.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace pk::testing
