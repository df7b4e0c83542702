"""Unit names in English, German and French, composed from the parts of a unit's meaning.

The reference gives each unit an English description; we decompose it (prefix, base unit,
powers, quotient) and compose our own names from the vocabulary below.
"""
import re

# prefix: (English, German, French)
PREFIXES = {
    "exa": ("exa", "Exa", "exa"), "peta": ("peta", "Peta", "péta"), "tera": ("tera", "Tera", "téra"),
    "giga": ("giga", "Giga", "giga"), "mega": ("mega", "Mega", "méga"), "kilo": ("kilo", "Kilo", "kilo"),
    "hecto": ("hecto", "Hekto", "hecto"), "deka": ("deca", "Deka", "déca"), "deci": ("deci", "Dezi", "déci"),
    "centi": ("centi", "Zenti", "centi"), "milli": ("milli", "Milli", "milli"), "micro": ("micro", "Mikro", "micro"),
    "nano": ("nano", "Nano", "nano"), "pico": ("pico", "Piko", "pico"),
    "kibi": ("kibi", "Kibi", "kibi"), "mebi": ("mebi", "Mebi", "mébi"), "gibi": ("gibi", "Gibi", "gibi"),
    "tebi": ("tebi", "Tebi", "tébi"),
}

# base unit: (English, German, French, French gender); these take prefixes
BASES = {
    "meter": ("metre", "Meter", "mètre", "m"), "second": ("second", "Sekunde", "seconde", "f"),
    "gram": ("gram", "Gramm", "gramme", "m"), "liter": ("litre", "Liter", "litre", "m"),
    "watt": ("watt", "Watt", "watt", "m"), "volt": ("volt", "Volt", "volt", "m"),
    "ampere": ("ampere", "Ampere", "ampère", "m"), "joule": ("joule", "Joule", "joule", "m"),
    "pascal": ("pascal", "Pascal", "pascal", "m"), "newton": ("newton", "Newton", "newton", "m"),
    "hertz": ("hertz", "Hertz", "hertz", "m"), "ohm": ("ohm", "Ohm", "ohm", "m"),
    "siemens": ("siemens", "Siemens", "siemens", "m"), "farad": ("farad", "Farad", "farad", "m"),
    "henry": ("henry", "Henry", "henry", "m"), "tesla": ("tesla", "Tesla", "tesla", "m"),
    "weber": ("weber", "Weber", "weber", "m"), "coulomb": ("coulomb", "Coulomb", "coulomb", "m"),
    "mole": ("mole", "Mol", "mole", "f"), "becquerel": ("becquerel", "Becquerel", "becquerel", "m"),
    "bequerel": ("becquerel", "Becquerel", "becquerel", "m"),
    "calorie": ("calorie", "Kalorie", "calorie", "f"), "byte": ("byte", "Byte", "octet", "m"),
    "bit": ("bit", "Bit", "bit", "m"), "var": ("var", "Var", "var", "m"),
    "bar": ("bar", "Bar", "bar", "m"), "gray": ("gray", "Gray", "gray", "m"),
    "sievert": ("sievert", "Sievert", "sievert", "m"), "barrel": ("barrel", "Barrel", "baril", "m"),
    "gallon (U.S.)": ("US gallon", "US-Gallone", "gallon américain", "m"),
    "gallon (Imperial)": ("imperial gallon", "imperiale Gallone", "gallon impérial", "m"),
    "poise": ("poise", "Poise", "poise", "f"), "stoke": ("stokes", "Stokes", "stokes", "m"),
    "bel": ("bel", "Bel", "bel", "m"),
}

