<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>FileFilters</name>
    <message>
        <source>HEX files (*.hex);;All files *.* (*)</source>
        <translation>soubory *.hex (*.hex);;všechny soubory *.* (*)</translation>
    </message>
    <message>
        <source>HEX files (*.hex);;All files (*)</source>
        <translation>soubory *.hex (*.hex);;všechny soubory (*)</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>:/lptpic/help_text_en.txt</source>
        <translation>:/lptpic/help_text_cs.txt</translation>
    </message>
</context>
</TS>
