#pragma once
// The directory reader of ZIP pack files.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "zipreader/ArchiveStream.h"
#include "zipreader/EntryTable.h"
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

    // Tests choose a read buffer smaller than a header to send every header through the
    // record-by-record path.
    explicit TZipReader(size_t bufferSize = TBufferedStream::kDefaultBufferSize);
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

    int32_t EntryCount() const { return static_cast<int32_t>(entries.Count()); }
    // The leaf name and the uncompressed size of entry index; EListError outside the list.
    std::string EntryFileName(int32_t index) const;
    uint32_t EntryUncompressedSize(int32_t index) const;
    // All entries in data order, for a walk without a checked lookup each.
    const TEntryTable& Entries() const { return entries; }

    // The handler of part requests; DefaultNextPart unless replaced.
    TNextPartEvent OnNextPart;
    // Asks for a removable disk, or names the numbered part file.
    void DefaultNextPart(TZipReader& sender, int32_t partNumber, std::string& fileName);

    bool Rebuilt() const { return rebuilt; }
    int32_t DiskCount() const { return diskCount; }
    const TEndOfCentralDir& EndRecord() const { return endRecord; }

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
    // What became of a central header read straight from the read buffer.
    struct TBufferedHeader {
        enum class TOutcome : uint8_t { LeftToRecordPath, Added, Duplicate };
        TOutcome outcome = TOutcome::LeftToRecordPath;
        uint16_t extraLength = 0;
    };
    // The common case without a copy: a header that lies in the buffer whole, with its name,
    // extra field and comment, and a name of ASCII characters, which needs neither the OEM
    // conversion nor a split that minds two-byte characters.
    TBufferedHeader TakeBufferedCentralHeader();
    void MergeCentralHeader(const TZipEntryInfo& header);
    void SkipCentralTail(const TZipEntryInfo& header);
    void ReadSplitArchiveComment(bool fromCompanion);
    bool RebuildFromLocalHeaders();
    int64_t ScanForLocalHeader(int64_t from);
    void OpenPart(int32_t partNumber);
    bool PartLabelMatches(int32_t partNumber) const;
    std::string DriveRoot() const;
    size_t CheckedIndex(int32_t index) const;
    TBufferedStream& OpenNextPart();

    std::string zipName;
    TEntryTable entries;  // in data order once the directory is read
    bool directoryRead = false;
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
