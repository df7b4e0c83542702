#include "communicationhandler.h"

#include "communicationanswerrelay.h"
#include "communicationqueue.h"
#include "core/logcategories.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <iterator>

namespace {

// System commands after which the device's whole parameter set may have changed.
const uchar uploadCommands[] = { 0x40, 0x4F, 0x81, 0x82, 0xA2, 0xA3, 0xA9, 0xAC, 0xAD, 0xAE, 0xBA, 0xD0, 0xE0 };
// System commands that change only the indexes in reReadIndexes.
const uchar reReadCommands[] = { 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A,
                                 0xB0, 0xB1, 0xB2, 0xB3, 0xB4,
                                 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xDF };
const uchar quietCommands[] = { 0x80, 0x83 };
const QList<uint> reReadIndexes = { 59, 204 };

template<size_t N>
bool contains(const uchar (&table)[N], uchar value)
{
    return std::find(std::begin(table), std::end(table), value) != std::end(table);
}

CommunicationEntry::Command logCommandOf(int taskCommand)
{
    return taskCommand == CommunicationTask::ReadCommand || taskCommand == CommunicationTask::ProcessDataReadCommand
        ? CommunicationEntry::Read
        : CommunicationEntry::Write;
}

// The device's own words from an error report ("IOLink communication error:\n\nvalue out of range (code: 32816)").
QString reasonOf(const QString &errorText)
{
    const int lastBreak = errorText.lastIndexOf(QLatin1String("\n\n"));
    return (lastBreak >= 0 ? errorText.mid(lastBreak + 2) : errorText).trimmed();
}

} // namespace

CommunicationHandler::CommunicationHandler(QObject *parent)
    : QObject(parent)
    , communicationModel(new CommunicationListModel(this))
    , queue(new CommunicationQueue(this))
{
    qRegisterMetaType<CommunicationTask *>();
    qRegisterMetaType<VariableWrapper *>();
    qRegisterMetaType<QList<uint>>();
    qRegisterMetaType<QList<CommunicationTask *>>();

    // Made first so that the log and the abandonment see an answer before anyone else does.
    connect(this, &CommunicationHandler::valueReceived, this,
            [this](const QByteArray &data) { logAnswer(CommunicationTask::ReadCommand, data); });
    connect(this, &CommunicationHandler::writeFinished, this,
            [this]() { logAnswer(CommunicationTask::WriteCommand, QByteArray()); });
    connect(this, &CommunicationHandler::errorOccurred, this,
            [this](const QString &text) { logAnswer(-1, text.toUtf8()); });
    connect(this, &CommunicationHandler::eventReceived, this, &CommunicationHandler::logEvent);
    connect(this, &CommunicationHandler::connectionError, this, &CommunicationHandler::abandonTasks);
    connect(this, &CommunicationHandler::valueReceived, this,
            [this](const QByteArray &data) { relayAnswer(true, data, QString()); });
    connect(this, &CommunicationHandler::isduErrorReceived, this, [this](uint code) { currentRefusal = code; });
    connect(this, &CommunicationHandler::errorOccurred, this,
            [this](const QString &text) { relayAnswer(false, QByteArray(), text); });
    connect(queue, &CommunicationQueue::taskDestroyed, this, &CommunicationHandler::onQueuedTaskDestroyed,
            Qt::QueuedConnection);
}

CommunicationHandler::~CommunicationHandler()
{
    if (pollTimer) {
        // The worker thread has usually ended by now; its timers were stopped when it finished.
        if (pollTimer->thread() == QThread::currentThread())
            pollTimer->stop();
        delete pollTimer;
    }
    // Tasks still waiting belong to the queue; their requesters are gone or going.
    const QList<CommunicationTask *> remaining = queue->takeAllTasks();
    for (CommunicationTask *task : remaining) {
        disconnectTask(task);
        task->deleteLater();
    }
}

void CommunicationHandler::writeMasterPassword(QByteArray payload)
{
    Q_UNUSED(payload)
}

void CommunicationHandler::onVarMeasQualitySynced(VariableWrapper *var)
{
    measurementQualityVariable = var;
}

bool CommunicationHandler::isIndexSupported(uint index) const
{
    Q_UNUSED(index)
    return true;
}

CommunicationListModel *CommunicationHandler::getCommunicationModel() const
{
    return communicationModel;
}

void CommunicationHandler::setAnswerRelay(CommunicationAnswerRelay *relay)
{
    answerRelay = relay;
    if (relay)
        relay->setParent(this);
}

