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
        <source>The device catalogue fails its check; the program cannot start.</source>
        <translation>Katalog součástek neprošel kontrolou; program nelze spustit.</translation>
    </message>
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
    <message>
        <source>Tarnwick - Device Programmer - LPT</source>
        <translation>Tarnwick - programátor součástek - LPT</translation>
    </message>
    <message>
        <source>Email: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>lptpic %1 is free software under the GNU General Public
License, version 2 or later (%2), and comes
with NO WARRANTY. It uses Qt %3 under the GNU LGPL 3.</source>
        <translation>lptpic %1 je svobodný software podle GNU General Public
License, verze 2 nebo pozdější (%2), a je bez
jakékoli ZÁRUKY. Používá Qt %3 podle GNU LGPL 3.</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Zdroj: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádný</translation>
    </message>
    <message>
        <source>Vpp %1   Vdd %2   Clock %3   Data out %4   Data in %5</source>
        <translation>Vpp %1   Vdd %2   Hodiny %3   Data ven %4   Data dovnitř %5</translation>
    </message>
    <message>
        <source>   Data-out enable %1</source>
        <translation>   Povolení výstupu dat %1</translation>
    </message>
    <message>
        <source>   (~ inverted)</source>
        <translation>   (~ invertovaný)</translation>
    </message>
    <message>
        <source>Data in  (%1):  %2</source>
        <translation>Data dovnitř  (%1):  %2</translation>
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
        <source>Take the chip out and put the next one in.</source>
        <translation>Vyjměte čip a vložte další.</translation>
    </message>
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
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Configuration word</source>
        <translation>Konfigurační slovo</translation>
    </message>
    <message>
        <source>always on (this board does not switch it)</source>
        <translation>stále zapnuto (tato deska je nepřepíná)</translation>
    </message>
    <message>
        <source>not on this board</source>
        <translation>na této desce není</translation>
    </message>
    <message>
        <source>≈ +13 V at MCLR through the board</source>
        <translation>≈ +13 V na MCLR přes desku</translation>
    </message>
    <message>
        <source>0 V at MCLR through the board</source>
        <translation>0 V na MCLR přes desku</translation>
    </message>
    <message>
        <source>≈ +5 V at VDD through the board</source>
        <translation>≈ +5 V na VDD přes desku</translation>
    </message>
    <message>
        <source>0 V at VDD through the board</source>
        <translation>0 V na VDD přes desku</translation>
    </message>
    <message>
        <source>≈ +5 V at the chip&apos;s clock pin</source>
        <translation>≈ +5 V na hodinovém vývodu čipu</translation>
    </message>
    <message>
        <source>0 V at the chip&apos;s clock pin</source>
        <translation>0 V na hodinovém vývodu čipu</translation>
    </message>
    <message>
        <source>≈ +5 V at the chip&apos;s data pin</source>
        <translation>≈ +5 V na datovém vývodu čipu</translation>
    </message>
    <message>
        <source>0 V at the chip&apos;s data pin</source>
        <translation>0 V na datovém vývodu čipu</translation>
    </message>
    <message>
        <source>the board drives the data line</source>
        <translation>datovou linku budí deska</translation>
    </message>
    <message>
        <source>the chip may drive the data line</source>
        <translation>datovou linku smí budit čip</translation>
    </message>
    <message>
        <source>the chip&apos;s data line reads 1</source>
        <translation>datová linka čipu čte 1</translation>
    </message>
    <message>
        <source>the chip&apos;s data line reads 0</source>
        <translation>datová linka čipu čte 0</translation>
    </message>
    <message>
        <source>no chip answers</source>
        <translation>žádný čip neodpovídá</translation>
    </message>
    <message>
        <source>not an Intel HEX record: it does not start with &apos;:&apos;</source>
        <translation>není záznam Intel HEX: nezačíná znakem &apos;:&apos;</translation>
    </message>
    <message>
        <source>shorter than its byte count says</source>
        <translation>je kratší, než udává jeho počet bajtů</translation>
    </message>
    <message>
        <source>holds characters that are not hex digits</source>
        <translation>obsahuje znaky, které nejsou šestnáctkové číslice</translation>
    </message>
    <message>
        <source>its checksum does not match its bytes</source>
        <translation>jeho kontrolní součet nesouhlasí s jeho bajty</translation>
    </message>
    <message>
        <source>Another program is saving it.</source>
        <translation>Jiný program jej právě ukládá.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Soubor je jen pro čtení.</translation>
    </message>
    <message>
        <source>It is not a regular file (a device, FIFO or folder).</source>
        <translation>Není to obyčejný soubor (je to zařízení, FIFO nebo složka).</translation>
    </message>
    <message>
        <source>Not a regular file (a device, FIFO or folder).</source>
        <translation>Není to obyčejný soubor (je to zařízení, FIFO nebo složka).</translation>
    </message>
    <message>
        <source>Type a port address such as D010 or choose a port.</source>
        <translation>Zadejte adresu portu, například D010, nebo port vyberte.</translation>
    </message>
    <message>
        <source>The settings could not be saved (path.dat):</source>
        <translation>Nastavení nelze uložit (path.dat):</translation>
    </message>
    <message>
        <source>The simulated chip could not be saved:</source>
        <translation>Simulovaný čip nelze uložit:</translation>
    </message>
    <message>
        <source>the internal oscillator and MCLR as an input</source>
        <translation>vnitřním oscilátorem a MCLR jako vstupem</translation>
    </message>
    <message>
        <source>the internal oscillator</source>
        <translation>vnitřním oscilátorem</translation>
    </message>
    <message>
        <source>MCLR as an input</source>
        <translation>MCLR jako vstupem</translation>
    </message>
    <message>
        <source>low-voltage programming on</source>
        <translation>zapnutým programováním nízkým napětím</translation>
    </message>
    <message>
        <source>It reads 3FFF: lost before this erase.</source>
        <translation>Čte se jako 3FFF: ztraceno již před tímto mazáním.</translation>
    </message>
    <message>
        <source>This system has no ppdev parallel port support.</source>
        <translation>Tento systém nemá podporu paralelního portu ppdev.</translation>
    </message>
    <message>
        <source>Also connect Vdd pins 38 and 57 and AVdd pin 26 to Vdd, Vss pins 41 and 56 and AVss pin 25 to Vss.</source>
        <translation>Připojte také vývody Vdd 38 a 57 a vývod AVdd 26 k Vdd, vývody Vss 41 a 56 a vývod AVss 25 k Vss.</translation>
    </message>
    <message>
        <source>Vdd feeds a shunt regulator: put a resistor in series with the adapter&apos;s Vdd line, sized as the data sheet&apos;s shunt-regulator section shows.</source>
        <translation>Vdd napájí paralelní stabilizátor: do linky Vdd adaptéru zapojte sériový odpor, dimenzovaný podle části katalogového listu o paralelním stabilizátoru.</translation>
    </message>
