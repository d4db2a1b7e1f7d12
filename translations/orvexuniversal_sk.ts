<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="sk_SK">
<context>
    <name>OrvexOptWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Neprítomnosti</source>
        <translation>Neprítomnosti</translation>
    </message>
    <message>
        <source>Príplatkové položky</source>
        <translation>Príplatkové položky</translation>
    </message>
    <message>
        <source>Ostatné nastavenia</source>
        <translation>Ostatné nastavenia</translation>
    </message>
    <message>
        <source>Nastavenia ovplyvňujúce výstupný súbor (musia byť v súlade s požiadavkami Orvex)</source>
        <translation>Nastavenia ovplyvňujúce výstupný súbor (musia byť v súlade s požiadavkami Orvex)</translation>
    </message>
    <message>
        <source>Neexportovať &quot;Dátum od&quot; pri PN/OČR pokračujúcej z minulého mesiaca (nechať prázdne)</source>
        <translation>Neexportovať &quot;Dátum od&quot; pri PN/OČR pokračujúcej z minulého mesiaca (nechať prázdne)</translation>
    </message>
    <message>
        <source>Neexportovať &quot;Dátum do&quot; pri PN/OČR pokračujúcej v nasledujúcom mesiaci (nechať prázdne)</source>
        <translation>Neexportovať &quot;Dátum do&quot; pri PN/OČR pokračujúcej v nasledujúcom mesiaci (nechať prázdne)</translation>
    </message>
    <message>
        <source>Pri PN/OČR exportovaných v úsekoch dní odpočítať víkendy a sviatky</source>
        <translation>Pri PN/OČR exportovaných v úsekoch dní odpočítať víkendy a sviatky</translation>
    </message>
    <message>
        <source>Oddeňovač položiek vo výstupnom súbore aj na konci riadku (po položke Dátum_do)</source>
        <translation>Oddeňovač položiek vo výstupnom súbore aj na konci riadku (po položke Dátum_do)</translation>
    </message>
    <message>
        <source>Maska formátu dátumov (od, do) :</source>
        <translation>Maska formátu dátumov (od, do) :</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Maska určuje, ako sa zapíšu dátumy v položkách „Dátum od“ a „Dátum do“. Použiteľné značky:&lt;/p&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;d&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Deň ako číslo bez úvodnej nuly (1 až 31)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;dd&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Deň ako číslo s úvodnou nulou (01 až 31)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;ddd&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Skrátený názov dňa v týždni (napr. po, ut)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;dddd&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Celý názov dňa v týždni (napr. pondelok)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Mesiac ako číslo bez úvodnej nuly (1 až 12)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;MM&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Mesiac ako číslo s úvodnou nulou (01 až 12)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;MMM&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Skrátený názov mesiaca (napr. jan, feb)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;MMMM&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Celý názov mesiaca (napr. január)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;yy&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Rok ako dvojmiestne číslo (00 až 99)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;yyyy&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Rok ako štvormiestne číslo (napr. 2024)&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;Ostatné znaky (bodka, pomlčka, lomka, medzera) sa zapíšu tak, ako sú.&lt;/p&gt;&lt;p&gt;Príklad: maska &lt;b&gt;dd.MM.yyyy&lt;/b&gt; zapíše 4. marec 2024 ako &lt;b&gt;04.03.2024&lt;/b&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Maska určuje, ako sa zapíšu dátumy v položkách „Dátum od“ a „Dátum do“. Použiteľné značky:&lt;/p&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;d&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Deň ako číslo bez úvodnej nuly (1 až 31)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;dd&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Deň ako číslo s úvodnou nulou (01 až 31)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;ddd&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Skrátený názov dňa v týždni (napr. po, ut)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;dddd&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Celý názov dňa v týždni (napr. pondelok)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;M&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Mesiac ako číslo bez úvodnej nuly (1 až 12)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;MM&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Mesiac ako číslo s úvodnou nulou (01 až 12)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;MMM&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Skrátený názov mesiaca (napr. jan, feb)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;MMMM&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Celý názov mesiaca (napr. január)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;yy&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Rok ako dvojmiestne číslo (00 až 99)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;yyyy&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;nbsp;&amp;nbsp;Rok ako štvormiestne číslo (napr. 2024)&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;Ostatné znaky (bodka, pomlčka, lomka, medzera) sa zapíšu tak, ako sú.&lt;/p&gt;&lt;p&gt;Príklad: maska &lt;b&gt;dd.MM.yyyy&lt;/b&gt; zapíše 4. marec 2024 ako &lt;b&gt;04.03.2024&lt;/b&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>Oddeľovač položiek vo výstupnom súbore: </source>
        <translation>Oddeľovač položiek vo výstupnom súbore: </translation>
    </message>
    <message>
        <source>|</source>
        <translation>|</translation>
    </message>
    <message>
        <source>Priradenie konkrétnych prerušení (neprítomností) so špeciálnym významom:</source>
        <translation>Priradenie konkrétnych prerušení (neprítomností) so špeciálnym významom:</translation>
    </message>
    <message>
        <source>Upozornenie: V ponukách sú len aktívne prerušenia, teda prerušenia ku ktorým už  bol pripradený kód (na karte Hlavné nastavenia).</source>
        <translation>Upozornenie: V ponukách sú len aktívne prerušenia, teda prerušenia ku ktorým už  bol pripradený kód (na karte Hlavné nastavenia).</translation>
    </message>
    <message>
        <source>Neprítomnosti s významom: </source>
        <translation>Neprítomnosti s významom: </translation>
    </message>
    <message>
        <source>zodpovedá prerušenie:</source>
        <translation>zodpovedá prerušenie:</translation>
    </message>
    <message>
        <source>Práceneschopnosť (PN)</source>
        <translation>Práceneschopnosť (PN)</translation>
    </message>
    <message>
        <source>Ošetrovanie člena rodiny (OČR)</source>
        <translation>Ošetrovanie člena rodiny (OČR)</translation>
    </message>
    <message>
        <source>Karanténa PN</source>
        <translation>Karanténa PN</translation>
    </message>
    <message>
        <source>Karanténa OČR</source>
        <translation>Karanténa OČR</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Po jednotlivých dňoch&lt;/b&gt;&lt;br/&gt;Pre každú odchýlku sa bude exportovať jeden záznam (riadok) pre každý deň. Záznam vznikne za každý deň mesiaca, v ktorom sa odchýlka vyskytla; jeho hodnotou je súčet odchýlky za tento deň.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Po úsekoch dní (od do)&lt;/b&gt;&lt;br/&gt;Pre každý súvislý úsek dní, v ktorých odchýlka trvala celý deň, sa bude exportovať jeden záznam s dátumom začiatku a konca úseku; jeho hodnotou je súčet za celý úsek. Deň, v ktorom odchýlka nevyplnila celý fond pracovného času, sa exportuje ako samostatný záznam. Pri práci tvoria úsek súvislé dni odpracované v plnom fonde.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sumárne za mesiac&lt;/b&gt;&lt;br/&gt;Pre každú odchýlku sa bude exportovať jeden záznam za celý mesiac; jeho hodnotou je súčet odchýlky za celý mesiac.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Po jednotlivých dňoch&lt;/b&gt;&lt;br/&gt;Pre každú odchýlku sa bude exportovať jeden záznam (riadok) pre každý deň. Záznam vznikne za každý deň mesiaca, v ktorom sa odchýlka vyskytla; jeho hodnotou je súčet odchýlky za tento deň.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Po úsekoch dní (od do)&lt;/b&gt;&lt;br/&gt;Pre každý súvislý úsek dní, v ktorých odchýlka trvala celý deň, sa bude exportovať jeden záznam s dátumom začiatku a konca úseku; jeho hodnotou je súčet za celý úsek. Deň, v ktorom odchýlka nevyplnila celý fond pracovného času, sa exportuje ako samostatný záznam. Pri práci tvoria úsek súvislé dni odpracované v plnom fonde.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sumárne za mesiac&lt;/b&gt;&lt;br/&gt;Pre každú odchýlku sa bude exportovať jeden záznam za celý mesiac; jeho hodnotou je súčet odchýlky za celý mesiac.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbIntersTyp</source>
        <translation>cbIntersTyp</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Bez hodnoty (prázdne)&lt;/b&gt;&lt;br/&gt;Položka s počtom (hodnotou) zostane vo výstupnom súbore prázdna. Záznam sa aj tak exportuje iba vtedy, ak je trvanie odchýlky väčšie ako nula.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Dni (des. číslo)&lt;/b&gt;&lt;br/&gt;Počet dní ako desatinné číslo: trvanie odchýlky vydelené fondom pracovného času daného dňa; ak zamestnanec v tento deň nemá fond, použije sa referenčný fond jeho skupiny. Použije sa kód pre dni.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Hodiny (des. číslo)&lt;/b&gt;&lt;br/&gt;Počet hodín ako desatinné číslo (trvanie v sekundách vydelené 3600). Použije sa kód pre hodiny.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Dni/Hodiny automaticky&lt;/b&gt;&lt;br/&gt;Zvolí sa pre každý záznam zvlášť: ak odchýlka vyplní celý fond dňa, exportujú sa dni s kódom pre dni; ak je kratšia, exportujú sa hodiny s kódom pre hodiny. Pri type exportu „Sumárne za mesiac“ sa exportujú vždy dni.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sekundy (celé číslo)&lt;/b&gt;&lt;br/&gt;Trvanie odchýlky v celých sekundách.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Kód so znakom „/“:&lt;/i&gt; kód prerušenia môže byť zložený z kódu pre dni a kódu pre hodiny oddelených lomkou, napr. „21/22“. Záznamy exportované v hodinách použijú kód za lomkou, všetky ostatné záznamy kód pred lomkou. Kód bez lomky platí pre všetky voľby.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Čísla&lt;/i&gt; sa do súboru pre Orvex zapisujú s desatinnou bodkou a zaokrúhlené na 6 platných číslic (napr. 7.5 alebo 0.666667).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Bez hodnoty (prázdne)&lt;/b&gt;&lt;br/&gt;Položka s počtom (hodnotou) zostane vo výstupnom súbore prázdna. Záznam sa aj tak exportuje iba vtedy, ak je trvanie odchýlky väčšie ako nula.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Dni (des. číslo)&lt;/b&gt;&lt;br/&gt;Počet dní ako desatinné číslo: trvanie odchýlky vydelené fondom pracovného času daného dňa; ak zamestnanec v tento deň nemá fond, použije sa referenčný fond jeho skupiny. Použije sa kód pre dni.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Hodiny (des. číslo)&lt;/b&gt;&lt;br/&gt;Počet hodín ako desatinné číslo (trvanie v sekundách vydelené 3600). Použije sa kód pre hodiny.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Dni/Hodiny automaticky&lt;/b&gt;&lt;br/&gt;Zvolí sa pre každý záznam zvlášť: ak odchýlka vyplní celý fond dňa, exportujú sa dni s kódom pre dni; ak je kratšia, exportujú sa hodiny s kódom pre hodiny. Pri type exportu „Sumárne za mesiac“ sa exportujú vždy dni.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sekundy (celé číslo)&lt;/b&gt;&lt;br/&gt;Trvanie odchýlky v celých sekundách.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Kód so znakom „/“:&lt;/i&gt; kód prerušenia môže byť zložený z kódu pre dni a kódu pre hodiny oddelených lomkou, napr. „21/22“. Záznamy exportované v hodinách použijú kód za lomkou, všetky ostatné záznamy kód pred lomkou. Kód bez lomky platí pre všetky voľby.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Čísla&lt;/i&gt; sa do súboru pre Orvex zapisujú s desatinnou bodkou a zaokrúhlené na 6 platných číslic (napr. 7.5 alebo 0.666667).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbIntersHodnota</source>
        <translation>cbIntersHodnota</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Žiadny (prázdne)&lt;/b&gt;&lt;br/&gt;Táto voľba by mohla byť použiteľná v prípade, že Orvex pri danom kóde dátum od nevyžaduje. Položka „Dátum od“ zostane vo výstupnom súbore prázdna.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Deň udalosti&lt;/b&gt;&lt;br/&gt;Dátum dňa, ku ktorému sa záznam viaže; pri type exportu „Po úsekoch dní (od do)“ je to prvý deň úseku.&lt;/p&gt;&lt;p&gt;&lt;b&gt;1. deň v mesiaci&lt;/b&gt;&lt;br/&gt;Vždy prvý deň exportovaného mesiaca, napr. pri mesačných súčtoch.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Začiatok úseku dní&lt;/b&gt;&lt;br/&gt;Prvý deň úseku dní; zmysel má pri type exportu „Po úsekoch dní (od do)“, pri exporte po dňoch je to deň udalosti.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Žiadny (prázdne)&lt;/b&gt;&lt;br/&gt;Táto voľba by mohla byť použiteľná v prípade, že Orvex pri danom kóde dátum od nevyžaduje. Položka „Dátum od“ zostane vo výstupnom súbore prázdna.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Deň udalosti&lt;/b&gt;&lt;br/&gt;Dátum dňa, ku ktorému sa záznam viaže; pri type exportu „Po úsekoch dní (od do)“ je to prvý deň úseku.&lt;/p&gt;&lt;p&gt;&lt;b&gt;1. deň v mesiaci&lt;/b&gt;&lt;br/&gt;Vždy prvý deň exportovaného mesiaca, napr. pri mesačných súčtoch.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Začiatok úseku dní&lt;/b&gt;&lt;br/&gt;Prvý deň úseku dní; zmysel má pri type exportu „Po úsekoch dní (od do)“, pri exporte po dňoch je to deň udalosti.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbIntersDatumOd</source>
        <translation>cbIntersDatumOd</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Žiadny (prázdne)&lt;/b&gt;&lt;br/&gt;Táto voľba by mohla byť použiteľná v prípade, že Orvex pri danom kóde dátum do nevyžaduje. Položka „Dátum do“ zostane vo výstupnom súbore prázdna.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Deň udalosti&lt;/b&gt;&lt;br/&gt;Dátum dňa, ku ktorému sa záznam viaže; pri type exportu „Po úsekoch dní (od do)“ je to tiež prvý deň úseku (posledný deň úseku dáva voľba „Koniec úseku dní“).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Posledný deň v mesiaci&lt;/b&gt;&lt;br/&gt;Vždy posledný deň exportovaného mesiaca, napr. pri mesačných súčtoch.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Koniec úseku dní&lt;/b&gt;&lt;br/&gt;Posledný deň úseku dní; zmysel má pri type exportu „Po úsekoch dní (od do)“.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Žiadny (prázdne)&lt;/b&gt;&lt;br/&gt;Táto voľba by mohla byť použiteľná v prípade, že Orvex pri danom kóde dátum do nevyžaduje. Položka „Dátum do“ zostane vo výstupnom súbore prázdna.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Deň udalosti&lt;/b&gt;&lt;br/&gt;Dátum dňa, ku ktorému sa záznam viaže; pri type exportu „Po úsekoch dní (od do)“ je to tiež prvý deň úseku (posledný deň úseku dáva voľba „Koniec úseku dní“).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Posledný deň v mesiaci&lt;/b&gt;&lt;br/&gt;Vždy posledný deň exportovaného mesiaca, napr. pri mesačných súčtoch.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Koniec úseku dní&lt;/b&gt;&lt;br/&gt;Posledný deň úseku dní; zmysel má pri type exportu „Po úsekoch dní (od do)“.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbIntersDatumDo</source>
        <translation>cbIntersDatumDo</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Po jednotlivých dňoch&lt;/b&gt;&lt;br/&gt;Pre každú príplatkovú položku sa bude exportovať jeden záznam (riadok) pre každý deň, v ktorom je jej hodnota väčšia ako nula.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sumárne za mesiac&lt;/b&gt;&lt;br/&gt;Pre každú príplatkovú položku sa bude exportovať jeden záznam za celý mesiac so súčtom za mesiac.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Po jednotlivých dňoch&lt;/b&gt;&lt;br/&gt;Pre každú príplatkovú položku sa bude exportovať jeden záznam (riadok) pre každý deň, v ktorom je jej hodnota väčšia ako nula.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sumárne za mesiac&lt;/b&gt;&lt;br/&gt;Pre každú príplatkovú položku sa bude exportovať jeden záznam za celý mesiac so súčtom za mesiac.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbItemsTyp</source>
        <translation>cbItemsTyp</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Bez hodnoty (prázdne)&lt;/b&gt;&lt;br/&gt;Nič sa nesčítava, takže sa neexportuje žiadny záznam (okrem stravných jednotiek, pozri nižšie).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Dni (des. číslo)&lt;/b&gt;&lt;br/&gt;Počet dní ako desatinné číslo: čas položky vydelený fondom pracovného času dňa. Použije sa kód pre dni.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Hodiny (des. číslo)&lt;/b&gt;&lt;br/&gt;Počet hodín ako desatinné číslo. Pri kóde so znakom „/“ sa použije kód za lomkou (kód pre hodiny).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sekundy (celé číslo)&lt;/b&gt;&lt;br/&gt;Čas položky v celých sekundách.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Stravné jednotky&lt;/i&gt; (lístky aj príspevok) sa vždy exportujú ako počet kusov, bez ohľadu na zvolenú hodnotu.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Čísla&lt;/i&gt; sa do súboru pre Orvex zapisujú s desatinnou bodkou a zaokrúhlené na 6 platných číslic (napr. 7.5 alebo 0.666667).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Bez hodnoty (prázdne)&lt;/b&gt;&lt;br/&gt;Nič sa nesčítava, takže sa neexportuje žiadny záznam (okrem stravných jednotiek, pozri nižšie).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Dni (des. číslo)&lt;/b&gt;&lt;br/&gt;Počet dní ako desatinné číslo: čas položky vydelený fondom pracovného času dňa. Použije sa kód pre dni.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Hodiny (des. číslo)&lt;/b&gt;&lt;br/&gt;Počet hodín ako desatinné číslo. Pri kóde so znakom „/“ sa použije kód za lomkou (kód pre hodiny).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sekundy (celé číslo)&lt;/b&gt;&lt;br/&gt;Čas položky v celých sekundách.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Stravné jednotky&lt;/i&gt; (lístky aj príspevok) sa vždy exportujú ako počet kusov, bez ohľadu na zvolenú hodnotu.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Čísla&lt;/i&gt; sa do súboru pre Orvex zapisujú s desatinnou bodkou a zaokrúhlené na 6 platných číslic (napr. 7.5 alebo 0.666667).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbItemsHodnota</source>
        <translation>cbItemsHodnota</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Žiadny (prázdne)&lt;/b&gt;&lt;br/&gt;Položka „Dátum od“ zostane vo výstupnom súbore prázdna.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Deň udalosti&lt;/b&gt;&lt;br/&gt;Dátum dňa, za ktorý sa záznam exportuje (pri exporte po jednotlivých dňoch).&lt;/p&gt;&lt;p&gt;&lt;b&gt;1. deň v mesiaci&lt;/b&gt;&lt;br/&gt;Vždy prvý deň exportovaného mesiaca, napr. pri mesačných súčtoch.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Žiadny (prázdne)&lt;/b&gt;&lt;br/&gt;Položka „Dátum od“ zostane vo výstupnom súbore prázdna.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Deň udalosti&lt;/b&gt;&lt;br/&gt;Dátum dňa, za ktorý sa záznam exportuje (pri exporte po jednotlivých dňoch).&lt;/p&gt;&lt;p&gt;&lt;b&gt;1. deň v mesiaci&lt;/b&gt;&lt;br/&gt;Vždy prvý deň exportovaného mesiaca, napr. pri mesačných súčtoch.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbItemsDatumOd</source>
        <translation>cbItemsDatumOd</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Žiadny (prázdne)&lt;/b&gt;&lt;br/&gt;Položka „Dátum do“ zostane vo výstupnom súbore prázdna.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Deň udalosti&lt;/b&gt;&lt;br/&gt;Dátum dňa, za ktorý sa záznam exportuje (pri exporte po jednotlivých dňoch).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Posledný deň v mesiaci&lt;/b&gt;&lt;br/&gt;Vždy posledný deň exportovaného mesiaca, napr. pri mesačných súčtoch.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Žiadny (prázdne)&lt;/b&gt;&lt;br/&gt;Položka „Dátum do“ zostane vo výstupnom súbore prázdna.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Deň udalosti&lt;/b&gt;&lt;br/&gt;Dátum dňa, za ktorý sa záznam exportuje (pri exporte po jednotlivých dňoch).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Posledný deň v mesiaci&lt;/b&gt;&lt;br/&gt;Vždy posledný deň exportovaného mesiaca, napr. pri mesačných súčtoch.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>cbItemsDatumDo</source>
        <translation>cbItemsDatumDo</translation>
    </message>
    <message>
        <source>Záporné saldo (Absencia)</source>
        <translation>Záporné saldo (Absencia)</translation>
    </message>
    <message>
        <source>Práca v sobotu</source>
        <translation>Práca v sobotu</translation>
    </message>
    <message>
        <source>Práca v nedeľu</source>
        <translation>Práca v nedeľu</translation>
    </message>
    <message>
        <source>Práca v noci</source>
        <translation>Práca v noci</translation>
    </message>
    <message>
        <source>Nadčasové hodiny</source>
        <translation>Nadčasové hodiny</translation>
    </message>
    <message>
        <source>Platené sviatky - hodiny</source>
        <translation>Platené sviatky - hodiny</translation>
    </message>
    <message>
        <source>Odpracované sviatky - hodiny</source>
        <translation>Odpracované sviatky - hodiny</translation>
    </message>
    <message>
        <source>Príplatky za zmeny - hodiny</source>
        <translation>Príplatky za zmeny - hodiny</translation>
    </message>
    <message>
        <source>Pohotovosť</source>
        <translation>Pohotovosť</translation>
    </message>
    <message>
        <source>Stravné jednotky (lístky)</source>
        <translation>Stravné jednotky (lístky)</translation>
    </message>
    <message>
        <source>Stravné jednotky (príspevok)</source>
        <translation>Stravné jednotky (príspevok)</translation>
    </message>
    <message>
        <source>Nadčas vo sviatky</source>
        <translation>Nadčas vo sviatky</translation>
    </message>
    <message>
        <source>Plný fond</source>
        <translation>Plný fond</translation>
    </message>
    <message>
        <source>Typ exportu</source>
        <translation>Typ exportu</translation>
    </message>
    <message>
        <source>Hodnota</source>
        <translation>Hodnota</translation>
    </message>
    <message>
        <source>Dátum od</source>
        <translation>Dátum od</translation>
    </message>
    <message>
        <source>Dátum do</source>
        <translation>Dátum do</translation>
    </message>
    <message>
        <source>Po jednotlivých dňoch</source>
        <translation>Po jednotlivých dňoch</translation>
    </message>
    <message>
        <source>Po úsekoch dní (od do)</source>
        <translation>Po úsekoch dní (od do)</translation>
    </message>
    <message>
        <source>Sumárne za mesiac</source>
        <translation>Sumárne za mesiac</translation>
    </message>
    <message>
        <source>Bez hodnoty (prázdne)</source>
        <translation>Bez hodnoty (prázdne)</translation>
    </message>
    <message>
        <source>Dni (des. číslo)</source>
        <translation>Dni (des. číslo)</translation>
    </message>
    <message>
        <source>Hodiny (des. číslo)</source>
        <translation>Hodiny (des. číslo)</translation>
    </message>
    <message>
        <source>Dni/Hodiny automaticky</source>
        <translation>Dni/Hodiny automaticky</translation>
    </message>
    <message>
        <source>Sekundy (celé číslo)</source>
        <translation>Sekundy (celé číslo)</translation>
    </message>
    <message>
        <source>Žiadny (prázdne)</source>
        <translation>Žiadny (prázdne)</translation>
    </message>
    <message>
        <source>Deň udalosti</source>
        <translation>Deň udalosti</translation>
    </message>
    <message>
        <source>1. deň v mesiaci</source>
        <translation>1. deň v mesiaci</translation>
    </message>
    <message>
        <source>Začiatok úseku dní</source>
        <translation>Začiatok úseku dní</translation>
    </message>
    <message>
        <source>Posledný deň v mesiaci</source>
        <translation>Posledný deň v mesiaci</translation>
    </message>
    <message>
        <source>Koniec úseku dní</source>
        <translation>Koniec úseku dní</translation>
    </message>
    <message>
        <source>nepoužíva sa</source>
        <translation>nepoužíva sa</translation>
    </message>
