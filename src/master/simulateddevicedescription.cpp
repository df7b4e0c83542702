#include "core/logcategories.h"
#include "simulateddevicedescription.h"

#include <QDebug>
#include <QDomDocument>
#include <QFile>

#include <algorithm>
#include <cmath>

namespace {

const QString typeAttribute = QStringLiteral("xsi:type");

QList<QDomElement> childElements(const QDomElement &parent, const QString &tag)
{
    QList<QDomElement> result;
    for (QDomElement e = parent.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag))
        result.append(e);
    return result;
}

bool parseNumber(const QString &text, double *value)
{
    const QString trimmed = text.trimmed();
    if (trimmed == QLatin1String("true")) {
        *value = 1;
        return true;
    }
    if (trimmed == QLatin1String("false")) {
        *value = 0;
        return true;
    }
    bool ok = false;
    if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        *value = double(trimmed.mid(2).toULongLong(&ok, 16));
    else
        *value = trimmed.toDouble(&ok);
    return ok && std::isfinite(*value);
}

SimulatedDeviceDescription::Kind kindOf(const QString &typeName)
{
    using Kind = SimulatedDeviceDescription::Kind;
    static const QMap<QString, Kind> kinds = {
        {QStringLiteral("BooleanT"), Kind::Boolean},     {QStringLiteral("UIntegerT"), Kind::UInteger},
        {QStringLiteral("IntegerT"), Kind::Integer},     {QStringLiteral("Float32T"), Kind::Float32},
        {QStringLiteral("StringT"), Kind::String},       {QStringLiteral("OctetStringT"), Kind::OctetString},
        {QStringLiteral("TimeT"), Kind::Time},           {QStringLiteral("TimeSpanT"), Kind::TimeSpan},
        {QStringLiteral("RecordT"), Kind::Record},       {QStringLiteral("ArrayT"), Kind::Array},
        {QStringLiteral("ProcessDataInUnionT"), Kind::ProcessDataIn},
        {QStringLiteral("ProcessDataOutUnionT"), Kind::ProcessDataOut}};
    return kinds.value(typeName, Kind::Unknown);
}

// Upper bounds keep hostile attribute values from producing huge payloads.
constexpr uint maxFieldBits = 8 * 1024 * 8;
constexpr uint maxOctets = 1024;

uint boundedAttribute(const QDomElement &e, const QString &name, uint limit)
{
    const uint value = e.attribute(name).toUInt();
    return std::min(value, limit);
}

// An array keeps its first `restriction` elements (element 1 first on the wire); a text its first octets.
void restrictLength(SimulatedDeviceDescription::Datatype &type, uint restriction)
{
    if (type.simple.kind != SimulatedDeviceDescription::Kind::Array) {
        type.simple.fixedLength = restriction;
        return;
    }
    if (restriction == 0 || restriction >= uint(type.items.size()))
        return;
    const uint elementBits = type.items.first().type.fieldBits();
    type.items = type.items.mid(0, int(restriction));
    type.simple.bitLength = restriction * elementBits;
    for (uint i = 1; i <= restriction; ++i)
        type.items[int(i) - 1].bitOffset = (restriction - i) * elementBits;
}

struct BuiltInVariable
{
    const char *id;
    uint index;
    const char *access;
    SimulatedDeviceDescription::Kind kind;
    uint size; // bits of a number, octets of a string
};

// The standard variables the simulator must answer even without the standard definitions.
const BuiltInVariable builtInVariables[] = {
    {"V_SystemCommand", 2, "wo", SimulatedDeviceDescription::Kind::UInteger, 8},
    {"V_VendorName", 16, "ro", SimulatedDeviceDescription::Kind::String, 64},
    {"V_VendorText", 17, "ro", SimulatedDeviceDescription::Kind::String, 64},
    {"V_ProductName", 18, "ro", SimulatedDeviceDescription::Kind::String, 64},
    {"V_ProductID", 19, "ro", SimulatedDeviceDescription::Kind::String, 64},
    {"V_ProductText", 20, "ro", SimulatedDeviceDescription::Kind::String, 64},
    {"V_SerialNumber", 21, "ro", SimulatedDeviceDescription::Kind::String, 16},
    {"V_HardwareRevision", 22, "ro", SimulatedDeviceDescription::Kind::String, 64},
    {"V_FirmwareRevision", 23, "ro", SimulatedDeviceDescription::Kind::String, 64},
    {"V_ApplicationSpecificTag", 24, "rw", SimulatedDeviceDescription::Kind::String, 32},
    // The same index under its IODD 1.0.1 name, which the 1.1 definitions lack.
    {"V_ApplicationSpecificName", 24, "rw", SimulatedDeviceDescription::Kind::String, 64},
};

