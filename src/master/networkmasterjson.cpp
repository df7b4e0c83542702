#include "networkmasterjson.h"

#include <QJsonArray>
#include <QUrl>

namespace {
const QString valueKey = QStringLiteral("value");
constexpr quint8 applicationInstance = 4;
} // namespace

QJsonValue NetworkMasterJson::member(const QJsonObject &object, const QString &name)
{
    const auto exact = object.constFind(name);
    if (exact != object.constEnd())
        return exact.value();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return QJsonValue(QJsonValue::Undefined);
}

QJsonValue NetworkMasterJson::unwrap(const QJsonValue &value, const QString &wrapper)
{
    if (!value.isObject())
        return value;
    const QJsonValue inner = member(value.toObject(), wrapper);
    return inner.isUndefined() ? value : inner;
}

bool NetworkMasterJson::parseByteArray(const QJsonValue &value, int maxOctets, QByteArray *octets, QString *error)
{
    const QJsonValue array = value.isObject() ? member(value.toObject(), valueKey) : value;
    if (!array.isArray()) {
        *error = QStringLiteral("the answer holds no byte array");
        return false;
    }
    const QJsonArray elements = array.toArray();
    if (elements.size() > maxOctets) {
        *error = QStringLiteral("the answer holds %1 octets, at most %2 are possible").arg(elements.size()).arg(maxOctets);
        return false;
    }
    QByteArray result;
    result.reserve(elements.size());
    for (const QJsonValue &element : elements) {
        const double number = element.toDouble(-1);
        if (!element.isDouble() || number < 0 || number > 255 || number != int(number)) {
            *error = QStringLiteral("the answer holds a byte outside 0..255");
            return false;
        }
        result.append(char(int(number)));
    }
    *octets = result;
    return true;
}

QJsonArray NetworkMasterJson::byteArray(const QByteArray &octets)
{
    QJsonArray array;
    for (char octet : octets)
        array.append(int(quint8(octet)));
    return array;
}

QJsonObject NetworkMasterJson::byteArrayBody(const QByteArray &octets)
{
    return QJsonObject { { valueKey, byteArray(octets) } };
}

bool NetworkMasterJson::parseProcessData(const QJsonValue &body, QByteArray *octets, bool *valid, QString *error)
{
    const QJsonValue unwrapped = unwrap(body, QStringLiteral("getData"));
    const QJsonValue ioLink = unwrapped.isObject() ? member(unwrapped.toObject(), QStringLiteral("iolink")) : QJsonValue();
    if (!ioLink.isObject()) {
        *error = QStringLiteral("the answer holds no IO-Link process data");
        return false;
    }
    const QJsonObject object = ioLink.toObject();
    const QJsonValue validity = member(object, QStringLiteral("valid"));
    *valid = validity.isBool() ? validity.toBool() : true;
    return parseByteArray(member(object, valueKey), maxProcessDataOctets, octets, error);
}

QJsonObject NetworkMasterJson::processDataBody(const QByteArray &octets, const QString &key)
{
    return QJsonObject { { key, QJsonObject { { QStringLiteral("valid"), true }, { valueKey, byteArray(octets) } } } };
}

int NetworkMasterJson::errorCode(const QJsonObject &body)
{
    return member(body, QStringLiteral("code")).toInt(0);
}

quint16 NetworkMasterJson::isduError(const QJsonObject &body)
{
    const QJsonValue nested = member(member(body, QStringLiteral("iolinkError")).toObject(), QStringLiteral("code"));
    for (const QJsonValue &candidate : { nested, member(body, QStringLiteral("iolinkErrorCode")),
                                         member(body, QStringLiteral("iolError")) }) {
        const int code = candidate.toInt(-1);
        if (candidate.isDouble() && code > 0 && code <= 0xFFFF)
            return quint16(code);
    }
    return 0;
}

QString NetworkMasterJson::errorMessage(const QJsonObject &body)
{
    const QString isdu = member(member(body, QStringLiteral("iolinkError")).toObject(), QStringLiteral("message")).toString();
    const QString message = member(body, QStringLiteral("message")).toString();
    return (isdu.isEmpty() ? message : isdu).left(255);
}

quint8 NetworkMasterJson::eventQualifier(const QString &severity, const QString &mode)
{
    const QString upperMode = mode.toUpper();
    quint8 modeBits = 1; // single shot, also for unknown modes
    if (upperMode.startsWith(QLatin1String("APPEAR")))
        modeBits = 3;
    else if (upperMode.startsWith(QLatin1String("DISAPPEAR")))
        modeBits = 2;
    const QString upperSeverity = severity.toUpper();
    quint8 typeBits = 1; // notification
    if (upperSeverity == QLatin1String("WARNING"))
        typeBits = 2;
    else if (upperSeverity == QLatin1String("ERROR") || upperSeverity == QLatin1String("CRITICAL")
             || upperSeverity == QLatin1String("ALERT") || upperSeverity == QLatin1String("EMERGENCY"))
        typeBits = 3;
    return quint8((modeBits << 6) | (typeBits << 4) | applicationInstance);
}

QList<NetworkMasterJson::Event> NetworkMasterJson::parseEvents(const QJsonValue &body)
{
    QList<Event> events;
    const QJsonArray entries = body.toArray();
    for (const QJsonValue &entry : entries) {
        const QJsonObject object = entry.toObject();
        const QJsonObject message = member(object, QStringLiteral("message")).toObject();
        const QJsonValue code = member(message, QStringLiteral("code"));
        if (!code.isDouble() || code.toInt(-1) < 0 || code.toInt(-1) > 0xFFFF)
            continue;
        Event event;
        event.code = quint16(code.toInt());
        const QString mode = member(message, QStringLiteral("mode")).toString();
        event.qualifier = eventQualifier(member(object, QStringLiteral("severity")).toString(), mode);
        event.key = member(object, QStringLiteral("time")).toString() + QLatin1Char('|') + QString::number(event.code)
            + QLatin1Char('|') + mode;
        events.append(event);
    }
    return events;
}

QString NetworkMasterJson::normalizedBaseUrl(const QString &text)
{
    QUrl url = QUrl::fromUserInput(text.trimmed());
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        || url.host().isEmpty())
        return QString();
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (!path.endsWith(QLatin1String("/iolink/v1")) && !path.endsWith(QLatin1String("/iolink")))
        path += QStringLiteral("/iolink/v1");
    url.setPath(path);
    url.setQuery(QString());
    url.setFragment(QString());
    return url.toString();
}
