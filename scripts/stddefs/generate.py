#!/usr/bin/env python3
"""Writes the standard-definition resources of Ovinex.

The structure (ids, indexes, codes, datatypes, abbreviations) is taken from a
reference copy of the published documents; every text is our own (texts.py,
units.py). Comments of the reference are not carried over.

usage: generate.py <reference folder> <output folder>
e.g.   scripts/stddefs/generate.py ../shared/iodd-corpus/standard src/resources/iolink/standard/StandardDefinitions

The 1.0.1 definitions are written as one document holding all three languages: the program loads
them only next to device descriptions of that schema, as secondary definitions.
"""
import os
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

from texts import TEXTS
from texts101 import TEXTS_1_0_1
from units import unit_names

IODD_NS = "http://www.io-link.com/IODD/2010/10"
IODD_NS_1_0_1 = "http://www.io-link.com/IODD/2009/11"
XSI_NS = "http://www.w3.org/2001/XMLSchema-instance"
XML_NS = "http://www.w3.org/XML/1998/namespace"
LANGUAGES = ("en", "de", "fr")
RELEASE_DATE = "2026-12-06"
COPYRIGHT = "Korvell GmbH"


def local(tag):
    return tag.split("}")[-1]


def attr_name(name):
    if name.startswith("{%s}" % XSI_NS):
        return "xsi:" + local(name)
    if name.startswith("{%s}" % XML_NS):
        return "xml:" + local(name)
    return name


def quote(value):
    return '"' + escape(value, {'"': "&quot;"}) + '"'


def start_tag(name, attributes, empty):
    text = "<" + name
    for key, value in attributes:
        text += " %s=%s" % (key, quote(value))
    return text + ("/>" if empty else ">")


class Writer:
    def __init__(self):
        self.lines = ['<?xml version="1.0" encoding="UTF-8"?>']

    def line(self, depth, text):
        self.lines.append("\t" * depth + text)

    def element(self, depth, name, attributes=(), empty=True):
        self.line(depth, start_tag(name, attributes, empty))

    def copy(self, node, depth):
        """Copies an element of the reference with its attributes and children, without comments."""
        attributes = [(attr_name(k), v) for k, v in node.attrib.items()]
        children = list(node)
        self.element(depth, local(node.tag), attributes, not children)
        if children:
            for child in children:
                self.copy(child, depth + 1)
            self.line(depth, "</%s>" % local(node.tag))

    def save(self, path):
        with open(path, "w", encoding="utf-8") as out:
            out.write("\n".join(self.lines) + "\n")


def root_attributes(schema, namespace=IODD_NS):
    return [("xmlns", namespace), ("xmlns:xsi", XSI_NS),
            ("xsi:schemaLocation", "%s %s" % (namespace, schema))]


def document_info(writer, version):
    writer.element(1, "DocumentInfo", [("version", version), ("releaseDate", RELEASE_DATE),
                                       ("copyright", COPYRIGHT)])


def stamp(writer):
    writer.line(1, '<Stamp crc="0"><Checker name="Ovinex resource generator" version="V1.0"/></Stamp>')


def write_texts(writer, depth, element, language, texts):
    writer.element(depth, element, [("xml:lang", language)], empty=False)
    for text_id, value in texts:
        writer.element(depth + 1, "Text", [("id", text_id), ("value", value)])
    writer.line(depth, "</%s>" % element)


def write_language_document(path, language, version, texts):
    writer = Writer()
    writer.element(0, "ExternalTextDocument", root_attributes("IODD-Primitives1.1.xsd"), empty=False)
    document_info(writer, version)
    write_texts(writer, 1, "Language", language, texts)
    stamp(writer)
    writer.line(0, "</ExternalTextDocument>")
    writer.save(path)


def text_ids(root, namespace=IODD_NS):
    primary = root.find("{%s}ExternalTextCollection/{%s}PrimaryLanguage" % (namespace, namespace))
    return [text.get("id") for text in primary.findall("{%s}Text" % namespace)]


# The system commands of the parameter server. The reference keeps 1-6 in its reserved range, so a device
# that names them through StdSingleValueRef would offer nothing, and block parameterisation would go unseen.
PARAMETER_SERVER_COMMANDS = (
    (1, "STD_TN_SystemCommand_ParamUploadStart"),
    (2, "STD_TN_SystemCommand_ParamUploadEnd"),
    (3, "STD_TN_SystemCommand_ParamDownloadStart"),
    (4, "STD_TN_SystemCommand_ParamDownloadEnd"),
    (5, "STD_TN_SystemCommand_ParamDownloadStore"),
    (6, "STD_TN_SystemCommand_ParamBreak"),
)


def named(tag, attributes, text_id):
    element = ET.Element("{%s}%s" % (IODD_NS, tag), attributes)
    ET.SubElement(element, "{%s}Name" % IODD_NS, {"textId": text_id})
    return element


def add_parameter_server_commands(root):
    """Splits the reserved range 0-63 of the system command type around the six parameter server commands."""
    datatype = root.find("{%s}DatatypeCollection/{%s}Datatype[@id='STD_D_SystemCommand']" % (IODD_NS, IODD_NS))
    reserved = datatype.find("{%s}ValueRange[@lowerValue='0']" % IODD_NS)
    position = list(datatype).index(reserved)
    datatype.remove(reserved)
    replacement = [named("ValueRange", {"lowerValue": "0", "upperValue": "0"}, "STD_TN_Reserved")]
    replacement += [named("SingleValue", {"value": str(value)}, text_id) for value, text_id in PARAMETER_SERVER_COMMANDS]
    replacement.append(named("ValueRange", {"lowerValue": "7", "upperValue": "63"}, "STD_TN_Reserved"))
    for offset, element in enumerate(replacement):
        datatype.insert(position + offset, element)
    return [text_id for _, text_id in PARAMETER_SERVER_COMMANDS]


