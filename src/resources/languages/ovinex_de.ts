<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>IODDEntry</name>
    <message>
        <source>undefined</source>
        <translation>undefiniert</translation>
    </message>
</context>
</TS>
