<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sk_SK">
<context>
    <name>OrvexOptWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Neprítomnosti</source>
        <translation>Absences</translation>
    </message>
    <message>
        <source>Príplatkové položky</source>
        <translation>Bonus items</translation>
    </message>
    <message>
        <source>Ostatné nastavenia</source>
        <translation>Other settings</translation>
    </message>
    <message>
        <source>Nastavenia ovplyvňujúce výstupný súbor (musia byť v súlade s požiadavkami Orvex)</source>
        <translation>Settings that affect the output file (they must match the requirements of Orvex)</translation>
    </message>
    <message>
        <source>Neexportovať &quot;Dátum od&quot; pri PN/OČR pokračujúcej z minulého mesiaca (nechať prázdne)</source>
        <translation>Do not export &quot;Date from&quot; for sick leave/family care continuing from the previous month (leave it empty)</translation>
    </message>
    <message>
        <source>Neexportovať &quot;Dátum do&quot; pri PN/OČR pokračujúcej v nasledujúcom mesiaci (nechať prázdne)</source>
        <translation>Do not export &quot;Date to&quot; for sick leave/family care continuing into the next month (leave it empty)</translation>
    </message>
    <message>
        <source>Pri PN/OČR exportovaných v úsekoch dní odpočítať víkendy a sviatky</source>
        <translation>Leave out weekends and holidays for sick leave/family care exported in spans of days</translation>
    </message>
    <message>
        <source>Oddeňovač položiek vo výstupnom súbore aj na konci riadku (po položke Dátum_do)</source>
        <translation>Field separator in the output file also at the end of the line (after the field Date_to)</translation>
    </message>
    <message>
        <source>Maska formátu dátumov (od, do) :</source>
        <translation>Date format mask (from, to) :</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Maska určuje, ako sa zapíšu dátumy v položkách „Dátum od“ a „Dátum do“. Použiteľné značky:&lt;/p&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;d&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Deň ako číslo bez úvodnej nuly (1 až 31)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;dd&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Deň ako číslo s úvodnou nulou (01 až 31)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;ddd&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Skrátený názov dňa v týždni (napr. po, ut)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;dddd&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Celý názov dňa v týždni (napr. pondelok)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Mesiac ako číslo bez úvodnej nuly (1 až 12)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;MM&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Mesiac ako číslo s úvodnou nulou (01 až 12)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;MMM&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Skrátený názov mesiaca (napr. jan, feb)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;MMMM&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Celý názov mesiaca (napr. január)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;yy&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Rok ako dvojmiestne číslo (00 až 99)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;yyyy&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Rok ako štvormiestne číslo (napr. 2024)&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;Ostatné znaky (bodka, pomlčka, lomka, medzera) sa zapíšu tak, ako sú.&lt;/p&gt;&lt;p&gt;Príklad: maska &lt;b&gt;dd.MM.yyyy&lt;/b&gt; zapíše 4. marec 2024 ako &lt;b&gt;04.03.2024&lt;/b&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The mask sets how the dates in the &quot;Date from&quot; and &quot;Date to&quot; fields are written. Letters you can use:&lt;/p&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;d&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Day as a number without a leading zero (1 to 31)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;dd&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Day as a number with a leading zero (01 to 31)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;ddd&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Abbreviated name of the weekday (e.g. Mon, Tue)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;dddd&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Full name of the weekday (e.g. Monday)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Month as a number without a leading zero (1 to 12)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;MM&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Month as a number with a leading zero (01 to 12)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;MMM&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Abbreviated name of the month (e.g. Jan, Feb)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;MMMM&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Full name of the month (e.g. January)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;yy&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Year as a two-digit number (00 to 99)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;yyyy&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Year as a four-digit number (e.g. 2024)&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;Other characters (dot, dash, slash, space) are written as they are.&lt;/p&gt;&lt;p&gt;Example: the mask &lt;b&gt;dd.MM.yyyy&lt;/b&gt; writes 4 March 2024 as &lt;b&gt;04.03.2024&lt;/b&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>Oddeľovač položiek vo výstupnom súbore: </source>
        <translation>Field separator in the output file: </translation>
    </message>
    <message>
        <source>|</source>
        <translation>|</translation>
    </message>
    <message>
        <source>Priradenie konkrétnych prerušení (neprítomností) so špeciálnym významom:</source>
        <translation>Assignment of particular interruptions (absences) with a special meaning:</translation>
    </message>
    <message>
        <source>Upozornenie: V ponukách sú len aktívne prerušenia, teda prerušenia ku ktorým už  bol pripradený kód (na karte Hlavné nastavenia).</source>
        <translation>Note: The lists offer only active interruptions, that is interruptions that already have a code (on the Main settings page).</translation>
    </message>
    <message>
        <source>Neprítomnosti s významom: </source>
        <translation>Absences meaning: </translation>
    </message>
    <message>
        <source>zodpovedá prerušenie:</source>
        <translation>matching interruption:</translation>
    </message>
    <message>
        <source>Práceneschopnosť (PN)</source>
        <translation>Sick leave (PN)</translation>
    </message>
    <message>
        <source>Ošetrovanie člena rodiny (OČR)</source>
        <translation>Care of a family member (OČR)</translation>
    </message>
    <message>
        <source>Karanténa PN</source>
        <translation>Quarantine PN</translation>
    </message>
    <message>
        <source>Karanténa OČR</source>
        <translation>Quarantine OČR</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Po jednotlivých dňoch&lt;/b&gt;&lt;br/&gt;Pre každú odchýlku sa bude exportovať jeden záznam (riadok) pre každý deň. Záznam vznikne za každý deň mesiaca, v ktorom sa odchýlka vyskytla; jeho hodnotou je súčet odchýlky za tento deň.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Po úsekoch dní (od do)&lt;/b&gt;&lt;br/&gt;Pre každý súvislý úsek dní, v ktorých odchýlka trvala celý deň, sa bude exportovať jeden záznam s dátumom začiatku a konca úseku; jeho hodnotou je súčet za celý úsek. Deň, v ktorom odchýlka nevyplnila celý fond pracovného času, sa exportuje ako samostatný záznam. Pri práci tvoria úsek súvislé dni odpracované v plnom fonde.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sumárne za mesiac&lt;/b&gt;&lt;br/&gt;Pre každú odchýlku sa bude exportovať jeden záznam za celý mesiac; jeho hodnotou je súčet odchýlky za celý mesiac.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Day by day&lt;/b&gt;&lt;br/&gt;For each absence, one record (line) will be exported for each day. A record is made for every day of the month on which the absence occurred; its value is the total of the absence on that day.&lt;/p&gt;&lt;p&gt;&lt;b&gt;By spans of days (from to)&lt;/b&gt;&lt;br/&gt;For each continuous span of days on which the absence lasted the whole day, one record will be exported with the first and the last day of the span; its value is the total of the whole span. A day on which the absence did not fill the whole working-time fund is exported as a record of its own. For work, a span is made of consecutive days worked to the full fund.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Monthly total&lt;/b&gt;&lt;br/&gt;For each absence, one record will be exported for the whole month; its value is the total of the absence in the whole month.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbIntersTyp</source>
        <translation>cbIntersTyp</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Bez hodnoty (prázdne)&lt;/b&gt;&lt;br/&gt;Položka s počtom (hodnotou) zostane vo výstupnom súbore prázdna. Záznam sa aj tak exportuje iba vtedy, ak je trvanie odchýlky väčšie ako nula.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Dni (des. číslo)&lt;/b&gt;&lt;br/&gt;Počet dní ako desatinné číslo: trvanie odchýlky vydelené fondom pracovného času daného dňa; ak zamestnanec v tento deň nemá fond, použije sa referenčný fond jeho skupiny. Použije sa kód pre dni.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Hodiny (des. číslo)&lt;/b&gt;&lt;br/&gt;Počet hodín ako desatinné číslo (trvanie v sekundách vydelené 3600). Použije sa kód pre hodiny.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Dni/Hodiny automaticky&lt;/b&gt;&lt;br/&gt;Zvolí sa pre každý záznam zvlášť: ak odchýlka vyplní celý fond dňa, exportujú sa dni s kódom pre dni; ak je kratšia, exportujú sa hodiny s kódom pre hodiny. Pri type exportu „Sumárne za mesiac“ sa exportujú vždy dni.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sekundy (celé číslo)&lt;/b&gt;&lt;br/&gt;Trvanie odchýlky v celých sekundách.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Kód so znakom „/“:&lt;/i&gt; kód prerušenia môže byť zložený z kódu pre dni a kódu pre hodiny oddelených lomkou, napr. „21/22“. Záznamy exportované v hodinách použijú kód za lomkou, všetky ostatné záznamy kód pred lomkou. Kód bez lomky platí pre všetky voľby.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Čísla&lt;/i&gt; sa do súboru pre Orvex zapisujú s desatinnou bodkou a zaokrúhlené na 6 platných číslic (napr. 7.5 alebo 0.666667).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;No value (empty)&lt;/b&gt;&lt;br/&gt;The amount field stays empty in the output file. A record is still exported only when the duration of the absence is above zero.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Days (decimal number)&lt;/b&gt;&lt;br/&gt;Number of days as a decimal number: the duration of the absence divided by the working-time fund of that day; when the employee has no fund on that day, the reference fund of his group is used. The code for days is used.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Hours (decimal number)&lt;/b&gt;&lt;br/&gt;Number of hours as a decimal number (duration in seconds divided by 3600). The code for hours is used.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Days/Hours automatically&lt;/b&gt;&lt;br/&gt;Chosen for each record separately: when the absence fills the whole fund of the day, days are exported with the code for days; when it is shorter, hours are exported with the code for hours. With the export type &quot;Monthly total&quot; days are always exported.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Seconds (whole number)&lt;/b&gt;&lt;br/&gt;Duration of the absence in whole seconds.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Code with &quot;/&quot;:&lt;/i&gt; an interruption code may combine a code for days and a code for hours, separated by a slash, e.g. &quot;21/22&quot;. Records exported in hours use the code after the slash, all other records the code before it. A code without a slash serves for every choice.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Numbers&lt;/i&gt; are written into the Orvex file with a decimal point and rounded to 6 significant digits (e.g. 7.5 or 0.666667).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbIntersHodnota</source>
        <translation>cbIntersHodnota</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Žiadny (prázdne)&lt;/b&gt;&lt;br/&gt;Táto voľba by mohla byť použiteľná v prípade, že Orvex pri danom kóde dátum od nevyžaduje. Položka „Dátum od“ zostane vo výstupnom súbore prázdna.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Deň udalosti&lt;/b&gt;&lt;br/&gt;Dátum dňa, ku ktorému sa záznam viaže; pri type exportu „Po úsekoch dní (od do)“ je to prvý deň úseku.&lt;/p&gt;&lt;p&gt;&lt;b&gt;1. deň v mesiaci&lt;/b&gt;&lt;br/&gt;Vždy prvý deň exportovaného mesiaca, napr. pri mesačných súčtoch.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Začiatok úseku dní&lt;/b&gt;&lt;br/&gt;Prvý deň úseku dní; zmysel má pri type exportu „Po úsekoch dní (od do)“, pri exporte po dňoch je to deň udalosti.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;None (empty)&lt;/b&gt;&lt;br/&gt;This choice could be useful when Orvex does not require a date from for the code. The &quot;Date from&quot; field stays empty in the output file.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Day of the event&lt;/b&gt;&lt;br/&gt;Date of the day the record belongs to; with the export type &quot;By spans of days (from to)&quot; it is the first day of the span.&lt;/p&gt;&lt;p&gt;&lt;b&gt;1st day of the month&lt;/b&gt;&lt;br/&gt;Always the first day of the exported month, e.g. for monthly totals.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Start of the span of days&lt;/b&gt;&lt;br/&gt;First day of the span of days; meaningful with the export type &quot;By spans of days (from to)&quot;, with the day by day export it is the day of the event.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbIntersDatumOd</source>
        <translation>cbIntersDatumOd</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Žiadny (prázdne)&lt;/b&gt;&lt;br/&gt;Táto voľba by mohla byť použiteľná v prípade, že Orvex pri danom kóde dátum do nevyžaduje. Položka „Dátum do“ zostane vo výstupnom súbore prázdna.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Deň udalosti&lt;/b&gt;&lt;br/&gt;Dátum dňa, ku ktorému sa záznam viaže; pri type exportu „Po úsekoch dní (od do)“ je to tiež prvý deň úseku (posledný deň úseku dáva voľba „Koniec úseku dní“).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Posledný deň v mesiaci&lt;/b&gt;&lt;br/&gt;Vždy posledný deň exportovaného mesiaca, napr. pri mesačných súčtoch.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Koniec úseku dní&lt;/b&gt;&lt;br/&gt;Posledný deň úseku dní; zmysel má pri type exportu „Po úsekoch dní (od do)“.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;None (empty)&lt;/b&gt;&lt;br/&gt;This choice could be useful when Orvex does not require a date to for the code. The &quot;Date to&quot; field stays empty in the output file.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Day of the event&lt;/b&gt;&lt;br/&gt;Date of the day the record belongs to; with the export type &quot;By spans of days (from to)&quot; it is also the first day of the span (the last day of the span is given by &quot;End of the span of days&quot;).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Last day of the month&lt;/b&gt;&lt;br/&gt;Always the last day of the exported month, e.g. for monthly totals.&lt;/p&gt;&lt;p&gt;&lt;b&gt;End of the span of days&lt;/b&gt;&lt;br/&gt;Last day of the span of days; meaningful with the export type &quot;By spans of days (from to)&quot;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbIntersDatumDo</source>
        <translation>cbIntersDatumDo</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Po jednotlivých dňoch&lt;/b&gt;&lt;br/&gt;Pre každú príplatkovú položku sa bude exportovať jeden záznam (riadok) pre každý deň, v ktorom je jej hodnota väčšia ako nula.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sumárne za mesiac&lt;/b&gt;&lt;br/&gt;Pre každú príplatkovú položku sa bude exportovať jeden záznam za celý mesiac so súčtom za mesiac.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Day by day&lt;/b&gt;&lt;br/&gt;For each bonus item, one record (line) will be exported for each day on which its value is above zero.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Monthly total&lt;/b&gt;&lt;br/&gt;For each bonus item, one record will be exported for the whole month with the month&apos;s total.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbItemsTyp</source>
        <translation>cbItemsTyp</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Bez hodnoty (prázdne)&lt;/b&gt;&lt;br/&gt;Nič sa nesčítava, takže sa neexportuje žiadny záznam (okrem stravných jednotiek, pozri nižšie).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Dni (des. číslo)&lt;/b&gt;&lt;br/&gt;Počet dní ako desatinné číslo: čas položky vydelený fondom pracovného času dňa. Použije sa kód pre dni.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Hodiny (des. číslo)&lt;/b&gt;&lt;br/&gt;Počet hodín ako desatinné číslo. Pri kóde so znakom „/“ sa použije kód za lomkou (kód pre hodiny).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sekundy (celé číslo)&lt;/b&gt;&lt;br/&gt;Čas položky v celých sekundách.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Stravné jednotky&lt;/i&gt; (lístky aj príspevok) sa vždy exportujú ako počet kusov, bez ohľadu na zvolenú hodnotu.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Čísla&lt;/i&gt; sa do súboru pre Orvex zapisujú s desatinnou bodkou a zaokrúhlené na 6 platných číslic (napr. 7.5 alebo 0.666667).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;No value (empty)&lt;/b&gt;&lt;br/&gt;Nothing is summed, so no record is exported (except meal vouchers, see below).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Days (decimal number)&lt;/b&gt;&lt;br/&gt;Number of days as a decimal number: the item&apos;s time divided by the working-time fund of the day. The code for days is used.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Hours (decimal number)&lt;/b&gt;&lt;br/&gt;Number of hours as a decimal number. With a code containing &quot;/&quot; the code after the slash (the code for hours) is used.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Seconds (whole number)&lt;/b&gt;&lt;br/&gt;The item&apos;s time in whole seconds.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Meal vouchers&lt;/i&gt; (vouchers as well as the contribution) are always exported as a number of pieces, whatever value is chosen.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Numbers&lt;/i&gt; are written into the Orvex file with a decimal point and rounded to 6 significant digits (e.g. 7.5 or 0.666667).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbItemsHodnota</source>
        <translation>cbItemsHodnota</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Žiadny (prázdne)&lt;/b&gt;&lt;br/&gt;Položka „Dátum od“ zostane vo výstupnom súbore prázdna.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Deň udalosti&lt;/b&gt;&lt;br/&gt;Dátum dňa, za ktorý sa záznam exportuje (pri exporte po jednotlivých dňoch).&lt;/p&gt;&lt;p&gt;&lt;b&gt;1. deň v mesiaci&lt;/b&gt;&lt;br/&gt;Vždy prvý deň exportovaného mesiaca, napr. pri mesačných súčtoch.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;None (empty)&lt;/b&gt;&lt;br/&gt;The &quot;Date from&quot; field stays empty in the output file.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Day of the event&lt;/b&gt;&lt;br/&gt;Date of the day the record is exported for (with the day by day export).&lt;/p&gt;&lt;p&gt;&lt;b&gt;1st day of the month&lt;/b&gt;&lt;br/&gt;Always the first day of the exported month, e.g. for monthly totals.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbItemsDatumOd</source>
        <translation>cbItemsDatumOd</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Žiadny (prázdne)&lt;/b&gt;&lt;br/&gt;Položka „Dátum do“ zostane vo výstupnom súbore prázdna.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Deň udalosti&lt;/b&gt;&lt;br/&gt;Dátum dňa, za ktorý sa záznam exportuje (pri exporte po jednotlivých dňoch).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Posledný deň v mesiaci&lt;/b&gt;&lt;br/&gt;Vždy posledný deň exportovaného mesiaca, napr. pri mesačných súčtoch.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;None (empty)&lt;/b&gt;&lt;br/&gt;The &quot;Date to&quot; field stays empty in the output file.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Day of the event&lt;/b&gt;&lt;br/&gt;Date of the day the record is exported for (with the day by day export).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Last day of the month&lt;/b&gt;&lt;br/&gt;Always the last day of the exported month, e.g. for monthly totals.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbItemsDatumDo</source>
        <translation>cbItemsDatumDo</translation>
    </message>
    <message>
        <source>Záporné saldo (Absencia)</source>
        <translation>Negative balance (Absence)</translation>
    </message>
    <message>
        <source>Práca v sobotu</source>
        <translation>Work on Saturday</translation>
    </message>
    <message>
        <source>Práca v nedeľu</source>
        <translation>Work on Sunday</translation>
    </message>
    <message>
        <source>Práca v noci</source>
        <translation>Night work</translation>
    </message>
    <message>
        <source>Nadčasové hodiny</source>
        <translation>Overtime hours</translation>
    </message>
    <message>
        <source>Platené sviatky - hodiny</source>
        <translation>Paid holidays - hours</translation>
    </message>
    <message>
        <source>Odpracované sviatky - hodiny</source>
        <translation>Holidays worked - hours</translation>
    </message>
    <message>
        <source>Príplatky za zmeny - hodiny</source>
        <translation>Shift allowances - hours</translation>
    </message>
    <message>
        <source>Pohotovosť</source>
        <translation>On-call duty</translation>
    </message>
    <message>
        <source>Stravné jednotky (lístky)</source>
        <translation>Meal vouchers (vouchers)</translation>
    </message>
    <message>
        <source>Stravné jednotky (príspevok)</source>
        <translation>Meal vouchers (contribution)</translation>
    </message>
    <message>
        <source>Nadčas vo sviatky</source>
        <translation>Overtime on holidays</translation>
    </message>
    <message>
        <source>Plný fond</source>
        <translation>Full fund</translation>
    </message>
    <message>
        <source>Typ exportu</source>
        <translation>Export type</translation>
    </message>
    <message>
        <source>Hodnota</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Dátum od</source>
        <translation>Date from</translation>
    </message>
    <message>
        <source>Dátum do</source>
        <translation>Date to</translation>
    </message>
    <message>
        <source>Po jednotlivých dňoch</source>
        <translation>Day by day</translation>
    </message>
    <message>
        <source>Po úsekoch dní (od do)</source>
        <translation>By spans of days (from to)</translation>
    </message>
    <message>
        <source>Sumárne za mesiac</source>
        <translation>Monthly total</translation>
    </message>
    <message>
        <source>Bez hodnoty (prázdne)</source>
        <translation>No value (empty)</translation>
    </message>
    <message>
        <source>Dni (des. číslo)</source>
        <translation>Days (decimal number)</translation>
    </message>
    <message>
        <source>Hodiny (des. číslo)</source>
        <translation>Hours (decimal number)</translation>
    </message>
    <message>
        <source>Dni/Hodiny automaticky</source>
        <translation>Days/Hours automatically</translation>
    </message>
    <message>
        <source>Sekundy (celé číslo)</source>
        <translation>Seconds (whole number)</translation>
    </message>
    <message>
        <source>Žiadny (prázdne)</source>
        <translation>None (empty)</translation>
    </message>
    <message>
        <source>Deň udalosti</source>
        <translation>Day of the event</translation>
    </message>
    <message>
        <source>1. deň v mesiaci</source>
        <translation>1st day of the month</translation>
    </message>
    <message>
        <source>Začiatok úseku dní</source>
        <translation>Start of the span of days</translation>
    </message>
    <message>
        <source>Posledný deň v mesiaci</source>
        <translation>Last day of the month</translation>
    </message>
    <message>
        <source>Koniec úseku dní</source>
        <translation>End of the span of days</translation>
    </message>
    <message>
        <source>nepoužíva sa</source>
        <translation>not used</translation>
    </message>
