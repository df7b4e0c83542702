#include "connectionhandler.h"
#include "core/logcategories.h"

#include <QDebug>
#include <QState>

ConnectionHandler::ConnectionHandler(QObject *parent)
    : QObject(parent)
{
}

ConnectionHandler::~ConnectionHandler() = default;

void ConnectionHandler::init()
{
    notConnectedState = new QState(&stateMachine);
    connectingState = new QState(&stateMachine);
    connectedState = new QState(&stateMachine);
    notConnectedState->setObjectName(QStringLiteral("notConnected"));
    connectingState->setObjectName(QStringLiteral("connecting"));
    connectedState->setObjectName(QStringLiteral("connected"));

    notConnectedState->addTransition(this, &ConnectionHandler::connecting, connectingState);
    connectingState->addTransition(this, &ConnectionHandler::connected, connectedState);
    connectingState->addTransition(this, &ConnectionHandler::error, notConnectedState);
    // A cancelled connection: the open that may be running finishes first, then the port is closed again.
    connectingState->addTransition(this, &ConnectionHandler::disconnecting, notConnectedState);
    connectedState->addTransition(this, &ConnectionHandler::disconnected, notConnectedState);
    connectedState->addTransition(this, &ConnectionHandler::disconnecting, notConnectedState);

    connect(notConnectedState, &QState::entered, this, &ConnectionHandler::onStateNotConnectedEntered);
    connect(connectingState, &QState::entered, this, &ConnectionHandler::onStateConnectingEntered);
    connect(connectedState, &QState::entered, this, &ConnectionHandler::onStateConnectedEntered);

    stateMachine.setInitialState(notConnectedState);
    stateMachine.start();
}

// The signals are emitted from the handler's own event queue, behind the queued start of the state
// machine, so a request made right after construction is not lost.
void ConnectionHandler::connectToDevice()
{
    qCDebug(lcConnection) << Q_FUNC_INFO;
    QMetaObject::invokeMethod(this, &ConnectionHandler::connecting, Qt::QueuedConnection);
}

void ConnectionHandler::disconnectFromDevice()
{
    qCDebug(lcConnection) << Q_FUNC_INFO;
    QMetaObject::invokeMethod(this, &ConnectionHandler::disconnecting, Qt::QueuedConnection);
}

void ConnectionHandler::onStateConnectedEntered()
{
    qCDebug(lcConnection) << Q_FUNC_INFO;
}

bool ConnectionHandler::isConnectedState() const
{
    return connectedState && stateMachine.configuration().contains(connectedState);
}

bool ConnectionHandler::isNotConnectedState() const
{
    return notConnectedState && stateMachine.configuration().contains(notConnectedState);
}

bool ConnectionHandler::isConnectingState() const
{
    return connectingState && stateMachine.configuration().contains(connectingState);
}
