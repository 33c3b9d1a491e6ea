#pragma once
// Shared set-up of the reader tests: a folder for the archives, a recording user interface,
// and the names and sizes a loaded reader answers.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/RecordingUserInterface.h"
#include "tests/support/TempDir.h"
#include "tests/support/ZipBuilder.h"
#include "zipreader/ZipReader.h"

namespace pk::testing {

class ReaderTest : public ::testing::Test {
protected:
    // Writes the bytes as the named file and loads its directory.
    std::unique_ptr<TZipReader> Load(const std::string& bytes, const std::string& name = "a.zip")
    {
        dir.Write(name, bytes);
        return LoadFile(dir.File(name));
    }
    std::unique_ptr<TZipReader> LoadFile(const std::string& path)
    {
        auto reader = std::make_unique<TZipReader>();
        reader->SetZipName(path);
        reader->LoadDirectory();
        return reader;
    }
    static std::vector<std::string> NamesOf(const TZipReader& reader)
    {
        std::vector<std::string> names;
        for (int32_t i = 0; i < reader.EntryCount(); ++i)
            names.push_back(reader.EntryFileName(i));
        return names;
    }
    static std::vector<uint64_t> SizesOf(const TZipReader& reader)
    {
        std::vector<uint64_t> sizes;
        for (int32_t i = 0; i < reader.EntryCount(); ++i)
            sizes.push_back(reader.EntryUncompressedSize(i));
        return sizes;
    }

    TTempDir dir;
    TRecordingUserInterface ui;
};

using TNames = std::vector<std::string>;
using TSizes = std::vector<uint64_t>;

}  // namespace pk::testing