void CommunicationHandler::startPolling()
{
    if (!pollTimer) {
        pollTimer = new QTimer();
        connect(pollTimer, &QTimer::timeout, this, &CommunicationHandler::onTimer);
        // Stop the timer in its own thread before that thread ends, so that destruction elsewhere is quiet.
        connect(QThread::currentThread(), &QThread::finished, pollTimer, &QTimer::stop, Qt::DirectConnection);
    }
    pollTimer->setSingleShot(false);
    pollTimer->start(pollInterval());
}

void CommunicationHandler::stopPolling()
{
    if (!pollTimer)
        return;
    pollTimer->stop();
    pollTimer->deleteLater();
    pollTimer = nullptr;
    measurementQualityVariable = nullptr;
}

QList<QPair<quint16, quint8>> CommunicationHandler::queuedReads(int max) const
{
    return queue->waitingReads(max);
}

void CommunicationHandler::addTask(CommunicationTask *task)
{
    if (!task)
        return;
    admitTask(task);
    processNextTask();
}

void CommunicationHandler::addTasks(QList<CommunicationTask *> tasks)
{
    for (CommunicationTask *task : qAsConst(tasks)) {
        if (task)
            admitTask(task);
    }
    processNextTask();
}

void CommunicationHandler::admitTask(CommunicationTask *task)
{
    if (!isIndexSupported(task->getIndex())) {
        qInfo() << Q_FUNC_INFO << "Ignoring task for unsupported index" << task->getIndex();
        task->onError(tr("Unsupported index."));
        task->deleteLater();
    } else {
        queue->addTask(task);
    }
}

void CommunicationHandler::processNextTask()
{
    QElapsedTimer pass;
    pass.start();
    for (;;) {
        if (currentTask)
            return;
        currentTask = queue->firstPendingTask();
        if (!currentTask)
            return;
        if (currentTask->getState() != CommunicationTask::New) {
            currentTask = nullptr;
            return;
        }
        connectCurrentTask();
        if (!currentRelayed) {
            // Anything else reaches the requester directly; the answers before it must not arrive after it.
            if (answerRelay)
                answerRelay->flush();
            currentTask->start();
            return;
        }
        sendingRelayedRead = true;
        answeredWhileSending = false;
        startRelayedRead();
        sendingRelayedRead = false;
        if (!answeredWhileSending)
            return;
        // A master that answers at once gets the next read without a round through the event loop, which
        // cost more than the read; after a short while the loop runs again, so that a disconnect or other
        // requests are taken in between.
        if (pass.elapsed() >= maxInlinePassMs) {
            QTimer::singleShot(0, this, &CommunicationHandler::processNextTask);
            return;
        }
    }
}

// A read answered through the relay needs none of a task's connections: the request is logged and sent
// here, and the handler's answer signals reach the relay. Connecting and cutting nine connections per
// read cost more than the read itself on a device with hundreds of variables.
void CommunicationHandler::startRelayedRead()
{
    CommunicationTask *task = currentTask;
    if (!task->claim())
        return;
    const int index = int(task->getIndex());
    const int subIndex = int(task->requestedSubIndex());
    logRequest(index, subIndex, CommunicationTask::ReadCommand, QByteArray());
    readEntryData(index, subIndex);
}

