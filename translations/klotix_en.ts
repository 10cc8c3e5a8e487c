<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>klotix::Dialogs</name>
    <message numerus="yes">
        <source>%1: %2 points on Slow</source>
        <translation>
            <numerusform>%1: %2 point on Slow</numerusform>
            <numerusform>%1: %2 points on Slow</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Medium</source>
        <translation>
            <numerusform>%1: %2 point on Medium</numerusform>
            <numerusform>%1: %2 points on Medium</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 points on Quick</source>
        <translation>
            <numerusform>%1: %2 point on Quick</numerusform>
            <numerusform>%1: %2 points on Quick</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>klotix::KlotixMain</name>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <comment>a record, read aloud: the name, the points</comment>
        <translation>
            <numerusform>%1, %2 point</numerusform>
            <numerusform>%1, %2 points</numerusform>
        </translation>
    </message>
</context>
</TS>