SimulatedDeviceDescription::Variable builtInVariable(const BuiltInVariable &entry)
{
    SimulatedDeviceDescription::Variable v;
    v.id = QString::fromLatin1(entry.id);
    v.index = entry.index;
    v.accessRights = QString::fromLatin1(entry.access);
    v.type.simple.kind = entry.kind;
    if (entry.kind == SimulatedDeviceDescription::Kind::String)
        v.type.simple.fixedLength = entry.size;
    else
        v.type.simple.bitLength = entry.size;
    return v;
}


bool findBuiltInVariable(const QString &id, SimulatedDeviceDescription::Variable *variable)
{
    for (const BuiltInVariable &entry : builtInVariables) {
        if (id == QLatin1String(entry.id)) {
            *variable = builtInVariable(entry);
            return true;
        }
    }
    return false;
}

} // namespace

struct SimulatedDeviceDescription::Definitions
{
    QDomDocument document;
    QMap<QString, QDomElement> datatypes;
    QMap<QString, QDomElement> variables;
    const Definitions *fallback = nullptr;

    void collect(const QDomElement &root)
    {
        QDomElement function = root.firstChildElement(QStringLiteral("ProfileBody")).firstChildElement(QStringLiteral("DeviceFunction"));
        if (function.isNull())
            function = root; // the standard definitions keep their collections at the top
        for (const QDomElement &e : childElements(function.firstChildElement(QStringLiteral("DatatypeCollection")), QStringLiteral("Datatype")))
            datatypes.insert(e.attribute(QStringLiteral("id")), e);
        for (const QDomElement &e : childElements(function.firstChildElement(QStringLiteral("VariableCollection")), QStringLiteral("Variable")))
            variables.insert(e.attribute(QStringLiteral("id")), e);
    }

    QDomElement datatype(const QString &id) const
    {
        const QDomElement found = datatypes.value(id);
        if (found.isNull() && fallback)
            return fallback->datatype(id);
        return found;
    }

    // The element that carries the type of a Variable, RecordItem, ArrayT or ProcessDataIn/Out.
    QDomElement typeElementOf(const QDomElement &owner, int depth = 0) const
    {
        for (const QString &tag : {QStringLiteral("Datatype"), QStringLiteral("SimpleDatatype")}) {
            const QDomElement e = owner.firstChildElement(tag);
            if (!e.isNull())
                return e;
        }
        const QDomElement ref = owner.firstChildElement(QStringLiteral("DatatypeRef"));
        if (ref.isNull() || depth > 4)
            return QDomElement();
        return datatype(ref.attribute(QStringLiteral("datatypeId")));
    }

    SimpleType simpleType(const QDomElement &e) const
    {
        SimpleType type;
        type.kind = kindOf(e.attribute(typeAttribute));
        switch (type.kind) {
        case Kind::Boolean: type.bitLength = 1; break;
        case Kind::Float32: type.bitLength = 32; break;
        case Kind::Time:
        case Kind::TimeSpan: type.bitLength = 64; break;
        case Kind::String:
        case Kind::OctetString: type.fixedLength = boundedAttribute(e, QStringLiteral("fixedLength"), maxOctets); break;
        case Kind::UInteger:
        case Kind::Integer: type.bitLength = std::min(boundedAttribute(e, QStringLiteral("bitLength"), 64), 64u); break;
        default: type.bitLength = boundedAttribute(e, QStringLiteral("bitLength"), maxFieldBits); break;
        }
        for (const QDomElement &sv : childElements(e, QStringLiteral("SingleValue"))) {
            double value = 0;
            if (parseNumber(sv.attribute(QStringLiteral("value")), &value))
                type.singleValues.append(value);
        }
        for (const QDomElement &range : childElements(e, QStringLiteral("ValueRange"))) {
            double lower = 0;
            double upper = 0;
            if (parseNumber(range.attribute(QStringLiteral("lowerValue")), &lower)
                && parseNumber(range.attribute(QStringLiteral("upperValue")), &upper))
                type.valueRanges.append(qMakePair(std::min(lower, upper), std::max(lower, upper)));
        }
        return type;
    }

