#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

namespace pk::test {

struct TCalleeSaved {
  uint32_t ebx, esi, edi, ebp;
  bool operator==(const TCalleeSaved&) const = default;
};

// What the register-convention call left behind: the callee-saved registers and the stack pointer.
struct TLsCallRecord {
  TCalleeSaved registers;
  uint32_t espBefore, espAfter;
};

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

// A 256-byte result buffer with guard bytes on both sides, so stray writes show.
struct TLsResult {
  static constexpr size_t kGuard = 64;
  static constexpr size_t kBuffer = 256;
  static constexpr uint8_t kFill = 0xA5;
  std::array<uint8_t, kGuard + kBuffer + kGuard> bytes;
  TLsCallRecord record;

  uint8_t* Buffer() { return bytes.data() + kGuard; }
  uint8_t Length() const { return bytes[kGuard]; }
  std::string Text() const;
  // True when nothing outside byte 0 and the Length() text bytes changed.
  bool RestUntouched() const;
};

// Calls ls with the number in EAX and the buffer in EDX, holding `load` in EBX/ESI/EDI/EBP.
TLsResult CallLs(const void* ls, uint32_t number, const TCalleeSaved& load);
TLsResult CallLs(const void* ls, uint32_t number);

}  // namespace pk::test
