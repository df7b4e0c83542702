import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common" as OvinexCommon
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// Who the selected device is, from the device list and its IODD, above its identification menu.
Item {
    id: page
    objectName: "identificationPage"

    property var devices: null
    property var currentDevice: null
    property var ioLink: null
    property string menuId: ""

    readonly property bool hasSelection: devices ? devices.currentIndex >= 0 : false
    readonly property var item: hasSelection ? devices.selectedItem : null
    readonly property var entry: item ? item.ioddEntry : null
    readonly property string unknown: qsTr("Unknown")

    function shown(value) {
        return ViewLogic.orUnknown(value, page.unknown)
    }

    Label {
        objectName: "noDeviceText"
        anchors.centerIn: parent
        visible: !page.hasSelection
        horizontalAlignment: Text.AlignHCenter
        text: qsTr("No device selected.\nPlease select a device from the list on the left.")
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        visible: page.hasSelection
        spacing: 12

        RowLayout {
            Layout.fillWidth: true
            spacing: 24

            ColumnLayout {
                id: leftColumn
                readonly property real titleWidth: Math.max(productName.titleImplicitWidth, vendorName.titleImplicitWidth,
                                                            productId.titleImplicitWidth, ioddVersion.titleImplicitWidth,
                                                            ioddChoice.titleImplicitWidth)
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                Layout.alignment: Qt.AlignTop
                spacing: 8

                IdentityField {
                    id: productName
                    objectName: "productName"
                    Layout.fillWidth: true
                    titleWidth: leftColumn.titleWidth
                    title: qsTr("Product Name")
                    value: page.shown(page.item ? page.item.productName : "")
                }
                IdentityField {
                    id: vendorName
                    objectName: "vendorName"
                    Layout.fillWidth: true
                    titleWidth: leftColumn.titleWidth
                    title: qsTr("Vendor Name")
                    value: page.shown(page.item ? page.item.vendorName : "")
                }
                IdentityField {
                    id: productId
                    objectName: "productId"
                    Layout.fillWidth: true
                    titleWidth: leftColumn.titleWidth
                    title: qsTr("Product ID")
                    value: page.shown(page.item ? page.item.productId : "")
                }
                IdentityField {
                    id: ioddVersion
                    objectName: "ioddVersion"
                    Layout.fillWidth: true
                    titleWidth: leftColumn.titleWidth
                    title: qsTr("IODD Version")
                    value: page.entry ? page.shown(page.entry.ioddVersion) + ", " + page.shown(page.entry.ioddReleaseDate) : page.unknown
                }
            }

            ColumnLayout {
                id: rightColumn
                readonly property real titleWidth: Math.max(deviceId.titleImplicitWidth, vendorId.titleImplicitWidth,
                                                            serialNumber.titleImplicitWidth,
                                                            multipleIodd.visible ? multipleIodd.titleImplicitWidth : 0)
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                Layout.alignment: Qt.AlignTop
                spacing: 8

                IdentityField {
                    id: deviceId
                    objectName: "deviceId"
                    Layout.fillWidth: true
                    titleWidth: rightColumn.titleWidth
                    title: qsTr("Device ID")
                    value: page.shown(page.entry ? page.entry.deviceId : "")
                }
                IdentityField {
                    id: vendorId
                    objectName: "vendorId"
                    Layout.fillWidth: true
                    titleWidth: rightColumn.titleWidth
                    title: qsTr("Vendor ID")
                    value: page.shown(page.entry ? page.entry.vendorId : "")
                }
                IdentityField {
                    id: serialNumber
                    objectName: "serialNumber"
                    Layout.fillWidth: true
                    titleWidth: rightColumn.titleWidth
                    title: qsTr("Serial Number")
                    value: page.shown(page.item ? page.item.serialNumber : "")
                }
                IdentityField {
                    id: multipleIodd
                    objectName: "multipleIodd"
                    Layout.fillWidth: true
                    visible: page.item ? page.item.multipleIODD === true : false
                    titleWidth: rightColumn.titleWidth
                    title: qsTr("Multiple IODDs found")
                    value: qsTr("Using latest version")
                }
            }

            Image {
                objectName: "deviceSymbol"
                Layout.preferredWidth: 160
                Layout.preferredHeight: 160
                Layout.alignment: Qt.AlignTop
                sourceSize: Qt.size(160, 160)
                fillMode: Image.PreserveAspectFit
                source: page.item && page.item.deviceSymbol ? ViewLogic.fileUrl(page.item.deviceSymbol) : ""
            }
        }

        // Below both columns: file names are long.
        IoddChoiceFields {
            id: ioddChoice
            Layout.fillWidth: true
            titleWidth: leftColumn.titleWidth
            catalogue: typeof ioddModel !== "undefined" ? ioddModel : null
            productId: page.item ? page.item.productId : ""
        }

        RowLayout {
            Layout.fillWidth: true
            visible: page.currentDevice !== null && page.currentDevice !== undefined

            Item { Layout.fillWidth: true }
            Button {
                objectName: "communicationButton"
                flat: true
                text: qsTr("Communication")
                onClicked: communicationDialog.open()
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: "#e0e0e0"
        }

        OvinexCommon.MenuView {
            objectName: "identificationMenu"
            Layout.fillWidth: true
            Layout.fillHeight: true
            ioLink: page.ioLink
            menuId: page.menuId
        }
    }

    CommunicationDialog {
        id: communicationDialog
        currentDevice: page.currentDevice
    }
}
