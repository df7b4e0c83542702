#pragma once

#include "comm/communicationhandler.h"
#include "master/iqcomminterface.h"
#include "master/serialportdescriptor.h"

#include <QMutex>

#include <atomic>

#include <functional>
#include <optional>

class QTimer;

// The request primitives of a USB-serial IO-Link master: ISDU reads and writes, process-data polls with
// event collection and process-data writes, with library and ISDU failures turned into messages and the
// decision whether the device is lost. The port is opened by the connection handler, which hands over the handle.
class IqCommCommunicationHandler : public CommunicationHandler
{
    Q_OBJECT

public:
    explicit IqCommCommunicationHandler(const SerialPortDescriptor &portInfo, QObject *parent = nullptr);
    ~IqCommCommunicationHandler() override;

    // May be called from any thread. Taking the handle away answers every task at once with "IOLink not connected".
    void setPortHandle(qint16 handle);
    qint16 getPortHandle() const;
    SerialPortDescriptor getPortInfo() const { return portInfo; }
    // True during the short while after a successful write in which the device's upload request is ignored.
    bool isUploadRequestSuppressed() const { return uploadRequestSuppressed; }

    int pollInterval() const override;

    static QString describeIqError(int code);
    static bool isDisconnectError(int libraryCode, int isduError);

    static constexpr int uploadRequestSuppressionMs = 50;
    static constexpr int networkUploadRequestSuppressionMs = 2500;
    static constexpr int lostPollIsduError = 65535;
    static constexpr ushort uploadRequestEventCode = 0xFF91;

public slots:
    void readEntryData(int index, int subIndex) override;
    void writeEntryData(int index, int subIndex, QByteArray payload) override;
    void pollProcessData() override;
    void writeProcessData(QByteArray payload) override;

private:
    struct Failure
    {
        int code = 0;
        int isduError = 0;
        QString errorText;
    };

    // One ISDU request to the library, given the open handle and where to put the ISDU error code.
    using IsduCall = std::function<IqCommResult(IqCommHandle handle, uint16_t *isduError)>;

    // Runs the request under the lock. Nothing when the port is closed (the request is answered already);
    // otherwise the library's result, a failure already reported.
    std::optional<IqCommResult> exchangeIsdu(const IsduCall &call);
    void reportError(const Failure &failure);
    QString errorTextNow() const;
    void suppressUploadRequests();
    QString placeForUser() const;

    // Serialises the library calls; the handle itself is read without it, so that the window never waits
    // for a master call to return.
    mutable QMutex mutex;
    const SerialPortDescriptor portInfo;
    std::atomic<IqCommHandle> portHandle { -1 };
    char errorText[IqCommErrorTextSize] = {};
    bool uploadRequestSuppressed = false;
    QTimer *suppressionTimer = nullptr;
};
