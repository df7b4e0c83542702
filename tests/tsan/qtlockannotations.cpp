// Linked into the tests only in ThreadSanitizer builds. Debian's Qt is not built with ThreadSanitizer, so
// the ordering that QMutex, QReadWriteLock and QWaitCondition give inside libQt5Core is invisible to it,
// and every access guarded by them looks like a race. These definitions take the place of Qt's exported
// lock functions for calls from our code, call Qt's own, and tell ThreadSanitizer what they did.
#if defined(__SANITIZE_THREAD__)

#include <QDeadlineTimer>
#include <QMutex>
#include <QReadWriteLock>
#include <QWaitCondition>

#include <dlfcn.h>
#include <sanitizer/tsan_interface.h>

namespace {

template<typename Function>
Function qtFunction(const char *mangledName)
{
    static_assert(sizeof(Function) == sizeof(void *), "plain function pointer expected");
    void *symbol = dlsym(RTLD_NEXT, mangledName);
    return reinterpret_cast<Function>(symbol);
}

} // namespace

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto qt = qtFunction<void (*)(QMutex *)>("_ZN6QMutex4lockEv");
    qt(this);
    __tsan_acquire(this);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto qt = qtFunction<bool (*)(QMutex *, int)>("_ZN6QMutex7tryLockEi");
    const bool locked = qt(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QMutex::unlock() noexcept
{
    static const auto qt = qtFunction<void (*)(QMutex *)>("_ZN6QMutex6unlockEv");
    __tsan_release(this);
    qt(this);
}

void QBasicMutex::lockInternal() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto qt = qtFunction<void (*)(QBasicMutex *)>("_ZN11QBasicMutex12lockInternalEv");
    qt(this);
    __tsan_acquire(this);
}

bool QBasicMutex::lockInternal(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto qt = qtFunction<bool (*)(QBasicMutex *, int)>("_ZN11QBasicMutex12lockInternalEi");
    const bool locked = qt(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QBasicMutex::unlockInternal() noexcept
{
    static const auto qt = qtFunction<void (*)(QBasicMutex *)>("_ZN11QBasicMutex14unlockInternalEv");
    __tsan_release(this);
    qt(this);
}

void QReadWriteLock::lockForRead()
{
    static const auto qt = qtFunction<void (*)(QReadWriteLock *)>("_ZN14QReadWriteLock11lockForReadEv");
    qt(this);
    __tsan_acquire(this);
}

void QReadWriteLock::lockForWrite()
{
    static const auto qt = qtFunction<void (*)(QReadWriteLock *)>("_ZN14QReadWriteLock12lockForWriteEv");
    qt(this);
    __tsan_acquire(this);
}

void QReadWriteLock::unlock()
{
    static const auto qt = qtFunction<void (*)(QReadWriteLock *)>("_ZN14QReadWriteLock6unlockEv");
    __tsan_release(this);
    qt(this);
}

bool QWaitCondition::wait(QMutex *mutex, QDeadlineTimer deadline)
{
    static const auto qt =
        qtFunction<bool (*)(QWaitCondition *, QMutex *, QDeadlineTimer)>("_ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer");
    __tsan_release(mutex);
    const bool woken = qt(this, mutex, deadline);
    __tsan_acquire(mutex);
    return woken;
}

bool QWaitCondition::wait(QMutex *mutex, unsigned long time)
{
    static const auto qt = qtFunction<bool (*)(QWaitCondition *, QMutex *, unsigned long)>("_ZN14QWaitCondition4waitEP6QMutexm");
    __tsan_release(mutex);
    const bool woken = qt(this, mutex, time);
    __tsan_acquire(mutex);
    return woken;
}

#endif
