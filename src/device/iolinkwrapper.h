#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
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

    explicit IOLinkWrapper(const QString &ioddPath, QObject *parent = nullptr);
    ~IOLinkWrapper() override;

    // All menu entries, menu by menu, each group followed by its items; the menu entry handler takes them over.
    QList<MenuEntry *> getMenuEntries() const;
    static ProcessDataItemWrapper *findProcessDataItemById(const QList<ProcessDataWrapper *> &processDatas,
                                                           const QString &id);
    void setLanguage(const QString &code);
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
    void syncTasksFinished();
    void syncTasksTotalChanged();
    void syncTasksRemainingChanged();
    void variableSynced(uint index, uint subindex, QVariant value);
    void varMeasQualitySynced(VariableWrapper *var);
    void currentLanguageChanged(QString currentLanguage);

public slots:
    void onSyncTaskFinished(bool success, uint index, uint subindex, QString errorText, VariableWrapper *var);
    void onUploadRequest();
    void onReadRequest(QList<uint> indexes);

public:
    Q_INVOKABLE QObject *getMenu(const QString &id) const;
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
    void initProcessDataEntries();
    void refreshProcessDataEntries();
    void readVersion();
    CommunicationTask *createReadTask(VariableWrapper *var);
    void finishSynchronisation();

    std::unique_ptr<IODeviceT> document;
    QList<CommunicationTask *> syncTasks;
    uint syncTasksTotal = 0;
    QList<MenuWrapper *> menuWrappers;
    QList<VariableWrapper *> variableWrappers;
    QList<ProcessDataWrapper *> processDataWrappers;
    QList<ProcessDataRefWrapper *> processDataRefWrappers;
    // Menu entries that show process data, updated with every input image.
    QList<QPointer<MenuEntryProcessData>> processDataEntries;
    QString ioddPath;
    bool productLoaded = false;
};
