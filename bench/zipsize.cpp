// zipsize ARCHIVE [MASK...]: prints what ZipFileSize measures (masks default to "*"); for
// timing the reader against other listing tools from a script.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Exceptions.h"
#include "zipreader/ZipReader.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: zipsize ARCHIVE [MASK...]\n");
        return 2;
    }
    std::vector<std::string> masks(argv + 2, argv + argc);
    if (masks.empty())
        masks.push_back("*");
    try {
        std::printf("%d\n", static_cast<int>(pk::ZipFileSize(argv[1], masks)));
    } catch (const pk::Exception& e) {
        std::fprintf(stderr, "%s: %s\n", e.ClassName(), e.what());
        return 1;
    }
    return 0;
}
