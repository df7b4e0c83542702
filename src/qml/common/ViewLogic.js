.pragma library

// Formatting and input rules shared by the views; kept free of items so that they can be tested on their own.

function isEmptyValue(value) {
    return value === undefined || value === null || value === "";
}

// A number with a fixed count of decimals in the given locale; "?" when there is nothing to show.
function formatNumber(value, digits, locale) {
    if (isEmptyValue(value))
        return "?";
    var number = Number(value);
    if (isNaN(number))
        return String(value);
    var decimals = Math.max(0, Math.floor(Number(digits) || 0));
    if (locale === undefined || locale === null)
        return number.toFixed(decimals);
    return number.toLocaleString(locale, "f", decimals);
}

function fromLocale(text, locale) {
    if (locale === undefined || locale === null)
        return NaN;
    try {
        return Number.fromLocaleString(locale, text);
    } catch (error) {
        return NaN;
    }
}

// Reads a number typed in the given locale; then, where that reading fails, in the interface language's
// locale (a German interface on an English system takes "1,5"), and last in the C form. A text that reads
// in the first locale keeps that reading, so "1,500" stays fifteen hundred on an English system.
function parseNumber(text, locale, interfaceLocale) {
    var trimmed = String(text === undefined || text === null ? "" : text).trim();
    if (trimmed === "")
        return NaN;
    var number = fromLocale(trimmed, locale);
    if (isNaN(number))
        number = fromLocale(trimmed, interfaceLocale);
    if (!isNaN(number))
        return number;
    if (!/^[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?$/.test(trimmed))
        return NaN;
    return Number(trimmed);
}

// The decision for a number typed into a slider's field: accepted within the limits, otherwise the
// slider's current value comes back.
function sliderInput(text, lowerLimit, upperLimit, currentValue, locale, interfaceLocale) {
    var number = parseNumber(text, locale, interfaceLocale);
    var lower = Math.min(Number(lowerLimit), Number(upperLimit));
    var upper = Math.max(Number(lowerLimit), Number(upperLimit));
    if (isNaN(number) || number < lower || number > upper)
        return { accepted: false, value: Number(currentValue) };
    return { accepted: true, value: number };
}

// The decision for a text typed into a text field: refused when longer than allowed, with the excess
// to select.
function textInput(text, maxLength) {
    var value = String(text === undefined || text === null ? "" : text);
    var limit = Number(maxLength);
    if (isNaN(limit) || limit < 0 || value.length <= limit)
        return { accepted: true, selectionStart: value.length, selectionEnd: value.length };
    return { accepted: false, selectionStart: limit, selectionEnd: value.length };
}

// The address of a master port for people: COM7 reads "COM Port 7". Addresses that already read
// well, such as a network master's "192.168.1.50 Port 3", stay as they are.
function addressText(address) {
    if (isEmptyValue(address))
        return "";
    var text = String(address);
    if (!/^[A-Za-z]{3}[0-9]+$/.test(text))
        return text;
    return text.substring(0, 3) + " Port " + text.substring(3);
}

// The grey line under a device's name: its address and what keeps it from being connected.
function deviceHints(address, isIOLinkDevice, hasIODD, multipleIODD, texts) {
    var parts = []
    var shownAddress = addressText(address)
    if (shownAddress !== "")
        parts.push(shownAddress)
    if (!isIOLinkDevice)
        parts.push(texts.notAccessible)
    else if (!hasIODD)
        parts.push(texts.missingIodd)
    if (multipleIODD)
        parts.push(texts.latestIodd)
    return parts.join("  ")
}

// printf-style format for axis labels with the given decimals.
function axisLabelFormat(digits) {
    return "%." + Math.max(0, Math.floor(Number(digits) || 0)) + "f";
}

// The time axis shows minutes once the window reaches a minute. Below, seconds with their fraction and
// without a leading zero: a single "z" is the milliseconds without trailing zeros, so 7.5 s reads "7.5 s".
function timeLabelFormat(maxAxisMs) {
    return Number(maxAxisMs) >= 60000 ? "m:ss" : "s.z' s'";
}

// Ticks of a value axis on round steps (1, 2, 2.5 or 5 times a power of ten), at most maxTicks of them
// within the range and none finer than the shown decimals; decimals is what the labels need to tell
// the ticks apart.
function axisTicks(minY, maxY, digits, maxTicks) {
    var low = Number(minY), high = Number(maxY);
    var shown = Math.max(0, Math.floor(Number(digits) || 0));
    var most = Math.max(2, Math.floor(Number(maxTicks) || 6));
    var span = high - low;
    if (isNaN(span) || !isFinite(span) || span <= 0)
        return { interval: 1, anchor: isNaN(low) ? 0 : low, decimals: shown };
    var finest = Math.pow(10, -shown);
    var raw = Math.max(span / (most - 1), finest);
    var power = Math.pow(10, Math.floor(Math.log(raw) / Math.LN10));
    var factors = [1, 2, 2.5, 5, 10];
    var interval = power * 10;
    for (var i = 0; i < factors.length; ++i) {
        var candidate = power * factors[i];
        // A quarter step would need a decimal more than the values show.
        if (factors[i] === 2.5 && candidate / finest < 10)
            continue;
        if (candidate + 1e-12 >= raw) {
            interval = candidate;
            break;
        }
    }
    interval = Number(interval.toPrecision(12));
    var decimals = shown;
    while (decimals < 10 && Math.abs(Math.round(interval * Math.pow(10, decimals)) - interval * Math.pow(10, decimals)) > 1e-6)
        ++decimals;
    var anchor = Number((Math.ceil(low / interval - 1e-9) * interval).toPrecision(12));
    return { interval: interval, anchor: anchor, decimals: decimals };
}

// The title of a value axis: the unit of its values, if they have one.
function axisTitle(unitText) {
    return isEmptyValue(unitText) ? "" : "[" + unitText + "]";
}

// Where a value is drawn on a chart: outside the axis it is pinned to the nearer edge.
function pinnedValue(value, minY, maxY) {
    var number = Number(value);
    if (isNaN(number))
        return number;
    return Math.max(Number(minY), Math.min(Number(maxY), number));
}

function hexCode(code) {
    var hex = (Number(code) >>> 0).toString(16).toUpperCase();
    while (hex.length < 6)
        hex = "0" + hex;
    return "0x" + hex;
}

// One element of an event array: no event, a known event's text, or its code.
function eventText(code, translatedText, noneText) {
    if (Number(code) === 0)
        return noneText;
    if (!isEmptyValue(translatedText))
        return translatedText;
    return hexCode(code);
}

// The step of one unit of the last shown decimal.
function decimalStep(digits) {
    return Math.pow(10, -Math.max(0, Math.floor(Number(digits) || 0)));
}

// Whether a cursor value lies on the chart (values outside mark off-chart points).
function withinRange(value, minY, maxY) {
    var number = Number(value);
    return !isNaN(number) && number >= Number(minY) && number <= Number(maxY);
}

// The part of a synchronisation that is done, as "done / total".
function syncProgressText(total, remaining) {
    var all = Number(total) || 0;
    var left = Number(remaining) || 0;
    return Math.max(0, all - left) + " / " + all;
}

// A menu shows a tab only when it has at least one row.
function menuHasRows(menu) {
    if (!menu || !menu.entryModel)
        return false;
    return menu.entryModel.rowCount() > 0;
}

// Missing identity values read as the given placeholder.
function orUnknown(value, unknownText) {
    return isEmptyValue(value) ? unknownText : String(value);
}

// A message of the communication log: octets in hexadecimal, texts as they are.
function bytesText(value) {
    if (isEmptyValue(value))
        return "";
    if (value instanceof ArrayBuffer) {
        var bytes = new Uint8Array(value);
        var parts = [];
        for (var i = 0; i < bytes.length; ++i)
            parts.push((bytes[i] < 16 ? "0" : "") + bytes[i].toString(16).toUpperCase());
        return parts.join(" ");
    }
    return String(value);
}

// A value for reading: octets and texts holding control characters in hexadecimal, other texts as they are.
function readableText(value) {
    if (value instanceof ArrayBuffer)
        return bytesText(value)
    var text = String(value)
    if (!/[\x00-\x08\x0E-\x1F\x7F]/.test(text))
        return text
    var parts = []
    for (var i = 0; i < text.length; ++i) {
        var code = text.charCodeAt(i) & 0xFF
        parts.push((code < 16 ? "0" : "") + code.toString(16).toUpperCase())
    }
    return parts.join(" ")
}

// A language code in that language's own words; English reads "English", not "American English".
function languageName(code, nativeName) {
    var names = { "en": "English", "de": "Deutsch", "fr": "Fran\u00e7ais" }
    return names.hasOwnProperty(code) ? names[code] : nativeName
}

// A folder chosen in a dialog as a local path: the "file://" form without its prefix.
function localPath(url) {
    var text = String(url === undefined || url === null ? "" : url);
    if (text.indexOf("file:///") === 0) {
        var rest = text.substring(8);
        // Windows paths start with a drive letter, others with the root.
        return /^[A-Za-z]:/.test(rest) ? decodeURIComponent(rest) : decodeURIComponent("/" + rest);
    }
    if (text.indexOf("file://") === 0)
        return decodeURIComponent(text.substring(7));
    return text;
}

// A local file path as a URL for images and dialogs.
function fileUrl(path) {
    if (isEmptyValue(path))
        return "";
    var text = String(path).replace(/\\/g, "/");
    // "file:///" put in front of an absolute path gives one slash too many.
    if (/^file:\/\/\/\/+/.test(text))
        return text.replace(/^file:\/\/\/\/+/, "file:///");
    if (/^[a-z]+:\/\//.test(text) || text.indexOf("qrc:") === 0)
        return text;
    return text.charAt(0) === "/" ? "file://" + text : "file:///" + text;
}

// Whether any of the texts holds every word of the filter, without regard to case.
function matchesFilter(filterText, texts) {
    var words = String(filterText === undefined || filterText === null ? "" : filterText).toLowerCase().split(/\s+/);
    var haystack = (texts || []).map(function(text) { return isEmptyValue(text) ? "" : String(text).toLowerCase(); }).join("\n");
    return words.every(function(word) { return word === "" || haystack.indexOf(word) >= 0; });
}

// The widest a tab may be so that tabs of these natural widths fit the room: the narrow ones keep their
// width and only the widest give way (and elide). Infinity when all fit.
function tabWidthCap(widths, room) {
    var sorted = widths.filter(function (width) { return width > 0 }).sort(function (a, b) { return a - b })
    var left = room
    for (var i = 0; i < sorted.length; ++i) {
        var share = left / (sorted.length - i)
        if (sorted[i] > share)
            return Math.max(0, Math.floor(share))
        left -= sorted[i]
    }
    return Infinity
}
