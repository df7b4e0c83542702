#pragma once

#include <QString>

class IOLinkDevice;

// Waits, with the event loop running, until a device reaches a state; for the tools, which have no window
// to follow the state machine.
class DeviceStateWaiter
{
public:
    // True when the device is in `wanted` at the end; an attempt that falls back to notConnected ends the wait early.
    static bool waitFor(IOLinkDevice &device, const QString &wanted, int timeoutMs);
};
