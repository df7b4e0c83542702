import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import Qt.labs.platform 1.1 as Platform

// Import and remove for the IODD catalogue: a file dialog for packages, a confirmation before anything is deleted.
RowLayout {
    id: actions

    property var packages: null
    property var selectedEntry: null
    property string removalError: ""

    spacing: 8

    // The window's overlay is taken when a dialog opens: as a binding, a language change while the management
    // dialog is closed (no window, no overlay) re-evaluated it to nothing, and the dialog never showed again.
    function openOverWindow(dialog) {
        dialog.parent = Overlay.overlay
        dialog.open()
    }

    Button {
        objectName: "ioddImportButton"
        flat: true
        enabled: actions.packages !== null && !actions.packages.busy
        icon.source: "qrc:/icons/folder_open.svg"
        text: qsTr("Import…")
        ToolTip.visible: hovered
        ToolTip.text: qsTr("Import IODD packages (.zip) or IODD files (.xml) into the IODD folder.")
        onClicked: importDialog.open()
    }
    Button {
        objectName: "ioddRemoveButton"
        flat: true
        enabled: actions.packages !== null && actions.selectedEntry !== null
        text: qsTr("Remove…")
        onClicked: {
            removeDialog.ioddPath = actions.selectedEntry.ioddPath
            removeDialog.targets = actions.packages.removalTargets(removeDialog.ioddPath)
            actions.removalError = ""
            actions.openOverWindow(removeDialog)
        }
    }
    Item { Layout.fillWidth: true }

    Platform.FileDialog {
        id: importDialog
        title: qsTr("Import IODDs")
        fileMode: Platform.FileDialog.OpenFiles
        nameFilters: [qsTr("IODD packages and files (*.zip *.xml)"), qsTr("All files (*)")]
        onAccepted: actions.packages.importFiles(importDialog.files)
    }

    Dialog {
        id: removeDialog
        objectName: "ioddRemoveDialog"

        property string ioddPath: ""
        property var targets: []

        Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
        anchors.centerIn: parent
        width: Math.min(640, parent ? parent.width - 40 : 640)
        modal: true
        z: 10
        title: qsTr("Remove IODD")
        footer: DialogButtonBox {
            Button {
                objectName: "ioddRemoveConfirmButton"
                flat: true
                visible: removeDialog.targets.length > 0
                text: qsTr("Remove")
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
            Button {
                flat: true
                text: qsTr("Cancel")
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
        }

        onAccepted: {
            actions.removalError = actions.packages.remove(removeDialog.ioddPath)
            if (actions.removalError !== "")
                actions.openOverWindow(removeErrorDialog)
        }

        ColumnLayout {
            width: removeDialog.availableWidth
            spacing: 8
            Label {
                objectName: "ioddRemoveQuestion"
                Layout.fillWidth: true
                wrapMode: Text.Wrap
                text: removeDialog.targets.length === 0
                      ? qsTr("%1 lies outside the IODD folder and is not removed.").arg(removeDialog.ioddPath)
                      : qsTr("Remove the IODD %1? These will be deleted from the disk:").arg(removeDialog.ioddPath.split("/").pop())
            }
            Label {
                objectName: "ioddRemoveTargets"
                Layout.fillWidth: true
                wrapMode: Text.WrapAnywhere
                font.bold: true
                maximumLineCount: 8
                elide: Text.ElideRight
                text: removeDialog.targets.join("\n")
            }
        }
    }

    Dialog {
        id: removeErrorDialog
        objectName: "ioddRemoveErrorDialog"
        anchors.centerIn: parent
        width: Math.min(560, parent ? parent.width - 40 : 560)
        modal: true
        z: 10
        title: qsTr("IODD not removed")
        footer: DialogButtons {}
        Label {
            width: removeErrorDialog.availableWidth
            wrapMode: Text.Wrap
            text: actions.removalError
        }
    }
}
