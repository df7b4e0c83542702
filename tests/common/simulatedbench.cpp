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

QString dataIodd(const QString &relative)
{
    return TestEnvironment::testDataPath(relative);
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

std::unique_ptr<IOLinkSerialDevice> connectedDevice(int port, const QString &iodd, int timeoutMs)
{
    auto device = std::make_unique<IOLinkSerialDevice>(SimulatedMaster::instance().availablePorts().value(port - 1));
    device->setIoddFile(iodd);
    if (!QTest::qWaitFor([&]() { return device->getState() == QLatin1String("notConnected"); }, timeoutMs))
        return nullptr;
    device->connectToDevice();
    if (!QTest::qWaitFor([&]() { return device->getState() == QLatin1String("connected"); }, timeoutMs))
        return nullptr;
    return device;
}

} // namespace SimulatedBench
