#include "iolinkdevice.h"

#include "bindingbuilder.h"

#include "binding/iolinkwrapper.h"
#include "comm/communicationanswerrelay.h"
#include "comm/communicationhandler.h"
#include "comm/communicationlistmodel.h"
#include "comm/communicationlogrelay.h"
#include "comm/eventhistorymodel.h"
#include "comm/communicationtask.h"
#include "connection/connectionhandler.h"
#include "binding/iolinkwrapper.h"
#include "device/variablewrapper.h"
#include "core/logcategories.h"
#include "connection/devicehealth.h"
#include "menu/menuentryhandler.h"
#include "processdata/processdatahandler.h"
#include "workerretirement.h"

#include <QCoreApplication>
#include <QDebug>
#include <QPointer>
#include <QState>
#include <QThread>
#include <QTimer>

#include <memory>

const char *const IOLinkDevice::notConnectedName = "notConnected";
const char *const IOLinkDevice::connectingName = "connecting";
const char *const IOLinkDevice::syncingName = "syncing";
const char *const IOLinkDevice::connectedName = "connected";

namespace {

// "Name" or "Name / Item" of a variable of the binding, as the communication log shows it.
QString variableName(const IOLinkWrapper &binding, uint index, uint subIndex)
{
    for (const VariableWrapper *variable : binding.getVariableWrappers()) {
        if (variable->getIndex() != index)
            continue;
        QString name = binding.translate(variable->getOwnRecord().name);
        const VariableWrapper::Record *item = subIndex > 0 ? variable->findBySubindex(subIndex) : nullptr;
        if (item && !item->name.isEmpty())
            name += QStringLiteral(" / ") + binding.translate(item->name);
        return name;
    }
    return QString();
}

// A timer still running when its object changes threads is handed over by a queued call that owns a copy of
// the timer list; the handlers are deleted before that call can run, so the copy would leak. Stopped in
// their own thread first, the timers leave nothing to hand over.
void stopTimers(QObject *object)
{
    const QList<QTimer *> timers = object->findChildren<QTimer *>();
    for (QTimer *timer : timers)
        timer->stop();
}

} // namespace

IOLinkDevice::IOLinkDevice(QObject *parent)
    : QObject(parent)
    , menuEntryHandler(new MenuEntryHandler(this))
    , processDataHandler(new ProcessDataHandler(this))
    , communicationLog(new CommunicationListModel(this))
    , eventHistory(new EventHistoryModel(this))
    , health(new DeviceHealth(this))
{
}

IOLinkDevice::~IOLinkDevice()
{
    qInfo() << Q_FUNC_INFO;
    retireWorker();
    delete menuEntryHandler;
    menuEntryHandler = nullptr;
    delete processDataHandler;
    processDataHandler = nullptr;
    qInfo() << "IOLink device destroyed.";
}

// The handlers end in their own thread once the master call they may be in has returned; the window
// never waits for that call. The binding goes after them, as tasks still queued may point into it.
void IOLinkDevice::retireWorker()
{
    CommunicationHandler *communication = communicationHandler;
    ConnectionHandler *connection = connectionHandler;
    communicationHandler = nullptr;
    connectionHandler = nullptr;
    IOLinkWrapper *binding = ioLinkWrapper;
    ioLinkWrapper = nullptr;
    if (binding) {
        disconnect(binding, nullptr, nullptr, nullptr);
        binding->setParent(nullptr);
    }
    if (!eventThread || !eventThread->isRunning() || !communication || !connection) {
        if (eventThread) {
            eventThread->quit();
            eventThread->wait();
        }
        delete communication;
        delete connection;
        delete binding;
        return;
    }
    // The worker may still be emitting; from now on nothing it sends may be queued for objects about to go.
    QList<QObject *> going = findChildren<QObject *>();
    going << this;
    const QList<QObject *> senders = { communication, connection, communication->findChild<CommunicationLogRelay *>(),
                                       communication->findChild<CommunicationAnswerRelay *>() };
    for (QObject *sender : senders) {
        for (QObject *receiver : qAsConst(going)) {
            if (sender)
                disconnect(sender, nullptr, receiver, nullptr);
        }
    }
    QThread *worker = eventThread;
    eventThread = nullptr;
    worker->setParent(nullptr);
    WorkerRetirement::adopt(worker);
    const QString notConnectedText = tr("IOLink not connected");
    QMetaObject::invokeMethod(
        communication,
        [communication, connection, binding, worker, notConnectedText]() {
            communication->stopPolling();
            communication->abandonTasks(notConnectedText);
            stopTimers(communication);
            stopTimers(connection);
            delete communication;
            delete connection;
            if (binding)
                binding->deleteLater();
            worker->quit();
        },
        Qt::QueuedConnection);
}

