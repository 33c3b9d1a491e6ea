#include "tests/e2e/Kit.h"

#include <algorithm>

#include "tests/support/PackFiles.h"

namespace pk::e2e {

namespace {

// The kit's stored sizes, and what measuring its pack files gives:
//   BDE            BDE.WRP: blocks of 1000 and 234                      -> 1234
//   ISubOption1.1  CORE.WRP (5000) + TOOLS.ZIP entries matching *.EXE;*.DLL (300 + 20) -> 5320
//   ISubOption1.2  the no-files marker                                  -> 0
//   ISubOption1.3  no stored size                                       -> not measured
//   USubOption1.1  GONE.WRP does not exist                              -> failure, Size kept
std::string IniWithSizes(const std::string& bde, const std::string& core, const std::string& marker)
{
    return "; kit for the end-to-end tests\r\n"
           "\r\n"
           "[BDE]\r\n"
           "Size=" + bde + "\r\n"
           "Packfile=BDE.WRP\r\n"
           "\r\n"
           "[IMainOption1]\r\n"
           "Caption=Program\r\n"
           "\r\n"
           "[ISubOption1.1]\r\n"
           "Caption=Core\r\n"
           "PackFile=CORE.WRP;TOOLS.ZIP\r\n"
           "Files=*.EXE;*.DLL\r\n"
           "Size=" + core + "\r\n"
           "\r\n"
           "[ISubOption1.2]\r\n"
           "Files=$$$$$$$$.$$$\r\n"
           "Size=" + marker + "\r\n"
           "\r\n"
           "[ISubOption1.3]\r\n"
           "PackFile=NOSIZE.WRP\r\n"
           "\r\n"
           "[UMainOption1]\r\n"
           "Caption=Update\r\n"
           "\r\n"
           "[USubOption1.1]\r\n"
           "PackFile=GONE.WRP\r\n"
           "Size=5\r\n"
           "\r\n";
}

std::string HostPath(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

}  // namespace

TKit::TKit()
{
    WriteIni(Ini());
    dir.Write("BDE.WRP", testing::WrpFile({{1000, std::string(40, 'a')}, {234, std::string(7, 'b')}}));
    dir.Write("CORE.WRP", testing::WrpFile({{5000, std::string(100, 'c')}}));
    dir.Write("NOSIZE.WRP", testing::WrpFile({{10, "x"}}));
    dir.Write("TOOLS.ZIP", testing::ZipArchive({{"A.EXE", 300}, {"B.DLL", 20}, {"C.TXT", 999}}));
}

std::string TKit::Ini()
{
    return IniWithSizes("100", "1", "77");
}

std::string TKit::UpdatedIni()
{
    return IniWithSizes("1234", "5320", "0");
}

std::string PaktallyExe()
{
    return HostPath(PK_PAKTALLY_EXE);
}

std::string ArtifactsFolder()
{
    return PK_ARTIFACTS_DIR;
}

}  // namespace pk::e2e
