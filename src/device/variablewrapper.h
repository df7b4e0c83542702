#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>

#include "iodd/model/variabledescription.h"

// The run-time value of one IODD variable of the connected device: decodes what the device sends,
// encodes what is written, and signals every change. A simple variable has one value; a record or
// array has one value per item or element.
class VariableWrapper : public QObject
{
    Q_OBJECT

public:
    // One value slot: the variable itself (subindex 0) or one record item or array element.
    struct Record
    {
        bool referenced = false;
        QString name;
        quint32 subindex = 0;
        quint32 bitLength = 0;
        quint32 byteLength = 0;
        quint32 bitOffset = 0;
        ValueKind type = ValueKind::Unknown;
        bool modifiesOthers = false;
        QVariant value;
    };

    explicit VariableWrapper(const Variable *variable, QObject *parent = nullptr);

    const Variable *getVariable() const { return variable; }
    QString getId() const { return id; }
    quint16 getIndex() const { return index; }
    bool isReadable() const { return readable; }
    bool isWritable() const { return writable; }
    bool isSubindexAccessSupported() const { return subindexAccessSupported; }
    // Records and arrays, and whatever cannot be held as one value.
    bool isComplex() const { return !isScalar(ownRecord.type); }
    bool isComplexWithSubindexAccess() const { return isComplex() && subindexAccessSupported; }

    Record *findBySubindex(quint32 subindex);
    const Record *findBySubindex(quint32 subindex) const;
    const Record &getOwnRecord() const { return ownRecord; }
    const QVector<Record> &getRecords() const { return records; }

    QVariant getValue(quint32 subindex) const;
    void setValue(const QVariant &value, quint32 subindex);
    ValueKind getType(quint32 subindex) const;
    // The name the user knows the variable, or its item at `subindex`, by.
    QString displayName(quint32 subindex) const;
    quint32 getBitLength(quint32 subindex) const;
    void setReferenced(quint32 subindex);
    QList<quint32> getReferencedSubindexes() const;

    void setDataFromDevice(quint32 subindex, const QByteArray &payload);
    void setValueFromData(const QByteArray &payload, quint32 subindex, quint32 bitOffset);
    QByteArray toByteArray(quint32 subindex) const;
    // The whole variable as last read, with only the item at `subindex` (element number for arrays) encoded
    // from its current value; every other bit, named or not, stays as the device sent it. The result is kept
    // as the new image, so that edits of several items before the read-back build on each other.
    QByteArray wholeImageWith(quint32 subindex);
    // True when an item is written as part of the whole variable, which must then be read back.
    bool isWrittenAsWhole() const { return isComplex() && !subindexAccessSupported; }

signals:
    void valueChanged(uint subindex);

private:
    void initRecords();
    void logDescription() const;
    const Record *slotOrWarn(quint32 subindex, const char *operation) const;
    bool decodeInto(Record &record, const QByteArray &payload, quint32 bitOffset);
    void encodeInto(const Record &record, QByteArray &payload, quint32 bitOffset) const;
    void decodeWholeRecord(const QByteArray &payload);

    const Variable *variable = nullptr;
    QString id;
    quint16 index = 0;
    bool subindexAccessSupported = false;
    bool readable = true;
    bool writable = true;
    // Array elements are addressed by their element number even where the device offers no subindex access.
    bool array = false;
    Record ownRecord;
    QVector<Record> records;
    // The octets of the last whole read (or write) of a record or array.
    QByteArray image;
};

// Stores a value into a slot, converted to the slot's type; true when the stored value changed.
bool assignValue(VariableWrapper::Record &record, const QVariant &value);
