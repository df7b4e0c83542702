import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// One device of the list: its icon, name, address and hints, and the button that connects it.
ItemDelegate {
    id: row
    objectName: "deviceRow_" + index

    property var devices: null
    property var filteredDevices: null
    property var currentDevice: null
    property bool buttonsEnabled: true

    readonly property int sourceRow: filteredDevices ? filteredDevices.getSourceRow(index) : index
    readonly property bool isConnected: model.connected === true
    readonly property bool isConnecting: model.connecting === true
    // With a device in use only its own row reacts.
    readonly property bool reacts: !currentDevice || isConnected || isConnecting
    readonly property bool showsConnect: model.hasIODD === true && !currentDevice
    readonly property string hints: ViewLogic.deviceHints(model.address, model.isIOLinkDevice === true, model.hasIODD === true,
                                                          model.multipleIODD === true, {
                                                              "notAccessible": qsTr("(Sensor not accessible)"),
                                                              "missingIodd": qsTr("(Missing IODD)"),
                                                              "latestIodd": qsTr("(Latest IODD)")
                                                          })

    height: 50
    padding: 0
    leftPadding: 12
    rightPadding: 8
    enabled: reacts
    hoverEnabled: reacts

    onClicked: {
        if (row.reacts && row.devices)
            row.devices.currentIndex = row.sourceRow
    }

    contentItem: RowLayout {
        spacing: 12

        Image {
            Layout.preferredWidth: 32
            Layout.preferredHeight: 32
            sourceSize: Qt.size(32, 32)
            fillMode: Image.PreserveAspectFit
            source: model.icon ? ViewLogic.fileUrl(model.icon) : "qrc:/icons/usb_black_24dp.svg"
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 0

            Label {
                objectName: "deviceName"
                Layout.fillWidth: true
                elide: Text.ElideRight
                text: model.name ? model.name : ""
            }
            Label {
                objectName: "deviceHints"
                Layout.fillWidth: true
                elide: Text.ElideRight
                font.pixelSize: 11
                color: "#808080"
                text: row.hints
            }
        }

        BusyIndicator {
            objectName: "connectingIndicator"
            Layout.preferredWidth: 32
            Layout.preferredHeight: 32
            visible: row.isConnecting
            running: row.isConnecting
        }

        Button {
            objectName: row.isConnected ? "disconnectButton" : "connectButton"
            Layout.preferredHeight: 40
            visible: row.isConnected || row.showsConnect
            enabled: row.buttonsEnabled
            // Flat in both states: a raised button's shadow layer is lost on software rendering, and its text with it.
            flat: true
            highlighted: row.isConnected
            text: row.isConnected ? qsTr("Disconnect") : qsTr("Connect")
            onClicked: {
                if (!row.devices)
                    return
                if (row.isConnected) {
                    row.devices.disconnectCurrentDevice()
                } else {
                    row.devices.currentIndex = row.sourceRow
                    row.devices.connectToDevice(row.sourceRow)
                }
            }
        }
    }
}