    Datatype fullType(const QDomElement &e) const
    {
        Datatype type;
        if (e.isNull())
            return type;
        type.simple = simpleType(e);
        if (type.simple.kind == Kind::Record) {
            for (const QDomElement &itemElement : childElements(e, QStringLiteral("RecordItem"))) {
                RecordItem item;
                item.subindex = boundedAttribute(itemElement, QStringLiteral("subindex"), 255);
                item.bitOffset = boundedAttribute(itemElement, QStringLiteral("bitOffset"), maxFieldBits);
                item.type = simpleType(typeElementOf(itemElement));
                item.accessRestriction = itemElement.attribute(QStringLiteral("accessRightRestriction"));
                // An item outside its record cannot be stored; it is left out rather than corrupting others.
                if (item.type.fieldBits() == 0 || item.bitOffset + item.type.fieldBits() > type.simple.bitLength) {
                    qWarning() << Q_FUNC_INFO << "Record item" << item.subindex << "lies outside its record";
                    continue;
                }
                type.items.append(item);
            }
        } else if (type.simple.kind == Kind::Array) {
            const SimpleType element = simpleType(typeElementOf(e));
            const uint count = boundedAttribute(e, QStringLiteral("count"), 255);
            const uint elementBits = element.fieldBits();
            if (elementBits > 0 && count * elementBits <= maxFieldBits) {
                type.simple.bitLength = count * elementBits;
                for (uint i = 1; i <= count; ++i) {
                    RecordItem item;
                    item.subindex = i;
                    item.bitOffset = (count - i) * elementBits;
                    item.type = element;
                    type.items.append(item);
                }
            }
        }
        return type;
    }
};

bool SimulatedDeviceDescription::SimpleType::allows(double value) const
{
    if (!hasValueRestriction())
        return true;
    if (singleValues.contains(value))
        return true;
    return std::any_of(valueRanges.cbegin(), valueRanges.cend(), [value](const QPair<double, double> &range) {
        return value >= range.first && value <= range.second;
    });
}

uint SimulatedDeviceDescription::SimpleType::fieldBits() const
{
    if (isOctets(kind))
        return fixedLength * 8;
    return bitLength;
}

const SimulatedDeviceDescription::RecordItem *SimulatedDeviceDescription::Datatype::item(uint subindex) const
{
    for (const RecordItem &candidate : items) {
        if (candidate.subindex == subindex)
            return &candidate;
    }
    return nullptr;
}

bool SimulatedDeviceDescription::readDocument(const QString &file, QDomDocument *document, QString *errorText) const
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = QStringLiteral("Cannot open %1: %2").arg(file, input.errorString());
        return false;
    }
    QString message;
    int line = 0;
    if (!document->setContent(&input, false, &message, &line)) {
        if (errorText)
            *errorText = QStringLiteral("%1 is not readable XML (line %2: %3)").arg(file).arg(line).arg(message);
        return false;
    }
    return true;
}

bool SimulatedDeviceDescription::load(const QString &file, const QString &standardDefinitionsPath, QString *errorText)
{
    *this = SimulatedDeviceDescription();
    path = file;

    Definitions local;
    if (!readDocument(file, &local.document, errorText))
        return false;
    const QDomElement root = local.document.documentElement();
    if (root.tagName() != QLatin1String("IODevice")) {
        if (errorText)
            *errorText = QStringLiteral("%1 is not an IO device description").arg(file);
        return false;
    }

    Definitions standard;
    QString standardError;
    if (readDocument(standardDefinitionsPath, &standard.document, &standardError))
        standard.collect(standard.document.documentElement());
    else
        qWarning() << Q_FUNC_INFO << "Standard definitions unavailable:" << standardError;

    local.collect(root);
    local.fallback = &standard;

    QMap<QString, QString> texts;
    const QDomElement primary = root.firstChildElement(QStringLiteral("ExternalTextCollection")).firstChildElement(QStringLiteral("PrimaryLanguage"));
    for (const QDomElement &text : childElements(primary, QStringLiteral("Text")))
        texts.insert(text.attribute(QStringLiteral("id")), text.attribute(QStringLiteral("value")));

    const QDomElement body = root.firstChildElement(QStringLiteral("ProfileBody"));
    readIdentity(body, texts);
    const QDomElement function = body.firstChildElement(QStringLiteral("DeviceFunction"));
    dataStorage = function.firstChildElement(QStringLiteral("Features")).attribute(QStringLiteral("dataStorage")) == QLatin1String("true");
    readVariables(function.firstChildElement(QStringLiteral("VariableCollection")), local, standard);
    readProcessData(function.firstChildElement(QStringLiteral("ProcessDataCollection")), local, standard);
    addMissingStandardVariables();
    applyIdentityDefaults();
    std::sort(variableList.begin(), variableList.end(), [](const Variable &a, const Variable &b) { return a.index < b.index; });
    return true;
}

