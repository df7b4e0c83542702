// The process data path of one connected device: a payload every 20 ms decoded into eight charted
// record items with a full 30 s window, and the redraw of a full window into a chart series.
// Prints the time per payload and per redraw, then the share of the 20 ms cycle they take together.
#include "iodd/model/iodevicet.h"
#include "iodd/model/processdataelements.h"
#include "iodd/model/userinterfaceelements.h"
#include "processdata/processdatahandler.h"
#include "processdata/processdatarecorditeminfowrapper.h"
#include "processdata/processdatarefwrapper.h"
#include "processdata/processdatawrapper.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtCharts/QLineSeries>

#include <ctime>
#include <memory>

namespace {

constexpr qint64 cycleMs = 20;
constexpr qint64 redrawMs = 84;
constexpr int windowPayloads = 30000 / cycleMs;
constexpr int measuredPayloads = 60000 / cycleMs;
constexpr int redrawRounds = 200;
// Other work on the machine disturbs single runs: times are processor time of this process, and the
// best of several batches is kept.
constexpr int batches = 7;

// Eight signals in a 128-bit image: three 16-bit unsigned, two 16-bit signed, a float, an octet, a switch.
const char *deviceXml = R"(<?xml version="1.0" encoding="UTF-8"?>
<IODevice xmlns="http://www.io-link.com/IODD/2010/10" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
  <DocumentInfo version="V1.0"/>
  <ProfileBody><DeviceFunction>
    <ProcessDataCollection><ProcessData id="P">
      <ProcessDataIn id="PI" bitLength="128"><Datatype xsi:type="RecordT" bitLength="128">
        <RecordItem subindex="1" bitOffset="112"><SimpleDatatype xsi:type="UIntegerT" bitLength="16"/><Name textId="A"/></RecordItem>
        <RecordItem subindex="2" bitOffset="96"><SimpleDatatype xsi:type="UIntegerT" bitLength="16"/><Name textId="B"/></RecordItem>
        <RecordItem subindex="3" bitOffset="80"><SimpleDatatype xsi:type="UIntegerT" bitLength="16"><ValueRange lowerValue="0" upperValue="1000"/></SimpleDatatype><Name textId="C"/></RecordItem>
        <RecordItem subindex="4" bitOffset="64"><SimpleDatatype xsi:type="IntegerT" bitLength="16"/><Name textId="D"/></RecordItem>
        <RecordItem subindex="5" bitOffset="48"><SimpleDatatype xsi:type="IntegerT" bitLength="16"/><Name textId="E"/></RecordItem>
        <RecordItem subindex="6" bitOffset="16"><SimpleDatatype xsi:type="Float32T"/><Name textId="F"/></RecordItem>
        <RecordItem subindex="7" bitOffset="8"><SimpleDatatype xsi:type="UIntegerT" bitLength="8"/><Name textId="G"/></RecordItem>
        <RecordItem subindex="8" bitOffset="0"><SimpleDatatype xsi:type="BooleanT"/><Name textId="H"/></RecordItem>
      </Datatype><Name textId="PI"/></ProcessDataIn>
    </ProcessData></ProcessDataCollection>
    <UserInterface><ProcessDataRefCollection><ProcessDataRef processDataId="PI">
      <ProcessDataRecordItemInfo subindex="1" gradient="0.1"/>
      <ProcessDataRecordItemInfo subindex="2" gradient="0.01" displayFormat="Dec.2"/>
      <ProcessDataRecordItemInfo subindex="3"/>
      <ProcessDataRecordItemInfo subindex="4" gradient="0.5"/>
      <ProcessDataRecordItemInfo subindex="5"/>
      <ProcessDataRecordItemInfo subindex="6" gradient="2"/>
      <ProcessDataRecordItemInfo subindex="7"/>
      <ProcessDataRecordItemInfo subindex="8"/>
    </ProcessDataRef></ProcessDataRefCollection></UserInterface>
  </DeviceFunction></ProfileBody>
</IODevice>
)";

double microseconds(std::clock_t since)
{
    return double(std::clock() - since) * 1e6 / CLOCKS_PER_SEC;
}

// A payload whose signals move with time, as a sensor's would.
QByteArray payloadAt(int step)
{
    QByteArray payload(16, '\0');
    for (int i = 0; i < 16; ++i)
        payload[i] = char((step * (i + 3)) & 0xFF);
    return payload;
}

struct Pipeline
{
    explicit Pipeline(const QString &path)
    {
        document.loadXml(path, XmlDocumentKind::ProductDescription);
        DeviceFunctionT *function = document.deviceFunction();
        ProcessDataT *definition = function->ProcessDataCollection.last()->ProcessData.at(1);
        processData = new ProcessDataWrapper(definition, {}, &owner);
        ProcessDataRefT *refDefinition = function->UserInterface.last()->ProcessDataRefCollection.last()->ProcessDataRef.at(1);
        ref = new ProcessDataRefWrapper(refDefinition, processData->findItem(QStringLiteral("PI")), &owner);
        ref->setClock([this] { return now; });
        handler.setClock([this] { return now; });
        handler.setProcessDatas({ processData });
        handler.setProcessDataRefs({ ref });
        handler.start();
    }

    void receive(int step)
    {
        now += cycleMs;
        handler.onProcessDataReceived(payloadAt(step));
    }

    IODeviceT document;
    QObject owner;
    ProcessDataWrapper *processData = nullptr;
    ProcessDataRefWrapper *ref = nullptr;
    ProcessDataHandler handler;
    qint64 now = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    // The model logs every record item it builds; that is not what is measured here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvell GmbH"));
    QApplication::setApplicationName(QStringLiteral("ovinex-bench"));
    QTextStream out(stdout);

    const QString path = home.filePath(QStringLiteral("device.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(deviceXml) < 0)
        return 1;
    file.close();

    Pipeline pipeline(path);
    if (pipeline.ref->getInfos().size() != 8) {
        out << "pipeline: the device did not load\n";
        return 1;
    }
    int step = 0;
    for (; step < windowPayloads; ++step)
        pipeline.receive(step);

    double payloadUs = 1e300;
    double redrawUs = 1e300;
    QtCharts::QLineSeries series;
    for (int batch = 0; batch < batches; ++batch) {
        std::clock_t start = std::clock();
        for (int i = 0; i < measuredPayloads; ++i, ++step)
            pipeline.receive(step);
        payloadUs = qMin(payloadUs, microseconds(start) / measuredPayloads);

        const QList<ProcessDataRecordItemInfoWrapper *> &infos = pipeline.ref->getInfos();
        start = std::clock();
        for (int round = 0; round < redrawRounds; ++round)
            infos.at(round % infos.size())->updateSeries(&series);
        redrawUs = qMin(redrawUs, microseconds(start) / redrawRounds);
    }
    const int samples = int(pipeline.ref->getInfos().first()->getSamples().size());
    if (series.count() != samples)
        return 1;

    // Per 20 ms cycle: one payload, and each of the eight charts redrawn once every 84 ms.
    const int charts = pipeline.ref->getInfos().size();
    const double cycleUs = payloadUs + charts * redrawUs * double(cycleMs) / double(redrawMs);
    out << "pipeline/window_samples: " << samples << "\n";
    out << "pipeline/payload_us: " << payloadUs << "\n";
    out << "pipeline/update_series_us: " << redrawUs << "\n";
    out << "pipeline/cycle_us: " << cycleUs << "\n";
    out << "pipeline/budget: " << cycleUs / (cycleMs * 1000.0) << "\n";
    return 0;
}
