// Archives written at test time by Info-ZIP's zip and by Python's zipfile, measured by the
// reader and by the writers' own listing tools.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "measure/ZipFileSize.h"
#include "tests/support/TempDir.h"
#include "zipreader/ZipReader.h"

namespace pk::testing {
namespace {

std::string RunShell(const std::string& command)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << command;
    return out;
}

struct TListed {
    std::string name;
    uint64_t size;
    bool operator==(const TListed&) const = default;
};

// "zipinfo -l": permissions, version, host, size, kind, compressed size, method, date, time, name.
std::vector<TListed> ZipInfoListing(const std::string& zip)
{
    std::vector<TListed> entries;
    std::istringstream lines(RunShell("zipinfo -l '" + zip + "'"));
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::vector<std::string> f;
        std::string field;
        while (f.size() < 9 && fields >> field)
            f.push_back(field);
        if (f.size() < 9 || f[0].size() != 10 || f[1].find('.') == std::string::npos)
            continue;
        std::string name;
        std::getline(fields >> std::ws, name);
        entries.push_back({name, std::stoull(f[3])});
    }
    return entries;
}

std::vector<TListed> PythonListing(const std::string& zip)
{
    std::vector<TListed> entries;
    std::istringstream lines(RunShell("python3 -c 'import sys, zipfile\n"
                                 "for i in zipfile.ZipFile(sys.argv[1]).infolist(): print(i.file_size, i.filename)' '" +
                                 zip + "'"));
    uint64_t size;
    std::string name;
    while (lines >> size && std::getline(lines >> std::ws, name))
        entries.push_back({name, size});
    return entries;
}

