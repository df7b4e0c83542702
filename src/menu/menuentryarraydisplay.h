#pragma once

#include "menuentry.h"

#include <QList>

class ArrayEntry;

// A read-only array of event codes, one line per element.
class MenuEntryArrayDisplay : public MenuEntry
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> byteArray READ getByteArray NOTIFY valueChanged)

public:
    MenuEntryArrayDisplay(VariableWrapper *var, quint32 subindex, QObject *parent = nullptr);

    QString getQmlFileName() const override;
    // The array has no single value of its own.
    QVariant getValue() const override { return QVariant(); }

    // The elements, refreshed from the variable once it has been read.
    Q_INVOKABLE QList<QObject *> getByteArray();

private:
    static int elementCount(const VariableWrapper *var);
    static uint contentOf(const QVariant &value);

    QList<ArrayEntry *> elements;
};
