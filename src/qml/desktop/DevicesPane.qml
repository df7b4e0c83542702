import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The list of devices at the left, with the connected device's process data below it.
Pane {
    id: pane
    padding: 0

    property var devices: null
    property var filteredDevices: null
    property var currentDevice: null
    property var ioLink: null

    readonly property bool scanning: devices ? devices.scanning === true : false
    readonly property bool deviceConnected: currentDevice ? currentDevice.state === "connected" : false
    readonly property bool rescanPending: rescanTimer.running

    function scanUnlessConnected() {
        if (pane.devices && !pane.currentDevice)
            pane.devices.startScan()
    }

    // The first scan, and a rescan whenever the current device goes away.
    Timer {
        id: rescanTimer
        objectName: "rescanTimer"
        interval: 100
        repeat: false
        onTriggered: pane.scanUnlessConnected()
    }

    Connections {
        target: pane.devices
        ignoreUnknownSignals: true
        function onCurrentDeviceChanged() {
            if (!pane.devices.currentDevice)
                rescanTimer.restart()
        }
    }

    Component.onCompleted: rescanTimer.start()

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            Layout.preferredHeight: 48
            Layout.leftMargin: 12
            Layout.rightMargin: 4
            spacing: 8

            Label {
                Layout.fillWidth: true
                text: qsTr("Devices").toUpperCase()
                font.bold: true
                font.pixelSize: 16
            }
            BusyIndicator {
                objectName: "scanBusyIndicator"
                Layout.preferredWidth: 40
                Layout.preferredHeight: 40
                visible: pane.scanning
                running: pane.scanning
            }
            ToolButton {
                objectName: "scanButton"
                visible: !pane.scanning
                enabled: pane.devices !== null
                icon.source: "qrc:/icons/refresh.svg"
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Search for devices.")
                onClicked: pane.devices.startScan()
            }
        }

        ListView {
            id: devicesList
            objectName: "devicesList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: pane.filteredDevices
            currentIndex: pane.devices && pane.filteredDevices ? pane.filteredDevices.getFilteredRow(pane.devices.currentIndex) : -1
            highlightMoveDuration: 0
            highlight: Rectangle { color: "#fde8e8" }
            ScrollBar.vertical: ScrollBar { id: devicesScroll }

            delegate: DeviceRow {
                // The scroll bar keeps a lane of its own beside the rows' buttons.
                width: devicesList.width - (devicesScroll.visible ? devicesScroll.width : 0)
                devices: pane.devices
                filteredDevices: pane.filteredDevices
                currentDevice: pane.currentDevice
                buttonsEnabled: !pane.scanning && !pane.rescanPending
            }

            Label {
                objectName: "noDevicesText"
                anchors.centerIn: parent
                width: parent.width - 48
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                color: "#808080"
                visible: devicesList.count === 0 && !pane.scanning
                text: qsTr("No devices found.")
            }
        }

        // Discovery's own alerts (a network master that cannot be reached), shown like a device's.
        AlertPopup {
            objectName: "discoveryAlertPopup"
            Layout.fillWidth: true
            Layout.leftMargin: 8
            Layout.rightMargin: 8
            Layout.bottomMargin: visible ? 8 : 0
            Layout.preferredHeight: implicitHeight
            currentDevice: pane.devices
        }

        AlertPopup {
            Layout.fillWidth: true
            Layout.leftMargin: 8
            Layout.rightMargin: 8
            Layout.bottomMargin: visible ? 8 : 0
            Layout.preferredHeight: implicitHeight
            currentDevice: pane.currentDevice
        }

        ProcessDataBox {
            id: processDataBox
            Layout.fillWidth: true
            Layout.maximumHeight: pane.height / 2
            currentDevice: pane.currentDevice
            ioLink: pane.ioLink
        }
    }
}
