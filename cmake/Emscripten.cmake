# Toolchain for the browser edition: Debian's Emscripten with node as the
# emulator that runs the test programs. Use with web/CMakeLists.txt:
#   cmake -S web -B build-web -DCMAKE_TOOLCHAIN_FILE=cmake/Emscripten.cmake
# emcmake's own emulator passes node a flag that node 20 refuses, and node 20's
# built-in fetch makes the generated loader try to fetch the wasm file instead
# of reading it, so both are set here.
find_program(PUNKTGARTEN_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${PUNKTGARTEN_NODE};--no-experimental-fetch"
    CACHE STRING "Runs a linked program" FORCE)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# emcc's link step runs its JavaScript optimiser under node, which finds the
# Debian-packaged acorn only through NODE_PATH.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(CMAKE_C_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
