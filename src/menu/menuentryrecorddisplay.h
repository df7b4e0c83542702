#pragma once

#include "menuentrychoice.h"

#include <QStringList>

struct myRecordItem;

// A read-only choice: shows the name of the current value.
class MenuEntryRecordDisplay : public MenuEntryChoice
{
    Q_OBJECT
    Q_PROPERTY(QStringList textIds READ getTextIds NOTIFY valueChanged)
    Q_PROPERTY(int currentValue READ getCurrentValue NOTIFY valueChanged)

public:
    // Without a record item the choices are the variable's own single values.
    MenuEntryRecordDisplay(const myRecordItem *item, VariableWrapper *var, quint32 subindex,
                           QObject *parent = nullptr);

    QString getQmlFileName() const override;
    // The name text id of the current value, "undefined" when it has none.
    QVariant getValue() const override;

    Q_INVOKABLE QStringList getTextIds() const { return choices.values(); }
    Q_INVOKABLE int getCurrentValue() const;
};
