#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

// Reads and writes the JSON bodies of Ethernet IO-Link masters. Masters of different makes and firmware
// editions spell the same thing differently, so every reader is tolerant and every length is checked here.
class NetworkMasterJson
{
public:
    static constexpr int maxParameterOctets = 232;
    static constexpr int maxProcessDataOctets = 32;

    // One entry of a device's event log.
    struct Event
    {
        QString key; // identifies the entry across polls
        quint16 code = 0;
        quint8 qualifier = 0; // as the serial master reports it: mode, type and source bits
    };

    // The member of that name, compared without case; undefined when absent.
    static QJsonValue member(const QJsonObject &object, const QString &name);
    // The value inside a {"<wrapper>": ...} object, or the value itself when it is not wrapped so.
    static QJsonValue unwrap(const QJsonValue &value, const QString &wrapper);

    // Octets from a byte array, bare or as {"value": [...]}; false with a reason when any element is not
    // an integer 0..255 or there are more than maxOctets.
    static bool parseByteArray(const QJsonValue &value, int maxOctets, QByteArray *octets, QString *error);
    static QJsonObject byteArrayBody(const QByteArray &octets);
    static QJsonArray byteArray(const QByteArray &octets);

    // Input process data from getdata or processdata answers, with or without the getData wrapper.
    static bool parseProcessData(const QJsonValue &body, QByteArray *octets, bool *valid, QString *error);
    static QJsonObject processDataBody(const QByteArray &octets, const QString &key);

    // The error code of an error body, 0 when there is none.
    static int errorCode(const QJsonObject &body);
    // The device's ISDU error of a refusal: iolinkError.code, else iolinkErrorCode, else iolError; 0 when none.
    static quint16 isduError(const QJsonObject &body);
    static QString errorMessage(const QJsonObject &body);

    // The device events of an event-log answer, oldest first; entries without a code are left out.
    static QList<Event> parseEvents(const QJsonValue &body);
    static quint8 eventQualifier(const QString &severity, const QString &mode);

    // "http://host" -> "http://host/iolink/v1"; an empty string for something that is no http(s) address.
    static QString normalizedBaseUrl(const QString &text);
};