</context>
<context>
    <name>Orvexuniversal</name>
    <message>
        <source>Exportujem Orvexuniversal...</source>
        <translation>Exporting Orvexuniversal...</translation>
    </message>
    <message>
        <source>Prerušiť</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Osobné číslo %1: hodnota &quot;%2&quot; obsahuje oddeľovač položiek alebo koniec riadku; tieto znaky sú v súbore nahradené medzerou.</source>
        <translation>Personal number %1: the value &quot;%2&quot; contains the field separator or a line end; these characters are replaced by a space in the file.</translation>
    </message>
    <message>
        <source>%1 s ID: %2 %3 z dôvodu neuzavretých dní.</source>
        <translation>%1 with ID: %2 %3 because of days that are not closed.</translation>
    </message>
    <message>
        <source>Výstupný súbor sa nepodarilo otvoriť pre zápis! 
Uistite sa, či nie je otvorený v inom programe.</source>
        <translation>The output file could not be opened for writing! 
Make sure it is not open in another program.</translation>
    </message>
    <message>
        <source>Export neprebehol, pretože zoznam ľudí je prázdny!  
Všetci požadovaní ľudia boli možno vyradení z dôvodu neuzavretých dní.   
Prekontrolujte prosím nastavenia a spustite export znovu.</source>
        <translation>The export did not run because the list of people is empty!  
