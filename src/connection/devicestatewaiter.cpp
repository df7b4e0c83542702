#include "devicestatewaiter.h"

#include "iolinkdevice.h"

#include <QEventLoop>
#include <QTimer>

bool DeviceStateWaiter::waitFor(IOLinkDevice &device, const QString &wanted, int timeoutMs)
{
    if (device.getState() == wanted)
        return true;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&device, &IOLinkDevice::stateChanged, &loop, [&]() {
        // A connection attempt that falls back to notConnected has ended as well.
        if (device.getState() == wanted || device.getState() == QLatin1String(IOLinkDevice::notConnectedName))
            loop.quit();
    });
    timeout.start(timeoutMs);
    loop.exec();
    return device.getState() == wanted;
}
