#pragma once
// The flavour's own services, which each flavour (posix/, win32/) defines. A name that begins
// with System always means the flavour's own; the public accessors (UI(), Drives(),
// IsLeadByte(), ...) give the one installed, else this one.
#include <cstdint>
#include <string>

namespace pk::platform {

class TUserInterface;
class TDrives;

TUserInterface& SystemUserInterface();
TDrives& SystemDrives();
bool SystemIsLeadByte(uint8_t b);
std::string SystemProgramPath();
std::string SystemCommandLine();

}  // namespace pk::platform