</context>
<context>
    <name>Orvexuniversal</name>
    <message>
        <source>Exportujem Orvexuniversal...</source>
        <translation>Exportujem Orvexuniversal...</translation>
    </message>
    <message>
        <source>Prerušiť</source>
        <translation>Prerušiť</translation>
    </message>
    <message>
        <source>Osobné číslo %1: hodnota &quot;%2&quot; obsahuje oddeľovač položiek alebo koniec riadku; tieto znaky sú v súbore nahradené medzerou.</source>
        <translation>Osobné číslo %1: hodnota &quot;%2&quot; obsahuje oddeľovač položiek alebo koniec riadku; tieto znaky sú v súbore nahradené medzerou.</translation>
    </message>
    <message>
        <source>%1 s ID: %2 %3 z dôvodu neuzavretých dní.</source>
        <translation>%1 s ID: %2 %3 z dôvodu neuzavretých dní.</translation>
    </message>
    <message>
        <source>Výstupný súbor sa nepodarilo otvoriť pre zápis! 
Uistite sa, či nie je otvorený v inom programe.</source>
        <translation>Výstupný súbor sa nepodarilo otvoriť pre zápis! 
Uistite sa, či nie je otvorený v inom programe.</translation>
    </message>
    <message>
        <source>Export neprebehol, pretože zoznam ľudí je prázdny!  