void IOLinkDevice::connectConnectionHandler()
{
    connect(connectionHandler, &ConnectionHandler::connected, this, &IOLinkDevice::onConnected);
    connect(connectionHandler, &ConnectionHandler::disconnected, this, &IOLinkDevice::connectionLost);
    connect(connectionHandler, &ConnectionHandler::error, this, &IOLinkDevice::connectionLost);
    connect(connectionHandler, &ConnectionHandler::errorReceived, this, &IOLinkDevice::alertTextChanged);
}

void IOLinkDevice::init()
{
    eventThread = new QThread(this);
    eventThread->setObjectName(QStringLiteral("IOLink communication ") + getAddress());
    // Made before the move, so that it goes along into the worker thread with the handler.
    auto *logRelay = new CommunicationLogRelay(communicationHandler);
    auto *answerRelay = new CommunicationAnswerRelay;
    communicationHandler->setAnswerRelay(answerRelay);
    connectionHandler->moveToThread(eventThread);
    communicationHandler->moveToThread(eventThread);
    eventThread->start();

    connect(menuEntryHandler, &MenuEntryHandler::newCommunicationTask, communicationHandler,
            &CommunicationHandler::addTask, Qt::QueuedConnection);
    connect(communicationHandler, &CommunicationHandler::changeNotificationReceived, menuEntryHandler,
            &MenuEntryHandler::onChangeNotification, Qt::QueuedConnection);
    connect(communicationHandler, &CommunicationHandler::processDataReceived, this,
            &IOLinkDevice::onProcessDataReceived, Qt::QueuedConnection);
    connect(communicationHandler, &CommunicationHandler::connectionError, connectionHandler, &ConnectionHandler::error,
            Qt::QueuedConnection);
    connect(communicationHandler, &CommunicationHandler::alertReceived, this, &IOLinkDevice::alertTextChanged,
            Qt::QueuedConnection);
    connect(communicationHandler, &CommunicationHandler::processDataWriteFinished, this,
            &IOLinkDevice::onProcessDataWriteFinished, Qt::QueuedConnection);
    // The views read the log in this thread while the handler writes its own in the worker thread.
    connect(communicationHandler->getCommunicationModel(), &CommunicationListModel::entryAdded, logRelay,
            &CommunicationLogRelay::relay, Qt::DirectConnection);
    connect(logRelay, &CommunicationLogRelay::rowsLogged, communicationLog, &CommunicationListModel::addRows,
            Qt::QueuedConnection);
    // Answered even when this device goes while a batch is on its way: a dropped batch would leak its tasks.
    connect(answerRelay, &CommunicationAnswerRelay::answersReady, QCoreApplication::instance(),
            &CommunicationAnswerRelay::deliver, Qt::QueuedConnection);

    buildStateMachine();
}