def generate_definitions(reference, output):
    root = ET.parse(os.path.join(reference, "IODD-StandardDefinitions1.1.xml")).getroot()
    version = root.find("{%s}DocumentInfo" % IODD_NS).get("version")
    ids = text_ids(root) + add_parameter_server_commands(root)
    missing = [i for i in ids if i not in TEXTS]
    if missing:
        sys.exit("no text for: " + " ".join(missing))

    writer = Writer()
    writer.element(0, "IODDStandardDefinitions", root_attributes("IODD-StandardDefinitions1.1.xsd"), empty=False)
    document_info(writer, version)
    for name in ("DatatypeCollection", "VariableCollection", "ErrorTypeCollection", "EventCollection"):
        writer.copy(root.find("{%s}%s" % (IODD_NS, name)), 1)
    writer.element(1, "ExternalTextCollection", empty=False)
    write_texts(writer, 2, "PrimaryLanguage", "en", [(i, TEXTS[i][0]) for i in ids])
    writer.line(1, "</ExternalTextCollection>")
    stamp(writer)
    writer.line(0, "</IODDStandardDefinitions>")
    writer.save(os.path.join(output, "IODD-StandardDefinitions1.1.xml"))

    for column, language in enumerate(LANGUAGES[1:], start=1):
        write_language_document(os.path.join(output, "IODD-StandardDefinitions1.1-%s.xml" % language),
                                language, version, [(i, TEXTS[i][column]) for i in ids])


def generate_definitions_1_0_1(reference, output):
    namespace = IODD_NS_1_0_1
    root = ET.parse(os.path.join(reference, "IODD-StandardDefinitions1.0.1.xml")).getroot()
    version = root.find("{%s}DocumentInfo" % namespace).get("version")
    ids = text_ids(root, namespace)
    missing = [i for i in ids if i not in TEXTS_1_0_1]
    if missing:
        sys.exit("no text for: " + " ".join(missing))

    writer = Writer()
    writer.element(0, "IODDStandardDefinitions", root_attributes("IODD-StandardDefinitions1.0.1.xsd", namespace),
                   empty=False)
    document_info(writer, version)
    writer.copy(root.find("{%s}VariableCollection" % namespace), 1)
    writer.element(1, "ExternalTextCollection", empty=False)
    write_texts(writer, 2, "PrimaryLanguage", "en", [(i, TEXTS_1_0_1[i][0]) for i in ids])
    for column, language in enumerate(LANGUAGES[1:], start=1):
        write_texts(writer, 2, "Language", language, [(i, TEXTS_1_0_1[i][column]) for i in ids])
    writer.line(1, "</ExternalTextCollection>")
    stamp(writer)
    writer.line(0, "</IODDStandardDefinitions>")
    writer.save(os.path.join(output, "IODD-StandardDefinitions1.0.1.xml"))


def generate_units(reference, output):
    root = ET.parse(os.path.join(reference, "IODD-StandardUnitDefinitions1.1.xml")).getroot()
    version = root.find("{%s}DocumentInfo" % IODD_NS).get("version")
    units = root.findall("{%s}UnitCollection/{%s}Unit" % (IODD_NS, IODD_NS))
    reference_names = {}
    primary = root.find("{%s}ExternalTextCollection/{%s}PrimaryLanguage" % (IODD_NS, IODD_NS))
    for text in primary.findall("{%s}Text" % IODD_NS):
        reference_names[text.get("id")] = text.get("value")
    names = {}
    for unit in units:
        names[unit.get("textId")] = unit_names(int(unit.get("code")), unit.get("abbr"),
                                               reference_names[unit.get("textId")])

    writer = Writer()
    writer.element(0, "IODDStandardUnitDefinitions", root_attributes("IODD-StandardDefinitions1.1.xsd"), empty=False)
    document_info(writer, version)
    writer.element(1, "UnitCollection", empty=False)
    for unit in units:
        writer.element(2, "Unit", [(k, unit.get(k)) for k in ("code", "abbr", "textId")])
    writer.line(1, "</UnitCollection>")
    writer.element(1, "ExternalTextCollection", empty=False)
    ordered = [unit.get("textId") for unit in units]
    write_texts(writer, 2, "PrimaryLanguage", "en", [(i, names[i][0]) for i in ordered])
    writer.line(1, "</ExternalTextCollection>")
    stamp(writer)
    writer.line(0, "</IODDStandardUnitDefinitions>")
    writer.save(os.path.join(output, "IODD-StandardUnitDefinitions1.1.xml"))

    for column, language in enumerate(LANGUAGES[1:], start=1):
        write_language_document(os.path.join(output, "IODD-StandardUnitDefinitions1.1-%s.xml" % language),
                                language, version, [(i, names[i][column]) for i in ordered])


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    reference, output = sys.argv[1:]
    os.makedirs(output, exist_ok=True)
    generate_definitions(reference, output)
    generate_definitions_1_0_1(reference, output)
    generate_units(reference, output)


if __name__ == "__main__":
    main()
