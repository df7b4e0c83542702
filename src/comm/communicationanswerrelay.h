#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVector>

class CommunicationTask;
class QThread;

// Hands the answers to reads of the window thread's variables back in batches. The worker goes on with
// the next request at once instead of waiting for that thread to take each answer: while connecting, a
// device with hundreds of variables would otherwise cross threads twice per read, and the re-read that
// follows every process-data poll would wake the window thread twice per poll.
// Lives in the worker thread beside the handler; tasks are answered, in order, in the thread that made the relay.
class CommunicationAnswerRelay : public QObject
{
    Q_OBJECT

public:
    struct Answer
    {
        QPointer<CommunicationTask> task;
        bool success = false;
        QByteArray data;
        uint isduError = 0;
        QString errorText;
    };

    // Answers wait at most this long while more reads are queued behind them, so progress stays visible.
    static constexpr int batchIntervalMs = 100;
    // A batch this large goes at once, so that the delivery thread takes it while the worker reads on.
    static constexpr int maxBatchSize = 64;

    explicit CommunicationAnswerRelay(QObject *parent = nullptr);
    ~CommunicationAnswerRelay() override;

    // The thread whose tasks this relay answers.
    QThread *deliveryThread() const { return home; }
    // Takes an answer; `moreWaiting` tells that further reads are queued right behind it.
    void add(CommunicationTask *task, bool success, const QByteArray &data, uint isduError, const QString &errorText,
             bool moreWaiting);
    // Passes on what is waiting at once.
    void flush();

    // Answers each task in order and lets it go; call it in the delivery thread.
    static void deliver(const QVector<CommunicationAnswerRelay::Answer> &answers);

signals:
    void answersReady(const QVector<CommunicationAnswerRelay::Answer> &answers);

private:
    void flushWhenIdle();

    QVector<Answer> pending;
    QTimer batchTimer;
    // A flush is queued behind the requests already handed over (a burst of reads queued one by one), so
    // they share a batch without a fixed wait.
    bool idleFlushQueued = false;
    QThread *home = nullptr;
};

Q_DECLARE_METATYPE(CommunicationAnswerRelay::Answer)
