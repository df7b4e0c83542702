#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QStateMachine>
#include <QString>
#include <QVariant>

class BindingBuilder;
class CommunicationHandler;
class CommunicationTask;
class CommunicationListModel;
class DeviceHealth;
class EventHistoryModel;
class ConnectionHandler;
class IOLinkWrapper;
class MenuEntryHandler;
class ProcessDataHandler;
class QState;
class QThread;

// One IO-Link device behind a master port as the application sees it: runs its lifecycle
// (notConnected, connecting, syncing, connected), owns its handlers and the worker thread they run in,
// and, from syncing until it is disconnected, the IODD binding. A concrete kind creates the two handlers.
class IOLinkDevice : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *ioLink READ getIOLinkWrapper NOTIFY ioLinkWrapperChanged)
    Q_PROPERTY(QString productName READ getProductName NOTIFY attributeChanged)
    Q_PROPERTY(QString address READ getAddress CONSTANT)
    Q_PROPERTY(QObject *processData READ getProcessDataHandler CONSTANT)
    Q_PROPERTY(QObject *menuEntryHandler READ getMenuEntryHandler CONSTANT)
    Q_PROPERTY(QString state READ getState WRITE setState NOTIFY stateChanged)
    Q_PROPERTY(QObject *communication READ getCommunication CONSTANT)
    Q_PROPERTY(QObject *eventHistory READ getEventHistoryObject CONSTANT)
    Q_PROPERTY(QObject *health READ getHealthObject CONSTANT)

public:
    static const char *const notConnectedName;
    static const char *const connectingName;
    static const char *const syncingName;
    static const char *const connectedName;

    explicit IOLinkDevice(QObject *parent = nullptr);
    ~IOLinkDevice() override;

    virtual QString getAddress() const = 0;
    virtual bool hasIOLinkDevice() const = 0;

    void connectToDevice();
    void disconnectFromDevice();
    bool isAvailable() const;

    QString getState() const { return state; }
    void setState(const QString &newState);
    QString getVendorName() const { return vendorName; }
    QString getProductId() const { return productId; }
    QString getProductName() const { return productName; }
    QString getSerialNumber() const { return serialNumber; }
    QString getHardwareRevision() const { return hardwareRevision; }
    QString getFirmwareRevision() const { return firmwareRevision; }
    // As the master reported them when the port was probed; 0 when not known.
    quint16 getVendorId() const { return vendorId; }
    quint32 getDeviceId() const { return deviceId; }
    QString getIoddFile() const { return ioddFile; }
    void setIoddFile(const QString &path) { ioddFile = path; }
    CommunicationHandler *getCommunicationHandler() const { return communicationHandler; }
    ConnectionHandler *getConnectionHandler() const { return connectionHandler; }
    // The communication log for the views: a copy in this object's thread, fed from the handler's log.
    CommunicationListModel *getCommunicationLog() const { return communicationLog; }
    // The events of this session; kept after a disconnect so they can still be saved, cleared at the next connect.
    EventHistoryModel *getEventHistory() const { return eventHistory; }
    QObject *getEventHistoryObject() const;
    DeviceHealth *getHealth() const { return health; }
    QObject *getHealthObject() const;

signals:
    void ioLinkWrapperChanged();
    void syncTasksFinished();
    void stateChanged();
    void connectionLost();
    void alertTextChanged(QString alert);
    void attributeChanged();

public slots:
    virtual void onConnected() = 0;

private slots:
    void onStateConnectedEntered();
    void onStateNotConnectedEntered();
    void onStateSyncingEntered();
    void onStateConnectingEntered();
    void onVariableSynced(uint index, uint subindex, QVariant value);
    void onProcessDataReceived(QByteArray data);
    void onProcessDataWriteFinished(bool success, QByteArray payload, QString errorText);

public:
    Q_INVOKABLE void locate();
    Q_INVOKABLE void setLanguage(const QString &language);
    Q_INVOKABLE QObject *getIOLinkWrapper() const;
    Q_INVOKABLE QObject *getProcessDataHandler() const;
    Q_INVOKABLE QObject *getMenuEntryHandler() const;
    Q_INVOKABLE QObject *getCommunication() const;

    IOLinkWrapper *getBinding() const { return ioLinkWrapper; }
    MenuEntryHandler *getMenuEntryHandlerObject() const { return menuEntryHandler; }
    ProcessDataHandler *getProcessDataHandlerObject() const { return processDataHandler; }

protected:
    // Standard indexes of the identity strings that a device reports.
    enum IdentityIndex : uint {
        vendorNameIndex = 16,
        productNameIndex = 18,
        productIdIndex = 19,
        serialNumberIndex = 21,
        hardwareRevisionIndex = 22,
        firmwareRevisionIndex = 23,
    };

    // The concrete kind calls these two after creating its handlers, in this order.
    void connectConnectionHandler();
    void init();

    QString address = QStringLiteral("undefined address");
    QString vendorName;
    QString productId;
    QString productName;
    QString serialNumber;
    QString hardwareRevision;
    QString firmwareRevision;
    quint16 vendorId = 0;
    quint32 deviceId = 0;
    CommunicationHandler *communicationHandler = nullptr;
    ConnectionHandler *connectionHandler = nullptr;

private:
    void buildStateMachine();
    void retireWorker();
    void startBuild();
    IOLinkWrapper *buildBinding();
    void installBinding(IOLinkWrapper *binding);
    void retireBinding();
    void onBindingSynchronised();
    void addTask(CommunicationTask *task);

    IOLinkWrapper *ioLinkWrapper = nullptr;
    // The binding being built for the connection in progress, if any.
    BindingBuilder *pendingBuild = nullptr;
    MenuEntryHandler *menuEntryHandler = nullptr;
    ProcessDataHandler *processDataHandler = nullptr;
    // The output image the device last accepted, and whether the current run of refusals was reported.
    QByteArray acceptedOutput;
    bool outputRefusalReported = false;
    // Set by a deliberate disconnect until the next connect: images still on their way get no output in answer.
    bool disconnectRequested = false;
    CommunicationListModel *communicationLog = nullptr;
    EventHistoryModel *eventHistory = nullptr;
    DeviceHealth *health = nullptr;
    QStateMachine stateMachine{this};
    QState *notConnected = nullptr;
    QState *connecting = nullptr;
    QState *syncing = nullptr;
    QState *connected = nullptr;
    QString state = QString::fromLatin1(notConnectedName);
    QString ioddFile;
    // The language the next binding is built in.
    QString language = QStringLiteral("en");
    QThread *eventThread = nullptr;
    // Counts the entries into syncing, so that a binding finished for an earlier entry is recognised.
    quint64 syncGeneration = 0;
    bool connectPending = false;
    // Set when the user cancels while the port is being opened, until the device is back at notConnected.
    bool connectCancelled = false;
};
