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
        <translation>… a ešte %1</translation>
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
    <message>
        <source>year and month %1%2%3 instead of %4%2%5</source>
        <translation>rok a mesiac %1%2%3 namiesto %4%2%5</translation>
    </message>
    <message>
        <source>amount "%1" is not a number</source>
        <translation>počet „%1“ nie je číslo</translation>
    </message>
    <message>
        <source>cannot read the file back: %1</source>
        <translation>súbor sa nedá spätne prečítať: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n lines have no personal number</source>
        <translation>
            <numerusform>%n riadok nemá osobné číslo</numerusform>
            <numerusform>%n riadky nemajú osobné číslo</numerusform>
            <numerusform>%n riadkov nemá osobné číslo</numerusform>
        </translation>
    </message>
    <message>
        <source>begins or ends with a blank</source>
        <translation>začína alebo končí medzerou</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>obsahuje riadiaci znak</translation>
    </message>
    <message>
        <source>holds a quote</source>
        <translation>obsahuje úvodzovky</translation>
    </message>
    <message numerus="yes">
        <source>personal number "%1" (%n lines) %2: payroll may not match it</source>
        <translation>
            <numerusform>osobné číslo „%1“ (%n riadok) %2: mzdový systém ho nemusí priradiť</numerusform>
            <numerusform>osobné číslo „%1“ (%n riadky) %2: mzdový systém ho nemusí priradiť</numerusform>
            <numerusform>osobné číslo „%1“ (%n riadkov) %2: mzdový systém ho nemusí priradiť</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>personal number "%1" belongs to %n people (host ids %2): payroll takes their lines as one person's</source>
        <translation>
            <numerusform>osobné číslo „%1“ patrí %n zamestnancovi (ID v dochádzkovom systéme %2): mzdový systém berie ich riadky ako riadky jedného zamestnanca</numerusform>
            <numerusform>osobné číslo „%1“ patrí %n zamestnancom (ID v dochádzkovom systéme %2): mzdový systém berie ich riadky ako riadky jedného zamestnanca</numerusform>
            <numerusform>osobné číslo „%1“ patrí %n zamestnancom (ID v dochádzkovom systéme %2): mzdový systém berie ich riadky ako riadky jedného zamestnanca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields instead of %1: %2</source>
        <translation>
            <numerusform>%n pole namiesto %1: %2</numerusform>
            <numerusform>%n polia namiesto %1: %2</numerusform>
            <numerusform>%n polí namiesto %1: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more lines with problems</source>
        <translation>
            <numerusform>... a ďalší %n riadok s problémom</numerusform>
            <numerusform>... a ďalšie %n riadky s problémami</numerusform>
            <numerusform>... a ďalších %n riadkov s problémami</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OrvexPrepareTest</name>
    <message>
        <source>Turns one month of a host database into a prepared staging file for the TEST mode of the
Orvexuniversal export plug-in. The password of the database user is read from the
environment variable ORVEX_DB_PASSWORD. The folders of --out and --params must exist.
Exit status: 0 written (a UTC system zone is warned about on stderr), 1 the data could not
be read or written, 2 usage, an unknown time zone or a missing output folder.</source>
        <translation>Pripraví z jedného mesiaca databázy dochádzkového systému pripravený súbor pre režim TEST
exportného plug-inu Orvexuniversal. Heslo používateľa databázy sa číta z premennej
prostredia ORVEX_DB_PASSWORD. Priečinky --out a --params musia existovať.
Návratový kód: 0 zapísané (systémové časové pásmo UTC sa hlási na stderr), 1 údaje sa nedali
prečítať ani zapísať, 2 chybné použitie, neznáme časové pásmo alebo chýbajúci výstupný priečinok.</translation>
    </message>
    <message>
        <source>The staging file to write (required).</source>
        <translation>Pripravený súbor, ktorý sa má zapísať (povinné).</translation>
    </message>
    <message>
        <source>Also write the export parameters of the month as JSON.</source>
        <translation>Zapísať aj parametre exportu mesiaca ako JSON.</translation>
    </message>
    <message>
        <source>--out needs a file</source>
        <translation>--out potrebuje súbor</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 sa nedá vytvoriť: %2</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>%1 sa nedá nahradiť</translation>
    </message>
    <message>
        <source>cannot rename %1 to %2</source>
        <translation>%1 sa nedá premenovať na %2</translation>
    </message>
