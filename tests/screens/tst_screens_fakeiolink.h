#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// Stand-ins for the device binding, its menus and menu entries, with the names the screens bind to.

class FakeArrayEntry : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int index MEMBER index NOTIFY indexChanged)
    Q_PROPERTY(uint content MEMBER content NOTIFY contentChanged)

public:
    FakeArrayEntry(int index, uint content, QObject *parent) : QObject(parent), index(index), content(content) {}

signals:
    void indexChanged();
    void contentChanged();

private:
    int index;
    uint content;
};

// One class for every kind of entry: each view reads only the names of its own kind.
class FakeMenuEntry : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString qmlFileName MEMBER qmlFileName CONSTANT)
    Q_PROPERTY(QString id MEMBER id CONSTANT)
    Q_PROPERTY(QString textId MEMBER textId CONSTANT)
    Q_PROPERTY(bool visible MEMBER visible NOTIFY visibleChanged)
    Q_PROPERTY(QString unit MEMBER unit CONSTANT)
    Q_PROPERTY(QVariant value MEMBER value NOTIFY valueChanged)
    Q_PROPERTY(uint digits MEMBER digits CONSTANT)
    Q_PROPERTY(bool valid MEMBER valid NOTIFY validChanged)
    Q_PROPERTY(bool expanded MEMBER expanded NOTIFY expandedChanged)
    Q_PROPERTY(bool actValue READ getActValue NOTIFY valueChanged)
    Q_PROPERTY(QStringList textIds MEMBER textIds CONSTANT)
    Q_PROPERTY(int currentIndex MEMBER currentIndex NOTIFY valueChanged)
    Q_PROPERTY(QString singleValue MEMBER singleValue NOTIFY valueChanged)
    Q_PROPERTY(float lowerLimit MEMBER lowerLimit CONSTANT)
    Q_PROPERTY(float upperLimit MEMBER upperLimit CONSTANT)
    Q_PROPERTY(float step MEMBER step CONSTANT)
    Q_PROPERTY(QString text READ getText NOTIFY valueChanged)
    Q_PROPERTY(int maxLength MEMBER maxLength CONSTANT)
    Q_PROPERTY(QString nameId MEMBER nameId CONSTANT)
    Q_PROPERTY(int maxNameLength MEMBER maxNameLength NOTIFY maxNameLengthChanged)
    Q_PROPERTY(QList<QObject *> byteArray READ getByteArray NOTIFY valueChanged)

public:
    FakeMenuEntry(const QString &view, const QString &id, const QString &textId, QObject *parent);

    bool getActValue() const { return value.toBool(); }
    QString getText() const { return value.toString(); }
    QList<QObject *> getByteArray() const { return elements; }

    Q_INVOKABLE void setDataFromUserInput(const QVariant &data);
    Q_INVOKABLE void onButtonClicked() { ++buttonClicks; }
    Q_INVOKABLE void onLanguageChanged(int textLength, const QString &newLanguage);

    void setValue(const QVariant &newValue);
    void setVisible(bool shown);

    QString qmlFileName;
    QString id;
    QString textId;
    bool visible = true;
    QString unit;
    QVariant value;
    uint digits = 0;
    bool valid = true;
    bool expanded = false;
    QStringList textIds;
    int currentIndex = 0;
    QString singleValue;
    float lowerLimit = 0;
    float upperLimit = 0;
    float step = 0;
    int maxLength = 0;
    QString nameId;
    int maxNameLength = 0;
    QList<QObject *> elements;

    QVariantList userInputs;
    int buttonClicks = 0;
    QList<QPair<int, QString>> languageReports;

signals:
    void visibleChanged();
    void valueChanged();
    void validChanged();
    void expandedChanged();
    void maxNameLengthChanged();
};

class FakeMenuEntryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    FakeMenuEntryListModel(const QList<FakeMenuEntry *> &entries, QObject *parent)
        : QAbstractListModel(parent), entries(entries) {}

    int rowCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : entries.size(); }
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override { return { { entryRole, "entry" } }; }

private:
    static constexpr int entryRole = 5;
    QList<FakeMenuEntry *> entries;
};

