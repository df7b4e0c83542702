#include "logcategories.h"

#include <atomic>

// Info as the lowest level by default: debug lines cost nothing until the switch turns them on.
Q_LOGGING_CATEGORY(lcIodd, "ovinex.iodd", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDevice, "ovinex.device", QtInfoMsg)
Q_LOGGING_CATEGORY(lcComm, "ovinex.comm", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMenu, "ovinex.menu", QtInfoMsg)
Q_LOGGING_CATEGORY(lcProcessData, "ovinex.processdata", QtInfoMsg)
Q_LOGGING_CATEGORY(lcBinding, "ovinex.binding", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMaster, "ovinex.master", QtInfoMsg)
Q_LOGGING_CATEGORY(lcConnection, "ovinex.connection", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDiscovery, "ovinex.discovery", QtInfoMsg)
Q_LOGGING_CATEGORY(lcApp, "ovinex.app", QtInfoMsg)
Q_LOGGING_CATEGORY(lcTools, "ovinex.tools", QtInfoMsg)

namespace {
std::atomic<bool> verbose { false };
}

void LogCategories::setVerbose(bool on)
{
    verbose.store(on, std::memory_order_relaxed);
    QLoggingCategory::setFilterRules(on ? QStringLiteral("ovinex.*.debug=true") : QStringLiteral("ovinex.*.debug=false"));
}

bool LogCategories::isVerbose()
{
    return verbose.load(std::memory_order_relaxed);
}