</context>
<context>
    <name>OrvexSettings</name>
    <message>
        <source>the settings page has no tabs</source>
        <translation>stránka nastavení nemá žiadne záložky</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>priečinok %1 sa nedá vytvoriť</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 sa nedá zapísať</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>uložené %1</translation>
    </message>
    <message>
        <source> (see --help)</source>
        <translation> (pozri --help)</translation>
    </message>
    <message>
        <source>there is no display to show the page on: give --screenshot or --auto-close, or run under a display (e.g. xvfb-run)</source>
        <translation>stránku nie je kde zobraziť: zadajte --screenshot alebo --auto-close, alebo spustite program s displejom (napr. xvfb-run)</translation>
    </message>
    <message>
        <source>cannot load the plug-in %1: %2</source>
        <translation>plug-in %1 sa nedá načítať: %2</translation>
    </message>
    <message>
        <source>the plug-in has no translation "%1" (%2)</source>
        <translation>plug-in nemá preklad „%1“ (%2)</translation>
    </message>
    <message>
        <source>no stored settings of type %1; the page starts from an empty record</source>
        <translation>žiadne uložené nastavenia typu %1; stránka začína s prázdnym záznamom</translation>
    </message>
    <message>
        <source>the plug-in gave no settings page</source>
        <translation>plug-in nevrátil stránku nastavení</translation>
    </message>
    <message>
        <source>Shows the Orvexuniversal settings page as the attendance host shows it, loaded with the stored settings of the host database. On closing, the edited options record is printed as JSON on stdout. The database password is taken from ORVEX_DB_PASSWORD.</source>
        <translation>Zobrazí stránku nastavení Orvexuniversal tak, ako ju zobrazuje dochádzkový systém, s nastaveniami uloženými v jeho databáze. Po zatvorení vypíše upravený záznam nastavení ako JSON na stdout. Heslo databázy sa berie z ORVEX_DB_PASSWORD.</translation>
    </message>
    <message>
        <source>Plug-in file (default: the installed one, else the built one).</source>
        <translation>Súbor plug-inu (predvolene nainštalovaný, inak zostavený).</translation>
    </message>
    <message>
        <source>Save settings-tab1.png ... of every tab into dir and quit.</source>
        <translation>Uložiť settings-tab1.png ... každej záložky do priečinka dir a skončiť.</translation>
    </message>
    <message>
        <source>Close the page after ms milliseconds.</source>
        <translation>Zatvoriť stránku po ms milisekundách.</translation>
    </message>
    <message>
        <source>The language of the output and of the page: sk or en (default for the output: Slovak in a Slovak locale, else English; the page: its Slovak texts).</source>
        <translation>Jazyk výstupu a stránky: sk alebo en (predvolene pre výstup slovenčina v slovenskom prostredí, inak angličtina; stránka: jej slovenské texty).</translation>
    </message>
    <message>
        <source>Window size, e.g. 1000x560.</source>
        <translation>Veľkosť okna, napr. 1000x560.</translation>
    </message>
    <message>
        <source>--auto-close "%1" is not a number of milliseconds</source>
        <translation>--auto-close „%1“ nie je počet milisekúnd</translation>
    </message>
    <message>
        <source>--size "%1" is not WIDTHxHEIGHT</source>
        <translation>--size „%1“ nie je v tvare ŠÍRKAxVÝŠKA</translation>
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