std::string Leaf(const std::string& name)
{
    size_t slash = name.find_last_of('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

bool EndsWithTxt(const std::string& leaf)
{
    if (leaf.size() < 4)
        return false;
    std::string tail = leaf.substr(leaf.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".txt";
}

// Compares the reader with a listing for "*", "*.txt" and one exact leaf name.
void ExpectSameTotals(const std::string& zip, const std::vector<TListed>& listing, const std::string& someLeaf)
{
    ASSERT_FALSE(listing.empty()) << zip;
    uint64_t all = 0, txt = 0, named = 0;
    for (const TListed& e : listing) {
        all += e.size;
        txt += EndsWithTxt(Leaf(e.name)) ? e.size : 0;
        named += Leaf(e.name) == someLeaf ? e.size : 0;
    }
    EXPECT_EQ(static_cast<uint64_t>(ZipFileSize(zip, {"*"})), all) << zip;
    EXPECT_EQ(static_cast<uint64_t>(ZipFileSize(zip, {"*.txt"})), txt) << zip;
    EXPECT_EQ(static_cast<uint64_t>(ZipFileSize(zip, {someLeaf})), named) << zip;
    TZipReader reader;
    reader.SetZipName(zip);
    reader.LoadDirectory();
    EXPECT_EQ(reader.EntryCount(), static_cast<int32_t>(listing.size())) << zip;
    EXPECT_FALSE(reader.Rebuilt()) << zip;
}

class RealWritersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.Write("src/readme.txt", std::string("read me first\n"));
        dir.Write("src/sub/deep/notes.TXT", std::string(5000, 'n'));
        dir.Write("src/sub/random.bin", Pseudorandom(70000));
        dir.Write("src/sub/empty.txt", std::string());
    }
    static std::string Pseudorandom(size_t n)
    {
        std::string bytes(n, '\0');
        uint32_t x = 12345;
        for (char& c : bytes) {
            x = x * 1103515245u + 12345u;
            c = static_cast<char>(x >> 24);
        }
        return bytes;
    }
    std::string Sh(const std::string& command) { return RunShell("cd '" + dir.Path() + "' && " + command); }

    TTempDir dir;
};

TEST_F(RealWritersTest, InfoZipArchives)
{
    // Deflated and stored entries with directory entries, an archive comment, and an entry
    // streamed from standard input, which gets a data descriptor.
    Sh("cd src && zip -q -r ../deflated.zip . && zip -q -0 -r ../stored.zip .");
    Sh("cd src && echo 'the comment' | zip -q -z ../deflated.zip");
    Sh("head -c 30000 src/sub/random.bin | zip -q deflated.zip -");
    Sh("cd src && zip -q -D -r ../nodirs.zip sub");
    for (const char* name : {"deflated.zip", "stored.zip", "nodirs.zip"})
        ExpectSameTotals(dir.File(name), ZipInfoListing(dir.File(name)), "notes.TXT");
    EXPECT_EQ(ZipFileSize(dir.File("deflated.zip"), {"-"}), 30000) << "the streamed entry";
}

TEST_F(RealWritersTest, PythonArchives)
{
    RunShell("cd '" + dir.Path() + "' && python3 - <<'EOF'\n"
        "import zipfile, os\n"
        "with zipfile.ZipFile('py.zip', 'w', zipfile.ZIP_DEFLATED) as z:\n"
        "    z.comment = b'archive comment'\n"
        "    for root, dirs, files in os.walk('src'):\n"
        "        z.write(root, os.path.relpath(root, 'src') + '/')\n"
        "        for f in files:\n"
        "            z.write(os.path.join(root, f), os.path.relpath(os.path.join(root, f), 'src'))\n"
        "    info = zipfile.ZipInfo('commented/file.txt')\n"
        "    info.comment = b'a file comment'\n"
        "    info.extra = b'\\x99\\x99\\x04\\x00abcd'\n"
        "    z.writestr(info, 'x' * 1234, zipfile.ZIP_STORED)\n"
        "    with z.open('streamed/big.txt', 'w') as w:\n"
        "        w.write(b'y' * 100000)\n"
        "EOF");
    ExpectSameTotals(dir.File("py.zip"), PythonListing(dir.File("py.zip")), "big.txt");
    EXPECT_EQ(ZipFileSize(dir.File("py.zip"), {"file.txt"}), 1234);
}

// More entries than a classic end record can count, from each writer, also behind a stub;
// Python's forced ZIP64 headers; classic records whose count fields hold the count modulo
// 65,536. A classic count of 65,535 that disagrees with the directory is read as it stands.
TEST_F(RealWritersTest, ArchivesOfMoreThan65535Entries)
{
    Sh("python3 - <<'EOF'\n"
       "import os, zipfile\n"
       "os.makedirs('many')\n"
       "for i in range(70000):\n"
       "    open('many/f%d.txt' % i, 'w').write('x' * (i % 7))\n"
       "with zipfile.ZipFile('py64.zip', 'w') as z:\n"
       "    for i in range(70000):\n"
       "        z.writestr('d%d/f%d.txt' % (i % 9, i), 'y' * (i % 5))\n"
       "with zipfile.ZipFile('forced.zip', 'w', zipfile.ZIP_DEFLATED) as z:\n"
       "    for name in ('a.txt', 'b/c.txt'):\n"
       "        with z.open(name, 'w', force_zip64=True) as w:\n"
       "            w.write(b'z' * 3000)\n"
       "# The same 70,000 entries with the locator's signature gone: a classic count of 65,535.\n"
       "data = bytearray(open('py64.zip', 'rb').read())\n"
       "at = data.rindex(b'PK\\x06\\x07')\n"
       "data[at:at + 4] = b'XXXX'\n"
       "open('classic65535.zip', 'wb').write(data)\n"
       "# Classic records only: the ZIP64 end record and its locator gone, the count fields\n"
       "# holding 70,000 modulo 65,536, as older writers leave them.\n"
       "data = open('py64.zip', 'rb').read()\n"
       "wide, end = data.rindex(b'PK\\x06\\x06'), data.rindex(b'PK\\x05\\x06')\n"
       "classic = bytearray(data[:wide] + data[end:])\n"
       "classic[wide + 8:wide + 12] = (70000 % 65536).to_bytes(2, 'little') * 2\n"
       "open('wrapped.zip', 'wb').write(classic)\n"
       "EOF");
    Sh("zip -q -r infozip64.zip many && 7z a -tzip -bd -bso0 p7zip64.zip many");
    for (const char* name : {"py64.zip", "forced.zip", "infozip64.zip", "p7zip64.zip"}) {
        const std::vector<TListed> listing = PythonListing(dir.File(name));
        EXPECT_EQ(listing, ZipInfoListing(dir.File(name))) << name;
        ExpectSameTotals(dir.File(name), listing, "f69999.txt");
    }
    // Each writer's ZIP64 archive behind a stub that its offsets leave out, as a tool that
    // prepends one leaves it, measures as the archive alone.
    Sh("head -c 4096 /dev/zero > stub && for a in py64 infozip64 p7zip64; do cat stub $a.zip > sfx-$a.zip; done");
    for (const char* name : {"py64.zip", "infozip64.zip", "p7zip64.zip"})
        ExpectSameTotals(dir.File(std::string("sfx-") + name), PythonListing(dir.File(name)), "f69999.txt");
    ExpectSameTotals(dir.File("wrapped.zip"), PythonListing(dir.File("py64.zip")), "f69999.txt");
    TZipReader wrapped;
    wrapped.SetZipName(dir.File("wrapped.zip"));
    wrapped.LoadDirectory();
    EXPECT_TRUE(wrapped.CountWrapped());
    TZipReader classic;
    classic.SetZipName(dir.File("classic65535.zip"));
    classic.LoadDirectory();
    EXPECT_EQ(classic.EntryCount(), 65535);
    EXPECT_FALSE(classic.EndRecord().Zip64);
}

// Archives of 2.5 and 5 GB that are holes but for their last kilobytes: one stored entry far
// into the file, its directory after it, classic and ZIP64. The peers measure them too.
TEST_F(RealWritersTest, SparseArchivesBeyond2And4GB)
{
    Sh("python3 - <<'EOF'\n"
       "import struct\n"
       "def archive(path, at, zip64):\n"
       "    name, data = b'far.bin', b'q' * 1000\n"
       "    local = struct.pack('<IHHHHHIIIHH', 0x04034B50, 20, 0, 0, 0, 0, 0, 1000, 1000, len(name), 0) + name\n"
       "    extra = struct.pack('<HHQ', 1, 8, at) if zip64 else b''\n"
       "    central = struct.pack('<IHHHHHHIIIHHHHHII', 0x02014B50, 45, 20, 0, 0, 0, 0, 0, 1000, 1000,\n"
       "                          len(name), len(extra), 0, 0, 0, 0, 0xFFFFFFFF if zip64 else at) + name + extra\n"
       "    directory = at + len(local) + len(data)\n"
       "    tail = b''\n"
       "    if zip64:\n"
       "        record = directory + len(central)\n"
       "        tail = struct.pack('<IQHHIIQQQQ', 0x06064B50, 44, 45, 45, 0, 0, 1, 1, len(central), directory)\n"
       "        tail += struct.pack('<IIQI', 0x07064B50, 0, record, 1)\n"
       "        directory = 0xFFFFFFFF\n"
       "    tail += struct.pack('<IHHHHIIH', 0x06054B50, 0, 0, 1, 1, len(central), directory, 0)\n"
       "    with open(path, 'wb') as f:\n"
       "        f.seek(at)\n"
       "        f.write(local + data + central + tail)\n"
       "archive('classic.zip', 2500000000 - 1035, False)\n"
       "archive('zip64.zip', 5000000000, True)\n"
       "EOF");
    for (const char* name : {"classic.zip", "zip64.zip"}) {
        ExpectSameTotals(dir.File(name), PythonListing(dir.File(name)), "far.bin");
        EXPECT_EQ(ZipFileSize(dir.File(name), {"*"}), 1000) << name;
    }
}

TEST_F(RealWritersTest, CutOffArchivesMeasureZero)
{
    Sh("cd src && zip -q -r ../whole.zip .");
    std::string whole = dir.Read("whole.zip");
    dir.Write("cut.zip", whole.substr(0, whole.size() - 10));
    EXPECT_EQ(ZipFileSize(dir.File("cut.zip"), {"*"}), 0);
}

}  // namespace
}  // namespace pk::testing
