#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The settings of one device as a file: who it was, which IODD described it, and the octets of every
// parameter as the device gave them. Only the octets count when it is restored; names and display
// texts are there for people reading the file.
class ParameterSet
{
    Q_DECLARE_TR_FUNCTIONS(ParameterSet)

public:
    struct Device
    {
        quint16 vendorId = 0;
        quint32 deviceId = 0;
        QString productId;
        QString productName;
        QString serialNumber;
        QString hardwareRevision;
        QString firmwareRevision;
    };

    struct Iodd
    {
        QString fileName;
        QString version;
        QString releaseDate;
    };

    struct Parameter
    {
        QString id;
        uint index = 0;
        uint subindex = 0;
        QString name;
        QString value;
        QByteArray raw;
    };

    struct Unreadable
    {
        QString id;
        uint index = 0;
        uint subindex = 0;
        QString name;
        uint isduError = 0;
        QString error;
    };

    static const char *const formatName;
    static constexpr int formatVersion = 1;
    static constexpr qint64 maxFileSize = 10 * 1024 * 1024;
    // The longest value one ISDU transfer carries.
    static constexpr int maxRawOctets = 232;
    static const char *const fileSuffix;

    QDateTime created;
    QString application;
    QString applicationVersion;
    Device device;
    Iodd iodd;
    QList<Parameter> parameters;
    QList<Unreadable> unreadable;

    const Parameter *find(const QString &id) const;

    QByteArray toJson() const;
    // Nothing when the text is no parameter set of a format version this program reads; *error says why.
    static std::optional<ParameterSet> fromJson(const QByteArray &json, QString *error);
    static std::optional<ParameterSet> load(const QString &path, QString *error);
    // Written atomically: an existing file stays as it was when anything goes wrong.
    bool save(const QString &path, QString *error) const;

    static QString toHex(const QByteArray &raw);
};
