#pragma once

#include "iqcomminterface.h"
#include "masterchoice.h"
#include "serialportdescriptor.h"

#include <QList>
#include <QPair>
#include <QReadWriteLock>
#include <QString>

#include <memory>

class QLibrary;

// The process-wide binding of the master-access calls to one provider: the vendor library "iqcomm"
// when it loads and the simulated master is not asked for, otherwise the built-in simulated master.
// Every caller goes through this binding; the provider changes only when bind() is called.
class MasterLibrary
{
public:
    enum class Provider { None, VendorLibrary, SimulatedMaster };

    static MasterLibrary &instance();
    ~MasterLibrary();

    // Chooses the provider as the user chose (by default the vendor library where it loads, else the
    // sample device on the simulated master); never call it while a port is open. Returns the provider bound.
    Provider bind(const MasterChoice &choice = MasterChoice());
    // Binds the given provider regardless of the settings (the simulated master when the library is missing).
    Provider bindProvider(Provider wanted);

    Provider provider() const;
    bool isSimulated() const;
    QString providerName() const;
    QString providerVersion() const;
    bool isVendorLibraryAvailable();
    // The ports candidates for a master: the system's serial ports for the vendor library, else the virtual ones.
    QList<SerialPortDescriptor> availablePorts();

    IqCommFunctions functions();

    IqCommResult getVersion(uint16_t *major, uint16_t *minor, char *errorText);
    IqCommHandle connect(uint8_t port, uint8_t portAgain, char *errorText);
    // Opens a port of any provider: a network master's port by its address, else the bound provider's by number.
    IqCommHandle connectPort(const SerialPortDescriptor &port, char *errorText);
    static bool isNetworkPort(const SerialPortDescriptor &port);
    // A hint which parameters will be read next; providers that can read several at once do so.
    void prefetch(IqCommHandle handle, const QList<QPair<quint16, quint8>> &parameters);
    IqCommResult disconnect(IqCommHandle handle, char *errorText);
    IqCommResult getConfig(IqCommHandle handle, IqCommConfig *config, char *errorText);
    IqCommResult setOperatingMode(IqCommHandle handle, uint8_t mode, uint8_t modeAgain, uint8_t *resultingMode, char *errorText);
    IqCommResult getStatus(IqCommHandle handle, uint8_t *status, uint8_t *buffer, uint16_t bufferSize, char *errorText);
    IqCommResult readEvent(IqCommHandle handle, uint8_t *qualifier, uint16_t *code, char *errorText);
    IqCommResult readOD(IqCommHandle handle, uint16_t index, uint8_t subindex, uint8_t *buffer, uint16_t bufferSize,
                        uint16_t *isduError, char *errorText);
    IqCommResult writeOD(IqCommHandle handle, uint16_t index, uint8_t subindex, const uint8_t *data, uint16_t length,
                         uint16_t *isduError, char *errorText);
    IqCommResult setPDValue(IqCommHandle handle, const uint8_t *data, uint16_t length, char *errorText);

    static const char *const vendorLibraryName;

private:
    MasterLibrary();
    bool loadVendorLibrary();
    void logBinding();

    mutable QReadWriteLock lock;
    std::unique_ptr<QLibrary> vendorLibrary;
    IqCommFunctions vendorFunctions = {};
    bool vendorLoadTried = false;
    bool vendorLoaded = false;
    Provider bound = Provider::None;
    IqCommFunctions table = {};
};
