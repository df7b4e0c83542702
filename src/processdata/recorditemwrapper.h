#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>

#include "core/valuekind.h"

class RecordItemT;
class SimpleDatatypeT;

// One signal of a process data image: where it lies in the payload, its decoded (input) or set (output)
// value, the limits of its type and the names of its single values.
class RecordItemWrapper : public QObject
{
    Q_OBJECT

public:
    explicit RecordItemWrapper(const RecordItemT *definition, QObject *parent = nullptr);
    // An image whose datatype is one simple type: the whole image is one item at offset 0.
    RecordItemWrapper(const SimpleDatatypeT *datatype, const QString &nameTextId, qint32 subindex,
                      QObject *parent = nullptr);

    void setData(const QByteArray &payload, qint64 duration);
    QVariant convertIncomingData(const QByteArray &payload) const;
    // Stores the value converted to this item's type; no signal.
    void setValue(const QVariant &value);
    void writeInto(QByteArray &payload) const;

    bool isBoolean() const { return type == ValueKind::Boolean; }
    bool isOutOfRange() const;
    QString singleValueText() const;

    QString getName() const { return name; }
    qint32 getSubindex() const { return subindex; }
    QVariant getValue() const { return value; }
    qint64 getDuration() const { return duration; }
    qint32 getBitOffset() const { return bitOffset; }
    qint32 getBitLength() const { return bitLength; }
    // Boolean or a number; Unknown for the kinds process data are not decoded as.
    ValueKind getType() const { return type; }
    double getLow() const { return low; }
    double getHigh() const { return high; }
    const QHash<QString, QString> &getSingleValues() const { return singleValues; }

signals:
    void valueChanged();

private:
    void initType(const SimpleDatatypeT *datatype);
    void initNumber(const SimpleDatatypeT *datatype, ValueKind numberType);
    void logRecord() const;
    // The key under which a value's single value is kept: decimal text, floats in a normalised form.
    QString singleValueKey(const QVariant &number) const;
    bool isWide() const { return bitLength > 32; }

    QString name;
    qint32 subindex = 0;
    QVariant value;
    qint64 duration = 0;
    qint32 bitOffset = 0;
    qint32 bitLength = 0;
    ValueKind type = ValueKind::Unknown;
    double low = 0.0;
    double high = 1.0;
    QHash<QString, QString> singleValues;
};
