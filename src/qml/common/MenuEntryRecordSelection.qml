import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15

// An editable choice among named values.
MenuEntryBase {
    id: view
    implicitHeight: 56

    function entryIndex() {
        return view.entry && view.entry.currentIndex !== undefined ? view.entry.currentIndex : -1
    }

    function followEntry() {
        combo.currentIndex = Qt.binding(function() { return view.entryIndex() })
    }

    // The box is as wide as its longest choice, within half of the row and at least as wide as it always was.
    FontMetrics {
        id: choiceMetrics
        font: combo.font
    }
    readonly property real longestChoice: {
        var widest = 0
        var choices = combo.model || []
        for (var i = 0; i < choices.length; ++i)
            widest = Math.max(widest, choiceMetrics.advanceWidth(String(choices[i])))
        return Math.ceil(widest)
    }

    Timer {
        id: followTimer
        interval: 0
        onTriggered: view.followEntry()
    }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        spacing: 12

        Label {
            Layout.fillWidth: true
            elide: Text.ElideRight
            text: view.label
        }
        ComboBox {
            id: combo
            objectName: "recordSelectionCombo"
            Layout.preferredWidth: Math.max(300, Math.min(view.longestChoice + 64, view.width * 0.6))
            // The open list shows every choice whole where the window allows.
            popup.width: Math.max(width, Math.min(view.longestChoice + 48, view.Window.width > 0 ? view.Window.width - 24 : width))
            model: view.entry ? view.texts.textList(view.entry.textIds) : []
            currentIndex: view.entryIndex()
            enabled: view.entry ? view.entry.valid !== false : false
            // Long names end in an ellipsis instead of being cut off.
            contentItem: Label {
                leftPadding: 12
                rightPadding: 4
                text: combo.displayText
                font: combo.font
                elide: Text.ElideRight
                verticalAlignment: Text.AlignVCenter
                color: combo.enabled ? combo.Material.foreground : combo.Material.hintTextColor
            }
            // New texts (another language) reset the box; the entry still knows its choice.
            onModelChanged: followTimer.restart()
            onActivated: {
                if (view.entry && view.entry.command) {
                    // A command runs only once confirmed; until then the box shows the device's value.
                    confirmDialog.chosenIndex = index
                    confirmDialog.commandName = combo.textAt(index)
                    view.followEntry()
                    confirmDialog.open()
                    return
                }
                if (view.entry)
                    view.entry.setDataFromUserInput(index)
                view.followEntry()
            }
        }
    }

    CommandConfirmDialog {
        id: confirmDialog
        property int chosenIndex: -1
        deviceName: view.ioLink && view.ioLink.deviceName ? view.ioLink.deviceName() : ""
        onAccepted: {
            if (view.entry && chosenIndex >= 0)
                view.entry.setDataFromUserInput(chosenIndex)
            view.followEntry()
        }
        onRejected: view.followEntry()
    }
}
