#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariant>

#include <memory>

class CommunicationTask;
class IODeviceT;
class MenuEntry;
class MenuEntryProcessData;
class MenuWrapper;
class ProcessDataItemWrapper;
class ProcessDataRefWrapper;
class ProcessDataWrapper;
class VariableWrapper;

// Binds one device description to one connected device: loads the standard definitions and the IODD,
// builds the variables, menus and process data from them, synchronises the referenced variables through
// read tasks and translates text ids, unit codes and event codes for the user interface.
// Lives in the main thread; its tasks go to the device's communication handler through newCommunicationTask.
class IOLinkWrapper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(uint syncTasksRemaining READ getSyncTasksRemaining NOTIFY syncTasksRemainingChanged)
    Q_PROPERTY(uint syncTasksTotal READ getSyncTasksTotal NOTIFY syncTasksTotalChanged)

public:
    static constexpr uint measurementQualityIndex = 207;

    // The user roles, from the one with the least rights; their names are those of setting app/userRole.
    enum class Role { Observer, Maintenance, Specialist };
    // The pages a role menu set names a menu for.
    enum class Page { Identification, Parameter, Observation, Diagnosis };

    // Loads the description with the texts of the given language (one of languages()).
    explicit IOLinkWrapper(const QString &ioddPath, const QString &language = QStringLiteral("en"),
                           QObject *parent = nullptr);
    // The languages whose standard texts the program ships.
    static QStringList languages();
    ~IOLinkWrapper() override;

    // All menu entries, menu by menu, each group followed by its items; the menu entry handler takes them over.
    QList<MenuEntry *> getMenuEntries() const;
    static ProcessDataItemWrapper *findProcessDataItemById(const QList<ProcessDataWrapper *> &processDatas,
                                                           const QString &id);
    void setLanguage(const QString &code);
    // The id of the menu that the role's page shows: the role menu set's, else the same page of the next
    // richer role, else the menu of the traditional fixed id; empty when none of them exists.
    QString menuIdFor(Role role, Page page) const;
    // Whether any role menu set names a menu for the page (existing or not).
    bool roleMenuSetNames(Page page) const;
    static bool roleFromName(const QString &name, Role *role);
    static bool pageFromName(const QString &name, Page *page);
    static QString nameOf(Role role);
    static QString nameOf(Page page);
    void syncReferencedVariables();

    uint getSyncTasksRemaining() const { return uint(syncTasks.size()); }
    uint getSyncTasksTotal() const { return syncTasksTotal; }
    // False when the device's own description could not be read; the binding is then empty.
    bool isProductLoaded() const { return productLoaded; }
    QString getIoddPath() const { return ioddPath; }
    QString getCurrentLanguage() const;
    const IODeviceT *getDocument() const { return document.get(); }
    const QList<MenuWrapper *> &getMenuWrappers() const { return menuWrappers; }
    const QList<VariableWrapper *> &getVariableWrappers() const { return variableWrappers; }
    const QList<ProcessDataWrapper *> &getProcessDataWrappers() const { return processDataWrappers; }
    const QList<ProcessDataRefWrapper *> &getProcessDataRefWrappers() const { return processDataRefWrappers; }

signals:
    void newCommunicationTask(CommunicationTask *task);
    // A synchronisation's reads, in their order, handed over together.
    void newCommunicationTasks(QList<CommunicationTask *> tasks);
    void syncTasksFinished();
    void syncTasksTotalChanged();
    void syncTasksRemainingChanged();
    void variableSynced(uint index, uint subindex, QVariant value);
    void varMeasQualitySynced(VariableWrapper *var);
    void currentLanguageChanged(QString currentLanguage);

public slots:
    void onUploadRequest();
    void onReadRequest(QList<uint> indexes);

public:
    Q_INVOKABLE QObject *getMenu(const QString &id) const;
    // For QML: menuIdFor by the names of setting app/userRole ("specialist" for an unknown one) and of the
    // pages ("identification", "parameter", "observation", "diagnosis").
    Q_INVOKABLE QString menuIdForRole(const QString &role, const QString &page) const;
    Q_INVOKABLE QObject *getMenuEntry(uint index) const;
    Q_INVOKABLE QString translate(const QString &id) const;
    Q_INVOKABLE QStringList translate(const QStringList &ids) const;
    Q_INVOKABLE QString translateUnit(const QString &id) const;
    Q_INVOKABLE QString translateEvent(uint eventCode) const;
    // Vendor and device name of the description, for messages that must say which device they mean.
    Q_INVOKABLE QString deviceName() const;

private:
    void loadDocuments(const QString &language);
    bool loadDocument(const char *what, const QString &path, int kind);
    void initVariables();
    void initVariableWrappers();
    void initMenuWrappers();
    void initProcessData();
    void addUnreferencedInputs();
    QString roleMenuSetSlot(Role role, Page page) const;
    void initProcessDataEntries();
    void refreshProcessDataEntries();
    void onInputImage();
    void readVersion();
    CommunicationTask *createReadTask(VariableWrapper *var);
    void onSyncTaskFinished(CommunicationTask *task, bool success, uint index, VariableWrapper *var);
    void finishSynchronisation();

    std::unique_ptr<IODeviceT> document;
    QList<CommunicationTask *> syncTasks;
    uint syncTasksTotal = 0;
    QList<MenuWrapper *> menuWrappers;
    QList<VariableWrapper *> variableWrappers;
    QList<ProcessDataWrapper *> processDataWrappers;
    QList<ProcessDataRefWrapper *> processDataRefWrappers;
    // Menu entries that show process data, updated with the input images at a reading pace; the last
    // image of a burst is always shown.
    QList<QPointer<MenuEntryProcessData>> processDataEntries;
    // A child, so that it moves along when the binding is built in another thread.
    QTimer processDataEntryPace { this };
    bool inputImagePending = false;
    QString ioddPath;
    bool productLoaded = false;
    // Role menu sets naming a menu that does not exist are reported once per menu id.
    mutable QSet<QString> reportedMissingMenus;
};
