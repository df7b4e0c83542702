#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>

class ConditionWrapper;
class ProcessDataItemT;
class RecordItemWrapper;

// One ProcessDataIn or ProcessDataOut image: splits received payloads into its record items, or packs
// the record items' values into the payload sent to the device.
class ProcessDataItemWrapper : public QObject
{
    Q_OBJECT

public:
    ProcessDataItemWrapper(const ProcessDataItemT *definition, ConditionWrapper *condition, bool isOutput,
                           QObject *parent = nullptr);

    bool conditionApplies() const;
    RecordItemWrapper *getRecordItem(int subindex) const;
    void setData(const QByteArray &payload, qint64 duration);
    bool getOutputData(QByteArray &out) const;

    const ProcessDataItemT *getDefinition() const { return definition; }
    QString getId() const;
    const QList<RecordItemWrapper *> &getRecordItems() const { return recordItems; }
    quint32 getBitLength() const { return bitLength; }
    bool isOutput() const { return output; }
    // The datatype is one simple type, so a single record item (subindex 0) spans the whole image.
    bool isWholeImage() const { return wholeImage; }

signals:
    void conditionAppliesChanged();

private:
    // IO-Link process data images hold at most 32 octets.
    static constexpr quint32 maxImageBits = 32 * 8;

    void addRecordItem(RecordItemWrapper *recordItem);

    const ProcessDataItemT *definition = nullptr;
    QList<RecordItemWrapper *> recordItems;
    QPointer<ConditionWrapper> condition;
    quint32 bitLength = 0;
    bool output = false;
    bool wholeImage = false;
};
