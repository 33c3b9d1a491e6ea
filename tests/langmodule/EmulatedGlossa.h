#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tests/langmodule/LsCall.h"
#include "tests/langmodule/PeImage.h"

struct uc_struct;

namespace pk::testing {

// What the module passed to the system's string loader on one call.
struct TLoaderCall {
    uint32_t instance, number, bufferSize;
};

// The module's image mapped at its preferred base in an i386 CPU emulator, so that ls runs on
// hosts that cannot execute 32-bit code. Its one system call, LoadStringA, is served from
// `loaderTexts` (what the ANSI loader yields, by number); any other import stops the call.
class TEmulatedGlossa {
public:
    TEmulatedGlossa(const TPeImage& image, std::map<uint16_t, std::string> loaderTexts);
    ~TEmulatedGlossa();
    TEmulatedGlossa(const TEmulatedGlossa&) = delete;
    TEmulatedGlossa& operator=(const TEmulatedGlossa&) = delete;

    // Calls ls with the number in EAX and the buffer in EDX, holding `load` in EBX/ESI/EDI/EBP.
    // Throws std::runtime_error when the call faults, reaches another import or does not return.
    TLsResult CallLs(uint32_t number, const TCalleeSaved& load = kMarkedRegisters);
    // The loader calls of the last CallLs.
    const std::vector<TLoaderCall>& LoaderCalls() const { return loaderCalls_; }

private:
    struct Stub {
        std::string name;
    };
    static void OnStub(uc_struct* engine, uint64_t address, uint32_t size, void* self);
    void ServeLoadString();
    uint32_t Read32(uint32_t address) const;
    void Write(uint32_t address, const void* bytes, size_t size);

    uc_struct* engine_ = nullptr;
    uint32_t imageBase_ = 0;
    uint32_t ls_ = 0;
    std::map<uint16_t, std::string> loaderTexts_;
    std::vector<Stub> stubs_;
    std::vector<TLoaderCall> loaderCalls_;
    std::string stoppedAt_;
};

}  // namespace pk::testing
