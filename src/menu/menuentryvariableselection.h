#pragma once

#include "menuentrychoice.h"

#include <QStringList>

// An editable choice of a whole variable. With single values numbered 0, 1, 2, ... the position on
// screen is the value itself; other numberings are mapped through their ascending order.
class MenuEntryVariableSelection : public MenuEntryChoice
{
    Q_OBJECT
    Q_PROPERTY(QStringList textIds READ getTextIds NOTIFY valueChanged)
    Q_PROPERTY(int currentIndex READ getCurrentIndex WRITE setCurrentIndex NOTIFY valueChanged)

public:
    MenuEntryVariableSelection(VariableWrapper *var, quint32 subindex, QObject *parent = nullptr);

    QString getQmlFileName() const override;

    Q_INVOKABLE QStringList getTextIds() const { return choices.values(); }
    Q_INVOKABLE void setCurrentIndex(int position);
    Q_INVOKABLE int getCurrentIndex() const;
    Q_INVOKABLE void setDataFromUserInput(QVariant data) override;

private:
    QVariant valueAt(int position) const;

    // The values are 0 to n-1, so position and value coincide.
    bool numberedFromZero = true;
};
