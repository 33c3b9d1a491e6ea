#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace pk::testing {

struct TPeSection {
    std::string name;
    uint32_t rva = 0;
    uint32_t virtualSize = 0;
    uint32_t fileOffset = 0;
    uint32_t fileSize = 0;
    uint32_t characteristics = 0;
};

struct TPeExport {
    uint32_t ordinal = 0;
    std::string name;  // empty for an export by ordinal only
    uint32_t rva = 0;
    bool operator==(const TPeExport&) const = default;
};

struct TPeExports {
    std::string moduleName;
    std::vector<TPeExport> entries;
};

struct TPeImport {
    std::string module;
    std::string function;  // empty for an import by ordinal
    uint16_t ordinal = 0;  // set only for an import by ordinal
    uint32_t addressRva = 0;  // the import address table slot the loader fills
};

// A resource type or name: a number, or a text when `text` is not empty.
struct TResourceName {
    uint16_t id = 0;
    std::u16string text;
    bool operator==(const TResourceName&) const = default;
};

struct TPeResource {
    TResourceName type;
    TResourceName name;
    uint16_t language = 0;
    std::span<const uint8_t> data;  // points into the TPeImage's bytes
};

// A 32-bit PE file read as bytes, never loaded. Every read is bounds-checked: anything that
// points outside the file throws std::runtime_error naming what was malformed.
class TPeImage {
public:
    explicit TPeImage(std::vector<uint8_t> file);

    uint16_t Machine() const { return machine_; }
    uint16_t Characteristics() const { return characteristics_; }
    uint32_t ImageBase() const { return imageBase_; }
    uint32_t SizeOfImage() const { return sizeOfImage_; }
    const std::vector<TPeSection>& Sections() const { return sections_; }

    // `size` bytes of the file as loaded at `rva`; only bytes stored in the file are readable.
    std::span<const uint8_t> Bytes(uint32_t rva, uint32_t size) const;
    std::string CString(uint32_t rva) const;

    TPeExports Exports() const;
    std::vector<TPeImport> Imports() const;
    std::vector<TPeResource> Resources() const;

private:
    struct Directory {
        uint32_t rva = 0, size = 0;
    };
    void WalkResources(uint32_t offset, int level, TPeResource& path, std::vector<TPeResource>& found,
                       size_t& visits) const;
    TResourceName ReadResourceName(uint32_t nameField) const;

    std::vector<uint8_t> file_;
    uint16_t machine_ = 0, characteristics_ = 0;
    uint32_t imageBase_ = 0, sizeOfImage_ = 0, sizeOfHeaders_ = 0;
    Directory exports_, imports_, resources_;
    std::vector<TPeSection> sections_;
};

// Reads the whole file; throws std::runtime_error when it cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path);

}  // namespace pk::testing
