import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The list of devices at the left; it fills with rows once the device list is published.
Pane {
    id: pane
    padding: 0

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Label {
            Layout.fillWidth: true
            Layout.margins: 12
            text: qsTr("Devices").toUpperCase()
            font.bold: true
            font.pixelSize: 16
        }

        ListView {
            id: devicesList
            objectName: "devicesList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
        }
    }
}
