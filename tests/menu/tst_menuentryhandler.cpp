#include "testenvironment.h"

#include "comm/communicationtask.h"
#include "menu/menuentryhandler.h"
#include "menu/menuentrybool.h"
#include "menu/menuentrylistmodel.h"
#include "menu/menuentrysubmenu.h"
#include "menu/menuentrysystemcommand.h"
#include "menu/menuwrapper.h"
#include "menufixtures.h"

#include <QLoggingCategory>
#include <QSignalSpy>

#include <memory>

using namespace MenuFixtures;

namespace {

// Time that advances only when the test says so.
class FakeClock
{
public:
    MenuEntryHandler::Scheduler scheduler()
    {
        return [this](int milliseconds, std::function<void()> call) {
            pending.append({ now + milliseconds, std::move(call) });
        };
    }

    void advance(int milliseconds)
    {
        now += milliseconds;
        for (int i = 0; i < pending.size();) {
            if (pending.at(i).due > now) {
                ++i;
                continue;
            }
            auto call = pending.takeAt(i).call;
            call();
        }
    }

private:
    struct Pending
    {
        qint64 due;
        std::function<void()> call;
    };
    qint64 now = 0;
    QList<Pending> pending;
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

class TestMenuEntryHandler : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LoadedDevice> sample;
    QList<MenuWrapper *> menus;

    // Every menu of the sample device, and all their entries menu by menu, as the device binding hands them over.
    QList<MenuEntry *> loadSample()
    {
        sample = std::make_unique<LoadedDevice>();
        if (!sample->load(sampleFile()))
            return {};
        menus.clear();
        QList<MenuEntry *> entries;
        for (MenuT *menu : qAsConst(sample->menus)) {
            menus << new MenuWrapper(menu, sample->variables, sample->menus, sample->units, &sample->owner);
            entries << menus.last()->getEntries();
        }
        return entries;
    }

    MenuWrapper *menu(const QString &id) const
    {
        for (MenuWrapper *candidate : menus) {
            if (candidate->getId() == id)
                return candidate;
        }
        return nullptr;
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
        MenuWrapper *switching = menu(QStringLiteral("M_SwitchingOutput"));
        QVERIFY(switching);
        QCOMPARE(entryIds(qobject_cast<QAbstractItemModel *>(switching->getEntryModel())),
                 QStringList({ "V_SwitchPoint1", "V_SwitchPoint1", "V_SwitchPoint1", "V_SwitchPoint1", "M_Window",
                               "V_SwitchDelay" }));
        QCOMPARE(entryIds(qobject_cast<QAbstractItemModel *>(switching->getReversedEntryModel())),
                 QStringList({ "V_SwitchDelay", "M_Window", "V_SwitchPoint1", "V_SwitchPoint1", "V_SwitchPoint1",
                               "V_SwitchPoint1" }));
        QCOMPARE(switching->getReversedEntryModel(), switching->getReversedEntryModel());

        MenuWrapper *identification = menu(QStringLiteral("M_Identification"));
        QCOMPARE(entryIds(qobject_cast<QAbstractItemModel *>(identification->getEntryModel())),
                 QStringList({ "M_General_Information", "M_Typelabel", "V_ApplicationSpecificTag", "V_LocationText" }));
        auto *general = identification->getEntries().first();
        QCOMPARE(general->getTextId(), sample->menu("M_General_Information")->Name.last()->textId.value);
        QCOMPARE(identification->getEntry(QStringLiteral("TN_V_LocationText")), identification->getEntries().last());
        QCOMPARE(identification->getEntry(QStringLiteral("TN_Nothing")), static_cast<QObject *>(nullptr));
    }

