#include "parameterset.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

const char *const ParameterSet::formatName = "ovinex-parameter-set";
const char *const ParameterSet::fileSuffix = "ovxparams";

namespace {

QJsonObject deviceToJson(const ParameterSet::Device &device)
{
    return QJsonObject { { "vendorId", int(device.vendorId) },
                         { "deviceId", qint64(device.deviceId) },
                         { "productId", device.productId },
                         { "productName", device.productName },
                         { "serialNumber", device.serialNumber },
                         { "hardwareRevision", device.hardwareRevision },
                         { "firmwareRevision", device.firmwareRevision } };
}

bool isWholeNumber(const QJsonValue &value, qint64 max)
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    return number >= 0 && number <= double(max) && number == double(qint64(number));
}

} // namespace

const ParameterSet::Parameter *ParameterSet::find(const QString &id) const
{
    for (const Parameter &parameter : parameters) {
        if (parameter.id == id)
            return &parameter;
    }
    return nullptr;
}

QString ParameterSet::toHex(const QByteArray &raw)
{
    return QString::fromLatin1(raw.toHex()).toUpper();
}

QByteArray ParameterSet::toJson() const
{
    QJsonArray parameterArray;
    for (const Parameter &parameter : parameters) {
        parameterArray.append(QJsonObject { { "id", parameter.id },
                                            { "index", int(parameter.index) },
                                            { "subindex", int(parameter.subindex) },
                                            { "name", parameter.name },
                                            { "value", parameter.value },
                                            { "raw", toHex(parameter.raw) } });
    }
    QJsonArray unreadableArray;
    for (const Unreadable &entry : unreadable) {
        unreadableArray.append(QJsonObject { { "id", entry.id },
                                             { "index", int(entry.index) },
                                             { "subindex", int(entry.subindex) },
                                             { "name", entry.name },
                                             { "isduError", int(entry.isduError) },
                                             { "error", entry.error } });
    }
    QJsonObject root { { "format", QString::fromLatin1(formatName) },
                       { "formatVersion", formatVersion },
                       { "created", created.toOffsetFromUtc(created.offsetFromUtc()).toString(Qt::ISODate) },
                       { "application", QJsonObject { { "name", application }, { "version", applicationVersion } } },
                       { "device", deviceToJson(device) },
                       { "iodd", QJsonObject { { "fileName", iodd.fileName },
                                               { "version", iodd.version },
                                               { "releaseDate", iodd.releaseDate } } },
                       { "parameters", parameterArray } };
    if (!unreadableArray.isEmpty())
        root.insert("unreadable", unreadableArray);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<ParameterSet> ParameterSet::fromJson(const QByteArray &json, QString *error)
{
    const auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return std::nullopt;
    };
    if (json.size() > maxFileSize)
        return fail(tr("The file is larger than 10 MB."));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(tr("The file is not valid JSON: %1 (at octet %2).").arg(parseError.errorString()).arg(parseError.offset));
    if (!document.isObject())
        return fail(tr("The file is not a parameter set: it holds no JSON object."));
    const QJsonObject root = document.object();
    if (root.value("format").toString() != QLatin1String(formatName))
        return fail(tr("The file is not a parameter set: its format is \"%1\".").arg(root.value("format").toVariant().toString()));
    if (!isWholeNumber(root.value("formatVersion"), 1000000))
        return fail(tr("The file has no valid format version."));
    const int version = root.value("formatVersion").toInt();
    if (version > formatVersion)
        return fail(tr("The file was written in format version %1, which is newer than this program reads (%2). "
                       "Please update the program.").arg(version).arg(formatVersion));
    if (version < 1)
        return fail(tr("The file has no valid format version."));

    ParameterSet set;
    set.created = QDateTime::fromString(root.value("created").toString(), Qt::ISODate);
    const QJsonObject application = root.value("application").toObject();
    set.application = application.value("name").toString();
    set.applicationVersion = application.value("version").toString();
    const QJsonObject device = root.value("device").toObject();
    if (!isWholeNumber(device.value("vendorId"), 0xFFFF) || !isWholeNumber(device.value("deviceId"), 0xFFFFFF))
        return fail(tr("The file names no valid vendor id and device id."));
    set.device.vendorId = quint16(device.value("vendorId").toInt());
    set.device.deviceId = quint32(device.value("deviceId").toDouble());
    set.device.productId = device.value("productId").toString();
    set.device.productName = device.value("productName").toString();
    set.device.serialNumber = device.value("serialNumber").toString();
    set.device.hardwareRevision = device.value("hardwareRevision").toString();
    set.device.firmwareRevision = device.value("firmwareRevision").toString();
    const QJsonObject iodd = root.value("iodd").toObject();
    set.iodd = { iodd.value("fileName").toString(), iodd.value("version").toString(), iodd.value("releaseDate").toString() };

    if (!root.value("parameters").isArray())
        return fail(tr("The file lists no parameters."));
    static const QRegularExpression hexDigits(QStringLiteral("^[0-9A-Fa-f]*$"));
    QSet<QString> ids;
    QSet<quint32> addresses;
    const QJsonArray parameters = root.value("parameters").toArray();
    for (int position = 0; position < parameters.size(); ++position) {
        const QJsonObject object = parameters.at(position).toObject();
        Parameter parameter;
        parameter.id = object.value("id").toString();
        const QString where = parameter.id.isEmpty() ? tr("parameter %1").arg(position + 1) : parameter.id;
        if (parameter.id.isEmpty())
            return fail(tr("The %1 has no id.").arg(where));
        if (!isWholeNumber(object.value("index"), 0xFFFF) || !isWholeNumber(object.value("subindex"), 0xFF))
            return fail(tr("%1 has no valid index and subindex.").arg(where));
        parameter.index = uint(object.value("index").toInt());
        parameter.subindex = uint(object.value("subindex").toInt());
        parameter.name = object.value("name").toString();
        parameter.value = object.value("value").toString();
        if (!object.value("raw").isString())
            return fail(tr("%1 has no raw value.").arg(where));
        const QString raw = object.value("raw").toString();
        if (!hexDigits.match(raw).hasMatch())
            return fail(tr("The raw value of %1 is not hexadecimal: \"%2\".").arg(where, raw.left(40)));
        if (raw.size() % 2 != 0 || raw.size() / 2 > maxRawOctets)
            return fail(tr("The raw value of %1 has the wrong length: %2 hex digits.").arg(where).arg(raw.size()));
        parameter.raw = QByteArray::fromHex(raw.toLatin1());
        const quint32 address = (parameter.index << 8) | parameter.subindex;
        if (ids.contains(parameter.id) || addresses.contains(address))
            return fail(tr("%1 (index %2, subindex %3) is listed twice.").arg(where).arg(parameter.index).arg(parameter.subindex));
        ids.insert(parameter.id);
        addresses.insert(address);
        set.parameters.append(parameter);
    }
    for (const QJsonValue &value : root.value("unreadable").toArray()) {
        const QJsonObject object = value.toObject();
        set.unreadable.append({ object.value("id").toString(), uint(object.value("index").toInt()),
                                uint(object.value("subindex").toInt()), object.value("name").toString(),
                                uint(object.value("isduError").toInt()), object.value("error").toString() });
    }
    return set;
}

std::optional<ParameterSet> ParameterSet::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("The file %1 cannot be read: %2").arg(QFileInfo(path).fileName(), file.errorString());
        return std::nullopt;
    }
    // Checked before reading, so that a huge file is never taken into memory.
    if (file.size() > maxFileSize) {
        if (error)
            *error = tr("The file is larger than 10 MB.");
        return std::nullopt;
    }
    return fromJson(file.read(maxFileSize + 1), error);
}

bool ParameterSet::save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    const QByteArray json = toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        if (error)
            *error = tr("The file %1 cannot be written: %2").arg(QFileInfo(path).fileName(), file.errorString());
        return false;
    }
    return true;
}
