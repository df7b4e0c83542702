#include "deviceitem.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QString keyId = QStringLiteral("id");
const QString keyProductId = QStringLiteral("productId");
const QString keyProductName = QStringLiteral("productName");
const QString keySerialNumber = QStringLiteral("serialNumber");
const QString keyTime = QStringLiteral("time");
// Local time to the second, without zone offset.
const QString timeFormat = QStringLiteral("yyyy-MM-ddThh:mm:ss");
} // namespace

DeviceItem::DeviceItem(const QString &id, QObject *parent)
    : QObject(parent)
    , id(id)
{
}

bool DeviceItem::fromJsonString(const QString &key, const QString &text)
{
    qDebug() << Q_FUNC_INFO << key << text;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError) {
        qWarning() << "Can't parse JSON:" << error.errorString();
        return false;
    }
    if (!document.isObject()) {
        qWarning() << "JSON does not contain an object.";
        return false;
    }
    const QJsonObject object = document.object();
    id = object.value(keyId).toString();
    if (id != key) {
        qWarning() << "JSON id does not match the key:" << id << key;
        return false;
    }
    productId = object.value(keyProductId).toString();
    productName = object.value(keyProductName).toString();
    serialNumber = object.value(keySerialNumber).toString();
    time = QDateTime::fromString(object.value(keyTime).toString(), Qt::ISODate);
    previouslyConnected = true;
    emit attributeChanged();
    return true;
}

QString DeviceItem::toJsonString() const
{
    // QJsonObject keeps its keys sorted, which is the order of the format.
    const QJsonObject object {
        { keyId, id },
        { keyProductId, productId },
        { keyProductName, productName },
        { keySerialNumber, serialNumber },
        { keyTime, time.isValid() ? time.toString(timeFormat) : QString() },
    };
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}
