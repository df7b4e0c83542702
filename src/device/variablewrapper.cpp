#include "variablewrapper.h"

#include "core/logcategories.h"
#include "device/payloadconverter.h"

#include <QDebug>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// No ISDU or process data image comes near this; hostile lengths in a description stop here.
constexpr quint32 maxFieldOctets = 65535;
constexpr quint32 timeOctets = 8;

void applyLengths(VariableWrapper::Record &record, quint32 bitLength, quint32 fixedLength)
{
    fixedLength = std::min(fixedLength, maxFieldOctets);
    bitLength = std::min(bitLength, maxFieldOctets * 8);
    // A text record item may give its size only as the item's bit length.
    if (isOctets(record.type) && fixedLength == 0)
        fixedLength = bitLength / 8;
    switch (record.type) {
    case ValueKind::Boolean:
        record.bitLength = 1;
        break;
    case ValueKind::Float32:
        record.bitLength = 32;
        break;
    case ValueKind::String:
    case ValueKind::OctetString:
        record.bitLength = 8 * fixedLength;
        break;
    default:
        // Arrays of strings carry their size in octets only.
        record.bitLength = bitLength != 0 ? bitLength : 8 * fixedLength;
        break;
    }
    if (isOctets(record.type))
        record.byteLength = fixedLength;
    else
        record.byteLength = record.bitLength == 0 ? 0 : (record.bitLength - 1) / 8 + 1;
}

// The octets of a field that ends bitOffset bits before the end of the payload, clipped to the payload.
QByteArray octetsAt(const QByteArray &payload, quint32 length, quint32 bitOffset, qint64 *startOut)
{
    qint64 start = qint64(payload.size()) - qint64(length) - qint64(bitOffset / 8);
    qint64 count = length;
    if (start < 0) {
        count += start;
        start = 0;
    }
    *startOut = start;
    if (count <= 0)
        return QByteArray();
    return payload.mid(int(start), int(count));
}

QString textUpToZero(QByteArray octets)
{
    const int zero = octets.indexOf('\0');
    if (zero >= 0)
        octets.truncate(zero);
    return QString::fromUtf8(octets);
}

// Cuts at a character boundary so that the text decoded again is never longer than the field.
QString fitText(const QString &text, quint32 byteLength)
{
    QByteArray utf8 = text.toUtf8();
    if (byteLength != 0 && quint32(utf8.size()) > byteLength) {
        int cut = int(byteLength);
        while (cut > 0 && (quint8(utf8.at(cut)) & 0xC0) == 0x80)
            --cut;
        utf8.truncate(cut);
    }
    return textUpToZero(utf8);
}

bool isFloatingPoint(const QVariant &value)
{
    const int type = value.userType();
    return type == QMetaType::Double || type == QMetaType::Float;
}

// Rounds to the nearest integer and saturates, as a float converted to an integer field must not overflow.
quint64 toUnsigned(const QVariant &value)
{
    if (!isFloatingPoint(value))
        return value.toULongLong();
    const double number = std::round(value.toDouble());
    if (!(number > 0))
        return 0;
    if (number >= 18446744073709551615.0)
        return std::numeric_limits<quint64>::max();
    return quint64(number);
}

qint64 toSigned(const QVariant &value)
{
    if (!isFloatingPoint(value))
        return value.toLongLong();
    const double number = std::round(value.toDouble());
    if (std::isnan(number))
        return 0;
    if (number >= 9223372036854775807.0)
        return std::numeric_limits<qint64>::max();
    if (number <= -9223372036854775808.0)
        return std::numeric_limits<qint64>::min();
    return qint64(number);
}

template<typename Unsigned, typename Signed>
void encodeNumber(const VariableWrapper::Record &record, QByteArray &payload, quint32 bitOffset)
{
    if (record.type == ValueKind::UInteger)
        PayloadConverter::toPayload<Unsigned>(Unsigned(toUnsigned(record.value)), payload, bitOffset, record.bitLength);
    else
        PayloadConverter::toPayload<Signed>(Signed(toSigned(record.value)), payload, bitOffset, record.bitLength);
}

void placeOctets(QByteArray &payload, QByteArray octets, quint32 byteLength, quint32 bitOffset)
{
    const qint64 start = qint64(payload.size()) - qint64(byteLength) - qint64(bitOffset / 8);
    if (start < 0) {
        qWarning() << Q_FUNC_INFO << "field outside the payload" << payload.size() << "<" << byteLength
                   << bitOffset;
        return;
    }
    octets.truncate(int(byteLength));
    std::copy(octets.cbegin(), octets.cend(), payload.begin() + start);
    std::fill(payload.begin() + start + octets.size(), payload.begin() + start + byteLength, '\0');
}