    void hiddenSubMenuReappears()
    {
        loadSample();
        MenuWrapper *switching = menu(QStringLiteral("M_SwitchingOutput"));
        MenuEntry *window = nullptr;
        for (MenuEntry *entry : switching->getEntries()) {
            if (entry->getId() == QLatin1String("M_Window"))
                window = entry;
        }
        QVERIFY(window);
        VariableWrapper *switchPoint = sample->variable(QStringLiteral("V_SwitchPoint1"));
        switchPoint->setDataFromDevice(0, QByteArray::fromHex("03e8" "0014" "00" "00"));
        QVERIFY(!window->isVisible());
        QSignalSpy visibility(window, &MenuEntry::visibleChanged);
        switchPoint->setDataFromDevice(3, QByteArray::fromHex("01"));
        QVERIFY(window->isVisible());
        QVERIFY(visibility.count() >= 1);
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

    void menuWithoutEntriesHasNoModel()
    {
        MenuT menuElement;
        menuElement.id.value = QStringLiteral("M_Broken");
        UIVariableRefT *reference = addTo(menuElement.VariableRef, 3);
        reference->variableId.value = QStringLiteral("V_Param");
        auto description = simple("V_Param", VariableWrapper::UIntegerType, 16, "RW");
        VariableWrapper variable(description.get());
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("UNUSED variable"));
        MenuWrapper wrapper(&menuElement, { &variable }, {}, {});
        // An undefined entry still shows that something is missing.
        QCOMPARE(wrapper.getEntries().size(), 1);

        MenuT empty;
        empty.id.value = QStringLiteral("M_Empty");
        addTo(empty.VariableRef, 1);
        MenuWrapper emptyWrapper(&empty, {}, {}, {});
        QCOMPARE(emptyWrapper.getEntryModel(), static_cast<QObject *>(nullptr));
    }

    void listModelOffersTheEntryRoleOnly()
    {
        auto description = simple("V_Led", VariableWrapper::BooleanType, 1);
        VariableWrapper variable(description.get());
        auto *entry = new MenuEntryBool(&variable, 0);
        auto *other = new MenuEntryBool(&variable, 0);
        MenuEntryListModel model;
        model.setEntries({ entry, other });
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.roleNames().value(MenuEntryListModel::EntryRole), QByteArray("entry"));
        QCOMPARE(model.data(model.index(0), MenuEntryListModel::EntryRole).value<QObject *>(), entry);
        QVERIFY(!model.data(model.index(0), MenuEntryListModel::NameRole).isValid());
        QVERIFY(!model.data(model.index(5), MenuEntryListModel::EntryRole).isValid());

        QSignalSpy removals(&model, &QAbstractItemModel::rowsRemoved);
        delete entry;
        QCOMPARE(removals.count(), 1);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.data(model.index(0), MenuEntryListModel::EntryRole).value<QObject *>(), other);
        delete other;
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
        MenuWrapper *identification = menu(QStringLiteral("M_Identification"));
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

    void locateWritesThreeTimes()
    {
        MenuEntryHandler handler;
        FakeClock clock;
        handler.setScheduler(clock.scheduler());
        handler.setMenuEntries(loadSample());
        TaskSink sink(&handler);
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
    }

    void locateAfterResetOrWithoutButton()
    {
        MenuEntryHandler handler;
        FakeClock clock;
        handler.setScheduler(clock.scheduler());
        TaskSink sink(&handler);
        handler.locate();
        QVERIFY(sink.tasks.empty());

        handler.setMenuEntries(loadSample());
        handler.locate();
        handler.reset();
        clock.advance(3000);
        QCOMPARE(sink.writes().size(), 1);
    }

    void userEditsBecomeWriteTasks()
    {
        MenuEntryHandler handler;
        handler.setMenuEntries(loadSample());
        TaskSink sink(&handler);
        MenuWrapper *switching = menu(QStringLiteral("M_SwitchingOutput"));
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
    }

    void changeNotificationsReadEveryEntryOfTheParameter()
    {
        MenuEntryHandler handler;
        handler.setMenuEntries(loadSample());
        TaskSink sink(&handler);

        handler.onChangeNotification(60, 3); // switch mode: in two menus
        QCOMPARE(sink.tasks.size(), size_t(2));
        for (const auto &task : sink.tasks) {
            QCOMPARE(task->getCommand(), uint(CommunicationTask::ReadCommand));
            QCOMPARE(task->getIndex(), 60u);
            QCOMPARE(task->getSubIndex(), 3u);
        }

        sink.tasks.clear();
        handler.onChangeNotification(1234, 0);
        handler.onChangeNotification(-1, 0); // never the entries without variable
        QVERIFY(sink.tasks.empty());
    }
};

OVINEX_TEST_MAIN(TestMenuEntryHandler)
#include "tst_menuentryhandler.moc"
