import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// The status line under the window: the device state, its address and the synchronisation progress.
Rectangle {
    id: footer

    property var currentDevice: null
    property var ioLink: null
    readonly property int syncTotal: ioLink && ioLink.syncTasksTotal !== undefined ? Number(ioLink.syncTasksTotal) : 0
    readonly property int syncRemaining: ioLink && ioLink.syncTasksRemaining !== undefined ? Number(ioLink.syncTasksRemaining) : 0

    // The device states in the interface language; unknown ones as they come.
    function stateText(state) {
        switch (state) {
        case "notConnected": return qsTr("Not connected")
        case "connecting": return qsTr("Connecting")
        case "syncing": return qsTr("Synchronising")
        case "connected": return qsTr("Connected")
        case undefined:
        case null:
        case "": return qsTr("Not connected")
        default: return String(state)
        }
    }

    implicitHeight: 32
    color: "#f2f2f2"

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        spacing: 8

        Label { text: qsTr("Status:"); font.bold: true }
        Label {
            objectName: "deviceState"
            text: footer.stateText(footer.currentDevice ? footer.currentDevice.state : "")
        }
        Label {
            objectName: "deviceAddress"
            color: "#606060"
            text: footer.currentDevice ? ViewLogic.addressText(footer.currentDevice.address) : ""
        }
        ProgressBar {
            objectName: "syncProgress"
            Layout.preferredWidth: 160
            visible: footer.syncTotal > 0
            from: 0
            to: Math.max(1, footer.syncTotal)
            value: footer.syncRemaining
        }
        Item { Layout.fillWidth: true }
    }
}
