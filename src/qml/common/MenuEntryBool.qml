import QtQuick 2.15
import QtQuick.Controls 2.15

// A switchable parameter.
MenuEntryBase {
    id: view

    CheckBox {
        id: checkBox
        objectName: "boolCheckBox"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        text: view.label
        enabled: view.entry ? view.entry.valid : false
        checked: view.entry ? view.entry.actValue === true : false
        onClicked: {
            if (view.entry)
                view.entry.setDataFromUserInput(checked)
            // The entry's value decides from now on, not the click.
            checked = Qt.binding(function() { return view.entry ? view.entry.actValue === true : false })
        }
    }
}
