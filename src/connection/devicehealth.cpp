#include "devicehealth.h"

#include "comm/eventhistorymodel.h"
#include "binding/iolinkwrapper.h"
#include "device/variablewrapper.h"
#include "iolinkserialdevice.h"

#include <QCoreApplication>
#include <QEvent>
#include <QJsonArray>

#include <algorithm>

DeviceHealth::DeviceHealth(QObject *parent)
    : QObject(parent)
{
}

bool DeviceHealth::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange && detailedVariable) {
        readDetailed();
        emit changed();
    }
    return QObject::eventFilter(watched, event);
}

void DeviceHealth::setBinding(IOLinkWrapper *newBinding)
{
    // The binding reports every finished read; following it again would read again, endlessly.
    if (newBinding && newBinding == binding)
        return;
    if (binding)
        disconnect(binding, nullptr, this, nullptr);
    if (statusVariable)
        disconnect(statusVariable, nullptr, this, nullptr);
    if (detailedVariable)
        disconnect(detailedVariable, nullptr, this, nullptr);
    binding = newBinding;
    statusVariable = nullptr;
    detailedVariable = nullptr;
    status = -1;
    detailed.clear();
    if (binding) {
        // The detailed entries carry texts in the language they were read in; a language switch decodes them
        // again. Installed here, in the thread the device lives in once connected: devices are made in the scan thread.
        if (QCoreApplication::instance() && thread() == QCoreApplication::instance()->thread())
            QCoreApplication::instance()->installEventFilter(this);
        for (VariableWrapper *var : binding->getVariableWrappers()) {
            if (var->getIndex() == deviceStatusIndex && var->isReadable())
                statusVariable = var;
            else if (var->getIndex() == detailedStatusIndex && var->isReadable())
                detailedVariable = var;
        }
        connect(binding, &IOLinkWrapper::variableSynced, this, &DeviceHealth::onVariableSynced);
        // Reads asked for later report only to the variables themselves.
        if (statusVariable) {
            connect(statusVariable, &VariableWrapper::valueChanged, this,
                    [this] { onVariableSynced(deviceStatusIndex, 0, statusVariable->getValue(0)); });
            status = statusFrom(statusVariable->getValue(0));
        }
        if (detailedVariable) {
            connect(detailedVariable, &VariableWrapper::valueChanged, this, [this] {
                readDetailed();
                emit changed();
            });
            readDetailed();
        }
    }
    emit changed();
    refresh();
}

void DeviceHealth::refresh()
{
    // Reading an index the device does not have would make the binding read everything instead.
    QList<uint> indexes;
    if (statusVariable)
        indexes << deviceStatusIndex;
    if (detailedVariable)
        indexes << detailedStatusIndex;
    if (binding && !indexes.isEmpty())
        binding->onReadRequest(indexes);
}

void DeviceHealth::onVariableSynced(uint index, uint, const QVariant &value)
{
    if (index == deviceStatusIndex && statusVariable) {
        const int read = statusFrom(value);
        if (read == status)
            return;
        status = read;
        emit changed();
    } else if (index == detailedStatusIndex && detailedVariable) {
        readDetailed();
        emit changed();
    }
}

int DeviceHealth::statusFrom(const QVariant &value)
{
    bool ok = false;
    const int read = value.toInt(&ok);
    return value.isValid() && ok ? read : -1;
}

void DeviceHealth::readDetailed()
{
    const int count = slotCount(detailedVariable);
    QList<QByteArray> entries;
    for (int number = 1; number <= count; ++number)
        entries << detailedVariable->getValue(quint32(number)).toByteArray();
    const QPointer<IOLinkWrapper> wrapper = binding;
    detailed = decodeDetailed(entries, count, [wrapper](quint16 code) {
        const QString ioddText = wrapper ? wrapper->translateEvent(code) : QString();
        return ioddText.isEmpty() ? IOLinkSerialDevice::eventText(code) : ioddText;
    });
}

int DeviceHealth::slotCount(const VariableWrapper *var)
{
    if (!var || !var->getVariable() || var->getVariable()->recordItems.isEmpty())
        return 0;
    const Variable *variable = var->getVariable();
    const myRecordItem &element = variable->recordItems.first();
    quint32 count = 0;
    if (element.fixedLength > 0)
        count = variable->fixedLength / element.fixedLength;
    else if (element.bitLength > 0)
        count = variable->bitLength / element.bitLength;
    return int(std::min<quint32>(count, quint32(variable->recordItems.size())));
}

QVariantList DeviceHealth::decodeDetailed(const QList<QByteArray> &entries, int count,
                                          const std::function<QString(quint16)> &textOf)
{
    QVariantList active;
    for (int i = 0; i < std::min(count, int(entries.size())); ++i) {
        const QByteArray &octets = entries.at(i);
        if (octets.size() < 3 || (octets.at(0) == 0 && octets.at(1) == 0 && octets.at(2) == 0))
            continue;
        const quint8 qualifier = quint8(octets.at(0));
        const quint16 code = quint16((quint8(octets.at(1)) << 8) | quint8(octets.at(2)));
        const auto type = EventHistoryModel::Type((qualifier >> 4) & 0x03);
        active << QVariantMap { { QStringLiteral("type"), int(type) },
                                { QStringLiteral("typeText"), EventHistoryModel::typeText(type) },
                                { QStringLiteral("code"), int(code) },
                                { QStringLiteral("codeText"), EventHistoryModel::codeText(code) },
                                { QStringLiteral("text"), textOf(code) } };
    }
    return active;
}

QJsonObject DeviceHealth::toJson() const
{
    QJsonArray entries;
    for (const QVariant &entry : detailed) {
        const QVariantMap map = entry.toMap();
        static const char *const types[] = { "unknown", "notification", "warning", "error" };
        entries.append(QJsonObject { { QStringLiteral("type"), QLatin1String(types[map.value("type").toInt() & 0x03]) },
                                     { QStringLiteral("code"), map.value(QStringLiteral("codeText")).toString() },
                                     { QStringLiteral("text"), map.value(QStringLiteral("text")).toString() } });
    }
    const bool known = isAvailable() && status >= 0;
    return QJsonObject { { QStringLiteral("deviceStatus"), known ? QJsonValue(status) : QJsonValue(QJsonValue::Null) },
                         { QStringLiteral("text"), known ? statusText(status) : QString() },
                         { QStringLiteral("detailed"), entries } };
}

QString DeviceHealth::statusText(int status)
{
    switch (status) {
    case 0:
        return tr("Device is operating properly");
    case 1:
        return tr("Maintenance required");
    case 2:
        return tr("Out of specification");
    case 3:
        return tr("Functional check");
    case 4:
        return tr("Failure");
    case -1:
        return tr("Not read yet");
    default:
        return tr("Reserved status %1").arg(status);
    }
}