</context>
<context>
    <name>MessageTemplates</name>
    <message>
        <source>Stopped by the user at address %1h.</source>
        <translation>Zastaveno uživatelem na adrese %1h.</translation>
    </message>
    <message>
        <source>%1 %2h: expected %3, read %4</source>
        <translation>%1 %2h: očekáváno %3, přečteno %4</translation>
    </message>
    <message>
        <source>No chip answers (device ID %1h): is the chip in the socket?</source>
        <translation>Žádný čip neodpovídá (ID zařízení %1h): je čip v patici?</translation>
    </message>
    <message>
        <source>The chip is a %1, not the selected %2.</source>
        <translation>Čip je %1, ne vybraný %2.</translation>
    </message>
    <message>
        <source>No chip answers: its device ID reads 0000h, not the selected %1&apos;s.</source>
        <translation>Žádný čip neodpovídá: ID zařízení se čte jako 0000h, ne jako u vybraného %1.</translation>
    </message>
    <message>
        <source>The chip&apos;s device ID %1h is not the selected %2&apos;s.</source>
        <translation>ID zařízení čipu %1h nepatří vybranému %2.</translation>
    </message>
    <message>
        <source>unknown device ID %1h</source>
        <translation>neznámé ID zařízení %1h</translation>
    </message>
    <message>
        <source>%1 (%2) revision %3</source>
        <translation>%1 (%2), revize %3</translation>
    </message>
    <message>
        <source>%1 revision %2</source>
        <translation>%1, revize %2</translation>
    </message>
    <message>
        <source>Error calibration word %1h! %2</source>
        <translation>Chyba kalibračního slova %1h! %2</translation>
    </message>
    <message>
        <source>The %1 with %2 must see Vpp before Vdd, but the adapter &quot;%3&quot; cannot switch Vdd: the chip may start its program before programming mode and the command may fail. Use an adapter that switches Vdd.</source>
        <translation>%1 s %2 musí dostat Vpp dříve než Vdd, ale adaptér „%3“ neumí přepínat Vdd: čip může spustit svůj program dříve než režim programování a příkaz může selhat. Použijte adaptér, který Vdd přepíná.</translation>
    </message>
    <message>
        <source>HEX file &quot;%1&quot;, %2</source>
        <translation>Soubor HEX „%1“, %2</translation>
    </message>
    <message>
        <source>Error CheckSum on line %1 !</source>
        <translation>Chyba kontrolního součtu na řádku %1!</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>řádek %1: %2</translation>
    </message>
    <message>
        <source>longer than any Intel HEX record (%1 characters)</source>
        <translation>je delší než jakýkoli záznam Intel HEX (%1 znaků)</translation>
    </message>
    <message>
        <source>record type %1 is no data record (only 00 is), yet it would be read as data</source>
        <translation>záznam typu %1 není datový (datový je jen 00), přesto by se četl jako data</translation>
    </message>
    <message>
        <source>an extended address record (type %1) holds 2 bytes, not %2: the data after it would land at the wrong address</source>
        <translation>záznam rozšířené adresy (typ %1) má 2 bajty, ne %2: data za ním by se dostala na špatnou adresu</translation>
    </message>
    <message>
        <source>extended segment address %1 moves the data after it off its 16-bit address: give the address with a type 04 record</source>
        <translation>rozšířená segmentová adresa %1 posouvá data za ní mimo jejich 16bitovou adresu: zadejte adresu záznamem typu 04</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Soubor „%1“ nelze otevřít. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Soubor „%1“ nelze vytvořit. %2</translation>
    </message>
    <message>
        <source>File too large (over %1 MB).</source>
        <translation>Soubor je příliš velký (přes %1 MB).</translation>
    </message>
    <message>
        <source>%1 has no end-of-file record: it may be cut off</source>
        <translation>%1 nemá záznam konce souboru: může být useknutý</translation>
    </message>
    <message>
        <source>%1 has no data records</source>
        <translation>%1 nemá žádné datové záznamy</translation>
    </message>
    <message>
        <source>%1 holds no data for the %2 (data records: %3)</source>
        <translation>%1 neobsahuje žádná data pro %2 (datové záznamy: %3)</translation>
    </message>
    <message>
        <source>End address %1 is past the last address %2.</source>
        <translation>Koncová adresa %1 je za poslední adresou %2.</translation>
    </message>
    <message>
        <source>Start address %1 is after end address %2.</source>
        <translation>Počáteční adresa %1 je za koncovou adresou %2.</translation>
    </message>
    <message>
        <source>It could not be kept as %1: %2</source>
        <translation>Nelze jej uschovat jako %1: %2</translation>
    </message>
    <message>
        <source>The simulated chip in %1 is a %2, not the %3 selected: it stays in the socket.</source>
        <translation>Simulovaný čip v %1 je %2, ne vybraný %3: zůstává v patici.</translation>
    </message>
    <message>
        <source>The simulator has no model of device &quot;%1&quot;.</source>
        <translation>Simulátor nemá model zařízení „%1“.</translation>
    </message>
    <message>
        <source>The simulator has no board for the adapter &quot;%1&quot;.</source>
        <translation>Simulátor nemá desku pro adaptér „%1“.</translation>
    </message>
    <message>
        <source>Cannot save chip file %1: %2</source>
        <translation>Soubor čipu %1 nelze uložit: %2</translation>
    </message>
    <message>
        <source>Chip file %1 is a folder, not a file.</source>
        <translation>Soubor čipu %1 je složka, ne soubor.</translation>
    </message>
    <message>
        <source>Chip file %1 cannot be read: %2</source>
        <translation>Soubor čipu %1 nelze přečíst: %2</translation>
    </message>
    <message>
        <source>Chip file %1 cannot be locked: %2</source>
        <translation>Soubor čipu %1 nelze zamknout: %2</translation>
    </message>
    <message>
        <source>chip file %1 is in use by another process</source>
        <translation>soubor čipu %1 používá jiný proces</translation>
    </message>
    <message>
        <source>Stopped by the user while chip file %1 was in use.</source>
        <translation>Zastaveno uživatelem, dokud byl soubor čipu %1 používán.</translation>
    </message>
    <message>
        <source>Chip file %1, %2</source>
        <translation>Soubor čipu %1, %2</translation>
    </message>
    <message>
        <source>There is no parallel port %1 on this machine.</source>
        <translation>Paralelní port %1 na tomto počítači není.</translation>
    </message>
    <message>
        <source>Port address &quot;%1&quot; is out of range (0100h to FFF8h).</source>
        <translation>Adresa portu „%1“ je mimo rozsah (0100h až FFF8h).</translation>
    </message>
    <message>
        <source>Your own adapters: %1</source>
        <translation>Vlastní adaptéry: %1</translation>
    </message>
    <message>
        <source>pin %1 high (%2)</source>
        <translation>vývod %1 v úrovni H (%2)</translation>
    </message>
    <message>
        <source>pin %1 low (%2)</source>
        <translation>vývod %1 v úrovni L (%2)</translation>
    </message>
    <message>
        <source>pin %1 high</source>
        <translation>vývod %1 v úrovni H</translation>
    </message>
    <message>
        <source>pin %1 low</source>
        <translation>vývod %1 v úrovni L</translation>
    </message>
    <message>
        <source>In the socket: %1, pin 1 over hole %2 of strip %3.</source>
        <translation>V patici: %1, vývod 1 nad otvorem %2 lišty %3.</translation>
    </message>
    <message>
        <source>Not in the socket: connect the %1 through an ICSP cable to the adapter&apos;s lines.</source>
        <translation>Není v patici: %1 připojte kabelem ICSP k linkám adaptéru.</translation>
    </message>
    <message>
        <source>Not in the socket: wire the %1 to the socket&apos;s holes as the picture shows.</source>
        <translation>Není v patici: %1 propojte s otvory patice podle obrázku.</translation>
    </message>
    <message>
        <source>ICSP PGC (clock): %1</source>
        <translation>ICSP PGC (hodiny): %1</translation>
    </message>
    <message>
        <source>ICSP PGD (data): %1</source>
        <translation>ICSP PGD (data): %1</translation>
    </message>
    <message>
        <source>ICSP %1: %2</source>
        <translation>ICSP %1: %2</translation>
    </message>
    <message>
        <source>pins %1 and %2</source>
        <translation>vývody %1 a %2</translation>
    </message>
    <message>
        <source>pin %1</source>
        <translation>vývod %1</translation>
    </message>
    <message>
        <source>Written back %1, read %2.</source>
        <translation>Zapsáno zpět %1, přečteno %2.</translation>
    </message>
    <message>
        <source>OSCCAL restored from its backup: %1 at %2h.</source>
        <translation>OSCCAL obnoven ze zálohy: %1 na %2h.</translation>
    </message>
    <message>
        <source>OSCCAL backup restored: %1 at %2h.</source>
        <translation>Záloha OSCCAL obnovena: %1 na %2h.</translation>
    </message>
    <message>
        <source>OSCCAL written from the file: %1 at %2h; the chip&apos;s %3 stays in the backup at %4h.</source>
        <translation>OSCCAL zapsán ze souboru: %1 na %2h; hodnota čipu %3 zůstává v záloze na %4h.</translation>
    </message>
    <message>
        <source>OSCCAL written from the file: %1 at %2h.</source>
        <translation>OSCCAL zapsán ze souboru: %1 na %2h.</translation>
    </message>
    <message>
        <source>The chip holds no OSCCAL value: neither %1h nor its backup at %2h is a MOVLW; %3h is left blank.</source>
        <translation>Čip nemá hodnotu OSCCAL: ani %1h, ani její záloha na %2h není MOVLW; %3h zůstává prázdné.</translation>
    </message>
    <message>
        <source>OSCCAL kept: the chip&apos;s %1 stays at %2h; the file&apos;s %3 was not written.</source>
        <translation>OSCCAL ponechán: hodnota čipu %1 zůstává na %2h; hodnota ze souboru %3 nebyla zapsána.</translation>
    </message>
    <message>
        <source>The file&apos;s %1 was not written.</source>
        <translation>Hodnota ze souboru %1 nebyla zapsána.</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>Uschováno jako %1.</translation>
    </message>
    <message>
        <source>Cannot read the adapters file %1: %2</source>
        <translation>Soubor adaptérů %1 nelze přečíst: %2</translation>
    </message>
    <message>
        <source>Permission denied on %1: add your user to group lp (sudo usermod -aG lp $USER) and log in again.</source>
        <translation>Přístup k %1 odepřen: přidejte svého uživatele do skupiny lp (sudo usermod -aG lp $USER) a znovu se přihlaste.</translation>
    </message>
    <message>
        <source>%1 is not a parallel port: only ppdev character devices (/dev/parportN) are opened.</source>
        <translation>%1 není paralelní port: otevírají se jen znaková zařízení ppdev (/dev/parportN).</translation>
    </message>
    <message>
        <source>%1 does not exist or has no port behind it (load the parallel port modules: sudo modprobe parport_pc ppdev).</source>
        <translation>%1 neexistuje nebo za ním není žádný port (zaveďte moduly paralelního portu: sudo modprobe parport_pc ppdev).</translation>
    </message>
    <message>
        <source>%1 is busy: another program or driver (such as lp) has claimed it. Close that program, or unload lp (sudo rmmod lp).</source>
        <translation>%1 je obsazen: zabral jej jiný program nebo ovladač (například lp). Zavřete ten program, nebo uvolněte lp (sudo rmmod lp).</translation>
    </message>
    <message>
        <source>No parallel port at %1 (no /dev/parportN has that base address; the system lists none: load the parallel port modules: sudo modprobe parport_pc ppdev).</source>
        <translation>Na %1 není paralelní port (žádný /dev/parportN nemá tuto bázovou adresu; systém žádný neuvádí: zaveďte moduly paralelního portu: sudo modprobe parport_pc ppdev).</translation>
    </message>
    <message>
        <source>No parallel port at %1 (no /dev/parportN has that base address; the system&apos;s ports are at %2).</source>
        <translation>Na %1 není paralelní port (žádný /dev/parportN nemá tuto bázovou adresu; porty systému jsou na %2).</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 nelze otevřít: %2.</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, řádek %2</translation>
    </message>
    <message>
        <source>%1 above 64 KB</source>
        <translation>nad 64 KB: %1</translation>
    </message>
    <message>
        <source>%1 empty</source>
        <translation>prázdné: %1</translation>
    </message>
    <message>
        <source>%1 outside its memories</source>
        <translation>mimo jeho paměti: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The %1 takes at most %2 on MCLR; this adapter gives %3. Low-voltage entry is used instead.</source>
        <translation>Obvod %1 snese na MCLR nanejvýš %2; tento adaptér dává %3. Místo toho se použije vstup do programování nízkým napětím.</translation>
    </message>
    <message>
        <source>The %1 takes at most %2 on MCLR; this adapter gives %3. Low-voltage entry needs the supply switched, which this adapter cannot do. It cannot be programmed with this adapter.</source>
        <translation>Obvod %1 snese na MCLR nanejvýš %2; tento adaptér dává %3. Vstup nízkým napětím potřebuje spínané napájení, což tento adaptér neumí. Tímto adaptérem jej nelze programovat.</translation>
    </message>
    <message>
        <source>The %1 takes at most %2 on MCLR; this adapter gives %3. It cannot be programmed with this adapter.</source>
        <translation>Obvod %1 snese na MCLR nanejvýš %2; tento adaptér dává %3. Tímto adaptérem jej nelze programovat.</translation>
    </message>
    <message>
        <source>The configuration %1 %2 would switch off low-voltage programming; this adapter could not program the chip again.</source>
        <translation>Konfigurace %1 %2 by vypnula programování nízkým napětím; tento adaptér by pak čip znovu nenaprogramoval.</translation>
    </message>
    <message>
        <source>No chip answers low-voltage entry: the socket is empty, or the chip&apos;s LVP bit is off and only a Vpp it takes (at most %1) reaches it now.</source>
        <translation>Na vstup nízkým napětím žádný čip neodpovídá: patice je prázdná, nebo má čip vypnutý bit LVP a dostane se k němu už jen Vpp, které snese (nanejvýš %1).</translation>
    </message>
