#include "testenvironment.h"

#include "app/application.h"
#include "app/applicationsettings.h"
#include "discovery/deviceslistmodel.h"
#include "master/simulatedmaster.h"

#include <QFile>
#include <QFileInfo>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QRegularExpression>
#include <QQuickItemGrabResult>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>

// A corpus device whose display setting is one 16-bit record without subindex access, shown as a whole:
// two switches at bits 7 and 6, a choice in bits 0..5, the upper octet unnamed.
namespace {

const QString corpusDevice = QStringLiteral("autosen/AP006.xml");
constexpr int port = 1;
constexpr uint displayIndex = 552;

void collectItems(QQuickItem *from, const QString &name, QList<QQuickItem *> &found)
{
    for (QQuickItem *child : from->childItems()) {
        if (name.isEmpty() || child->objectName() == name)
            found.append(child);
        collectItems(child, name, found);
    }
}

bool isShown(QQuickItem *candidate)
{
    return candidate && candidate->isVisible() && candidate->width() > 0 && candidate->height() > 0;
}

quint16 held()
{
    const QByteArray value = SimulatedMaster::instance().parameter(port, displayIndex);
    return value.size() == 2 ? quint16((quint8(value.at(0)) << 8) | quint8(value.at(1))) : 0xFFFF;
}

} // namespace

// The real window at 1024 x 600 with a corpus device: a whole record is changed item by item.
class TestRecordGroupScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recordItemsChangeOneByOneWithTheOtherBitsIntact();
    void screensInEveryLanguage();

private:
    QQuickItem *item(const QString &name, QQuickItem *root = nullptr) const;
    void click(QQuickItem *target);
    void scrollIntoView(QQuickItem *target);
    void expandAll(QQuickItem *page, const QString &titleName);
    void toggleItem(QQuickItem *group, int position);
    void screenshot(const QString &name);

    QTemporaryDir folder;
    QQuickWindow *window = nullptr;
};

void TestRecordGroupScreens::initTestCase()
{
    const QString source = TestEnvironment::corpusPath(corpusDevice);
    if (!QFile::exists(source))
        QSKIP("IODD corpus not present");
    QVERIFY(folder.isValid());
    // The catalogue knows IODDs by their file names.
    const QString copy = folder.filePath(QStringLiteral("IODDs/") + QFileInfo(source).fileName());
    QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("IODDs"))));
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
    QFile written(copy);
    QVERIFY(written.open(QIODevice::WriteOnly) && written.write(content) == content.size());
    written.close();
    ApplicationSettings::instance()->setIoddSearchPath(folder.filePath(QStringLiteral("IODDs")));
    ApplicationSettings::instance()->setSimulatedDevices({ copy });
    ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));

    QQuickStyle::setStyle(QStringLiteral("Material"));
    auto *application = qobject_cast<Application *>(QCoreApplication::instance());
    application->init();
    QVERIFY(!application->getEngine()->rootObjects().isEmpty());
    window = qobject_cast<QQuickWindow *>(application->getEngine()->rootObjects().first());
    QVERIFY(window);
    window->resize(1024, 600);
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

QQuickItem *TestRecordGroupScreens::item(const QString &name, QQuickItem *root) const
{
    QList<QQuickItem *> found;
    collectItems(root ? root : window->contentItem(), name, found);
    for (QQuickItem *candidate : qAsConst(found)) {
        if (isShown(candidate))
            return candidate;
    }
    return found.isEmpty() ? nullptr : found.first();
}

void TestRecordGroupScreens::scrollIntoView(QQuickItem *target)
{
    for (QQuickItem *ancestor = target->parentItem(); ancestor; ancestor = ancestor->parentItem()) {
        if (!ancestor->inherits("QQuickFlickable") || !ancestor->property("interactive").toBool())
            continue;
        const QPointF inside = target->mapToItem(ancestor, QPointF(0, target->height() / 2));
        if (inside.y() >= 0 && inside.y() <= ancestor->height() && target->mapToScene(QPointF()).y() < window->height() - 40)
            continue;
        const qreal wanted = ancestor->property("contentY").toReal() + inside.y() - ancestor->height() / 2;
        ancestor->setProperty("contentY", qMax<qreal>(0, wanted));
    }
}

