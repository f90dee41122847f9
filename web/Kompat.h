#pragma once
// Emscripten 3.1.6 ships libc++ 14, which lacks std::make_unique_for_overwrite
// (C++20, libc++ 16). Forced into the session's sources for this build only,
// until the session stops needing it; a library that has it is left alone.
#include <memory>
#include <type_traits>

#if !defined(__cpp_lib_smart_ptr_for_overwrite)
namespace std {
template <class T>
    requires is_unbounded_array_v<T>
unique_ptr<T> make_unique_for_overwrite(size_t n) {
    return unique_ptr<T>(new remove_extent_t<T>[n]);
}
} // namespace std
#endif