void CommunicationHandler::connectCurrentTask()
{
    CommunicationTask *task = currentTask;
    currentCommand = task->getCommand();
    currentData = task->getData();
    currentRequestLogged = false;
    currentRefusal = 0;
    currentRelayed = answerRelay && currentCommand == CommunicationTask::ReadCommand
        && task->thread() == answerRelay->deliveryThread() && task->thread() != thread();
    if (currentRelayed)
        return;

    // The log sees each request before the back end can answer it.
    connect(task, &CommunicationTask::taskRequestsRead, this,
            [this](int index, int subIndex) { logRequest(index, subIndex, CommunicationTask::ReadCommand, QByteArray()); });
    connect(task, &CommunicationTask::taskRequestsWrite, this, [this](int index, int subIndex, const QByteArray &data) {
        logRequest(index, subIndex, CommunicationTask::WriteCommand, data);
    });
    connect(task, &CommunicationTask::taskRequestsWriteProcessData, this, &CommunicationHandler::logProcessDataWrite);

    connect(task, &CommunicationTask::taskRequestsRead, this, &CommunicationHandler::readEntryData);
    connect(task, &CommunicationTask::taskRequestsWrite, this, &CommunicationHandler::writeEntryData);
    connect(task, &CommunicationTask::taskRequestsProcessData, this, &CommunicationHandler::pollProcessData);
    connect(task, &CommunicationTask::taskRequestsWriteProcessData, this, &CommunicationHandler::writeProcessData);
    connect(task, &CommunicationTask::taskRequestWriteMasterPassword, this, &CommunicationHandler::writeMasterPassword);
    connect(task, &CommunicationTask::requestUpload, this, &CommunicationHandler::onRequestUpload);
    connect(task, &CommunicationTask::finished, this, &CommunicationHandler::onCurrentTaskFinished);

    connect(this, &CommunicationHandler::valueReceived, task, &CommunicationTask::onDataReceived);
    connect(this, &CommunicationHandler::writeFinished, task, &CommunicationTask::onDataWritten);
    connect(this, &CommunicationHandler::masterPasswordWriteFinished, task, &CommunicationTask::onDataWritten);
    connect(this, &CommunicationHandler::masterPasswordWriteFailed, task, &CommunicationTask::onError);
    connect(this, &CommunicationHandler::isduErrorReceived, task, &CommunicationTask::onIsduError);
    connect(this, &CommunicationHandler::errorOccurred, task, &CommunicationTask::onError);
}

// The task leaves the queue now; the relay answers it in its own thread and deletes it there.
void CommunicationHandler::relayAnswer(bool success, const QByteArray &data, const QString &errorText)
{
    if (!currentTask || !currentRelayed)
        return;
    CommunicationTask *task = currentTask;
    currentTask = nullptr;
    currentRelayed = false;
    if (!queue->removeTask(task))
        return;
    answerRelay->add(task, success, data, currentRefusal, errorText, !queue->waitingReads(1).isEmpty());
    if (sendingRelayedRead) {
        answeredWhileSending = true;
        return;
    }
    QTimer::singleShot(0, this, &CommunicationHandler::processNextTask);
}

void CommunicationHandler::disconnectTask(CommunicationTask *task)
{
    disconnect(task, nullptr, this, nullptr);
    disconnect(this, nullptr, task, nullptr);
}

void CommunicationHandler::onCurrentTaskFinished(bool success, uint index, uint subindex, QString errorText,
                                                 VariableWrapper *var)
{
    // A late report of a task that was already abandoned must not end the task running now.
    if (sender() && sender() != currentTask)
        return;

    if (!success)
        qWarning() << "Task failed for" << index << subindex << ":" << errorText;

    if (currentTask) {
        if (currentCommand == CommunicationTask::ProcessDataWriteCommand)
            emit processDataWriteFinished(success, currentData, errorText);
        if (var && currentCommand == CommunicationTask::WriteCommand) {
            if (success)
                onWriteSucceeded(var, subindex, currentData);
            else
                onWriteFailed(var, subindex, errorText);
        }
        if (queue->removeTask(currentTask)) {
            disconnectTask(currentTask);
            currentTask->deleteLater();
        }
    }
    currentTask = nullptr;
    QTimer::singleShot(0, this, &CommunicationHandler::processNextTask);
}

void CommunicationHandler::onWriteSucceeded(VariableWrapper *var, uint subindex, const QByteArray &payload)
{
    if (var->getIndex() == systemCommandIndex)
        postWriteActions(payload);
    // An item written inside the whole record: the device may have adjusted other items, so read it all back.
    if (var->isWrittenAsWhole() && var->isReadable()) {
        auto *readBack = new CommunicationTask(var, subindex, CommunicationTask::ReadCommand);
        adoptTask(readBack);
        addTask(readBack);
    }
    emit alertReceived(tr("Setting value succeeded for %1").arg(var->displayName(subindex)));
}

void CommunicationHandler::onWriteFailed(VariableWrapper *var, uint subindex, const QString &errorText)
{
    qCDebug(lcComm) << Q_FUNC_INFO << var->getId() << var->getIndex() << subindex << ":" << errorText;

    auto *readBack = new CommunicationTask(var, subindex, CommunicationTask::ReadCommand);
    adoptTask(readBack);
    addTask(readBack);

    emit alertReceived(tr("Setting value failed for %1: %2\n\nThe device's value was read again.")
                           .arg(var->displayName(subindex), reasonOf(errorText)));
}

