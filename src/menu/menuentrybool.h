#pragma once

#include "menuentry.h"

// An editable Boolean, shown as a check box.
class MenuEntryBool : public MenuEntry
{
    Q_OBJECT
    Q_PROPERTY(bool actValue READ getActValue NOTIFY valueChanged)

public:
    MenuEntryBool(VariableWrapper *var, quint32 subindex, QObject *parent = nullptr);

    QString getQmlFileName() const override;
    Q_INVOKABLE void setDataFromUserInput(QVariant data) override;

    Q_INVOKABLE bool getActValue() const;
};