// Encoding ORs into the payload; a field rewritten in a kept image must be cleared first.
void clearBits(QByteArray &payload, quint32 bitOffset, quint32 bitLength)
{
    const quint64 totalBits = quint64(payload.size()) * 8;
    for (quint64 bit = bitOffset; bit < quint64(bitOffset) + bitLength && bit < totalBits; ++bit) {
        const int octet = int(quint64(payload.size()) - 1 - bit / 8);
        payload[octet] = char(quint8(payload.at(octet)) & ~(1u << (bit % 8)));
    }
}

} // namespace

VariableWrapper::VariableWrapper(const Variable *variable, QObject *parent)
    : QObject(parent)
    , variable(variable)
{
    if (!variable) {
        qCritical() << Q_FUNC_INFO << "variable is null";
        return;
    }
    id = variable->id;
    index = variable->index;
    subindexAccessSupported = variable->subindexAccessSupported;
    const QString access = variable->accessRights.toLower();
    if (access == QLatin1String("ro"))
        writable = false;
    else if (access == QLatin1String("wo"))
        readable = false;
    initRecords();
    logDescription();
}

void VariableWrapper::initRecords()
{
    ownRecord.name = variable->nameTextId;
    ownRecord.type = variable->value.type;
    ownRecord.modifiesOthers = variable->modifiesOtherVariables;
    quint32 fixedLength = variable->fixedLength;
    // Points in time and time spans are held as their eight octets; nothing here computes with them.
    if (isTime(ownRecord.type)) {
        ownRecord.type = ValueKind::OctetString;
        fixedLength = timeOctets;
    }
    applyLengths(ownRecord, variable->bitLength, fixedLength);
    if (!isComplex())
        return;

    for (const auto &item : variable->recordItems) {
        Record record;
        record.name = item.nameTextId;
        record.subindex = item.subindex;
        record.bitOffset = item.bitOffset;
        record.type = item.value.type;
        quint32 itemLength = item.fixedLength;
        if (isTime(record.type)) {
            record.type = ValueKind::OctetString;
            itemLength = timeOctets;
        }
        applyLengths(record, item.bitLength, itemLength);
        records.append(record);
    }

    array = variable->value.type == ValueKind::Array;
    if (!array || records.isEmpty())
        return;
    // Element 1 comes first on the wire; offsets are counted from the end of the payload like record items.
    const quint32 elementBits = records.first().bitLength;
    const quint32 totalBits = std::max(ownRecord.bitLength, quint32(records.size()) * elementBits);
    ownRecord.bitLength = totalBits;
    ownRecord.byteLength = totalBits == 0 ? 0 : (totalBits - 1) / 8 + 1;
    for (int position = 0; position < records.size(); ++position)
        records[position].bitOffset = totalBits - quint32(position + 1) * elementBits;
}

void VariableWrapper::logDescription() const
{
    {
        QDebug line = qInfo().noquote();
        line << " VAR:" << id << variable->name << "idx" << index << "type" << ownRecord.type << "bitlen"
             << ownRecord.bitLength << "subindex" << (subindexAccessSupported ? "YES" : "NO") << "access"
             << variable->accessRights << "read" << readable << "write" << writable;
        if (ownRecord.modifiesOthers)
            line << "MODIFIES OTHERS";
    }
    for (const Record &record : records) {
        QDebug line = qInfo().noquote();
        line << "  REC:" << record.name << "subindex" << record.subindex << "type" << record.type << "bitlen"
             << record.bitLength << "bitoff" << record.bitOffset;
        if (record.modifiesOthers)
            line << "MODIFIES OTHERS";
    }
}

const VariableWrapper::Record *VariableWrapper::findBySubindex(quint32 subindex) const
{
    if (!isComplex()) {
        if (subindex != 0)
            qWarning() << "** WARNING: Accessing" << id << "by subindex" << subindex << Q_FUNC_INFO;
        return &ownRecord;
    }
    for (const Record &record : records) {
        if (record.subindex == subindex)
            return &record;
    }
    // Elements of an array without subindex access all carry subindex 0; they are found by element number.
    if (array && subindex >= 1 && subindex <= quint32(records.size()) && records.at(int(subindex) - 1).subindex == 0)
        return &records.at(int(subindex) - 1);
    return nullptr;
}

