#pragma once

#include "menuentry.h"

// A command button: writes its button value to the system command variable. All command buttons
// of the application share one width, the longest name seen in the current language.
class MenuEntrySystemCommand : public MenuEntry
{
    Q_OBJECT
    Q_PROPERTY(QString nameId READ getNameId CONSTANT)
    Q_PROPERTY(uint maxNameLength READ getMaxNameLength NOTIFY maxNameLengthChanged)
    Q_PROPERTY(bool needsConfirmation READ needsConfirmation CONSTANT)
    Q_PROPERTY(int buttonValue READ getButtonValue CONSTANT)

public:
    MenuEntrySystemCommand(int buttonValue, VariableWrapper *var, quint32 subindex, QObject *parent = nullptr);
    ~MenuEntrySystemCommand() override;

    QString getQmlFileName() const override;

    int getButtonValue() const { return buttonValue; }
    // Every command may change or reset the device; only locating it (the LED blinks) is harmless.
    bool needsConfirmation() const;
    static uint getMaxNameLength();

signals:
    void maxNameLengthChanged();

public slots:
    void onButtonClicked();

public:
    Q_INVOKABLE QString getNameId() const { return nameId; }
    // The view reports the length of its translated text; a new language starts the maximum afresh.
    Q_INVOKABLE void onLanguageChanged(int textLength, const QString &newLanguage);

private:
    static void raiseMaxNameLength(int length);
    static void notifyAll();

    int buttonValue = 0;
    QString nameId;
};
