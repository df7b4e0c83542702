import QtQuick 2.15
import QtQuick.Controls 2.15

// A tab that takes no room while hidden.
TabButton {
    property bool shown: true

    visible: shown
    width: shown ? implicitWidth + 16 : 0
}
