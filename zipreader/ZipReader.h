#pragma once
// The directory reader of ZIP pack files.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "zipreader/ArchiveStream.h"
#include "zipreader/EntrySink.h"
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

// Takes the entries of a straight read one by one (LeafOf gives the leaf name).
class TEntryVisitor {
public:
    // False stops the read.
    virtual bool Visit(std::string_view name, TEntrySink::TNameForm form, uint64_t uncompressedSize) = 0;

protected:
    ~TEntryVisitor() = default;
};

// Reads the directory of one archive: its entries in the order of their data, with the
// name and uncompressed size of each. Follows split archives, falls back on the local
// headers when the central directory is damaged.
class TZipReader {
public:
    enum class TPartMode : uint8_t { SinglePart = 0, RemovableDisks = 1, NumberedFiles = 2 };

    // A directory is read straight through: a large buffer costs few reads. Tests choose one
    // smaller than a header to send every header through the record-by-record path.
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

    // Reads the directory of a single-part archive once, handing each entry to the visitor in
    // the order the directory lists them, and keeps none. Where the keys keep one direction,
    // the entries visited are those LoadDirectory lists, in its order or the reverse.
    // NotStraight, after some entries or none, where LoadDirectory would do more (parts, a
    // companion file, a rebuild from the local headers), where the order turns or the visitor
    // stops; LoadDirectory then gives the entries. Errors are those of LoadDirectory.
    TListedOrder VisitDirectory(TEntryVisitor& visitor);

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
    // Where the last read found the entries, and whether the archive was an empty file.
    TEntrySource Source() const { return entrySource; }
    bool EmptyArchive() const { return emptyArchive; }
    int32_t DiskCount() const { return diskCount; }
    const TEndOfCentralDir& EndRecord() const { return endRecord; }

    bool DoProcessMessages = true;
    bool OEMConvert = true;

private:
    void FreeEntries();
    void ClearDirectory();
    // The one directory read, for the table and for a straight read alike: opens the archive,
    // puts its entries into sink, closes it, and says how the entries met their data.
    TListedOrder ReadDirectory(TEntrySink& sink);
    TListedOrder ReadCentralDirectory(TEntrySink& sink);
    bool EndRecordUsable();
    bool FindCompanion(TArchiveStream& companion);
    TPartMode PartModeOf(uint32_t thisDisk) const;
    TListedOrder ReadEntries(TEntrySink& sink);
    // The common case without a copy: headers that lie in the buffer whole, with their names,
    // extra fields and comments, and names of ASCII characters, which need neither the OEM
    // conversion nor a split that minds two-byte characters, ZIP64 extra fields read in place. Takes as many in a row as there
    // are, up to the directory's count, counting them in taken and remembering the extra field
    // length of the last; the next header, if any, is left to the record path. False when it
    // stopped at a duplicate.
    bool TakeBufferedCentralHeaders(TEntrySink& sink, uint64_t& taken, uint16_t& lastExtraLength);
    // The key and size of a buffered central header whose all-ones fields its ZIP64 extra
    // field replaces.
    static void TakeZip64Extra(const uint8_t* header, uint16_t nameLength, uint64_t& key, uint64_t& size);
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
    TEntrySource entrySource = TEntrySource::NoEndRecord;
    bool emptyArchive = false;
    int32_t currentDisk = 0;
    int32_t diskCount = 1;
    TPartMode partMode = TPartMode::SinglePart;
    bool checkPartLabels = true;
};

}  // namespace pk
