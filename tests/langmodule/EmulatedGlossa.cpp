#include "tests/langmodule/EmulatedGlossa.h"

#include <unicorn/unicorn.h>

#include <algorithm>
#include <stdexcept>

namespace pk::testing {
namespace {

constexpr uint32_t kPage = 0x1000;
// Low addresses, far below any DLL's preferred base: stubs, the caller's stack, its buffer.
constexpr uint32_t kStubs = 0x00010000;
constexpr uint32_t kStubSize = 16;
constexpr uint32_t kStack = 0x00100000;
constexpr uint32_t kStackSize = 0x10000;
constexpr uint32_t kBuffer = 0x00200000;
constexpr uint32_t kReturnAddress = 0x00300000;  // mapped, never executed: emulation stops there
// ls is a lookup of some dozens of instructions; anything near this count is a runaway.
constexpr size_t kMaxInstructions = 1'000'000;

uint32_t PageUp(uint64_t size)
{
    return static_cast<uint32_t>((size + kPage - 1) / kPage * kPage);
}

void Check(uc_err error, const char* what)
{
    if (error != UC_ERR_OK)
        throw std::runtime_error(std::string(what) + ": " + uc_strerror(error));
}

uint32_t Register(uc_engine* engine, int id)
{
    uint32_t value = 0;
    Check(uc_reg_read(engine, id, &value), "reading a register");
    return value;
}

void SetRegister(uc_engine* engine, int id, uint32_t value)
{
    Check(uc_reg_write(engine, id, &value), "setting a register");
}

}  // namespace

TEmulatedGlossa::TEmulatedGlossa(const TPeImage& image, std::map<uint16_t, std::string> loaderTexts)
    : imageBase_(image.ImageBase()), loaderTexts_(std::move(loaderTexts))
{
    const TPeExports exports = image.Exports();
    const auto ls =
        std::find_if(exports.entries.begin(), exports.entries.end(), [](const TPeExport& e) { return e.name == "ls"; });
    if (ls == exports.entries.end())
        throw std::runtime_error("no export ls");
    ls_ = imageBase_ + ls->rva;

    Check(uc_open(UC_ARCH_X86, UC_MODE_32, &engine_), "opening the emulator");
    try {
        Check(uc_mem_map(engine_, imageBase_, PageUp(image.SizeOfImage()), UC_PROT_ALL), "mapping the image");
        for (const TPeSection& section : image.Sections()) {
            const uint32_t stored =
                section.virtualSize == 0 ? section.fileSize : std::min(section.virtualSize, section.fileSize);
            if (uint64_t{section.rva} + stored > image.SizeOfImage())
                throw std::runtime_error("section " + section.name + " lies outside the image");
            const auto bytes = image.Bytes(section.rva, stored);
            Write(imageBase_ + section.rva, bytes.data(), bytes.size());
        }

        const std::vector<TPeImport> imports = image.Imports();
        if (imports.empty())
            throw std::runtime_error("the module imports nothing, not even its loader");
        Check(uc_mem_map(engine_, kStubs, PageUp(uint64_t{imports.size() + 1} * kStubSize), UC_PROT_ALL),
              "mapping the import stubs");
        for (const TPeImport& import : imports) {
            const uint32_t stub = kStubs + static_cast<uint32_t>(stubs_.size()) * kStubSize;
            stubs_.push_back(Stub{import.module + "!" + import.function});
            // LoadStringA is stdcall with four arguments; the hook fills in its result first.
            const uint8_t returnFour[] = {0xC2, 0x10, 0x00};
            Write(stub, returnFour, sizeof returnFour);
            Write(imageBase_ + import.addressRva, &stub, 4);
        }
        uc_hook hook;
        Check(uc_hook_add(engine_, &hook, UC_HOOK_CODE, reinterpret_cast<void*>(&OnStub), this, kStubs,
                          kStubs + stubs_.size() * kStubSize - 1),
              "hooking the import stubs");
        Check(uc_mem_map(engine_, kStack, kStackSize, UC_PROT_READ | UC_PROT_WRITE), "mapping the stack");
        Check(uc_mem_map(engine_, kBuffer, kPage, UC_PROT_READ | UC_PROT_WRITE), "mapping the buffer");
        Check(uc_mem_map(engine_, kReturnAddress, kPage, UC_PROT_ALL), "mapping the return page");
    } catch (...) {
        uc_close(engine_);
        throw;
    }
}

TEmulatedGlossa::~TEmulatedGlossa()
{
    uc_close(engine_);
}

void TEmulatedGlossa::OnStub(uc_engine* engine, uint64_t address, uint32_t, void* user)
{
    auto& self = *static_cast<TEmulatedGlossa*>(user);
    const Stub& stub = self.stubs_.at((address - kStubs) / kStubSize);
    if (stub.name == "USER32.dll!LoadStringA") {
        self.ServeLoadString();
    } else {
        self.stoppedAt_ = "the module called " + stub.name + ", which ls must not need";
        uc_emu_stop(engine);
    }
}

// LoadStringA(instance, number, buffer, size): copies at most size - 1 bytes, adds a zero and
// returns the count; 0 when the number has no text.
void TEmulatedGlossa::ServeLoadString()
{
    const uint32_t esp = Register(engine_, UC_X86_REG_ESP);
    const TLoaderCall call{Read32(esp + 4), Read32(esp + 8), Read32(esp + 16)};
    const uint32_t buffer = Read32(esp + 12);
    loaderCalls_.push_back(call);
    if (call.bufferSize == 0) {
        stoppedAt_ = "LoadStringA got no buffer";
        uc_emu_stop(engine_);
        return;
    }
    const auto found =
        call.number <= 0xFFFF ? loaderTexts_.find(static_cast<uint16_t>(call.number)) : loaderTexts_.end();
    const std::string text = found == loaderTexts_.end() ? "" : found->second;
    const size_t count = std::min<size_t>(text.size(), call.bufferSize - 1);
    Write(buffer, text.data(), count);
    Write(buffer + static_cast<uint32_t>(count), "", 1);
    SetRegister(engine_, UC_X86_REG_EAX, static_cast<uint32_t>(count));
}

uint32_t TEmulatedGlossa::Read32(uint32_t address) const
{
    uint32_t value = 0;
    Check(uc_mem_read(engine_, address, &value, 4), "reading emulated memory");
    return value;
}

void TEmulatedGlossa::Write(uint32_t address, const void* bytes, size_t size)
{
    Check(uc_mem_write(engine_, address, bytes, size), "writing emulated memory");
}

TLsResult TEmulatedGlossa::CallLs(uint32_t number, const TCalleeSaved& load)
{
    TLsResult result{};
    result.bytes.fill(TLsResult::kFill);
    Write(kBuffer, result.bytes.data(), result.bytes.size());
    loaderCalls_.clear();
    stoppedAt_.clear();

    // The caller's stack is only 4-byte aligned, as the installer's may be.
    const uint32_t esp = kStack + kStackSize - 0x104;
    Write(esp - 4, &kReturnAddress, 4);
    SetRegister(engine_, UC_X86_REG_ESP, esp - 4);
    SetRegister(engine_, UC_X86_REG_EAX, number);
    SetRegister(engine_, UC_X86_REG_EDX, kBuffer + TLsResult::kGuard);
    SetRegister(engine_, UC_X86_REG_ECX, 0xC0C0C0C0);
    SetRegister(engine_, UC_X86_REG_EBX, load.ebx);
    SetRegister(engine_, UC_X86_REG_ESI, load.esi);
    SetRegister(engine_, UC_X86_REG_EDI, load.edi);
    SetRegister(engine_, UC_X86_REG_EBP, load.ebp);

    const uc_err error = uc_emu_start(engine_, ls_, kReturnAddress, 0, kMaxInstructions);
    const uint32_t eip = Register(engine_, UC_X86_REG_EIP);
    if (!stoppedAt_.empty())
        throw std::runtime_error(stoppedAt_);
    Check(error, ("ls(" + std::to_string(number) + ") faulted at " + std::to_string(eip)).c_str());
    if (eip != kReturnAddress)
        throw std::runtime_error("ls(" + std::to_string(number) + ") did not return, stopped at "
                                 + std::to_string(eip));

    Check(uc_mem_read(engine_, kBuffer, result.bytes.data(), result.bytes.size()), "reading the buffer");
    result.record.registers = TCalleeSaved{Register(engine_, UC_X86_REG_EBX), Register(engine_, UC_X86_REG_ESI),
                                           Register(engine_, UC_X86_REG_EDI), Register(engine_, UC_X86_REG_EBP)};
    result.record.espBefore = esp;
    result.record.espAfter = Register(engine_, UC_X86_REG_ESP);
    return result;
}

}  // namespace pk::testing