class FakeMenu : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *entryModel MEMBER entryModel CONSTANT)
    Q_PROPERTY(QObject *reversedEntryModel MEMBER reversedEntryModel CONSTANT)
    Q_PROPERTY(QString id MEMBER id CONSTANT)

public:
    FakeMenu(const QString &id, const QList<FakeMenuEntry *> &entries, QObject *parent);

    QString id;
    QObject *entryModel = nullptr;
    QObject *reversedEntryModel = nullptr;
};

class FakeIoLink : public QObject
{
    Q_OBJECT
    Q_PROPERTY(uint syncTasksRemaining MEMBER syncTasksRemaining NOTIFY syncTasksRemainingChanged)
    Q_PROPERTY(uint syncTasksTotal MEMBER syncTasksTotal NOTIFY syncTasksTotalChanged)

public:
    explicit FakeIoLink(QObject *parent = nullptr);

    Q_INVOKABLE QObject *getMenu(const QString &id) const { return menus.value(id); }
    Q_INVOKABLE QObject *getMenuEntry(int index) const { return indexedEntries.value(index); }
    Q_INVOKABLE QString translate(const QString &id) const;
    Q_INVOKABLE QStringList translate(const QStringList &ids) const;
    Q_INVOKABLE QString translateUnit(const QString &unitCode) const;
    Q_INVOKABLE QString translateEvent(int eventCode) const;

    void setLanguage(const QString &language);
    void setSync(uint total, uint remaining);
    FakeMenuEntry *entry(const QString &id) const;

    QHash<QString, FakeMenu *> menus;
    QHash<int, FakeMenuEntry *> indexedEntries;
    uint syncTasksRemaining = 0;
    uint syncTasksTotal = 0;

signals:
    void syncTasksTotalChanged();
    void syncTasksRemainingChanged();
    void currentLanguageChanged(const QString &newLanguage);

private:
    void buildMenus();
    FakeMenuEntry *addEntry(QList<FakeMenuEntry *> &list, const QString &view, const QString &id, const QString &textId);

    QString language = QStringLiteral("en");
    QList<FakeMenuEntry *> allEntries;
};

// Implementation: included by the one test that uses these stand-ins.
namespace {

const QString commonViews = QStringLiteral("qrc:/qml/common/");
const QString desktopViews = QStringLiteral("qrc:/qml/desktop/");

const QHash<QString, QString> englishTexts = {
    { "TI_SwitchOn", "Output active" },
    { "TI_SwitchPoint", "Switch point" },
    { "TI_Tag", "Application tag" },
    { "TI_Mode", "Operating mode" },
    { "TI_ModeNear", "Near range" },
    { "TI_ModeFar", "Far range" },
    { "TI_ModeAuto", "Automatic" },
    { "TI_Status", "Device status" },
    { "TI_StatusOk", "Operating properly" },
    { "TI_Temperature", "Internal temperature" },
    { "TI_Signal", "Signal quality" },
    { "TI_SignalGood", "Good" },
    { "TI_Restore", "Restore factory settings" },
    { "TI_Events", "Event" },
    { "TI_Advanced", "Advanced settings" },
    { "TI_Hidden", "Hidden entry" },
    { "TI_ProductName", "Product name" },
    { "TI_PdConfig", "Process data layout" },
    { "TI_PdDistance", "Distance and switching state" },
    { "TI_PdQuality", "Distance and signal quality" },
    { "TI_Distance", "Distance" },
    { "TI_Quality", "Signal quality" },
    { "TI_Switch1", "Switching output 1" },
    { "TI_Output", "Output enable" },
    { "TI_OutOfRange", "Out of range" },
    { "TI_Name", "Name" },
};

const QHash<QString, QString> germanTexts = {
    { "TI_SwitchOn", "Ausgang aktiv" },
    { "TI_SwitchPoint", "Schaltpunkt" },
    { "TI_Mode", "Betriebsart" },
    { "TI_ModeNear", "Nahbereich" },
    { "TI_ModeFar", "Fernbereich" },
    { "TI_ModeAuto", "Automatik" },
    { "TI_Restore", "Werkseinstellungen wiederherstellen" },
    { "TI_Distance", "Abstand" },
};

} // namespace