VariableWrapper::Record *VariableWrapper::findBySubindex(quint32 subindex)
{
    return const_cast<Record *>(static_cast<const VariableWrapper *>(this)->findBySubindex(subindex));
}

const VariableWrapper::Record *VariableWrapper::slotOrWarn(quint32 subindex, const char *operation) const
{
    const Record *record = findBySubindex(subindex);
    if (!record)
        qWarning() << "** WARNING: subindex out of range:" << id << subindex << operation;
    return record;
}

QVariant VariableWrapper::getValue(quint32 subindex) const
{
    const Record *record = slotOrWarn(subindex, Q_FUNC_INFO);
    return record ? record->value : QVariant();
}

void VariableWrapper::setValue(const QVariant &value, quint32 subindex)
{
    Record *record = const_cast<Record *>(slotOrWarn(subindex, Q_FUNC_INFO));
    if (record && assignValue(*record, value))
        emit valueChanged(record->subindex);
}

QString VariableWrapper::displayName(quint32 subindex) const
{
    const QString whole = variable && !variable->name.isEmpty() ? variable->name : id;
    if (subindex == 0 || !variable)
        return whole;
    for (const myRecordItem &item : variable->recordItems) {
        if (item.subindex == subindex && !item.name.isEmpty())
            return item.name == whole ? whole : whole + QStringLiteral(" – ") + item.name;
    }
    return QStringLiteral("%1 [%2]").arg(whole).arg(subindex);
}

ValueKind VariableWrapper::getType(quint32 subindex) const
{
    const Record *record = slotOrWarn(subindex, Q_FUNC_INFO);
    return record ? record->type : ValueKind::Unknown;
}

quint32 VariableWrapper::getBitLength(quint32 subindex) const
{
    const Record *record = slotOrWarn(subindex, Q_FUNC_INFO);
    return record ? record->bitLength : 0;
}

void VariableWrapper::setReferenced(quint32 subindex)
{
    // A reference to a whole record or array shows every item; they all come with the one read at subindex 0.
    if (subindex == 0 && isComplex() && !records.isEmpty()) {
        for (Record &record : records)
            record.referenced = true;
        return;
    }
    Record *record = const_cast<Record *>(slotOrWarn(subindex, Q_FUNC_INFO));
    if (record)
        record->referenced = true;
}

QList<quint32> VariableWrapper::getReferencedSubindexes() const
{
    QList<quint32> subindexes;
    if (!isComplex()) {
        if (ownRecord.referenced)
            subindexes.append(0);
        return subindexes;
    }
    for (const Record &record : records) {
        if (record.referenced && !subindexes.contains(record.subindex))
            subindexes.append(record.subindex);
    }
    return subindexes;
}

void VariableWrapper::setDataFromDevice(quint32 subindex, const QByteArray &payload)
{
    qCDebug(lcDevice) << Q_FUNC_INFO << id << index << subindex << payload.toHex(' ').constData();
    // A record or array without subindex access is only ever sent as a whole, whichever item was asked for.
    if (isComplex() && (subindex == 0 || !subindexAccessSupported))
        decodeWholeRecord(payload);
    else
        // A simple value, or one item read by its own subindex, lies at the end of its own payload.
        setValueFromData(payload, subindex, 0);
}

void VariableWrapper::decodeWholeRecord(const QByteArray &payload)
{
    image = payload;
    bool anyElementChanged = false;
    for (Record &record : records) {
        if (!decodeInto(record, payload, record.bitOffset))
            continue;
        if (array)
            anyElementChanged = true;
        if (!array || record.subindex != 0)
            emit valueChanged(record.subindex);
    }
    // Whoever shows a whole array listens on subindex 0; tell it once per read.
    if (anyElementChanged)
        emit valueChanged(0);
}

void VariableWrapper::setValueFromData(const QByteArray &payload, quint32 subindex, quint32 bitOffset)
{
    Record *record = const_cast<Record *>(slotOrWarn(subindex, Q_FUNC_INFO));
    if (record && decodeInto(*record, payload, bitOffset))
        emit valueChanged(record->subindex);
}

