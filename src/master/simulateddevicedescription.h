#pragma once

// Independent of the IODD model (src/iodd) on purpose: this small reader of its own is the tests' second
// opinion on what a description says, so a fault in the model cannot hide behind the same fault here.
// It shares only the value kinds of src/core, and reads the datatype names by their exact spelling.

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

#include "core/valuekind.h"

class QDomDocument;
class QDomElement;

// What the simulated master needs to know of a device, read from its IODD: identity, the parameters
// with their types, access rights and defaults, and the process-data layouts with their conditions.
class SimulatedDeviceDescription
{
public:
    using Kind = ValueKind;

    struct SimpleType
    {
        Kind kind = Kind::Unknown;
        uint bitLength = 0;
        uint fixedLength = 0; // octets of a string or octet string
        QList<double> singleValues;
        QList<QPair<double, double>> valueRanges;

        bool hasValueRestriction() const { return !singleValues.isEmpty() || !valueRanges.isEmpty(); }
        bool allows(double value) const;
        // Bits the value occupies inside a record or a process-data image.
        uint fieldBits() const;
    };

    struct RecordItem
    {
        uint subindex = 0;
        uint bitOffset = 0;
        SimpleType type;
        QString accessRestriction;
        QString defaultValue;
    };

    struct Datatype
    {
        SimpleType simple; // for records and arrays only kind and bitLength are used
        QList<RecordItem> items;

        bool isComposite() const { return ::isComposite(simple.kind); }
        const RecordItem *item(uint subindex) const;
    };

    struct Variable
    {
        QString id;
        uint index = 0;
        QString accessRights = QStringLiteral("rw");
        Datatype type;
        QString defaultValue;
        bool excludedFromDataStorage = false;
    };

    struct ProcessData
    {
        QString id;
        bool hasCondition = false;
        QString conditionVariableId;
        uint conditionSubindex = 0;
        double conditionValue = 0;
        Datatype input;
        Datatype output;
    };

    // Reads the IODD at path, resolving standard references against the standard definitions at
    // standardDefinitionsPath (missing identity and system-command variables are supplied anyway).
    bool load(const QString &path, const QString &standardDefinitionsPath, QString *errorText = nullptr);

    QString filePath() const { return path; }
    quint16 vendorId() const { return vendor; }
    quint32 deviceId() const { return device; }
    qint32 revisionId() const { return revision; }
    int speed() const { return comSpeed; }
    bool supportsDataStorage() const { return dataStorage; }
    QString vendorName() const { return vendorNameText; }
    QString productId() const { return productIdText; }
    QString productName() const { return productNameText; }

    const QList<Variable> &variables() const { return variableList; }
    const Variable *variable(uint index) const;
    const Variable *variableById(const QString &id) const;
    const QList<ProcessData> &processData() const { return processDataList; }

    static constexpr uint systemCommandIndex = 2;

private:
    struct Definitions;

    bool readDocument(const QString &file, QDomDocument *document, QString *errorText) const;
    void readIdentity(const QDomElement &profileBody, const QMap<QString, QString> &texts);
    void readVariables(const QDomElement &collection, const Definitions &local, const Definitions &standard);
    void readProcessData(const QDomElement &collection, const Definitions &local, const Definitions &standard);
    void addMissingStandardVariables();
    void applyIdentityDefaults();

    QString path;
    quint16 vendor = 0;
    quint32 device = 0;
    qint32 revision = 0x11;
    int comSpeed = 2;
    bool dataStorage = false;
    QString vendorNameText;
    QString productIdText;
    QStringList variantProductIds;
    QString productNameText;
    QList<Variable> variableList;
    QList<ProcessData> processDataList;
};
