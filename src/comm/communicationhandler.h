#pragma once

#include "communicationlistmodel.h"
#include "communicationtask.h"
#include "device/variablewrapper.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class CommunicationAnswerRelay;
class CommunicationQueue;
class QTimer;

// Runs the communication tasks of one device one at a time against a back end, polls process data,
// follows up writes of system commands and turns task results into messages for the user.
// Lives in the device's worker thread; a back end derives from it and implements the request primitives.
class CommunicationHandler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(CommunicationListModel *communicationModel READ getCommunicationModel CONSTANT)

public:
    static constexpr int pollIntervalMs = 20;
    static constexpr uint systemCommandIndex = 2;
    // How long reads answered at once follow each other before the event loop runs again.
    static constexpr qint64 maxInlinePassMs = 2;

    explicit CommunicationHandler(QObject *parent = nullptr);
    ~CommunicationHandler() override;

signals:
    void valueReceived(QByteArray data);
    void writeFinished();
    void masterPasswordWriteFinished();
    void masterPasswordWriteFailed(QString errorText);
    void writeFailed(QString errorText);
    void connectionError(QString errorText);
    void errorOccurred(QString errorText);
    // The device refused the current request with this ISDU error code; errorOccurred() follows.
    void isduErrorReceived(uint isduError);
    void processDataReceived(QByteArray data);
    void changeNotificationReceived(int index, int subIndex);
    void uploadRequestReceived();
    void readRequestReceived(QList<uint> index);
    void alertReceived(QString message);
    // The end of an output image write; a refused one carries the device's reason.
    void processDataWriteFinished(bool success, QByteArray payload, QString errorText);
    void eventReceived(uint eventCode, ushort eventMode);
    // The whole qualifier of the event that the next eventReceived reports (type and source beside the mode).
    void eventQualifierReceived(uint eventCode, uint qualifier);

public slots:
    // Each primitive answers with exactly one signal (see the signals above); connectionError leaves the task running.
    virtual void readEntryData(int index, int subIndex) = 0;
    virtual void writeEntryData(int index, int subIndex, QByteArray data) = 0;
    virtual void pollProcessData() = 0;
    virtual void writeProcessData(QByteArray data) = 0;
    virtual void writeMasterPassword(QByteArray payload);
    virtual void onVarMeasQualitySynced(VariableWrapper *var);

public:
    virtual bool isIndexSupported(uint index) const;
    // How often process data is polled while polling runs.
    virtual int pollInterval() const { return pollIntervalMs; }

protected:
    // The reads queued from the running one on, so a back end can fetch several at once.
    QList<QPair<quint16, quint8>> queuedReads(int max) const;

public slots:
    void startPolling();
    void stopPolling();
    void addTask(CommunicationTask *task);
    // Takes many requests in one hand-over (a synchronisation's reads), so that they run back to back and
    // their answers go back together.
    void addTasks(QList<CommunicationTask *> tasks);

private slots:
    void onCurrentTaskFinished(bool success, uint index, uint subindex, QString errorText, VariableWrapper *var);
    void onRequestUpload(VariableWrapper *var, uint subindex);
    void processNextTask();
    void onTimer();

public:
    Q_INVOKABLE CommunicationListModel *getCommunicationModel() const;
    // Answers to reads of the relay's thread go back through it, and the next request starts without
    // waiting for that thread. Set it before the handler moves to its worker thread; it moves along.
    void setAnswerRelay(CommunicationAnswerRelay *relay);

    // Answers the running task and every queued one with the error and empties the queue.
    // Call it in the handler's thread.
    void abandonTasks(const QString &errorText);

private:
    void admitTask(CommunicationTask *task);
    void connectCurrentTask();
    void startRelayedRead();
    void relayAnswer(bool success, const QByteArray &data, const QString &errorText);
    void disconnectTask(CommunicationTask *task);
    void onWriteSucceeded(VariableWrapper *var, uint subindex, const QByteArray &payload);
    void onWriteFailed(VariableWrapper *var, uint subindex, const QString &errorText);
    void postWriteActions(const QByteArray &payload);
    void adoptTask(CommunicationTask *task) const;
    void onQueuedTaskDestroyed(CommunicationTask *task);

    // Communication log: parameter requests with their answers, events, and changes of the output image.
    void logRequest(int index, int subIndex, int command, const QByteArray &message);
    void logProcessDataWrite(const QByteArray &payload);
    void logAnswer(int command, const QByteArray &message);
    void logEvent(uint eventCode, ushort eventMode);

    CommunicationListModel *communicationModel = nullptr;
    CommunicationQueue *queue = nullptr;
    CommunicationTask *currentTask = nullptr;
    CommunicationAnswerRelay *answerRelay = nullptr;
    // The current task is answered through the relay; its refusal code is kept until the error follows.
    bool currentRelayed = false;
    // A relayed read is being sent; an answer that comes meanwhile lets processNextTask go on by itself.
    bool sendingRelayedRead = false;
    bool answeredWhileSending = false;
    uint currentRefusal = 0;
    // Copies of the current task's request, so that its end never depends on the task object.
    uint currentCommand = 0;
    QByteArray currentData;
    QTimer *pollTimer = nullptr;
    VariableWrapper *measurementQualityVariable = nullptr;
    // The last re-read of the measurement quality; compared only, it may be gone.
    const CommunicationTask *qualityRead = nullptr;

    // Index and subindex of the current task's request when it was logged; its answer is logged with them.
    bool currentRequestLogged = false;
    int loggedIndex = 0;
    int loggedSubIndex = 0;
    bool outputImageLogged = false;
    QByteArray lastOutputImage;
};
