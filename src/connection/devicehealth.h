#pragma once

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>

#include <functional>

class IOLinkWrapper;
class VariableWrapper;

// The device's own view of its health: the device status (index 0x24) and the still active entries of the
// detailed device status (index 0x25). A device whose description has neither shows nothing.
class DeviceHealth : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool available READ isAvailable NOTIFY changed)
    Q_PROPERTY(int status READ getStatus NOTIFY changed)
    Q_PROPERTY(QString statusText READ getStatusText NOTIFY changed)
    Q_PROPERTY(bool hasDetailed READ hasDetailed NOTIFY changed)
    Q_PROPERTY(QVariantList detailed READ getDetailed NOTIFY changed)

public:
    static constexpr uint deviceStatusIndex = 0x24;
    static constexpr uint detailedStatusIndex = 0x25;

    explicit DeviceHealth(QObject *parent = nullptr);

    // Follows the variables of this binding; null forgets the last device.
    void setBinding(IOLinkWrapper *binding);
    // Asks the device again, for example after an event.
    void refresh();

    bool isAvailable() const { return !statusVariable.isNull(); }
    // -1 until the device answered.
    int getStatus() const { return status; }
    QString getStatusText() const { return statusText(status); }
    bool hasDetailed() const { return !detailedVariable.isNull(); }
    QVariantList getDetailed() const { return detailed; }

    // deviceStatus (0-4, null without the index), its text, and the active detailed entries.
    QJsonObject toJson() const;

    static QString statusText(int status);
    // The active entries of a detailed device status, one per three octets (qualifier, code), at most
    // `count` of them; empty slots (all zero) are skipped. Each is a map of type, typeText, code, codeText, text.
    static QVariantList decodeDetailed(const QList<QByteArray> &entries, int count,
                                       const std::function<QString(quint16)> &textOf);

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onVariableSynced(uint index, uint subindex, const QVariant &value);
    void readDetailed();
    static int slotCount(const VariableWrapper *var);
    static int statusFrom(const QVariant &value);

    QPointer<IOLinkWrapper> binding;
    QPointer<VariableWrapper> statusVariable;
    QPointer<VariableWrapper> detailedVariable;
    int status = -1;
    QVariantList detailed;
};