All requested people may have been left out because of days that are not closed.   
Please check the settings and run the export again.</translation>
    </message>
    <message>
        <source>Export neprebehol, pretože neexistujú žiadne data pre export! 
Prekontrolujte prosím nastavenia a spustite export znovu.</source>
        <translation>The export did not run because there are no data to export! 
Please check the settings and run the export again.</translation>
    </message>
    <message>
        <source>Záporné saldo (Absencia)</source>
        <translation>Negative balance (Absence)</translation>
    </message>
    <message>
        <source>Práca v sobotu</source>
        <translation>Work on Saturday</translation>
    </message>
    <message>
        <source>Práca v nedeľu</source>
        <translation>Work on Sunday</translation>
    </message>
    <message>
        <source>Práca v noci</source>
        <translation>Night work</translation>
    </message>
    <message>
        <source>Nadčasové hodiny</source>
        <translation>Overtime hours</translation>
    </message>
    <message>
        <source>Platené sviatky - hodiny</source>
        <translation>Paid holidays - hours</translation>
    </message>
    <message>
        <source>Odpracované sviatky - hodiny</source>
        <translation>Holidays worked - hours</translation>
    </message>
    <message>
        <source>Príplatky za zmeny - hodiny</source>
        <translation>Shift allowances - hours</translation>
    </message>
    <message>
        <source>Pohotovosť</source>
        <translation>On-call duty</translation>
    </message>
    <message>
        <source>Stravné jednotky (lístky)</source>
        <translation>Meal vouchers (vouchers)</translation>
    </message>
    <message>
        <source>Stravné jednotky (príspevok)</source>
        <translation>Meal vouchers (contribution)</translation>
    </message>
    <message>
        <source>Nadčas vo sviatky</source>
        <translation>Overtime on holidays</translation>
    </message>
    <message>
        <source>Plný fond</source>
        <translation>Full fund</translation>
    </message>
    <message>
        <source>Zoznam zamestnancov pre export nebolo možné načítať z databázy (interná chyba SQL: %1)!</source>
        <translation>The list of employees for the export could not be read from the database (internal SQL error: %1)!</translation>
    </message>
    <message>
        <source>Príprava dát pre export do %1 ...</source>
        <translation>Preparing data for the export to %1 ...</translation>
    </message>
    <message>
        <source>Osobné číslo %1: hodnota v dňoch (%2) za %3 nebola exportovaná, deň nemá fond pracovného času.</source>
        <translation>Personal number %1: the value in days (%2) for %3 was not exported, the day has no working-time fund.</translation>
    </message>
    <message>
        <source>bez udania dôvodu</source>
        <translation>no reason given</translation>
    </message>
    <message>
        <source>Export sa nepodaril, zlyhal krok: %1 (%2)!</source>
        <translation>The export failed at the step: %1 (%2)!</translation>
    </message>
    <message>
        <source>Príčina: %1</source>
        <translation>Cause: %1</translation>
    </message>
    <message>
        <source>Výstupný súbor nebol zapísaný, predchádzajúci súbor zostal nezmenený.</source>
        <translation>No output file was written; the previous file is unchanged.</translation>
    </message>
    <message>
        <source>otvorenie pomocnej databázy SQLite</source>
        <translation>opening the SQLite staging database</translation>
    </message>
    <message>
        <source>vytvorenie pomocných tabuliek</source>
        <translation>creating the staging tables</translation>
    </message>
    <message>
        <source>príprava údajov na export</source>
        <translation>preparing the data for the export</translation>
    </message>
    <message>
        <source>výpočet úsekov</source>
        <translation>calculating the spans</translation>
    </message>
    <message>
        <source>otvorenie výstupnej databázy testu %1</source>
        <translation>opening the test output database %1</translation>
    </message>
    <message>
        <source>čítanie zoznamu zamestnancov z databázy hostiteľa</source>
        <translation>reading the list of employees from the host database</translation>
    </message>
    <message>
        <source>ovládač databázy %1 nie je nainštalovaný</source>
        <translation>database driver %1 is not installed</translation>
    </message>
    <message>
        <source>kontrola uzávierky mesiaca</source>
        <translation>checking the monthly closure</translation>
    </message>
    <message>
        <source>kontrola zvolených zamestnancov</source>
        <translation>checking the selected employees</translation>
    </message>
    <message>
        <source>Zamestnanec s ID: %1 v databáze dochádzky neexistuje.</source>
        <translation>Employee with ID: %1 does not exist in the attendance database.</translation>
    </message>
    <message>
        <source>Zamestnanci s ID: %1 v databáze dochádzky neexistujú.</source>
        <translation>Employees with IDs: %1 do not exist in the attendance database.</translation>
    </message>
    <message>
        <source>Osobné číslo &quot;%1&quot; majú viacerí zamestnanci (ID: %2); mzdy ich zlúčia do jedného záznamu.</source>
        <translation>Personal number &quot;%1&quot; is shared by several employees (ID: %2); payroll will merge them into one record.</translation>
    </message>
    <message>
        <source>Osobné číslo &quot;%1&quot; zamestnanca s ID: %2 je prázdne, má medzery na začiatku alebo na konci, riadiace znaky alebo úvodzovky; mzdy ho nemusia priradiť.</source>
        <translation>Personal number &quot;%1&quot; of the employee with ID: %2 is empty, has blanks at its start or end, control characters or quotes; payroll may not match it.</translation>
    </message>
    <message>
        <source>čítanie údajov z databázy hostiteľa (%1)</source>
        <translation>reading data from the host database (%1)</translation>
    </message>
    <message>
        <source>tvorba riadkov exportu</source>
        <translation>creating the export rows</translation>
    </message>
    <message>
        <source>Výstupný súbor sa nepodarilo otvoriť pre zápis! 
