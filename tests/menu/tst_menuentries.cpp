#include "testenvironment.h"

#include "comm/communicationtask.h"
#include "menu/arrayentry.h"
#include "menu/menuentry.h"
#include "menu/menuentryarraydisplay.h"
#include "menu/menuentrybool.h"
#include "menu/menuentryhandler.h"
#include "menu/menuentrylistmodel.h"
#include "menu/menuentryrecorddisplay.h"
#include "menu/menuentryrecordselection.h"
#include "menu/menuentrysingledisplay.h"
#include "menu/menuentryslider.h"
#include "menu/menuentrysubmenu.h"
#include "menu/menuentrysystemcommand.h"
#include "menu/menuentrytextedit.h"
#include "menu/menuentryvariableselection.h"
#include "menu/menuwrapper.h"
#include "loadeddescription.h"
#include "menufixtures.h"
#include "simulatedbench.h"

#include <QLoggingCategory>
#include <QSignalSpy>

#include <map>
#include <memory>

using namespace MenuFixtures;

namespace {

// The base as every kind uses it: display scaling, digits, validity.
class PlainEntry : public MenuEntry
{
public:
    using MenuEntry::MenuEntry;
    QString getQmlFileName() const override { return QStringLiteral("qrc:/plain.qml"); }
};

// Time that advances only when the test says so; what falls due runs in the order of its time.
struct FakeClock
{
    MenuEntryHandler::Scheduler scheduler()
    {
        return [this](int milliseconds, std::function<void()> call) { pending.emplace(now + milliseconds, std::move(call)); };
    }

    void advance(int milliseconds)
    {
        now += milliseconds;
        while (!pending.empty() && pending.begin()->first <= now) {
            const std::function<void()> call = pending.begin()->second;
            pending.erase(pending.begin());
            call();
        }
    }

    qint64 now = 0;
    std::multimap<qint64, std::function<void()>> pending;
};

// Collects the tasks a handler emits and deletes them, as the communication handler would.
class TaskSink : public QObject
{
public:
    explicit TaskSink(MenuEntryHandler *handler)
    {
        connect(handler, &MenuEntryHandler::newCommunicationTask, this, [this](CommunicationTask *task) {
            tasks.emplace_back(task);
        });
    }

    QList<QByteArray> writes() const
    {
        QList<QByteArray> result;
        for (const auto &task : tasks) {
            if (task->getCommand() == CommunicationTask::WriteCommand)
                result << task->getData();
        }
        return result;
    }

    std::vector<std::unique_ptr<CommunicationTask>> tasks;
};

} // namespace

