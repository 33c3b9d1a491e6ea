// Walks arbitrary bytes as a WRP block file: the walk must end, and fail only in the ways
// that end a pass.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "tests/support/SilentUserInterface.h"
#include "measure/WrpFile.h"
#include "platform/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static pk::testing::TSilentUserInterface ui;
    static const std::string path = "/tmp/wrp_fuzz_" + std::to_string(getpid()) + ".WRP";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    try {
        pk::PackFileSize(path);
    } catch (const pk::ERangeError&) {
    } catch (const pk::EIntOverflow&) {
    }
    return 0;
}
