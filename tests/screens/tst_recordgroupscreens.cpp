#include "testenvironment.h"
#include "windowdriver.h"

#include "app/applicationsettings.h"
#include "connection/iolinkdevice.h"
#include "master/simulatedmaster.h"

#include <QFile>
#include <QFileInfo>
#include <QQuickItem>
#include <QRegularExpression>
#include <QQuickWindow>
#include <QTemporaryDir>

// A corpus device whose display setting is one 16-bit record without subindex access, shown as a whole:
// two switches at bits 7 and 6, a choice in bits 0..5, the upper octet unnamed.
namespace {

const QString corpusDevice = QStringLiteral("autosen/AP006.xml");
constexpr int port = 1;
constexpr uint displayIndex = 552;

quint16 held()
{
    const QByteArray value = SimulatedMaster::instance().parameter(port, displayIndex);
    return value.size() == 2 ? quint16((quint8(value.at(0)) << 8) | quint8(value.at(1))) : 0xFFFF;
}

} // namespace

// The real window at 1024 x 600 with a corpus device: a whole record is changed item by item.
class TestRecordGroupScreens : public QObject, public WindowDriver
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString source = TestEnvironment::corpusPath(corpusDevice);
        if (!QFile::exists(source))
            QSKIP("IODD corpus not present");
        QVERIFY(folder.isValid());
        // The catalogue knows IODDs by their file names.
        const QString copy = folder.filePath(QStringLiteral("IODDs/") + QFileInfo(source).fileName());
        // Without role menu sets the parameter page falls back to the menu "M_Parameter", which holds just the record.
        QFile original(source);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QByteArray content = original.readAll();
        QVERIFY(content.contains("<MenuCollection>"));
        content.replace("<MenuCollection>",
                        "<MenuCollection><Menu id=\"M_Parameter\"><Name textId=\"TI_diS_Off\"/>"
                        "<VariableRef variableId=\"V_diS\"/></Menu>");
        content = QString::fromUtf8(content)
                      .remove(QRegularExpression(QStringLiteral("<(Observer|Maintenance|Specialist)RoleMenuSet>.*?</\\1RoleMenuSet>"),
                                                 QRegularExpression::DotMatchesEverythingOption))
                      .toUtf8();
        QVERIFY(TestEnvironment::writeFile(copy, content));
        ApplicationSettings::instance()->setIoddSearchPath(folder.filePath(QStringLiteral("IODDs")));
        ApplicationSettings::instance()->setSimulatedDevices({ copy });
        ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));

        window = startWindow(QSize(1024, 600));
        QVERIFY(window);
    }

    void recordItemsChangeOneByOneWithTheOtherBitsIntact()
    {
        QVERIFY(connectDevice(0));
        // The connection dialog closes a moment after the state changed; until then it takes the clicks.
        QTRY_VERIFY_WITH_TIMEOUT(!object(QStringLiteral("connectionDialog"))->property("visible").toBool(), 15000);
        showTab(QStringLiteral("parametersTab"));
        QQuickItem *page = item(QStringLiteral("parametersPage"));
        QVERIFY(page);
        expandAll(page);
        // The record is shown twice, once read-only; the editable group is the one with enabled choices.
        QQuickItem *group = nullptr;
        QList<QQuickItem *> rows;
        QTRY_VERIFY((collectItems(page, QStringLiteral("menuRow_V_diS"), rows), !rows.isEmpty()));
        for (QQuickItem *candidate : qAsConst(rows)) {
            if (!isShown(candidate))
                continue;
            expandAll(candidate, QStringLiteral("recordGroupTitle"));
            QQuickItem *combo = item(QStringLiteral("recordSelectionCombo"), candidate);
            if (combo && combo->isEnabled())
                group = candidate;
        }
        QVERIFY(group);

        const quint16 start = held();
        QVERIFY(start != 0xFFFF);
        toggleItem(group, 0);
        QTRY_COMPARE(held(), quint16(start ^ 0x0080));
        toggleItem(group, 1);
        // The second change keeps the first one and every unnamed bit.
        QTRY_COMPARE(held(), quint16(start ^ 0x00C0));
        // The group in each language, for the eye; the translations themselves are checked by the main window's test.
        for (const char *language : { "de", "fr", "en" }) {
            ApplicationSettings::instance()->setLanguage(QLatin1String(language));
            QTest::qWait(200); // the page is translated and laid out again before the grab
            screenshot(QStringLiteral("20-record-group-") + QLatin1String(language));
        }
    }

private:
    // Switches the item's choice to the other of its two values, as a user would with the keyboard.
    void toggleItem(QQuickItem *group, int position)
    {
        QList<QQuickItem *> combos;
        collectItems(group, QStringLiteral("recordSelectionCombo"), combos);
        QVERIFY(combos.size() > position);
        QQuickItem *combo = combos.at(position);
        scrollIntoView(combo);
        const int before = combo->property("currentIndex").toInt();
        QVERIFY(QMetaObject::invokeMethod(combo, "forceActiveFocus"));
        QTest::keyClick(window, before == 0 ? Qt::Key_Down : Qt::Key_Up);
        QTRY_COMPARE(combo->property("currentIndex").toInt(), before == 0 ? 1 : 0);
    }

    QTemporaryDir folder;
};

OVINEX_APPLICATION_TEST(TestRecordGroupScreens)

#include "tst_recordgroupscreens.moc"
