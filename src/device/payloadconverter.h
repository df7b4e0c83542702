#pragma once

#include "core/logcategories.h"

#include <QByteArray>
#include <QDebug>
#include <QtGlobal>

#include <cstring>
#include <limits>
#include <type_traits>

// Reads and writes bit fields of a payload as the device sends it: octet 0 first and most significant,
// bit offsets counted from the least significant bit of the last octet.
// A failed read returns the type's maximum (true for bool, a NaN for float); a failed write changes nothing.
// Writes OR into the payload, so outgoing payloads start zeroed.
namespace PayloadConverter {

namespace detail {

// The field's bits, right-aligned and masked to its length (at most 64 bits); false when the field
// does not lie inside the payload, after logging why.
bool readField(const QByteArray &payload, quint32 bitOffset, quint32 bitLength, int typeWidth,
               quint64 *field);

// ORs the low bitLength bits of value into the field; logs and leaves the payload alone when the
// field does not lie inside it. Returns the shifted value for the diagnostics.
quint64 writeField(quint64 value, QByteArray &payload, quint32 bitOffset, quint32 bitLength,
                   int typeWidth);

template<typename T>
constexpr int widthOf()
{
    return std::is_same<T, bool>::value ? 8 : int(sizeof(T) * 8);
}

template<typename T>
T failureValue()
{
    if constexpr (std::is_same<T, bool>::value)
        return true;
    else if constexpr (std::is_same<T, float>::value)
        return std::numeric_limits<float>::quiet_NaN();
    else
        return std::numeric_limits<T>::max();
}

template<typename T>
T fieldToValue(quint64 field, quint32 bitLength)
{
    if constexpr (std::is_same<T, bool>::value) {
        return quint8(field) != 0;
    } else if constexpr (std::is_same<T, float>::value) {
        const quint32 bits = quint32(field);
        float result;
        std::memcpy(&result, &bits, sizeof result);
        return result;
    } else {
        const int width = widthOf<T>();
        const quint32 significant = qMin<quint32>(bitLength, quint32(width));
        if (std::is_signed<T>::value && significant > 0 && significant < 64
            && (field >> (significant - 1)) & 1u)
            field |= ~quint64(0) << significant;
        return T(field);
    }
}

template<typename T>
quint64 valueToBits(T value)
{
    if constexpr (std::is_same<T, bool>::value) {
        return value ? 1u : 0u;
    } else if constexpr (std::is_same<T, float>::value) {
        quint32 bits;
        std::memcpy(&bits, &value, sizeof bits);
        return bits;
    } else if constexpr (std::is_signed<T>::value) {
        return quint64(qint64(value));
    } else {
        return quint64(value);
    }
}

} // namespace detail

template<typename T>
T fromPayload(const QByteArray &payload, quint32 bitOffset, quint32 bitLength)
{
    static_assert(std::is_integral<T>::value || std::is_same<T, float>::value,
                  "payload fields are integers, booleans or single precision floats");
    qCDebug(lcDevice) << Q_FUNC_INFO << payload.toHex(' ').constData() << bitOffset << bitLength;

    quint64 field = 0;
    if (!detail::readField(payload, bitOffset, bitLength, detail::widthOf<T>(), &field))
        return detail::failureValue<T>();

    const T result = detail::fieldToValue<T>(field, bitLength);
    qCDebug(lcDevice) << "CONVERSION:" << payload.toHex(' ').constData() << bitOffset << bitLength << "->" << result;
    return result;
}

template<typename T>
void toPayload(T value, QByteArray &payload, quint32 bitOffset, quint32 bitLength)
{
    static_assert(std::is_integral<T>::value || std::is_same<T, float>::value,
                  "payload fields are integers, booleans or single precision floats");
    qCDebug(lcDevice) << Q_FUNC_INFO << value << payload.toHex(' ').constData() << bitOffset << bitLength;

    const quint64 shifted = detail::writeField(detail::valueToBits(value), payload, bitOffset, bitLength,
                                               detail::widthOf<T>());
    qCDebug(lcDevice) << "CONVERSION:" << value << bitOffset << bitLength << "->" << shifted
                      << payload.toHex(' ').constData();
}

} // namespace PayloadConverter
