import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "ViewLogic.js" as ViewLogic

// A text parameter with a fixed maximum length.
MenuEntryBase {
    id: view
    implicitHeight: 96

    readonly property string entryText: entry && entry.text !== undefined && entry.text !== null ? String(entry.text) : ""

    function restoreField() {
        textField.text = Qt.binding(function() { return view.entryText })
    }

    function acceptField() {
        var maxLength = view.entry ? view.entry.maxLength : undefined
        var decision = ViewLogic.textInput(textField.text, maxLength)
        if (!decision.accepted) {
            textField.forceActiveFocus()
            textField.select(decision.selectionStart, decision.selectionEnd)
            lengthHint.show(qsTr("Maximum length is ") + maxLength, 5000)
            return
        }
        if (view.entry)
            view.entry.setDataFromUserInput(textField.text)
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        spacing: 0

        Label {
            Layout.fillWidth: true
            Layout.topMargin: 6
            elide: Text.ElideRight
            text: view.label
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            TextField {
                id: textField
                objectName: "textEditField"
                Layout.fillWidth: true
                selectByMouse: true
                placeholderText: qsTr("Your text goes here")
                enabled: view.entry ? view.entry.valid !== false : false
                text: view.entryText
                Keys.onReturnPressed: view.acceptField()
                Keys.onEnterPressed: view.acceptField()

                ToolTip {
                    id: lengthHint
                    objectName: "textEditLengthHint"
                }
            }
            ToolButton {
                objectName: "textEditAccept"
                icon.source: "qrc:/icons/check.svg"
                enabled: textField.enabled
                onClicked: view.acceptField()
            }
            ToolButton {
                objectName: "textEditRestore"
                icon.source: "qrc:/icons/close.svg"
                enabled: textField.enabled
                onClicked: view.restoreField()
            }
        }
    }
}
