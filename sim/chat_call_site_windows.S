# The host's chat call site. The game executable delivers each chat line (text, player) through
# a relative call whose 4-byte displacement lies at 0x0040FD86 and whose next instruction begins
# at 0x0040FD8A; a mission module rewrites that displacement to catch the line. This section is
# linked at 0x00401000 (windows_host.cmake), so the .org lines below put the call in its place.

    .set section_address, 0x00401000
    .set call_address, 0x0040FD85

    .section .kchat,"xr"
    .org call_address - section_address - 8, 0xCC

# void kestraneChatCallSite(const char* text, int player), cdecl.
    .globl _kestraneChatCallSite
_kestraneChatCallSite:
    pushl 8(%esp)                       # player
    pushl 8(%esp)                       # text: the first push moved it 4 bytes further
    .org call_address - section_address, 0x90
    call _kestraneHostChatTarget
    addl $8, %esp
    ret

# The host's own target: with no module loaded a chat line goes nowhere.
    .globl _kestraneHostChatTarget
_kestraneHostChatTarget:
    ret