Všetci požadovaní ľudia boli možno vyradení z dôvodu neuzavretých dní.   
Prekontrolujte prosím nastavenia a spustite export znovu.</source>
        <translation>Export neprebehol, pretože zoznam ľudí je prázdny!  
Všetci požadovaní ľudia boli možno vyradení z dôvodu neuzavretých dní.   
Prekontrolujte prosím nastavenia a spustite export znovu.</translation>
    </message>
    <message>
        <source>Export neprebehol, pretože neexistujú žiadne data pre export! 
Prekontrolujte prosím nastavenia a spustite export znovu.</source>
        <translation>Export neprebehol, pretože neexistujú žiadne data pre export! 
Prekontrolujte prosím nastavenia a spustite export znovu.</translation>
    </message>
    <message>
        <source>Záporné saldo (Absencia)</source>
        <translation>Záporné saldo (Absencia)</translation>
    </message>
    <message>
        <source>Práca v sobotu</source>
        <translation>Práca v sobotu</translation>
    </message>
    <message>
        <source>Práca v nedeľu</source>
        <translation>Práca v nedeľu</translation>
    </message>
    <message>
        <source>Práca v noci</source>
        <translation>Práca v noci</translation>
    </message>
    <message>
        <source>Nadčasové hodiny</source>
        <translation>Nadčasové hodiny</translation>
    </message>
    <message>
        <source>Platené sviatky - hodiny</source>
        <translation>Platené sviatky - hodiny</translation>
    </message>
    <message>
        <source>Odpracované sviatky - hodiny</source>
        <translation>Odpracované sviatky - hodiny</translation>
    </message>
    <message>
        <source>Príplatky za zmeny - hodiny</source>
        <translation>Príplatky za zmeny - hodiny</translation>
    </message>
    <message>
        <source>Pohotovosť</source>
        <translation>Pohotovosť</translation>
    </message>
    <message>
        <source>Stravné jednotky (lístky)</source>
        <translation>Stravné jednotky (lístky)</translation>
    </message>
    <message>
        <source>Stravné jednotky (príspevok)</source>
        <translation>Stravné jednotky (príspevok)</translation>
    </message>
    <message>
        <source>Nadčas vo sviatky</source>
        <translation>Nadčas vo sviatky</translation>
    </message>
    <message>
        <source>Plný fond</source>
        <translation>Plný fond</translation>
    </message>
    <message>
        <source>Zoznam zamestnancov pre export nebolo možné načítať z databázy (interná chyba SQL: %1)!</source>
        <translation>Zoznam zamestnancov pre export nebolo možné načítať z databázy (interná chyba SQL: %1)!</translation>
    </message>
    <message>
        <source>Príprava dát pre export do %1 ...</source>
        <translation>Príprava dát pre export do %1 ...</translation>
    </message>
    <message>
        <source>Osobné číslo %1: hodnota v dňoch (%2) za %3 nebola exportovaná, deň nemá fond pracovného času.</source>
        <translation>Osobné číslo %1: hodnota v dňoch (%2) za %3 nebola exportovaná, deň nemá fond pracovného času.</translation>
    </message>
    <message>
        <source>bez udania dôvodu</source>
        <translation>bez udania dôvodu</translation>
    </message>
    <message>
        <source>Export sa nepodaril, zlyhal krok: %1 (%2)!</source>
        <translation>Export sa nepodaril, zlyhal krok: %1 (%2)!</translation>
    </message>
    <message>
        <source>Príčina: %1</source>
        <translation>Príčina: %1</translation>
    </message>
    <message>
        <source>Výstupný súbor nebol zapísaný, predchádzajúci súbor zostal nezmenený.</source>
        <translation>Výstupný súbor nebol zapísaný, predchádzajúci súbor zostal nezmenený.</translation>
    </message>
    <message>
        <source>otvorenie pomocnej databázy SQLite</source>
        <translation>otvorenie pomocnej databázy SQLite</translation>
    </message>
    <message>
        <source>vytvorenie pomocných tabuliek</source>
        <translation>vytvorenie pomocných tabuliek</translation>
    </message>
    <message>
        <source>príprava údajov na export</source>
        <translation>príprava údajov na export</translation>
    </message>
    <message>
        <source>výpočet úsekov</source>
        <translation>výpočet úsekov</translation>
    </message>
    <message>
        <source>otvorenie výstupnej databázy testu %1</source>
        <translation>otvorenie výstupnej databázy testu %1</translation>
    </message>
    <message>
        <source>čítanie zoznamu zamestnancov z databázy hostiteľa</source>
        <translation>čítanie zoznamu zamestnancov z databázy hostiteľa</translation>
    </message>
    <message>
        <source>ovládač databázy %1 nie je nainštalovaný</source>
        <translation>ovládač databázy %1 nie je nainštalovaný</translation>
    </message>
    <message>
        <source>kontrola uzávierky mesiaca</source>
        <translation>kontrola uzávierky mesiaca</translation>
    </message>
    <message>
        <source>kontrola zvolených zamestnancov</source>
        <translation>kontrola zvolených zamestnancov</translation>
    </message>
    <message>
        <source>Zamestnanec s ID: %1 v databáze dochádzky neexistuje.</source>
        <translation>Zamestnanec s ID: %1 v databáze dochádzky neexistuje.</translation>
    </message>
    <message>
        <source>Zamestnanci s ID: %1 v databáze dochádzky neexistujú.</source>
        <translation>Zamestnanci s ID: %1 v databáze dochádzky neexistujú.</translation>
    </message>
    <message>
        <source>Osobné číslo &quot;%1&quot; majú viacerí zamestnanci (ID: %2); mzdy ich zlúčia do jedného záznamu.</source>
        <translation>Osobné číslo &quot;%1&quot; majú viacerí zamestnanci (ID: %2); mzdy ich zlúčia do jedného záznamu.</translation>
    </message>
    <message>
        <source>Osobné číslo &quot;%1&quot; zamestnanca s ID: %2 je prázdne, má medzery na začiatku alebo na konci, riadiace znaky alebo úvodzovky; mzdy ho nemusia priradiť.</source>
        <translation>Osobné číslo &quot;%1&quot; zamestnanca s ID: %2 je prázdne, má medzery na začiatku alebo na konci, riadiace znaky alebo úvodzovky; mzdy ho nemusia priradiť.</translation>
    </message>
    <message>
        <source>čítanie údajov z databázy hostiteľa (%1)</source>
        <translation>čítanie údajov z databázy hostiteľa (%1)</translation>
    </message>
    <message>
        <source>tvorba riadkov exportu</source>
        <translation>tvorba riadkov exportu</translation>
    </message>
    <message>
        <source>Výstupný súbor sa nepodarilo otvoriť pre zápis! 
