#include "bindingbuilder.h"

#include "binding/iolinkwrapper.h"
#include "core/backgroundpool.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <QThreadPool>
#include <QWaitCondition>

// Shared with the build, which may end after the builder has gone. Everything but the wait for the end
// is under the mutex; the loop is used only in the window's thread.
struct BindingBuilder::Result
{
    QMutex mutex;
    QWaitCondition ended;
    IOLinkWrapper *binding = nullptr;
    bool done = false;
    bool abandoned = false;
    QEventLoop *waiting = nullptr;
};

BindingBuilder::BindingBuilder(const QString &ioddPath, const QString &language, QObject *parent)
    : QObject(parent)
    , result(std::make_shared<Result>())
    , path(ioddPath)
    , language(language)
{
    QThread *home = QObject::thread();
    std::shared_ptr<Result> shared = result;
    BackgroundPool::instance()->start([shared, ioddPath, language, home]() {
        auto *binding = new IOLinkWrapper(ioddPath, language);
        QMutexLocker locker(&shared->mutex);
        if (shared->abandoned) {
            locker.unlock();
            delete binding;
            return;
        }
        binding->moveToThread(home);
        shared->binding = binding;
        shared->done = true;
        shared->ended.wakeAll();
        locker.unlock();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [shared]() {
                if (shared->waiting)
                    shared->waiting->quit();
            },
            Qt::QueuedConnection);
    });
}

// A build nobody takes deletes its binding: here when it has ended, else when it ends.
BindingBuilder::~BindingBuilder()
{
    QMutexLocker locker(&result->mutex);
    result->abandoned = true;
    delete result->binding;
    result->binding = nullptr;
}

bool BindingBuilder::builds(const QString &ioddPath, const QString &language) const
{
    return path == ioddPath && this->language == language;
}

IOLinkWrapper *BindingBuilder::take()
{
    if (!isDone()) {
        QEventLoop loop;
        result->waiting = &loop;
        if (!isDone())
            loop.exec();
        result->waiting = nullptr;
    }
    // A quitting application ends the loop early; the build is then awaited.
    QMutexLocker locker(&result->mutex);
    while (!result->done)
        result->ended.wait(&result->mutex);
    IOLinkWrapper *binding = result->binding;
    result->binding = nullptr;
    return binding;
}

bool BindingBuilder::isDone() const
{
    QMutexLocker locker(&result->mutex);
    return result->done;
}