void IOLinkDevice::buildStateMachine()
{
    notConnected = new QState(&stateMachine);
    connecting = new QState(&stateMachine);
    syncing = new QState(&stateMachine);
    connected = new QState(&stateMachine);
    notConnected->assignProperty(this, "state", QString::fromLatin1(notConnectedName));
    connecting->assignProperty(this, "state", QString::fromLatin1(connectingName));
    syncing->assignProperty(this, "state", QString::fromLatin1(syncingName));
    connected->assignProperty(this, "state", QString::fromLatin1(connectedName));

    notConnected->addTransition(connectionHandler, &ConnectionHandler::connecting, connecting);
    connecting->addTransition(connectionHandler, &ConnectionHandler::connected, syncing);
    connecting->addTransition(connectionHandler, &ConnectionHandler::disconnected, notConnected);
    connecting->addTransition(connectionHandler, &ConnectionHandler::error, notConnected);
    // Cancelled by the user; the handler announces it once the master call in progress has returned.
    connecting->addTransition(connectionHandler, &ConnectionHandler::disconnecting, notConnected);
    syncing->addTransition(this, &IOLinkDevice::syncTasksFinished, connected);
    syncing->addTransition(connectionHandler, &ConnectionHandler::disconnected, notConnected);
    syncing->addTransition(connectionHandler, &ConnectionHandler::error, notConnected);
    // The user may give up on a long synchronisation; the port is closed by the connection handler.
    syncing->addTransition(connectionHandler, &ConnectionHandler::disconnecting, notConnected);
    connected->addTransition(connectionHandler, &ConnectionHandler::disconnected, notConnected);
    connected->addTransition(connectionHandler, &ConnectionHandler::disconnecting, notConnected);
    connected->addTransition(connectionHandler, &ConnectionHandler::error, notConnected);

    connect(notConnected, &QState::entered, this, &IOLinkDevice::onStateNotConnectedEntered);
    connect(connecting, &QState::entered, this, &IOLinkDevice::onStateConnectingEntered);
    connect(syncing, &QState::entered, this, &IOLinkDevice::onStateSyncingEntered);
    connect(connected, &QState::entered, this, &IOLinkDevice::onStateConnectedEntered);

    stateMachine.setInitialState(notConnected);
    connect(&stateMachine, &QStateMachine::started, this, [this]() {
        if (connectPending) {
            connectPending = false;
            connectionHandler->connectToDevice();
        }
    });
    stateMachine.start();
}

void IOLinkDevice::setState(const QString &newState)
{
    if (state == newState)
        return;
    state = newState;
    emit stateChanged();
}

void IOLinkDevice::onStateNotConnectedEntered()
{
    qInfo() << "State not connected.";
    connectCancelled = false;
    if (processDataHandler) {
        processDataHandler->stop();
        processDataHandler->setProcessDataRefs({});
        processDataHandler->setProcessDatas({});
    }
    if (menuEntryHandler)
        menuEntryHandler->reset();
    // A connection requested before the machine ran keeps the build begun for it.
    if (!connectPending) {
        delete pendingBuild;
        pendingBuild = nullptr;
    }
    retireBinding();
    emit ioLinkWrapperChanged();
}

// Tasks of the binding may still be queued or on their way back; the binding goes only after the
// worker thread has stopped polling and answered every task, so no answer reaches a deleted variable.
void IOLinkDevice::retireBinding()
{
    IOLinkWrapper *binding = ioLinkWrapper;
    ioLinkWrapper = nullptr;
    health->setBinding(nullptr);
    if (binding) {
        disconnect(binding, nullptr, this, nullptr);
        // The worker deletes it later; the device may be gone by then and must not take it along.
        binding->setParent(nullptr);
        if (communicationHandler) {
            disconnect(binding, nullptr, communicationHandler, nullptr);
            disconnect(communicationHandler, nullptr, binding, nullptr);
        }
    }
    if (!communicationHandler) {
        if (binding)
            binding->deleteLater();
        return;
    }
    CommunicationHandler *handler = communicationHandler;
    const QString notConnectedText = tr("IOLink not connected");
    QMetaObject::invokeMethod(
        handler,
        [handler, binding, notConnectedText]() {
            handler->stopPolling();
            handler->abandonTasks(notConnectedText);
            if (binding)
                binding->deleteLater();
        },
        Qt::QueuedConnection);
}

void IOLinkDevice::onStateConnectingEntered()
{
    qInfo() << Q_FUNC_INFO;
    eventHistory->clear();
    startBuild();
}

void IOLinkDevice::onStateSyncingEntered()
{
    qInfo() << Q_FUNC_INFO << ioddFile;
    // The port opened after the user cancelled; it is closed at once, the binding would be wasted.
    if (connectCancelled) {
        qInfo() << "Connection cancelled; the binding is not installed.";
        return;
    }
    const quint64 generation = ++syncGeneration;
    QPointer<IOLinkDevice> self(this);
    // Events run until it is built; until it is done, nothing may reach the binding,
    // so it has no parent and no connections yet.
    IOLinkWrapper *binding = buildBinding();
    if (!self) {
        delete binding;
        return;
    }
    if (generation != syncGeneration || !stateMachine.configuration().contains(syncing)) {
        qWarning() << Q_FUNC_INFO << "Connection ended while the IODD was loading; discarding its binding.";
        binding->deleteLater();
        return;
    }
    binding->setParent(this);
    installBinding(binding);
}

