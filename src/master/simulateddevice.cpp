#include "simulateddevice.h"

#include "device/payloadconverter.h"

#include <QDebug>
#include <QRegularExpression>

#include <cmath>
#include <cstring>

namespace {

using Kind = SimulatedDeviceDescription::Kind;
using SimpleType = SimulatedDeviceDescription::SimpleType;
using Datatype = SimulatedDeviceDescription::Datatype;

bool fieldFits(const QByteArray &payload, uint offset, uint length)
{
    return length > 0 && length <= 64 && quint64(offset) + length <= quint64(payload.size()) * 8;
}

// The field is cleared before it is written: stored parameters are overwritten, not ORed.
void putBits(QByteArray &payload, uint offset, uint length, quint64 value)
{
    if (!fieldFits(payload, offset, length))
        return;
    for (uint k = 0; k < length; ++k) {
        const uint position = offset + k;
        const int octet = payload.size() - 1 - int(position / 8);
        payload[octet] = char(payload.at(octet) & ~(1u << (position % 8)));
    }
    PayloadConverter::toPayload<quint64>(value, payload, offset, length);
}

quint64 getBits(const QByteArray &payload, uint offset, uint length)
{
    return fieldFits(payload, offset, length) ? PayloadConverter::fromPayload<quint64>(payload, offset, length) : 0;
}

bool isNumeric(const SimpleType &type)
{
    return type.kind == Kind::Boolean || isNumber(type.kind);
}

// A missing default becomes zero, or the first allowed value when zero is not allowed.
QString defaultText(const SimpleType &type, const QString &defaultValue)
{
    if (!defaultValue.isEmpty() || !isNumeric(type) || type.allows(0))
        return defaultValue;
    return QString::number(type.valueRanges.isEmpty() ? type.singleValues.first() : type.valueRanges.first().first, 'g', 17);
}

bool isOctetField(const SimpleType &type)
{
    return isOctets(type.kind);
}

// Octets of a value sent on its own (a whole simple variable or one record item).
int standaloneOctets(const SimpleType &type)
{
    if (type.kind == Kind::Boolean)
        return 1;
    if (isOctetField(type))
        return int(type.fixedLength);
    return int((type.bitLength + 7) / 8);
}

QByteArray parseOctets(const QString &text)
{
    QByteArray octets;
    QString compact = text;
    compact.remove(QLatin1Char(' '));
    for (const QString &part : compact.split(QRegularExpression(QStringLiteral("0x|,")), Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint value = part.toUInt(&ok, 16);
        if (ok)
            octets.append(char(value & 0xFF));
    }
    return octets;
}

quint64 rawFromText(const SimpleType &type, const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    switch (type.kind) {
    case Kind::Boolean:
        return trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || trimmed == QLatin1String("1");
    case Kind::UInteger: {
        quint64 value = trimmed.startsWith(QLatin1String("0x")) ? trimmed.mid(2).toULongLong(&ok, 16) : trimmed.toULongLong(&ok);
        return ok ? value : quint64(std::max(0.0, trimmed.toDouble()));
    }
    case Kind::Integer: {
        const qint64 value = trimmed.toLongLong(&ok);
        return quint64(ok ? value : qint64(trimmed.toDouble()));
    }
    case Kind::Float32: {
        const float value = trimmed.toFloat();
        quint32 bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return bits;
    }
    default:
        return 0;
    }
}

double valueFromRaw(const SimpleType &type, quint64 raw)
{
    switch (type.kind) {
    case Kind::Boolean:
        return raw ? 1 : 0;
    case Kind::Integer:
        if (type.bitLength > 0 && type.bitLength < 64 && (raw >> (type.bitLength - 1)) & 1u)
            return double(qint64(raw | (~quint64(0) << type.bitLength)));
        return double(qint64(raw));
    case Kind::Float32: {
        const quint32 bits = quint32(raw);
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return double(value);
    }
    default:
        return double(raw);
    }
}

quint64 rawFromValue(const SimpleType &type, double value)
{
    if (type.kind == Kind::Float32) {
        const float f = float(value);
        quint32 bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        return bits;
    }
    if (type.kind == Kind::Integer)
        return quint64(qint64(std::llround(value)));
    return quint64(std::llround(std::max(0.0, value)));
}

// A field of a record or image, written from octets of the standalone form.
void putField(QByteArray &payload, uint bitOffset, const SimpleType &type, const QByteArray &standalone)
{
    if (isOctetField(type)) {
        for (uint i = 0; i < type.fixedLength; ++i) {
            const quint8 octet = int(i) < standalone.size() ? quint8(standalone.at(int(i))) : 0;
            putBits(payload, bitOffset + 8 * (type.fixedLength - 1 - i), 8, octet);
        }
        return;
    }
    const uint bits = type.kind == Kind::Boolean ? 1 : type.bitLength;
    quint64 raw = getBits(standalone, 0, type.kind == Kind::Boolean ? 8 : bits);
    if (type.kind == Kind::Boolean)
        raw = raw ? 1 : 0;
    putBits(payload, bitOffset, bits, raw);
}

QByteArray getField(const QByteArray &payload, uint bitOffset, const SimpleType &type)
{
    QByteArray standalone(standaloneOctets(type), '\0');
    if (isOctetField(type)) {
        for (uint i = 0; i < type.fixedLength; ++i)
            standalone[int(i)] = char(getBits(payload, bitOffset + 8 * (type.fixedLength - 1 - i), 8));
        return standalone;
    }
    putBits(standalone, 0, type.kind == Kind::Boolean ? 1 : type.bitLength, getBits(payload, bitOffset, type.kind == Kind::Boolean ? 1 : type.bitLength));
    return standalone;
}

QByteArray standaloneFromText(const SimpleType &type, const QString &text, bool padStrings)
{
    if (type.kind == Kind::String) {
        QByteArray octets = text.toUtf8();
        if (type.fixedLength > 0)
            octets.truncate(int(type.fixedLength));
        if (padStrings)
            octets = octets.leftJustified(int(type.fixedLength), '\0', true);
        return octets;
    }
    if (type.kind == Kind::OctetString)
        return parseOctets(text).leftJustified(int(type.fixedLength), '\0', true);
    QByteArray standalone(standaloneOctets(type), '\0');
    putBits(standalone, 0, type.kind == Kind::Boolean ? 1 : type.bitLength, rawFromText(type, text));
    return standalone;
}

double standaloneValue(const SimpleType &type, const QByteArray &standalone)
{
    return valueFromRaw(type, getBits(standalone, 0, type.kind == Kind::Boolean ? 8 : type.bitLength));
}


// A deterministic sweep through the allowed values, so charts move and tests can predict them.
double sweep(const SimpleType &type, uint subindex, qint64 timeMs)
{
    if (type.kind == Kind::Boolean)
        return (timeMs / (1000 * qint64(subindex + 1))) % 2;
    if (type.valueRanges.isEmpty() && !type.singleValues.isEmpty()) {
        const qint64 step = timeMs / 1000 + subindex;
        return type.singleValues.at(int(step % type.singleValues.size()));
    }
    double lower = 0;
    double upper = 100;
    if (!type.valueRanges.isEmpty()) {
        lower = type.valueRanges.first().first;
        upper = type.valueRanges.first().second;
    } else if (type.kind == Kind::UInteger && type.bitLength < 64) {
        upper = std::ldexp(1.0, int(type.bitLength)) - 1;
    } else if (type.kind == Kind::Integer && type.bitLength < 64 && type.bitLength > 0) {
        upper = std::ldexp(1.0, int(type.bitLength) - 1) - 1;
        lower = -upper - 1;
    }
    const qint64 period = 20000 + 2000 * qint64(subindex);
    const double phase = double(timeMs % period) / double(period);
    const double triangle = phase < 0.5 ? 2 * phase : 2 - 2 * phase;
    const double value = lower + (upper - lower) * triangle;
    return type.kind == Kind::Float32 ? value : std::floor(value);
}

} // namespace

SimulatedDevice::SimulatedDevice(const SimulatedDeviceDescription &description)
    : deviceDescription(description)
{
    sampleOptics = isSampleDevice();
    restoreDefaults();
}

// Only the device shipped with the program watches its optics; other descriptions say nothing of how.
bool SimulatedDevice::isSampleDevice() const
{
    return deviceDescription.vendorName() == QLatin1String("Korvell GmbH")
        && deviceDescription.productId() == QLatin1String("OVX100");
}

void SimulatedDevice::setTime(qint64 timeMs)
{
    now = timeMs;
    if (sampleOptics)
        watchLens();
}

// The signal quality is the second item of the standard input layout; the other layouts have none,
// and the lens state then holds as it was.
void SimulatedDevice::watchLens()
{
    const auto *active = activeProcessData();
    const auto *quality = active ? active->input.item(2) : nullptr;
    if (!quality || quality->type.kind != Kind::UInteger || quality->type.bitLength != 8)
        return;
    switch (lens.update(now, sweep(quality->type, quality->subindex, now))) {
    case SimulatedLensMonitor::Change::Appeared:
        queueEvent(warningAppearsQualifier, lensDirtyEvent);
        break;
    case SimulatedLensMonitor::Change::Disappeared:
        queueEvent(warningDisappearsQualifier, lensDirtyEvent);
        break;
    case SimulatedLensMonitor::Change::None:
        return;
    }
    showLensState();
}

// Device status and the first entry of the detailed status follow the lens warning.
void SimulatedDevice::showLensState()
{
    if (!sampleOptics)
        return;
    if (store.contains(deviceStatusIndex))
        store[deviceStatusIndex] = QByteArray(1, char(lens.isDirty() ? 1 : 0));
    if (store.contains(detailedStatusIndex) && store.value(detailedStatusIndex).size() >= 3) {
        QByteArray &detailed = store[detailedStatusIndex];
        const bool dirty = lens.isDirty();
        detailed[0] = char(dirty ? warningAppearsQualifier : 0);
        detailed[1] = char(dirty ? lensDirtyEvent >> 8 : 0);
        detailed[2] = char(dirty ? lensDirtyEvent & 0xFF : 0);
    }
}

QByteArray SimulatedDevice::defaultPayload(const Variable &variable)
{
    const Datatype &type = variable.type;
    if (type.isComposite()) {
        QByteArray payload(int((type.simple.bitLength + 7) / 8), '\0');
        for (const auto &item : type.items)
            putField(payload, item.bitOffset, item.type, standaloneFromText(item.type, defaultText(item.type, item.defaultValue), true));
        return payload;
    }
    if (type.simple.kind == Kind::ProcessDataIn || type.simple.kind == Kind::ProcessDataOut)
        return QByteArray();
    return standaloneFromText(type.simple, defaultText(type.simple, variable.defaultValue), false);
}

void SimulatedDevice::restoreDefaults()
{
    store.clear();
    for (const Variable &variable : deviceDescription.variables())
        store.insert(variable.index, defaultPayload(variable));
    // Defaults do not clean a lens.
    showLensState();
}

quint16 SimulatedDevice::read(uint index, uint subindex, QByteArray *data) const
{
    const Variable *variable = deviceDescription.variable(index);
    if (!variable)
        return isduIndexNotAvailable;
    if (variable->accessRights == QLatin1String("wo"))
        return isduAccessDenied;
    if (subindex > 0) {
        const auto *item = variable->type.item(subindex);
        if (!variable->type.isComposite() || !item)
            return isduSubindexNotAvailable;
        if (item->accessRestriction == QLatin1String("wo"))
            return isduAccessDenied;
    }
    *data = storedValue(index, subindex);
    return 0;
}

QByteArray SimulatedDevice::storedValue(uint index, uint subindex) const
{
    const Variable *variable = deviceDescription.variable(index);
    if (!variable)
        return QByteArray();
    if (variable->type.simple.kind == Kind::ProcessDataOut)
        return outputImage;
    if (variable->type.simple.kind == Kind::ProcessDataIn)
        return processDataInput(now);
    if (subindex == 0)
        return store.value(index);
    const auto *item = variable->type.item(subindex);
    return item ? getField(store.value(index), item->bitOffset, item->type) : QByteArray();
}

quint16 SimulatedDevice::write(uint index, uint subindex, const QByteArray &data)
{
    const Variable *variable = deviceDescription.variable(index);
    if (!variable)
        return isduIndexNotAvailable;
    if (variable->accessRights == QLatin1String("ro"))
        return isduAccessDenied;
    if (index == SimulatedDeviceDescription::systemCommandIndex && subindex == 0)
        return runSystemCommand(*variable, data);
    const quint16 refusal = subindex == 0 ? writeWhole(*variable, data) : writeItem(*variable, subindex, data);
    if (refusal == 0)
        noteParameterChange(*variable);
    return refusal;
}

quint16 SimulatedDevice::checkLength(int expected, int actual)
{
    if (actual > expected)
        return isduLengthOverrun;
    if (actual < expected)
        return isduLengthUnderrun;
    return 0;
}

quint16 SimulatedDevice::writeWhole(const Variable &variable, const QByteArray &data)
{
    const Datatype &type = variable.type;
    if (type.simple.kind == Kind::String) {
        if (type.simple.fixedLength > 0 && uint(data.size()) > type.simple.fixedLength)
            return isduLengthOverrun;
        store.insert(variable.index, data);
        return 0;
    }
    if (type.isComposite()) {
        const QByteArray &old = store[variable.index];
        if (const quint16 refusal = checkLength(old.size(), data.size()))
            return refusal;
        for (const auto &item : type.items) {
            const QByteArray field = getField(data, item.bitOffset, item.type);
            if (item.accessRestriction == QLatin1String("ro") && field != getField(old, item.bitOffset, item.type))
                return isduAccessDenied;
            if (isNumeric(item.type) && !item.type.allows(standaloneValue(item.type, field)))
                return isduValueOutOfRange;
        }
        store.insert(variable.index, data);
        return 0;
    }
    if (const quint16 refusal = checkLength(standaloneOctets(type.simple), data.size()))
        return refusal;
    if (isNumeric(type.simple) && !type.simple.allows(standaloneValue(type.simple, data)))
        return isduValueOutOfRange;
    store.insert(variable.index, data);
    return 0;
}

quint16 SimulatedDevice::writeItem(const Variable &variable, uint subindex, const QByteArray &data)
{
    const auto *item = variable.type.item(subindex);
    if (!variable.type.isComposite() || !item)
        return isduSubindexNotAvailable;
    if (item->accessRestriction == QLatin1String("ro"))
        return isduAccessDenied;
    const bool isString = item->type.kind == Kind::String;
    if (isString ? uint(data.size()) > item->type.fixedLength : data.size() != standaloneOctets(item->type))
        return checkLength(standaloneOctets(item->type), data.size());
    if (isNumeric(item->type) && !item->type.allows(standaloneValue(item->type, data)))
        return isduValueOutOfRange;
    putField(store[variable.index], item->bitOffset, item->type, data);
    return 0;
}

quint16 SimulatedDevice::runSystemCommand(const Variable &variable, const QByteArray &data)
{
    if (const quint16 refusal = checkLength(1, data.size()))
        return refusal;
    const quint8 command = quint8(data.at(0));
    if (command == locateCommand) {
        locating = !locating;
        return 0;
    }
    if (command == restoreFactorySettingsCommand) {
        restoreDefaults();
        noteParameterChange(variable);
        return 0;
    }
    if (sampleOptics && command == teachCommand) {
        if (store.contains(teachResultIndex))
            store[teachResultIndex] = QByteArray(1, char(1));
        queueEvent(0x54, teachDoneEvent);
        return 0;
    }
    // Other commands the description offers are accepted without a visible effect.
    return variable.type.simple.singleValues.contains(double(command)) ? 0 : isduFunctionNotAvailable;
}

void SimulatedDevice::noteParameterChange(const Variable &variable)
{
    if (deviceDescription.supportsDataStorage() && !variable.excludedFromDataStorage)
        queueEvent(uploadRequestQualifier, uploadRequestEvent);
}

void SimulatedDevice::queueEvent(quint8 qualifier, quint16 code)
{
    if (events.size() >= maxQueuedEvents)
        events.removeFirst();
    events.append(qMakePair(qualifier, code));
}

bool SimulatedDevice::takeEvent(quint8 *qualifier, quint16 *code)
{
    if (events.isEmpty())
        return false;
    const auto event = events.takeFirst();
    *qualifier = event.first;
    *code = event.second;
    return true;
}

double SimulatedDevice::currentValue(const QString &variableId, uint subindex) const
{
    const Variable *variable = deviceDescription.variableById(variableId);
    if (!variable)
        return std::nan("");
    if (subindex > 0) {
        const auto *item = variable->type.item(subindex);
        return item ? standaloneValue(item->type, storedValue(variable->index, subindex)) : std::nan("");
    }
    if (!isNumeric(variable->type.simple))
        return std::nan("");
    return standaloneValue(variable->type.simple, store.value(variable->index));
}

const SimulatedDeviceDescription::ProcessData *SimulatedDevice::activeProcessData() const
{
    const SimulatedDeviceDescription::ProcessData *unconditional = nullptr;
    for (const auto &candidate : deviceDescription.processData()) {
        if (!candidate.hasCondition) {
            if (!unconditional)
                unconditional = &candidate;
            continue;
        }
        if (currentValue(candidate.conditionVariableId, candidate.conditionSubindex) == candidate.conditionValue)
            return &candidate;
    }
    return unconditional;
}

QByteArray SimulatedDevice::processDataInput(qint64 timeMs) const
{
    const auto *active = activeProcessData();
    if (!active)
        return QByteArray();
    const Datatype &type = active->input;
    QByteArray image(int((std::max(type.simple.bitLength, type.simple.fieldBits()) + 7) / 8), '\0');
    const auto fill = [&image, timeMs](uint bitOffset, const SimpleType &fieldType, uint subindex) {
        if (!isNumeric(fieldType))
            return;
        QByteArray standalone(standaloneOctets(fieldType), '\0');
        putBits(standalone, 0, fieldType.kind == Kind::Boolean ? 1 : fieldType.bitLength,
                rawFromValue(fieldType, sweep(fieldType, subindex, timeMs)));
        putField(image, bitOffset, fieldType, standalone);
    };
    if (type.isComposite()) {
        for (const auto &item : type.items)
            fill(item.bitOffset, item.type, item.subindex);
        // The sample's lens-warning bit (bit 1 of every input layout) tells the monitor's state, not a sweep.
        if (sampleOptics) {
            for (const auto &item : type.items) {
                if (item.type.kind != Kind::Boolean || item.bitOffset != 1)
                    continue;
                QByteArray standalone(standaloneOctets(item.type), '\0');
                putBits(standalone, 0, 1, lens.isDirty() ? 1 : 0);
                putField(image, item.bitOffset, item.type, standalone);
            }
        }
    } else {
        fill(0, type.simple, 0);
    }
    return image;
}
