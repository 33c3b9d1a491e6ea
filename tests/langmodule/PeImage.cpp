#include "tests/langmodule/PeImage.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace pk::testing {
namespace {

constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint32_t kHighBit = 0x80000000u;
// Three levels (type, name, language) can fan out without end through shared subdirectories.
constexpr size_t kMaxResourceEntries = 65536;

[[noreturn]] void Malformed(const std::string& what)
{
    throw std::runtime_error("PE: " + what);
}

std::span<const uint8_t> Slice(std::span<const uint8_t> bytes, uint64_t offset, uint64_t size, const char* what)
{
    if (offset > bytes.size() || size > bytes.size() - offset)
        Malformed(std::string(what) + " cut short");
    return bytes.subspan(static_cast<size_t>(offset), static_cast<size_t>(size));
}

uint16_t Le16(std::span<const uint8_t> bytes, uint64_t offset, const char* what)
{
    const auto b = Slice(bytes, offset, 2, what);
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}

uint32_t Le32(std::span<const uint8_t> bytes, uint64_t offset, const char* what)
{
    const auto b = Slice(bytes, offset, 4, what);
    return b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24;
}

}  // namespace

TPeImage::TPeImage(std::vector<uint8_t> file) : file_(std::move(file))
{
    const std::span<const uint8_t> bytes(file_);
    if (Le16(bytes, 0, "DOS header") != 0x5A4D)
        Malformed("no MZ signature");
    const uint32_t pe = Le32(bytes, 0x3C, "DOS header");
    if (Le32(bytes, pe, "PE signature") != 0x4550)
        Malformed("no PE signature");

    const uint64_t coff = uint64_t{pe} + 4;
    machine_ = Le16(bytes, coff, "file header");
    const uint16_t sectionCount = Le16(bytes, coff + 2, "file header");
    const uint16_t optionalSize = Le16(bytes, coff + 16, "file header");
    characteristics_ = Le16(bytes, coff + 18, "file header");

    const auto optional = Slice(bytes, coff + 20, optionalSize, "optional header");
    if (Le16(optional, 0, "optional header") != kPe32Magic)
        Malformed("not a 32-bit (PE32) image");
    imageBase_ = Le32(optional, 28, "optional header");
    sizeOfImage_ = Le32(optional, 56, "optional header");
    sizeOfHeaders_ = Le32(optional, 60, "optional header");
    const uint32_t directoryCount = Le32(optional, 92, "optional header");
    const auto directory = [&](uint32_t index) {
        if (index >= directoryCount)
            return Directory{};
        return Directory{Le32(optional, 96 + index * 8, "data directory"),
                         Le32(optional, 100 + index * 8, "data directory")};
    };
    exports_ = directory(0);
    imports_ = directory(1);
    resources_ = directory(2);

    const uint64_t table = coff + 20 + optionalSize;
    for (uint16_t i = 0; i < sectionCount; ++i) {
        const auto header = Slice(bytes, table + i * 40u, 40, "section table");
        TPeSection section;
        section.name.assign(header.begin(), std::find(header.begin(), header.begin() + 8, 0));
        section.virtualSize = Le32(header, 8, "section table");
        section.rva = Le32(header, 12, "section table");
        section.fileSize = Le32(header, 16, "section table");
        section.fileOffset = Le32(header, 20, "section table");
        section.characteristics = Le32(header, 36, "section table");
        Slice(bytes, section.fileOffset, section.fileSize, ("section " + section.name).c_str());
        sections_.push_back(section);
    }
}

std::span<const uint8_t> TPeImage::Bytes(uint32_t rva, uint32_t size) const
{
    const uint64_t end = uint64_t{rva} + size;
    if (end <= sizeOfHeaders_)
        return Slice(file_, rva, size, "headers");
    for (const TPeSection& section : sections_) {
        // Bytes past the stored data are zero when loaded; nothing here needs to read them.
        const uint32_t stored =
            section.virtualSize == 0 ? section.fileSize : std::min(section.virtualSize, section.fileSize);
        if (rva >= section.rva && end <= uint64_t{section.rva} + stored)
            return Slice(file_, uint64_t{section.fileOffset} + (rva - section.rva), size, "section");
    }
    Malformed("RVA " + std::to_string(rva) + "+" + std::to_string(size) + " is not stored in the file");
}

std::string TPeImage::CString(uint32_t rva) const
{
    std::string text;
    for (uint32_t at = rva;; ++at) {
        if (at < rva)
            Malformed("unterminated string");
        const char c = static_cast<char>(Bytes(at, 1)[0]);
        if (c == '\0')
            return text;
        text.push_back(c);
    }
}