// The build starts with the connection, beside the opening of the port; a build for another description or
// language (changed meanwhile) is replaced.
void IOLinkDevice::startBuild()
{
    if (pendingBuild && pendingBuild->builds(ioddFile, language))
        return;
    delete pendingBuild;
    pendingBuild = new BindingBuilder(ioddFile, language, this);
}

IOLinkWrapper *IOLinkDevice::buildBinding()
{
    startBuild();
    // Taken from the device, which may go or end the connection while the build is awaited.
    std::unique_ptr<BindingBuilder> build(pendingBuild);
    pendingBuild = nullptr;
    build->setParent(nullptr);
    return build->take();
}

void IOLinkDevice::installBinding(IOLinkWrapper *binding)
{
    ioLinkWrapper = binding;
    connect(binding, &IOLinkWrapper::newCommunicationTask, communicationHandler, &CommunicationHandler::addTask);
    connect(binding, &IOLinkWrapper::newCommunicationTasks, communicationHandler, &CommunicationHandler::addTasks);
    connect(binding, &IOLinkWrapper::variableSynced, this, &IOLinkDevice::onVariableSynced);
    connect(binding, &IOLinkWrapper::varMeasQualitySynced, communicationHandler,
            &CommunicationHandler::onVarMeasQualitySynced);
    connect(binding, &IOLinkWrapper::syncTasksFinished, this, &IOLinkDevice::onBindingSynchronised);
    connect(communicationHandler, &CommunicationHandler::uploadRequestReceived, binding,
            &IOLinkWrapper::onUploadRequest);
    connect(communicationHandler, &CommunicationHandler::readRequestReceived, binding, &IOLinkWrapper::onReadRequest);

    if (ioddFile.isEmpty())
        emit alertTextChanged(tr("No device description (IODD) is known for this device."));
    else if (!binding->isProductLoaded())
        emit alertTextChanged(tr("The device description %1 could not be read.").arg(ioddFile));

    communicationLog->setNameLookup([binding = QPointer<IOLinkWrapper>(binding)](uint index, uint subIndex) {
        return binding ? variableName(*binding, index, subIndex) : QString();
    });
    menuEntryHandler->setMenuEntries(binding->getMenuEntries());
    processDataHandler->setProcessDatas(binding->getProcessDataWrappers());
    processDataHandler->setProcessDataRefs(binding->getProcessDataRefWrappers());
    binding->syncReferencedVariables();
    emit ioLinkWrapperChanged();
}

