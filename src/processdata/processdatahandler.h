#pragma once

#include "processdata/processdataclock.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVector>

#include <functional>

class ProcessDataRecordItemInfoWrapper;
class ProcessDataRefWrapper;
class ProcessDataWrapper;

// The device's process data front: timestamps and distributes received payloads, runs the recording
// of chart samples, provides the output payload, and exports the samples as semicolon-separated text.
class ProcessDataHandler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> processDataRefs READ getProcessDataRefs NOTIFY processDataRefsChanged)
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)

public:
    using Translator = std::function<QString(const QString &textId)>;

    explicit ProcessDataHandler(QObject *device = nullptr);
    ~ProcessDataHandler() override;

    void setProcessDataRefs(const QList<ProcessDataRefWrapper *> &refs);
    void setProcessDatas(const QList<ProcessDataWrapper *> &datas);
    bool getOutputData(QByteArray &out) const;
    // Puts the output image the device last accepted back into the output items, so the screen shows it.
    void restoreOutputData(const QByteArray &payload);

    // The export: one column per shown record item, a row per sample, every cell followed by "; ".
    QString exportText() const;
    // Column titles are text ids translated by this function; without one, by the device's binding
    // (its "ioLink" object's translate), else the text id itself.
    void setTranslator(const Translator &newTranslator) { translator = newTranslator; }
    // Unit codes of the column titles, translated the same way (the binding's translateUnit).
    void setUnitTranslator(const Translator &newTranslator) { unitTranslator = newTranslator; }
    void setClock(const ProcessDataClock::Function &newClock) { clock = newClock; }
    QDateTime getStartTime() const { return startTime; }
    // When the sample of the export's first row came in.
    QDateTime firstRowTime() const;
    int exportedRowCount() const;
    bool isPaused() const { return paused; }

signals:
    void processDataRefsChanged();
    void runningChanged(bool running);
    // A save that failed, with a message for the user; the text is on the clipboard all the same.
    void saveFailed(const QString &message);
    // A save that worked, with a confirmation naming the file.
    void saved(const QString &message);

public slots:
    void onProcessDataReceived(const QByteArray &data);
    void start();
    void pause();
    void clear();
    void stop();
    void copyToClipboard();
    void saveToFile(const QUrl &path);

public:
    Q_INVOKABLE QList<QObject *> getProcessDataRefs() const;
    Q_INVOKABLE bool isRunning() const { return running; }

private:
    void clearRefs();
    QList<const ProcessDataRecordItemInfoWrapper *> exportedInfos() const;
    void appendColumn(QVector<QStringList> &rows, const ProcessDataRecordItemInfoWrapper &info, int column,
                      const QString &start) const;
    QString translate(const QString &textId) const;
    QString unitText(const QString &unitCode) const;
    bool askBinding(const char *method, const QString &argument, QString &answer) const;
    QString columnTitle(const ProcessDataRecordItemInfoWrapper &info) const;
    void putOnClipboard(const QString &text) const;
    void reportSaveFailure(const QUrl &path, const QString &message);

    QPointer<QObject> device;
    QList<QPointer<ProcessDataRefWrapper>> processDataRefs;
    QList<QPointer<ProcessDataWrapper>> processDatas;
    QDateTime startTime;
    bool paused = false;
    bool running = false;
    qint64 lastPayloadAt = -1; // -1: no start yet
    qint64 startClock = 0;
    qint64 lastRecordedAt = 0;
    ProcessDataClock::Function clock = ProcessDataClock::system();
    Translator translator;
    Translator unitTranslator;
};