inline FakeMenuEntry::FakeMenuEntry(const QString &view, const QString &id, const QString &textId, QObject *parent)
    : QObject(parent), qmlFileName(view), id(id), textId(textId)
{
}

inline void FakeMenuEntry::setDataFromUserInput(const QVariant &data)
{
    userInputs.append(data);
}

inline void FakeMenuEntry::onLanguageChanged(int textLength, const QString &newLanguage)
{
    languageReports.append({ textLength, newLanguage });
    maxNameLength = textLength;
    emit maxNameLengthChanged();
}

inline void FakeMenuEntry::setValue(const QVariant &newValue)
{
    value = newValue;
    emit valueChanged();
}

inline void FakeMenuEntry::setVisible(bool shown)
{
    visible = shown;
    emit visibleChanged();
}

inline QVariant FakeMenuEntryListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= entries.size() || role != entryRole)
        return QVariant();
    return QVariant::fromValue<QObject *>(entries.at(index.row()));
}

inline FakeMenu::FakeMenu(const QString &id, const QList<FakeMenuEntry *> &entries, QObject *parent)
    : QObject(parent), id(id)
{
    if (entries.isEmpty())
        return;
    entryModel = new FakeMenuEntryListModel(entries, this);
    QList<FakeMenuEntry *> reversed;
    for (FakeMenuEntry *entry : entries)
        reversed.prepend(entry);
    reversedEntryModel = new FakeMenuEntryListModel(reversed, this);
}

inline FakeIoLink::FakeIoLink(QObject *parent) : QObject(parent)
{
    buildMenus();
}

inline FakeMenuEntry *FakeIoLink::addEntry(QList<FakeMenuEntry *> &list, const QString &view, const QString &id, const QString &textId)
{
    auto *entry = new FakeMenuEntry(view, id, textId, this);
    list.append(entry);
    allEntries.append(entry);
    return entry;
}

