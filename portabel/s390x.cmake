# s390x: big-endian, 64 bits.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(PORTABEL_TRIPLET s390x-linux-gnu)
set(PORTABEL_QEMU qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/qemu.cmake)
