#include <windows.h>

#include <cstdint>

#include "langmodule/ShortString.h"

// The linker places this symbol at the module's own image base, which is its HINSTANCE;
// taking it from here keeps DllMain free of work.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace pk {

// Called from the ls entry. The installer's stack may only be 4-byte aligned, hence the realign.
extern "C" __attribute__((force_align_arg_pointer)) void GlossaLookUpMessage(uint32_t number, uint8_t* result)
{
    char text[1024];
    const int length = LoadStringA(reinterpret_cast<HINSTANCE>(&__ImageBase), static_cast<UINT>(number & 0xFFFFu),
                                   text, sizeof text);
    StoreShortString(text, length, result);
}

}  // namespace pk
