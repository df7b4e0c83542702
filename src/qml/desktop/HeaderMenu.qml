import QtQuick 2.15
import QtQuick.Controls 2.15

// A menu of the header, as wide as its longest entry (the style would cut long entries at a fixed width).
Menu {
    id: menu

    contentWidth: {
        var widest = 0
        for (var i = 0; i < menu.count; ++i) {
            var entry = menu.itemAt(i)
            if (entry)
                widest = Math.max(widest, entry.implicitWidth)
        }
        return widest
    }
}
