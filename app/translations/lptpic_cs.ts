<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>FileFilters</name>
    <message>
        <source>HEX files (*.hex);;All files *.* (*)</source>
        <translation>soubory *.hex (*.hex);;všechny soubory *.* (*)</translation>
    </message>
    <message>
        <source>HEX files (*.hex);;All files (*)</source>
        <translation>soubory *.hex (*.hex);;všechny soubory (*)</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>:/lptpic/help_text_en.txt</source>
        <translation>:/lptpic/help_text_cs.txt</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>De&amp;tect</source>
        <translation>&amp;Rozpoznat</translation>
    </message>
    <message>
        <source>Check device &amp;ID</source>
        <translation>&amp;Kontrolovat ID zařízení</translation>
    </message>
    <message>
        <source>Overwrite &amp;OSCCAL</source>
        <translation>Přepsat &amp;OSCCAL</translation>
    </message>
    <message>
        <source>A word here has %1 digits at most.</source>
        <translation>Slovo zde má nejvýše %1 číslic.</translation>
    </message>
    <message>
        <source>Hex digits up to %1 only.</source>
        <translation>Jen šestnáctkové číslice do %1.</translation>
    </message>
    <message>
        <source>Click to edit</source>
        <translation>Kliknutím upravíte</translation>
    </message>
    <message>
        <source>Click to stop</source>
        <translation>Kliknutím zastavíte</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Úp&amp;ravy</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Zařízení</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Výběr</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>&amp;Timing</source>
        <translation>Č&amp;asování</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otevřít</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otevřít soubor</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Change &amp;Dir</source>
        <translation>Změnit &amp;adresář</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Set &amp;Buffer</source>
        <translation>Naplnit &amp;buffer</translation>
    </message>
    <message>
        <source>Clear Buffers</source>
        <translation>Vymazat buffery</translation>
    </message>
    <message>
        <source>Set only &amp;Fuses, ID</source>
        <translation>Naplnit jen &amp;pojistky, ID</translation>
    </message>
    <message>
        <source>Clear &amp;Area</source>
        <translation>&amp;Vymazat oblast</translation>
    </message>
    <message>
        <source>&amp;Program All</source>
        <translation>&amp;Naprogramovat vše</translation>
    </message>
    <message>
        <source>Program All</source>
        <translation>Prog. vše</translation>
    </message>
    <message>
        <source>Program only &amp;Data memory</source>
        <translation>Naprogramovat jen &amp;datovou paměť</translation>
    </message>
    <message>
        <source>Program only &amp;Fuses + ID</source>
        <translation>Naprogramovat jen &amp;pojistky + ID</translation>
    </message>
    <message>
        <source>Fuses</source>
        <translation>Pojistky</translation>
    </message>
    <message>
        <source>Program only Fuses + ID</source>
        <translation>Naprogramovat jen pojistky + ID</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Smazat</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Smazat vše</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Ověřit</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Ověřit</translation>
    </message>
    <message>
        <source>&amp;Blank check</source>
        <translation>&amp;Kontrola prázdnosti</translation>
    </message>
    <message>
        <source>Blank?</source>
        <translation>Prázdný?</translation>
    </message>
    <message>
        <source>Check the device for Blank</source>
        <translation>Zjistit, zda je procesor prázdný</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>Čí&amp;st</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Číst</translation>
    </message>
    <message>
        <source>Select processor</source>
        <translation>Vybrat procesor</translation>
    </message>
    <message>
        <source>I&amp;D</source>
        <translation>I&amp;D</translation>
    </message>
    <message>
        <source>Output &amp;Port</source>
        <translation>Výstupní &amp;port</translation>
    </message>
    <message>
        <source>&amp;Adapter…</source>
        <translation>&amp;Adaptér…</translation>
    </message>
    <message>
        <source>Adapter &amp;test…</source>
        <translation>&amp;Test adaptéru…</translation>
    </message>
    <message>
        <source>Standart &amp;color Windows</source>
        <translation>Standardní &amp;barvy Windows</translation>
    </message>
    <message>
        <source>&amp;Save settings on Exit</source>
        <translation>&amp;Uložit nastavení při ukončení</translation>
    </message>
    <message>
        <source>&amp;Delay</source>
        <translation>&amp;Zpoždění</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standardní</translation>
    </message>
    <message>
        <source>&amp;Datasheet</source>
        <translation>Podle &amp;katalogového listu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Home &amp;Page</source>
        <translation>&amp;Domovská stránka</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>Program Memory </source>
        <translation>Programová paměť </translation>
    </message>
    <message>
        <source>Data Memory </source>
        <translation>Datová paměť </translation>
    </message>
    <message>
        <source>User data</source>
        <translation>Uživatelská data</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Start Address:                  h</source>
        <translation>Začátek:                            h</translation>
    </message>
    <message>
        <source>End Address:                   h</source>
        <translation>Konec:                                h</translation>
    </message>
    <message>
        <source>Clock delay:</source>
        <translation>Zpoždění hodin:</translation>
    </message>
    <message>
        <source>Waited after every clock edge, on top of Option &gt; Delay: for boards with slow buffers or long cables.</source>
        <translation>Čeká se po každé hraně hodin, navíc k Možnosti &gt; Zpoždění: pro desky s pomalými budiči nebo dlouhými kabely.</translation>
    </message>
    <message>
        <source>Take the chip out of the socket first.
