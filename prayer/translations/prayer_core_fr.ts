<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>IslamicCalendar</name>
    <message>
        <source>TXT_RID_LIST_B_HIJIRI_NEW_YEAR</source>
        <translation>Nouvel An de l'Hégire</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_B_ASHURA</source>
        <translation>Achoura</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_B_MAWLID_AN_NABI</source>
        <translation>Mawlid an-Nabawi</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_B_START_OF_RAMADAN</source>
        <translation>Début du Ramadan</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_B_EID_AL_FITR</source>
        <translation>Aïd el-Fitr</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_B_WAQFAT_ARAFA</source>
        <translation>Jour d'Arafat</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_B_EID_AL_ADHA</source>
        <translation>Aïd el-Adha</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_MUHARRAM</source>
        <translation>Mouharram</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_SAFAR</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_RABI_I</source>
        <translation>Rabia al-awal</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_RABI_II</source>
        <translation>Rabia ath-thani</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_JUMADA_I</source>
        <translation>Joumada al-oula</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_JUMADA_II</source>
        <translation>Joumada ath-thania</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_RAJAB</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_SHABAN</source>
        <translation>Chaabane</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_RAMADAN</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_SHAWWAL</source>
        <translation>Chawwal</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_DHU_AL_QIDAH</source>
        <translation>Dhou al-qi'da</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_DHU_AL_HIJJAH</source>
        <translation>Dhou al-hijja</translation>
    </message>
</context>
</TS>
