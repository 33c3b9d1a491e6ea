#include "tests/langmodule/GlossaHarness.h"

#include <cstddef>
#include <stdexcept>

// cdecl: CallLsWithRegisters(ls, number, buffer, const TCalleeSaved* load, TLsCallRecord* record)
asm(R"(
    .text
    .globl _CallLsWithRegisters
    .def _CallLsWithRegisters; .scl 2; .type 32; .endef
_CallLsWithRegisters:
    pushl %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl 36(%esp), %ecx
    movl %esp, 16(%ecx)
    movl 32(%esp), %ecx
    movl 0(%ecx), %ebx
    movl 4(%ecx), %esi
    movl 8(%ecx), %edi
    movl 12(%ecx), %ebp
    movl 20(%esp), %ecx
    movl 24(%esp), %eax
    movl 28(%esp), %edx
    call *%ecx
    movl 36(%esp), %ecx
    movl %ebx, 0(%ecx)
    movl %esi, 4(%ecx)
    movl %edi, 8(%ecx)
    movl %ebp, 12(%ecx)
    movl %esp, 20(%ecx)
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

extern "C" void CallLsWithRegisters(const void* ls, uint32_t number, uint8_t* buffer,
                                    const pk::testing::TCalleeSaved* load, pk::testing::TLsCallRecord* record);

namespace pk::testing {

// The assembly above addresses these fields by offset.
static_assert(offsetof(TCalleeSaved, ebx) == 0 && offsetof(TCalleeSaved, esi) == 4 && offsetof(TCalleeSaved, edi) == 8
              && offsetof(TCalleeSaved, ebp) == 12);
static_assert(offsetof(TLsCallRecord, espBefore) == 16 && offsetof(TLsCallRecord, espAfter) == 20);

namespace {

std::string OwnFolder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

}  // namespace

TGlossaModule::TGlossaModule() : path_(OwnFolder() + "Glossa.dll"), module_(LoadLibraryA(path_.c_str())), ls_(nullptr)
{
    if (module_ == nullptr)
        throw std::runtime_error("cannot load " + path_);
    ls_ = reinterpret_cast<const void*>(GetProcAddress(module_, "ls"));
    if (ls_ == nullptr) {
        FreeLibrary(module_);
        throw std::runtime_error("no export ls in " + path_);
    }
}

TGlossaModule::~TGlossaModule()
{
    FreeLibrary(module_);
}

TLsResult CallLs(const void* ls, uint32_t number, const TCalleeSaved& load)
{
    TLsResult result{};
    result.bytes.fill(TLsResult::kFill);
    CallLsWithRegisters(ls, number, result.Buffer(), &load, &result.record);
    return result;
}

TLsResult CallLs(const void* ls, uint32_t number)
{
    return CallLs(ls, number, kMarkedRegisters);
}

}  // namespace pk::testing