Adapter: %1</source>
        <translation>Nejprve vyjměte čip z patice.
Adaptér: %1</translation>
    </message>
    <message>
        <source>Version  %1</source>
        <translation>Verze  %1</translation>
    </message>
    <message>
        <source>not switched</source>
        <translation>nepřepíná se</translation>
    </message>
    <message>
        <source>pin %1%2</source>
        <translation>vývod %1%2</translation>
    </message>
    <message>
        <source>, inverted</source>
        <translation>, invertovaný</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Vpp</source>
        <translation>Vpp</translation>
    </message>
    <message>
        <source>Vdd</source>
        <translation>Vdd</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Hodiny</translation>
    </message>
    <message>
        <source>Data out</source>
        <translation>Data ven</translation>
    </message>
    <message>
        <source>Data out enable</source>
        <translation>Povolení výstupu dat</translation>
    </message>
    <message>
        <source>Clear Area</source>
        <translation>Vymazat oblast</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adaptér</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Procesor</translation>
    </message>
    <message>
        <source>Change Dir</source>
        <translation>Změnit adresář</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>ID change</source>
        <translation>Změna ID</translation>
    </message>
    <message>
        <source>Adapter test</source>
        <translation>Test adaptéru</translation>
    </message>
    <message>
        <source>Output  Port</source>
        <translation>Výstupní port</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Simulator</source>
        <translation>Simulátor</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Jiný:</translation>
    </message>
    <message>
        <source>D010 or /dev/parport1</source>
        <translation>D010 nebo /dev/parport1</translation>
    </message>
