import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// The progress of a connection: shown until the device is connected or gone, or the user cancels.
Dialog {
    id: dialog
    objectName: "connectionDialog"

    property var devices: null
    property var currentDevice: null
    property var ioLink: null
    readonly property string deviceState: currentDevice && currentDevice.state ? currentDevice.state : "notConnected"
    readonly property bool busy: deviceState === "connecting" || deviceState === "syncing"
    readonly property int syncTotal: ioLink && ioLink.syncTasksTotal !== undefined ? Number(ioLink.syncTasksTotal) : 0
    readonly property int syncRemaining: ioLink && ioLink.syncTasksRemaining !== undefined ? Number(ioLink.syncTasksRemaining) : 0

    onBusyChanged: busy ? open() : close()
    Component.onCompleted: if (busy) open()
    // Cancel (or Escape) gives the connection up; the port closes once the master has answered the call in progress.
    onClosed: {
        if (dialog.busy && dialog.devices)
            dialog.devices.disconnectCurrentDevice()
    }

    parent: Overlay.overlay
    // The software renderer cannot draw the shadow layer and would drop the whole background with it.
    Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
    anchors.centerIn: parent
    width: 640
    height: 320
    modal: true
    closePolicy: Popup.CloseOnEscape
    title: qsTr("Connecting")
    footer: DialogButtons {
        objectName: "connectionButtons"
        closeText: qsTr("Cancel")
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 16

        Item { Layout.fillHeight: true }

        Label {
            objectName: "connectionText"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: 18
            text: dialog.deviceState === "syncing"
                  ? qsTr("Updating Parameter ") + ViewLogic.syncProgressText(dialog.syncTotal, dialog.syncRemaining)
                  : qsTr("Waiting For Device")
        }
        BusyIndicator {
            Layout.alignment: Qt.AlignHCenter
            visible: dialog.deviceState === "connecting"
            running: visible
        }
        ProgressBar {
            objectName: "connectionProgress"
            Layout.fillWidth: true
            Layout.leftMargin: 48
            Layout.rightMargin: 48
            visible: dialog.deviceState === "syncing"
            from: 0
            to: Math.max(1, dialog.syncTotal)
            value: Math.max(0, dialog.syncTotal - dialog.syncRemaining)
        }

        Item { Layout.fillHeight: true }
    }
}
