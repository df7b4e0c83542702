#include "clicommand.h"

#include <QCoreApplication>

namespace {

QList<QCommandLineOption> noOptions()
{
    return {};
}

} // namespace

const QList<CliCommand> &cliCommands()
{
    static const QList<CliCommand> commands = {
        { "ports", "", QT_TRANSLATE_NOOP("ovinex-cli", "List the master ports with the device on each, one JSON object per line."),
          runPorts, noOptions },
        { "read", "PORT INDEX[.SUBINDEX]", QT_TRANSLATE_NOOP("ovinex-cli", "Read an index of the device and print its octets."),
          runRead, noOptions },
        { "write", "PORT INDEX[.SUBINDEX] HEX", QT_TRANSLATE_NOOP("ovinex-cli", "Write octets to an index of the device."),
          runWrite, noOptions },
        { "params", "save|compare|restore PORT FILE [--yes]",
          QT_TRANSLATE_NOOP("ovinex-cli", "Save the device's parameters to a file, compare them with a file, or restore them from a file."),
          runParams, paramsOptions },
        { "events", "PORT [--seconds N]",
          QT_TRANSLATE_NOOP("ovinex-cli", "Stay connected for N seconds (default 10) and print each event of the device as one JSON line."),
          runEvents, eventsOptions },
        { "status", "PORT",
          QT_TRANSLATE_NOOP("ovinex-cli", "Print the device status and the active entries of the detailed device status as one JSON object."),
          runStatus, noOptions },
        { "iodd", "import FILE...|list|remove PATH",
          QT_TRANSLATE_NOOP("ovinex-cli", "Import IODD packages (.zip) or files (.xml) into the IODD folder, list its IODDs, or remove one."),
          runIodd, noOptions },
        { "serve-simulator", "--listen HOST:PORT [IODD...]",
          QT_TRANSLATE_NOOP("ovinex-cli", "Serve the simulated master's devices (the given IODDs, else the sample) through the JSON REST interface of Ethernet IO-Link masters."),
          runServeSimulator, serveOptions },
    };
    return commands;
}