# units without prefixes (longest phrases first when matching)
WORDS = {
    "kelvin": ("kelvin", "Kelvin", "kelvin", "m"),
    "degree Celsius": ("degree Celsius", "Grad Celsius", "degré Celsius", "m"),
    "degree Fahrenheit": ("degree Fahrenheit", "Grad Fahrenheit", "degré Fahrenheit", "m"),
    "degree Rankine": ("degree Rankine", "Grad Rankine", "degré Rankine", "m"),
    "degree Twaddell": ("degree Twaddell", "Grad Twaddell", "degré Twaddell", "m"),
    "degree Baume heavy": ("degree Baumé for heavy liquids", "Grad Baumé für schwere Flüssigkeiten", "degré Baumé pour liquides lourds", "m"),
    "degree Baume light": ("degree Baumé for light liquids", "Grad Baumé für leichte Flüssigkeiten", "degré Baumé pour liquides légers", "m"),
    "degree API": ("degree API", "Grad API", "degré API", "m"),
    "degree Brix": ("degree Brix", "Grad Brix", "degré Brix", "m"),
    "degree Balling": ("degree Balling", "Grad Balling", "degré Balling", "m"),
    "degree plato": ("degree Plato", "Grad Plato", "degré Plato", "m"),
    "degree": ("degree", "Grad", "degré", "m"),
    "radian": ("radian", "Radiant", "radian", "m"),
    "steradian": ("steradian", "Steradiant", "stéradian", "m"),
    "revolution": ("revolution", "Umdrehung", "tour", "m"),
    "gon (or grade)": ("gon", "Gon", "grade", "m"),
    "ångström": ("ångström", "Ångström", "ångström", "m"),
    "nautical mile": ("nautical mile", "Seemeile", "mille marin", "m"),
    "mile": ("mile", "Meile", "mille", "m"),
    "foot": ("foot", "Fuß", "pied", "m"), "feet": ("foot", "Fuß", "pied", "m"),
    "inch": ("inch", "Zoll", "pouce", "m"), "yard": ("yard", "Yard", "yard", "m"),
    "are": ("are", "Ar", "are", "m"), "hectare": ("hectare", "Hektar", "hectare", "m"),
    "acre foot": ("acre-foot", "Acre-Foot", "acre-pied", "m"),
    "pint (U.S. liquid)": ("US liquid pint", "US-Pint (flüssig)", "pinte liquide américaine", "f"),
    "quart (U.S. liquid)": ("US liquid quart", "US-Quart (flüssig)", "quart liquide américain", "m"),
    "bushel (U.S. dry)": ("US bushel", "US-Bushel", "boisseau américain", "m"),
    "barrel (U.S. petroleum)": ("US oil barrel", "US-Ölbarrel", "baril de pétrole américain", "m"),
    "barrel (U.S. liquid)": ("US liquid barrel", "US-Flüssigkeitsbarrel", "baril liquide américain", "m"),
    "barrel (U.S. federal)": ("US federal barrel", "US-Bundesbarrel", "baril fédéral américain", "m"),
    "ounce (U.S. fluid)": ("US fluid ounce", "US-Flüssigunze", "once liquide américaine", "f"),
    "ounce (troy or apothecary)": ("troy ounce", "Feinunze", "once troy", "f"),
    "pound (troy or apothecary)": ("troy pound", "Troy-Pfund", "livre troy", "f"),
    "carat (jewel)": ("metric carat", "metrisches Karat", "carat métrique", "m"),
    "minute": ("minute", "Minute", "minute", "f"), "hour": ("hour", "Stunde", "heure", "f"),
    "day": ("day", "Tag", "jour", "m"),
    "metric ton": ("tonne", "Tonne", "tonne", "f"),
    "short ton": ("short ton", "amerikanische Tonne", "tonne courte", "f"),
    "long ton": ("long ton", "britische Tonne", "tonne longue", "f"),
    "ounce": ("ounce", "Unze", "once", "f"), "pound": ("pound", "Pfund", "livre", "f"),
    "tex": ("tex", "Tex", "tex", "m"), "torr": ("torr", "Torr", "torr", "m"),
    "atmosphere": ("standard atmosphere", "physikalische Atmosphäre", "atmosphère normale", "f"),
    "pound-force": ("pound-force", "Pfund-Kraft", "livre-force", "f"),
    "gram-force": ("gram-force", "Pond", "gramme-force", "m"),
    "kilogram-force": ("kilogram-force", "Kilopond", "kilogramme-force", "m"),
    "foot pound-force": ("foot-pound-force", "Foot-Pound-Force", "pied-livre-force", "m"),
    "inch of water": ("inch of water column", "Zoll Wassersäule", "pouce de colonne d'eau", "m"),
    "foot of water": ("foot of water column", "Fuß Wassersäule", "pied de colonne d'eau", "m"),
    "meter of water": ("metre of water column", "Meter Wassersäule", "mètre de colonne d'eau", "m"),
    "millimeter of water": ("millimetre of water column", "Millimeter Wassersäule", "millimètre de colonne d'eau", "m"),
    "inch of mercury": ("inch of mercury column", "Zoll Quecksilbersäule", "pouce de mercure", "m"),
    "millimeter of mercury": ("millimetre of mercury column", "Millimeter Quecksilbersäule", "millimètre de mercure", "m"),
    "British thermal unit": ("British thermal unit", "British Thermal Unit", "British thermal unit", "f"),
    "dekatherm": ("dekatherm", "Dekatherm", "décatherm", "m"),
    "horsepower (electric)": ("electric horsepower", "elektrische Pferdestärke", "cheval-vapeur électrique", "m"),
    "horsepower (metric)": ("metric horsepower", "Pferdestärke", "cheval-vapeur", "m"),
    "lumen": ("lumen", "Lumen", "lumen", "m"), "lux": ("lux", "Lux", "lux", "m"),
    "candela": ("candela", "Candela", "candela", "f"),
    "percent": ("percent", "Prozent", "pour cent", "m"),
    "rad": ("rad", "Rad", "rad", "m"), "rem": ("rem", "Rem", "rem", "m"),
    "röntgen": ("roentgen", "Röntgen", "röntgen", "m"),
    "g-force": ("standard gravity", "Normfallbeschleunigung", "gravité normale", "f"),
    "milli-g-force": ("milli standard gravity", "Milli-Normfallbeschleunigung", "milligravité normale", "f"),
    "micro-g-force": ("micro standard gravity", "Mikro-Normfallbeschleunigung", "microgravité normale", "f"),
}

