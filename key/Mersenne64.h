#pragma once
// MT19937-64 with the parameters the C++ standard fixes for std::mt19937_64:
// the same seeding and the same output sequence, number for number. Written
// here because the library's refill branches on a random bit, which on the
// baseline x86-64 instruction set mispredicts half the time and makes every
// number several times slower.
#include <array>
#include <cstdint>

namespace key {

class Mersenne64 {
  public:
    explicit Mersenne64(std::uint64_t startwert = 5489u) { seed(startwert); }

    void seed(std::uint64_t startwert) {
        zustand_[0] = startwert;
        for (std::size_t i = 1; i < kN; ++i) {
            const std::uint64_t v = zustand_[i - 1];
            zustand_[i] = 6364136223846793005ULL * (v ^ (v >> 62)) + i;
        }
        stelle_ = kN;
    }

    std::uint64_t operator()() {
        if (stelle_ >= kN) {
            auffuellen();
        }
        return ausgabe_[stelle_++];
    }

  private:
    static constexpr std::size_t kN = 312;
    static constexpr std::size_t kM = 156;
    static constexpr std::uint64_t kOben = ~std::uint64_t{0} << 31;

    static std::uint64_t schritt(std::uint64_t a, std::uint64_t b, std::uint64_t weit) {
        const std::uint64_t y = (a & kOben) | (b & ~kOben);
        // The matrix is added by a mask, not a branch.
        return weit ^ (y >> 1) ^ ((0 - (y & 1)) & 0xB5026F5AA96619E9ULL);
    }

    // Code elsewhere in the process, such as a window toolkit's AVX drawing,
    // can leave the upper halves of the vector registers in use; the SSE code
    // below then ran at a third of its speed in the window. vzeroupper, on
    // machines that have it, hands the registers back clean.
    static void vektorregisterFreigeben() {
#if defined(__x86_64__) || defined(__i386__)
        static const bool avx = __builtin_cpu_supports("avx");
        if (avx) {
            __asm__ volatile(".byte 0xc5, 0xf8, 0x77"); // vzeroupper
        }
#endif
    }

    void auffuellen() {
        vektorregisterFreigeben();
        std::size_t k = 0;
        for (; k < kN - kM; ++k) {
            zustand_[k] = schritt(zustand_[k], zustand_[k + 1], zustand_[k + kM]);
        }
        for (; k < kN - 1; ++k) {
            zustand_[k] = schritt(zustand_[k], zustand_[k + 1], zustand_[k + kM - kN]);
        }
        zustand_[kN - 1] = schritt(zustand_[kN - 1], zustand_[0], zustand_[kM - 1]);
        // Tempered here for the whole block, in a loop the compiler vectorises,
        // rather than one number at a time.
        for (k = 0; k < kN; ++k) {
            std::uint64_t z = zustand_[k];
            z ^= (z >> 29) & 0x5555555555555555ULL;
            z ^= (z << 17) & 0x71D67FFFEDA60000ULL;
            z ^= (z << 37) & 0xFFF7EEE000000000ULL;
            z ^= z >> 43;
            ausgabe_[k] = z;
        }
        stelle_ = 0;
    }

    std::array<std::uint64_t, kN> zustand_{};
    std::array<std::uint64_t, kN> ausgabe_{};
    std::size_t stelle_ = kN;
};

} // namespace key