void SimulatedDeviceDescription::readIdentity(const QDomElement &profileBody, const QMap<QString, QString> &texts)
{
    const QDomElement identity = profileBody.firstChildElement(QStringLiteral("DeviceIdentity"));
    vendor = quint16(identity.attribute(QStringLiteral("vendorId")).toUInt());
    device = identity.attribute(QStringLiteral("deviceId")).toUInt();
    vendorNameText = identity.attribute(QStringLiteral("vendorName"));
    const QDomElement variant = identity.firstChildElement(QStringLiteral("DeviceVariantCollection")).firstChildElement(QStringLiteral("DeviceVariant"));
    productIdText = variant.attribute(QStringLiteral("productId"));
    for (QDomElement each = variant; !each.isNull(); each = each.nextSiblingElement(QStringLiteral("DeviceVariant")))
        variantProductIds << each.attribute(QStringLiteral("productId"));
    productNameText = texts.value(variant.firstChildElement(QStringLiteral("Name")).attribute(QStringLiteral("textId")));

    const QDomElement physical = profileBody.parentNode().toElement().firstChildElement(QStringLiteral("CommNetworkProfile"))
                                     .firstChildElement(QStringLiteral("TransportLayers")).firstChildElement(QStringLiteral("PhysicalLayer"));
    const QString bitrate = physical.attribute(QStringLiteral("bitrate"));
    if (bitrate.startsWith(QLatin1String("COM")))
        comSpeed = qBound(0, bitrate.midRef(3).toInt() - 1, 2);
}

void SimulatedDeviceDescription::readVariables(const QDomElement &collection, const Definitions &local, const Definitions &standard)
{
    for (QDomElement e = collection.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const bool isReference = e.tagName() == QLatin1String("StdVariableRef");
        if (!isReference && e.tagName() != QLatin1String("Variable"))
            continue;
        const QDomElement definition = isReference ? standard.variables.value(e.attribute(QStringLiteral("id"))) : e;
        const Definitions &definitions = isReference ? standard : local;
        Variable variable;
        if (!definition.isNull()) {
            variable.id = definition.attribute(QStringLiteral("id"));
            variable.index = boundedAttribute(definition, QStringLiteral("index"), 65535);
            variable.accessRights = definition.attribute(QStringLiteral("accessRights"), QStringLiteral("rw"));
            variable.type = definitions.fullType(definitions.typeElementOf(definition));
            variable.defaultValue = definition.attribute(QStringLiteral("defaultValue"));
        } else if (!findBuiltInVariable(e.attribute(QStringLiteral("id")), &variable)) {
            qCDebug(lcMaster) << Q_FUNC_INFO << "No standard definition for" << e.attribute(QStringLiteral("id"));
            continue;
        }
        variable.excludedFromDataStorage = e.attribute(QStringLiteral("excludedFromDataStorage")) == QLatin1String("true");
        const QList<QDomElement> itemInfos = childElements(definition, QStringLiteral("RecordItemInfo"))
            + childElements(e, isReference ? QStringLiteral("StdRecordItemRef") : QStringLiteral("RecordItemInfo"));
        for (const QDomElement &info : itemInfos) {
            for (RecordItem &item : variable.type.items) {
                if (item.subindex == info.attribute(QStringLiteral("subindex")).toUInt() && info.hasAttribute(QStringLiteral("defaultValue")))
                    item.defaultValue = info.attribute(QStringLiteral("defaultValue"));
            }
        }
        if (isReference) {
            if (e.hasAttribute(QStringLiteral("defaultValue")))
                variable.defaultValue = e.attribute(QStringLiteral("defaultValue"));
            if (e.hasAttribute(QStringLiteral("fixedLengthRestriction")))
                restrictLength(variable.type, boundedAttribute(e, QStringLiteral("fixedLengthRestriction"), maxOctets));
            // The device offers only the values it names, e.g. its own system commands.
            QList<double> offered;
            for (const QString &tag : {QStringLiteral("StdSingleValueRef"), QStringLiteral("SingleValue")}) {
                for (const QDomElement &sv : childElements(e, tag)) {
                    double value = 0;
                    if (parseNumber(sv.attribute(QStringLiteral("value")), &value))
                        offered.append(value);
                }
            }
            if (!offered.isEmpty()) {
                variable.type.simple.singleValues = offered;
                variable.type.simple.valueRanges.clear();
            }
        }
        if (variable.type.simple.kind == Kind::Unknown) {
            qCDebug(lcMaster) << Q_FUNC_INFO << "Unsupported datatype of" << variable.id;
            continue;
        }
        if (!variable.index && variable.id.isEmpty())
            continue;
        variableList.erase(std::remove_if(variableList.begin(), variableList.end(),
                                          [&variable](const Variable &v) { return v.index == variable.index; }),
                           variableList.end());
        variableList.append(variable);
    }
}

