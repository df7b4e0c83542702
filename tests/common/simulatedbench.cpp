#include "simulatedbench.h"

#include "app/applicationsettings.h"
#include "connection/iolinkserialdevice.h"
#include "master/masterlibrary.h"
#include "master/simulatedmaster.h"
#include "testenvironment.h"

namespace SimulatedBench {

QString sampleIodd()
{
    return ApplicationSettings::defaultSimulatedDevices().value(0);
}

QString testSensor()
{
    return TestEnvironment::testDataPath(QStringLiteral("master/testsensor.xml"));
}

bool use(const QStringList &ioddFiles)
{
    ApplicationSettings::instance()->setSimulatedMaster(true);
    ApplicationSettings::instance()->setSimulatedDevices(ioddFiles);
    const bool bound = MasterLibrary::instance().bind(ApplicationSettings::instance()->masterChoice())
        == MasterLibrary::Provider::SimulatedMaster;
    SimulatedMaster::instance().setDeviceFiles(ioddFiles);
    return bound;
}

SerialPortDescriptor port(int number)
{
    return SimulatedMaster::instance().availablePorts().value(number - 1);
}

int calls(const QString &name, int port)
{
    return SimulatedMaster::instance().callCount(port, name);
}

std::unique_ptr<IOLinkSerialDevice> device(int port, const QString &iodd)
{
    auto device = std::make_unique<IOLinkSerialDevice>(SimulatedBench::port(port));
    device->setIoddFile(iodd);
    return device;
}

bool connect(IOLinkDevice &device, int timeoutMs)
{
    if (!QTest::qWaitFor([&]() { return device.getState() == QLatin1String("notConnected"); }, timeoutMs))
        return false;
    device.connectToDevice();
    return QTest::qWaitFor([&]() { return device.getState() == QLatin1String("connected"); }, timeoutMs);
}

std::unique_ptr<IOLinkSerialDevice> connectedDevice(int port, const QString &iodd, int timeoutMs)
{
    auto connected = device(port, iodd);
    return connect(*connected, timeoutMs) ? std::move(connected) : nullptr;
}

} // namespace SimulatedBench
