#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

// Splits a fuzzer input into typed values, front to back; an exhausted input yields zeros.
// Our own rather than libFuzzer's provider, so the regression test replays inputs without clang.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size) : data(data), size(size) {}

    size_t remaining() const { return size - position; }

    template<typename T>
    T integral()
    {
        static_assert(std::is_integral<T>::value, "integers only");
        using Unsigned = typename std::make_unsigned<T>::type;
        Unsigned value = 0;
        for (size_t i = 0; i < sizeof(T) && position < size; ++i)
            value = Unsigned((quint64(value) << 8) | data[position++]);
        return T(value);
    }

    // A value in [low, high], low <= high.
    template<typename T>
    T inRange(T low, T high)
    {
        const quint64 span = quint64(high) - quint64(low);
        // Only as many octets as the span needs.
        quint64 raw = 0;
        for (quint64 left = span; left > 0 && position < size; left >>= 8)
            raw = (raw << 8) | data[position++];
        return span == ~quint64(0) ? T(raw) : T(quint64(low) + raw % (span + 1));
    }

    bool boolean() { return integral<uint8_t>() & 1u; }

    std::vector<uint8_t> bytes(size_t count)
    {
        const size_t taken = std::min(count, remaining());
        std::vector<uint8_t> result(data + position, data + position + taken);
        position += taken;
        return result;
    }

    // A length octet, then up to that many octets.
    std::string shortString()
    {
        const std::vector<uint8_t> octets = bytes(integral<uint8_t>());
        return std::string(octets.begin(), octets.end());
    }

private:
    const uint8_t *data;
    size_t size;
    size_t position = 0;
};
