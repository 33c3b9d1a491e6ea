#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "tests/langmodule/PeImage.h"
#include "tests/langmodule/StringTable.h"

namespace pk::testing {

inline constexpr uint16_t kCzech = 1029;

// The module the win32 flavour built, read once per suite; every test skips when it is missing.
class GlossaImage : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (std::filesystem::exists(GLOSSA_DLL))
            image_ = std::make_unique<TPeImage>(ReadWholeFile(GLOSSA_DLL));
    }
    static void TearDownTestSuite() { image_.reset(); }
    void SetUp() override
    {
        // ctest matches this text to show the test as skipped.
        if (!image_)
            GTEST_SKIP() << "Glossa.dll is not built: " << GLOSSA_DLL << " is missing (build it with the win32 preset)";
    }

    static const TPeImage& Image() { return *image_; }

    // The module's Czech texts by number, as stored.
    static std::map<uint16_t, std::u16string> CzechTexts()
    {
        std::map<uint16_t, std::u16string> texts;
        for (const TTableString& s : DecodeStringTable(Image().Resources()))
            if (s.language == kCzech)
                texts[s.number] = s.text;
        return texts;
    }

private:
    static inline std::unique_ptr<TPeImage> image_;
};

}  // namespace pk::testing
