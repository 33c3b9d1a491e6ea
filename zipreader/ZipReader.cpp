#include "zipreader/ZipReader.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>

#include "platform/AsciiCase.h"
#include "platform/Drives.h"
#include "platform/Exceptions.h"
#include "platform/LittleEndian.h"
#include "platform/Paths.h"
#include "platform/TextServices.h"
#include "platform/UserInterface.h"
#include "zipreader/Zip64.h"
#include "zipreader/ZipUtil.h"

namespace pk {

using platform::TSeekFrom;
using platform::TShare;

namespace {

constexpr const char* kNotAValidZipFile = "Not a valid zip file!";
constexpr const char* kZipFileFilter =
    "Zip Files (*.ZIP)|*.zip|SFX Files (*.EXE)|*.exe|Jar Files (*.JAR)|*.jar|All Files (*.*)|*.*";
// Self-extracting archives carry their program before the first entry.
constexpr int64_t kSelfExtractorStubSize = 14000;
constexpr int kMessagesEveryScannedBytes = 10240;
constexpr int kDataDescriptorSize = 16;

inline bool IsAscii(std::string_view text)
{
    uint64_t bits = 0;
    uint64_t word;
    size_t i = 0;
    for (; i + sizeof word <= text.size(); i += sizeof word) {
        std::memcpy(&word, text.data() + i, sizeof word);
        bits |= word;
    }
    if (i < text.size() && text.size() >= sizeof word) {
        // The last word again, overlapping the ones before, instead of byte by byte.
        std::memcpy(&word, text.data() + text.size() - sizeof word, sizeof word);
        bits |= word;
    } else {
        for (; i < text.size(); ++i)
            bits |= static_cast<uint8_t>(text[i]);
    }
    return (bits & 0x8080808080808080ull) == 0;
}

// Whether the OEM-to-ANSI conversion leaves every ASCII character as it is, as it does in
// the code pages in use; only then may ASCII names skip it.
bool OemConversionKeepsAscii()
{
    static const bool keeps = [] {
        std::string ascii(128, '\0');
        for (size_t i = 0; i < ascii.size(); ++i)
            ascii[i] = static_cast<char>(i);
        std::string converted = ascii;
        platform::OemToAnsi(converted);
        return converted == ascii;
    }();
    return keeps;
}

// Whether some byte starts a two-byte character in the code page, so that splitting a name
// must mind them.
bool AnyLeadByte()
{
    for (unsigned b = 0; b < 256; ++b)
        if (platform::IsLeadByte(static_cast<uint8_t>(b)))
            return true;
    return false;
}

}  // namespace

TZipReader::TZipReader(size_t bufferSize) : archiveFile(bufferSize)
{
    OnNextPart = [this](TZipReader& sender, int32_t partNumber, std::string& fileName) {
        DefaultNextPart(sender, partNumber, fileName);
    };
}

TZipReader::~TZipReader() = default;

void TZipReader::SetZipName(const std::string& name)
{
    if (platform::SameText(name, zipName))
        return;
    std::string chosen = name;
    if (!name.empty() && name.back() == '?') {
        std::string folder = paths::ExtractFileDir(name);
        platform::TFileDialogSpec dialog{"Open a Zip File", kZipFileFilter,
                                        platform::DirectoryExists(folder) ? folder : "C:\\"};
        if (!platform::UI().ChooseFile(dialog, chosen))
            throw EUserCanceled("User canceled setting zip file name.");
    }
    zipName = chosen;
    FreeEntries();
    loadedFileTime = 0;
    endRecord.Reset();
    archiveFile.Close();
    rebuilt = false;
}

void TZipReader::FreeEntries()
{
    entries.Clear();
    directoryRead = false;
}

void TZipReader::ClearDirectory()
{
    archiveFile.Close();
    source = &archiveFile;
    FreeEntries();
    endRecord.Reset();
    rebuilt = false;
    entrySource = TEntrySource::NoEndRecord;
    loadedFileTime = 0;
    diskCount = 1;
    partMode = TPartMode::SinglePart;
    zipName.clear();
}

void TZipReader::LoadDirectory()
{
    platform::TBusyCursor busy;
    try {
        if (!archiveFile.IsOpen())
            archiveFile.Open(zipName, TShare::DenyWrite);
        if (!directoryRead || archiveFile.DosModificationTime() != loadedFileTime)
            ReadCentralDirectory();
    } catch (...) {
        ClearDirectory();
        throw;
    }
    archiveFile.Close();
}

size_t TZipReader::CheckedIndex(int32_t index) const
{
    if (index < 0 || index >= EntryCount())
        throw EListError(zip::IndexOutOfRangeText(index));
    return static_cast<size_t>(index);
}

std::string TZipReader::EntryFileName(int32_t index) const
{
    return std::string(entries.LeafName(CheckedIndex(index)));
}

uint64_t TZipReader::EntryUncompressedSize(int32_t index) const
{
    return entries.UncompressedSize(CheckedIndex(index));
}

bool TZipReader::EndRecordUsable()
{
    // A directory 2 GB or more into the file is read where the file holds it.
    const uint64_t offset = endRecord.CentralDirOffset;
    return endRecord.ThisDisk <= 999 && endRecord.CentralDirDisk <= 999 &&
           endRecord.CentralDirDisk <= endRecord.ThisDisk &&
           (offset < 0x80000000u || offset < static_cast<uint64_t>(archiveFile.Size()));
}

bool TZipReader::FindCompanion(TArchiveStream& companion)
{
    std::string name = paths::ChangeFileExt(zipName, ".zfc");
    if (!platform::FileExists(name))
        return false;
    companion.Open(name, TShare::Exclusive);
    if (endRecord.FindEndRecord(companion))
        return true;
    companion.Close();
    return false;
}

std::string TZipReader::DriveRoot() const
{
    return platform::UpperCaseAscii(zipName.substr(0, 3));
}

TZipReader::TPartMode TZipReader::PartModeOf(uint32_t thisDisk) const
{
    if (thisDisk == 0)
        return TPartMode::SinglePart;
    std::string root = DriveRoot();
    if (root.size() < 2 || root[1] != ':')
        return TPartMode::NumberedFiles;
    return platform::Drives().IsRemovable(root) ? TPartMode::RemovableDisks : TPartMode::NumberedFiles;
}

void TZipReader::ReadCentralDirectory()
{
    loadedFileTime = archiveFile.DosModificationTime();
    FreeEntries();
    rebuilt = false;  // a rebuild of the last read says nothing about this one
    countWrapped = false;
    entrySource = TEntrySource::NoEndRecord;
    emptyArchive = archiveFile.Size() == 0;
    bool found = endRecord.FindEndRecord(archiveFile) && EndRecordUsable();
    TArchiveStream companion;
    bool fromCompanion = !found && FindCompanion(companion);
    // The companion lives only for this read; no pointer to it may outlast it.
    struct TSourceReset {
        TZipReader& reader;
        ~TSourceReset() { reader.source = &reader.archiveFile; }
    } sourceReset{*this};
    if (fromCompanion) {
        found = true;
        source = &companion;
    }
    if (!found)
        return;  // an archive without entries, read again next time
    currentDisk = fromCompanion ? 0 : static_cast<int32_t>(endRecord.ThisDisk);
    partMode = PartModeOf(endRecord.ThisDisk);
    entrySource = fromCompanion                          ? TEntrySource::Companion
                  : partMode != TPartMode::SinglePart ? TEntrySource::Parts
                  : endRecord.Zip64                   ? TEntrySource::Zip64Record
                                                      : TEntrySource::CentralDirectory;
    if (endRecord.TotalEntries != 0) {
        if (!fromCompanion && partMode != TPartMode::SinglePart && static_cast<int32_t>(endRecord.CentralDirDisk) != currentDisk)
            OpenPart(static_cast<int32_t>(endRecord.CentralDirDisk) + 1);
        source->Seek(fromCompanion ? 0 : static_cast<int64_t>(endRecord.CentralDirOffset), TSeekFrom::Begin);
    }
    directoryRead = true;
    ReadEntries(fromCompanion ? 0 : static_cast<int64_t>(endRecord.CentralDirOffset));
    ReadSplitArchiveComment(fromCompanion);
    diskCount = static_cast<int32_t>(endRecord.ThisDisk + 1);
    currentDisk = fromCompanion ? 0 : static_cast<int32_t>(endRecord.ThisDisk);
}

// Inlined into the directory read's loop, where most headers take the fast case.
[[gnu::always_inline]] inline std::optional<TZipReader::TListedEntry> TZipReader::ReadCentralHeader(
    TZipEntryInfo& record, const TNextPartRequest& nextPart)
{
    std::span<const uint8_t> bytes = source->Peek(kCentralHeaderSize);
    if (!bytes.empty() && le::GetU32(bytes.data()) == kCentralHeaderSignature) {
        TCentralHeader central(bytes.data(), OEMConvert);
        const size_t nameEnd = size_t{kCentralHeaderSize} + central.nameLength;
        if (bytes.size() < nameEnd + central.extraLength)
            bytes = source->Peek(nameEnd + central.extraLength);
        const uint8_t* h = bytes.data();
        const std::string_view name =
            h ? std::string_view(reinterpret_cast<const char*>(h + kCentralHeaderSize), central.nameLength) : "";
        const bool asStored =
            central.oemName ? IsAscii(name) && OemConversionKeepsAscii() : !twoByteCodePage || IsAscii(name);
        if (h && asStored) {
            if (central.NeedsZip64Extra())
                central.TakeZip64Extra(h + nameEnd, central.extraLength);
            source->Skip(nameEnd);
            return TListedEntry{central.Key(), central.values.uncompressedSize, name, TNameForm::Path,
                                central.extraLength, central.commentLength};
        }
    }
    return ReadCentralRecord(record, nextPart);
}

std::optional<TZipReader::TListedEntry> TZipReader::ReadCentralRecord(TZipEntryInfo& record,
                                                                     const TNextPartRequest& nextPart)
{
    if (!record.ReadCentralHeader(*source, nextPart))
        return std::nullopt;
    return TListedEntry{TEntryTable::KeyOf(record.DiskNumberStart, record.LocalHeaderOffset), record.UncompressedSize,
                        record.LeafName, TNameForm::Leaf, record.CentralExtraLength, record.FileCommentLength};
}

void TZipReader::ReadEntries(int64_t directoryStart)
{
    // Two central headers that name the same local header are found where the entries are
    // put into data order. A split archive's next part is opened only while no two entries
    // read so far do: where two do, the rebuild follows as it would at the second of them.
    const TNextPartRequest nextPart = [this]() { return entries.SortByKey() ? OpenNextPart() : nullptr; };
    const TNextPartRequest noRequest;
    // The directory's size less its fixed header parts bounds the names; the file's size
    // bounds a size field or a count that lies.
    const uint64_t directoryBytes = std::min(endRecord.CentralDirSize, static_cast<uint64_t>(source->Size()));
    const uint64_t headers = std::min<uint64_t>(endRecord.TotalEntries, directoryBytes / kCentralHeaderSize);
    entries.Reserve(static_cast<size_t>(headers), static_cast<size_t>(directoryBytes - headers * kCentralHeaderSize));
    uint64_t s = 0;
    // The extra field length of the entry just added, which its central header may announce
    // without carrying it.
    uint16_t rememberedExtra = 0;
    // Parts are asked for while the central headers are read, not in the merge pass.
    const TNextPartRequest* request = partMode != TPartMode::SinglePart ? &nextPart : &noRequest;
    bool merging = false;
    uint64_t headersToRead = endRecord.TotalEntries;
    // Two central headers that name the same local header, or one that cannot be read: the
    // local headers are trusted instead, and the central headers after them merged in.
    auto restartFromLocalHeaders = [&] {
        if (!RebuildFromLocalHeaders())
            throw EBadZipFile(kNotAValidZipFile);
        s = 0;
        rememberedExtra = 0;
        request = &noRequest;
        merging = true;
        headersToRead = endRecord.TotalEntries;
        countWrapped = false;
    };
    twoByteCodePage = AnyLeadByte();
    TZipEntryInfo record(OEMConvert);
    for (;;) {
        if (s == headersToRead) {
            if (!merging)
                ReadPastTheCount(record, directoryStart);
            if (merging || entries.SortByKey())
                return;
            restartFromLocalHeaders();
            continue;
        }
        std::optional<TListedEntry> entry = ReadCentralHeader(record, *request);
        if (!entry && rememberedExtra != 0) {
            source->Seek(-static_cast<int64_t>(rememberedExtra), TSeekFrom::Current);
            entry = ReadCentralHeader(record, *request);
        }
        rememberedExtra = 0;

        if (merging) {
            if (!entry)
                return;
            MergeCentralHeader(*entry);
            ++s;
            continue;
        }
        if (!entry) {
            if (partMode != TPartMode::SinglePart && entries.SortByKey())
                throw EBadZipFile(kNotAValidZipFile);
            restartFromLocalHeaders();
            continue;
        }
        entries.Add(entry->key, entry->uncompressedSize, entry->name, entry->form);
        SkipCentralTail(*entry);
        rememberedExtra = entry->extraLength;
        ++s;
    }
}

void TZipReader::ReadPastTheCount(TZipEntryInfo& record, int64_t directoryStart)
{
    // A classic count field holds the count modulo 65,536, as older writers leave it past
    // 65,535 entries. The central headers that still fill the directory are read on; they
    // stay only where they fill it exactly and agree with the count.
    if (endRecord.Zip64 || partMode != TPartMode::SinglePart)
        return;
    if (endRecord.TotalEntries == 0)
        source->Seek(directoryStart, TSeekFrom::Begin);  // a count of 0 sought nothing
    const int64_t directoryEnd = directoryStart + static_cast<int64_t>(endRecord.CentralDirSize);
    int64_t at = source->Position();
    if (at >= directoryEnd)
        return;
    const TEntryTable::TFill counted = entries.Fill();
    const TNextPartRequest noRequest;
    uint64_t more = 0;
    while (at < directoryEnd) {
        std::optional<TListedEntry> entry = ReadCentralHeader(record, noRequest);
        if (!entry)
            break;
        const int64_t next = source->Position() + entry->extraLength + entry->commentLength;
        if (next > directoryEnd)
            break;
        entries.Add(entry->key, entry->uncompressedSize, entry->name, entry->form);
        SkipCentralTail(*entry);
        at = next;
        ++more;
    }
    countWrapped = at == directoryEnd && more != 0 && more % 0x10000 == 0;
    if (!countWrapped)
        entries.BackTo(counted);
}

void TZipReader::MergeCentralHeader(const TListedEntry& header)
{
    auto index = entries.Find(header.key);
    if (!index)
        return;
    entries.Replace(*index, header.uncompressedSize, header.name, header.form);
    SkipCentralTail(header);
}

void TZipReader::SkipCentralTail(const TListedEntry& header)
{
    source->Skip(size_t{header.extraLength} + header.commentLength);
}

void TZipReader::ReadSplitArchiveComment(bool fromCompanion)
{
    if (partMode == TPartMode::SinglePart || endRecord.CommentLength == 0)
        return;
    if (!fromCompanion && static_cast<int32_t>(endRecord.ThisDisk) != currentDisk)
        OpenPart(static_cast<int32_t>(endRecord.ThisDisk) + 1);
    source->Seek(endRecord.CommentOffset, TSeekFrom::Begin);
    std::string comment(endRecord.CommentLength, '\0');
    comment.resize(source->Read(comment.data(), comment.size()));
    endRecord.Comment = comment;
}

bool TZipReader::RebuildFromLocalHeaders()
{
    if (rebuilt)
        return false;
    rebuilt = true;
    FreeEntries();
    // Only the archive holds local headers, also where a companion gave the end record.
    source = &archiveFile;
    int64_t start = platform::UpperCaseAscii(paths::ExtractFileExt(zipName)) == ".EXE" ? kSelfExtractorStubSize : 0;
    int64_t first = ScanForLocalHeader(start);
    if (first < 0)
        return false;
    source->Seek(first, TSeekFrom::Begin);
    directoryRead = true;
    for (;;) {
        TZipEntryInfo entry(OEMConvert);
        if (!entry.ReadLocalHeader(*source))
            break;
        int64_t skip = static_cast<int64_t>(entry.CompressedSize) + entry.LocalExtraLength +
                       ((entry.BitFlag & 0x08) ? kDataDescriptorSize : 0);
        // Local headers are read forward only: their keys rise, and none repeats.
        entries.Add(TEntryTable::KeyOf(entry.DiskNumberStart, entry.LocalHeaderOffset), entry.UncompressedSize,
                    entry.LeafName, TNameForm::Leaf);
        // Only overlapping headers skip backwards; following them would read the same bytes
        // again and again, each time as a new entry with a name of up to 64 KB.
        if (skip < 0)
            break;
        source->Seek(skip, TSeekFrom::Current);
    }
    endRecord.ThisDisk = 0;
    currentDisk = 0;
    endRecord.CentralDirOffset = static_cast<uint64_t>(source->Position());
    // A classic count is 16 bits wide.
    endRecord.TotalEntries = endRecord.Zip64 ? entries.Count() : static_cast<uint16_t>(entries.Count());
    diskCount = 1;
    entrySource = TEntrySource::LocalHeaders;
    return true;
}

int64_t TZipReader::ScanForLocalHeader(int64_t from)
{
    // A signature followed by a plausible version-needed field (high byte below 10). Each
    // chunk carries the five bytes after its last position so that no pattern is cut.
    constexpr size_t kChunk = 8192;
    constexpr size_t kLookahead = 5;
    std::vector<uint8_t> chunk(kChunk + kLookahead);
    int64_t otherBytes = 0;
    for (int64_t at = from;; at += kChunk) {
        source->Seek(at, TSeekFrom::Begin);
        size_t got = source->Read(chunk.data(), chunk.size());
        size_t positions = got == chunk.size() ? kChunk : got;
        for (size_t i = 0; i < positions; ++i) {
            const uint8_t* p = chunk.data() + i;
            if (*p != 0x50) {
                if (++otherBytes % kMessagesEveryScannedBytes == 0 && DoProcessMessages)
                    platform::UI().ProcessMessages();
                continue;
            }
            if (i + 6 <= got && le::GetU32(p) == kLocalHeaderSignature && p[zipfield::kLocalVersionNeededHigh] < 10)
                return at + static_cast<int64_t>(i);
        }
        if (got < chunk.size())
            return -1;
    }
}

TBufferedStream* TZipReader::OpenNextPart()
{
    OpenPart(currentDisk + 2);
    source = &archiveFile;
    return &archiveFile;
}

void TZipReader::OpenPart(int32_t partNumber)
{
    archiveFile.Close();
    std::string candidate = zipName;
    for (;;) {
        OnNextPart(*this, partNumber, candidate);
        if (checkPartLabels && !candidate.empty() && !PartLabelMatches(partNumber))
            continue;
        if (candidate.empty())
            throw EUserCanceled("User canceled loading new disk.");
        // Only a disk can still be inserted; a missing numbered part fails to open below
        // instead of being asked for again and again.
        if (platform::FileExists(candidate) || partMode != TPartMode::RemovableDisks)
            break;
    }
    archiveFile.Open(candidate, TShare::Exclusive);
    currentDisk = partNumber - 1;
    loadedFileTime = archiveFile.DosModificationTime();
    zipName = candidate;
}

void TZipReader::DefaultNextPart(TZipReader& sender, int32_t partNumber, std::string& fileName)
{
    if (sender.PartMode() != TPartMode::RemovableDisks) {
        fileName = paths::ChangeFileExt(fileName, std::string(".").append(zip::ThreeDigits(partNumber)));
        return;
    }
    platform::TBusyCursor arrow(platform::TCursor::Default);
    platform::TMessageBoxSpec box;
    // Appended piece by piece: MinGW's g++ 12 misreads the temporaries of "text" + string.
    box.text = "Please insert disk ";
    box.text += std::to_string(partNumber);
    box.text += " of the multi-disk set.";
    box.buttons = platform::TBoxButtons::OKCancel;
    box.ownerless = true;
    if (platform::UI().ShowMessageBox(box) == platform::TBoxResult::Cancel)
        fileName.clear();
}

bool TZipReader::PartLabelMatches(int32_t partNumber) const
{
    if (partMode != TPartMode::RemovableDisks)
        return true;
    std::string label = platform::Drives().VolumeLabel(DriveRoot()).substr(0, 11);
    return label.size() >= 3 && label.compare(label.size() - 3, 3, zip::ThreeDigits(partNumber)) == 0;
}

}  // namespace pk