// Answers to the last sync tasks may overtake the news of a lost connection, which travels through the
// worker thread; going through that thread once more lets the news arrive first.
void IOLinkDevice::onBindingSynchronised()
{
    const quint64 generation = syncGeneration;
    auto confirm = [this, generation]() {
        if (generation == syncGeneration && ioLinkWrapper) {
            health->setBinding(ioLinkWrapper);
            emit syncTasksFinished();
        }
    };
    if (!communicationHandler) {
        confirm();
        return;
    }
    // The device may be deleted before the worker passes the news on; only this thread can tell.
    QPointer<IOLinkDevice> self(this);
    QMetaObject::invokeMethod(
        communicationHandler,
        [self, confirm]() {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, confirm]() {
                    if (self)
                        confirm();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void IOLinkDevice::onStateConnectedEntered()
{
    qInfo() << Q_FUNC_INFO;
    processDataHandler->start();
    QMetaObject::invokeMethod(communicationHandler, &CommunicationHandler::startPolling, Qt::QueuedConnection);
}

void IOLinkDevice::onVariableSynced(uint index, uint subindex, QVariant value)
{
    if (!value.isValid()) {
        qWarning() << "Synced value is not valid" << index << subindex << Q_FUNC_INFO;
        return;
    }
    const QString text = value.toString();
    switch (index) {
    case productNameIndex:
        productName = text;
        break;
    case productIdIndex:
        if (text != productId)
            qCritical() << "Product ID is different from synced:" << productId << text;
        break;
    case serialNumberIndex:
        serialNumber = text;
        break;
    case hardwareRevisionIndex:
        hardwareRevision = text;
        break;
    case firmwareRevisionIndex:
        firmwareRevision = text;
        break;
    default:
        return;
    }
    qCDebug(lcConnection) << Q_FUNC_INFO << "Updated" << index << subindex << value;
    emit attributeChanged();
}

void IOLinkDevice::onProcessDataReceived(QByteArray data)
{
    processDataHandler->onProcessDataReceived(data);
    // The port is closing; an output sent now would fail there and be reported as refused.
    if (disconnectRequested)
        return;
    QByteArray output;
    if (processDataHandler->getOutputData(output))
        addTask(new CommunicationTask(static_cast<VariableWrapper *>(nullptr), 0,
                                      CommunicationTask::ProcessDataWriteCommand, output));
}

void IOLinkDevice::onProcessDataWriteFinished(bool success, QByteArray payload, QString errorText)
{
    if (success) {
        acceptedOutput = payload;
        outputRefusalReported = false;
        return;
    }
    if (!acceptedOutput.isEmpty())
        processDataHandler->restoreOutputData(acceptedOutput);
    // The output goes out with every cycle; one message per run of refusals is enough.
    if (outputRefusalReported)
        return;
    outputRefusalReported = true;
    emit alertTextChanged(tr("Setting the process data output failed: %1\n\nThe output shows the device's value again.")
                              .arg(errorText));
}

// The output image goes out with every poll and nobody here waits for its end; in the worker's thread its
// answer does not wake this one.
void IOLinkDevice::addTask(CommunicationTask *task)
{
    CommunicationHandler *handler = communicationHandler;
    task->moveToThread(handler->thread());
    QMetaObject::invokeMethod(handler, [handler, task]() { handler->addTask(task); }, Qt::QueuedConnection);
}

void IOLinkDevice::connectToDevice()
{
    qInfo() << Q_FUNC_INFO;
    if (!connectionHandler) {
        qCritical() << "no connection handler set";
        return;
    }
    disconnectRequested = false;
    // The machine starts with the event loop; a request before that would pass unnoticed.
    if (!stateMachine.isRunning()) {
        connectPending = true;
        startBuild();
        return;
    }
    // A device lost while connected leaves its port open in the connection handler, which would ignore
    // the request and leave this device connecting for good; the port is closed first (nothing when closed).
    connectCancelled = false;
    if (state == QLatin1String(notConnectedName)) {
        // Begun before the state changes, the build also runs beside what this thread still has to do
        // first (the previous binding may be waiting to be deleted).
        startBuild();
        connectionHandler->disconnectFromDevice();
    }
    connectionHandler->connectToDevice();
}

void IOLinkDevice::disconnectFromDevice()
{
    qInfo() << Q_FUNC_INFO;
    if (state == QLatin1String(connectingName))
        connectCancelled = true;
    disconnectRequested = true;
    // Nothing may reach the port while it closes, or a deliberate disconnect would be reported as a lost device.
    if (communicationHandler) {
        CommunicationHandler *handler = communicationHandler;
        const QString notConnectedText = tr("IOLink not connected");
        QMetaObject::invokeMethod(
            handler,
            [handler, notConnectedText]() {
                handler->stopPolling();
                handler->abandonTasks(notConnectedText);
            },
            Qt::QueuedConnection);
    }
    if (connectionHandler)
        connectionHandler->disconnectFromDevice();
}

bool IOLinkDevice::isAvailable() const
{
    return hasIOLinkDevice() || (connected && stateMachine.configuration().contains(connected));
}

void IOLinkDevice::locate()
{
    qInfo() << Q_FUNC_INFO;
    if (state == QLatin1String(connectedName))
        menuEntryHandler->locate();
}

void IOLinkDevice::setLanguage(const QString &language)
{
    qInfo() << Q_FUNC_INFO << language;
    this->language = language;
    if (ioLinkWrapper)
        ioLinkWrapper->setLanguage(language);
}

QObject *IOLinkDevice::getIOLinkWrapper() const
{
    return ioLinkWrapper;
}

QObject *IOLinkDevice::getProcessDataHandler() const
{
    return processDataHandler;
}

QObject *IOLinkDevice::getMenuEntryHandler() const
{
    return menuEntryHandler;
}

QObject *IOLinkDevice::getCommunication() const
{
    return communicationLog;
}

QObject *IOLinkDevice::getEventHistoryObject() const
{
    return eventHistory;
}

QObject *IOLinkDevice::getHealthObject() const
{
    return health;
}
