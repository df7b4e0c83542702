#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class IOLinkSerialDevice;

// The simulated master with chosen descriptions on its ports, and devices connected on it, as the
// program sets them up at a scan: the shared fixture of every test that needs a connected device.
namespace SimulatedBench {

// The sample device the program ships.
QString sampleIodd();
// One of our own fixtures under tests/data.
QString dataIodd(const QString &relative);
// Chooses the simulated master with these descriptions (one port each) and binds it; false when it did not bind.
bool use(const QStringList &ioddFiles);
// A device on the port (numbered from 1), connected and synchronised; null when it did not connect in time.
std::unique_ptr<IOLinkSerialDevice> connectedDevice(int port, const QString &iodd, int timeoutMs = 60000);

} // namespace SimulatedBench
