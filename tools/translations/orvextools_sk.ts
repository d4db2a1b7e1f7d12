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
    <message>
        <source>Runs the Orvexuniversal payroll export for one month, writes the payroll import file and
prints a control summary read back from that file.
With --replay it runs a prepared staging file (orvex-prepare-test) through the plug-in's
TEST mode instead, without a host database, and prints the same summary of its rows.

Exit status: 0 written, nothing to report; 3 written (or emptied) with warnings the clerk
must read (people left out, values skipped, odd or shared personal numbers, no people or
data, a UTC zone); 1 no file put in place, an earlier one is kept (the export failed,
timed out or was stopped, the file failed the control check, or it was empty beside a
non-empty file of the month); 2 bad usage, or an output folder, database, plug-in, stored
settings, separator, person ids or month that cannot be used.
The database password is taken from the environment variable ORVEX_DB_PASSWORD.
SIGINT, SIGTERM and --deadline cancel the export as its cancel button does.</source>
        <translation>Spustí mzdový export Orvexuniversal za jeden mesiac, zapíše súbor na import do miezd
a vypíše kontrolný súhrn spätne prečítaný z tohto súboru.
S --replay namiesto toho prehrá pripravený súbor (orvex-prepare-test) v režime TEST
plug-inu, bez databázy dochádzkového systému, a vypíše rovnaký súhrn jeho riadkov.

