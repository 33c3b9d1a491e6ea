// ls(number in EAX, result buffer in EDX): the installer's register convention, nothing on the
// stack, plain return. It forwards to the cdecl lookup, which keeps EBX, ESI, EDI and EBP.
asm(R"(
    .text
    .globl _ls
    .def _ls; .scl 2; .type 32; .endef
    .p2align 4
_ls:
    pushl %edx
    pushl %eax
    call _GlossaLookUpMessage
    addl $8, %esp
    ret
)");
