#pragma once
// A test folder with one SETUP.INI, and small helpers to build and read it back.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "inifile/LumMemIniFile.h"
#include "tests/support/TempDir.h"

namespace pk::testing {

// The lines, each followed by CR LF.
inline std::string Crlf(std::initializer_list<const char*> lines)
{
    std::string bytes;
    for (const char* line : lines)
        bytes += std::string(line) + "\r\n";
    return bytes;
}

class IniFileTest : public ::testing::Test {
protected:
    std::unique_ptr<TLumMemIniFile> Load(const std::string& bytes)
    {
        dir.Write("SETUP.INI", bytes);
        return std::make_unique<TLumMemIniFile>(path);
    }
    // Saves the document and returns the bytes of the file.
    std::string Saved(TLumMemIniFile& ini)
    {
        ini.SaveFile();
        return dir.Read("SETUP.INI");
    }
    std::vector<std::string> Sections(TLumMemIniFile& ini)
    {
        std::vector<std::string> names;
        ini.ListSections(names);
        return names;
    }
    std::vector<std::string> Lines(TLumMemIniFile& ini, const std::string& section)
    {
        std::vector<std::string> lines;
        ini.ListLines(section, lines);
        return lines;
    }

    TTempDir dir;
    const std::string path = dir.File("SETUP.INI");
};

}  // namespace pk::testing