TPeExports TPeImage::Exports() const
{
    TPeExports result;
    if (exports_.rva == 0)
        return result;
    const auto directory = Bytes(exports_.rva, 40);
    result.moduleName = CString(Le32(directory, 12, "export directory"));
    const uint32_t base = Le32(directory, 16, "export directory");
    const uint32_t functionCount = Le32(directory, 20, "export directory");
    const uint32_t nameCount = Le32(directory, 24, "export directory");
    const auto sizeOf = [](uint32_t count, uint32_t width) {
        if (count > UINT32_MAX / width)
            Malformed("export table too large");
        return count * width;
    };
    const auto functions = Bytes(Le32(directory, 28, "export directory"), sizeOf(functionCount, 4));
    const auto names = Bytes(Le32(directory, 32, "export directory"), sizeOf(nameCount, 4));
    const auto nameIndices = Bytes(Le32(directory, 36, "export directory"), sizeOf(nameCount, 2));

    std::vector<std::string> nameOf(functionCount);
    for (uint32_t n = 0; n < nameCount; ++n) {
        const uint16_t index = Le16(nameIndices, n * 2ull, "export ordinals");
        if (index >= functionCount)
            Malformed("export name without a function");
        if (!nameOf[index].empty())
            Malformed("two names for one export");
        nameOf[index] = CString(Le32(names, n * 4ull, "export names"));
    }
    for (uint32_t i = 0; i < functionCount; ++i) {
        const uint32_t rva = Le32(functions, i * 4ull, "export addresses");
        if (rva != 0)
            result.entries.push_back(TPeExport{base + i, nameOf[i], rva});  // 0: unused
    }
    return result;
}

std::vector<TPeImport> TPeImage::Imports() const
{
    std::vector<TPeImport> result;
    if (imports_.rva == 0)
        return result;
    for (uint64_t descriptor = imports_.rva;; descriptor += 20) {
        if (descriptor > UINT32_MAX)
            Malformed("import directory unterminated");
        const auto fields = Bytes(static_cast<uint32_t>(descriptor), 20);
        const uint32_t lookup = Le32(fields, 0, "import descriptor");
        const uint32_t nameRva = Le32(fields, 12, "import descriptor");
        const uint32_t addresses = Le32(fields, 16, "import descriptor");
        if (nameRva == 0 && addresses == 0)
            return result;
        const std::string module = CString(nameRva);
        // The lookup table names the imports; the address table holds the same until bound.
        const uint32_t names = lookup != 0 ? lookup : addresses;
        for (uint64_t slot = 0;; slot += 4) {
            if (names + slot > UINT32_MAX || addresses + slot > UINT32_MAX)
                Malformed("import table unterminated");
            const uint32_t thunk = Le32(Bytes(static_cast<uint32_t>(names + slot), 4), 0, "import");
            if (thunk == 0)
                break;
            TPeImport entry{module, "", 0, static_cast<uint32_t>(addresses + slot)};
            Bytes(entry.addressRva, 4);
            if (thunk & kHighBit)
                entry.ordinal = static_cast<uint16_t>(thunk);
            else
                entry.function = CString(thunk + 2);  // behind the hint
            result.push_back(entry);
        }
    }
}

TResourceName TPeImage::ReadResourceName(uint32_t nameField) const
{
    if (!(nameField & kHighBit))
        return TResourceName{static_cast<uint16_t>(nameField), u""};
    const uint64_t at = uint64_t{resources_.rva} + (nameField & ~kHighBit);
    if (at + 2 > UINT32_MAX)
        Malformed("resource name out of range");
    const uint16_t length = Le16(Bytes(static_cast<uint32_t>(at), 2), 0, "resource name");
    const auto chars = Bytes(static_cast<uint32_t>(at + 2), length * 2u);
    TResourceName name;
    for (size_t i = 0; i < length; ++i)
        name.text.push_back(static_cast<char16_t>(Le16(chars, i * 2, "resource name")));
    if (name.text.empty())
        Malformed("empty resource name");
    return name;
}

void TPeImage::WalkResources(uint32_t offset, int level, TPeResource& path, std::vector<TPeResource>& found,
                             size_t& visits) const
{
    const uint64_t at = uint64_t{resources_.rva} + offset;
    if (at + 16 > UINT32_MAX)
        Malformed("resource directory out of range");
    const auto header = Bytes(static_cast<uint32_t>(at), 16);
    const uint32_t count = uint32_t{Le16(header, 12, "resource directory")} + Le16(header, 14, "resource directory");
    const auto entries = Bytes(static_cast<uint32_t>(at + 16), count * 8);
    for (uint32_t i = 0; i < count; ++i) {
        if (++visits > kMaxResourceEntries)
            Malformed("too many resource entries");
        const uint32_t nameField = Le32(entries, i * 8ull, "resource entry");
        const uint32_t target = Le32(entries, i * 8ull + 4, "resource entry");
        const bool isDirectory = (target & kHighBit) != 0;
        if (isDirectory != (level < 2))
            Malformed("resource tree is not type/name/language");
        if (level == 0)
            path.type = ReadResourceName(nameField);
        if (level == 1)
            path.name = ReadResourceName(nameField);
        if (isDirectory) {
            WalkResources(target & ~kHighBit, level + 1, path, found, visits);
            continue;
        }
        if (nameField & kHighBit)
            Malformed("resource language given as a name");
        const uint64_t leaf = uint64_t{resources_.rva} + target;
        if (leaf + 16 > UINT32_MAX)
            Malformed("resource data entry out of range");
        const auto data = Bytes(static_cast<uint32_t>(leaf), 16);
        path.language = static_cast<uint16_t>(nameField);
        path.data = Bytes(Le32(data, 0, "resource data entry"), Le32(data, 4, "resource data entry"));
        found.push_back(path);
    }
}

std::vector<TPeResource> TPeImage::Resources() const
{
    std::vector<TPeResource> found;
    if (resources_.rva == 0)
        return found;
    TPeResource path;
    size_t visits = 0;
    WalkResources(0, 0, path, found, visits);
    return found;
}

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path.string());
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace pk::testing
