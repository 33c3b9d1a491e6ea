#include "measure/PackSet.h"

#include "measure/WrpFile.h"
#include "measure/ZipFileSize.h"
#include "platform/AsciiCase.h"
#include "platform/Exceptions.h"
#include "platform/FileNames.h"
#include "platform/Paths.h"

namespace pk {

std::vector<std::string> SplitList(const std::string& text)
{
    std::vector<std::string> pieces;
    std::string rest = text;
    while (!rest.empty()) {
        size_t sep = rest.find(';');
        if (sep == std::string::npos) {
            pieces.push_back(rest);
            break;
        }
        pieces.push_back(rest.substr(0, sep));
        rest.erase(0, sep + 1);
    }
    return pieces;
}

int32_t ComputePackSize(const std::string& packFilesDir, const std::string& packSetText,
                        const std::string& maskListText, TSectionAccount* account)
{
    std::vector<std::string> packList;
    for (const std::string& piece : SplitList(packSetText))
        packList.push_back(paths::AddPath(packFilesDir, piece));
    std::vector<std::string> masks = SplitList(maskListText);
    if (masks.empty())
        masks.push_back("*.*");
    return PackListSize(packList, masks, account);
}

namespace {

// Measures one pack file, and tells the account about it when there is one.
int32_t MeasurePackFile(const std::string& path, const std::vector<std::string>& masks, TSectionAccount* account)
{
    // Only the upper-case extension marks a block file.
    const std::string extension = paths::ExtractFileExt(path);
    const bool blockFile = extension == ".WRP";
    if (!account)
        return blockFile ? PackFileSize(path) : ZipFileSize(path, masks);
    TPackFileAccount& file = account->packFiles.emplace_back();
    const platform::TNameOnDisk found = platform::NameOnDisk(path);
    file.path = path;
    if (!found.sameButCase.empty()) {
        file.warnings.push_back(warning::SameButCase(path, found.sameButCase));
    } else if (found.otherCase) {
        file.path = found.path;  // as the disk has it
        file.notes.push_back(note::OtherCase(found.path, path));
    }
    file.kind = blockFile ? TPackKind::Wrp : TPackKind::Zip;
    if (!blockFile && platform::UpperCaseAscii(extension) == ".WRP")
        file.warnings.push_back(warning::WrpInOtherCase(path, extension));
    if (!blockFile)
        return ZipFileSize(path, masks, &file);
    bool empty = false;
    const int32_t size = PackFileSize(path, &empty);
    if (size != -1)
        file.bytes = size;
    if (empty)
        file.warnings.push_back(warning::EmptyPackFile(path));
    return size;
}

}  // namespace

int32_t PackListSize(const std::vector<std::string>& packList, const std::vector<std::string>& masks,
                     TSectionAccount* account)
{
    int32_t sum = 0;
    for (const std::string& path : packList) {
        int32_t size = MeasurePackFile(path, masks, account);
        if (size == -1)
            return -1;
        sum = CheckedAdd(sum, size);
    }
    return sum;
}

}  // namespace pk