void SimulatedDeviceDescription::readProcessData(const QDomElement &collection, const Definitions &local, const Definitions &)
{
    for (const QDomElement &e : childElements(collection, QStringLiteral("ProcessData"))) {
        ProcessData data;
        data.id = e.attribute(QStringLiteral("id"));
        const QDomElement condition = e.firstChildElement(QStringLiteral("Condition"));
        if (!condition.isNull()) {
            data.hasCondition = parseNumber(condition.attribute(QStringLiteral("value")), &data.conditionValue);
            data.conditionVariableId = condition.attribute(QStringLiteral("variableId"));
            data.conditionSubindex = boundedAttribute(condition, QStringLiteral("subindex"), 255);
        }
        const QDomElement in = e.firstChildElement(QStringLiteral("ProcessDataIn"));
        const QDomElement out = e.firstChildElement(QStringLiteral("ProcessDataOut"));
        if (!in.isNull())
            data.input = local.fullType(local.typeElementOf(in));
        if (!out.isNull())
            data.output = local.fullType(local.typeElementOf(out));
        processDataList.append(data);
    }
}

// Without standard definitions the identity and the system command must still answer.
void SimulatedDeviceDescription::addMissingStandardVariables()
{
    for (const BuiltInVariable &entry : builtInVariables) {
        const bool identityOrCommand = entry.index == systemCommandIndex || (entry.index >= 16 && entry.index <= 23 && entry.index != 17 && entry.index != 20);
        if (identityOrCommand && !variable(entry.index))
            variableList.append(builtInVariable(entry));
    }
}

// Identity strings without an IODD default get the identity's values or a plausible fixed text.
void SimulatedDeviceDescription::applyIdentityDefaults()
{
    const QMap<uint, QString> identity = {
        {16, vendorNameText}, {18, productNameText.isEmpty() ? productIdText : productNameText}, {19, productIdText},
        {21, QStringLiteral("SIM%1").arg(device, 8, 10, QLatin1Char('0'))}, {22, QStringLiteral("1")},
        {23, QStringLiteral("1.0.0")}};
    for (Variable &v : variableList) {
        if (identity.contains(v.index) && v.defaultValue.isEmpty())
            v.defaultValue = identity.value(v.index);
    }
    // Some IODDs give the product id a placeholder default ("EAN code"); a real unit reports one of its
    // variants, and only that lets the catalogue find the IODD.
    for (Variable &v : variableList) {
        if (v.index == 19 && !productIdText.isEmpty() && !variantProductIds.contains(v.defaultValue))
            v.defaultValue = productIdText;
    }
    if (const Variable *name = variable(16))
        vendorNameText = name->defaultValue;
    if (const Variable *name = variable(18))
        productNameText = name->defaultValue;
}

const SimulatedDeviceDescription::Variable *SimulatedDeviceDescription::variable(uint index) const
{
    for (const Variable &v : variableList) {
        if (v.index == index)
            return &v;
    }
    return nullptr;
}

const SimulatedDeviceDescription::Variable *SimulatedDeviceDescription::variableById(const QString &id) const
{
    for (const Variable &v : variableList) {
        if (v.id == id)
            return &v;
    }
    return nullptr;
}
