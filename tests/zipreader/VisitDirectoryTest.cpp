// A straight read of the directory: what it visits, which way it says the data runs, and
// that whatever it cannot stand for is left to LoadDirectory on the same reader.
#include <gtest/gtest.h>

#include <utility>

#include "tests/zipreader/ReaderFixture.h"

namespace pk::testing {
namespace {


// Records every entry visited; stops the read at entry stopAt (0-based) when asked to.
class TRecordingVisitor final : public TEntryVisitor {
public:
    bool Visit(std::string_view name, TEntrySink::TNameForm form, uint64_t uncompressedSize) override
    {
        if (stopAt && visited.size() == *stopAt)
            return false;
        visited.emplace_back(std::string(LeafOf(name, form)), uncompressedSize);
        return true;
    }

    std::optional<size_t> stopAt;
    std::vector<std::pair<std::string, uint64_t>> visited;
};

class VisitDirectoryTest : public ReaderTest {
protected:
    TListedOrder Visit(const std::string& bytes, TRecordingVisitor& visitor)
    {
        dir.Write("v.zip", bytes);
        reader = std::make_unique<TZipReader>();
        reader->SetZipName(dir.File("v.zip"));
        return reader->VisitDirectory(visitor);
    }
    static std::string Listed(const std::vector<size_t>& order)
    {
        return Entries().CentralOrder(order).Build().bytes;
    }
    // The names and sizes that a load gives, or the class of its error.
    template <class Load>
    static std::string LoadOutcome(Load load)
    {
        try {
            const TZipReader& loaded = load();
            return ::testing::PrintToString(NamesOf(loaded)) + ::testing::PrintToString(SizesOf(loaded));
        } catch (const Exception& e) {
            return e.ClassName();
        }
    }
    static TZipBuilder Entries()
    {
        return TZipBuilder()
            .Add(TZipEntry("dir/a.txt", "1").Size(10))
            .Add(TZipEntry("b\\c:d.dll", "22").Size(20))
            .Add(TZipEntry(std::string("n\x8Eme.txt"), "3").Size(30).MadeBy(0x0314));  // not ASCII: the record path
    }

    std::unique_ptr<TZipReader> reader;
};

TEST_F(VisitDirectoryTest, VisitsTheEntriesAsListedAndSaysWhichWayTheDataRuns)
{
    const std::vector<std::pair<std::string, uint64_t>> inDataOrder = {
        {"a.txt", 10}, {"d.dll", 20}, {std::string("n\x8Eme.txt"), 30}};
    {
        TRecordingVisitor visitor;
        EXPECT_EQ(Visit(Listed({0, 1, 2}), visitor), TListedOrder::DataOrder);
        EXPECT_EQ(visitor.visited, inDataOrder);
    }
    {
        TRecordingVisitor visitor;
        EXPECT_EQ(Visit(Listed({2, 1, 0}), visitor), TListedOrder::ReverseDataOrder);
        EXPECT_EQ(visitor.visited, (decltype(inDataOrder){inDataOrder[2], inDataOrder[1], inDataOrder[0]}));
    }
    for (const std::string& empty : {TZipBuilder().Build().bytes, std::string("not an archive")}) {
        TRecordingVisitor visitor;
        EXPECT_EQ(Visit(empty, visitor), TListedOrder::DataOrder) << "as LoadDirectory, which lists nothing";
        EXPECT_TRUE(visitor.visited.empty());
    }
    EXPECT_EQ(reader->EntryCount(), 0) << "a straight read keeps nothing";
}

TEST_F(VisitDirectoryTest, LeavesWhatItCannotStandForToLoadDirectoryOnTheSameReader)
{
    TBuiltZip duplicate = TZipBuilder().Add(TZipEntry("a", "1")).Add(TZipEntry("b", "2").PointsTo(0)).Build();
    TBuiltZip damaged = TZipBuilder().Add(TZipEntry("a", "1")).End(TEndRecord().DirOffset(7)).Build();
    damaged.bytes.replace(0, 4, "XXXX");
    struct TCase {
        const char* what;
        std::string bytes;
        std::optional<size_t> stopAt;
    };
    const std::vector<TCase> cases = {
        {"the order turns", Listed({1, 0, 2}), std::nullopt},
        {"a duplicate, which is rebuilt from the local headers", duplicate.bytes, std::nullopt},
        {"a damaged directory, which fails", damaged.bytes, std::nullopt},
        {"the visitor stops the read", Listed({0, 1, 2}), 1},
        {"a part of a split archive", Entries().End(TEndRecord().Disks(1, 1)).Build().bytes, std::nullopt},
    };
    for (const TCase& c : cases) {
        TRecordingVisitor visitor;
        visitor.stopAt = c.stopAt;
        EXPECT_EQ(Visit(c.bytes, visitor), TListedOrder::NotStraight) << c.what;
        EXPECT_TRUE(ui.boxes.empty() && ui.dialogs.empty()) << c.what << ": nothing is asked for";
        EXPECT_EQ(reader->ZipName(), dir.File("v.zip")) << c.what;
        std::unique_ptr<TZipReader> fresh;
        const std::string expected = LoadOutcome([&]() -> TZipReader& {
            fresh = LoadFile(dir.File("v.zip"));
            return *fresh;
        });
        EXPECT_EQ(LoadOutcome([&]() -> TZipReader& {
                      reader->LoadDirectory();
                      return *reader;
                  }),
                  expected)
            << c.what;
        ui.boxes.clear();
    }
}

TEST_F(VisitDirectoryTest, TheNextLoadReadsTheDirectoryAgain)
{
    auto loaded = Load(Listed({0, 1, 2}));
    TRecordingVisitor visitor;
    EXPECT_EQ(loaded->VisitDirectory(visitor), TListedOrder::DataOrder);
    EXPECT_EQ(visitor.visited.size(), 3u) << "a loaded directory is read again, not skipped";
    loaded->LoadDirectory();
    EXPECT_EQ(NamesOf(*loaded), (TNames{"a.txt", "d.dll", std::string("n\x8Eme.txt")}));
}

TEST_F(VisitDirectoryTest, RaisesTheErrorsOfLoadDirectoryAndClearsTheReaderAsItDoes)
{
    for (const std::string& path : {dir.File("missing.zip"), dir.Path()}) {
        TZipReader straight, loaded;
        straight.SetZipName(path);
        loaded.SetZipName(path);
        TRecordingVisitor visitor;
        const std::string raised = LoadOutcome([&]() -> TZipReader& { straight.VisitDirectory(visitor); return straight; });
        EXPECT_EQ(raised, "EFOpenError") << path;
        EXPECT_EQ(raised, LoadOutcome([&]() -> TZipReader& { loaded.LoadDirectory(); return loaded; })) << path;
        EXPECT_EQ(straight.ZipName(), "") << "cleared as a failed load is";
    }
}

}  // namespace
}  // namespace pk::testing