</context>
<context>
    <name>InfoPages</name>
    <message>
        <source>CP0=OFF, CP1=OFF - Code protection OFF</source>
        <translation>CP0=OFF, CP1=OFF - ochrana kódu vypnuta</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=OFF  - Upper 1/2 memory code protected</source>
        <translation>CP0=ON, CP1=OFF  - chráněna horní 1/2 paměti</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=ON  - Upper 3/4 memory code protected</source>
        <translation>CP0=OFF, CP1=ON  - chráněny horní 3/4 paměti</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=ON   - All memory is protected</source>
        <translation>CP0=ON, CP1=ON   - chráněna celá paměť</translation>
    </message>
    <message>
        <source>MCLR=Ex - MCLR pin enabled</source>
        <translation>MCLR=Ex - vývod MCLR zapnut</translation>
    </message>
    <message>
        <source>MCLR=In - MCLR internally connected to VDD</source>
        <translation>MCLR=In - MCLR uvnitř připojen k VDD</translation>
    </message>
    <message>
        <source>LVP=ON - RB3/PGM pin has PGM function, low voltage programming enabled</source>
        <translation>LVP=ON - vývod RB3/PGM má funkci PGM, programování nízkým napětím zapnuto</translation>
    </message>
    <message>
        <source>LVP=OFF - RB3 is digital I/O, HV on MCLR must be used for programming</source>
        <translation>LVP=OFF - RB3 je digitální I/O, k programování je nutné vysoké napětí na MCLR</translation>
    </message>
    <message>
        <source>WRT=ON - Unprotected program memory may be written to by EECON control</source>
        <translation>WRT=ON - nechráněnou programovou paměť lze zapisovat přes EECON</translation>
    </message>
    <message>
        <source>WRT=OFF - Unprotected program memory may not be written to by EECON control</source>
        <translation>WRT=OFF - nechráněnou programovou paměť nelze zapisovat přes EECON</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator/CLKOUT function on RA6 pin</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=1 - vnější RC oscilátor/funkce CLKOUT na vývodu RA6</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=1 FOSC2=1 - External RC oscillator/ I/O function on RA6 pin</source>
        <translation>FOSC0=0 FOSC1=1 FOSC2=1 - vnější RC oscilátor/ funkce I/O na vývodu RA6</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=0 FOSC2=1 - Internal RC oscillator/CLKOUT function on RA6 pin, I/O function on RA7</source>
        <translation>FOSC0=1 FOSC1=0 FOSC2=1 - vnitřní RC oscilátor/funkce CLKOUT na vývodu RA6, funkce I/O na RA7</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator/ I/O function on RA6 pin,  I/O function on RA7 pin</source>
        <translation>FOSC0=0 FOSC1=0 FOSC2=1 - vnitřní RC oscilátor/ funkce I/O na vývodu RA6,  funkce I/O na vývodu RA7</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=0 - ExtClk/ I/O function on RA6 pin, ClkIn on RA7</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=0 - ExtClk/ funkce I/O na vývodu RA6, ClkIn na RA7</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=1 FOSC2=0 - HS oscillator</source>
        <translation>FOSC0=0 FOSC1=1 FOSC2=0 - oscilátor HS</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=0 FOSC2=0 - XT oscillator</source>
        <translation>FOSC0=1 FOSC1=0 FOSC2=0 - oscilátor XT</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=0 FOSC2=0 - LP oscillator</source>
        <translation>FOSC0=0 FOSC1=0 FOSC2=0 - oscilátor LP</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=OFF  - Code protection OFF</source>
        <translation>CP0=ON, CP1=OFF  - ochrana kódu vypnuta</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=ON  - Code protection OFF</source>
        <translation>CP0=OFF, CP1=ON  - ochrana kódu vypnuta</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=ON  - Upper 1/2 of program memory code protected</source>
        <translation>CP0=OFF, CP1=ON  - chráněna horní 1/2 programové paměti</translation>
    </message>
    <message>
        <source>CP0=OFF - Code protection OFF</source>
        <translation>CP0=OFF - ochrana kódu vypnuta</translation>
    </message>
    <message>
        <source>CP0=ON  - All memory is protected, but 00h-3Fh is writable</source>
        <translation>CP0=ON  - chráněna celá paměť, ale 00h-3Fh lze zapisovat</translation>
    </message>
    <message>
        <source>BorV0=1, BorV1=1 - VBor set to 2,5V</source>
        <translation>BorV0=1, BorV1=1 - VBor nastaveno na 2,5V</translation>
    </message>
    <message>
        <source>BorV0=0, BorV1=1  - VBor set to 2,7V</source>
        <translation>BorV0=0, BorV1=1  - VBor nastaveno na 2,7V</translation>
    </message>
    <message>
        <source>BorV0=1,  BorV1=0 - VBor set to 4,2V</source>
        <translation>BorV0=1,  BorV1=0 - VBor nastaveno na 4,2V</translation>
    </message>
    <message>
        <source>BorV0=0,  BorV1=0 -  VBor set to 4,5V</source>
        <translation>BorV0=0,  BorV1=0 -  VBor nastaveno na 4,5V</translation>
    </message>
    <message>
        <source>Osc E  - external clock with 4K PLL</source>
        <translation>Osc E  - vnější hodiny s PLL 4K</translation>
    </message>
    <message>
        <source>Osc H  - HS oscilator with 4K PL enabled</source>
        <translation>Osc H  - oscilátor HS se zapnutou PLL 4K</translation>
    </message>
    <message>
        <source>Osc EC - external clock with CLKOUT on OSC2</source>
        <translation>Osc EC - vnější hodiny s CLKOUT na OSC2</translation>
    </message>
    <message>
        <source>Osc HS - oscilator</source>
        <translation>Osc HS - oscilátor</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=OFF  - Lower 1/2 memory code protected (0000h-07FFh)</source>
        <translation>CP0=ON, CP1=OFF  - chráněna dolní 1/2 paměti (0000h-07FFh)</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=ON  - All but last 256 bytes of memory code protected (0000h-0EFFh)</source>
        <translation>CP0=OFF, CP1=ON  - chráněna celá paměť kromě posledních 256 bajtů (0000h-0EFFh)</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=OFF  - Lower 1/2 memory code protected (0000h-0FFFh)</source>
        <translation>CP0=ON, CP1=OFF  - chráněna dolní 1/2 paměti (0000h-0FFFh)</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=ON  - All but last 256 bytes of memory code protected (0000h-1EFFh)</source>
        <translation>CP0=OFF, CP1=ON  - chráněna celá paměť kromě posledních 256 bajtů (0000h-1EFFh)</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator/CLKOUT function on RB4 pin</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=1 - vnější RC oscilátor/funkce CLKOUT na vývodu RB4</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=1 FOSC2=1 - External RC oscillator/RB4 function on RB4 pin</source>
        <translation>FOSC0=0 FOSC1=1 FOSC2=1 - vnější RC oscilátor/funkce RB4 na vývodu RB4</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=0 FOSC2=1 - Internal RC oscillator/CLKOUT function on RB4 pin</source>
        <translation>FOSC0=1 FOSC1=0 FOSC2=1 - vnitřní RC oscilátor/funkce CLKOUT na vývodu RB4</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator/RB4 function on RB4 pin</source>
        <translation>FOSC0=0 FOSC1=0 FOSC2=1 - vnitřní RC oscilátor/funkce RB4 na vývodu RB4</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=OFF  - Do not use</source>
        <translation>CP0=ON, CP1=OFF  - nepoužívat</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=ON  - Do not use</source>
        <translation>CP0=OFF, CP1=ON  - nepoužívat</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=ON   - All memory protected</source>
        <translation>CP0=ON, CP1=ON   - chráněna celá paměť</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=ON  - Upper 1/2 memory protected</source>
        <translation>CP0=OFF, CP1=ON  - chráněna horní 1/2 paměti</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator/CLKOUT function on GP4 pin</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=1 - vnější RC oscilátor/funkce CLKOUT na vývodu GP4</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=1 FOSC2=1 - External RC oscillator/GP4 function on GP4 pin</source>
        <translation>FOSC0=0 FOSC1=1 FOSC2=1 - vnější RC oscilátor/funkce GP4 na vývodu GP4</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=0 FOSC2=1 - Internal RC oscillator/CLKOUT function on GP4 pin</source>
        <translation>FOSC0=1 FOSC1=0 FOSC2=1 - vnitřní RC oscilátor/funkce CLKOUT na vývodu GP4</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator/GP4 function on GP4 pin</source>
        <translation>FOSC0=0 FOSC1=0 FOSC2=1 - vnitřní RC oscilátor/funkce GP4 na vývodu GP4</translation>
    </message>
    <message>
        <source>FOSC2=0 FOSC1=0 FOSC0=0 - LP oscillator</source>
        <translation>FOSC2=0 FOSC1=0 FOSC0=0 - oscilátor LP</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=OFF  - 0400h to 07FFh code protected</source>
        <translation>CP0=ON, CP1=OFF  - chráněno 0400h až 07FFh</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=ON  - 0200h to 07FFh code protected</source>
        <translation>CP0=OFF, CP1=ON  - chráněno 0200h až 07FFh</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=ON   - 0000h to 07FFh code protected</source>
        <translation>CP0=ON, CP1=ON   - chráněno 0000h až 07FFh</translation>
    </message>
    <message>
        <source>CPP0=OFF, CPP1=OFF - All unprotected</source>
        <translation>CPP0=OFF, CPP1=OFF - vše bez ochrany</translation>
    </message>
    <message>
        <source>CPP0=OFF, CPP1=ON - N/A</source>
        <translation>CPP0=OFF, CPP1=ON - nelze použít</translation>
    </message>
    <message>
        <source>CPP0=ON, CPP1=OFF - N/A</source>
        <translation>CPP0=ON, CPP1=OFF - nelze použít</translation>
    </message>
    <message>
        <source>CPP0=ON, CPP1=ON - All protected</source>
        <translation>CPP0=ON, CPP1=ON - vše chráněno</translation>
    </message>
    <message>
        <source>Osc: HS - crystal/resonator</source>
        <translation>Osc: HS - krystal/rezonátor</translation>
    </message>
    <message>
        <source>Osc: In RC - Internal RC oscillator</source>
        <translation>Osc: In RC - vnitřní RC oscilátor</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=OFF - Program memory code protection OFF</source>
        <translation>CP0=OFF, CP1=OFF - ochrana programové paměti vypnuta</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=ON - 0200h-03FFh code protected</source>
        <translation>CP0=OFF, CP1=ON - chráněno 0200h-03FFh</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=OFF - Program memory code protection OFF</source>
        <translation>CP0=ON, CP1=OFF - ochrana programové paměti vypnuta</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=ON - 0000h-03FFh code protected</source>
        <translation>CP0=ON, CP1=ON - chráněno 0000h-03FFh</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=ON - 0200h-07FFh code protected</source>
        <translation>CP0=OFF, CP1=ON - chráněno 0200h-07FFh</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=OFF - 0400h-07FFh code protected</source>
        <translation>CP0=ON, CP1=OFF - chráněno 0400h-07FFh</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=ON - 0000h-07FFh code protected</source>
        <translation>CP0=ON, CP1=ON - chráněno 0000h-07FFh</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=ON - Not supported</source>
        <translation>CP0=OFF, CP1=ON - nepodporováno</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=OFF - Not supported</source>
        <translation>CP0=ON, CP1=OFF - nepodporováno</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=ON - 0000h-7FFh - code protected</source>
        <translation>CP0=ON, CP1=ON - 0000h-7FFh - chráněno</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=ON - 0800h-0FFFh - code protected</source>
        <translation>CP0=OFF, CP1=ON - 0800h-0FFFh - chráněno</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=OFF - 0F00h-0FFFh - code protected</source>
        <translation>CP0=ON, CP1=OFF - 0F00h-0FFFh - chráněno</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=ON - 0000h-0FFFh - code protected</source>
        <translation>CP0=ON, CP1=ON - 0000h-0FFFh - chráněno</translation>
    </message>
    <message>
        <source>CP0=OFF, CP1=ON - 1000h-1FFFh - code protected</source>
        <translation>CP0=OFF, CP1=ON - 1000h-1FFFh - chráněno</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=OFF - 1F00h-1FFFh - code protected</source>
        <translation>CP0=ON, CP1=OFF - 1F00h-1FFFh - chráněno</translation>
    </message>
    <message>
        <source>CP0=ON, CP1=ON - 0000h-1FFFh - code protected</source>
        <translation>CP0=ON, CP1=ON - 0000h-1FFFh - chráněno</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator: CLKOUT function on RA4 pin</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=1 - vnější RC oscilátor: funkce CLKOUT na vývodu RA4</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=1 FOSC2=1 - External RC oscillator: I/O function on RA4 pin</source>
        <translation>FOSC0=0 FOSC1=1 FOSC2=1 - vnější RC oscilátor: funkce I/O na vývodu RA4</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=0 FOSC2=1 - Internal RC oscillator: CLKOUT function on RA4 pin, I/O function on RA5</source>
        <translation>FOSC0=1 FOSC1=0 FOSC2=1 - vnitřní RC oscilátor: funkce CLKOUT na vývodu RA4, funkce I/O na RA5</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator: I/O function on RA4, RA5 pins</source>
        <translation>FOSC0=0 FOSC1=0 FOSC2=1 - vnitřní RC oscilátor: funkce I/O na vývodech RA4, RA5</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=0 - ExtClk: I/O function on RA4 pin, ClkIn on RA5</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=0 - ExtClk: funkce I/O na vývodu RA4, ClkIn na RA5</translation>
    </message>
    <message>
        <source>MCLR=ON  - MCLR pin is  MCLR function</source>
        <translation>MCLR=ON  - vývod MCLR má  funkci MCLR</translation>
    </message>
    <message>
        <source>MCLR=OFF - MCLR pin is alternate function, MCLR function is internally disabled</source>
        <translation>MCLR=OFF - vývod MCLR má náhradní funkci, funkce MCLR je uvnitř vypnuta</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator: CLKOUT function on GP4 pin</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=1 - vnější RC oscilátor: funkce CLKOUT na vývodu GP4</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=1 FOSC2=1 - External RC oscillator: I/O function on GP4 pin</source>
        <translation>FOSC0=0 FOSC1=1 FOSC2=1 - vnější RC oscilátor: funkce I/O na vývodu GP4</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=0 FOSC2=1 - Internal RC oscillator: CLKOUT function on GP4 pin, I/O function on GP5</source>
        <translation>FOSC0=1 FOSC1=0 FOSC2=1 - vnitřní RC oscilátor: funkce CLKOUT na vývodu GP4, funkce I/O na GP5</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator: I/O function on GP4, GP5 pins</source>
        <translation>FOSC0=0 FOSC1=0 FOSC2=1 - vnitřní RC oscilátor: funkce I/O na vývodech GP4, GP5</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=0 - ExtClk: I/O function on GP4 pin, ClkIn on GP5</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=0 - ExtClk: funkce I/O na vývodu GP4, ClkIn na GP5</translation>
    </message>
    <message>
        <source>CP=OFF - Code protection OFF</source>
        <translation>CP=OFF - ochrana kódu vypnuta</translation>
    </message>
    <message>
        <source>CP=ON  - Code protected</source>
        <translation>CP=ON  - kód chráněn</translation>
    </message>
    <message>
        <source>BkBug=OFF - Background debugger functions not enabled</source>
        <translation>BkBug=OFF - funkce ladicího programu vypnuty</translation>
    </message>
    <message>
        <source>BkBug=ON - Background debugger functional</source>
        <translation>BkBug=ON - ladicí program v činnosti</translation>
    </message>
    <message>
        <source>WRT0=OFF, WRT1=OFF - Write protection OFF</source>
        <translation>WRT0=OFF, WRT1=OFF - ochrana proti zápisu vypnuta</translation>
    </message>
    <message>
        <source>WRT0=ON,  WRT1=OFF - 0000h to 00FFh write protected, 0100h to 1FFFh may be modified by EECON conrol</source>
        <translation>WRT0=ON,  WRT1=OFF - 0000h až 00FFh chráněno proti zápisu, 0100h až 1FFFh lze měnit přes EECON</translation>
    </message>
    <message>
        <source>WRT0=OFF, WRT1=ON  - 0000h to 07FFh write protected, 0800h to 1FFFh may be modified by EECON conrol</source>
        <translation>WRT0=OFF, WRT1=ON  - 0000h až 07FFh chráněno proti zápisu, 0800h až 1FFFh lze měnit přes EECON</translation>
    </message>
    <message>
        <source>WRT0=ON,  WRT1=ON - 0000h to 0FFFh write protected, 1000h to 1FFFh may be modified by EECON conrol</source>
        <translation>WRT0=ON,  WRT1=ON - 0000h až 0FFFh chráněno proti zápisu, 1000h až 1FFFh lze měnit přes EECON</translation>
    </message>
    <message>
        <source>WRT0=ON,  WRT1=OFF - 0000h to 00FFh write protected, 0100h to 0FFFh may be modified by EECON control</source>
        <translation>WRT0=ON,  WRT1=OFF - 0000h až 00FFh chráněno proti zápisu, 0100h až 0FFFh lze měnit přes EECON</translation>
    </message>
    <message>
        <source>WRT0=OFF, WRT1=ON  - 0000h to 03FFh write protected, 0400h to 0FFFh may be modified by EECON control</source>
        <translation>WRT0=OFF, WRT1=ON  - 0000h až 03FFh chráněno proti zápisu, 0400h až 0FFFh lze měnit přes EECON</translation>
    </message>
    <message>
        <source>WRT0=ON,  WRT1=ON - 0000h to 07FFh write protected, 0800h to 0FFFh may be modified by EECON control</source>
        <translation>WRT0=ON,  WRT1=ON - 0000h až 07FFh chráněno proti zápisu, 0800h až 0FFFh lze měnit přes EECON</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=1 - EXTRC oscillator, CLKO function on RA6</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=1 - oscilátor EXTRC, funkce CLKO na RA6</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=1 FOSC2=1 - EXTRC oscillator, I/O function on RA6</source>
        <translation>FOSC0=0 FOSC1=1 FOSC2=1 - oscilátor EXTRC, funkce I/O na RA6</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=0 FOSC2=1 - INTRC oscillator, CLKO function on RA6, I/O function on RA7</source>
        <translation>FOSC0=1 FOSC1=0 FOSC2=1 - oscilátor INTRC, funkce CLKO na RA6, funkce I/O na RA7</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=0 FOSC2=1 - INTRC oscillator, I/O function on RA6 and RA7</source>
        <translation>FOSC0=0 FOSC1=0 FOSC2=1 - oscilátor INTRC, funkce I/O na RA6 a RA7</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=0 - ECIO, I/O function on RA6, clock in on RA7</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=0 - ECIO, funkce I/O na RA6, vstup hodin na RA7</translation>
    </message>
    <message>
        <source>WRT0=1, WRT1=1 - Write protection off</source>
        <translation>WRT0=1, WRT1=1 - ochrana proti zápisu vypnuta</translation>
    </message>
    <message>
        <source>WRT0=0, WRT1=1 - 0000h to 00FFh write-protected</source>
        <translation>WRT0=0, WRT1=1 - 0000h až 00FFh chráněno proti zápisu</translation>
    </message>
    <message>
        <source>WRT0=1, WRT1=0 - 0000h to 07FFh write-protected</source>
        <translation>WRT0=1, WRT1=0 - 0000h až 07FFh chráněno proti zápisu</translation>
    </message>
    <message>
        <source>WRT0=0, WRT1=0 - 0000h to 0FFFh write-protected</source>
        <translation>WRT0=0, WRT1=0 - 0000h až 0FFFh chráněno proti zápisu</translation>
    </message>
    <message>
        <source>CCPMX=RB0 - CCP1 function on RB0</source>
        <translation>CCPMX=RB0 - funkce CCP1 na RB0</translation>
    </message>
    <message>
        <source>CCPMX=RB3 - CCP1 function on RB3</source>
        <translation>CCPMX=RB3 - funkce CCP1 na RB3</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=1 - RC oscillator, CLKOUT function on RA6, RC on RA7</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=1 - oscilátor RC, funkce CLKOUT na RA6, RC na RA7</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=1 FOSC2=1 - RCIO oscillator, I/O function on RA6, RC on RA7</source>
        <translation>FOSC0=0 FOSC1=1 FOSC2=1 - oscilátor RCIO, funkce I/O na RA6, RC na RA7</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=0 FOSC2=1 - INTOSC oscillator, CLKOUT function on RA6, I/O function on RA7</source>
        <translation>FOSC0=1 FOSC1=0 FOSC2=1 - oscilátor INTOSC, funkce CLKOUT na RA6, funkce I/O na RA7</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=0 FOSC2=1 - INTOSCIO oscillator, I/O function on RA6 and RA7</source>
        <translation>FOSC0=0 FOSC1=0 FOSC2=1 - oscilátor INTOSCIO, funkce I/O na RA6 a RA7</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=0 - EC, I/O function on RA6, clock in on RA7</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=0 - EC, funkce I/O na RA6, vstup hodin na RA7</translation>
    </message>
    <message>
        <source>BOREN0=1, BOREN1=1 - Brown-out Reset enabled</source>
        <translation>BOREN0=1, BOREN1=1 - reset při poklesu napětí zapnut</translation>
    </message>
    <message>
        <source>BOREN0=0, BOREN1=1 - Brown-out Reset enabled while running, disabled in Sleep</source>
        <translation>BOREN0=0, BOREN1=1 - reset při poklesu napětí zapnut za chodu, vypnut ve spánku</translation>
    </message>
    <message>
        <source>BOREN0=1, BOREN1=0 - Brown-out Reset controlled by the SBOREN bit of PCON</source>
        <translation>BOREN0=1, BOREN1=0 - reset při poklesu napětí řídí bit SBOREN v PCON</translation>
    </message>
    <message>
        <source>BOREN0=0, BOREN1=0 - Brown-out Reset disabled</source>
        <translation>BOREN0=0, BOREN1=0 - reset při poklesu napětí vypnut</translation>
    </message>
    <message>
        <source>WRT0=0, WRT1=1 - 0000h to 00FFh write-protected (16F883 and larger)</source>
        <translation>WRT0=0, WRT1=1 - 0000h až 00FFh chráněno proti zápisu (16F883 a větší)</translation>
    </message>
    <message>
        <source>WRT0=1, WRT1=0 - the lowest quarter of program memory write-protected</source>
        <translation>WRT0=1, WRT1=0 - nejnižší čtvrtina programové paměti chráněna proti zápisu</translation>
    </message>
    <message>
        <source>WRT0=0, WRT1=0 - the lower half of program memory write-protected</source>
        <translation>WRT0=0, WRT1=0 - dolní polovina programové paměti chráněna proti zápisu</translation>
    </message>
    <message>
        <source>BORV0=1, BORV1=1 - Brown-out Reset at 2.0 V</source>
        <translation>BORV0=1, BORV1=1 - reset při poklesu napětí pod 2,0 V</translation>
    </message>
    <message>
        <source>BORV0=0, BORV1=1 - Brown-out Reset at 2.7 V</source>
        <translation>BORV0=0, BORV1=1 - reset při poklesu napětí pod 2,7 V</translation>
    </message>
    <message>
        <source>BORV0=1, BORV1=0 - Brown-out Reset at 4.2 V</source>
        <translation>BORV0=1, BORV1=0 - reset při poklesu napětí pod 4,2 V</translation>
    </message>
    <message>
        <source>BORV0=0, BORV1=0 - Brown-out Reset at 4.5 V</source>
        <translation>BORV0=0, BORV1=0 - reset při poklesu napětí pod 4,5 V</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=1 - RC oscillator, CLKOUT function on OSC2, RC on OSC1</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=1 - RC oscilátor, funkce CLKOUT na OSC2, RC na OSC1</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=1 FOSC2=1 - RCIO oscillator, I/O function on OSC2, RC on OSC1</source>
        <translation>FOSC0=0 FOSC1=1 FOSC2=1 - RCIO oscilátor, funkce I/O na OSC2, RC na OSC1</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=0 FOSC2=1 - INTOSC oscillator, CLKOUT function on OSC2, I/O function on OSC1</source>
        <translation>FOSC0=1 FOSC1=0 FOSC2=1 - INTOSC oscilátor, funkce CLKOUT na OSC2, funkce I/O na OSC1</translation>
    </message>
    <message>
        <source>FOSC0=0 FOSC1=0 FOSC2=1 - INTOSCIO oscillator, I/O function on OSC2 and OSC1</source>
        <translation>FOSC0=0 FOSC1=0 FOSC2=1 - INTOSCIO oscilátor, funkce I/O na OSC2 a OSC1</translation>
    </message>
    <message>
        <source>FOSC0=1 FOSC1=1 FOSC2=0 - EC, I/O function on OSC2, clock in on OSC1</source>
        <translation>FOSC0=1 FOSC1=1 FOSC2=0 - EC, funkce I/O na OSC2, vstup hodin na OSC1</translation>
    </message>
    <message>
        <source>MCLRE=ON - MCLR pin is the master clear</source>
        <translation>MCLRE=ON - vývod MCLR slouží k nulování obvodu</translation>
    </message>
    <message>
        <source>MCLRE=OFF - MCLR pin is a digital input; with INTOSC, Vpp must come before Vdd</source>
        <translation>MCLRE=OFF - vývod MCLR je digitální vstup; s INTOSC musí Vpp přijít před Vdd</translation>
    </message>
    <message>
        <source>WURE=OFF - a wake-up from Sleep continues the program</source>
        <translation>WURE=OFF - po probuzení ze spánku program pokračuje</translation>
    </message>
    <message>
        <source>WURE=ON - a wake-up from Sleep resets the device</source>
        <translation>WURE=ON - probuzení ze spánku obvod resetuje</translation>
    </message>
    <message>
        <source>BOREN1=0 - Brown-out Reset disabled</source>
        <translation>BOREN1=0 - reset při poklesu napětí vypnut</translation>
    </message>
    <message>
        <source>IOSCFS=8 - internal oscillator runs at 8 MHz</source>
        <translation>IOSCFS=8 - vnitřní oscilátor běží na 8 MHz</translation>
    </message>
    <message>
        <source>IOSCFS=4 - internal oscillator runs at 4 MHz</source>
        <translation>IOSCFS=4 - vnitřní oscilátor běží na 4 MHz</translation>
    </message>
    <message>
        <source>WRT0=0, WRT1=1 - the boot block write-protected</source>
        <translation>WRT0=0, WRT1=1 - zaváděcí blok chráněn proti zápisu</translation>
    </message>
    <message>
        <source>WRT0=1, WRT1=0 - the lower half of program memory write-protected</source>
        <translation>WRT0=1, WRT1=0 - dolní polovina programové paměti chráněna proti zápisu</translation>
    </message>
    <message>
        <source>WRT0=0, WRT1=0 - all program memory write-protected</source>
        <translation>WRT0=0, WRT1=0 - celá programová paměť chráněna proti zápisu</translation>
    </message>
