#include <gtest/gtest.h>

#include "inifile/LumMemIniFile.h"
#include "platform/Exceptions.h"
#include "survey/KitAccount.h"
#include "survey/Survey.h"
#include "tests/support/PackFiles.h"
#include "tests/support/RecordingUserInterface.h"
#include "tests/support/TempDir.h"

namespace pk {
namespace {

using testing::WrpFile;
using testing::ZipArchive;

struct TRow {
    std::string section, packSet;
    int32_t stored, newSize;
    bool gridEnabled;
    bool operator==(const TRow&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TRow& r)
{
    return out << r.section << "|" << r.packSet << "|" << r.stored << "|" << r.newSize << (r.gridEnabled ? "" : "|disabled");
}

class TRecordingView : public TSurveyView {
public:
    void AddGridRow(const std::string& section, const std::string& packSet, int32_t stored, int32_t newSize) override
    {
        rows.push_back({section, packSet, stored, newSize, gridEnabled});
    }
    void SetGridEnabled(bool enabled) override
    {
        gridEnabled = enabled;
        gridChanges++;
    }
    void SetIniUpdated() override { iniUpdated = true; }

    std::vector<TRow> rows;
    bool gridEnabled = true;
    int gridChanges = 0;
    bool iniUpdated = false;
};

// A kit in a temporary folder: SETUP.INI and its pack files side by side.
class SurveyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.Write("A.WRP", WrpFile({{1000, "aa"}, {234, "b"}}));
        dir.Write("B.ZIP", ZipArchive({{"SETUP.EXE", 5000}, {"README.TXT", 70}}));
    }
    TPassOutcome Scan(bool update, TPassMode mode = TPassMode::Save)
    {
        return ScanSetupIni(kit, view, update, true, mode);
    }

    void Ini(const std::string& text) { dir.Write("SETUP.INI", text); }
    std::string IniBytes() const { return dir.Read("SETUP.INI"); }
    std::vector<std::string> Sections() const
    {
        std::vector<std::string> names;
        for (const TRow& r : view.rows)
            names.push_back(r.section);
        return names;
    }

