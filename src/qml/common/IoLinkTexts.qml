import QtQuick 2.15

// Texts of the device description in the language in use; bindings that call these functions follow a
// language change of the device binding.
QtObject {
    id: texts

    property var ioLink: null
    property int revision: 0
    // The language of the device texts: the user's choice until the binding announces one.
    property string language: typeof settings !== "undefined" && settings ? settings.language : ""

    property Connections languageWatch: Connections {
        target: texts.ioLink
        ignoreUnknownSignals: true
        function onCurrentLanguageChanged(newLanguage) {
            texts.language = newLanguage
            texts.revision++
        }
    }

    function text(textId) {
        texts.revision
        if (!texts.ioLink || textId === undefined || textId === null || textId === "")
            return ""
        return texts.ioLink.translate(String(textId))
    }

    function textList(textIds) {
        texts.revision
        if (!texts.ioLink || !textIds)
            return []
        var ids = []
        for (var i = 0; i < textIds.length; ++i)
            ids.push(String(textIds[i]))
        return texts.ioLink.translate(ids)
    }

    function unit(unitCode) {
        texts.revision
        if (!texts.ioLink || unitCode === undefined || unitCode === null || unitCode === "")
            return ""
        return texts.ioLink.translateUnit(unitCode)
    }

    function event(code) {
        texts.revision
        if (!texts.ioLink || code === undefined || code === null)
            return ""
        return texts.ioLink.translateEvent(code)
    }
}
