<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="en">
<context>
    <name>OrvexExport</name>
    <message>
        <source>Compare with this payroll file (any month, any folder) instead of the month before's file of the same settings record in the output folder.</source>
        <translation>Porovnať s týmto mzdovým súborom (ľubovoľný mesiac, ľubovoľný priečinok) namiesto súboru predchádzajúceho mesiaca s tým istým záznamom nastavení vo výstupnom priečinku.</translation>
    </message>
    <message>
        <source>Do not compare with an earlier month.</source>
        <translation>Neporovnávať s predchádzajúcim mesiacom.</translation>
    </message>
    <message>
        <source>Flag an amount of a person and code that changed by more than this percentage of the earlier one, and by at least 8 (default 50).</source>
        <translation>Označiť sumu zamestnanca a kódu, ktorá sa zmenila o viac ako toto percento predchádzajúcej sumy a zároveň aspoň o 8 (predvolene 50).</translation>
    </message>
    <message>
        <source>Write the control sheet to sign before the import: a PDF (A4) or, for a name ending in .html, an HTML page.</source>
        <translation>Zapísať kontrolný list na podpis pred importom: PDF (A4), alebo pre názov končiaci na .html stránku HTML.</translation>
    </message>
    <message>
        <source>--compare and --no-compare exclude each other</source>
        <translation>--compare a --no-compare sa navzájom vylučujú</translation>
    </message>
    <message>
        <source>the file to compare with, "%1", does not exist</source>
        <translation>súbor na porovnanie „%1“ neexistuje</translation>
    </message>
    <message>
        <source>--variance needs a percentage of 0 or more, not "%1"</source>
        <translation>--variance potrebuje percento 0 alebo viac, nie „%1“</translation>
    </message>
    <message>
        <source>--report needs a file name ending in .pdf or .html</source>
        <translation>--report potrebuje názov súboru končiaci na .pdf alebo .html</translation>
    </message>
    <message>
        <source>the folder of the control sheet "%1" does not exist</source>
        <translation>priečinok kontrolného listu „%1“ neexistuje</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… a ďalších %1</translation>
    </message>
    <message>
        <source>after the end of employment on %1</source>
        <translation>po skončení pracovného pomeru %1</translation>
    </message>
    <message>
        <source>before the start of employment on %1</source>
        <translation>pred začiatkom pracovného pomeru %1</translation>
    </message>
    <message>
        <source>line %1: %2, code %3, %4 - %5, %6</source>
        <translation>riadok %1: %2, kód %3, %4 - %5, %6</translation>
    </message>
    <message>
        <source>Payroll code</source>
        <translation>Mzdový kód</translation>
    </message>
    <message>
        <source>Rows before</source>
        <translation>Riadky predtým</translation>
    </message>
    <message>
        <source>Amount before</source>
        <translation>Suma predtým</translation>
    </message>
    <message>
        <source>Rows now</source>
        <translation>Riadky teraz</translation>
    </message>
    <message>
        <source>Amount now</source>
        <translation>Suma teraz</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmena</translation>
    </message>
    <message>
        <source>(no code)</source>
        <translation>(bez kódu)</translation>
    </message>
    <message>
        <source>No comparison with the month before: %1</source>
        <translation>Bez porovnania s predchádzajúcim mesiacom: %1</translation>
    </message>
    <message>
        <source>Lines dated outside employment:</source>
        <translation>Riadky s dátumom mimo pracovného pomeru:</translation>
    </message>
    <message numerus="yes">
        <source>Comparison with %1 (%2, %n lines)</source>
        <translation>
            <numerusform>Porovnanie s %1 (%2, %n riadok)</numerusform>
            <numerusform>Porovnanie s %1 (%2, %n riadky)</numerusform>
            <numerusform>Porovnanie s %1 (%2, %n riadkov)</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing now: %1 (without a known reason: %2); new: %3</source>
        <translation>Chýbajúci teraz: %1 (bez známeho dôvodu: %2); noví: %3</translation>
    </message>
    <message>
        <source>Amounts changed by more than %1 % and at least %2: %3</source>
        <translation>Sumy zmenené o viac ako %1 % a zároveň aspoň o %2: %3</translation>
    </message>
    <message>
        <source>Codes appeared: %1; vanished: %2; lines dated outside employment: %3</source>
        <translation>Nové kódy: %1; zmiznuté kódy: %2; riadky s dátumom mimo pracovného pomeru: %3</translation>
    </message>
    <message>
        <source>Lines of the earlier file that could not be read: %1</source>
        <translation>Riadky predchádzajúceho súboru, ktoré sa nedali prečítať: %1</translation>
    </message>
    <message>
        <source>Missing now:</source>
        <translation>Chýbajúci teraz:</translation>
    </message>
    <message numerus="yes">
        <source>%n lines before</source>
        <translation>
            <numerusform>%n riadok predtým</numerusform>
            <numerusform>%n riadky predtým</numerusform>
            <numerusform>%n riadkov predtým</numerusform>
        </translation>
    </message>
    <message>
        <source>New:</source>
        <translation>Noví:</translation>
    </message>
    <message>
        <source>employed from %1</source>
        <translation>v pracovnom pomere od %1</translation>
    </message>
    <message>
        <source>Changed amounts, largest first:</source>
        <translation>Zmenené sumy, najväčšie zmeny ako prvé:</translation>
    </message>
    <message>
        <source>%1, code %2: %3</source>
        <translation>%1, kód %2: %3</translation>
    </message>
    <message>
        <source>Totals per code:</source>
        <translation>Súčty podľa kódov:</translation>
    </message>
    <message>
        <source>the host's people could not be read for the comparison: %1</source>
        <translation>zamestnancov dochádzkového systému sa nepodarilo načítať na porovnanie: %1</translation>
    </message>
    <message>
        <source>the people of the prepared file could not be read for the comparison: %1</source>
        <translation>zamestnancov pripraveného súboru sa nepodarilo načítať na porovnanie: %1</translation>
    </message>
    <message>
        <source>a replay compares only with a file named by --compare</source>
        <translation>prehratie porovnáva len so súborom zadaným cez --compare</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>súbor %1 neexistuje</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 sa nedá prečítať: %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mesiac</translation>
    </message>
    <message>
        <source>Settings record</source>
        <translation>Záznam nastavení</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Súbor</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Riadky</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Zamestnanci</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Zapísaný</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Nástroj</translation>
    </message>
    <message>
        <source>Plug-in</source>
        <translation>Plug-in</translation>
    </message>
    <message>
        <source>new this month, employed from %1</source>
        <translation>nový tento mesiac, v pracovnom pomere od %1</translation>
    </message>
    <message>
        <source>new this month</source>
        <translation>nový tento mesiac</translation>
    </message>
    <message>
        <source>code %1 changed by %2</source>
        <translation>kód %1 sa zmenil o %2</translation>
    </message>
    <message>
        <source>line %1 is dated outside employment</source>
        <translation>riadok %1 má dátum mimo pracovného pomeru</translation>
    </message>
    <message>
        <source>(not in the host)</source>
        <translation>(nie je v dochádzkovom systéme)</translation>
    </message>
    <message>
        <source>personal number %1</source>
        <translation>osobné číslo %1</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kód</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Riadky</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dátumy</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Minulý mesiac</translation>
    </message>
    <message>
        <source>Check:</source>
        <translation>Skontrolovať:</translation>
    </message>
    <message>
        <source>Rows last month</source>
        <translation>Riadky minulý mesiac</translation>
    </message>
    <message>
        <source>Amount last month</source>
        <translation>Suma minulý mesiac</translation>
    </message>
    <message>
        <source>Nobody.</source>
        <translation>Nikto.</translation>
    </message>
    <message>
        <source>Control sheet of the payroll export %1</source>
        <translation>Kontrolný list mzdového exportu %1</translation>
    </message>
    <message>
        <source>Totals per code</source>
        <translation>Súčty podľa kódov</translation>
    </message>
    <message>
        <source>People left out and why</source>
        <translation>Vynechaní zamestnanci a dôvod</translation>
    </message>
    <message>
        <source>Checked by (name): ______________________________   Date: ______________</source>
        <translation>Skontroloval(a) (meno): ______________________________   Dátum: ______________</translation>
    </message>
    <message>
        <source>Signature: ______________________________</source>
        <translation>Podpis: ______________________________</translation>
    </message>
    <message>
        <source>the control sheet "%1" could not be written: %2</source>
        <translation>kontrolný list „%1“ sa nepodarilo zapísať: %2</translation>
    </message>
    <message>
        <source>no reason known to the host</source>
        <translation>dôvod dochádzkový systém nepozná</translation>
    </message>
    <message>
        <source>no longer in the host</source>
        <translation>už nie je v dochádzkovom systéme</translation>
    </message>
    <message>
        <source>not selected for this export</source>
        <translation>nevybraný na tento export</translation>
    </message>
    <message>
        <source>employment ended</source>
        <translation>pracovný pomer skončil</translation>
    </message>
    <message>
        <source>on long-term leave</source>
        <translation>dlhodobo neprítomný</translation>
    </message>
    <message>
        <source>left out: the month is not closed</source>
        <translation>vynechaný: mesiac nie je uzavretý</translation>
    </message>
    <message>
        <source>no values this month</source>
        <translation>tento mesiac bez hodnôt</translation>
    </message>
    <message>
        <source>not among the people of the prepared run</source>
        <translation>nie je medzi zamestnancami pripraveného behu</translation>
    </message>
    <message>
        <source>line %1 (personal number %2, code %3, %4 - %5) is dated after the end of employment on %6</source>
        <translation>riadok %1 (osobné číslo %2, kód %3, %4 - %5) má dátum po skončení pracovného pomeru %6</translation>
    </message>
    <message>
        <source>line %1 (personal number %2, code %3, %4 - %5) is dated before the start of employment on %6</source>
        <translation>riadok %1 (osobné číslo %2, kód %3, %4 - %5) má dátum pred začiatkom pracovného pomeru %6</translation>
    </message>
    <message>
        <source>cannot write the PDF file "%1"</source>
        <translation>súbor PDF „%1“ sa nedá zapísať</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>strana %1 z %2</translation>
    </message>
    <message numerus="yes">
        <source>%n people</source>
        <translation>
            <numerusform>%n zamestnanec</numerusform>
            <numerusform>%n zamestnanci</numerusform>
            <numerusform>%n zamestnancov</numerusform>
        </translation>
    </message>
    <message>
        <source>Paid last month: %1, this month: %2</source>
        <translation>Vyplatení minulý mesiac: %1, tento mesiac: %2</translation>
    </message>
    <message numerus="yes">
        <source>personal number %1%2 had %n lines in %3 and has none now, for no reason the host knows</source>
        <translation>
            <numerusform>osobné číslo %1%2 malo v %3 %n riadok a teraz nemá žiadny, bez dôvodu známeho dochádzkovému systému</numerusform>
            <numerusform>osobné číslo %1%2 malo v %3 %n riadky a teraz nemá žiadny, bez dôvodu známeho dochádzkovému systému</numerusform>
            <numerusform>osobné číslo %1%2 malo v %3 %n riadkov a teraz nemá žiadny, bez dôvodu známeho dochádzkovému systému</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OrvexTools</name>
    <message>
        <source>The language of the output: sk or en (default: Slovak in a Slovak locale, else English).</source>
        <translation>Jazyk výstupu: sk alebo en (predvolene slovenčina v slovenskom prostredí, inak angličtina).</translation>
    </message>
</context>
</TS>
