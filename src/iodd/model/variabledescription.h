#pragma once

#include "typedvalue.h"

#include <QString>
#include <QVector>

// A named value of a simple type.
struct SingleValueEntry
{
    TypedValue value;
    QString text;
    QString textId;
};

// An allowed range of a number type.
struct ValueRangeEntry
{
    TypedValue lower;
    TypedValue upper;
    QString text;
    QString textId;
};

// The default of one record item, from a RecordItemInfo.
struct RecordItemDefaultEntry
{
    quint32 subindex = 0;
    QString defaultValue;
    bool modifiesOtherVariables = false;
    bool excludedFromDataStorage = false;
};

// What a resolved datatype says about a variable or a record item.
struct TypeDescription
{
    QString datatypeId;
    QString typeName;
    quint32 fixedLength = 0;
    quint32 bitLength = 0;
    bool subindexAccessSupported = false;
    QVector<SingleValueEntry> singleValues;
    QVector<ValueRangeEntry> valueRanges;
};

// One record item or array element of a completed variable.
struct myRecordItem : TypeDescription
{
    quint32 subindex = 0;
    quint32 index = 0;
    quint32 bitOffset = 0;
    QString accessRights;
    QString name;
    QString nameTextId;
    QString description;
    QString descriptionTextId;
    TypedValue value;
    TypedValue defaultValue;
    bool hasDefault = false;
};

// The completed, plain description of one variable (own, standard reference or direct parameter).
struct Variable : TypeDescription
{
    QString id;
    QString accessRights = QStringLiteral("rw");
    bool dynamic = false;
    bool modifiesOtherVariables = false;
    bool excludedFromDataStorage = false;
    quint16 index = 0;
    QVector<myRecordItem> recordItems;
    QVector<RecordItemDefaultEntry> recordItemDefaults;
    QString name;
    QString description;
    QString nameTextId;
    QString descriptionTextId;
    TypedValue value;
    TypedValue defaultValue;
    bool hasDefault = false;
    // Set by the device binding for variables that a menu, a condition or the process data view uses.
    bool referenced = false;
    // Why the completion found the variable unusable (e.g. an unknown datatype); empty when it is usable.
    QString invalidReason;
};
