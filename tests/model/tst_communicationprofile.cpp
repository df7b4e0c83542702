#include "testenvironment.h"

#include "iodd/model/iodevicet.h"

// The communication network profile as read: physical layer, connections with their wires, test
// configuration.
class TestCommunicationProfile : public QObject
{
    Q_OBJECT

private:
    IODeviceT device;

    const IOLinkPhysicalLayerT *physicalLayer() const
    {
        return device.CommNetworkProfile.last()->TransportLayers.last()->PhysicalLayer.last();
    }

private slots:
    void initTestCase()
    {
        device.eventIntervalMs = -1;
        QVERIFY(device.loadXml(TestEnvironment::testDataPath("model2/profile.xml"), XmlDocumentKind::ProductDescription));
    }

    void numberedWiresAreRead()
    {
        const ConnectionT *connection = physicalLayer()->Connection.at(1);
        const QList<const ChildList<WireT> *> wires = {&connection->Wire1, &connection->Wire2, &connection->Wire3,
                                                       &connection->Wire4, &connection->Wire5};
        QStringList colours;
        for (const ChildList<WireT> *wire : wires) {
            QCOMPARE(wire->size(), 2);
            colours << wire->last()->color.value + QLatin1Char(':') + wire->last()->function.value;
        }
        QCOMPARE(colours, (QStringList{"BN:L+", "WH:Other", "BU:L-", "BK:C/Q", "GY:NC"}));
        QCOMPARE(connection->Wire2.last()->Name.last()->textId.value, QStringLiteral("TN_Wire2"));
        // The second connection has no wires.
        QCOMPARE(physicalLayer()->Connection.size(), 3);
        QCOMPARE(physicalLayer()->Connection.at(2)->Wire1.size(), 1);
    }

    void testConfiguration()
    {
        const IOLinkTestT *test = device.CommNetworkProfile.last()->Test.last();
        QCOMPARE(test->Config2.last()->index.value, QStringLiteral("71"));
        QCOMPARE(test->Config2.last()->testValue.value, QStringLiteral("0x12,0x34"));
        QCOMPARE(test->Config3.size(), 1);
        QCOMPARE(test->Config7.last()->EventTrigger.size(), 3);
        QCOMPARE(test->Config7.last()->EventTrigger.at(2)->disappearValue.value, QStringLiteral("4"));
    }

    void documentWithoutProfile()
    {
        IODeviceT other;
        other.eventIntervalMs = -1;
        QVERIFY(other.loadXml(TestEnvironment::testDataPath("model2/events.xml"), XmlDocumentKind::ProductDescription));
        const IOLinkTestT *test = other.CommNetworkProfile.last()->Test.last();
        QCOMPARE(test->Config1.size(), 1);
        QCOMPARE(test->Config1.last()->testValue.value, QString());
        QCOMPARE(test->Config7.last()->EventTrigger.size(), 1);
    }
};

OVINEX_TEST_MAIN(TestCommunicationProfile)
#include "tst_communicationprofile.moc"
