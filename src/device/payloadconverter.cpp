#include "payloadconverter.h"

#include "core/logcategories.h"

namespace PayloadConverter {
namespace detail {

namespace {

struct FieldPlace
{
    quint32 firstOctetFromEnd = 0;
    quint32 shift = 0;
    quint64 numOctets = 0;
    int lastOctet = 0; // index of the octet holding the field's least significant bit
};

// Finds the octets a field touches; false (after the warning or critical message) when they do not
// all lie inside the payload, so no caller ever indexes outside it.
bool placeField(const QByteArray &payload, quint32 bitOffset, quint32 bitLength, int typeWidth,
                bool isRead, FieldPlace *place)
{
    const quint64 size = quint64(payload.size());
    place->firstOctetFromEnd = bitOffset / 8;
    place->shift = bitOffset % 8;
    // An empty field is never valid; the count wraps as unsigned arithmetic would, so the log shows it.
    place->numOctets = bitLength == 0 ? quint64(((bitLength - 1u + place->shift) / 8u) + 1u)
                                      : (quint64(bitLength) + place->shift + 7u) / 8u;

    if (bitLength == 0 || place->numOctets > size) {
        if (isRead)
            qWarning() << "** CONVERSION: payload too small" << size << "<" << place->numOctets
                       << payload.toHex(' ').constData();
        else
            qWarning() << "** CONVERSION: payload too small" << size << "<" << place->numOctets;
        return false;
    }
    if (place->numOctets + place->firstOctetFromEnd > size) {
        qCritical() << "** CONVERSION INTERNAL ERROR: offset too large" << size << "<" << place->numOctets
                    << place->firstOctetFromEnd;
        return false;
    }
    if (typeWidth > 16 && place->numOctets < quint64(typeWidth / 16))
        qCDebug(lcDevice) << "** CONVERSION: type too large for the bitlength" << typeWidth << ">" << bitLength;

    place->lastOctet = int(size - 1 - place->firstOctetFromEnd);
    return true;
}

quint64 lowBitsMask(quint32 bitLength)
{
    return bitLength >= 64 ? ~quint64(0) : (quint64(1) << bitLength) - 1;
}

} // namespace

bool readField(const QByteArray &payload, quint32 bitOffset, quint32 bitLength, int typeWidth,
               quint64 *field)
{
    FieldPlace place;
    if (!placeField(payload, bitOffset, bitLength, typeWidth, true, &place))
        return false;

    quint64 bits = 0;
    for (quint64 i = 0; i < place.numOctets; ++i) {
        const qint64 position = qint64(8 * i) - qint64(place.shift);
        if (position >= 64)
            break;
        const quint64 octet = quint8(payload.at(place.lastOctet - int(i)));
        bits |= position < 0 ? octet >> place.shift : octet << position;
    }
    *field = bits & lowBitsMask(bitLength);
    return true;
}

quint64 writeField(quint64 value, QByteArray &payload, quint32 bitOffset, quint32 bitLength,
                   int typeWidth)
{
    FieldPlace place;
    if (!placeField(payload, bitOffset, bitLength, typeWidth, false, &place))
        return 0;

    const quint64 masked = value & lowBitsMask(bitLength);
    char *octets = payload.data();
    for (quint64 i = 0; i < place.numOctets; ++i) {
        const qint64 position = qint64(8 * i) - qint64(place.shift);
        if (position >= 64)
            break;
        const quint64 part = position < 0 ? masked << place.shift : masked >> position;
        octets[place.lastOctet - int(i)] = char(quint8(octets[place.lastOctet - int(i)]) | quint8(part));
    }
    return masked << place.shift;
}

} // namespace detail
} // namespace PayloadConverter
