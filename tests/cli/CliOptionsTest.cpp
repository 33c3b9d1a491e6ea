#include <gtest/gtest.h>

#include "cli/CliOptions.h"

namespace pk::cli {
namespace {

TEST(CliOptionsTest, DefaultsListSetupIniInTheCurrentFolder)
{
    TCliOptions o = ParseCliOptions({});
    EXPECT_EQ(o.mode, TMode::List);
    EXPECT_FALSE(o.diff);
    EXPECT_FALSE(o.quiet);
    EXPECT_EQ(o.format, TOutputFormat::Table);
    EXPECT_EQ(o.iniPath, "SETUP.INI");
    EXPECT_EQ(o.packFiles, "");
}

TEST(CliOptionsTest, OptionsTakeTheirValuesInEitherForm)
{
    TCliOptions o = ParseCliOptions({"--update", "--packfiles", "packs", "--format=json", "--quiet", "kit/SETUP.INI"});
    EXPECT_EQ(o.mode, TMode::Update);
    EXPECT_TRUE(o.quiet);
    EXPECT_EQ(o.packFiles, "packs");
    EXPECT_EQ(o.format, TOutputFormat::Json);
    EXPECT_EQ(o.iniPath, "kit/SETUP.INI");
    EXPECT_EQ(ParseCliOptions({"--packfiles=a b"}).packFiles, "a b");
    EXPECT_EQ(ParseCliOptions({"--format", "tsv"}).format, TOutputFormat::Tsv);
    EXPECT_TRUE(ParseCliOptions({"/?"}).help);
    EXPECT_TRUE(ParseCliOptions({"--version"}).version);
}

TEST(CliOptionsTest, CheckAndDiff)
{
    EXPECT_EQ(ParseCliOptions({"--check"}).mode, TMode::Check);
    EXPECT_EQ(ParseCliOptions({"--check", "--check"}).mode, TMode::Check);
    TCliOptions o = ParseCliOptions({"--diff", "--check"});
    EXPECT_TRUE(o.diff);
    EXPECT_EQ(o.mode, TMode::Check);
    EXPECT_TRUE(ParseCliOptions({"--update", "--diff", "--format", "table"}).diff);
    TCliOptions explained = ParseCliOptions({"--check", "--explain", "--strict"});
    EXPECT_TRUE(explained.explain && explained.strict);
    EXPECT_TRUE(ParseCliOptions({"--strict", "--format", "json"}).strict);
}

TEST(CliOptionsTest, BadUsageIsRefused)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--format", "xml"}, {"--format"}, {"--packfiles"}, {"--frobnicate"}, {"a.ini", "b.ini"},
          {"-x"}, {"say\"hi\".ini"}, {"--update", "--check"}, {"--check", "--update"}, {"--diff"},
          {"--diff", "--check", "--format", "json"}, {"--explain", "--format", "tsv"}, {"--check", "--diff", "--explain"}})
        EXPECT_THROW(ParseCliOptions(args), EUsageError) << args[0] << " " << (args.size() > 1 ? args[1] : "");
}

TEST(CliOptionsTest, HelpNamesEveryExitCode)
{
    for (const char* code : {"  0  ", "  1  ", "  2  ", "  3  ", "  4  ", "  5  "})
        EXPECT_NE(std::string(kUsage).find(code), std::string::npos) << code;
}

}  // namespace
}  // namespace pk::cli
