#include "datatable.h"
#include "masterport.h"
#include "servedmaster.h"
#include "simulatedbench.h"
#include "testenvironment.h"
#include "tst_networkmaster_tlsserver.h"

#include "app/applicationsettings.h"
#include "connection/iolinkdevice.h"
#include "discovery/serialdevicediscovery.h"
#include "master/masterlibrary.h"
#include "master/networkhttpclient.h"
#include "master/networkmaster.h"
#include "master/networkmasterjson.h"
#include "master/networkmasterserver.h"
#include "master/simulatedmaster.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QThread>

#include <memory>

namespace {

constexpr int timeout = 30000;
constexpr int portCount = 3;
constexpr quint16 valueOutOfRange = 0x8030;

SimulatedMaster &simulated()
{
    return SimulatedMaster::instance();
}

NetworkMaster &network()
{
    return NetworkMaster::instance();
}

QJsonValue parse(const QByteArray &text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text);
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

} // namespace

class TestNetworkMaster : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The served ports are the simulated master's; binding it first keeps it from being rebuilt later.
        QVERIFY(SimulatedBench::use({ SimulatedBench::sampleIodd(), SimulatedBench::sampleIodd(), SimulatedBench::sampleIodd() }));
        QCOMPARE(simulated().availablePorts().size(), portCount);
        simulated().useRealTime();
        served = std::make_unique<ServedMaster>();
        server = served->server;
        QVERIFY(served->listen());
        serverPort = server->serverPort();
        baseUrl = NetworkMasterJson::normalizedBaseUrl(server->address());
        // Status and event log on every poll, so each poll sees what the master holds.
        network().setStatusInterval(0);
    }

    void init()
    {
        server->setFault(NetworkMasterServer::Fault::None);
        server->setEdition(QStringLiteral("1.1.0"));
        server->setBlockReadsOffered(true);
        server->setCredentials(QString(), QString());
        server->resetCounts();
        // Short, so that the cases of masters that never answer end soon; cases that wait for answers on a
        // busy machine (sanitizers, parallel tests) set the long one.
        NetworkHttpClient::instance().setTimeout(500);
        simulated().resetFaults();
        for (int port = 1; port <= portCount; ++port)
            simulated().replug(port);
    }

    void byteArrays_data()
    {
        DataTable::addRows(QStringLiteral("master/network-byte-arrays.tsv"));
    }

    void byteArrays()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, limit);
        QFETCH(bool, accepted);
        QFETCH(QByteArray, octets);
        QByteArray result = "untouched";
        QString error;
        QCOMPARE(NetworkMasterJson::parseByteArray(parse(body), limit, &result, &error), accepted);
        if (accepted)
            QCOMPARE(result, octets);
        else
            QVERIFY(!error.isEmpty());
    }

    void refusalCodes_data()
    {
        DataTable::addRows(QStringLiteral("master/network-refusal-codes.tsv"));
    }

    void refusalCodes()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, isdu);
        QCOMPARE(int(NetworkMasterJson::isduError(QJsonDocument::fromJson(body).object())), isdu);
    }

    void processDataSpellings_data()
    {
        DataTable::addRows(QStringLiteral("master/network-process-data.tsv"));
    }

    void processDataSpellings()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, accepted);
        QFETCH(bool, valid);
        QFETCH(QByteArray, octets);
        QByteArray result;
        bool isValid = false;
        QString error;
        QCOMPARE(NetworkMasterJson::parseProcessData(parse(body), &result, &isValid, &error), accepted);
        if (!accepted)
            return;
        QCOMPARE(isValid, valid);
        QCOMPARE(result, octets);
    }

    void eventQualifiers_data()
    {
        DataTable::addRows(QStringLiteral("master/network-event-qualifiers.tsv"));
    }

    void eventQualifiers()
    {
        QFETCH(QString, severity);
        QFETCH(QString, mode);
        QFETCH(int, type);
        QFETCH(int, modeBits);
        const quint8 qualifier = NetworkMasterJson::eventQualifier(severity, mode);
        QCOMPARE((qualifier >> 4) & 0x03, type);
        QCOMPARE((qualifier >> 6) & 0x03, modeBits);
    }

    void baseAddresses_data()
    {
        DataTable::addRows(QStringLiteral("master/network-base-addresses.tsv"));
    }

    void baseAddresses()
    {
        QFETCH(QString, typed);
        QFETCH(QString, base);
        QCOMPARE(NetworkMasterJson::normalizedBaseUrl(typed), base);
    }

    void readsWritesAndRefusals_data()
    {
        QTest::addColumn<QString>("edition");
        QTest::newRow("released edition") << "1.0.0";
        QTest::newRow("newer edition") << "1.1.0";
    }

    void readsWritesAndRefusals()
    {
        QFETCH(QString, edition);
        server->setEdition(edition);
        MasterPort port(networkPort(1));
        QVERIFY2(port.handle >= 0, port.errorText);

        IqCommConfig config = {};
        QCOMPARE(MasterLibrary::instance().getConfig(port.handle, &config, port.errorText), IqCommResult(IqCommOk));
        QCOMPARE(port.read(16), simulated().parameter(1, 16));
        QVERIFY(!port.read(16).isEmpty());
        QVERIFY(config.vendorId > 0);

        // A whole record, then one of its elements.
        const QByteArray name = "Dock 7";
        QCOMPARE(port.write(24, 0, name), quint16(0));
        QCOMPARE(simulated().parameter(1, 24), name);
        QCOMPARE(port.read(24), name);

        // One record element, by subindex; the whole record holds it.
        const QByteArray switchPoint("\x01\xF4", 2);
        QCOMPARE(port.write(60, 1, switchPoint), quint16(0));
        QCOMPARE(port.read(60, 1), switchPoint);
        QVERIFY(port.read(60).contains(switchPoint));

        // The device's own refusal keeps the connection and carries its ISDU code.
        QCOMPARE(port.write(60, 1, QByteArray("\x00\x01", 2)), valueOutOfRange);
        QVERIFY(!port.lost());
        QCOMPARE(port.read(60, 1), switchPoint);
    }

    void blockReadsWithAndWithoutSupport_data()
    {
        QTest::addColumn<bool>("offered");
        QTest::newRow("offered") << true;
        QTest::newRow("not offered") << false;
    }

    void blockReadsWithAndWithoutSupport()
    {
        QFETCH(bool, offered);
        server->setBlockReadsOffered(offered);
        MasterPort port(networkPort(1));
        const QList<QPair<quint16, quint8>> identity { { 16, 0 }, { 18, 0 }, { 0xFFFE, 0 } };
        server->resetCounts();
        MasterLibrary::instance().prefetch(port.handle, identity);
        QCOMPARE(port.read(16), simulated().parameter(1, 16));
        QCOMPARE(port.read(18), simulated().parameter(1, 18));
        QCOMPARE(port.read(0xFFFE), QByteArray("isdu:8011"));
        QCOMPARE(server->requestCount(QStringLiteral("/parameters/")), offered ? 0 : 3);
        QCOMPARE(server->requestCount(QStringLiteral("blockparameterization")), 1);
        // Once refused, the block request is not tried again on that port.
        MasterLibrary::instance().prefetch(port.handle, identity);
        QCOMPARE(server->requestCount(QStringLiteral("blockparameterization")), offered ? 2 : 1);
    }

    void processDataInAndOut()
    {
        simulated().setTime(5000);
        MasterPort port(networkPort(1));
        QVERIFY(!simulated().processDataInput(1).isEmpty());
        QCOMPARE(port.processData(), simulated().processDataInput(1));
        QCOMPARE(port.status & IqCommStatusPortStateMask, int(IqCommModeOperate));

        const QByteArray output("\x01", 1);
        for (const QString &edition : { QStringLiteral("1.0.0"), QStringLiteral("1.1.0") }) {
            server->setEdition(edition);
            QCOMPARE(MasterLibrary::instance().setPDValue(port.handle, reinterpret_cast<const uint8_t *>(output.constData()),
                                                          uint16_t(output.size()), port.errorText), IqCommResult(IqCommOk));
            QCOMPARE(simulated().lastOutput(1), output);
        }
        simulated().setProcessDataInvalid(1, true);
        port.processData();
        QVERIFY(port.status & IqCommStatusProcessDataInvalid);
        simulated().useRealTime();
    }

    void eventsAreReportedOnce()
    {
        simulated().queueEvent(1, 0xE4, 0x4210); // in the log before we connect: history
        QString error;
        network().onlinePorts(baseUrl, &error); // the master takes the event into its log
        MasterPort port(networkPort(1));
        QVERIFY(!port.processData().isEmpty());
        QVERIFY(!(port.status & IqCommStatusEventPending));

        simulated().queueEvent(1, 0xA4, 0x1813);
        QVERIFY(!port.processData().isEmpty());
        QVERIFY(port.status & IqCommStatusEventPending);
        uint8_t qualifier = 0;
        uint16_t code = 0;
        QCOMPARE(MasterLibrary::instance().readEvent(port.handle, &qualifier, &code, port.errorText), IqCommResult(IqCommOk));
        QCOMPARE(code, uint16_t(0x1813));
        QCOMPARE((qualifier >> 6) & 0x03, 2); // disappears
        QCOMPARE((qualifier >> 4) & 0x03, 2); // warning
        QVERIFY(!port.processData().isEmpty());
        QVERIFY(!(port.status & IqCommStatusEventPending));
    }

    void faultsLoseTheDeviceAndReconnectWorks_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("no answer") << int(NetworkMasterServer::Fault::NoAnswer);
        QTest::newRow("not JSON") << int(NetworkMasterServer::Fault::NotJson);
        QTest::newRow("wrong shape") << int(NetworkMasterServer::Fault::WrongShape);
        QTest::newRow("byte out of range") << int(NetworkMasterServer::Fault::ByteOutOfRange);
        QTest::newRow("too many octets") << int(NetworkMasterServer::Fault::TooLong);
        QTest::newRow("server error") << int(NetworkMasterServer::Fault::ServerError);
    }

    void faultsLoseTheDeviceAndReconnectWorks()
    {
        QFETCH(int, fault);
        {
            MasterPort port(networkPort(1));
            server->setFault(NetworkMasterServer::Fault(fault), QStringLiteral("/parameters/"));
            port.read(16);
            QVERIFY(port.lost());
            QVERIFY(qstrlen(port.errorText) > 0);
            server->setFault(NetworkMasterServer::Fault(fault), QStringLiteral("/processdata/"));
            port.processData();
            QVERIFY(port.lost());
        }
        server->setFault(NetworkMasterServer::Fault::None);
        MasterPort again(networkPort(1));
        QVERIFY2(again.handle >= 0, again.errorText);
        QCOMPARE(again.read(16), simulated().parameter(1, 16));
    }

    void portGoingOfflineLosesTheDevice()
    {
        MasterPort port(networkPort(2));
        QVERIFY(!port.processData().isEmpty());
        simulated().unplug(2);
        port.processData();
        QVERIFY(port.lost());
        QVERIFY(QString::fromUtf8(port.errorText).contains(QLatin1String("Port 2")));
    }

    void vanishedMasterIsReportedAndComesBack()
    {
        MasterPort port(networkPort(1));
        served->onServer([&] { server->close(); });
        port.processData();
        QVERIFY(port.lost());
        QString error;
        QVERIFY(network().onlinePorts(baseUrl, &error).isEmpty());
        QVERIFY(!error.isEmpty());
        QVERIFY(served->listen(serverPort));
        MasterPort again(networkPort(1));
        QVERIFY2(again.handle >= 0, again.errorText);
    }

    void unauthorisedMasterAsksForCredentialsOnce()
    {
        server->setCredentials(QStringLiteral("maintenance"), QStringLiteral("s3cret"));
        QSignalSpy asked(&network(), &NetworkMaster::credentialsRequired);
        QString error;
        QVERIFY(network().onlinePorts(baseUrl, &error).isEmpty());
        QVERIFY(error.contains(QLatin1String("password")));
        network().onlinePorts(baseUrl, &error);
        QCOMPARE(asked.count(), 1);
        QCOMPARE(asked.first().first().toString(), baseUrl);

        network().setCredentials(baseUrl, QStringLiteral("maintenance"), QStringLiteral("s3cret"));
        QCOMPARE(network().onlinePorts(baseUrl, &error).size(), portCount);
        NetworkHttpClient::instance().clearCredentials(baseUrl);
    }

    void untrustedCertificateIsRefusedAndNamed()
    {
        if (!QSslSocket::supportsSsl())
            QSKIP("Qt has no TLS support here");
        UntrustedTlsServer tls;
        QVERIFY(tls.load(TestEnvironment::testDataPath(QStringLiteral("master/untrusted-master.crt")),
                         TestEnvironment::testDataPath(QStringLiteral("master/untrusted-master.key"))));
        // The handshake runs in this thread's event loop while the client waits in another.
        QVERIFY(tls.listen(QHostAddress::LocalHost, 0));
        const QString address = QStringLiteral("https://127.0.0.1:%1").arg(tls.serverPort());
        // A handshake on a busy machine may take longer than the short timeout of the other cases.
        NetworkHttpClient::instance().setTimeout(timeout);
        NetworkMaster::Identification identity;
        QThread *asking = QThread::create([&] { identity = network().identify(NetworkMasterJson::normalizedBaseUrl(address)); });
        asking->start();
        QTRY_VERIFY_WITH_TIMEOUT(asking->isFinished(), timeout);
        delete asking;
        QVERIFY(!identity.reachable);
        QVERIFY2(identity.error.contains(QStringLiteral("untrusted-test-master")), qPrintable(identity.error));
        QVERIFY2(identity.error.contains(QStringLiteral("not trusted")), qPrintable(identity.error));
    }

    void discoveryListsOnlinePortsAndReportsASilentMasterOnce()
    {
        // Nothing listens on port 1 of this machine: a master that refuses every connection.
        const QString silent = QStringLiteral("http://127.0.0.1:1");
        NetworkHttpClient::instance().setTimeout(timeout);
        ApplicationSettings::instance()->setNetworkMasters({ silent, server->address() });
        simulated().unplug(3);
        // The served ports are the serial scan's too: a serial probe holding one would hide it from the port
        // list. Held by the server first, they stay listed and the probe is the one refused.
        QString error;
        QCOMPARE(network().onlinePorts(baseUrl, &error).size(), 2);
        SerialDeviceDiscovery discovery;
        discovery.setMasterChoice(ApplicationSettings::instance()->masterChoice());
        QSignalSpy unreachable(&discovery, &SerialDeviceDiscovery::masterUnreachable);
        QStringList addresses;
        connect(&discovery, &SerialDeviceDiscovery::deviceDiscovered, this, [&](IOLinkDevice *device) {
            if (device->getAddress().contains(QLatin1String(" Port ")))
                addresses << device->getAddress();
            device->deleteLater();
        });
        for (int scan = 1; scan <= 2; ++scan) {
            discovery.startScan(nullptr);
            QTRY_COMPARE_WITH_TIMEOUT(addresses.size(), 2 * scan, timeout);
            discovery.waitForNetworkScans();
        }
        QCOMPARE(unreachable.count(), 1);
        QVERIFY(unreachable.first().first().toString().contains(QLatin1String("127.0.0.1:1")));
        addresses.sort();
        QCOMPARE(addresses.first(), QStringLiteral("127.0.0.1:%1 Port 1").arg(serverPort));
        QCOMPARE(addresses.last(), QStringLiteral("127.0.0.1:%1 Port 2").arg(serverPort));
        ApplicationSettings::instance()->setNetworkMasters({});
    }

private:
    SerialPortDescriptor networkPort(int number)
    {
        QString error;
        const QList<SerialPortDescriptor> ports = network().onlinePorts(baseUrl, &error);
        for (const SerialPortDescriptor &port : ports) {
            if (port.portNumber() == number)
                return port;
        }
        return SerialPortDescriptor();
    }

    std::unique_ptr<ServedMaster> served;
    NetworkMasterServer *server = nullptr;
    QString baseUrl;
    quint16 serverPort = 0;
};

OVINEX_TEST_MAIN(TestNetworkMaster)
#include "tst_networkmaster.moc"
