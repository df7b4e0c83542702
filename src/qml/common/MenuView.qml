import QtQuick 2.15
import QtQuick.Controls 2.15

// The entries of one device menu, each shown by the view its entry names.
ListView {
    id: menuView

    property var ioLink: null
    property string menuId: ""
    property bool reversed: false
    // Nested in a sub-menu: as high as its rows, scrolled by the outer list.
    property bool nested: false
    readonly property var menu: ioLink && menuId !== "" ? ioLink.getMenu(menuId) : null

    model: menu ? (reversed ? menu.reversedEntryModel : menu.entryModel) : null
    clip: !nested
    interactive: !nested
    implicitHeight: nested ? contentHeight : 200
    // Keeps rows alive so that expanding a sub-menu does not disturb scrolling.
    cacheBuffer: 6000
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar { id: scrollBar; policy: menuView.nested ? ScrollBar.AlwaysOff : ScrollBar.AsNeeded }
    // The rows leave the scroll bar a lane of its own, so that it covers no value.
    readonly property real rowWidth: width - (!nested && scrollBar.visible ? scrollBar.width : 0)

    delegate: Loader {
        id: row

        readonly property var rowEntry: model.entry
        readonly property bool entryVisible: rowEntry ? rowEntry.visible !== false : false

        // Lets tests and tools find the row of one entry.
        objectName: "menuRow_" + (rowEntry ? rowEntry.id : "")
        width: menuView.rowWidth
        height: entryVisible && item ? item.implicitHeight : 0
        visible: entryVisible
        active: rowEntry !== null && rowEntry !== undefined
        // The pages not on screen are built a slice at a time, so that connecting a device with large menus
        // does not hold the window up; a page brought on screen finishes its rows at once.
        asynchronous: !menuView.visible

        function viewFile() {
            var file = rowEntry && rowEntry.qmlFileName ? String(rowEntry.qmlFileName) : ""
            return file !== "" ? file : "qrc:/qml/common/MenuEntryUndefined.qml"
        }

        Component.onCompleted: {
            console.debug("Menu row created:", rowEntry ? rowEntry.id : "")
            if (active)
                setSource(viewFile(), { "entry": rowEntry, "ioLink": menuView.ioLink })
        }
        Component.onDestruction: console.debug("Menu row destroyed:", rowEntry ? rowEntry.id : "")
    }
}