</source>
        <translation>The output file could not be opened for writing! 
</translation>
    </message>
    <message>
        <source>Priečinok %1 neexistuje.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Cesta %1 nie je priečinok, ale súbor.</source>
        <translation>The path %1 is a file, not a folder.</translation>
    </message>
    <message>
        <source>Na mieste súboru %1 je priečinok.</source>
        <translation>There is a folder in place of the file %1.</translation>
    </message>
    <message>
        <source>Výstupný súbor sa nepodarilo zapísať (%1)! 
Predchádzajúci súbor zostal nezmenený.</source>
        <translation>The output file could not be written (%1)! 
The previous file is unchanged.</translation>
    </message>
    <message>
        <source>čítanie riadkov exportu pre súbor</source>
        <translation>reading the export rows for the file</translation>
    </message>
    <message>
        <source>Export prerušil používateľ!</source>
        <translation>The export was cancelled by the user!</translation>
    </message>
    <message>
        <source>čítanie zastavené</source>
        <translation>reading stopped</translation>
    </message>
    <message>
        <source>uzávierka mesiaca sa počas exportu zmenila (ID zamestnancov: %1), export spustite znova</source>
        <translation>the closure of the month changed while the export ran (employee IDs: %1), run the export again</translation>
    </message>
</context>
</TS>