Návratový kód: 0 zapísané, nič na hlásenie; 3 zapísané (alebo vyprázdnené) s upozorneniami,
ktoré musí mzdová účtovníčka prečítať (vynechaní zamestnanci, vynechané hodnoty, nezvyčajné
alebo spoločné osobné čísla, žiadni zamestnanci alebo údaje, pásmo UTC); 1 súbor nebol
daný na miesto, predchádzajúci zostáva (export zlyhal, vypršal čas alebo bol zastavený,
súbor neprešiel kontrolou alebo bol prázdny vedľa neprázdneho súboru mesiaca); 2 chybné
použitie alebo nepoužiteľný výstupný priečinok, databáza, plug-in, uložené nastavenia,
oddeľovač, ID zamestnancov či mesiac.
Heslo databázy sa berie z premennej prostredia ORVEX_DB_PASSWORD.
SIGINT, SIGTERM a --deadline zrušia export tak ako jeho tlačidlo Prerušiť.</translation>
    </message>
    <message>
        <source>Existing directory that receives the payroll file.</source>
        <translation>Existujúci priečinok, do ktorého sa zapíše mzdový súbor.</translation>
    </message>
    <message>
        <source>The plug-in file to load (default: %1).</source>
        <translation>Súbor plug-inu, ktorý sa načíta (predvolene: %1).</translation>
    </message>
    <message>
        <source>Append the plug-in's warnings and diagnostics to this file instead of the terminal.</source>
        <translation>Pripájať upozornenia a diagnostiku plug-inu do tohto súboru namiesto terminálu.</translation>
    </message>
    <message>
        <source>Replay this prepared staging file in the plug-in's TEST mode (a copy in a temporary folder; the file is not changed). Needs no database and writes no payroll file.</source>
        <translation>Prehrať tento pripravený súbor v režime TEST plug-inu (kópia v dočasnom priečinku; súbor sa nezmení). Nepotrebuje databázu a nezapíše mzdový súbor.</translation>
    </message>
    <message>
        <source>The parameters of a replay as orvex-prepare-test wrote them; default: params.json in the folder that holds DB_test_paterns/ (or beside the file).</source>
        <translation>Parametre prehratia, ako ich zapísal orvex-prepare-test; predvolene: params.json v priečinku, ktorý obsahuje DB_test_paterns/ (alebo vedľa súboru).</translation>
    </message>
    <message>
        <source>Print nothing when all is well; else the warnings or the error, one line each, on stderr.</source>
        <translation>Nevypisovať nič, keď je všetko v poriadku; inak upozornenia alebo chybu, každé na jednom riadku, na stderr.</translation>
    </message>
    <message>
        <source>Print the summary as JSON on stdout.</source>
        <translation>Vypísať súhrn ako JSON na stdout.</translation>
    </message>
    <message>
        <source>Cancel the export when it has not finished within this many minutes (no file is written; status 1). Default: none.</source>
        <translation>Zrušiť export, ak sa neskončí do toľkých minút (súbor sa nezapíše; návratový kód 1). Predvolene: bez limitu.</translation>
    </message>
    <message>
        <source>Let an export without lines replace a non-empty file of the month (else it is kept; status 1).</source>
        <translation>Dovoliť exportu bez riadkov nahradiť neprázdny súbor mesiaca (inak sa ponechá; návratový kód 1).</translation>
    </message>
    <message>
        <source>Export with the plug-in's defaults where the stored record's optWidget, inters or items cannot be used (else status 2).</source>
        <translation>Exportovať s predvolenými hodnotami plug-inu, kde sa optWidget, inters alebo items uloženého záznamu nedajú použiť (inak návratový kód 2).</translation>
    </message>
    <message>
        <source>Export the people of --people that the host has when some ids are unknown (else status 2).</source>
        <translation>Exportovať zamestnancov z --people, ktorých dochádzkový systém pozná, keď sú niektoré ID neznáme (inak návratový kód 2).</translation>
    </message>
    <message>
        <source>"host": the file as the Windows host writes it, CR LF and Windows-1250 (default); "native": as the plug-in writes it on this system (LF, the locale's encoding).</source>
        <translation>„host“: súbor tak, ako ho zapisuje dochádzkový systém vo Windows, CR LF a Windows-1250 (predvolene); „native“: tak, ako ho plug-in zapisuje v tomto systéme (LF, kódovanie prostredia).</translation>
    </message>
    <message>
        <source>Show each of the plug-in's warnings as it comes (else they are counted by kind).</source>
        <translation>Zobraziť každé upozornenie plug-inu hneď, ako príde (inak sa spočítajú podľa druhu).</translation>
    </message>
    <message>
        <source>--params belongs to --replay</source>
        <translation>--params patrí k --replay</translation>
    </message>
    <message>
        <source>--out needs a directory</source>
        <translation>--out potrebuje priečinok</translation>
    </message>
    <message>
        <source>--deadline "%1" is not a number of minutes above 0</source>
        <translation>--deadline „%1“ nie je počet minút väčší ako 0</translation>
    </message>
    <message>
        <source>--file-format "%1": use host or native</source>
        <translation>--file-format „%1“: použite host alebo native</translation>
    </message>
    <message>
        <source>this Qt has no Windows-1250 text codec</source>
        <translation>toto Qt nemá kódovanie textu Windows-1250</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>neznáma chyba</translation>
    </message>
    <message>
        <source>the plug-in file "%1" does not exist</source>
        <translation>súbor plug-inu „%1“ neexistuje</translation>
    </message>
    <message>
        <source>cannot load the plug-in "%1": %2</source>
        <translation>plug-in „%1“ sa nedá načítať: %2</translation>
    </message>
    <message>
        <source>"%1" is not an export plug-in of the attendance host</source>
        <translation>„%1“ nie je exportný plug-in dochádzkového systému</translation>
    </message>
    <message>
        <source>the output directory "%1" does not exist</source>
        <translation>výstupný priečinok „%1“ neexistuje</translation>
    </message>
    <message>
        <source>the output path "%1" is not a directory</source>
        <translation>výstupná cesta „%1“ nie je priečinok</translation>
    </message>
    <message>
        <source>the output directory "%1" is not writable</source>
        <translation>do výstupného priečinka „%1“ sa nedá zapisovať</translation>
    </message>
    <message>
        <source>the export failed (the plug-in returned %1)</source>
        <translation>export zlyhal (plug-in vrátil %1)</translation>
    </message>
    <message>
        <source>%1 (%2the database server did not answer within the timeout of %3 s)</source>
        <translation>%1 (%2server databázy neodpovedal v časovom limite %3 s)</translation>
    </message>
    <message>
        <source>while %1: </source>
        <translation>pri kroku %1: </translation>
    </message>
    <message>
        <source>%1 stopped the export: %2</source>
        <translation>%1 zastavil export: %2</translation>
    </message>
    <message>
        <source>no file was written, an earlier one is kept as it was</source>
        <translation>súbor nebol zapísaný, predchádzajúci zostáva bez zmeny</translation>
    </message>
    <message>
        <source>the file holds %1 lines, the plug-in reported %2</source>
        <translation>počet riadkov v súbore: %1, plug-in ohlásil: %2</translation>
    </message>
    <message>
        <source>the personal numbers could not be compared with the host's people: %1</source>
        <translation>osobné čísla sa nepodarilo porovnať so zamestnancami dochádzkového systému: %1</translation>
    </message>
    <message>
        <source>checking the personal numbers</source>
        <translation>kontrola osobných čísel</translation>
    </message>
    <message>
        <source>the export has no lines; the non-empty file of the month was left as it was (--allow-empty lets an empty file replace it)</source>
        <translation>export nemá žiadne riadky; neprázdny súbor mesiaca zostal bez zmeny (--allow-empty dovolí nahradiť ho prázdnym súborom)</translation>
    </message>
    <message>
        <source>cannot put the new file in place of "%1": %2</source>
        <translation>nový súbor sa nedá dať na miesto „%1“: %2</translation>
    </message>
    <message>
        <source>stored export settings record %1 cannot be used: %2 (--allow-defaults exports with the plug-in's defaults for them)</source>
        <translation>záznam uložených nastavení exportu %1 sa nedá použiť: %2 (--allow-defaults exportuje s predvolenými hodnotami plug-inu)</translation>
    </message>
    <message>
        <source>stored export settings record %1: %2; the plug-in's defaults were used</source>
        <translation>záznam uložených nastavení exportu %1: %2; použili sa predvolené hodnoty plug-inu</translation>
    </message>
    <message>
        <source>stored export settings record %1: %2</source>
        <translation>záznam uložených nastavení exportu %1: %2</translation>
    </message>
    <message>
        <source>cannot read the host's people: %1</source>
        <translation>zamestnancov dochádzkového systému sa nepodarilo načítať: %1</translation>
    </message>
    <message>
        <source>--people: the host has no person with the id %1 (--allow-unknown-people exports the others)</source>
        <translation>--people: dochádzkový systém nemá zamestnanca s ID %1 (--allow-unknown-people exportuje ostatných)</translation>
    </message>
    <message>
        <source>cannot write the file in the host's format: %1</source>
        <translation>súbor sa nedá zapísať vo formáte dochádzkového systému: %1</translation>
    </message>
    <message>
        <source>a line of personal number "%1" holds %2, which Windows-1250 cannot hold; the file was not written (--file-format native writes it as it is)</source>
        <translation>riadok osobného čísla „%1“ obsahuje %2, čo Windows-1250 nevie zapísať; súbor nebol zapísaný (--file-format native ho zapíše tak, ako je)</translation>
    </message>
    <message>
        <source>cannot create a private folder in "%1": %2</source>
        <translation>v „%1“ sa nedá vytvoriť súkromný priečinok: %2</translation>
    </message>
    <message>
        <source>the replay's staging reads failed: %1</source>
        <translation>čítanie pomocných tabuliek prehratia zlyhalo: %1</translation>
    </message>
    <message>
        <source>the replay exported no rows</source>
        <translation>prehratie neexportovalo žiadne riadky</translation>
    </message>
    <message>
        <source>the file failed the control check: </source>
        <translation>súbor neprešiel kontrolou: </translation>
    </message>
    <message>
        <source>the file failed the control check:
  </source>
        <translation>súbor neprešiel kontrolou:
  </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>upozornenie: </translation>
    </message>
    <message>
        <source>%1 plug-in warnings were written to %2</source>
        <translation>upozornenia plug-inu (%1) boli zapísané do %2</translation>
    </message>
    <message>
        <source>--language takes sk or en, not "%1"</source>
        <translation>--language berie sk alebo en, nie „%1“</translation>
    </message>
    <message>
        <source>the replay's parameters "%1": "timeZone" "%2" is not a known time zone</source>
        <translation>parametre prehratia „%1“: „timeZone“ „%2“ nie je známe časové pásmo</translation>
    </message>
    <message>
        <source>cannot create a temporary folder for the replay</source>
        <translation>dočasný priečinok pre prehratie sa nedá vytvoriť</translation>
    </message>
    <message>
        <source>reading the stored settings and people</source>
        <translation>čítanie uložených nastavení a zamestnancov</translation>
    </message>
    <message>
        <source>creating the staging tables</source>
        <translation>vytváranie pomocných tabuliek</translation>
    </message>
    <message>
        <source>loading the month from the host database</source>
        <translation>načítanie mesiaca z databázy dochádzkového systému</translation>
    </message>
    <message>
        <source>grouping days into spans</source>
        <translation>zoskupovanie dní do úsekov</translation>
    </message>
    <message>
        <source>exporting people and writing the file</source>
        <translation>export zamestnancov a zápis súboru</translation>
    </message>
    <message>
        <source>orvex-export: %1%2: done in %3 s</source>
        <translation>orvex-export: %1%2: hotovo za %3 s</translation>
    </message>
    <message>
        <source>plug-in %1: %2</source>
        <translation>plug-in %1: %2</translation>
    </message>
    <message>
        <source>fatal: %1</source>
        <translation>fatálna chyba: %1</translation>
    </message>
    <message>
        <source>cannot open the log file "%1": %2</source>
        <translation>súbor denníka „%1“ sa nedá otvoriť: %2</translation>
    </message>
    <message>
        <source>a true/false value</source>
        <translation>logická hodnota</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>číslo</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>zoznam</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>objekt</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>chýba</translation>
    </message>
    <message>
        <source>"%1" is %2, not a whole number from 0 to 4294967295</source>
        <translation>„%1“ je %2, nie celé číslo od 0 do 4294967295</translation>
    </message>
    <message>
        <source>cannot read the replay's parameters "%1" (give them with --params): %2</source>
        <translation>parametre prehratia „%1“ sa nedajú prečítať (zadajte ich cez --params): %2</translation>
    </message>
    <message>
        <source>the replay's parameters "%1" are not a JSON object</source>
        <translation>parametre prehratia „%1“ nie sú objekt JSON</translation>
    </message>
    <message>
        <source>the replay's parameters "%1" hold no period (beginDay)</source>
        <translation>parametre prehratia „%1“ neobsahujú obdobie (beginDay)</translation>
    </message>
    <message>
        <source>the replay's parameters "%1": %2</source>
        <translation>parametre prehratia „%1“: %2</translation>
    </message>
    <message>
        <source>--replay: "%1" is not a file</source>
        <translation>--replay: „%1“ nie je súbor</translation>
    </message>
    <message>
        <source>cannot copy "%1" into the temporary folder %2</source>
        <translation>„%1“ sa nedá skopírovať do dočasného priečinka %2</translation>
    </message>
    <message>
        <source>cannot read the replayed rows: %1</source>
        <translation>prehraté riadky sa nedajú prečítať: %1</translation>
    </message>
    <message>
        <source>cannot open the replay's output database: %1</source>
        <translation>výstupná databáza prehratia sa nedá otvoriť: %1</translation>
    </message>
    <message>
        <source>%1 (written)</source>
        <translation>%1 (zapísaný)</translation>
    </message>
    <message>
        <source>%1 (emptied: nothing to export)</source>
        <translation>%1 (vyprázdnený: nie je čo exportovať)</translation>
    </message>
    <message>
        <source>%1 (left untouched)</source>
        <translation>%1 (ponechaný bez zmeny)</translation>
    </message>
    <message>
        <source>none (a replay; the rows of the TEST run are summarized)</source>
        <translation>žiadny (prehratie; zhrnuté sú riadky behu TEST)</translation>
    </message>
    <message>
        <source>%1 in the time zone %2</source>
        <translation>%1 v časovom pásme %2</translation>
    </message>
    <message>
        <source>Rows exported</source>
        <translation>Exportované riadky</translation>
    </message>
    <message>
        <source>Lines written</source>
        <translation>Zapísané riadky</translation>
    </message>
    <message>
        <source>People exported</source>
        <translation>Exportovaní zamestnanci</translation>
    </message>
    <message>
        <source>People left out</source>
        <translation>Vynechaní zamestnanci</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Upozornenia</translation>
    </message>
    <message>
        <source>No file to read back: no control summary.</source>
        <translation>Nie je súbor na spätné prečítanie: bez kontrolného súhrnu.</translation>
    </message>
    <message numerus="yes">
        <source>Control summary of the replayed rows (%n lines as the file would hold them)</source>
        <translation>
            <numerusform>Kontrolný súhrn prehratých riadkov (%n riadok tak, ako by bol v súbore)</numerusform>
            <numerusform>Kontrolný súhrn prehratých riadkov (%n riadky tak, ako by boli v súbore)</numerusform>
            <numerusform>Kontrolný súhrn prehratých riadkov (%n riadkov tak, ako by boli v súbore)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Control summary of %1 (%n lines read back)</source>
        <translation>
            <numerusform>Kontrolný súhrn %1 (%n riadok spätne prečítaný)</numerusform>
            <numerusform>Kontrolný súhrn %1 (%n riadky spätne prečítané)</numerusform>
            <numerusform>Kontrolný súhrn %1 (%n riadkov spätne prečítaných)</numerusform>
        </translation>
    </message>
    <message>
        <source>all codes</source>
        <translation>všetky kódy</translation>
    </message>
    <message>
        <source>No amount</source>
        <translation>Bez počtu</translation>
    </message>
    <message>
        <source>all people</source>
        <translation>všetci zamestnanci</translation>
    </message>
    <message>
        <source>Personal number</source>
        <translation>Osobné číslo</translation>
    </message>
    <message numerus="yes">
        <source>Note: %n rows carry no payroll code.</source>
        <translation>
            <numerusform>Poznámka: %n riadok nemá mzdový kód.</numerusform>
            <numerusform>Poznámka: %n riadky nemajú mzdový kód.</numerusform>
            <numerusform>Poznámka: %n riadkov nemá mzdový kód.</numerusform>
        </translation>
    </message>
    <message>
        <source>Problems found in the file:</source>
        <translation>Problémy nájdené v súbore:</translation>
    </message>
    <message>
        <source>"%1" is missing</source>
        <translation>„%1“ chýba</translation>
    </message>
    <message>
        <source>"optWidget" holds no settings</source>
        <translation>„optWidget“ neobsahuje žiadne nastavenia</translation>
    </message>
    <message>
        <source>"inters" "%1" is %2, not a payroll code text</source>
        <translation>„inters“ „%1“ je %2, nie text mzdového kódu</translation>
    </message>
    <message>
        <source>"items" entry %1 is %2, not a payroll code text</source>
        <translation>položka „items“ %1 je %2, nie text mzdového kódu</translation>
    </message>
    <message>
        <source>the separator "%1" is not one character of the Basic Multilingual Plane</source>
        <translation>oddeľovač „%1“ nie je jeden znak základnej roviny Unicode (BMP)</translation>
    </message>
    <message>
        <source>the separator "%1" is a digit or a letter, which the values hold</source>
        <translation>oddeľovač „%1“ je číslica alebo písmeno, ktoré sa vyskytujú v hodnotách</translation>
    </message>
    <message>
        <source>the separator "%1" is part of numbers and dates</source>
        <translation>oddeľovač „%1“ je súčasťou čísel a dátumov</translation>
    </message>
    <message>
        <source>the separator is a blank, which personal numbers may hold</source>
        <translation>oddeľovač je medzera, ktorú môžu obsahovať osobné čísla</translation>
    </message>
    <message>
        <source>it is not an SQLite database (%1)</source>
        <translation>nie je to databáza SQLite (%1)</translation>
    </message>
    <message>
        <source>SQLite's integrity check fails: %1</source>
        <translation>kontrola integrity SQLite zlyhala: %1</translation>
    </message>
    <message>
        <source>it has no table "%1"</source>
        <translation>nemá tabuľku „%1“</translation>
    </message>
    <message>
        <source>its table "%1" has no column "%2"</source>
        <translation>jeho tabuľka „%1“ nemá stĺpec „%2“</translation>
    </message>
    <message>
        <source>the staging file has no table "linters" (the host's interruption names): the special interruptions and row settings of the replay follow the plug-in's defaults</source>
        <translation>pripravený súbor nemá tabuľku „linters“ (názvy prerušení dochádzkového systému): špeciálne prerušenia a nastavenia riadkov prehratia sa riadia predvolenými hodnotami plug-inu</translation>
    </message>
    <message>
        <source>the staging file "%1" cannot be replayed: %2</source>
        <translation>pripravený súbor „%1“ sa nedá prehrať: %2</translation>
    </message>
    <message>
        <source>the console was closed</source>
        <translation>konzola bola zatvorená</translation>
    </message>
    <message>
        <source>the session ended</source>
        <translation>relácia skončila</translation>
    </message>
    <message>
        <source>the deadline of %1 minutes</source>
        <translation>časový limit %1 minút</translation>
    </message>
    <message>
        <source>plug-in %1, %2 times (the first %3; see --log or --verbose for all):</source>
        <translation>plug-in %1, %2-krát (prvých %3; všetky pozri v --log alebo --verbose):</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>upozornenie</translation>
    </message>
    <message>
        <source>critical</source>
        <translation>kritická chyba</translation>
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
    <message>
        <source>warning: </source>
        <translation>upozornenie: </translation>
    </message>
    <message>
        <source>the folder of "%1" does not exist</source>
        <translation>priečinok pre „%1“ neexistuje</translation>
    </message>
    <message>
        <source>"%1" is a folder, not a file</source>
        <translation>„%1“ je priečinok, nie súbor</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 sa nedá zapísať: %2</translation>
    </message>
    <message numerus="yes">
        <source>month %1 in the time zone %2: %n people in the run</source>
        <translation>
            <numerusform>mesiac %1 v časovom pásme %2: %n zamestnanec v behu</numerusform>
            <numerusform>mesiac %1 v časovom pásme %2: %n zamestnanci v behu</numerusform>
            <numerusform>mesiac %1 v časovom pásme %2: %n zamestnancov v behu</numerusform>
        </translation>
    </message>
    <message>
        <source>left out for unclosed days: %1</source>
        <translation>vynechaní pre neuzavreté dni: %1</translation>
    </message>
    <message>
        <source>not created</source>
        <translation>nevytvorená</translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n riadok</numerusform>
            <numerusform>%n riadky</numerusform>
            <numerusform>%n riadkov</numerusform>
        </translation>
    </message>
    <message>
        <source>written %1</source>
        <translation>zapísaný %1</translation>
    </message>
    <message>
        <source>(see --help)</source>
        <translation>(pozri --help)</translation>
    </message>
    <message>
        <source>the people could not be read: %1</source>
        <translation>zamestnancov sa nepodarilo načítať: %1</translation>
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
    <message>
        <source>Database server host.</source>
        <translation>Server databázy.</translation>
    </message>
    <message>
        <source>Database server port.</source>
        <translation>Port servera databázy.</translation>
    </message>
    <message>
        <source>Database server unix socket.</source>
        <translation>Unixový socket servera databázy.</translation>
    </message>
    <message>
        <source>Database user.</source>
        <translation>Používateľ databázy.</translation>
    </message>
    <message>
        <source>The attendance host's database.</source>
        <translation>Databáza dochádzkového systému.</translation>
    </message>
    <message>
        <source>Ask for the password on the terminal when %1 is not set.</source>
        <translation>Vypýtať si heslo na termináli, keď %1 nie je nastavená.</translation>
    </message>
    <message>
        <source>Seconds to wait for the database server to answer once connected; 0 waits for ever (default: %1).</source>
        <translation>Počet sekúnd čakania na odpoveď servera databázy po pripojení; 0 čaká neobmedzene (predvolene: %1).</translation>
    </message>
    <message>
        <source>Id of the stored export settings (pamsettings); default: the first of the plug-in's type.</source>
        <translation>ID uložených nastavení exportu (pamsettings); predvolene: prvé nastavenia typu plug-inu.</translation>
    </message>
    <message>
        <source>--settings-id "%1" is not a record id</source>
        <translation>--settings-id „%1“ nie je ID záznamu</translation>
    </message>
    <message>
        <source>--port "%1" is not a port number</source>
        <translation>--port „%1“ nie je číslo portu</translation>
    </message>
    <message>
        <source>--timeout "%1" is not a number of seconds from 0 to 86400</source>
        <translation>--timeout „%1“ nie je počet sekúnd od 0 do 86400</translation>
    </message>
    <message>
        <source>The month to export: YYYY-MM, "previous" or "current".</source>
        <translation>Mesiac na export: YYYY-MM, „previous“ (predchádzajúci) alebo „current“ (aktuálny).</translation>
    </message>
    <message>
        <source>"all" (default) or host person ids separated by commas.</source>
        <translation>„all“ (predvolene) alebo ID zamestnancov dochádzkového systému oddelené čiarkami.</translation>
    </message>
    <message>
        <source>--time-zone needs a zone name such as Europe/Bratislava</source>
        <translation>--time-zone potrebuje názov pásma, napríklad Europe/Bratislava</translation>
    </message>
    <message>
        <source>unexpected argument "%1"</source>
        <translation>neočakávaný argument „%1“</translation>
    </message>
    <message>
        <source>--%1 is required</source>
        <translation>--%1 je povinné</translation>
    </message>
    <message>
        <source>the display "%1" does not answer; drawing off screen</source>
        <translation>displej „%1“ neodpovedá; kreslí sa mimo obrazovky</translation>
    </message>
    <message>
        <source>--month "%1" is not a month: use YYYY-MM (for example 2024-03), "previous" or "current"</source>
        <translation>--month „%1“ nie je mesiac: použite YYYY-MM (napríklad 2024-03), „previous“ alebo „current“</translation>
    </message>
    <message>
        <source>--month "%1": there is no month %2</source>
        <translation>--month „%1“: mesiac %2 neexistuje</translation>
    </message>
    <message>
        <source>--month "%1": the year must lie between %2 and %3</source>
        <translation>--month „%1“: rok musí byť od %2 do %3</translation>
    </message>
    <message>
        <source>--people "%1": "%2" is not a person id; use "all" or ids separated by commas (for example 12,15,31)</source>
        <translation>--people „%1“: „%2“ nie je ID zamestnanca; použite „all“ alebo ID oddelené čiarkami (napríklad 12,15,31)</translation>
    </message>
    <message>
        <source>the month %1-%2 does not fit the host's times in this time zone (from 1970-01-01 00:00 UTC to 2106-02-07)</source>
        <translation>mesiac %1-%2 sa v tomto časovom pásme nezmestí do časov dochádzkového systému (od 1970-01-01 00:00 UTC do 2106-02-07)</translation>
    </message>
    <message>
        <source>socket %1</source>
        <translation>socket %1</translation>
    </message>
    <message>
        <source>--ask-password needs a terminal; a scheduled run sets %1 instead</source>
        <translation>--ask-password potrebuje terminál; plánované spustenie namiesto toho nastaví %1</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Heslo pre %1: </translation>
    </message>
    <message>
        <source>the Qt MySQL driver (QMYSQL) is not installed</source>
        <translation>ovládač Qt pre MySQL (QMYSQL) nie je nainštalovaný</translation>
    </message>
    <message>
        <source>cannot connect to the database "%1" (%2): %3</source>
        <translation>k databáze „%1“ (%2) sa nedá pripojiť: %3</translation>
    </message>
    <message>
        <source>--time-zone "%1" is not a known time zone: give an IANA name such as Europe/Bratislava</source>
        <translation>--time-zone „%1“ nie je známe časové pásmo: zadajte názov IANA, napríklad Europe/Bratislava</translation>
    </message>
    <message>
        <source>--time-zone %1: on Windows the option cannot change the zone; the system's time zone keeps another local time on %2. Run without --time-zone or set the system's zone</source>
        <translation>--time-zone %1: vo Windows voľba nemôže zmeniť pásmo; systémové časové pásmo má %2 iný miestny čas. Spustite bez --time-zone alebo nastavte systémové pásmo</translation>
    </message>
    <message>
        <source>--time-zone %1: the system's C library does not keep this zone's local time (on %2); is its zone data installed?</source>
        <translation>--time-zone %1: knižnica C systému nepozná miestny čas tohto pásma (%2); sú nainštalované údaje o pásmach?</translation>
    </message>
    <message>
        <source>the system's time zone is %1: the period and every date follow UTC; give the company's zone with --time-zone (e.g. --time-zone Europe/Bratislava)</source>
        <translation>systémové časové pásmo je %1: obdobie aj všetky dátumy sa riadia UTC; zadajte pásmo firmy cez --time-zone (napr. --time-zone Europe/Bratislava)</translation>
    </message>
    <message>
        <source>TZ is ignored on Windows: the system's time zone is used</source>
        <translation>vo Windows sa TZ ignoruje: použije sa systémové časové pásmo</translation>
    </message>
    <message>
        <source>IANA time zone of the company (e.g. Europe/Bratislava); the period and all local dates follow it. Default: the system's zone (a warning when that is UTC). On Windows the zone cannot be changed: the option is accepted only when it keeps the same local time as the system's zone, and refused otherwise.</source>
        <translation>Časové pásmo firmy podľa IANA (napr. Europe/Bratislava); riadi sa ním obdobie aj všetky miestne dátumy. Predvolene: systémové pásmo (s upozornením, ak je to UTC). Vo Windows sa pásmo nedá zmeniť: voľba sa prijme len vtedy, ak má rovnaký miestny čas ako systémové pásmo, inak sa odmietne.</translation>
    </message>
    <message>
        <source>cannot read the stored export settings (pamsettings): %1</source>
        <translation>uložené nastavenia exportu (pamsettings) sa nedajú prečítať: %1</translation>
    </message>
    <message>
        <source>there is no stored export settings record %1 (pamsettings)</source>
        <translation>záznam uložených nastavení exportu %1 (pamsettings) neexistuje</translation>
    </message>
    <message>
        <source>there are no stored export settings of type "%1" (pamsettings)</source>
        <translation>neexistujú uložené nastavenia exportu typu „%1“ (pamsettings)</translation>
    </message>
    <message>
        <source>stored export settings record %1 is of type "%2", not "%3"</source>
        <translation>záznam uložených nastavení exportu %1 je typu „%2“, nie „%3“</translation>
    </message>
    <message>
        <source>stored export settings record %1 is not a JSON object%2</source>
        <translation>záznam uložených nastavení exportu %1 nie je objekt JSON%2</translation>
    </message>
    <message>
        <source>: %1 at offset %2</source>
        <translation>: %1 na pozícii %2</translation>
    </message>
</context>
</TS>
