// Loads one INI file and prints how many sections it has: the peak memory of a load, for
// ini_memory.sh.
#include <cstdio>
#include <string>
#include <vector>

#include "inifile/LumMemIniFile.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: ini_load FILE\n");
        return 2;
    }
    pk::TLumMemIniFile ini(argv[1]);
    std::vector<std::string> sections;
    ini.ListSections(sections);
    std::printf("%zu\n", sections.size());
    return 0;
}