bool VariableWrapper::decodeInto(Record &record, const QByteArray &payload, quint32 bitOffset)
{
    using namespace PayloadConverter;
    QVariant decoded;
    switch (record.type) {
    case ValueKind::Boolean:
        decoded = fromPayload<bool>(payload, bitOffset, record.bitLength);
        break;
    case ValueKind::UInteger:
        decoded = QVariant(qulonglong(fromPayload<quint64>(payload, bitOffset, record.bitLength)));
        break;
    case ValueKind::Integer:
        decoded = QVariant(qlonglong(fromPayload<qint64>(payload, bitOffset, record.bitLength)));
        break;
    case ValueKind::Float32:
        decoded = QVariant(fromPayload<float>(payload, bitOffset, record.bitLength));
        break;
    case ValueKind::String:
    case ValueKind::OctetString: {
        const quint32 length = record.bitLength / 8;
        qint64 start = 0;
        const QByteArray octets = octetsAt(payload, length, bitOffset, &start);
        if (record.type == ValueKind::String) {
            decoded = textUpToZero(octets);
            qCDebug(lcDevice) << Q_FUNC_INFO << record.subindex << record.name << "bitoff:" << bitOffset << start << "bytelen"
                              << length << ":" << decoded.toString();
        } else {
            decoded = octets;
        }
        break;
    }
    default:
        qWarning() << Q_FUNC_INFO << "unexpected value type" << record.type << id << record.subindex;
        return false;
    }
    return assignValue(record, decoded);
}

QByteArray VariableWrapper::wholeImageWith(quint32 subindex)
{
    if (quint32(image.size()) != ownRecord.byteLength)
        image = toByteArray(0);
    const Record *record = subindex == 0 ? nullptr : slotOrWarn(subindex, Q_FUNC_INFO);
    if (record) {
        clearBits(image, record->bitOffset, record->bitLength);
        encodeInto(*record, image, record->bitOffset);
    }
    return image;
}

QByteArray VariableWrapper::toByteArray(quint32 subindex) const
{
    if (isComplex() && !subindexAccessSupported) {
        QByteArray payload(int(ownRecord.byteLength), '\0');
        for (const Record &record : records)
            encodeInto(record, payload, record.bitOffset);
        return payload;
    }
    const Record *record = slotOrWarn(subindex, Q_FUNC_INFO);
    if (!record)
        return QByteArray();
    if (isOctets(record->type) && record->byteLength == 0)
        return record->type == ValueKind::String ? record->value.toString().toUtf8() : record->value.toByteArray();
    QByteArray payload(int(record->byteLength), '\0');
    encodeInto(*record, payload, 0);
    return payload;
}

void VariableWrapper::encodeInto(const Record &record, QByteArray &payload, quint32 bitOffset) const
{
    switch (record.type) {
    case ValueKind::Boolean:
        PayloadConverter::toPayload<bool>(record.value.toBool(), payload, bitOffset, record.bitLength);
        break;
    case ValueKind::UInteger:
    case ValueKind::Integer:
        if (record.byteLength <= 1)
            encodeNumber<quint8, qint8>(record, payload, bitOffset);
        else if (record.byteLength == 2)
            encodeNumber<quint16, qint16>(record, payload, bitOffset);
        else if (record.byteLength <= 4)
            encodeNumber<quint32, qint32>(record, payload, bitOffset);
        else
            encodeNumber<quint64, qint64>(record, payload, bitOffset);
        break;
    case ValueKind::Float32:
        PayloadConverter::toPayload<float>(record.value.toFloat(), payload, bitOffset, record.bitLength);
        break;
    case ValueKind::String:
        placeOctets(payload, record.value.toString().toUtf8(), record.byteLength, bitOffset);
        break;
    case ValueKind::OctetString:
        placeOctets(payload, record.value.toByteArray(), record.byteLength, bitOffset);
        break;
    default:
        qWarning() << "** WARNING: unknown type in byte array conversion:" << record.type;
        break;
    }
}

bool assignValue(VariableWrapper::Record &record, const QVariant &value)
{
    if (record.value.userType() == value.userType() && record.value == value)
        return false;

    QVariant converted;
    switch (record.type) {
    case ValueKind::Boolean:
        converted = value.toBool();
        break;
    case ValueKind::UInteger:
        converted = QVariant(qulonglong(toUnsigned(value)));
        break;
    case ValueKind::Integer:
        converted = QVariant(qlonglong(toSigned(value)));
        break;
    case ValueKind::Float32:
        converted = QVariant(value.toFloat());
        break;
    case ValueKind::String:
        converted = fitText(value.toString(), record.byteLength);
        break;
    case ValueKind::OctetString:
        converted = value.toByteArray();
        break;
    default:
        qWarning() << "** WARNING: unknown type in assignment:" << record.type;
        return false;
    }
    record.value = converted;
    qCDebug(lcDevice) << "ASSIGNED" << converted;
    return true;
}
