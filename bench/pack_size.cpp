// Prints the size of one pack file as the program measures it: a WRP file by its block
// headers, any other file as a ZIP archive over the masks given (default "*.*").
#include <cstdio>
#include <exception>
#include <string>

#include "measure/PackSet.h"
#include "platform/Exceptions.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: pack_size FILE [MASK;MASK...]\n");
        return 2;
    }
    std::vector<std::string> masks = pk::SplitList(argc > 2 ? argv[2] : "*.*");
    try {
        std::printf("%d\n", pk::PackListSize({argv[1]}, masks));
    } catch (const pk::Exception& e) {
        std::fprintf(stderr, "%s: %s\n", e.ClassName(), e.what());
        return 1;
    }
    return 0;
}
