import QtQuick 2.15

// What every menu entry view has: its entry, the device binding for texts, and the row's layout.
Item {
    id: base

    property var entry: null
    property var ioLink: null
    readonly property alias texts: entryTexts
    readonly property string label: entry ? entryTexts.text(entry.textId) : ""
    readonly property string unitText: entry ? entryTexts.unit(entry.unit) : ""

    implicitHeight: 48

    IoLinkTexts {
        id: entryTexts
        ioLink: base.ioLink
    }
}
