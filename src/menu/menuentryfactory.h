#pragma once

#include <QList>
#include <QtGlobal>
#include <QString>

class MenuEntry;
class QObject;
class UIRecordItemRefT;
class UIVariableRefT;
class UnitT;
class VariableWrapper;

// Decides which kind of menu entry shows a variable or record item reference, creates it and marks
// the variable slot as referenced so that it is read from the device. A reference that no kind can
// serve becomes a MenuEntryUndefined; one without variable id gives no entry.
class MenuEntryFactory
{
public:
    static MenuEntry *makeMenuEntry(const UIVariableRefT *ref, const QList<VariableWrapper *> &variables,
                                    const QList<UnitT *> &units, QObject *parent);
    static MenuEntry *makeMenuEntry(const UIRecordItemRefT *ref, const QList<VariableWrapper *> &variables,
                                    const QList<UnitT *> &units, QObject *parent);

private:
    static VariableWrapper *findVariable(const QList<VariableWrapper *> &variables, const QString &id);
    static MenuEntry *undefinedEntry(const QString &id, QObject *parent, quint32 subindex = 0);
};
