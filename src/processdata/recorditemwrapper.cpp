#include "recorditemwrapper.h"

#include "core/logcategories.h"
#include "device/payloadconverter.h"
#include "iodd/model/completionsupport.h"
#include "iodd/model/datatypeelements.h"

#include <QDebug>

#include <cfloat>
#include <cmath>

using CompletionSupport::lastOf;

namespace {

// A value range bound as the item's type reads it; false when the text is no number of that type.
bool parseBound(const QString &text, ValueKind type, double *bound)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    if (type == ValueKind::UInteger)
        *bound = double(trimmed.toULongLong(&ok, 10));
    else if (type == ValueKind::Integer)
        *bound = double(trimmed.toLongLong(&ok, 10));
    else
        *bound = trimmed.toDouble(&ok);
    return ok;
}

bool isFloatingPoint(const QVariant &value)
{
    const int typeId = value.userType();
    return typeId == QMetaType::Double || typeId == QMetaType::Float;
}

} // namespace

RecordItemWrapper::RecordItemWrapper(const RecordItemT *definition, QObject *parent)
    : QObject(parent)
{
    if (!definition) {
        qCritical() << Q_FUNC_INFO << "record item is null";
        return;
    }
    const TextRefT *nameRef = lastOf(definition->Name);
    name = nameRef ? nameRef->textId.value : QString();
    subindex = qint32(IOLinkKlasse::toInteger(definition->subindex.value));
    bitOffset = qint32(IOLinkKlasse::toInteger(definition->bitOffset.value));
    initType(lastOf(definition->SimpleDatatype));
    logRecord();
}

RecordItemWrapper::RecordItemWrapper(const SimpleDatatypeT *datatype, const QString &nameTextId, qint32 subindex,
                                     QObject *parent)
    : QObject(parent)
    , name(nameTextId)
    , subindex(subindex)
{
    initType(datatype);
    logRecord();
}

void RecordItemWrapper::initType(const SimpleDatatypeT *datatype)
{
    const QString typeName = datatype ? datatype->xsiType.value : QString();
    const ValueKind kind = valueKindOf(typeName);
    if (isNumber(kind)) {
        initNumber(datatype, kind);
    } else if (kind == ValueKind::Boolean) {
        type = kind;
        bitLength = 1;
    } else {
        qCritical() << Q_FUNC_INFO << "Unsupported type" << typeName;
    }
}

void RecordItemWrapper::initNumber(const SimpleDatatypeT *datatype, ValueKind numberType)
{
    type = numberType;
    const NumberT *number = datatype->typed<NumberT>();
    if (numberType == ValueKind::UInteger) {
        const UIntegerT *typed = datatype->typed<UIntegerT>();
        bitLength = typed ? qint32(IOLinkKlasse::toInteger(typed->bitLength.value)) : 0;
        low = 0.0;
        high = bitLength > 0 ? std::ldexp(1.0, bitLength) - 1.0 : 0.0;
    } else if (numberType == ValueKind::Integer) {
        const IntegerT *typed = datatype->typed<IntegerT>();
        bitLength = typed ? qint32(IOLinkKlasse::toInteger(typed->bitLength.value)) : 0;
        low = bitLength > 0 ? -std::ldexp(1.0, bitLength - 1) : 0.0;
        high = bitLength > 0 ? std::ldexp(1.0, bitLength - 1) - 1.0 : 0.0;
    } else {
        bitLength = 32;
        low = -double(FLT_MAX);
        high = double(FLT_MAX);
    }
    if (!number)
        return;

    // Several ranges make one envelope, so a value of any of them is in range.
    bool lowReplaced = false;
    bool highReplaced = false;
    for (int i = 1; i < number->ValueRange.size(); ++i) {
        const ValueRangeT *range = number->ValueRange.at(i);
        double bound = 0.0;
        if (parseBound(range->lowerValue.value, type, &bound)) {
            low = lowReplaced ? qMin(low, bound) : bound;
            lowReplaced = true;
        }
        if (parseBound(range->upperValue.value, type, &bound)) {
            high = highReplaced ? qMax(high, bound) : bound;
            highReplaced = true;
        }
    }
    for (int i = 1; i < number->SingleValue.size(); ++i) {
        const SingleValueT *single = number->SingleValue.at(i);
        if (single->value.value.isEmpty())
            continue;
        const TextRefT *nameRef = lastOf(single->Name);
        double parsed = 0.0;
        const QString key = parseBound(single->value.value, type, &parsed)
                                ? singleValueKey(type == ValueKind::Float32 ? QVariant(parsed)
                                                                     : QVariant(single->value.value.trimmed()))
                                : single->value.value;
        singleValues.insert(key, nameRef ? nameRef->textId.value : QString());
    }
}

