#pragma once

#include <QLoggingCategory>

// One category per layer. Debug lines are off until the "verbose debug logging" switch turns them on.
Q_DECLARE_LOGGING_CATEGORY(lcIodd)
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
Q_DECLARE_LOGGING_CATEGORY(lcComm)
Q_DECLARE_LOGGING_CATEGORY(lcMenu)
Q_DECLARE_LOGGING_CATEGORY(lcProcessData)
Q_DECLARE_LOGGING_CATEGORY(lcBinding)
Q_DECLARE_LOGGING_CATEGORY(lcMaster)
Q_DECLARE_LOGGING_CATEGORY(lcConnection)
Q_DECLARE_LOGGING_CATEGORY(lcDiscovery)
Q_DECLARE_LOGGING_CATEGORY(lcApp)
Q_DECLARE_LOGGING_CATEGORY(lcTools)

// The verbose switch over all "ovinex.*" categories at once, readable from any thread.
class LogCategories
{
public:
    static void setVerbose(bool on);
    static bool isVerbose();
};
