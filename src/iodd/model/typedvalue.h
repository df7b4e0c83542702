#pragma once

#include <QByteArray>
#include <QString>

#include "core/valuekind.h"

// One typed value of a variable or record item. All types share one fixed storage, so copying a
// value copies the whole storage; texts longer than the storage are cut, never written beyond it.
class TypedValue
{
public:
    static constexpr int storageSize = 256;

    // Sets the value from its IODD text according to `type` (see setFromText in the source).
    void setFromText(const QString &text);
    QString toText() const;
    void reset();

    bool toBool() const { return storage.boolean; }
    quint32 toUInt() const { return storage.unsignedNumber; }
    qint32 toInt() const { return storage.signedNumber; }
    float toFloat() const { return storage.number; }
    // The stored octets of a String or OctetString.
    QByteArray octets() const;

    void setBool(bool value);
    void setUInt(quint32 value);
    void setInt(qint32 value);
    void setFloat(float value);
    void setOctets(const QByteArray &value);

    quint32 bitLength = 8;
    quint32 fixedLength = 0;
    ValueKind type = ValueKind::Unknown;

private:
    void clearStorage();

    union Storage {
        bool boolean;
        quint32 unsignedNumber;
        qint32 signedNumber;
        float number;
        char text[storageSize];
    } storage = {};
    // Octets in use of a String or OctetString; an octet string may contain zero octets.
    int octetCount = 0;
};
