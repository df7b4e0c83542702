#pragma once

#include "master/serialportdescriptor.h"

#include <QString>
#include <QStringList>

#include <memory>

class IOLinkDevice;
class IOLinkSerialDevice;

// The simulated master with chosen descriptions on its ports, and devices connected on it, as the
// program sets them up at a scan: the shared fixture of every test that needs a connected device.
namespace SimulatedBench {

// The sample device the program ships.
QString sampleIodd();
// Our test sensor, tests/data/master/testsensor.xml: product id OVX-TEST, no device status.
QString testSensor();
// Chooses the simulated master with these descriptions (one port each) and binds it; false when it did not bind.
bool use(const QStringList &ioddFiles);
// The simulated master's port (numbered from 1); an empty descriptor when it has none of that number.
SerialPortDescriptor port(int number);
// How often the port's device was called through this library call.
int calls(const QString &name, int port = 1);
// A device on the port, probed and given its description, not connected.
std::unique_ptr<IOLinkSerialDevice> device(int port, const QString &iodd);
// Connects the device once it is idle and waits until it is connected and synchronised; false when it was not in time.
bool connect(IOLinkDevice &device, int timeoutMs = 60000);
// A device on the port, connected and synchronised; null when it did not connect in time.
std::unique_ptr<IOLinkSerialDevice> connectedDevice(int port, const QString &iodd, int timeoutMs = 60000);

} // namespace SimulatedBench
