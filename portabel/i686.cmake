# i686: 32 bits, with the compiler's default x87 floating point.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(PORTABEL_TRIPLET i686-linux-gnu)
set(PORTABEL_QEMU qemu-i386)
include(${CMAKE_CURRENT_LIST_DIR}/qemu.cmake)
