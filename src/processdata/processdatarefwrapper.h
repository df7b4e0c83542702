#pragma once

#include "processdata/processdataclock.h"
#include "processdata/processdatadisplayhints.h"
#include "processdata/processdataitemwrapper.h"

#include <QList>
#include <QObject>
#include <QPointer>

class ProcessDataRecordItemInfoWrapper;
class ProcessDataRefT;
class ProcessDataWrapper;

// One process data image as the user interface shows it: the record item infos that the reference
// names, shown while the image's condition applies.
class ProcessDataRefWrapper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> recordItemInfos READ getRecordItemInfos CONSTANT)
    Q_PROPERTY(bool conditionApplies READ conditionApplies NOTIFY conditionAppliesChanged)

public:
    ProcessDataRefWrapper(const ProcessDataRefT *definition, ProcessDataItemWrapper *item,
                          QObject *parent = nullptr);
    // For a description without usable references: every record item of the image, as the menus
    // describe it, else as it is.
    explicit ProcessDataRefWrapper(ProcessDataItemWrapper *item, QObject *parent = nullptr,
                                   const ProcessDataDisplayHints &hints = {});

    // One wrapper per image, inputs before outputs, for a description whose references show nothing.
    static QList<ProcessDataRefWrapper *> forEveryImage(const QList<ProcessDataWrapper *> &processDatas,
                                                        QObject *parent = nullptr,
                                                        const ProcessDataDisplayHints &hints = {});

    bool conditionApplies() const;
    void clear();

    const ProcessDataRefT *getDefinition() const { return definition; }
    ProcessDataItemWrapper *getItem() const { return item; }
    const QList<ProcessDataRecordItemInfoWrapper *> &getInfos() const { return recordItemInfos; }
    void setClock(const ProcessDataClock::Function &clock);

signals:
    void conditionAppliesChanged();
    void runningChanged(bool running);

public slots:
    void onConditionAppliesChanged();

public:
    Q_INVOKABLE QList<QObject *> getRecordItemInfos() const;

private:
    void addInfo(ProcessDataRecordItemInfoWrapper *info);

    const ProcessDataRefT *definition = nullptr;
    QPointer<ProcessDataItemWrapper> item;
    QList<ProcessDataRecordItemInfoWrapper *> recordItemInfos;
};
