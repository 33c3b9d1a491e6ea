#include "measure/PackSet.h"

#include "measure/WrpFile.h"
#include "measure/ZipFileSize.h"
#include "platform/Exceptions.h"
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
                        const std::string& maskListText)
{
    std::vector<std::string> packList;
    for (const std::string& piece : SplitList(packSetText))
        packList.push_back(paths::AddPath(packFilesDir, piece));
    std::vector<std::string> masks = SplitList(maskListText);
    if (masks.empty())
        masks.push_back("*.*");
    return PackListSize(packList, masks);
}

int32_t PackListSize(const std::vector<std::string>& packList, const std::vector<std::string>& masks)
{
    int32_t sum = 0;
    for (const std::string& path : packList) {
        // Only the upper-case extension marks a block file.
        int32_t size = paths::ExtractFileExt(path) == ".WRP" ? PackFileSize(path) : ZipFileSize(path, masks);
        if (size == -1)
            return -1;
        sum = CheckedAdd(sum, size);
    }
    return sum;
}

}  // namespace pk