// Every kind of menu entry over hand-built variable descriptions, the menus and the entry handler over the sample device.
class TestMenuEntries : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LoadedDescription> sample;

    // The entries of every menu of the sample device, as the device binding hands them over.
    QList<MenuEntry *> loadSample()
    {
        sample = std::make_unique<LoadedDescription>(SimulatedBench::sampleIodd());
        return sample->getMenuEntries();
    }

    static QByteArray lastWrite(const QSignalSpy &spy)
    {
        return spy.isEmpty() ? QByteArray() : spy.last().at(0).toByteArray();
    }

    static QStringList entryIds(const QAbstractItemModel *model)
    {
        QStringList ids;
        for (int row = 0; row < model->rowCount(); ++row) {
            auto *entry = model->data(model->index(row, 0), MenuEntryListModel::EntryRole).value<QObject *>();
            ids << (entry ? entry->property("id").toString() : QStringLiteral("null"));
        }
        return ids;
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.info=false"));
    }

    void menuOrdersEntriesByPosition()
    {
        QVERIFY(!loadSample().isEmpty());
        MenuWrapper *switching = sample->menu(QStringLiteral("M_SwitchingOutput"));
        QVERIFY(switching);
        QCOMPARE(entryIds(qobject_cast<QAbstractItemModel *>(switching->getEntryModel())),
                 QStringList({ "V_SwitchPoint1", "V_SwitchPoint1", "V_SwitchPoint1", "V_SwitchPoint1", "M_Window",
                               "V_SwitchDelay" }));
        QCOMPARE(entryIds(qobject_cast<QAbstractItemModel *>(switching->getReversedEntryModel())),
                 QStringList({ "V_SwitchDelay", "M_Window", "V_SwitchPoint1", "V_SwitchPoint1", "V_SwitchPoint1",
                               "V_SwitchPoint1" }));
        QCOMPARE(switching->getReversedEntryModel(), switching->getReversedEntryModel());
        // The switch point's items, each in the view of its kind, read at their own subindexes.
        QStringList kinds;
        QString unit;
        for (const MenuEntry *entry : switching->getEntries().mid(0, 4)) {
            kinds << QString::fromLatin1(entry->metaObject()->className());
            if (entry->getSubindex() == 1)
                unit = entry->getUnit();
        }
        QCOMPARE(kinds, QStringList({ "MenuEntryRecordSelection", "MenuEntrySlider", "MenuEntrySlider", "MenuEntryBool" }));
        QCOMPARE(unit, QStringLiteral("1013"));
        QCOMPARE(sample->variable("V_SwitchPoint1")->getReferencedSubindexes(), QList<quint32>({ 1, 2, 3, 4 }));

        MenuWrapper *identification = sample->menu(QStringLiteral("M_Identification"));
        QCOMPARE(entryIds(qobject_cast<QAbstractItemModel *>(identification->getEntryModel())),
                 QStringList({ "M_General_Information", "M_Typelabel", "V_ApplicationSpecificTag", "V_LocationText" }));
        auto *general = identification->getEntries().first();
        QCOMPARE(general->getTextId(), QStringLiteral("TN_M_GeneralInformation"));
        QCOMPARE(identification->getEntry(QStringLiteral("TN_V_LocationText")), identification->getEntries().last());
        QCOMPARE(identification->getEntry(QStringLiteral("TN_Nothing")), static_cast<QObject *>(nullptr));
    }

    void sameOrEmptyPositions()
    {
        MenuT menuElement;
        menuElement.id.value = QStringLiteral("M_Test");
        MenuWrapper wrapper(&menuElement, {}, {}, {});
        QCOMPARE(wrapper.getEntryModel(), static_cast<QObject *>(nullptr));
        QCOMPARE(wrapper.getReversedEntryModel(), static_cast<QObject *>(nullptr));

        auto *first = new MenuEntrySubMenu(nullptr, {});
        first->setId(QStringLiteral("M_First"));
        auto *second = new MenuEntrySubMenu(nullptr, {});
        second->setId(QStringLiteral("M_Second"));
        auto *third = new MenuEntrySubMenu(nullptr, {});
        third->setId(QString());
        QPointer<MenuEntry> replaced = first;
        QPointer<MenuEntry> dropped = third;
        wrapper.addEntry(first, 4);
        wrapper.addEntry(second, 4);
        wrapper.addEntry(third, 2);
        QCOMPARE(wrapper.getEntries(), QList<MenuEntry *>({ second }));
        QVERIFY(replaced.isNull());
        QVERIFY(dropped.isNull());
        QCOMPARE(entryIds(qobject_cast<QAbstractItemModel *>(wrapper.getEntryModel())), QStringList({ "M_Second" }));
    }

    void wellKnownEntriesAndReset()
    {
        const QList<MenuEntry *> entries = loadSample();
        MenuEntryHandler handler;
        QSignalSpy productName(&handler, &MenuEntryHandler::productNameEntryChanged);
        QSignalSpy typeLabel(&handler, &MenuEntryHandler::typeLabelEntryChanged);
        handler.setMenuEntries(entries);
        QVERIFY(handler.getProductNameEntry());
        QCOMPARE(handler.getProductNameEntry()->property("id").toString(), QStringLiteral("V_ProductName"));
        QCOMPARE(handler.getProductIdEntry()->property("id").toString(), QStringLiteral("V_ProductID"));
        QCOMPARE(handler.getGeneralInformationEntry()->property("id").toString(), QStringLiteral("M_General_Information"));
        QCOMPARE(handler.getTypeLabelEntry()->property("id").toString(), QStringLiteral("M_Typelabel"));
        QVERIFY(handler.getLocateEntry());
        QVERIFY(productName.count() >= 1);

        // The same list again changes nothing.
        const int before = productName.count();
        handler.setMenuEntries(entries);
        QCOMPARE(productName.count(), before);

        QPointer<MenuEntry> anEntry = entries.first();
        MenuWrapper *identification = sample->menu(QStringLiteral("M_Identification"));
        auto *model = qobject_cast<QAbstractItemModel *>(identification->getEntryModel());
        typeLabel.clear();
        handler.reset();
        QVERIFY(anEntry.isNull());
        QCOMPARE(handler.getProductNameEntry(), static_cast<QObject *>(nullptr));
        QCOMPARE(handler.getProductIdEntry(), static_cast<QObject *>(nullptr));
        QCOMPARE(handler.getGeneralInformationEntry(), static_cast<QObject *>(nullptr));
        QCOMPARE(handler.getTypeLabelEntry(), static_cast<QObject *>(nullptr));
        QCOMPARE(typeLabel.count(), 1);
        QVERIFY(handler.getMenuEntries().isEmpty());
        // The menus no longer offer the destroyed entries.
        QCOMPARE(model->rowCount(), 0);
        QVERIFY(identification->getEntries().isEmpty());
    }

    // Three writes 3 s apart; without the button nothing is written, and a reset ends the series.
    void locateWritesThreeTimes()
    {
        MenuEntryHandler handler;
        FakeClock clock;
        handler.setScheduler(clock.scheduler());
        TaskSink sink(&handler);
        handler.locate();
        QVERIFY(sink.tasks.empty());
        handler.setMenuEntries(loadSample());
        const QByteArray locateCommand = QByteArray::fromHex("af");

        handler.locate();
        QCOMPARE(sink.writes(), QList<QByteArray>({ locateCommand }));
        QCOMPARE(sink.tasks.front()->getIndex(), 2u);
        clock.advance(2999);
        QCOMPARE(sink.writes().size(), 1);
        clock.advance(1);
        QCOMPARE(sink.writes(), QList<QByteArray>({ locateCommand, locateCommand, locateCommand }));
        clock.advance(10000);
        QCOMPARE(sink.writes().size(), 3);

        handler.locate();
        handler.reset();
        clock.advance(3000);
        QCOMPARE(sink.writes().size(), 4);
    }

    void editsWriteAndChangeNotificationsRead()
    {
        MenuEntryHandler handler;
        handler.setMenuEntries(loadSample());
        TaskSink sink(&handler);
        MenuWrapper *switching = sample->menu(QStringLiteral("M_SwitchingOutput"));
        MenuEntry *mode = switching->getEntries().first();
        mode->setDataFromUserInput(1);
        QCOMPARE(sink.tasks.size(), size_t(1));
        const CommunicationTask &task = *sink.tasks.front();
        QCOMPARE(task.getCommand(), uint(CommunicationTask::WriteCommand));
        QCOMPARE(task.getIndex(), 60u);
        QCOMPARE(task.getSubIndex(), 3u);
        QCOMPARE(task.getData(), QByteArray::fromHex("01"));
        QCOMPARE(task.getVariable(), sample->variable(QStringLiteral("V_SwitchPoint1")));

        // A request that does not come from an entry is not sent anywhere.
        handler.onWriteRequested(QByteArray::fromHex("01"));
        QCOMPARE(sink.tasks.size(), size_t(1));

        // A change the device announces reads every entry of the parameter again.
        sink.tasks.clear();
        handler.onChangeNotification(60, 3); // switch mode: in two menus
        QCOMPARE(sink.tasks.size(), size_t(2));
        for (const auto &read : sink.tasks) {
            QCOMPARE(read->getCommand(), uint(CommunicationTask::ReadCommand));
            QCOMPARE(read->getIndex(), 60u);
            QCOMPARE(read->getSubIndex(), 3u);
        }

        sink.tasks.clear();
        handler.onChangeNotification(1234, 0);
        handler.onChangeNotification(-1, 0); // never the entries without variable
        QVERIFY(sink.tasks.empty());
    }

    void gradientScalesDisplayAndInput_data()
    {
        DataTable::addRows(QStringLiteral("menu/scaling.tsv"));
    }

    void gradientScalesDisplayAndInput()
    {
        QFETCH(double, gradient);
        QFETCH(double, offset);
        QFETCH(QString, entered);
        WrappedVariable variable(simple("V_Temp", ValueKind::UInteger, 16));
        PlainEntry entry;
        entry.setVariableWrapper(&variable);
        entry.setScaling(LinearScaling(gradient, offset));

        entry.setProperty("value", entered.contains('.') ? QVariant(entered.toDouble()) : QVariant(entered.toInt()));
        QTEST(variable.getValue(0).toUInt(), "stored");
        QTEST(entry.property("value").toDouble(), "shown");
    }

    void digits_data()
    {
        DataTable::addRows(QStringLiteral("menu/digits.tsv"));
    }

    void digits()
    {
        QFETCH(double, gradient);
        QFETCH(double, offset);
        QFETCH(QString, format);
        PlainEntry entry;
        entry.setScaling(LinearScaling(gradient, offset));
        entry.setDisplayFormat(format);
        QTEST(entry.property("digits").toUInt(), "digits");
    }

    void baseEntryWithoutVariableOrScaling()
    {
        PlainEntry entry;
        QVERIFY(!entry.property("value").isValid());

        QTest::ignoreMessage(QtCriticalMsg, "variable is null");
        entry.setProperty("value", 5);

        QSignalSpy writes(&entry, &MenuEntry::writeRequested);
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("not implemented"));
        entry.setDataFromUserInput(5);
        QCOMPARE(writes.count(), 0);

        // A boolean is not scaled.
        WrappedVariable flag(simple("V_Flag", ValueKind::Boolean, 1));
        PlainEntry flagEntry;
        flagEntry.setVariableWrapper(&flag);
        flagEntry.setScaling(LinearScaling(0.1, 32.0));
        flagEntry.setValue(true);
        QCOMPARE(flagEntry.getValue(), QVariant(true));
    }

    void validAndValueFollowOwnSubindexOnly()
    {
        WrappedVariable variable(record("V_Rec", 16, { item(1, 8, ValueKind::UInteger, 8),
                                                 item(2, 0, ValueKind::UInteger, 8) }));
        PlainEntry entry;
        entry.setVariableWrapper(&variable);
        entry.setSubindex(2);
        QSignalSpy values(&entry, &MenuEntry::valueChanged);
        QSignalSpy validity(&entry, &MenuEntry::validChanged);

        variable.setValue(7, 1);
        QCOMPARE(values.count(), 0);
        QVERIFY(!entry.isValid());

        variable.setDataFromDevice(0, QByteArray::fromHex("0709"));
        QCOMPARE(values.count(), 1);
        QCOMPARE(validity.count(), 1);
        QVERIFY(entry.isValid());
        QCOMPARE(entry.getValue().toInt(), 9);

        variable.setValue(11, 2);
        QCOMPARE(values.count(), 2);
        QCOMPARE(validity.count(), 1);
    }

    void recordSelectionWorksWithPositions()
    {
        myRecordItem mode = item(2, 0, ValueKind::UInteger, 8);
        addSingleValue(mode, 30, "TN_Thirty");
        addSingleValue(mode, 10, "TN_Ten");
        addSingleValue(mode, 20, "TN_Twenty");
        WrappedVariable variable(record("V_Rec", 16, { item(1, 8, ValueKind::UInteger, 8), mode }));
        MenuEntryRecordSelection entry(&variable.description.recordItems.at(1), &variable, 2);
        QSignalSpy writes(&entry, &MenuEntry::writeRequested);

        QCOMPARE(entry.getTextIds(), QStringList({ "TN_Ten", "TN_Twenty", "TN_Thirty" }));
        QCOMPARE(entry.getTextId(), QStringLiteral("TN_Item2"));
        QCOMPARE(variable.getValue(2).toInt(), 10); // the smallest value is preset
        QCOMPARE(writes.count(), 0);

        variable.setDataFromDevice(2, QByteArray::fromHex("14"));
        QCOMPARE(entry.property("currentIndex").toInt(), 1);
        // A value already read is kept, not preset.
        MenuEntryRecordSelection later(&variable.description.recordItems.at(1), &variable, 2);
        QCOMPARE(variable.getValue(2).toInt(), 20);
        QCOMPARE(later.getCurrentIndex(), 1);

        entry.setDataFromUserInput(2);
        QCOMPARE(variable.getValue(2).toInt(), 30);
        QCOMPARE(writes.count(), 1);
        QCOMPARE(lastWrite(writes), QByteArray::fromHex("1e"));

        entry.setCurrentIndex(7);
        QCOMPARE(variable.getValue(2).toInt(), 10);
        QCOMPARE(writes.count(), 1);

        variable.setValue(25, 2);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not found in keys"));
        QCOMPARE(entry.getCurrentIndex(), 0);
    }

    void variableSelection_data()
    {
        DataTable::addRows(QStringLiteral("menu/variableselection.tsv"));
    }

    void variableSelection()
    {
        QFETCH(QList<int>, values);
        QFETCH(int, read);
        QFETCH(int, chosen);
        QFETCH(QByteArray, written);
        WrappedVariable variable(simple("V_Select", ValueKind::UInteger, 8));
        for (int value : values)
            addSingleValue(variable.description, value, QStringLiteral("TN_%1").arg(value));
        MenuEntryVariableSelection entry(&variable, 0);
        QSignalSpy writes(&entry, &MenuEntry::writeRequested);

        variable.setDataFromDevice(0, QByteArray(1, char(read)));
        QTEST(entry.property("currentIndex").toInt(), "shown");
        entry.setDataFromUserInput(chosen);
        QCOMPARE(variable.getValue(0).toInt(), int(written.at(0)));
        QCOMPARE(lastWrite(writes), written);
    }

    void displaysNameKnownValues()
    {
        myRecordItem state = item(1, 0, ValueKind::UInteger, 8, "ro");
        addSingleValue(state, 0, "TN_Off");
        addSingleValue(state, 1, "TN_On");
        WrappedVariable variable(record("V_State", 8, { state }, "ro"));
        MenuEntryRecordDisplay entry(&variable.description.recordItems.first(), &variable, 1);

        variable.setDataFromDevice(1, QByteArray::fromHex("01"));
        QCOMPARE(entry.property("value").toString(), QStringLiteral("TN_On"));
        QCOMPARE(entry.property("currentValue").toInt(), 1);

        variable.setDataFromDevice(1, QByteArray::fromHex("07"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("bad value number: 7 Available entries:"));
        QCOMPARE(entry.property("value").toString(), QStringLiteral("undefined"));
        QCOMPARE(entry.getCurrentValue(), 7);

        // A whole boolean without record item takes its own choices.
        WrappedVariable emitter(simple("V_Emitter", ValueKind::Boolean, 1, "ro"));
        addSingleValue(emitter.description, 0, "TN_Emitter_Off");
        addSingleValue(emitter.description, 1, "TN_Emitter_On");
        MenuEntryRecordDisplay whole(nullptr, &emitter, 0);
        QCOMPARE(whole.getTextIds(), QStringList({ "TN_Emitter_Off", "TN_Emitter_On" }));
        emitter.setDataFromDevice(0, QByteArray::fromHex("01"));
        QCOMPARE(whole.getValue().toString(), QStringLiteral("TN_Emitter_On"));
        emitter.setDataFromDevice(0, QByteArray::fromHex("00"));
        QCOMPARE(whole.getValue().toString(), QStringLiteral("TN_Emitter_Off"));

        // A single display names the states it knows and scales the rest.
        WrappedVariable quality(simple("V_Quality", ValueKind::UInteger, 16, "ro"));
        addSingleValue(quality.description, 65535, "TN_NoMeasurement");
        addRange(quality.description, 0, 1000);
        UIVariableRefT reference;
        reference.variableId.value = QStringLiteral("V_Quality");
        reference.gradient.value = QStringLiteral("0.1");
        MenuEntrySingleDisplay single(&reference, &quality, {});

        quality.setDataFromDevice(0, QByteArray::fromHex("ffff"));
        QCOMPARE(single.property("singleValue").toString(), QStringLiteral("TN_NoMeasurement"));
        quality.setDataFromDevice(0, QByteArray::fromHex("00eb"));
        QCOMPARE(single.property("singleValue").toString(), QString());
        QCOMPARE(single.getValue().toDouble(), 23.5);
        QCOMPARE(single.property("name").toString(), QString());
    }

    void sliderOffersTheScaledRangeAndWritesRawValues()
    {
        WrappedVariable variable(simple("V_Level", ValueKind::UInteger, 16));
        addRange(variable.description, 0, 200);
        UIVariableRefT reference;
        reference.variableId.value = QStringLiteral("V_Level");
        reference.gradient.value = QStringLiteral("0.5");
        reference.unitCode.value = QStringLiteral("1013");
        MenuEntrySlider entry(&reference, &variable, {});
        QSignalSpy writes(&entry, &MenuEntry::writeRequested);

        QCOMPARE(entry.property("lowerLimit").toDouble(), 0.0);
        QCOMPARE(entry.property("upperLimit").toDouble(), 100.0);
        QCOMPARE(entry.property("step").toDouble(), 0.5);
        QCOMPARE(entry.getDigits(), 1u);
        QCOMPARE(entry.getUnit(), QString()); // the unit list does not know 1013

        entry.setDataFromUserInput(10);
        QCOMPARE(variable.getValue(0).toInt(), 20);
        QCOMPARE(lastWrite(writes), QByteArray::fromHex("0014"));

        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("not a number"));
        entry.setDataFromUserInput(QStringLiteral("ten"));
        QCOMPARE(writes.count(), 1);
        QCOMPARE(variable.getValue(0).toInt(), 20);
    }

    void textEditWritesWithinTheFixedLength()
    {
        WrappedVariable variable(simple("V_Tag", ValueKind::String, 0, "rw", 24, 4));
        MenuEntryTextEdit entry(&variable, 0);
        QSignalSpy writes(&entry, &MenuEntry::writeRequested);
        QCOMPARE(entry.property("maxLength").toUInt(), 4u);

        entry.setText(QStringLiteral("ab"));
        QCOMPARE(entry.property("text").toString(), QStringLiteral("ab"));
        QCOMPARE(writes.count(), 0);

        entry.setDataFromUserInput(QStringLiteral("xy"));
        QCOMPARE(lastWrite(writes), QByteArray("xy\0\0", 4));

        // A text item of a record takes its own length.
        WrappedVariable withLabel(record("V_Rec", 72, { item(1, 64, ValueKind::UInteger, 8),
                                                        item(2, 0, ValueKind::String, 64) }));
        QCOMPARE(MenuEntryTextEdit(&withLabel, 2).getMaxLength(), 8u);
    }

    void subMenuFollowsItsCondition()
    {
        WrappedVariable variable(record("V_Mode", 8, { item(3, 0, ValueKind::UInteger, 8) }));
        UIMenuRefT reference;
        reference.menuId.value = QStringLiteral("M_Window");
        ConditionT *condition = addTo(reference.Condition);
        condition->variableId.value = QStringLiteral("V_Mode");
        condition->subindex.value = QStringLiteral("3");
        condition->value.value = QStringLiteral("1");
        MenuEntrySubMenu entry(&reference, { &variable });
        QSignalSpy visibility(&entry, &MenuEntry::visibleChanged);

        QCOMPARE(entry.getId(), QStringLiteral("M_Window"));
        QVERIFY(!entry.property("visible").toBool());
        variable.setDataFromDevice(3, QByteArray::fromHex("01"));
        QVERIFY(entry.property("visible").toBool());
        QCOMPARE(visibility.count(), 1);
        variable.setDataFromDevice(3, QByteArray::fromHex("02"));
        QVERIFY(!entry.property("visible").toBool());
        QCOMPARE(visibility.count(), 2);
    }

    void arrayDisplayShowsEveryElement_data()
    {
        QTest::addColumn<bool>("numbers");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QList<uint>>("contents");
        QTest::newRow("octet strings: the code after the qualifier") << false << QByteArray::fromHex("f41801000000e48d01000000")
                                                                     << QList<uint> { 0x1801, 0, 0x8d01, 0 };
        QTest::newRow("numbers, counted in bits") << true << QByteArray::fromHex("000100020003") << QList<uint> { 1, 2, 3 };
    }

    void arrayDisplayShowsEveryElement()
    {
        QFETCH(bool, numbers);
        QFETCH(QByteArray, payload);
        QFETCH(QList<uint>, contents);
        WrappedVariable variable(numbers ? VariableFixtures::array("V_Codes", 3, quint32(ValueKind::UInteger), 16, 0, true)
                                         : VariableFixtures::array("V_DetailedDeviceStatus", 4, quint32(ValueKind::OctetString), 0, 3, true));
        MenuEntryArrayDisplay entry(&variable, 0);
        QList<uint> shown;
        for (const QObject *element : entry.getByteArray()) {
            QCOMPARE(element->property("index").toUInt(), uint(shown.size() + 1));
            QCOMPARE(element->property("content").toUInt(), 65535u);
            shown << 0;
        }
        QCOMPARE(shown.size(), contents.size());

        variable.setDataFromDevice(0, payload);
        shown.clear();
        for (const QObject *element : entry.property("byteArray").value<QList<QObject *>>())
            shown << element->property("content").toUInt();
        QCOMPARE(shown, contents);
    }

    void commandButtonsShareOneWidth()
    {
        WrappedVariable variable(simple("V_SystemCommand", ValueKind::UInteger, 8, "wo", 2));
        addSingleValue(variable.description, 128, "TN_Reset", "Reset");
        addSingleValue(variable.description, 130, "TN_Factory", "Restore factory settings");
        // The width is shared by every command entry alive, so none of the sample's may be left.
        sample.reset();
        QCOMPARE(MenuEntrySystemCommand::getMaxNameLength(), 0u);
        {
            MenuEntrySystemCommand reset(128, &variable, 0);
            MenuEntrySystemCommand factory(130, &variable, 0);
            QSignalSpy resetWidth(&reset, &MenuEntrySystemCommand::maxNameLengthChanged);
            QCOMPARE(reset.property("nameId").toString(), QStringLiteral("TN_Reset"));
            QCOMPARE(reset.property("maxNameLength").toUInt(), 24u);
            QCOMPARE(factory.property("maxNameLength").toUInt(), 24u);

            // German texts: the first report in a new language starts afresh.
            reset.onLanguageChanged(12, QStringLiteral("de"));
            QCOMPARE(factory.property("maxNameLength").toUInt(), 12u);
            factory.onLanguageChanged(30, QStringLiteral("de"));
            reset.onLanguageChanged(12, QStringLiteral("de"));
            QCOMPARE(reset.property("maxNameLength").toUInt(), 30u);
            QCOMPARE(resetWidth.count(), 2);

            factory.onLanguageChanged(9, QStringLiteral("fr"));
            QCOMPARE(reset.property("maxNameLength").toUInt(), 9u);

            QSignalSpy writes(&factory, &MenuEntry::writeRequested);
            factory.onButtonClicked();
            QCOMPARE(lastWrite(writes), QByteArray::fromHex("82"));
        }
        QCOMPARE(MenuEntrySystemCommand::getMaxNameLength(), 0u);
    }

    void detailedDeviceStatusHasTheCountOfTheDescription()
    {
        // The sample restricts the standard's 64 entries to 8.
        loadSample();
        VariableWrapper *status = sample->variable(QStringLiteral("V_DetailedDeviceStatus"));
        QVERIFY(status);
        QCOMPARE(status->getVariable()->recordItems.size(), 8);
        MenuEntryArrayDisplay entry(status, 0);
        QCOMPARE(entry.getByteArray().size(), 8);
        QCOMPARE(status->getOwnRecord().byteLength, 24u);
    }
};

OVINEX_TEST_MAIN(TestMenuEntries)
#include "tst_menuentries.moc"
