import QtQuick 2.15
import QtQuick.Controls 2.15

// What every menu entry view has: its entry, the device binding for texts, and the row's layout.
Item {
    id: base

    property var entry: null
    property var ioLink: null
    readonly property alias texts: entryTexts
    readonly property string label: entry ? entryTexts.text(entry.textId) + (entry.nameSuffix ? entry.nameSuffix : "") : ""
    readonly property string unitText: entry ? entryTexts.unit(entry.unit) : ""
    // The device description's own explanation of the value, shown when the pointer rests on the row.
    readonly property string descriptionText: entry && entry.descriptionTextId ? entryTexts.text(entry.descriptionTextId) : ""

    // A view whose row holds other rows (a group) shows the description on its own title instead.
    property bool describesWholeRow: true

    implicitHeight: 48

    ToolTip.visible: describesWholeRow && descriptionText !== "" && rowHover.hovered
    ToolTip.delay: 700
    ToolTip.timeout: 10000
    ToolTip.text: descriptionText

    HoverHandler {
        id: rowHover
    }

    IoLinkTexts {
        id: entryTexts
        ioLink: base.ioLink
    }
}
