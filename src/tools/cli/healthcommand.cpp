// ovinex-cli events and status: what the device reports about itself while connected.

#include "clicommand.h"
#include "clicontext.h"
#include "comm/eventhistorymodel.h"
#include "connection/devicehealth.h"
#include "connection/iolinkserialdevice.h"

#include <QEventLoop>
#include <QTimer>

namespace {

const QString secondsOption = QStringLiteral("seconds");
constexpr int defaultSeconds = 10;
// A day; longer listening is a job for the window or a loop in the script.
constexpr int maximumSeconds = 86400;

bool isConnected(const IOLinkDevice &device)
{
    return device.getState() == QLatin1String(IOLinkDevice::connectedName);
}

} // namespace

QList<QCommandLineOption> eventsOptions()
{
    return { QCommandLineOption(secondsOption,
                                CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "events: how many seconds to listen (default 10).")),
                                QStringLiteral("N")) };
}

int runEvents(CliContext &context)
{
    const QStringList &arguments = context.arguments();
    if (arguments.size() != 1)
        return context.usageError(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "events needs a port.")));
    int seconds = defaultSeconds;
    if (context.isSet(secondsOption)) {
        bool valid = false;
        seconds = context.parser().value(secondsOption).toInt(&valid);
        if (!valid || seconds < 1 || seconds > maximumSeconds)
            return context.usageError(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "--seconds needs a whole number from 1 to %1."))
                                          .arg(maximumSeconds));
    }
    QString error;
    std::unique_ptr<IOLinkSerialDevice> device = context.connectDevice(arguments.at(0), &error);
    if (!device) {
        context.message(error);
        return CliUsageError;
    }
    EventHistoryModel *history = device->getEventHistory();
    // Each event is printed as it arrives, so a script sees it at once; the newest row is the first.
    QObject::connect(history, &EventHistoryModel::rowsInserted, history, [&context, history](const QModelIndex &, int first, int last) {
        for (int row = last; row >= first; --row)
            context.print(EventHistoryModel::toJson(history->entryAt(row)));
    });
    QEventLoop loop;
    QTimer listening;
    listening.setSingleShot(true);
    QObject::connect(&listening, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(device.get(), &IOLinkDevice::stateChanged, &loop, [&loop, &device] {
        if (!isConnected(*device))
            loop.quit();
    });
    listening.start(seconds * 1000);
    loop.exec();
    QObject::disconnect(history, nullptr, history, nullptr);
    const bool lost = !isConnected(*device);
    context.disconnectDevice(*device);
    if (lost) {
        context.message(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "The connection to the device on port %1 was lost.")).arg(arguments.at(0)));
        return CliRefused;
    }
    return CliSuccess;
}

int runStatus(CliContext &context)
{
    const QStringList &arguments = context.arguments();
    if (arguments.size() != 1)
        return context.usageError(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "status needs a port.")));
    QString error;
    std::unique_ptr<IOLinkSerialDevice> device = context.connectDevice(arguments.at(0), &error);
    if (!device) {
        context.message(error);
        return CliUsageError;
    }
    // The health was read with the rest of the device during synchronisation.
    const DeviceHealth *health = device->getHealth();
    QJsonObject line = health->toJson();
    line.insert(QStringLiteral("port"), arguments.at(0));
    const bool available = health->isAvailable();
    context.disconnectDevice(*device);
    if (!available)
        context.message(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "The device does not report a device status.")));
    context.print(line);
    return CliSuccess;
}