</context>
<context>
    <name>FuseHints</name>
    <message>
        <source>Oscilator</source>
        <translation>Oscilátor</translation>
    </message>
    <message>
        <source>Background Debugger Mode</source>
        <translation>Režim ladicího programu</translation>
    </message>
    <message>
        <source>Brown-out Detect Reset</source>
        <translation>Reset při poklesu napětí</translation>
    </message>
    <message>
        <source>Brown-out Reset Enable</source>
        <translation>Zapnutí resetu při poklesu napětí</translation>
    </message>
    <message>
        <source>Brown-out Reset Enable bit</source>
        <translation>Bit zapnutí resetu při poklesu napětí</translation>
    </message>
    <message>
        <source>Brown-out Reset Selection</source>
        <translation>Volba resetu při poklesu napětí</translation>
    </message>
    <message>
        <source>Brown-out Reset Software Enable</source>
        <translation>Programové zapnutí resetu při poklesu napětí</translation>
    </message>
    <message>
        <source>Brown-out Reset Voltage</source>
        <translation>Napětí resetu při poklesu napětí</translation>
    </message>
    <message>
        <source>Brown-out Reset Voltage bit</source>
        <translation>Bit napětí resetu při poklesu napětí</translation>
    </message>
    <message>
        <source>Brown-out detect reset</source>
        <translation>Reset při poklesu napětí</translation>
    </message>
    <message>
        <source>Brown-out reset enable bit</source>
        <translation>Bit zapnutí resetu při poklesu napětí</translation>
    </message>
    <message>
        <source>CCP1 Pin Selection</source>
        <translation>Volba vývodu CCP1</translation>
    </message>
    <message>
        <source>CCP2 Pin Selection</source>
        <translation>Volba vývodu CCP2</translation>
    </message>
    <message>
        <source>Code protect</source>
        <translation>Ochrana kódu</translation>
    </message>
    <message>
        <source>Code protect Calibration area</source>
        <translation>Ochrana kalibrační oblasti</translation>
    </message>
    <message>
        <source>Code protection</source>
        <translation>Ochrana kódu</translation>
    </message>
    <message>
        <source>Code protection Data</source>
        <translation>Ochrana dat</translation>
    </message>
    <message>
        <source>Data EE Memory Code Protection</source>
        <translation>Ochrana datové paměti EEPROM</translation>
    </message>
    <message>
        <source>Data EE memory Code Protection</source>
        <translation>Ochrana datové paměti EEPROM</translation>
    </message>
    <message>
        <source>Data EEmemory code protection bit</source>
        <translation>Bit ochrany datové paměti EEPROM</translation>
    </message>
    <message>
        <source>Data code protection bit</source>
        <translation>Bit ochrany dat</translation>
    </message>
    <message>
        <source>Fail-Safe Clock Monitor Enable</source>
        <translation>Zapnutí hlídání výpadku hodin</translation>
    </message>
    <message>
        <source>Flash Program Memory Write Enable</source>
        <translation>Povolení zápisu do programové paměti flash</translation>
    </message>
    <message>
        <source>Flash Program Memory Write Enable bit</source>
        <translation>Bit povolení zápisu do programové paměti flash</translation>
    </message>
    <message>
        <source>Flash Program memory write enable</source>
        <translation>Povolení zápisu do programové paměti flash</translation>
    </message>
    <message>
        <source>GP3 weak pull-up</source>
        <translation>Slabý zdvihací rezistor na GP3</translation>
    </message>
    <message>
        <source>In-Circuit Debugger Mode</source>
        <translation>Režim ladění v obvodu</translation>
    </message>
    <message>
        <source>Internal External Switchover</source>
        <translation>Přepínání mezi vnitřním a vnějším oscilátorem</translation>
    </message>
    <message>
        <source>Internal oscillator: 8 MHz or 4 MHz</source>
        <translation>Vnitřní oscilátor: 8 MHz nebo 4 MHz</translation>
    </message>
    <message>
        <source>Low voltage programming Enable bit</source>
        <translation>Bit zapnutí programování nízkým napětím</translation>
    </message>
    <message>
        <source>Low voltage programming enable</source>
        <translation>Zapnutí programování nízkým napětím</translation>
    </message>
    <message>
        <source>Low-Voltage Programming Enable</source>
        <translation>Zapnutí programování nízkým napětím</translation>
    </message>
    <message>
        <source>MCLR Pin Function Select</source>
        <translation>Volba funkce vývodu MCLR</translation>
    </message>
    <message>
        <source>MCLR pin: master clear (ON) or input (OFF)</source>
        <translation>Vývod MCLR: nulování (ON) nebo vstup (OFF)</translation>
    </message>
    <message>
        <source>Master Clear</source>
        <translation>Nulování (MCLR)</translation>
    </message>
    <message>
        <source>Master clear</source>
        <translation>Nulování (MCLR)</translation>
    </message>
    <message>
        <source>Power on timer</source>
        <translation>Časovač po zapnutí napájení</translation>
    </message>
    <message>
        <source>Power-up Timer Enable</source>
        <translation>Zapnutí časovače po zapnutí napájení</translation>
    </message>
    <message>
        <source>Power-up timer</source>
        <translation>Časovač po zapnutí napájení</translation>
    </message>
    <message>
        <source>Program Memory Code Protection</source>
        <translation>Ochrana programové paměti</translation>
    </message>
    <message>
        <source>Watchdog Timer Enable</source>
        <translation>Zapnutí watchdogu</translation>
    </message>
    <message>
        <source>Watchdog timer</source>
        <translation>Watchdog</translation>
    </message>
    <message>
        <source>Brown-out Reset Voltage Selection</source>
        <translation>Volba napětí pro reset při poklesu napětí</translation>
    </message>
    <message>
        <source>Clock Out Enable</source>
        <translation>Zapnutí výstupu hodin</translation>
    </message>
    <message>
        <source>PLL Enable</source>
        <translation>Zapnutí PLL</translation>
    </message>
    <message>
        <source>Stack Overflow/Underflow Reset Enable</source>
        <translation>Reset při přetečení či podtečení zásobníku</translation>
    </message>
    <message>
        <source>Voltage Regulator Capacitor Enable</source>
        <translation>Vývod pro kondenzátor regulátoru napětí</translation>
    </message>
    <message>
        <source>Wake-up Reset Enable</source>
        <translation>Reset po probuzení</translation>
    </message>