# whole names that do not decompose: code -> (English, German, French)
SPECIAL = {
    1006: ("minute of arc", "Winkelminute", "minute d'angle"),
    1007: ("second of arc", "Winkelsekunde", "seconde d'angle"),
    1065: ("knot", "Knoten", "nœud"),
    1708: ("per square kelvin", "pro Quadratkelvin", "par kelvin carré"),
    1114: ("specific gravity", "relative Dichte", "densité relative"),
    1343: ("percent solids by weight", "Prozent Feststoff nach Gewicht", "pour cent de solides en poids"),
    1344: ("percent solids by volume", "Prozent Feststoff nach Volumen", "pour cent de solides en volume"),
    1345: ("percent steam quality", "Prozent Dampfgehalt", "pour cent de titre de vapeur"),
    1417: ("per joule cubic metre", "pro Joule und Kubikmeter", "par joule mètre cube"),
    1422: ("pH value", "pH-Wert", "valeur de pH"),
    1423: ("parts per million", "Millionstel", "parties par million"),
    1424: ("parts per billion", "Milliardstel", "parties par milliard"),
    1425: ("parts per thousand", "Promille", "pour mille"),
    1428: ("proof by volume", "Proof nach Volumen", "proof en volume"),
    1429: ("proof by mass", "Proof nach Masse", "proof en masse"),
    1453: ("US milligallon per minute", "US-Milligallone pro Minute", "milligallon américain par minute"),
    1557: ("percent by weight", "Gewichtsprozent", "pour cent en poids"),
    1560: ("percent of saturation", "Prozent Sättigung", "pour cent de saturation"),
    1561: ("volume parts per million", "Volumenanteil in Millionstel", "parties par million en volume"),
    1562: ("percent by volume", "Volumenprozent", "pour cent en volume"),
    1628: ("standard density at 4 °C", "Normdichte bei 4 °C", "densité normale à 4 °C"),
    1629: ("standard density at 15 °C", "Normdichte bei 15 °C", "densité normale à 15 °C"),
    1630: ("standard density at 20 °C", "Normdichte bei 20 °C", "densité normale à 20 °C"),
    1632: ("parts per trillion", "Billionstel", "parties par billion"),
    1689: ("decibel referred to one milliwatt", "Dezibel bezogen auf ein Milliwatt", "décibel rapporté à un milliwatt"),
    1690: ("decibel referred to one microvolt", "Dezibel bezogen auf ein Mikrovolt", "décibel rapporté à un microvolt"),
    1704: ("dew point in degrees Celsius", "Taupunkt in Grad Celsius", "point de rosée en degrés Celsius"),
    1713: ("percent absorbed", "Prozent Absorption", "pour cent d'absorption"),
    1714: ("percent transmitted", "Prozent Transmission", "pour cent de transmission"),
    1715: ("absorbance unit", "Absorptionseinheit", "unité d'absorbance"),
    1716: ("formazin attenuation unit", "Formazin-Schwächungseinheit", "unité d'atténuation formazine"),
    1717: ("EBC unit (European Brewery Convention)", "EBC-Einheit (European Brewery Convention)", "unité EBC (European Brewery Convention)"),
    1718: ("formazin nephelometric unit", "Formazin-Nephelometrie-Einheit", "unité néphélométrique formazine"),
    1997: ("no unit", "keine Einheit", "sans unité"),
}

