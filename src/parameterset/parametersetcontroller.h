#pragma once

#include "parameterrestore.h"
#include "parameterset.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QVariantMap>

#include <memory>

class DeviceParameterAccess;
class IOLinkDevice;
class ParameterCatalogue;
class ParameterReader;
class ParameterTableModel;

// Save, compare and restore of parameter sets for the window: one operation at a time on the connected
// device, with progress, the table of the last comparison or restore, and its export.
class ParameterSetController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool busy READ isBusy NOTIFY busyChanged)
    Q_PROPERTY(int progressDone READ getProgressDone NOTIFY progressChanged)
    Q_PROPERTY(int progressTotal READ getProgressTotal NOTIFY progressChanged)
    Q_PROPERTY(QString activity READ getActivity NOTIFY busyChanged)
    Q_PROPERTY(QString summary READ getSummary NOTIFY tableChanged)
    Q_PROPERTY(QString notes READ getNotes NOTIFY tableChanged)
    Q_PROPERTY(bool restored READ isRestored NOTIFY tableChanged)
    Q_PROPERTY(QString tableKind READ getTableKind NOTIFY tableChanged)
    Q_PROPERTY(QObject *table READ getTable CONSTANT)

public:
    explicit ParameterSetController(QObject *parent = nullptr);
    ~ParameterSetController() override;

    bool isBusy() const { return busy; }
    int getProgressDone() const { return progressDone; }
    int getProgressTotal() const { return progressTotal; }
    QString getActivity() const { return activity; }
    QString getSummary() const { return summary; }
    QString getNotes() const { return notes; }
    bool isRestored() const { return restored; }
    QString getTableKind() const { return tableKind; }
    QObject *getTable() const;

signals:
    void busyChanged();
    void progressChanged();
    void tableChanged();
    // The outcome of save(); the message says what happened either way.
    void saveFinished(bool ok, QString message);
    void compareFinished();
    void restoreFinished();
    // An operation could not start or ended without a result (a bad file, no device).
    void failed(QString message);

public:
    // True when the device is connected and described by an IODD, so that its parameters are known.
    Q_INVOKABLE bool canUse(QObject *device) const;
    Q_INVOKABLE QString suggestedFileName(QObject *device) const;
    Q_INVOKABLE void save(QObject *device, const QUrl &file);
    Q_INVOKABLE void compare(QObject *device, const QUrl &file);
    // Reads and checks the file against the device without writing anything. The map holds "ok", "error",
    // "warnings" and "skipped" (lists of texts) and "question" (what the user confirms).
    Q_INVOKABLE QVariantMap prepareRestore(QObject *device, const QUrl &file);
    // Writes what prepareRestore() prepared, for the same device.
    Q_INVOKABLE void restore();
    // Empty when the table was written, otherwise why not.
    Q_INVOKABLE QString exportCsv(const QUrl &file) const;

private:
    IOLinkDevice *usableDevice(QObject *device, QString *error) const;
    bool begin(IOLinkDevice *device, const QString &what);
    void end();
    void setProgress(int done, int total);
    void showComparison(const ParameterSet &set);
    void showReport(const ParameterRestore::Report &report);

    std::unique_ptr<DeviceParameterAccess> access;
    std::unique_ptr<ParameterCatalogue> catalogue;
    ParameterReader *reader = nullptr;
    ParameterRestore *restoreJob = nullptr;
    ParameterTableModel *table = nullptr;
    QPointer<IOLinkDevice> preparedDevice;
    ParameterRestore::Plan preparedPlan;
    bool busy = false;
    int progressDone = 0;
    int progressTotal = 0;
    QString activity;
    QString summary;
    QString notes;
    QString tableKind;
    bool restored = false;
};