inline void FakeIoLink::buildMenus()
{
    QList<FakeMenuEntry *> identification;
    FakeMenuEntry *name = addEntry(identification, desktopViews + "MenuEntrySingleDisplay.qml", "V_ProductName", "TI_ProductName");
    name->value = QStringLiteral("OVX100");
    FakeMenuEntry *tag = addEntry(identification, commonViews + "MenuEntryTextEdit.qml", "V_Tag", "TI_Tag");
    tag->value = QStringLiteral("Line 3");
    tag->maxLength = 8;

    QList<FakeMenuEntry *> quickstart;
    FakeMenuEntry *slider = addEntry(quickstart, commonViews + "MenuEntrySlider.qml", "V_SwitchPoint", "TI_SwitchPoint");
    slider->lowerLimit = 0;
    slider->upperLimit = 100;
    slider->step = 0.5f;
    slider->digits = 1;
    slider->unit = QStringLiteral("1013");
    slider->value = 42.5;
    FakeMenuEntry *mode = addEntry(quickstart, commonViews + "MenuEntryRecordSelection.qml", "V_Mode", "TI_Mode");
    mode->textIds = QStringList({ "TI_ModeNear", "TI_ModeFar", "TI_ModeAuto" });
    mode->currentIndex = 1;

    QList<FakeMenuEntry *> diagnosis;
    FakeMenuEntry *events = addEntry(diagnosis, desktopViews + "MenuEntryArrayDisplay.qml", "V_Events", "TI_Events");
    events->elements = { new FakeArrayEntry(1, 0x8CA0, events), new FakeArrayEntry(2, 0x1234, events),
                         new FakeArrayEntry(3, 0, events) };
    FakeMenuEntry *status = addEntry(diagnosis, commonViews + "MenuEntryRecordDisplay.qml", "V_Status", "TI_Status");
    status->value = QStringLiteral("TI_StatusOk");
    FakeMenuEntry *temperature = addEntry(diagnosis, desktopViews + "MenuEntrySingleDisplay.qml", "V_Temperature", "TI_Temperature");
    temperature->value = 23.456;
    temperature->digits = 1;
    temperature->unit = QStringLiteral("1001");
    FakeMenuEntry *signal = addEntry(diagnosis, desktopViews + "MenuEntrySingleDisplay.qml", "V_Signal", "TI_Signal");
    signal->value = 3;
    signal->singleValue = QStringLiteral("TI_SignalGood");

    QList<FakeMenuEntry *> advanced;
    FakeMenuEntry *nestedSwitch = addEntry(advanced, commonViews + "MenuEntryBool.qml", "V_NestedSwitch", "TI_SwitchOn");
    nestedSwitch->value = true;

    QList<FakeMenuEntry *> parameters;
    addEntry(parameters, desktopViews + "MenuEntrySubMenu.qml", "M_Advanced", "TI_Advanced");
    FakeMenuEntry *output = addEntry(parameters, commonViews + "MenuEntryBool.qml", "V_SwitchOn", "TI_SwitchOn");
    output->value = false;
    parameters.append(slider);
    parameters.append(tag);
    parameters.append(mode);
    parameters.append(status);
    parameters.append(temperature);
    FakeMenuEntry *restore = addEntry(parameters, commonViews + "MenuEntrySystemCommand.qml", "V_SystemCommand", "TI_Restore");
    restore->nameId = QStringLiteral("TI_Restore");
    restore->maxNameLength = 24;
    parameters.append(events);
    FakeMenuEntry *hidden = addEntry(parameters, commonViews + "MenuEntryBool.qml", "V_Hidden", "TI_Hidden");
    hidden->visible = false;
    addEntry(parameters, commonViews + "MenuEntryUndefined.qml", "V_Unknown", "TI_Unknown");

    QList<FakeMenuEntry *> noEntries;
    QList<FakeMenuEntry *> pdConfig;
    FakeMenuEntry *layout = addEntry(pdConfig, commonViews + "MenuEntryRecordSelection.qml", "V_PdConfig", "TI_PdConfig");
    layout->textIds = QStringList({ "TI_PdDistance", "TI_PdQuality" });
    indexedEntries.insert(202, layout);

    menus.insert("M_Identification", new FakeMenu("M_Identification", identification, this));
    menus.insert("M_Quickstart", new FakeMenu("M_Quickstart", quickstart, this));
    menus.insert("M_Diagnosis", new FakeMenu("M_Diagnosis", diagnosis, this));
    menus.insert("M_Parameter", new FakeMenu("M_Parameter", parameters, this));
    menus.insert("M_Advanced", new FakeMenu("M_Advanced", advanced, this));
    // A menu without rows: its tab stays hidden.
    menus.insert("M_SmartAdjust", new FakeMenu("M_SmartAdjust", noEntries, this));
}

inline QString FakeIoLink::translate(const QString &id) const
{
    if (language == QLatin1String("de") && germanTexts.contains(id))
        return germanTexts.value(id);
    if (englishTexts.contains(id))
        return englishTexts.value(id);
    return QStringLiteral("NO translation: ") + id;
}

inline QStringList FakeIoLink::translate(const QStringList &ids) const
{
    QStringList texts;
    for (const QString &id : ids)
        texts.append(translate(id));
    return texts;
}

inline QString FakeIoLink::translateUnit(const QString &unitCode) const
{
    if (unitCode == QLatin1String("1013"))
        return QStringLiteral("mm");
    if (unitCode == QLatin1String("1001"))
        return QStringLiteral("°C");
    return QString();
}

inline QString FakeIoLink::translateEvent(int eventCode) const
{
    return eventCode == 0x8CA0 ? QStringLiteral("Short circuit") : QString();
}

inline void FakeIoLink::setLanguage(const QString &newLanguage)
{
    language = newLanguage;
    emit currentLanguageChanged(newLanguage);
}

inline void FakeIoLink::setSync(uint total, uint remaining)
{
    syncTasksTotal = total;
    syncTasksRemaining = remaining;
    emit syncTasksTotalChanged();
    emit syncTasksRemainingChanged();
}

inline FakeMenuEntry *FakeIoLink::entry(const QString &id) const
{
    for (FakeMenuEntry *candidate : allEntries) {
        if (candidate->id == id)
            return candidate;
    }
    return nullptr;
}
