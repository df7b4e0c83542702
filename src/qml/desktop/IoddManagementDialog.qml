import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// The IODD catalogue: the files found in the search folder and the details of the chosen one.
Dialog {
    id: dialog
    objectName: "ioddDialog"

    property var catalogue: null
    readonly property int count: catalogue ? catalogue.count : 0
    property var selectedEntry: null
    readonly property string unknown: qsTr("Unknown")

    function select(row) {
        ioddList.currentIndex = row
        dialog.selectedEntry = dialog.catalogue && row >= 0 ? dialog.catalogue.getEntry(row) : null
    }

    parent: Overlay.overlay
    // The software renderer cannot draw the shadow layer and would drop the whole background with it.
    Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
    anchors.centerIn: parent
    width: Math.min(1200, parent ? parent.width - 20 : 1200)
    height: Math.min(800, parent ? parent.height - 20 : 800)
    modal: true
    title: qsTr("IODD Management")
    footer: DialogButtons {}
    padding: 0
    topPadding: 0

    onOpened: select(count > 0 ? Math.max(0, ioddList.currentIndex) : -1)

    Connections {
        target: dialog.catalogue
        ignoreUnknownSignals: true
        // The entries are replaced on every rescan.
        function onModelAboutToBeReset() { dialog.selectedEntry = null }
        function onModelReset() { dialog.select(dialog.count > 0 ? 0 : -1) }
    }

    IoddFolderDialog {
        id: folderDialog
        catalogue: dialog.catalogue
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 0

            ColumnLayout {
                Layout.preferredWidth: 400
                Layout.maximumWidth: 400
                Layout.fillHeight: true
                spacing: 0

                RowLayout {
                    Layout.fillWidth: true
                    Layout.leftMargin: 16
                    Layout.rightMargin: 4
                    Label {
                        Layout.fillWidth: true
                        font.bold: true
                        text: qsTr("IODDs available").toUpperCase()
                    }
                    ToolButton {
                        objectName: "ioddFolderButton"
                        icon.source: "qrc:/icons/folder_open.svg"
                        ToolTip.visible: hovered
                        ToolTip.text: qsTr("Choose the IODD folder.")
                        onClicked: folderDialog.open()
                    }
                    BusyIndicator {
                        objectName: "ioddScanning"
                        Layout.preferredWidth: 32
                        Layout.preferredHeight: 32
                        visible: running
                        running: dialog.catalogue !== null && dialog.catalogue.scanning === true
                    }
                    ToolButton {
                        objectName: "ioddRefreshButton"
                        enabled: dialog.catalogue !== null && dialog.catalogue.scanning !== true
                        icon.source: "qrc:/icons/refresh.svg"
                        ToolTip.visible: hovered
                        ToolTip.text: qsTr("Read the IODD folder again.")
                        onClicked: dialog.catalogue.rescan()
                    }
                }

                IoddPackageActions {
                    Layout.fillWidth: true
                    Layout.leftMargin: 8
                    packages: typeof ioddPackages !== "undefined" ? ioddPackages : null
                    selectedEntry: dialog.selectedEntry
                }

                TextField {
                    id: ioddFilter
                    objectName: "ioddFilter"
                    Layout.fillWidth: true
                    Layout.leftMargin: 16
                    Layout.rightMargin: 16
                    selectByMouse: true
                    placeholderText: qsTr("Filter by vendor, product or file")
                }

                ListView {
                    id: ioddList
                    objectName: "ioddList"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    clip: true
                    model: dialog.catalogue
                    highlightMoveDuration: 0
                    highlight: Rectangle { color: "#fde8e8" }
                    ScrollBar.vertical: ScrollBar { id: ioddScroll }
                    delegate: ItemDelegate {
                        readonly property bool matches: ViewLogic.matchesFilter(ioddFilter.text,
                                                                                [model.vendorName, model.productName, model.name])
                        objectName: "ioddRow_" + index
                        readonly property string symbolPath: model.deviceSymbolPath ? model.deviceSymbolPath : ""
                        width: ioddList.width - (ioddScroll.visible ? ioddScroll.width : 0)
                        height: matches ? 64 : 0
                        visible: matches
                        onClicked: dialog.select(index)
                        contentItem: RowLayout {
                            spacing: 12
                            Image {
                                Layout.preferredWidth: 48
                                Layout.preferredHeight: 48
                                sourceSize: Qt.size(48, 48)
                                fillMode: Image.PreserveAspectFit
                                source: model.deviceIconPath ? ViewLogic.fileUrl(model.deviceIconPath) : "qrc:/icons/usb_black_24dp.svg"
                            }
                            ColumnLayout {
                                Layout.fillWidth: true
                                spacing: 0
                                Label {
                                    objectName: "ioddRowProduct"
                                    Layout.fillWidth: true
                                    elide: Text.ElideRight
                                    text: model.productName
                                }
                                Label {
                                    Layout.fillWidth: true
                                    elide: Text.ElideRight
                                    color: "#606060"
                                    font.pixelSize: 12
                                    text: model.vendorName
                                }
                            }
                        }
                    }
                    Label {
                        objectName: "ioddNoMatch"
                        anchors.centerIn: parent
                        width: parent.width - 32
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        color: "#808080"
                        visible: ioddFilter.text.trim() !== "" && ioddList.contentHeight < 1
                        text: qsTr("No IODD matches the filter.")
                    }
                }
            }

            Rectangle {
                Layout.preferredWidth: 1
                Layout.fillHeight: true
                color: "#e0e0e0"
            }

            Item {
                Layout.fillWidth: true
                Layout.fillHeight: true

                ColumnLayout {
                    objectName: "ioddDetails"
                    anchors.fill: parent
                    anchors.margins: 16
                    visible: dialog.selectedEntry !== null
                    spacing: 8

                    Label { font.bold: true; font.pixelSize: 16; text: qsTr("Device Details") }
                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 16
                        ColumnLayout {
                            id: detailColumn
                            readonly property real titleWidth: Math.max(detailProduct.titleImplicitWidth, detailVendor.titleImplicitWidth,
                                                                        detailVersion.titleImplicitWidth, detailDevice.titleImplicitWidth,
                                                                        detailVendorId.titleImplicitWidth)
                            Layout.fillWidth: true
                            Layout.alignment: Qt.AlignTop
                            spacing: 8
                            IdentityField {
                                id: detailProduct
                                objectName: "ioddProductName"
                                Layout.fillWidth: true
                                titleWidth: detailColumn.titleWidth
                                title: qsTr("Product Name")
                                value: dialog.selectedEntry ? ViewLogic.orUnknown(dialog.selectedEntry.productName, dialog.unknown) : ""
                            }
                            IdentityField {
                                id: detailVendor
                                Layout.fillWidth: true
                                titleWidth: detailColumn.titleWidth
                                title: qsTr("Vendor Name")
                                value: dialog.selectedEntry ? ViewLogic.orUnknown(dialog.selectedEntry.vendorName, dialog.unknown) : ""
                            }
                            IdentityField {
                                id: detailVersion
                                Layout.fillWidth: true
                                titleWidth: detailColumn.titleWidth
                                title: qsTr("IODD Version")
                                value: dialog.selectedEntry ? ViewLogic.orUnknown(dialog.selectedEntry.ioddVersion, dialog.unknown) + ", "
                                                              + ViewLogic.orUnknown(dialog.selectedEntry.ioddReleaseDate, dialog.unknown) : ""
                            }
                            IdentityField {
                                id: detailDevice
                                Layout.fillWidth: true
                                titleWidth: detailColumn.titleWidth
                                title: qsTr("Device ID")
                                value: dialog.selectedEntry ? String(dialog.selectedEntry.deviceId) : ""
                            }
                            IdentityField {
                                id: detailVendorId
                                Layout.fillWidth: true
                                titleWidth: detailColumn.titleWidth
                                title: qsTr("Vendor ID")
                                value: dialog.selectedEntry ? String(dialog.selectedEntry.vendorId) : ""
                            }
                        }
                        Image {
                            Layout.preferredWidth: 160
                            Layout.preferredHeight: 160
                            sourceSize: Qt.size(160, 160)
                            fillMode: Image.PreserveAspectFit
                            source: dialog.selectedEntry && ioddList.currentItem && ioddList.currentItem.symbolPath !== ""
                                    ? ViewLogic.fileUrl(ioddList.currentItem.symbolPath) : ""
                        }
                    }

                    Label { Layout.topMargin: 8; font.bold: true; font.pixelSize: 16; text: qsTr("IODD Content") }
                    ListView {
                        objectName: "ioddFiles"
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        clip: true
                        model: dialog.selectedEntry ? dialog.selectedEntry.files : []
                        ScrollBar.vertical: ScrollBar {}
                        delegate: Label {
                            height: 24
                            text: modelData
                        }
                    }
                }

                ColumnLayout {
                    objectName: "ioddInstallHint"
                    anchors.centerIn: parent
                    width: parent.width - 64
                    visible: dialog.count === 0
                    spacing: 16
                    Label {
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        font.bold: true
                        font.pixelSize: 18
                        text: qsTr("No IODDs found in current search path")
                    }
                    Label {
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: qsTr("Please install the Korvell IODD package and select the folder containing the IODDs. Without IODDs you will not be able to connect to any IOLink devices.")
                    }
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: "#e0e0e0"
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 12
            spacing: 6
            Label { text: qsTr("Found") }
            Label { objectName: "ioddCount"; font.bold: true; text: dialog.count }
            Label { text: qsTr("IODDs in") }
            Label {
                objectName: "ioddSearchPath"
                Layout.fillWidth: true
                elide: Text.ElideMiddle
                font.bold: true
                text: dialog.catalogue ? dialog.catalogue.ioddSearchPath : ""
            }
        }
    }
}
