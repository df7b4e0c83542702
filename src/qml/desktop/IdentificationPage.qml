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
    readonly property string selectedId: devices && devices.selectedId !== undefined ? devices.selectedId : ""

    // What was read of the selected device, kept while the list is read again (after a disconnect) and
    // shown grey until the device is listed again or another one is chosen.
    // Read after the item's announcements, not in a binding: reading the item may announce again.
    property var liveIdentity: null
    property var rememberedIdentity: null
    function refreshIdentity() {
        var live = page.item
        page.liveIdentity = live && !ViewLogic.isEmptyValue(live.productName) ? {
            "id": page.selectedId,
            "productName": live.productName, "vendorName": live.vendorName, "productId": live.productId,
            "serialNumber": live.serialNumber, "deviceSymbol": live.deviceSymbol, "multipleIODD": live.multipleIODD === true,
            "ioddVersion": live.ioddEntry ? page.shown(live.ioddEntry.ioddVersion) + ", " + page.shown(live.ioddEntry.ioddReleaseDate) : page.unknown,
            "deviceId": live.ioddEntry ? live.ioddEntry.deviceId : "", "vendorId": live.ioddEntry ? live.ioddEntry.vendorId : ""
        } : null
        if (page.liveIdentity)
            page.rememberedIdentity = page.liveIdentity
    }
    onItemChanged: Qt.callLater(page.refreshIdentity)
    onSelectedIdChanged: Qt.callLater(page.refreshIdentity)
    Connections {
        target: page.item
        ignoreUnknownSignals: true
        function onAttributeChanged() { Qt.callLater(page.refreshIdentity) }
    }
    readonly property bool fromMemory: !liveIdentity && rememberedIdentity !== null && rememberedIdentity.id === selectedId
                                       && selectedId !== ""
    readonly property var identity: liveIdentity ? liveIdentity : fromMemory ? rememberedIdentity : null

    function shown(value) {
        return ViewLogic.orUnknown(value, page.unknown)
    }

    function field(name) {
        return page.identity ? page.shown(page.identity[name]) : page.unknown
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
                    stale: page.fromMemory
                    value: page.field("productName")
                }
                IdentityField {
                    id: vendorName
                    objectName: "vendorName"
                    Layout.fillWidth: true
                    titleWidth: leftColumn.titleWidth
                    title: qsTr("Vendor Name")
                    stale: page.fromMemory
                    value: page.field("vendorName")
                }
                IdentityField {
                    id: productId
                    objectName: "productId"
                    Layout.fillWidth: true
                    titleWidth: leftColumn.titleWidth
                    title: qsTr("Product ID")
                    stale: page.fromMemory
                    value: page.field("productId")
                }
                IdentityField {
                    id: ioddVersion
                    objectName: "ioddVersion"
                    Layout.fillWidth: true
                    titleWidth: leftColumn.titleWidth
                    title: qsTr("IODD Version")
                    stale: page.fromMemory
                    value: page.identity ? page.identity.ioddVersion : page.unknown
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
                    stale: page.fromMemory
                    value: page.field("deviceId")
                }
                IdentityField {
                    id: vendorId
                    objectName: "vendorId"
                    Layout.fillWidth: true
                    titleWidth: rightColumn.titleWidth
                    title: qsTr("Vendor ID")
                    stale: page.fromMemory
                    value: page.field("vendorId")
                }
                IdentityField {
                    id: serialNumber
                    objectName: "serialNumber"
                    Layout.fillWidth: true
                    titleWidth: rightColumn.titleWidth
                    title: qsTr("Serial Number")
                    stale: page.fromMemory
                    value: page.field("serialNumber")
                }
                IdentityField {
                    id: multipleIodd
                    objectName: "multipleIodd"
                    Layout.fillWidth: true
                    visible: page.identity ? page.identity.multipleIODD === true : false
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
                opacity: page.fromMemory ? 0.4 : 1
                source: page.identity && page.identity.deviceSymbol ? ViewLogic.fileUrl(page.identity.deviceSymbol) : ""
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
