#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class CommunicationTask;
class MenuEntry;
class MenuEntrySystemCommand;

// Watches all menu entries of one device: turns their write requests into write tasks, re-reads
// entries the device reports as changed, exposes the identification entries and drives the locate
// function (the device's LED blinks).
class MenuEntryHandler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *productNameEntry READ getProductNameEntry NOTIFY productNameEntryChanged)
    Q_PROPERTY(QObject *productIdEntry READ getProductIdEntry NOTIFY productIdEntryChanged)
    Q_PROPERTY(QObject *generalInformationEntry READ getGeneralInformationEntry NOTIFY generalInformationEntryChanged)
    Q_PROPERTY(QObject *typeLabelEntry READ getTypeLabelEntry NOTIFY typeLabelEntryChanged)

public:
    // Runs `call` once after `milliseconds`; tests give a fake clock.
    using Scheduler = std::function<void(int milliseconds, std::function<void()> call)>;

    static constexpr int locateCommand = 175;
    static constexpr int locateRepeatDelayMs = 3000;

    explicit MenuEntryHandler(QObject *parent = nullptr);
    ~MenuEntryHandler() override;

    void setMenuEntries(const QList<MenuEntry *> &newEntries);
    QList<MenuEntry *> getMenuEntries() const;
    // Destroys every entry the handler holds (the device has gone).
    void reset();
    void setScheduler(Scheduler newScheduler);
    MenuEntrySystemCommand *getLocateEntry() const;

signals:
    void newCommunicationTask(CommunicationTask *task);
    void productNameEntryChanged();
    void productIdEntryChanged();
    void generalInformationEntryChanged();
    void typeLabelEntryChanged();

public slots:
    void onChangeNotification(int index, int subIndex);
    void onWriteRequested(QByteArray payload);
    void onReadRequested();
    void stopLocate();

public:
    Q_INVOKABLE QObject *getProductNameEntry() const;
    Q_INVOKABLE QObject *getProductIdEntry() const;
    Q_INVOKABLE QObject *getGeneralInformationEntry() const;
    Q_INVOKABLE QObject *getTypeLabelEntry() const;
    Q_INVOKABLE void locate();

private:
    void recognise(MenuEntry *entry);

    QList<QPointer<MenuEntry>> entries;
    QPointer<MenuEntry> productNameEntry;
    QPointer<MenuEntry> productIdEntry;
    QPointer<MenuEntry> generalInformationEntry;
    QPointer<MenuEntry> typeLabelEntry;
    QPointer<MenuEntrySystemCommand> locateEntry;
    Scheduler scheduler;
    // A pending repeat of the locate command belongs to the locate call that scheduled it.
    quint64 locateGeneration = 0;
};