</context>
<context>
    <name>Adapters</name>
    <message>
        <source>this program&apos;s own adapter</source>
        <translation>vlastní adaptér tohoto programu</translation>
    </message>
    <message>
        <source>PiKdev (github.com/funlw65/pikdev, src/Config.cpp) and Piklab (github.com/ethics/piklab, src/progs/direct/base/direct_prog_config.cpp)</source>
        <translation>PiKdev (github.com/funlw65/pikdev, src/Config.cpp) a Piklab (github.com/ethics/piklab, src/progs/direct/base/direct_prog_config.cpp)</translation>
    </message>
    <message>
        <source>Disconnect the 7407&apos;s pin 2 first, as the published table says.</source>
        <translation>Nejprve odpojte vývod 2 obvodu 7407, jak uvádí zveřejněná tabulka.</translation>
    </message>
    <message>
        <source>Not tried on real hardware: the table&apos;s author tried only the Piccolo and expects the same lines here.</source>
        <translation>Nevyzkoušeno na skutečném hardwaru: autor tabulky zkoušel jen Piccolo a očekává zde stejné linky.</translation>
    </message>
    <message>
        <source>Vdd is not switched: the chip is powered whenever the board is.</source>
        <translation>Vdd se nepřepíná: čip je napájen, kdykoli je napájena deska.</translation>
    </message>
    <message>
        <source>Not tried on real hardware: the published tables mark it &quot;not tested&quot;. Vdd is not switched.</source>
        <translation>Nevyzkoušeno na skutečném hardwaru: zveřejněné tabulky jej označují „nevyzkoušeno“. Vdd se nepřepíná.</translation>
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
