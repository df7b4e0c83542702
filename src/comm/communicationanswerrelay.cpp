#include "communicationanswerrelay.h"

#include "communicationtask.h"

#include <QThread>

CommunicationAnswerRelay::CommunicationAnswerRelay(QObject *parent)
    : QObject(parent)
    , batchTimer(this)
    , home(QThread::currentThread())
{
    qRegisterMetaType<QVector<CommunicationAnswerRelay::Answer>>();
    batchTimer.setSingleShot(true);
    connect(&batchTimer, &QTimer::timeout, this, &CommunicationAnswerRelay::flush);
}

// Nobody takes the answers any more; the tasks must not outlive their connection.
CommunicationAnswerRelay::~CommunicationAnswerRelay()
{
    for (const Answer &answer : qAsConst(pending)) {
        if (answer.task)
            answer.task->deleteLater();
    }
}

void CommunicationAnswerRelay::add(CommunicationTask *task, bool success, const QByteArray &data, uint isduError,
                                   const QString &errorText, bool moreWaiting)
{
    pending.append({ task, success, data, isduError, errorText });
    if (pending.size() >= maxBatchSize) {
        flush();
        return;
    }
    if (moreWaiting) {
        if (!batchTimer.isActive())
            batchTimer.start(batchIntervalMs);
        return;
    }
    flushWhenIdle();
}

void CommunicationAnswerRelay::flushWhenIdle()
{
    if (idleFlushQueued)
        return;
    idleFlushQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this]() {
            idleFlushQueued = false;
            flush();
        },
        Qt::QueuedConnection);
}

void CommunicationAnswerRelay::flush()
{
    batchTimer.stop();
    if (pending.isEmpty())
        return;
    QVector<Answer> answers;
    answers.swap(pending);
    emit answersReady(answers);
}

void CommunicationAnswerRelay::deliver(const QVector<CommunicationAnswerRelay::Answer> &answers)
{
    for (const Answer &answer : answers) {
        CommunicationTask *task = answer.task.data();
        if (!task)
            continue;
        if (answer.success) {
            task->onDataReceived(answer.data);
        } else {
            if (answer.isduError)
                task->onIsduError(answer.isduError);
            task->onError(answer.errorText);
        }
        task->deleteLater();
    }
}
