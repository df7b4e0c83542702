#pragma once

#include "menuentry.h"

#include <QList>

class UnitT;

// A process-data item in a menu: shows the live value of the record item at its subindex, taken from the
// cyclic process data (never read by ISDU). Outputs are shown, not edited; they are set in the process-data box.
class MenuEntryProcessData : public MenuEntry
{
    Q_OBJECT
    Q_PROPERTY(QString singleValue READ getSingleValue NOTIFY valueChanged)
    Q_PROPERTY(bool output READ isOutput CONSTANT)

public:
    MenuEntryProcessData(const QString &variableId, bool output, quint32 subindex, QObject *parent = nullptr);

    QString getQmlFileName() const override;
    QVariant getValue() const override;

    bool isOutput() const { return output; }
    // Name text id of the current value; empty when the value has no name.
    QString getSingleValue() const { return singleValueTextId; }

    // The item of the applicable process-data definition delivered a value; its name may differ between
    // definitions, so it comes with every value.
    void setProcessValue(const QVariant &raw, const QString &nameTextId, const QString &valueTextId);
    using MenuEntry::applyReference;

private:
    bool output = false;
    QVariant processValue;
    QString singleValueTextId;
};
