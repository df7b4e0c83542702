import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// The table of a comparison (file against device) or of a restore report, with its summary.
Dialog {
    id: dialog
    objectName: "parameterTableDialog"

    property var controller: null
    readonly property bool report: controller ? controller.tableKind === "report" : false
    readonly property var table: controller ? controller.table : null

    signal exportRequested()

    parent: Overlay.overlay
    Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
    anchors.centerIn: parent
    width: parent ? Math.min(980, parent.width - 40) : 980
    height: parent ? parent.height - 40 : 560
    modal: true
    title: report ? qsTr("Restore report") : qsTr("Comparison with the parameter set")
    footer: DialogButtons {}

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        Label {
            objectName: "parameterTableSummary"
            Layout.fillWidth: true
            wrapMode: Text.Wrap
            font.bold: true
            color: dialog.report ? (dialog.controller.restored ? "#1b7a1b" : "#c00000") : "black"
            text: dialog.controller ? dialog.controller.summary : ""
        }
        Label {
            objectName: "parameterTableNotes"
            Layout.fillWidth: true
            visible: text !== ""
            wrapMode: Text.Wrap
            color: "#c00000"
            text: dialog.controller ? dialog.controller.notes : ""
        }
        RowLayout {
            Layout.fillWidth: true
            CheckBox {
                objectName: "onlyDifferencesCheck"
                visible: !dialog.report
                text: qsTr("Only differences")
                checked: dialog.table ? dialog.table.onlyDifferences : true
                onToggled: dialog.table.onlyDifferences = checked
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "exportCsvButton"
                flat: true
                text: qsTr("Export as CSV…")
                onClicked: dialog.exportRequested()
            }
        }

        // Column shares of the list below, not of this row: a row whose items follow its own width lays
        // itself out again and again.
        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            Label { Layout.preferredWidth: rows.width * 0.28; font.bold: true; text: qsTr("Parameter"); elide: Text.ElideRight }
            Label { Layout.preferredWidth: rows.width * 0.26; font.bold: true; text: qsTr("Value in the file"); elide: Text.ElideRight }
            Label { Layout.preferredWidth: rows.width * 0.26; font.bold: true; text: qsTr("Value in the device"); elide: Text.ElideRight }
            Label { Layout.fillWidth: true; font.bold: true; text: dialog.report ? qsTr("Result") : ""; elide: Text.ElideRight }
        }
        Rectangle { Layout.fillWidth: true; height: 1; color: "#e0e0e0" }

        ListView {
            id: rows
            objectName: "parameterTableRows"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: dialog.table
            ScrollBar.vertical: ScrollBar {}
            delegate: Rectangle {
                objectName: "parameterTableRow"
                width: rows.width
                height: rowLayout.implicitHeight + 8
                color: differs ? "#fdecec" : (index % 2 ? "#fafafa" : "white")
                RowLayout {
                    id: rowLayout
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 8
                    Label {
                        Layout.preferredWidth: rows.width * 0.28
                        wrapMode: Text.Wrap
                        text: name + "  (" + parameterIndex + ")"
                    }
                    Label { Layout.preferredWidth: rows.width * 0.26; wrapMode: Text.Wrap; text: fileText }
                    Label { Layout.preferredWidth: rows.width * 0.26; wrapMode: Text.Wrap; text: deviceText; font.bold: differs }
                    Label {
                        Layout.fillWidth: true
                        wrapMode: Text.Wrap
                        color: differs ? "#c00000" : "#1b7a1b"
                        text: detail !== "" ? status + ": " + detail : status
                    }
                }
            }
            Label {
                anchors.centerIn: parent
                visible: rows.count === 0
                text: dialog.report ? "" : qsTr("No differences.")
            }
        }
    }
}
