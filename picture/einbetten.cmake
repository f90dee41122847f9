# Writes the bytes of a file as a C++ array, so that the built-in picture is
# compiled from the committed stream by any toolchain, without an assembler
# directive.
# usage: cmake -DEIN=<file> -DAUS=<generated .cpp> -P einbetten.cmake
file(READ "${EIN}" hex HEX)
string(LENGTH "${hex}" laenge)
math(EXPR laenge "${laenge} / 2")
# 24 bytes to a line ("0x12," each); CMake's regular expressions have no {n}.
string(REPEAT "[0-9a-f]" 48 zeile)
string(REGEX REPLACE "(${zeile})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${AUS}.neu"
  "// Generated from ${EIN} at build time; do not edit.\n"
  "#include \"picture/Originalbild.h\"\n\n"
  "namespace picture {\n\n"
  "const std::uint8_t kOriginalbild[${laenge}] = {\n${bytes}};\n\n"
  "std::span<const std::uint8_t> originalbildStrom() {\n"
  "    return kOriginalbild;\n"
  "}\n\n"
  "} // namespace picture\n")
file(RENAME "${AUS}.neu" "${AUS}")
