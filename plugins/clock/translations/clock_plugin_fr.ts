<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>HSPluginClock</name>
    <message>
        <source>TEMP_HOMESCREEN</source>
        <translation>Horloge</translation>
    </message>
</context>
<context>
    <name>ClockSettingWgt</name>
    <message>
        <source>TXT_RID_HEADER_EXTERNAL_CLOCK_STYLE</source>
        <translation>Style de l'horloge extérieure</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_DIGITAL</source>
        <translation>Numérique</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ANALOG</source>
        <translation>Analogique</translation>
    </message>
</context>
<context>
    <name>HSPluginClockSettingInfo</name>
    <message>
        <source>TXT_RID_SETTING_A_EXTERNAL_CLOCK_STYLE</source>
        <translation>Style de l'horloge extérieure</translation>
    </message>
</context>
</TS>
