// WriteFixed6, exact by construction: the value times 10^6 is worked out as an integer, rounded
// to nearest with ties to even, as printf's "%f" and std::to_chars round the exact binary value,
// so every build writes the same digits whatever its C or C++ library does.
#include "number_text.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace {

// An unsigned integer of up to 34 32-bit limbs, least significant first: enough for the largest
// double (below 2^1024) times 10^6 (below 2^20).
class BigUnsigned {
public:
    explicit BigUnsigned(std::uint64_t value) {
        while (value != 0) {
            m_limbs[m_size++] = static_cast<std::uint32_t>(value);
            value >>= 32;
        }
    }

    void MultiplyBy(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < m_size; ++i) {
            carry += std::uint64_t{m_limbs[i]} * factor;
            m_limbs[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) {
            m_limbs[m_size++] = static_cast<std::uint32_t>(carry);
        }
    }

    void ShiftLeft(unsigned bits) {
        const std::size_t words = bits / 32;
        const unsigned rest = bits % 32;
        std::array<std::uint32_t, kLimbs> shifted{};
        for (std::size_t i = 0; i < m_size; ++i) {
            const std::uint64_t wide = std::uint64_t{m_limbs[i]} << rest;
            shifted[i + words] |= static_cast<std::uint32_t>(wide);
            shifted[i + words + 1] |= static_cast<std::uint32_t>(wide >> 32);
        }
        m_limbs = shifted;
        m_size += words + 1;
        Trim();
    }

    // Divides by 2^bits and rounds to the nearest integer, a tie to the even one.
    void ShiftRightRounded(unsigned bits) {
        const bool half = Bit(bits - 1);
        const bool below = AnyBitBelow(bits - 1);
        const std::size_t words = bits / 32;
        const unsigned rest = bits % 32;
        std::array<std::uint32_t, kLimbs> shifted{};
        for (std::size_t i = words; i < m_size; ++i) {
            std::uint64_t wide = m_limbs[i];
            if (i + 1 < m_size) {
                wide |= std::uint64_t{m_limbs[i + 1]} << 32;
            }
            shifted[i - words] = static_cast<std::uint32_t>(wide >> rest);
        }
        m_limbs = shifted;
        m_size = m_size > words ? m_size - words : 0;
        Trim();
        if (half && (below || (m_size != 0 && (m_limbs[0] & 1) != 0))) {
            AddOne();
        }
    }

    // The decimal digits, "0" for zero.
    std::string ToDecimal() const {
        BigUnsigned rest = *this;
        std::string reversed;
        do {
            // Divides by 10^9; the remainder gives nine digits.
            std::uint64_t remainder = 0;
            for (std::size_t i = rest.m_size; i-- > 0;) {
                const std::uint64_t part = (remainder << 32) | rest.m_limbs[i];
                rest.m_limbs[i] = static_cast<std::uint32_t>(part / 1000000000u);
                remainder = part % 1000000000u;
            }
            rest.Trim();
            for (int digit = 0; digit < 9; ++digit) {
                reversed += static_cast<char>('0' + remainder % 10);
                remainder /= 10;
            }
        } while (rest.m_size != 0);
        while (reversed.size() > 1 && reversed.back() == '0') {
            reversed.pop_back();
        }
        return std::string(reversed.rbegin(), reversed.rend());
    }

private:
    static constexpr std::size_t kLimbs = 36;

    bool Bit(unsigned bit) const {
        const std::size_t word = bit / 32;
        return word < m_size && ((m_limbs[word] >> (bit % 32)) & 1) != 0;
    }

    // Whether any of the bits below `bit` is set.
    bool AnyBitBelow(unsigned bit) const {
        const std::size_t word = bit / 32;
        for (std::size_t i = 0; i < word && i < m_size; ++i) {
            if (m_limbs[i] != 0) {
                return true;
            }
        }
        return word < m_size && (m_limbs[word] & ((std::uint32_t{1} << (bit % 32)) - 1)) != 0;
    }

    void AddOne() {
        for (std::size_t i = 0; i < m_size; ++i) {
            if (++m_limbs[i] != 0) {
                return;
            }
        }
        m_limbs[m_size++] = 1;
    }

    void Trim() {
        while (m_size != 0 && m_limbs[m_size - 1] == 0) {
            --m_size;
        }
    }

    std::array<std::uint32_t, kLimbs> m_limbs{};
    std::size_t m_size = 0;
};

} // namespace

std::string WriteFixed6(double value) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : std::signbit(value) ? "-inf" : "inf";
    }
    // value = mantissa * 2^exponent, with a mantissa of at most 53 bits.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;

    BigUnsigned millionths(mantissa);
    millionths.MultiplyBy(1000000);
    if (exponent >= 0) {
        millionths.ShiftLeft(static_cast<unsigned>(exponent));
    } else {
        millionths.ShiftRightRounded(static_cast<unsigned>(-exponent));
    }

    std::string digits = millionths.ToDecimal();
    if (digits.size() < 7) {
        digits.insert(0, 7 - digits.size(), '0');
    }
    digits.insert(digits.size() - 6, 1, '.');
    return std::signbit(value) ? "-" + digits : digits;
}
