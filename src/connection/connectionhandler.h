#pragma once

#include <QByteArray>
#include <QObject>
#include <QStateMachine>

class QState;

// Owns the connection to one master port: opens and closes it on request and announces every change.
// Lives in the device's worker thread; connectToDevice() and disconnectFromDevice() may be called from any thread.
class ConnectionHandler : public QObject
{
    Q_OBJECT

public:
    explicit ConnectionHandler(QObject *parent = nullptr);
    ~ConnectionHandler() override;

    void connectToDevice();
    void disconnectFromDevice();

    // Only meaningful in the handler's own thread, where the state machine runs.
    bool isConnectedState() const;
    bool isNotConnectedState() const;
    bool isConnectingState() const;

signals:
    void disconnecting();
    void connecting();
    void connected();
    void disconnected();
    void error();
    void errorReceived(QString alert);
    void received(QByteArray data);

protected slots:
    virtual void onStateConnectingEntered() = 0;
    virtual void onStateNotConnectedEntered() = 0;

public slots:
    void onStateConnectedEntered();

protected:
    // Builds and starts the state machine; the concrete handler calls it at the end of its constructor.
    void init();

private:
    QStateMachine stateMachine{this};
    QState *notConnectedState = nullptr;
    QState *connectingState = nullptr;
    QState *connectedState = nullptr;
};
