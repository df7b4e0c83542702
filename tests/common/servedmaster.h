#pragma once

#include "master/networkmasterserver.h"

#include <QHostAddress>
#include <QThread>

#include <functional>

// The simulated master served through the REST interface from a thread of its own, as an Ethernet master on
// this machine. Stopped however the test ends: a thread still running at exit would abort the whole run.
class ServedMaster
{
public:
    ServedMaster()
    {
        server->moveToThread(&thread);
        thread.start();
    }

    ~ServedMaster()
    {
        onServer([this] { delete server; });
        thread.quit();
        thread.wait();
    }

    // Runs the call in the server's thread and waits for it.
    void onServer(const std::function<void()> &call) { QMetaObject::invokeMethod(server, call, Qt::BlockingQueuedConnection); }

    // Listens on this machine, on any free port unless one is given.
    bool listen(quint16 port = 0)
    {
        bool listening = false;
        onServer([&] { listening = server->listen(QHostAddress::LocalHost, port); });
        return listening;
    }

    NetworkMasterServer *const server = new NetworkMasterServer;

private:
    QThread thread;
};
