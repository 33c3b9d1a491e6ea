#include <gtest/gtest.h>

#include "cli/CliOptions.h"
#include "cli/Report.h"

namespace pk::cli {
namespace {

TEST(CliOptionsTest, DefaultsListSetupIniInTheCurrentFolder)
{
    TCliOptions o = ParseCliOptions({});
    EXPECT_FALSE(o.update);
    EXPECT_FALSE(o.quiet);
    EXPECT_EQ(o.format, TOutputFormat::Table);
    EXPECT_EQ(o.iniPath, "SETUP.INI");
    EXPECT_EQ(o.packFiles, "");
}

TEST(CliOptionsTest, OptionsTakeTheirValuesInEitherForm)
{
    TCliOptions o = ParseCliOptions({"--update", "--packfiles", "packs", "--format=json", "--quiet", "kit/SETUP.INI"});
    EXPECT_TRUE(o.update);
    EXPECT_TRUE(o.quiet);
    EXPECT_EQ(o.packFiles, "packs");
    EXPECT_EQ(o.format, TOutputFormat::Json);
    EXPECT_EQ(o.iniPath, "kit/SETUP.INI");
    EXPECT_EQ(ParseCliOptions({"--packfiles=a b"}).packFiles, "a b");
    EXPECT_EQ(ParseCliOptions({"--format", "tsv"}).format, TOutputFormat::Tsv);
    EXPECT_TRUE(ParseCliOptions({"/?"}).help);
    EXPECT_TRUE(ParseCliOptions({"--version"}).version);
}

TEST(CliOptionsTest, BadUsageIsRefused)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--format", "xml"}, {"--format"}, {"--packfiles"}, {"--frobnicate"}, {"a.ini", "b.ini"},
          {"-x"}, {"say\"hi\".ini"}})
        EXPECT_THROW(ParseCliOptions(args), EUsageError) << args[0];
}

TConsoleRow Row(const std::string& section, const std::string& packs, int32_t stored, int32_t newSize,
               std::vector<std::string> messages = {})
{
    return {FormatGridRow(section, packs, stored, newSize), newSize, std::move(messages)};
}

TEST(ReportTest, TableAlignsColumnsUnderTheTitles)
{
    std::string table = FormatReport({Row("BDE", "DRIVERS.WRP", 9000, 10240), Row("ISubOption1.1", "A.WRP", 5, 5)},
                                     TOutputFormat::Table);
    EXPECT_EQ(table,
              "Sub section    PackFiles    Prev. Size  New Size  Size Changed\n"
              "BDE            DRIVERS.WRP  9000        10240     X  (1240)\n"
              "ISubOption1.1  A.WRP        5           5\n");
}

TEST(ReportTest, TsvKeepsEveryCellBetweenTabs)
{
    EXPECT_EQ(FormatReport({Row("S", "P", -1, 2147483647)}, TOutputFormat::Tsv),
              "Sub section\tPackFiles\tPrev. Size\tNew Size\tSize Changed\n"
              "S\tP\t-1\t\tNOT UPDATED\n");
}

TEST(ReportTest, JsonCarriesRowsAndTheirMessages)
{
    EXPECT_EQ(FormatReport({}, TOutputFormat::Json), "[]\n");
    EXPECT_EQ(FormatReport({Row("S", "X.WRP", 1000, -1, {"PACKFile \"C:\\X.WRP\" does not exist"})}, TOutputFormat::Json),
              "[\n  {\"section\": \"S\", \"packFiles\": \"X.WRP\", \"prevSize\": \"1000\", \"newSize\": \"(Error)\", "
              "\"sizeChanged\": \"X  (-1001)\", \"messages\": [\"PACKFile \\\"C:\\\\X.WRP\\\" does not exist\"]}\n]\n");
}

TEST(ReportTest, JsonStringsAreUtf8FromTheAnsiCodePage)
{
    EXPECT_EQ(JsonString("a\tb"), "\"a\\u0009b\"");
    EXPECT_EQ(JsonString("\xE9t\xE9"), "\"\xC3\xA9t\xC3\xA9\"");
    EXPECT_EQ(JsonString("\x80"), "\"\xE2\x82\xAC\"") << "the euro sign of Windows-1252";
}

}  // namespace
}  // namespace pk::cli