QString RecordItemWrapper::singleValueKey(const QVariant &number) const
{
    switch (type) {
    case ValueKind::UInteger:
        return QString::number(number.toULongLong());
    case ValueKind::Integer:
        return QString::number(number.toLongLong());
    case ValueKind::Float32:
        // Through single precision, so a written "0.1" meets the 0.1 the device sends.
        return QString::number(double(float(number.toDouble())), 'g', 9);
    default:
        return QString();
    }
}

void RecordItemWrapper::logRecord() const
{
    qInfo() << "Process data record" << name << "subindex" << subindex << "type" << type << "bit offset"
            << bitOffset << "bit len" << bitLength << "low" << low << "high" << high;
}

void RecordItemWrapper::setData(const QByteArray &payload, qint64 newDuration)
{
    qCDebug(lcProcessData) << Q_FUNC_INFO << payload.toHex(' ').constData() << "dur:" << newDuration;
    value = convertIncomingData(payload);
    duration = newDuration;
    emit valueChanged();
}

QVariant RecordItemWrapper::convertIncomingData(const QByteArray &payload) const
{
    qCDebug(lcProcessData) << Q_FUNC_INFO << payload.toHex(' ').constData() << payload << type << "offset:" << bitOffset
                           << "len:" << bitLength;

    const quint32 offset = quint32(bitOffset);
    const quint32 length = quint32(bitLength);
    QVariant result;
    switch (type) {
    case ValueKind::UInteger:
        result = isWide() ? QVariant(PayloadConverter::fromPayload<quint64>(payload, offset, length))
                          : QVariant(PayloadConverter::fromPayload<quint32>(payload, offset, length));
        break;
    case ValueKind::Integer:
        result = isWide() ? QVariant(PayloadConverter::fromPayload<qint64>(payload, offset, length))
                          : QVariant(PayloadConverter::fromPayload<qint32>(payload, offset, length));
        break;
    case ValueKind::Boolean:
        result = PayloadConverter::fromPayload<bool>(payload, offset, 1);
        break;
    case ValueKind::Float32:
        result = double(PayloadConverter::fromPayload<float>(payload, offset, 32));
        break;
    default:
        qCritical() << Q_FUNC_INFO << type << "not implemented";
        break;
    }
    qCDebug(lcProcessData) << Q_FUNC_INFO << "new value:" << type << result;
    return result;
}

void RecordItemWrapper::setValue(const QVariant &newValue)
{
    // Numbers from the screen may come as doubles; integers are rounded, never truncated.
    const bool rounded = isFloatingPoint(newValue) && (type == ValueKind::UInteger || type == ValueKind::Integer);
    const qint64 roundedValue = rounded ? qRound64(newValue.toDouble()) : 0;
    switch (type) {
    case ValueKind::Boolean:
        value = newValue.toBool();
        break;
    case ValueKind::UInteger:
        if (isWide())
            value = rounded ? quint64(roundedValue) : newValue.toULongLong();
        else
            value = rounded ? quint32(roundedValue) : newValue.toUInt();
        break;
    case ValueKind::Integer:
        if (isWide())
            value = rounded ? roundedValue : newValue.toLongLong();
        else
            value = rounded ? qint32(roundedValue) : newValue.toInt();
        break;
    case ValueKind::Float32:
        value = newValue.toDouble();
        break;
    default:
        value = newValue;
        break;
    }
}

void RecordItemWrapper::writeInto(QByteArray &payload) const
{
    const quint32 offset = quint32(bitOffset);
    const quint32 length = quint32(bitLength);
    switch (type) {
    case ValueKind::UInteger:
        if (isWide())
            PayloadConverter::toPayload<quint64>(value.toULongLong(), payload, offset, length);
        else
            PayloadConverter::toPayload<quint32>(value.toUInt(), payload, offset, length);
        break;
    case ValueKind::Integer:
        if (isWide())
            PayloadConverter::toPayload<qint64>(value.toLongLong(), payload, offset, length);
        else
            PayloadConverter::toPayload<qint32>(value.toInt(), payload, offset, length);
        break;
    case ValueKind::Boolean:
        PayloadConverter::toPayload<bool>(value.toBool(), payload, offset, 1);
        break;
    case ValueKind::Float32:
        PayloadConverter::toPayload<float>(float(value.toDouble()), payload, offset, 32);
        break;
    default:
        break;
    }
}

bool RecordItemWrapper::isOutOfRange() const
{
    if (!isNumber(type))
        return false;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return false;
    // A float that is no number (a sensor's "no measurement") lies in no range.
    if (std::isnan(number))
        return true;
    return number < low || number > high;
}

QString RecordItemWrapper::singleValueText() const
{
    if (!isNumber(type))
        return QString();
    bool ok = false;
    value.toDouble(&ok);
    if (!ok)
        return QString();
    return singleValues.value(singleValueKey(value));
}