    testing::TTempDir dir;
    const TKitPaths kit = KitPathsFromArguments(dir.File("SETUP.INI"), dir.Path());
    testing::TRecordingUserInterface ui;
    TRecordingView view;
};

TEST_F(SurveyTest, ListingPassListsStoredSizesAndWritesNothing)
{
    const std::string text =
        "; kit\n[BDE]\nSize=77\nPackfile=A.WRP\n[IMainOption1]\nCaption=Main\n"
        "[ISubOption1.1]\nSize=5\nPackFile=A.WRP\n[ISubOption1.2]\nCaption=no size\n";
    Ini(text);
    const TPassOutcome outcome = Scan(false);
    EXPECT_TRUE(outcome.walked);
    EXPECT_EQ(outcome.savedBytes, std::nullopt);
    EXPECT_EQ(view.rows, (std::vector<TRow>{{"BDE", "A.WRP", 77, kNotMeasured, true},
                                           {"ISubOption1.1", "A.WRP", 5, kNotMeasured, false},
                                           {"ISubOption1.2", "NONE", -1, kNotMeasured, false}}));
    EXPECT_EQ(IniBytes(), text) << "a listing pass leaves the bytes untouched";
    EXPECT_FALSE(view.iniUpdated);
    EXPECT_TRUE(view.gridEnabled);
    EXPECT_TRUE(ui.boxes.empty());
}

// An update pass saves its bytes; a checking pass measures alike, keeps the file and returns
// the bytes it would have saved.
TEST_F(SurveyTest, UpdatePassMeasuresWritesAndSavesOnceAndACheckingPassKeepsTheFile)
{
    const std::string text = "[BDE]\nSize=1\nPackfile=B.ZIP\nFiles=*.EXE\n"
                             "[IMainOption1]\nx=1\n[ISubOption1.1]\nSize=5\nPackFile=A.WRP\n"
                             "[ISubOption1.2]\nSize=9\nPackFile=A.WRP;B.ZIP\nFiles=\n"
                             "[UMainOption1]\nx=1\n[USubOption1.1]\nSize=3\nFiles=$$$$$$$$.$$$\n";
    const std::string updated =
        "[BDE]\r\nSize=5000\r\nPackfile=B.ZIP\r\nFiles=*.EXE\r\n\r\n"
        "[IMainOption1]\r\nx=1\r\n\r\n[ISubOption1.1]\r\nSize=1234\r\nPackFile=A.WRP\r\n\r\n"
        "[ISubOption1.2]\r\nSize=6304\r\nPackFile=A.WRP;B.ZIP\r\nFiles=\r\n\r\n"
        "[UMainOption1]\r\nx=1\r\n\r\n[USubOption1.1]\r\nSize=0\r\nFiles=$$$$$$$$.$$$\r\n\r\n";
    for (TPassMode mode : {TPassMode::Check, TPassMode::Save}) {
        SCOPED_TRACE(mode == TPassMode::Check ? "checking" : "saving");
        Ini(text);
        view = {};
        const TPassOutcome outcome = Scan(true, mode);
        EXPECT_TRUE(view.iniUpdated);
        EXPECT_EQ(view.rows, (std::vector<TRow>{{"BDE", "B.ZIP", 1, 5000, true},
                                               {"ISubOption1.1", "A.WRP", 5, 1234, false},
                                               {"ISubOption1.2", "A.WRP;B.ZIP", 9, 1234 + 5070, false},
                                               {"USubOption1.1", "NONE", 3, 0, false}}));
        EXPECT_TRUE(outcome.walked);
        EXPECT_EQ(outcome.savedBytes, updated);
        EXPECT_EQ(IniBytes(), mode == TPassMode::Check ? text : updated);
    }
}

TEST_F(SurveyTest, WalksStopAtTheFirstMissingOrEmptySection)
{
    Ini("[IMainOption1]\nx=1\n[ISubOption1.1]\nSize=1\nPackFile=a.wrp;B.ZIP\n[ISubOption1.2]\nSize=2\n"
        "[ISubOption1.4]\nSize=4\nPackFile=EXTRA.WRP\n[ISubOption1.5]\nx=1\n[isuboption1.01]\nsize=9\n"
        "[ISubOption1.x]\nSize=1\n[IMainOption2]\n[ISubOption2.1]\nSize=21\n"
        "[ISubOption3.1]\nSize=31\n[IMainOption3]\nx=1\n"
        "[UMainOption2]\nx=1\n[USubOption2.1]\nSize=1\n"
        "[UMainOption1]\n; a comment is enough\n[USubOption1.1]\n; here too\n");
    Scan(false);
    EXPECT_EQ(Sections(),
              (std::vector<std::string>{"ISubOption1.1", "ISubOption1.2", "USubOption1.1", "USubOption2.1"}));
    EXPECT_EQ(view.rows[2].stored, -1) << "a section of comments only is present but has no size";

    // Every sized section the walk leaves out is named with the gap that hides it, and every
    // pack file that no reached section names, compared as the file system compares names.
    for (const char* name : {"EXTRA.WRP", "spare.Zip", "NOTES.TXT", "Sub/IN.ZIP"})
        dir.Write(name, std::string("x"));
    TLumMemIniFile document(kit.iniFile);
    TKitAccount account;
    AccountForWalk(document, kit.packFilesDir, account);
    std::vector<std::string> unreached;
    for (const TUnreachedSection& section : account.unreached)
        unreached.push_back(section.name + ": " + section.reason);
    EXPECT_EQ(unreached, (std::vector<std::string>{
                             "ISubOption1.4: ISubOption1.3 is missing",
                             "isuboption1.01: the walk counts from 1 to 65535 without leading zeros",
                             "ISubOption2.1: IMainOption2 is empty",
                             "ISubOption3.1: IMainOption2 is empty",
                         }));
    EXPECT_EQ(account.unnamedPackFiles,
              (std::vector<std::string>{dir.Path() + "\\EXTRA.WRP", dir.Path() + "\\spare.Zip"}));
}

TEST_F(SurveyTest, SectionsWithoutAStoredSizeAreListedButNeverMeasured)
{
    Ini("[BDE]\nPackfile=A.WRP\n[IMainOption1]\nx=1\n[ISubOption1.1]\nPackFile=A.WRP\n"
        "[ISubOption1.2]\nSize=12 \nPackFile=A.WRP\n[ISubOption1.3]\nSize=-1\nPackFile=GONE.WRP\n");
    Scan(true);
    EXPECT_EQ(view.rows, (std::vector<TRow>{{"ISubOption1.1", "A.WRP", -1, kNotMeasured, false},
                                           {"ISubOption1.2", "A.WRP", -1, kNotMeasured, false},
                                           {"ISubOption1.3", "GONE.WRP", -1, kNotMeasured, false}}));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(SurveyTest, FailedMeasurementsKeepTheirSizeAndTheFileIsStillSaved)
{
    Ini("[IMainOption1]\nx=1\n[ISubOption1.1]\nSize=10\nPackFile=GONE.WRP\n"
        "[ISubOption1.2]\nSize=20\n[ISubOption1.3]\nSize=30\nPackFile=NOTFOUND\n");
    Scan(true);
    EXPECT_EQ(view.rows, (std::vector<TRow>{{"ISubOption1.1", "GONE.WRP", 10, -1, false},
                                           {"ISubOption1.2", "NONE", 20, -1, false},
                                           {"ISubOption1.3", "NOTFOUND", 30, -1, false}}));
    ASSERT_EQ(ui.boxes.size(), 1u) << "only the missing WRP file is reported";
    EXPECT_EQ(IniBytes(), "[IMainOption1]\r\nx=1\r\n\r\n[ISubOption1.1]\r\nSize=10\r\nPackFile=GONE.WRP\r\n\r\n"
                          "[ISubOption1.2]\r\nSize=20\r\n\r\n[ISubOption1.3]\r\nSize=30\r\nPackFile=NOTFOUND\r\n\r\n");
}

TEST_F(SurveyTest, AnErrorRaisedMidWalkEndsThePassWithoutSaving)
{
    const std::string text = "[BDE]\nSize=1\nPackfile=A.WRP\n[IMainOption1]\nx=1\n"
                             "[ISubOption1.1]\nSize=5\nPackFile=A.WRP\n[ISubOption1.2]\nSize=6\nPackFile=MISSING.ZIP\n"
                             "[ISubOption1.3]\nSize=7\nPackFile=A.WRP\n";
    Ini(text);
    EXPECT_THROW(Scan(true), EFOpenError);
    EXPECT_EQ(IniBytes(), text);
    EXPECT_EQ(Sections(), (std::vector<std::string>{"BDE", "ISubOption1.1"}));
    EXPECT_TRUE(view.gridEnabled) << "the grid is enabled again";
}

TEST_F(SurveyTest, AMissingIniFileIsReportedAndNothingHappens)
{
    EXPECT_FALSE(Scan(true).walked);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Ini-file " + kit.iniFile + " does not exist");
    EXPECT_FALSE(view.iniUpdated);
    EXPECT_EQ(view.gridChanges, 0);
    EXPECT_FALSE(dir.Exists("SETUP.INI"));
}

TEST_F(SurveyTest, UpdateSectionSizeMarkerAndDefaults)
{
    Ini("[M]\nSize=99\nFiles=$$$$$$$$.$$$\n[N]\nSize=99\nFiles=*.EXE\n[Z]\nSize=1\nPackFile=B.ZIP\n");
    TLumMemIniFile document(dir.File("SETUP.INI"));
    EXPECT_EQ(UpdateSectionSize(document, "M", dir.Path()), 0) << "no PackFile key needed";
    EXPECT_EQ(document.ReadText("M", "Size", ""), "0");
    EXPECT_EQ(UpdateSectionSize(document, "N", dir.Path()), -1);
    EXPECT_EQ(document.ReadText("N", "Size", ""), "99");
    EXPECT_EQ(UpdateSectionSize(document, "Z", dir.Path()), 0) << "without Files only names with a comma match";
    document.DiscardChanges();
}

TEST_F(SurveyTest, SavePackFileColumnWritesOnlyExistingKeysSpelledPackfile)
{
    Ini("[A]\nPackFile=OLD.WRP\nSize=1\n[B]\nSize=2\n[C]\nPackfile=NOT FOUND\n");
    TLumMemIniFile document(dir.File("SETUP.INI"));
    SavePackFileColumn(document, "A", " NEW.WRP ");
    SavePackFileColumn(document, "B", "X.WRP");
    SavePackFileColumn(document, "Missing", "Y.WRP");
    SavePackFileColumn(document, "C", "Z.WRP");
    document.SaveFile();
    EXPECT_EQ(IniBytes(), "[A]\r\nPackfile= NEW.WRP \r\nSize=1\r\n\r\n[B]\r\nSize=2\r\n\r\n[C]\r\nPackfile=NOT FOUND\r\n\r\n");
}

}  // namespace
}  // namespace pk
