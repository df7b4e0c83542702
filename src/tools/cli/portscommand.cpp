// ovinex-cli ports: every port of the bound master with the identity of the device on it.

#include "clicommand.h"
#include "clicontext.h"
#include "connection/iolinkserialdevice.h"
#include "master/masterlibrary.h"

int runPorts(CliContext &context)
{
    if (!context.arguments().isEmpty())
        return context.usageError(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "ports takes no arguments.")));
    bool failed = false;
    const QList<SerialPortDescriptor> ports = context.ports(&failed);
    for (const SerialPortDescriptor &port : ports) {
        QJsonObject line { { "port", CliContext::portName(port) },
                           { "location", port.systemLocation() },
                           { "description", port.description() },
                           { "master", context.networkMaster().isEmpty() ? MasterLibrary::instance().providerName()
                                                                         : context.networkMaster() } };
        // Probing reads the identity once and leaves the port closed again.
        const IOLinkSerialDevice device(port);
        line.insert("device", device.hasIOLinkDevice());
        if (device.hasIOLinkDevice()) {
            line.insert("vendorId", int(device.getVendorId()));
            line.insert("deviceId", qint64(device.getDeviceId()));
            line.insert("vendorName", device.getVendorName());
            line.insert("productName", device.getProductName());
            line.insert("productId", device.getProductId());
            line.insert("serialNumber", device.getSerialNumber());
            line.insert("hardwareRevision", device.getHardwareRevision());
            line.insert("firmwareRevision", device.getFirmwareRevision());
        }
        context.print(line);
    }
    return failed ? CliRefused : CliSuccess;
}