void TestRecordGroupScreens::click(QQuickItem *target)
{
    QVERIFY(target);
    QVERIFY2(isShown(target), qPrintable(target->objectName()));
    scrollIntoView(target);
    const QPoint centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre);
}

void TestRecordGroupScreens::expandAll(QQuickItem *page, const QString &titleName)
{
    for (bool opened = true; opened;) {
        opened = false;
        QList<QQuickItem *> titles;
        collectItems(page, titleName, titles);
        for (QQuickItem *title : qAsConst(titles)) {
            QQuickItem *view = title->parentItem();
            if (!isShown(title) || view->property("expanded").toBool())
                continue;
            click(title);
            QTRY_VERIFY(view->property("expanded").toBool());
            opened = true;
            break;
        }
    }
}

// Switches the item's choice to the other of its two values, as a user would with the keyboard.
void TestRecordGroupScreens::toggleItem(QQuickItem *group, int position)
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

void TestRecordGroupScreens::screenshot(const QString &name)
{
    QSharedPointer<const QQuickItemGrabResult> grab = window->contentItem()->grabToImage();
    QVERIFY(grab);
    QSignalSpy ready(const_cast<QQuickItemGrabResult *>(grab.data()), &QQuickItemGrabResult::ready);
    QVERIFY(ready.wait(5000));
    QDir().mkpath(TestEnvironment::buildPath(QStringLiteral("screenshots")));
    QVERIFY(grab->saveToFile(TestEnvironment::buildPath(QStringLiteral("screenshots/") + name + QStringLiteral(".png"))));
}

void TestRecordGroupScreens::recordItemsChangeOneByOneWithTheOtherBitsIntact()
{
    QQuickItem *row = nullptr;
    QTRY_VERIFY((row = item(QStringLiteral("deviceRow_0"))) != nullptr);
    QTRY_VERIFY(isShown(item(QStringLiteral("connectButton"), row)) && item(QStringLiteral("connectButton"), row)->isEnabled());
    click(item(QStringLiteral("connectButton"), row));
    QObject *device = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((device = qobject_cast<Application *>(QCoreApplication::instance())->getDevicesModel()->getCurrentDevice())
                                 && device->property("state").toString() == QLatin1String("connected"),
                             30000);
    QQuickItem *tab = item(QStringLiteral("parametersTab"));
    QTRY_VERIFY(isShown(tab));
    // The connection dialog closes a moment after the state changed; until then it takes the clicks.
    for (int attempt = 0; attempt < 50 && !tab->property("checked").toBool(); ++attempt) {
        click(tab);
        QTest::qWait(100);
    }
    QVERIFY(tab->property("checked").toBool());
    QQuickItem *page = item(QStringLiteral("parametersPage"));
    QVERIFY(page);
    expandAll(page, QStringLiteral("subMenuTitle"));
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
    screenshot(QStringLiteral("20-record-group-en"));
}

void TestRecordGroupScreens::screensInEveryLanguage()
{
    QQuickItem *page = item(QStringLiteral("parametersPage"));
    QVERIFY(page);
    const QList<QPair<QString, QString>> languages = { { "de", "Parameter" }, { "fr", "Paramètres" }, { "en", "Parameters" } };
    for (const auto &language : languages) {
        ApplicationSettings::instance()->setLanguage(language.first);
        QTRY_COMPARE(item(QStringLiteral("parametersTab"))->property("text").toString(), language.second);
        QTest::qWait(200);
        screenshot(QStringLiteral("20-record-group-") + language.first);
    }
}

int main(int argc, char *argv[])
{
    TestEnvironment::isolate();
    Application application(argc, argv);
    TestRecordGroupScreens tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_recordgroupscreens.moc"