MODIFIERS = {  # (English, German compound prefix, French adjective m, French adjective f)
    "normal": ("normal", "Norm", "normal", "normale"),
    "standard": ("standard", "Standard", "standard", "standard"),
}


def find_unit(words):
    """Longest unit phrase at the start of words: (entry, prefix entry or None, words used)."""
    for length in range(min(4, len(words)), 0, -1):
        phrase = " ".join(words[:length])
        if phrase in WORDS:
            return WORDS[phrase], None, length
        if phrase in BASES:
            return BASES[phrase], None, length
        for prefix in PREFIXES:
            if phrase.startswith(prefix) and phrase[len(prefix):] in BASES:
                return BASES[phrase[len(prefix):]], PREFIXES[prefix], length
    raise ValueError("unknown unit: " + " ".join(words))


def prefixed(entry, prefix):
    en, de, fr, gender = entry
    if not prefix:
        return en, de, fr, gender
    # a qualifier word in front of the unit ("US gallon") keeps its place
    if en.startswith("US ") or en.startswith("imperial "):
        head, tail = en.split(" ", 1)
        en = head + " " + prefix[0] + tail
    else:
        en = prefix[0] + en
    if "-" in de and de.startswith("US-"):
        de = "US-" + prefix[1] + de[3:].lower()
    elif " " in de:
        adjective, noun = de.split(" ", 1)
        de = adjective + " " + prefix[1] + noun.lower()
    else:
        de = prefix[1] + de.lower()
    fr = prefix[2] + fr
    fr = fr.replace("mégaohm", "mégohm").replace("kiloohm", "kilohm")
    return en, de, fr, gender


def parse_term(words):
    """One factor: [modifier] [square|cubic] unit. Returns the rendered factor and the words used."""
    used = 0
    modifier = None
    power = 1
    if words[used] in MODIFIERS:
        modifier = MODIFIERS[words[used]]
        used += 1
    if words[used] in ("square", "cubic"):
        power = 2 if words[used] == "square" else 3
        used += 1
    entry, prefix, length = find_unit(words[used:])
    used += length
    en, de, fr, gender = prefixed(entry, prefix)
    if power == 2:
        en, de = "square " + en, "Quadrat" + de.lower()
        fr += " carrée" if gender == "f" else " carré"
    elif power == 3:
        en, de = "cubic " + en, "Kubik" + de.lower()
        fr += " cube"
    if modifier:
        en = modifier[0] + " " + en
        de = modifier[1] + de.lower()
        fr += " " + (modifier[3] if gender == "f" else modifier[2])
    return (en, de, fr), used


def parse_product(text):
    words = text.split()
    factors = []
    while words:
        factor, used = parse_term(words)
        factors.append(factor)
        words = words[used:]
    return factors


def german_compound(factors):
    """Newton + Meter -> Newtonmeter; multi-word factors stay apart."""
    result = factors[0][1]
    for factor in factors[1:]:
        if " " in result or " " in factor[1] or "-" in factor[1]:
            result += " " + factor[1]
        else:
            result += factor[1].lower()
    return result


def compose(name):
    suffix = ("", "", "")
    match = re.search(r" at (\d+) °([CF])$", name)
    if match:
        temperature = "%s °%s" % (match.group(1), match.group(2))
        suffix = (" at " + temperature, " bei " + temperature, " à " + temperature)
        name = name[:match.start()]
    for word, de, fr in (("absolute", "absolut", "absolu"), ("gauge", "Überdruck", "relatif")):
        if name.endswith(" " + word):
            suffix = (" " + word, " " + de, " " + fr)
            name = name[:-len(word) - 1]
    parts = name.split("per ")
    numerator = parse_product(parts[0].strip()) if parts[0].strip() else []
    denominators = [parse_product(part.strip()) for part in parts[1:]]

    en = " ".join(f[0] for f in numerator)
    de = german_compound(numerator) if numerator else ""
    fr = " ".join(f[2] for f in numerator)
    for factors in denominators:
        en += (" " if en else "") + "per " + " ".join(f[0] for f in factors)
        de += (" " if de else "") + "pro " + " und ".join(f[1] for f in factors)
        fr += (" " if fr else "") + "par " + " ".join(f[2] for f in factors)
    return en + suffix[0], de + suffix[1], fr + suffix[2]


def unit_names(code, abbr, description):
    """(English, German, French) name of a unit."""
    if code in SPECIAL:
        return SPECIAL[code]
    return compose(description)
