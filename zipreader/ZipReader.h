#pragma once
// The directory reader of ZIP pack files.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zipreader/ArchiveStream.h"
#include "zipreader/EntrySource.h"
#include "zipreader/EntryTable.h"
#include "zipreader/LeafName.h"
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

    // A directory is read straight through: a large buffer costs few reads. Tests choose one
    // smaller than a header to send every header through TZipEntryInfo::ReadCentralHeader.
    static constexpr size_t kDirectoryBufferSize = 64 * 1024;
    explicit TZipReader(size_t bufferSize = kDirectoryBufferSize);
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
    uint64_t EntryUncompressedSize(int32_t index) const;
    // All entries in data order, for a walk without a checked lookup each.
    const TEntryTable& Entries() const { return entries; }

    // The handler of part requests; DefaultNextPart unless replaced.
    TNextPartEvent OnNextPart;
    // Asks for a removable disk, or names the numbered part file.
    void DefaultNextPart(TZipReader& sender, int32_t partNumber, std::string& fileName);

    bool Rebuilt() const { return rebuilt; }
    // The directory held more central headers than its classic count field says, by a
    // multiple of 65,536, and all were read.
    bool CountWrapped() const { return countWrapped; }
    // Where the last read found the entries, and whether the archive was an empty file.
    TEntrySource Source() const { return entrySource; }
    bool EmptyArchive() const { return emptyArchive; }
    int32_t DiskCount() const { return diskCount; }
    const TEndOfCentralDir& EndRecord() const { return endRecord; }

    bool DoProcessMessages = true;
    bool OEMConvert = true;

private:
    // One central header as the directory read takes it; the name lies in the read buffer or
    // in the record, until the next header is read.
    struct TListedEntry {
        uint64_t key;
        uint64_t uncompressedSize;
        std::string_view name;
        TNameForm form;
        uint16_t extraLength;
        uint16_t commentLength;
    };

    void FreeEntries();
    void ClearDirectory();
    void ReadCentralDirectory();
    bool EndRecordUsable();
    bool FindCompanion(TArchiveStream& companion);
    TPartMode PartModeOf(uint32_t thisDisk) const;
    void ReadEntries(int64_t directoryStart);
    void ReadPastTheCount(TZipEntryInfo& record, int64_t directoryStart);
    // Reads the central header at the source's position and leaves the source after its name.
    // The common case without a copy: a header that lies in the buffer whole up to its extra
    // field, with a name that needs neither the OEM conversion (not from an MS-DOS host, or all
    // ASCII) nor a split that minds two-byte characters (none in the code page, or all ASCII),
    // kept as the stored path. Every other header goes through the record.
    std::optional<TListedEntry> ReadCentralHeader(TZipEntryInfo& record, const TNextPartRequest& nextPart);
    std::optional<TListedEntry> ReadCentralRecord(TZipEntryInfo& record, const TNextPartRequest& nextPart);
    void MergeCentralHeader(const TListedEntry& header);
    void SkipCentralTail(const TListedEntry& header);
    void ReadSplitArchiveComment(bool fromCompanion);
    bool RebuildFromLocalHeaders();
    int64_t ScanForLocalHeader(int64_t from);
    void OpenPart(int32_t partNumber);
    bool PartLabelMatches(int32_t partNumber) const;
    std::string DriveRoot() const;
    size_t CheckedIndex(int32_t index) const;
    TBufferedStream* OpenNextPart();

    std::string zipName;
    TEntryTable entries;  // in data order once the directory is read
    bool directoryRead = false;
    TEndOfCentralDir endRecord;
    TArchiveStream archiveFile;
    TBufferedStream* source = &archiveFile;  // where the directory is read: archive or companion
    uint32_t loadedFileTime = 0;
    bool rebuilt = false;
    TEntrySource entrySource = TEntrySource::NoEndRecord;
    bool emptyArchive = false;
    int32_t currentDisk = 0;
    int32_t diskCount = 1;
    TPartMode partMode = TPartMode::SinglePart;
    bool checkPartLabels = true;
    bool twoByteCodePage = false;  // of the directory read under way
    bool countWrapped = false;
};

}  // namespace pk
