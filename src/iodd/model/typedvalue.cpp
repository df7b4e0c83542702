#include "typedvalue.h"

#include <QStringList>

#include <cstring>

namespace {
// The longest prefix of at most `limit` octets that does not split a UTF-8 character.
QByteArray utf8Prefix(const QByteArray &text, int limit)
{
    if (text.size() <= limit)
        return text;
    int end = limit;
    while (end > 0 && (uchar(text.at(end)) & 0xC0) == 0x80)
        --end;
    return text.left(end);
}
}

void TypedValue::clearStorage()
{
    std::memset(storage.text, 0, sizeof storage.text);
    octetCount = 0;
}

void TypedValue::setBool(bool value)
{
    clearStorage();
    storage.boolean = value;
}

void TypedValue::setUInt(quint32 value)
{
    clearStorage();
    storage.unsignedNumber = value;
}

void TypedValue::setInt(qint32 value)
{
    clearStorage();
    storage.signedNumber = value;
}

void TypedValue::setFloat(float value)
{
    clearStorage();
    storage.number = value;
}

void TypedValue::setOctets(const QByteArray &value)
{
    clearStorage();
    // One octet stays free for the terminating zero.
    octetCount = qMin(value.size(), storageSize - 1);
    std::memcpy(storage.text, value.constData(), size_t(octetCount));
}

QByteArray TypedValue::octets() const
{
    return QByteArray(storage.text, octetCount);
}

void TypedValue::setFromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    switch (type) {
    case ValueKind::Boolean:
        setBool(trimmed.toLongLong() != 0);
        break;
    case ValueKind::UInteger:
        setUInt(quint32(trimmed.toULongLong()));
        break;
    case ValueKind::Integer:
        setInt(qint32(trimmed.toLongLong()));
        break;
    case ValueKind::Float32:
        setFloat(trimmed.toFloat());
        break;
    case ValueKind::String:
        setOctets(utf8Prefix(text.toUtf8(), storageSize - 1));
        break;
    case ValueKind::OctetString:
        setOctets(text.toUtf8());
        break;
    default:
        setBool(false);
        break;
    }
}

QString TypedValue::toText() const
{
    switch (type) {
    case ValueKind::Boolean:
        return storage.boolean ? QStringLiteral("1") : QStringLiteral("0");
    case ValueKind::UInteger:
        return QString::number(storage.unsignedNumber);
    case ValueKind::Integer:
        return QString::number(storage.signedNumber);
    case ValueKind::Float32:
        return QString::number(double(storage.number), 'g', 6);
    case ValueKind::String:
    case ValueKind::OctetString:
        return QString::fromUtf8(storage.text, octetCount);
    default:
        return QString();
    }
}

void TypedValue::reset()
{
    switch (type) {
    case ValueKind::UInteger:
        setUInt(0);
        break;
    case ValueKind::Integer:
        setInt(0);
        break;
    case ValueKind::Float32:
        setFloat(0);
        break;
    case ValueKind::String:
    case ValueKind::OctetString:
        setOctets(QByteArrayLiteral("-"));
        break;
    default:
        setBool(false);
        break;
    }
}
