<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>OrvexExport</name>
    <message numerus="yes">
        <source>Comparison with %1 (%2, %n lines)</source>
        <translation>
            <numerusform>Comparison with %1 (%2, %n line)</numerusform>
            <numerusform>Comparison with %1 (%2, %n lines)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines before</source>
        <translation>
            <numerusform>%n line before</numerusform>
            <numerusform>%n lines before</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n people</source>
        <translation>
            <numerusform>%n person</numerusform>
            <numerusform>%n people</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>personal number %1%2 had %n lines in %3 and has none now, for no reason the host knows</source>
        <translation>
            <numerusform>personal number %1%2 had %n line in %3 and has none now, for no reason the host knows</numerusform>
            <numerusform>personal number %1%2 had %n lines in %3 and has none now, for no reason the host knows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines have no personal number</source>
        <translation>
            <numerusform>%n line has no personal number</numerusform>
            <numerusform>%n lines have no personal number</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>personal number "%1" (%n lines) %2: payroll may not match it</source>
        <translation>
            <numerusform>personal number "%1" (%n line) %2: payroll may not match it</numerusform>
            <numerusform>personal number "%1" (%n lines) %2: payroll may not match it</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>personal number "%1" belongs to %n people (host ids %2): payroll takes their lines as one person's</source>
        <translation>
            <numerusform>personal number "%1" belongs to %n person (host ids %2): payroll takes their lines as one person's</numerusform>
            <numerusform>personal number "%1" belongs to %n people (host ids %2): payroll takes their lines as one person's</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields instead of %1: %2</source>
        <translation>
            <numerusform>%n field instead of %1: %2</numerusform>
            <numerusform>%n fields instead of %1: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more lines with problems</source>
        <translation>
            <numerusform>... and %n more line with problems</numerusform>
            <numerusform>... and %n more lines with problems</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Control summary of the replayed rows (%n lines as the file would hold them)</source>
        <translation>
            <numerusform>Control summary of the replayed rows (%n line as the file would hold it)</numerusform>
            <numerusform>Control summary of the replayed rows (%n lines as the file would hold them)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Control summary of %1 (%n lines read back)</source>
        <translation>
            <numerusform>Control summary of %1 (%n line read back)</numerusform>
            <numerusform>Control summary of %1 (%n lines read back)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Note: %n rows carry no payroll code.</source>
        <translation>
            <numerusform>Note: %n row carries no payroll code.</numerusform>
            <numerusform>Note: %n rows carry no payroll code.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OrvexPrepareTest</name>
    <message numerus="yes">
        <source>month %1 in the time zone %2: %n people in the run</source>
        <translation>
            <numerusform>month %1 in the time zone %2: %n person in the run</numerusform>
            <numerusform>month %1 in the time zone %2: %n people in the run</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
</context>
</TS>
