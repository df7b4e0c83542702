#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

class IOLinkWrapper;
class VariableWrapper;

// The variables of a device that a parameter set holds, in the IODD's order, with what is needed to
// check, name and show their octets. A read-only view on the device's binding; once the binding is gone
// (the device was disconnected) it still names the entries but decodes nothing.
class ParameterCatalogue
{
    Q_DECLARE_TR_FUNCTIONS(ParameterCatalogue)

public:
    struct Entry
    {
        VariableWrapper *variable = nullptr;
        QString id;
        uint index = 0;
        QString name;
        // A string may be shorter than its length; every other type has exactly this many octets.
        int maxOctets = 0;
        bool variableLength = false;
    };

    static constexpr uint systemCommandIndex = 2;
    static constexpr uchar paramUploadStart = 0x01;
    static constexpr uchar paramUploadEnd = 0x02;
    static constexpr uchar paramDownloadStart = 0x03;
    static constexpr uchar paramDownloadEnd = 0x04;
    static constexpr uchar paramDownloadStore = 0x05;
    static constexpr uchar paramBreak = 0x06;

    explicit ParameterCatalogue(const IOLinkWrapper *binding);

    const QList<Entry> &entries() const { return list; }
    const Entry *find(const QString &id) const;
    // Why octets of this length cannot be the variable's value; empty when they can.
    QString lengthProblem(const Entry &entry, const QByteArray &raw) const;
    // The value for people: choice names, numbers, texts, record items by name, with the unit when a menu gives one.
    // The octets in hex once the binding is gone (the device was disconnected).
    QString displayText(const Entry &entry, const QByteArray &raw) const;
    // True when the device's system command variable offers the command.
    bool offersSystemCommand(uchar command) const;

    // Identification variables of the standard (product, serial number, revisions...) are never part of a set.
    static bool isIdentificationIndex(uint index) { return index >= 16 && index <= 23; }
    static bool belongsToSet(const VariableWrapper *variable);

private:
    QString itemText(const VariableWrapper &decoded, quint32 subindex) const;

    QPointer<IOLinkWrapper> binding;
    QList<Entry> list;
    QHash<QString, QString> units;
    QList<qint64> systemCommands;
};
