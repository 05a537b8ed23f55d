<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>WORLDCLOCK_Service</name>
    <message><source>Cairo</source><translation>القاهرة</translation></message>
</context>
<context>
    <name>AZ_TimeZone</name>
    <message><source>FMT_RID_STANDARD_PARENS_GMT_1_PARENS</source><translation>GMT%0</translation></message>
</context>
</TS>
