#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

class CliContext;

// One command group of ovinex-cli: its name, how it is called, and what runs it. A new group is a source
// file with its run function and one row in the table of clicommands.cpp.
struct CliCommand
{
    const char *name;
    // Arguments after the name, for the usage text.
    const char *synopsis;
    const char *summary;
    int (*run)(CliContext &context);
    // Options only this group understands; all groups' options are accepted everywhere.
    QList<QCommandLineOption> (*options)();
};

// Exit statuses, as every group uses them.
enum CliExit : int {
    CliSuccess = 0,
    // The device refused something, or values differ.
    CliRefused = 1,
    // Usage errors, unreadable or invalid files, a device that does not match.
    CliUsageError = 2,
};

const QList<CliCommand> &cliCommands();

// The groups' run functions, one source file each.
int runPorts(CliContext &context);
int runRead(CliContext &context);
int runWrite(CliContext &context);
int runParams(CliContext &context);
int runIodd(CliContext &context);
int runServeSimulator(CliContext &context);
int runEvents(CliContext &context);
int runStatus(CliContext &context);
QList<QCommandLineOption> eventsOptions();
QList<QCommandLineOption> serveOptions();
QList<QCommandLineOption> paramsOptions();
