<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FixedTexts</name>
    <message numerus="yes">
        <source>%1 is %2 days from %3</source>
        <extracomment>The results box&apos;s first line from today. %1: the date found or picked; %2: the count of days, negative for a date before today; %3: today&apos;s date.</extracomment>
        <translation>
            <numerusform>%1 is %2 days from %3</numerusform>
            <numerusform>%1 is %2 days from %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The number of days from %1 to %2 is %3</source>
        <extracomment>The results box&apos;s first line between two dates. %1: the first date; %2: the second; %3: the count of days between them, negative when the second is earlier.</extracomment>
        <translation>
            <numerusform>The number of days from %1 to %2 is %3</numerusform>
            <numerusform>The number of days from %1 to %2 is %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HolidayTexts</name>
    <message numerus="yes">
        <source>%1 holiday day(s)</source>
        <extracomment>A count of holiday days in the import&apos;s message. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 holiday day</numerusform>
            <numerusform>%1 holiday days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 event(s) skipped</source>
        <extracomment>A count of skipped events in the import&apos;s message. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 event skipped</numerusform>
            <numerusform>%1 events skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <extracomment>After the first three skipped events named in the import&apos;s message, how many more there are. %1: that count.</extracomment>
        <translation>
            <numerusform>and %1 more</numerusform>
            <numerusform>and %1 more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message numerus="yes">
        <source>%1 day(s)</source>
        <extracomment>A count of days in a sentence, as &quot;18 days&quot;. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 day</numerusform>
            <numerusform>%1 days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 week(s)</source>
        <extracomment>A count of weeks in a sentence, as &quot;2 weeks&quot;. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 week</numerusform>
            <numerusform>%1 weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 working day(s)</source>
        <extracomment>The summary line&apos;s working days, as &quot;13 working days&quot;. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 working day</numerusform>
            <numerusform>%1 working days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holiday(s)</source>
        <translation>
            <numerusform>%1 holiday</numerusform>
            <numerusform>%1 holidays</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <extracomment>A count of months in the summary line, as &quot;3 months&quot;. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 month</numerusform>
            <numerusform>%1 months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 year</numerusform>
            <numerusform>%1 years</numerusform>
        </translation>
    </message>
</context>
</TS>
