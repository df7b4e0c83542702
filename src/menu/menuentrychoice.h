#pragma once

#include "menuentry.h"

#include <QList>
#include <QMap>
#include <QVariant>

struct myRecordItem;

// The base of the entries built from one subindex of a variable, possibly a record item and a menu
// reference: the displays, the selections and the slider. It also holds the named values the choice
// kinds offer, which the screen addresses by their position in ascending order.
class MenuEntryChoice : public MenuEntry
{
    Q_OBJECT

protected:
    // A record item, when given, names the entry.
    MenuEntryChoice(VariableWrapper *var, quint32 subindex, const myRecordItem *item, QObject *parent);

    // Id, unit, gradient and digits of a variable or record item reference; nothing without one.
    template <class Reference>
    void takeReference(const Reference *reference, const QList<UnitT *> &units)
    {
        if (!reference)
            return;
        setId(reference->variableId.value);
        applyReference(reference->unitCode.value,
                       LinearScaling::fromTexts(reference->gradient.value, reference->offset.value),
                       reference->displayFormat.value, units);
    }

    // Takes the named values and presets the smallest until the device delivers one.
    void takeChoices(const QVector<SingleValueEntry> &singleValues, const char *owner);
    // The position of the current value; the first one (with a warning) when it has no name.
    int currentPosition() const;
    // The value at a position; a position outside the list takes the first value, as nothing else is safe.
    QVariant valueAtPosition(int position) const;

    QMap<qint64, QString> choices;
};
