#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "tests/langmodule/LsCall.h"

namespace pk::testing {

// The module loaded from the test's own folder, as an installer loads it from its own.
class TGlossaModule {
public:
    TGlossaModule();
    ~TGlossaModule();
    TGlossaModule(const TGlossaModule&) = delete;
    TGlossaModule& operator=(const TGlossaModule&) = delete;

    HMODULE Handle() const { return module_; }
    const void* Ls() const { return ls_; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    HMODULE module_;
    const void* ls_;
};

// Calls ls with the number in EAX and the buffer in EDX, holding `load` in EBX/ESI/EDI/EBP.
TLsResult CallLs(const void* ls, uint32_t number, const TCalleeSaved& load);
TLsResult CallLs(const void* ls, uint32_t number);

}  // namespace pk::testing