</source>
        <translation>Výstupný súbor sa nepodarilo otvoriť pre zápis! 
</translation>
    </message>
    <message>
        <source>Priečinok %1 neexistuje.</source>
        <translation>Priečinok %1 neexistuje.</translation>
    </message>
    <message>
        <source>Cesta %1 nie je priečinok, ale súbor.</source>
        <translation>Cesta %1 nie je priečinok, ale súbor.</translation>
    </message>
    <message>
        <source>Na mieste súboru %1 je priečinok.</source>
        <translation>Na mieste súboru %1 je priečinok.</translation>
    </message>
    <message>
        <source>Výstupný súbor sa nepodarilo zapísať (%1)! 
Predchádzajúci súbor zostal nezmenený.</source>
        <translation>Výstupný súbor sa nepodarilo zapísať (%1)! 
Predchádzajúci súbor zostal nezmenený.</translation>
    </message>
    <message>
        <source>čítanie riadkov exportu pre súbor</source>
        <translation>čítanie riadkov exportu pre súbor</translation>
    </message>
    <message>
        <source>Export prerušil používateľ!</source>
        <translation>Export prerušil používateľ!</translation>
    </message>
    <message>
        <source>čítanie zastavené</source>
        <translation>čítanie zastavené</translation>
    </message>
    <message>
        <source>uzávierka mesiaca sa počas exportu zmenila (ID zamestnancov: %1), export spustite znova</source>
        <translation>uzávierka mesiaca sa počas exportu zmenila (ID zamestnancov: %1), export spustite znova</translation>
    </message>
</context>
</TS>
