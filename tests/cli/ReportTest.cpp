#include <gtest/gtest.h>

#include "cli/JsonReport.h"
#include "cli/PassResult.h"
#include "cli/Report.h"

namespace pk::cli {
namespace {

TConsoleRow Row(const std::string& section, const std::string& packs, int32_t stored, int32_t newSize,
               std::vector<std::string> messages = {})
{
    return {section, packs, stored, newSize, std::move(messages), {}};
}

TPassResult Result(TMode mode, std::vector<TConsoleRow> rows, std::optional<std::string> error = std::nullopt)
{
    return {mode, "C:\\kit\\SETUP.INI", "C:\\kit\\", std::move(rows), std::move(error), false, {}};
}

TEST(PassResultTest, StatesFollowTheNewSize)
{
    EXPECT_EQ(StatusOf(Row("S", "P", 5, 5)), TSectionStatus::Measured);
    EXPECT_EQ(StatusOf(Row("S", "P", 5, 0)), TSectionStatus::Measured);
    EXPECT_EQ(StatusOf(Row("S", "P", 5, -1)), TSectionStatus::Failed);
    EXPECT_EQ(StatusOf(Row("S", "P", -1, kNotMeasured)), TSectionStatus::NotUpdated);
    EXPECT_FALSE(SizeChanged(Row("S", "P", 5, 5)));
    EXPECT_TRUE(SizeChanged(Row("S", "P", 5, 6)));
    EXPECT_FALSE(SizeChanged(Row("S", "P", 5, -1))) << "a failed section keeps its size";
    EXPECT_FALSE(SizeChanged(Row("S", "P", 5, kNotMeasured)));
    EXPECT_EQ(StoredSizeOf(Row("S", "P", -1, kNotMeasured)), std::nullopt);
    EXPECT_EQ(MeasuredSizeOf(Row("S", "P", 5, -1)), std::nullopt);
    EXPECT_EQ(MeasuredSizeOf(Row("S", "P", 5, 2147483646)), 2147483646);
}

TEST(PassResultTest, ExitCodesTakeTheMostSeriousFirst)
{
    // The exit codes are the console's documented ones: 0 all measured, 1 the pass failed,
    // 3 a section failed, 4 stale sizes found by a check, 5 a warning under --strict.
    const TConsoleRow stale = Row("A", "A.WRP", 1, 2), failed = Row("B", "B.WRP", 1, -1), fresh = Row("C", "C", 3, 3);
    EXPECT_EQ(Result(TMode::Check, {fresh}).ExitCode(), 0);
    EXPECT_EQ(Result(TMode::Check, {fresh, stale}).ExitCode(), 4);
    EXPECT_EQ(Result(TMode::Check, {stale, failed}).ExitCode(), 3);
    EXPECT_EQ(Result(TMode::Check, {stale, failed}, "Cannot open file").ExitCode(), 1);
    EXPECT_EQ(Result(TMode::Check, {}, "").ExitCode(), 1);
    EXPECT_EQ(Result(TMode::Update, {fresh, stale}).ExitCode(), 0) << "an update makes them fresh";
    EXPECT_EQ(Result(TMode::Update, {stale, failed}).ExitCode(), 3);
    EXPECT_EQ(Result(TMode::List, {Row("A", "A", 1, kNotMeasured)}).ExitCode(), 0);
    TConsoleRow warned = Row("W", "W.ZIP", 0, 0);
    TPackFileAccount warnedZip;
    warnedZip.path = "W.ZIP";
    warnedZip.bytes = 0;
    warnedZip.warnings = {"W.ZIP: ..."};
    warned.account.packFiles.push_back(warnedZip);
    auto strict = [](TPassResult result) {
        result.strict = true;
        return result.ExitCode();
    };
    EXPECT_EQ(Result(TMode::Check, {stale, warned}).ExitCode(), 4) << "warnings count only when strict";
    EXPECT_EQ(strict(Result(TMode::Check, {stale, warned})), 5);
    EXPECT_EQ(strict(Result(TMode::Check, {warned, failed})), 3);
    EXPECT_EQ(strict(Result(TMode::Check, {stale, fresh})), 4);
    TPassResult unreached = Result(TMode::Check, {fresh});
    unreached.kit.unreached.push_back({"ISubOption1.3", "ISubOption1.2 is missing"});
    EXPECT_EQ(unreached.ExitCode(), 0);
    EXPECT_EQ(strict(unreached), 5) << "kit-wide warnings count as a section's do";
    TPassResult foundInOtherCase = Result(TMode::Check, {fresh});
    foundInOtherCase.kit.notes.push_back("C:\\kit\\SETUP.INI: found for C:\\kit\\setup.ini, in other letter case");
    EXPECT_EQ(strict(foundInOtherCase), 0) << "a note is no warning";
}

TEST(ReportTest, TableShowsTheWindowsTexts)
{
    std::string table =
        FormatReport(Result(TMode::Update, {Row("BDE", "DRIVERS.WRP", 9000, 10240), Row("ISubOption1.1", "A.WRP", 5, -1)}),
                     TOutputFormat::Table);
    EXPECT_EQ(table,
              "Sub section    PackFiles    Prev. Size  New Size  Size Changed\n"
              "BDE            DRIVERS.WRP  9000        10240     X  (1240)\n"
              "ISubOption1.1  A.WRP        5           (Error)   X  (-6)\n");
}

TEST(ReportTest, ExplainedTableEndsWithTheKitWideAccount)
{
    TPassResult result = Result(TMode::Update, {Row("BDE", "a.wrp", 10, 10)});
    TPackFileAccount found;
    found.path = "A.WRP";
    found.kind = TPackKind::Wrp;
    found.bytes = 10;
    found.notes = {"A.WRP: found for a.wrp"};
    result.rows[0].account.packFiles.push_back(found);
    const std::string table = FormatReport(result, TOutputFormat::Table, true);
    EXPECT_EQ(table.substr(table.find("    WRP")), "    WRP A.WRP: 10 bytes\n    note: A.WRP: found for a.wrp\n")
        << "nothing kit-wide to say, no heading";
    result.kit.unreached.push_back({"USubOption2.1", "UMainOption2 is empty"});
    result.kit.unnamedPackFiles.push_back("SPARE.ZIP");
    EXPECT_EQ(FormatReport(result, TOutputFormat::Table, true),
              table + "Kit-wide\n    warning: USubOption2.1: not reached, UMainOption2 is empty\n"
                      "    warning: SPARE.ZIP: named by no section\n");
    EXPECT_EQ(FormatReport(result, TOutputFormat::Table).find("Kit-wide"), std::string::npos) << "only with explain";
}

TEST(ReportTest, TsvCarriesPlainNumbersAndEscapedUtf8)
{
    EXPECT_EQ(FormatReport(Result(TMode::Check, {Row("S", "P", -1, kNotMeasured), Row("T\t1", "D\\\xE9.WRP", 7, 9),
                                                Row("U", "X", 4, -1)}),
                           TOutputFormat::Tsv),
              "section\tpackSet\tstoredSize\tmeasuredSize\tstatus\tchanged\n"
              "S\tP\t\t\tnot-updated\tfalse\n"
              "T\\t1\tD\\\\\xC3\xA9.WRP\t7\t9\tmeasured\ttrue\n"
              "U\tX\t4\t\tfailed\tfalse\n");
}

TEST(ReportTest, OnlyJsonReportsAPassThatAnErrorEnded)
{
    TPassResult ended = Result(TMode::Update, {Row("S", "P", 1, 2)}, "Cannot open file \"C:\\kit\\B.ZIP\"");
    EXPECT_EQ(FormatReport(ended, TOutputFormat::Table), "");
    EXPECT_EQ(FormatReport(ended, TOutputFormat::Tsv), "");
    EXPECT_NE(FormatReport(ended, TOutputFormat::Json).find("\"exitCode\": 1"), std::string::npos);
}

TEST(ReportTest, JsonHoldsTheSectionsAndTheSummary)
{
    std::string shownPath =
#ifdef _WIN32
        "C:\\\\kit\\\\";
#else
        "C:/kit/";
#endif
    TPassResult result = Result(TMode::Check, {Row("BDE", "B.ZIP", 1, 5000), Row("S", "X.WRP", 1000, -1, {"PACKFile \"X\" does not exist"}),
                                               Row("T", "NONE", -1, kNotMeasured)});
    result.kit.unreached.push_back({"ISubOption1.3", "ISubOption1.2 is missing"});
    result.kit.unnamedPackFiles.push_back("C:\\kit\\EXTRA.WRP");
    EXPECT_EQ(FormatReport(result, TOutputFormat::Json),
              "{\n"
              "  \"version\": 1,\n"
              "  \"mode\": \"check\",\n"
              "  \"iniFile\": \"" + shownPath + "SETUP.INI\",\n"
              "  \"packFilesDir\": \"" + shownPath + "\",\n"
              "  \"sections\": [\n"
              "    {\"name\": \"BDE\", \"packSet\": \"B.ZIP\", \"storedSize\": 1, \"measuredSize\": 5000, "
              "\"status\": \"measured\", \"changed\": true, \"messages\": [], \"packFiles\": [], \"warnings\": []},\n"
              "    {\"name\": \"S\", \"packSet\": \"X.WRP\", \"storedSize\": 1000, \"measuredSize\": null, "
              "\"status\": \"failed\", \"changed\": false, \"messages\": [\"PACKFile \\\"X\\\" does not exist\"], "
              "\"packFiles\": [], \"warnings\": []},\n"
              "    {\"name\": \"T\", \"packSet\": \"NONE\", \"storedSize\": null, \"measuredSize\": null, "
              "\"status\": \"not-updated\", \"changed\": false, \"messages\": [], \"packFiles\": [], \"warnings\": []}\n"
              "  ],\n"
              "  \"kit\": {\"unreachedSections\": [{\"name\": \"ISubOption1.3\", \"reason\": \"ISubOption1.2 is missing\"}], "
              "\"unnamedPackFiles\": [\"" + shownPath + "EXTRA.WRP\"], \"notes\": [], \"warnings\": "
              "[\"ISubOption1.3: not reached, ISubOption1.2 is missing\", \"" + shownPath + "EXTRA.WRP: named by no section\"]},\n"
              "  \"error\": null,\n"
              "  \"summary\": {\"sections\": 3, \"measured\": 1, \"failed\": 1, \"notUpdated\": 1, \"changed\": 1, "
              "\"exitCode\": 3}\n"
              "}\n");
}

TEST(ReportTest, JsonStringsAreEscapedUtf8)
{
    EXPECT_EQ(JsonString("a\tb\x7F"), "\"a\\u0009b\\u007f\"");
    EXPECT_EQ(JsonString("\"\\\""), "\"\\\"\\\\\\\"\"");
    EXPECT_EQ(JsonString("\xE9t\xE9"), "\"\xC3\xA9t\xC3\xA9\"");
}

}  // namespace
}  // namespace pk::cli
