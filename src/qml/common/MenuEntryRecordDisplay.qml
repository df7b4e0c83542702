import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// A read-only choice, shown by the name of its current value.
MenuEntryBase {
    id: view
    implicitHeight: 40

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
        Label {
            objectName: "recordDisplayValue"
            font.bold: true
            text: {
                if (!view.entry || view.entry.value === undefined || view.entry.value === null || view.entry.value === "")
                    return "?"
                // A value outside the named choices has no text to look up.
                if (view.entry.value === "undefined")
                    return "\u2013"
                var shown = view.texts.text(view.entry.value)
                return shown !== "" ? shown : "?"
            }
        }
    }
}
