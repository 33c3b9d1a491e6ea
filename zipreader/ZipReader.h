#pragma once
// The directory reader of ZIP pack files.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "zipreader/ArchiveStream.h"
#include "zipreader/SortedList.h"
#include "zipreader/ZipErrors.h"
#include "zipreader/ZipRecords.h"

namespace pk {

class TZipReader;

// Asks for part partNumber (1-based) of a split archive: fileName holds the current archive
// name on entry and the file to open on return; empty means the user gave up.
using TNextPartEvent = std::function<void(TZipReader& sender, int32_t partNumber, std::string& fileName)>;

// Reads the directory of one archive: its entries in the order of their data, with the
// name and uncompressed size of each. Follows split archives, falls back on the local
// headers when the central directory is damaged.
class TZipReader {
public:
    enum class TPartMode : uint8_t { SinglePart = 0, RemovableDisks = 1, NumberedFiles = 2 };

    TZipReader();
    virtual ~TZipReader();
    TZipReader(const TZipReader&) = delete;
    TZipReader& operator=(const TZipReader&) = delete;

    const std::string& ZipName() const { return zipName; }
    // Names the archive. A name ending in "?" asks the user for the file; cancelling raises
    // EUserCanceled and changes nothing.
    virtual void SetZipName(const std::string& name);
    virtual bool CheckPartLabels() const { return checkPartLabels; }
    virtual void SetCheckPartLabels(bool check) { checkPartLabels = check; }
    virtual TPartMode PartMode() const { return partMode; }
    virtual void SetPartMode(TPartMode mode) { partMode = mode; }

    // Opens the archive, reads its directory and closes it again. An archive without an end
    // record loads as empty; every other failure clears the reader and is raised again.
    void LoadDirectory();

    int32_t EntryCount() const { return entryList ? entryList->Count() : 0; }
    // The leaf name and the uncompressed size of entry index; EListError outside the list.
    std::string EntryFileName(int32_t index) const;
    uint32_t EntryUncompressedSize(int32_t index) const;

    // The handler of part requests; DefaultNextPart unless replaced.
    TNextPartEvent OnNextPart;
    // Asks for a removable disk, or names the numbered part file.
    void DefaultNextPart(TZipReader& sender, int32_t partNumber, std::string& fileName);

    bool Rebuilt() const { return rebuilt; }
    int32_t DiskCount() const { return diskCount; }
    const TEndOfCentralDir& EndRecord() const { return endRecord; }
    // The whole record of entry index; EListError outside the list.
    const TZipEntryInfo& Entry(int32_t index) const;

    bool DoProcessMessages = true;
    bool OEMConvert = true;

private:
    void FreeEntries();
    void ClearDirectory();
    void ReadCentralDirectory();
    bool EndRecordUsable() const;
    bool FindCompanion(TArchiveStream& companion);
    TPartMode PartModeOf(uint16_t thisDisk) const;
    void ReadEntries();
    void MergeCentralHeader(const TZipEntryInfo& header);
    void SkipCentralTail(const TZipEntryInfo& header);
    void ReadSplitArchiveComment(bool fromCompanion);
    bool RebuildFromLocalHeaders();
    int64_t ScanForLocalHeader(int64_t from);
    void OpenPart(int32_t partNumber);
    bool PartLabelMatches(int32_t partNumber) const;
    std::string DriveRoot() const;
    TBufferedStream& OpenNextPart();

    std::string zipName;
    std::unique_ptr<TSortedEntries> entryList;  // in data order, which is also the sorted view
    TEndOfCentralDir endRecord;
    TArchiveStream archiveFile;
    TBufferedStream* source = &archiveFile;  // where the directory is read: archive or companion
    uint32_t loadedFileTime = 0;
    bool rebuilt = false;
    int32_t currentDisk = 0;
    int32_t diskCount = 1;
    TPartMode partMode = TPartMode::SinglePart;
    bool checkPartLabels = true;
};

}  // namespace pk
