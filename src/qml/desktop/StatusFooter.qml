import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The status line under the window: the device state, later its address and the synchronisation progress.
Rectangle {
    implicitHeight: 32
    color: "#f2f2f2"

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        spacing: 8

        Label { text: qsTr("Status:"); font.bold: true }
        Label { objectName: "deviceState"; text: qsTr("Not connected") }
        Item { Layout.fillWidth: true }
    }
}
