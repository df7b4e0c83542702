#pragma once

#include <atomic>

// The "verbose debug logging" switch as one process-wide flag, readable from every thread without the
// settings object, so that low-level code (payload conversion, tasks, fuzz targets) need not depend on it.
// ApplicationSettings keeps it in step with the stored setting.
class DebugFlag
{
public:
    static bool isEnabled() { return enabled.load(std::memory_order_relaxed); }
    static void setEnabled(bool on) { enabled.store(on, std::memory_order_relaxed); }

private:
    static std::atomic<bool> enabled;
};
