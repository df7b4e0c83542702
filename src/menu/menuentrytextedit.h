#pragma once

#include "menuentry.h"

// An editable text of a fixed maximum length.
class MenuEntryTextEdit : public MenuEntry
{
    Q_OBJECT
    Q_PROPERTY(QString text READ getText WRITE setText NOTIFY valueChanged)
    Q_PROPERTY(uint maxLength READ getMaxLength NOTIFY valueChanged)

public:
    MenuEntryTextEdit(VariableWrapper *var, quint32 subindex, QObject *parent = nullptr);

    QString getQmlFileName() const override;
    Q_INVOKABLE void setDataFromUserInput(QVariant data) override;

    Q_INVOKABLE QString getText() const;
    // Changes the shown text only; nothing is written.
    Q_INVOKABLE void setText(const QString &text);
    Q_INVOKABLE uint getMaxLength() const { return maxLength; }

private:
    uint maxLength = 0;
};
