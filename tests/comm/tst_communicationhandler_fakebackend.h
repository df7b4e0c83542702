#pragma once

// Header only: every tst_*.cpp of this folder would become a test executable of its own.

#include "comm/communicationhandler.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <algorithm>
#include <functional>

// A request as the back end saw it.
struct FakeRequest
{
    QString kind; // "read", "write", "poll", "writePD"
    int index = 0;
    int subIndex = 0;
    QByteArray data;
};

// Back end that answers from a script instead of a master. Configured from the test thread, runs in the worker.
class FakeBackEnd : public CommunicationHandler
{
    Q_OBJECT

public:
    using CommunicationHandler::CommunicationHandler;

    void setReadAnswer(int index, const QByteArray &payload);
    void setWriteFailure(int index, const QString &errorText);
    void setLostOn(int index, const QString &errorText);
    void setUnsupportedIndex(int index);
    // A slow device: requests are recorded but answered only by releaseOne / releaseAll.
    void setHolding(bool holding);
    void releaseOne();
    void releaseAll();
    // Emits signals of the back end from its own thread, as a real poll would.
    void emitEvent(uint code, ushort mode);

    QList<FakeRequest> requests() const;
    int count(const QString &kind) const;
    int heldCount() const;

    void readEntryData(int index, int subIndex) override;
    void writeEntryData(int index, int subIndex, QByteArray data) override;
    void pollProcessData() override;
    void writeProcessData(QByteArray data) override;
    bool isIndexSupported(uint index) const override;

private:
    void record(const FakeRequest &request, std::function<void()> answer);
    std::function<void()> answerFor(const FakeRequest &request);
    void answerNextHeld();

    mutable QMutex mutex;
    QList<FakeRequest> seen;
    QList<std::function<void()>> held;
    QHash<int, QByteArray> readAnswers;
    QHash<int, QString> failures;
    QHash<int, QString> losses;
    int unsupportedIndex = -1;
    bool holding = false;
};

inline void FakeBackEnd::setReadAnswer(int index, const QByteArray &payload)
{
    QMutexLocker locker(&mutex);
    readAnswers.insert(index, payload);
}

inline void FakeBackEnd::setWriteFailure(int index, const QString &errorText)
{
    QMutexLocker locker(&mutex);
    failures.insert(index, errorText);
}

inline void FakeBackEnd::setLostOn(int index, const QString &errorText)
{
    QMutexLocker locker(&mutex);
    if (errorText.isEmpty())
        losses.remove(index);
    else
        losses.insert(index, errorText);
}

inline void FakeBackEnd::setUnsupportedIndex(int index)
{
    QMutexLocker locker(&mutex);
    unsupportedIndex = index;
}

inline void FakeBackEnd::setHolding(bool on)
{
    QMutexLocker locker(&mutex);
    holding = on;
}

inline void FakeBackEnd::releaseOne()
{
    QMetaObject::invokeMethod(this, [this]() { answerNextHeld(); }, Qt::QueuedConnection);
}

inline void FakeBackEnd::releaseAll()
{
    setHolding(false);
    QMetaObject::invokeMethod(this, [this]() {
        while (heldCount() > 0)
            answerNextHeld();
    }, Qt::QueuedConnection);
}

inline void FakeBackEnd::emitEvent(uint code, ushort mode)
{
    QMetaObject::invokeMethod(this, [this, code, mode]() { emit eventReceived(code, mode); }, Qt::QueuedConnection);
}

inline QList<FakeRequest> FakeBackEnd::requests() const
{
    QMutexLocker locker(&mutex);
    return seen;
}

inline int FakeBackEnd::count(const QString &kind) const
{
    QMutexLocker locker(&mutex);
    return int(std::count_if(seen.cbegin(), seen.cend(), [&kind](const FakeRequest &r) { return r.kind == kind; }));
}

inline int FakeBackEnd::heldCount() const
{
    QMutexLocker locker(&mutex);
    return held.size();
}

inline void FakeBackEnd::readEntryData(int index, int subIndex)
{
    const FakeRequest request { QStringLiteral("read"), index, subIndex, QByteArray() };
    record(request, answerFor(request));
}

inline void FakeBackEnd::writeEntryData(int index, int subIndex, QByteArray data)
{
    const FakeRequest request { QStringLiteral("write"), index, subIndex, data };
    record(request, answerFor(request));
}

inline void FakeBackEnd::pollProcessData()
{
    const FakeRequest request { QStringLiteral("poll"), 0, 0, QByteArray() };
    record(request, answerFor(request));
}

inline void FakeBackEnd::writeProcessData(QByteArray data)
{
    const FakeRequest request { QStringLiteral("writePD"), 0, 0, data };
    record(request, answerFor(request));
}

inline bool FakeBackEnd::isIndexSupported(uint index) const
{
    QMutexLocker locker(&mutex);
    return int(index) != unsupportedIndex;
}

inline void FakeBackEnd::record(const FakeRequest &request, std::function<void()> answer)
{
    QMutexLocker locker(&mutex);
    seen.append(request);
    if (holding) {
        held.append(answer);
        return;
    }
    locker.unlock();
    answer();
}

inline std::function<void()> FakeBackEnd::answerFor(const FakeRequest &request)
{
    QMutexLocker locker(&mutex);
    if (losses.contains(request.index) && request.kind != QLatin1String("poll")) {
        const QString text = losses.value(request.index);
        return [this, text]() { emit connectionError(text); };
    }
    if (failures.contains(request.index) && request.kind == QLatin1String("write")) {
        const QString text = failures.value(request.index);
        return [this, text]() { emit errorOccurred(text); };
    }
    if (request.kind == QLatin1String("read")) {
        const QByteArray payload = readAnswers.value(request.index, QByteArray(1, char(request.index)));
        return [this, payload]() { emit valueReceived(payload); };
    }
    if (request.kind == QLatin1String("poll")) {
        return [this]() {
            emit processDataReceived(QByteArray("\x12\x34", 2));
            emit valueReceived(QByteArray());
        };
    }
    return [this]() { emit writeFinished(); };
}

inline void FakeBackEnd::answerNextHeld()
{
    QMutexLocker locker(&mutex);
    if (held.isEmpty())
        return;
    const std::function<void()> answer = held.takeFirst();
    locker.unlock();
    answer();
}
