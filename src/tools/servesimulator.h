#pragma once

#include <QStringList>

// "serve-simulator --listen HOST:PORT [IODD...]": serves the simulated master's devices (the given IODD files,
// else the sample device) as an Ethernet IO-Link master through the JSON REST interface until stopped.
// Prints one JSON line with the address once it listens; exit status 2 for usage errors, 1 when it cannot listen.
class ServeSimulator
{
public:
    static int run(const QStringList &arguments);
    static QString usage();
};