void CommunicationHandler::postWriteActions(const QByteArray &payload)
{
    if (payload.isEmpty())
        return;
    const uchar command = uchar(payload.at(0));
    const bool upload = contains(uploadCommands, command);
    const bool reRead = contains(reReadCommands, command);
    if (!upload && !reRead && !contains(quietCommands, command))
        return;

    qInfo() << "Executing post-write action for system command:" << payload.toHex();
    if (upload)
        emit uploadRequestReceived();
    else if (reRead)
        emit readRequestReceived(reReadIndexes);
}

void CommunicationHandler::onRequestUpload(VariableWrapper *var, uint subindex)
{
    qCDebug(lcComm) << Q_FUNC_INFO << (var ? var->getId() : QString()) << (var ? var->getIndex() : 0) << subindex;
    emit uploadRequestReceived();
}

void CommunicationHandler::onTimer()
{
    auto *poll = new CommunicationTask(nullptr, 0, CommunicationTask::ProcessDataReadCommand);
    adoptTask(poll);
    addTask(poll);

    // On a link slower than the polling, re-reads would pile up without end and every other request wait longer.
    if (measurementQualityVariable && !queue->holdsTask(qualityRead)) {
        auto *reRead = new CommunicationTask(measurementQualityVariable, 0, CommunicationTask::ReadCommand);
        qualityRead = reRead;
        adoptTask(reRead);
        addTask(reRead);
    }
}

// Tasks live where their variable lives, so that received values are stored in the variable's own thread.
// A task without a variable (a process-data poll) stays here: 50 polls a second would otherwise each wake
// the window's thread several times only to pass the answer back.
void CommunicationHandler::adoptTask(CommunicationTask *task) const
{
    const QObject *home = task->getVariable() ? static_cast<QObject *>(task->getVariable()) : this;
    if (home->thread() != task->thread())
        task->moveToThread(home->thread());
}

// The device is gone: nothing waiting can be answered any more. Every task reports its failure once and the
// handler becomes idle, so a later connection starts with an empty queue.
void CommunicationHandler::abandonTasks(const QString &errorText)
{
    // Answers already received go first, as they would have without the relay.
    if (answerRelay)
        answerRelay->flush();
    const QList<CommunicationTask *> abandoned = queue->takeAllTasks();
    currentTask = nullptr;
    currentRelayed = false;
    if (abandoned.isEmpty())
        return;

    qWarning() << Q_FUNC_INFO << "Abandoning" << abandoned.size() << "tasks:" << errorText;
    for (CommunicationTask *task : abandoned) {
        disconnectTask(task);
        QMetaObject::invokeMethod(task, [task, errorText]() { task->onError(errorText); }, Qt::QueuedConnection);
        task->deleteLater();
    }
}

// The requester broke the hand-over and deleted a task it had queued; do not wait for it.
void CommunicationHandler::onQueuedTaskDestroyed(CommunicationTask *task)
{
    if (task != currentTask)
        return;
    currentTask = nullptr;
    currentRelayed = false;
    QTimer::singleShot(0, this, &CommunicationHandler::processNextTask);
}

void CommunicationHandler::logRequest(int index, int subIndex, int command, const QByteArray &message)
{
    currentRequestLogged = true;
    loggedIndex = index;
    loggedSubIndex = subIndex;
    communicationModel->addEntry(index, subIndex, CommunicationEntry::Local, logCommandOf(command), message);
}

void CommunicationHandler::logProcessDataWrite(const QByteArray &payload)
{
    if (outputImageLogged && payload == lastOutputImage)
        return;
    outputImageLogged = true;
    lastOutputImage = payload;
    logRequest(0, 0, CommunicationTask::ProcessDataWriteCommand, payload);
}

void CommunicationHandler::logAnswer(int command, const QByteArray &message)
{
    if (!currentTask || !currentRequestLogged)
        return;
    currentRequestLogged = false;
    const int kind = command < 0 ? int(currentCommand) : command;
    communicationModel->addEntry(loggedIndex, loggedSubIndex, CommunicationEntry::Remote, logCommandOf(kind), message);
}

void CommunicationHandler::logEvent(uint eventCode, ushort eventMode)
{
    const QByteArray message = QByteArrayLiteral("Event 0x") + QByteArray::number(eventCode, 16).toUpper().rightJustified(4, '0')
        + QByteArrayLiteral(" mode 0x") + QByteArray::number(eventMode, 16).toUpper().rightJustified(2, '0');
    communicationModel->addEntry(0, 0, CommunicationEntry::Remote, CommunicationEntry::Read, message);
}