</context>
<context>
    <name>CommandStatus</name>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>1 word</source>
        <translation>1 slovo</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>slov: %1</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 bajt</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>bajtů: %1</translation>
    </message>
    <message>
        <source>configuration</source>
        <translation>konfigurace</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>nic k zápisu</translation>
    </message>
    <message>
        <source>%1 — verified</source>
        <translation>%1 — ověřeno</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>v pořádku</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>selhalo</translation>
    </message>
    <message>
        <source>stopped by the user</source>
        <translation>zastaveno uživatelem</translation>
    </message>
    <message>
        <source>the adapter is not found</source>
        <translation>adaptér nenalezen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>You can write only A..F, 0..9</source>
        <translation>Lze psát jen A..F, 0..9</translation>
    </message>
    <message>
        <source>The port is not open, so the adapter cannot be tested.</source>
        <translation>Port není otevřen, adaptér proto nelze otestovat.</translation>
    </message>
    <message>
        <source>Settings in path.dat could not be read; defaults used</source>
        <translation>Nastavení v path.dat nelze přečíst; použity výchozí hodnoty</translation>
    </message>
    <message>
        <source>Program memory</source>
        <translation>Programová paměť</translation>
    </message>
    <message>
        <source>Data memory</source>
        <translation>Datová paměť</translation>
    </message>
    <message>
        <source>ID and configuration</source>
        <translation>ID a konfigurace</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurace</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Mazání</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Data Memory is not blank</source>
        <translation>Datová paměť není prázdná</translation>
    </message>
    <message>
        <source>Device is not found !</source>
        <translation>Zařízení nenalezeno!</translation>
    </message>
    <message>
        <source>Error BG!</source>
        <translation>Chyba BG!</translation>
    </message>
    <message>
        <source>Error OscCal!</source>
        <translation>Chyba OscCal!</translation>
    </message>
    <message>
        <source>Error erasing Fuses!</source>
        <translation>Chyba při mazání pojistek!</translation>
    </message>
    <message>
        <source>Error programming Data Memory!</source>
        <translation>Chyba při programování datové paměti!</translation>
    </message>
    <message>
        <source>Error programming Fuses!</source>
        <translation>Chyba při programování pojistek!</translation>
    </message>
    <message>
        <source>Error programming ID!</source>
        <translation>Chyba při programování ID!</translation>
    </message>
    <message>
        <source>Error programming Program Memory!</source>
        <translation>Chyba při programování programové paměti!</translation>
    </message>
    <message>
        <source>Error verify Data Memory!</source>
        <translation>Chyba při ověření datové paměti!</translation>
    </message>
    <message>
        <source>Error verify ID!</source>
        <translation>Chyba při ověření ID!</translation>
    </message>
    <message>
        <source>Error verify Program Memory!</source>
        <translation>Chyba při ověření programové paměti!</translation>
    </message>
    <message>
        <source>Error verify fuses!</source>
        <translation>Chyba při ověření pojistek!</translation>
    </message>
    <message>
        <source>Every word read as 0000: is the chip in the socket?</source>
        <translation>Všechna slova se přečetla jako 0000: je čip v patici?</translation>
    </message>
    <message>
        <source>Every word read blank: a blank chip, or an empty socket?</source>
        <translation>Všechna slova jsou prázdná: prázdný čip, nebo prázdná patice?</translation>
    </message>
    <message>
        <source>No chip answers (device ID 3FFFh): is the chip in the socket?</source>
        <translation>Žádný čip neodpovídá (ID zařízení 3FFFh): je čip v patici?</translation>
    </message>
    <message>
        <source>No chip answers (device ID 0000h): is the chip in the socket?</source>
        <translation>Žádný čip neodpovídá (ID zařízení 0000h): je čip v patici?</translation>
    </message>
    <message>
        <source>Fuses is not blank</source>
        <translation>Pojistky nejsou prázdné</translation>
    </message>
    <message>
        <source>ID is not blank</source>
        <translation>ID není prázdné</translation>
    </message>
    <message>
        <source>Program Memory is not blank</source>
        <translation>Programová paměť není prázdná</translation>
    </message>
    <message>
        <source>Closing when the command ends — click the panel to stop it now.</source>
        <translation>Zavře se po skončení příkazu — kliknutím na panel jej zastavíte hned.</translation>
    </message>
</context>
<context>
    <name>Production</name>
    <message>
        <source>Recent &amp;files</source>
        <translation>Nedávné &amp;soubory</translation>
    </message>
    <message>
        <source>Serial &amp;numbers…</source>
        <translation>Sériová &amp;čísla…</translation>
    </message>
    <message>
        <source>Serial numbers</source>
        <translation>Sériová čísla</translation>
    </message>
    <message>
        <source>Program the next chip when one is inserted</source>
        <translation>Naprogramovat další čip, jakmile je vložen</translation>
    </message>
    <message>
        <source>Parts with a device ID: the socket is watched for the next chip; other parts stop after one chip.</source>
        <translation>Součástky s ID zařízení: patice se hlídá, zda je vložen další čip; ostatní součástky skončí po jednom čipu.</translation>
    </message>
    <message>
        <source>Next serial number %1</source>
        <translation>Další sériové číslo %1</translation>
    </message>
    <message>
        <source>Give each chip a serial number</source>
        <translation>Dát každému čipu sériové číslo</translation>
    </message>
    <message>
        <source>First number[:step]</source>
        <translation>První číslo[:krok]</translation>
    </message>
    <message>
        <source>Where (id, ADDRESS, raw:ADDRESS)</source>
        <translation>Kam (id, ADRESA, raw:ADRESA)</translation>
    </message>
    <message>
        <source>Bytes at an address</source>
        <translation>Bajtů na adrese</translation>
    </message>
    <message>
        <source>Counter file</source>
        <translation>Soubor čítače</translation>
    </message>
    <message>
        <source>Log file (JSON Lines)</source>
        <translation>Soubor záznamu (JSON Lines)</translation>
    </message>
    <message>
        <source>Reload the changed HEX file before Program All</source>
        <translation>Před Naprogramovat vše znovu načíst změněný soubor HEX</translation>
    </message>
    <message>
        <source>Checksum %1</source>
        <translation>Kontrolní součet %1</translation>
    </message>
    <message>
        <source>%1 changed on disk and was loaded again.</source>
        <translation>%1 se na disku změnil a byl znovu načten.</translation>
    </message>
</context>
</TS>
