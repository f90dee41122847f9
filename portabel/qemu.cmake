# Shared by the cross toolchains: Debian's cross gcc for the triplet
# PORTABEL_TRIPLET, linked statically so that qemu-user needs no target
# libraries, and the tests run through PORTABEL_QEMU.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${PORTABEL_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${PORTABEL_TRIPLET}-g++)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PORTABEL_QEMU})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
