#include "servesimulator.h"

#include "app/applicationsettings.h"
#include "master/networkmasterserver.h"
#include "master/simulatedmaster.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

int fail(const QString &text, int status)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
    return status;
}

} // namespace

QString ServeSimulator::usage()
{
    return QCoreApplication::translate("ServeSimulator", "Usage: serve-simulator --listen HOST:PORT [IODD...]\n"
                                                         "Serves the simulated master's devices (the sample device when no IODD is given) "
                                                         "as an Ethernet IO-Link master with the JSON REST interface.");
}

int ServeSimulator::run(const QStringList &arguments)
{
    QString listen;
    QStringList files;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--listen") && i + 1 < arguments.size())
            listen = arguments.at(++i);
        else if (arguments.at(i).startsWith(QLatin1String("--listen=")))
            listen = arguments.at(i).mid(9);
        else if (arguments.at(i).startsWith(QLatin1String("-")))
            return fail(usage(), 2);
        else
            files.append(arguments.at(i));
    }
    const int colon = listen.lastIndexOf(QLatin1Char(':'));
    bool portValid = false;
    const uint port = listen.mid(colon + 1).toUInt(&portValid);
    const QHostAddress host(listen.left(colon));
    if (colon <= 0 || !portValid || port > 65535 || host.isNull())
        return fail(usage(), 2);
    for (const QString &file : qAsConst(files)) {
        if (!QFileInfo(file).isReadable())
            return fail(QCoreApplication::translate("ServeSimulator", "Cannot read %1").arg(file), 2);
    }
    if (files.isEmpty())
        files = ApplicationSettings::defaultSimulatedDevices();

    SimulatedMaster &master = SimulatedMaster::instance();
    master.setDeviceFiles(files);
    if (master.availablePorts().isEmpty())
        return fail(QCoreApplication::translate("ServeSimulator", "No device could be built from the given files."), 1);
    NetworkMasterServer server;
    QString error;
    if (!server.listen(host, quint16(port), &error))
        return fail(QCoreApplication::translate("ServeSimulator", "Cannot listen on %1: %2").arg(listen, error), 1);
    const QJsonObject line { { "listening", server.address() + QStringLiteral("/iolink/v1") },
                             { "ports", master.availablePorts().size() } };
    std::fputs(QJsonDocument(line).toJson(QJsonDocument::Compact).append('\n').constData(), stdout);
    std::fflush(stdout);
    return QCoreApplication::exec();
}
