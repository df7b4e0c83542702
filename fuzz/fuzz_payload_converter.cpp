// The payload converter with arbitrary payloads, offsets and lengths and every field type.
// Besides the sanitizers' checks: a failed write leaves the payload alone, and a value that fits its
// field reads back as written.
#include "fuzzinput.h"
#include "fuzzsupport.h"

#include "device/payloadconverter.h"

#include <cstring>

namespace PayloadConverterFuzz {

quint32 fieldNumber(FuzzInput &input)
{
    // Mostly lengths and offsets a payload can hold, sometimes anything at all.
    return input.boolean() ? input.inRange<quint32>(0, 8 * 40) : input.integral<quint32>();
}

template<typename T>
bool fitsField(T value, quint32 bitLength)
{
    constexpr int width = PayloadConverter::detail::widthOf<T>();
    if (bitLength == 0 || bitLength > quint32(width))
        return false;
    if constexpr (std::is_same<T, bool>::value) {
        return true;
    } else if constexpr (std::is_same<T, float>::value) {
        return bitLength == 32;
    } else if constexpr (std::is_signed<T>::value) {
        if (bitLength >= 64)
            return true;
        const qint64 limit = qint64(1) << (bitLength - 1);
        return qint64(value) >= -limit && qint64(value) < limit;
    } else {
        return bitLength >= 64 || (quint64(value) >> bitLength) == 0;
    }
}

template<typename T>
bool sameValue(T a, T b)
{
    if constexpr (std::is_same<T, float>::value)
        return std::memcmp(&a, &b, sizeof a) == 0;
    else
        return a == b;
}

template<typename T>
T valueOf(FuzzInput &input)
{
    if constexpr (std::is_same<T, bool>::value) {
        return input.boolean();
    } else if constexpr (std::is_same<T, float>::value) {
        const quint32 bits = input.integral<quint32>();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    } else {
        return input.integral<T>();
    }
}

template<typename T>
void convert(FuzzInput &input)
{
    const quint32 offset = fieldNumber(input);
    const quint32 length = fieldNumber(input);
    const T value = valueOf<T>(input);
    const std::string octets = input.shortString();
    const QByteArray payload(octets.data(), int(octets.size()));

    (void)PayloadConverter::fromPayload<T>(payload, offset, length);

    QByteArray written = payload;
    PayloadConverter::toPayload<T>(value, written, offset, length);
    const bool placed = length > 0 && quint64(offset) + length <= quint64(payload.size()) * 8;
    if (!placed && written != payload)
        abort();

    QByteArray zeroed(payload.size(), '\0');
    PayloadConverter::toPayload<T>(value, zeroed, offset, length);
    if (placed && fitsField(value, length) && !sameValue(PayloadConverter::fromPayload<T>(zeroed, offset, length), value))
        abort();
}

void setUp() {}

void runOne(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    while (input.remaining() > 0) {
        switch (input.inRange<int>(0, 9)) {
        case 0: convert<bool>(input); break;
        case 1: convert<quint8>(input); break;
        case 2: convert<qint8>(input); break;
        case 3: convert<quint16>(input); break;
        case 4: convert<qint16>(input); break;
        case 5: convert<quint32>(input); break;
        case 6: convert<qint32>(input); break;
        case 7: convert<quint64>(input); break;
        case 8: convert<qint64>(input); break;
        default: convert<float>(input); break;
        }
    }
}

} // namespace PayloadConverterFuzz

OVINEX_FUZZ_ENTRY(payloadConverter, PayloadConverterFuzz::setUp, PayloadConverterFuzz::runOne)
