#pragma once

// Header only: every tst_*.cpp of this folder would become a test executable of its own.

#include "comm/communicationhandler.h"

#include <QHash>
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

    void setReadAnswer(int index, const QByteArray &payload) { locked([&] { readAnswers.insert(index, payload); }); }
    void setWriteFailure(int index, const QString &text) { locked([&] { writeFailures.insert(index, text); }); }
    void setReadRefusal(int index, uint isduError) { locked([&] { readRefusals.insert(index, isduError); }); }
    // An empty text stops the loss.
    void setLostOn(int index, const QString &text)
    {
        locked([&] { text.isEmpty() ? void(losses.remove(index)) : void(losses.insert(index, text)); });
    }
    void setUnsupportedIndex(int index) { locked([&] { unsupportedIndex = index; }); }
    // A slow device: requests are recorded but answered only by releaseOne / releaseAll.
    void setHolding(bool on) { locked([&] { holding = on; }); }
    void releaseOne() { QMetaObject::invokeMethod(this, [this] { answerNextHeld(); }, Qt::QueuedConnection); }
    void releaseAll()
    {
        setHolding(false);
        QMetaObject::invokeMethod(this, [this] { while (answerNextHeld()) {} }, Qt::QueuedConnection);
    }
    void emitEvent(uint code, ushort mode)
    {
        QMetaObject::invokeMethod(this, [=] { emit eventReceived(code, mode); }, Qt::QueuedConnection);
    }

    QList<FakeRequest> requests() const { return locked([&] { return seen; }); }
    int heldCount() const { return locked([&] { return held.size(); }); }
    int count(const QString &kind) const
    {
        const QList<FakeRequest> all = requests();
        return int(std::count_if(all.cbegin(), all.cend(), [&](const FakeRequest &r) { return r.kind == kind; }));
    }

    void readEntryData(int index, int subIndex) override { handle({ "read", index, subIndex, {} }); }
    void writeEntryData(int index, int subIndex, QByteArray data) override { handle({ "write", index, subIndex, data }); }
    void pollProcessData() override { handle({ "poll", 0, 0, {} }); }
    void writeProcessData(QByteArray data) override { handle({ "writePD", 0, 0, data }); }
    bool isIndexSupported(uint index) const override { return locked([&] { return int(index) != unsupportedIndex; }); }

private:
    template<typename F>
    auto locked(F f) const -> decltype(f())
    {
        QMutexLocker locker(&mutex);
        return f();
    }

    void handle(const FakeRequest &request)
    {
        QMutexLocker locker(&mutex);
        seen.append(request);
        const std::function<void()> answer = answerFor(request);
        if (holding) {
            held.append(answer);
            return;
        }
        locker.unlock();
        answer();
    }

    // Called with the mutex held.
    std::function<void()> answerFor(const FakeRequest &request)
    {
        if (losses.contains(request.index) && request.kind != QLatin1String("poll"))
            return [this, text = losses.value(request.index)] { emit connectionError(text); };
        // Process-data writes fail through index 0.
        if (writeFailures.contains(request.index)
            && (request.kind == QLatin1String("write") || request.kind == QLatin1String("writePD")))
            return [this, text = writeFailures.value(request.index)] { emit errorOccurred(text); };
        if (request.kind == QLatin1String("read") && readRefusals.contains(request.index)) {
            return [this, code = readRefusals.value(request.index)] {
                emit isduErrorReceived(code);
                emit errorOccurred(QStringLiteral("refused"));
            };
        }
        if (request.kind == QLatin1String("read")) {
            const QByteArray payload = readAnswers.value(request.index, QByteArray(1, char(request.index)));
            return [this, payload] { emit valueReceived(payload); };
        }
        if (request.kind == QLatin1String("poll")) {
            return [this] {
                emit processDataReceived(QByteArray("\x12\x34", 2));
                emit valueReceived(QByteArray());
            };
        }
        return [this] { emit writeFinished(); };
    }

    bool answerNextHeld()
    {
        QMutexLocker locker(&mutex);
        if (held.isEmpty())
            return false;
        const std::function<void()> answer = held.takeFirst();
        locker.unlock();
        answer();
        return true;
    }

    mutable QMutex mutex;
    QList<FakeRequest> seen;
    QList<std::function<void()>> held;
    QHash<int, QByteArray> readAnswers;
    QHash<int, QString> writeFailures;
    QHash<int, uint> readRefusals;
    QHash<int, QString> losses;
    int unsupportedIndex = -1;
    bool holding = false;
};
