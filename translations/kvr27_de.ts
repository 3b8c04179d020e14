<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Controls</name>
    <message>
        <source>Read Memories</source>
        <translation>Speicherkanäle lesen</translation>
    </message>
    <message>
        <source>Write Memories</source>
        <translation>Speicherkanäle schreiben</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>Alle aktivieren</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>disable All</source>
        <translation>Alle deaktivieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source> Clone Utility(Memory Mode)</source>
        <translation> Clone Utility (Speicherkanalmodus)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Shift direction</source>
        <translation>Ablagerichtung</translation>
    </message>
    <message>
        <source>Offset frequency</source>
        <translation>Ablagefrequenz</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Kanalraster</translation>
    </message>
    <message>
        <source>Tone setting</source>
        <translation>Ton-Einstellung</translation>
    </message>
    <message>
        <source>TX tone freq (Encode)</source>
        <translation>TX-Tonfrequenz (Encoder)</translation>
    </message>
    <message>
        <source>RX tone freq (Decode)</source>
        <translation>RX-Tonfrequenz (Decoder)</translation>
    </message>
    <message>
        <source>Tone frequency (PMR)</source>
        <translation>Tonfrequenz (PMR)</translation>
    </message>
    <message>
        <source>Scan skip</source>
        <translation>Beim Suchlauf überspringen</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Ch No (PMR)</source>
        <translation>Kanal-Nr. (PMR)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Read Setting</source>
        <translation>Einstellungen lesen</translation>
    </message>
    <message>
        <source>Write Setting</source>
        <translation>Einstellungen schreiben</translation>
    </message>
    <message>
        <source> Clone Utility(Vfo Mode)</source>
        <translation> Clone Utility (VFO-Modus)</translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation>VFO-Modus-Einstellungen</translation>
    </message>
    <message>
        <source>Set Mode Setting</source>
        <translation>Set-Modus-Einstellungen</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Squelch-Pegel</translation>
    </message>
    <message>
        <source>Call tone (Tone burst)</source>
        <translation>Rufton (Tone-Burst)</translation>
    </message>
    <message>
        <source>TOT</source>
        <translation>TOT</translation>
    </message>
    <message>
        <source>APO</source>
        <translation>APO</translation>
    </message>
    <message>
        <source>Tone frequency</source>
        <translation>Tonfrequenz</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <source>Transmission Output Level</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Batterietyp</translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Battery saving</source>
        <translation>Batteriesparmodus</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Rufglocke</translation>
    </message>
    <message>
        <source>Stand-by-beep</source>
        <translation>Stand-by-Piepton</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>External terminal control</source>
        <translation>Steuerung über externe Buchse</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Quick Repeater Access Mode</source>
        <translation>Relais-Schnellzugriff</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Frequency(ch)</source>
        <translation>Frequenz(Kan)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift Freq</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Bclo</source>
        <translation>Bclo</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>TxTone</source>
        <translation>TX-Ton</translation>
    </message>
    <message>
        <source>RxTone</source>
        <translation>RX-Ton</translation>
    </message>
    <message>
        <source>PmrTone</source>
        <translation>PMR-Ton</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Modus</translation>
    </message>
</context>
<context>
    <name>Filters</name>
    <message>
        <source>Problem Reports (*.zip)</source>
        <translation>Problemberichte (*.zip)</translation>
    </message>
    <message>
        <source>Norvik R-27 Clone Files (*.r27)</source>
        <translation>Norvik R-27 Klondateien (*.r27)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>Die Sprache ändert sich beim nächsten Start des Programms.</translation>
    </message>
    <message>
        <source>The problem report could not be saved.</source>
        <translation>Der Problembericht konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>KV-R27 Clone Utility is already boot up.</source>
        <translation>KV-R27 Clone Utility läuft bereits.</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written.</source>
        <translation>Es konnte keine Sicherung des Funkgeräts erstellt werden, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Write these changes into the radio?</source>
        <translation>Diese Änderungen in das Funkgerät schreiben?</translation>
    </message>
    <message>
        <source>The radio holds these settings already, so nothing was written.</source>
        <translation>Das Funkgerät enthält diese Einstellungen bereits, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The setting has been changed.<byte value="xd"/>May you keep processing it?</source>
        <translation>Die Einstellung wurde geändert.</translation>
    </message>
    <message>
        <source>Are you sure you wish to proceed?<byte value="xd"/>The new data will overwrite the current programminng.</source>
        <translation>Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>The max value is 99.995 or less.</source>
        <translation>Der Wert darf höchstens 99.995 betragen.</translation>
    </message>
    <message>
        <source>The value is rounded off.</source>
        <translation>Der Wert wird gerundet.</translation>
    </message>
    <message>
        <source>The value is rounded off.(Frequency)</source>
        <translation>Der Wert wird gerundet. (Frequenz)</translation>
    </message>
    <message>
        <source>The value is rounded off.(Offset Frequency)</source>
        <translation>Der Wert wird gerundet. (Ablagefrequenz)</translation>
    </message>
    <message>
        <source>The value is rounded off.(Repeater offset frequency)</source>
        <translation>Der Wert wird gerundet. (Relais-Ablagefrequenz)</translation>
    </message>
    <message>
        <source>File reading error.</source>
        <translation>Fehler beim Lesen der Datei.</translation>
    </message>
    <message>
        <source>Enter from 433.06 to 434.785 or less only.</source>
        <translation>Bitte nur Werte von 433.06 bis 434.785 eingeben.</translation>
    </message>
    <message>
        <source>Enter from 420 to 474 or less only.</source>
        <translation>Bitte nur Werte von 420 bis 474 eingeben.</translation>
    </message>
    <message>
        <source>Enter from 430 to 440 or less only.</source>
        <translation>Bitte nur Werte von 430 bis 440 eingeben.</translation>
    </message>
    <message>
        <source>The selected and actual models are different.</source>
        <translation>Das gewählte Modell stimmt nicht mit dem tatsächlichen Modell überein.</translation>
    </message>
    <message>
        <source>Enter 0 to 9 numeric values only.</source>
        <translation>Bitte nur Ziffern von 0 bis 9 eingeben.</translation>
    </message>
    <message>
        <source>Too much decimal points.</source>
        <translation>Zu viele Dezimalpunkte.</translation>
    </message>
    <message>
        <source>Enter 1 to 8 numeric values only.</source>
        <translation>Bitte nur Ziffern von 1 bis 8 eingeben.</translation>
    </message>
    <message>
        <source>The max value is 20 or less.</source>
        <translation>Der Wert darf höchstens 20 betragen.</translation>
    </message>
    <message>
        <source>The value is not a valid number. Check the entry columns.</source>
        <translation>Der Wert ist keine gültige Zahl. Bitte prüfen Sie die Eingabefelder.</translation>
    </message>
    <message>
        <source>Editing incomplete. Check blank columns.</source>
        <translation>Bearbeitung unvollständig. Bitte prüfen Sie die leeren Felder.</translation>
    </message>
    <message>
        <source>Can&apos;t open com Port</source>
        <translation>COM-Port kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Read/Write Error</source>
        <translation>Lese-/Schreibfehler</translation>
    </message>
    <message>
        <source>The thing besides the range is not written in.</source>
        <translation>Werte außerhalb des zulässigen Bereichs werden nicht geschrieben.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>Das Funkgerät enthält nicht, was geschrieben wurde:</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>Die Zwischenablage enthält keine Kanäle.</translation>
    </message>
    <message>
        <source>1 enabled channel</source>
        <translation>1 aktiven Kanal</translation>
    </message>
    <message>
        <source>Channel 99 is in use, so no channel can be inserted: delete it or move it up first.</source>
        <translation>Kanal 99 ist belegt, daher kann kein Kanal eingefügt werden: erst löschen oder nach oben verschieben.</translation>
    </message>
    <message>
        <source>The language choice could not be saved in %1.</source>
        <translation>Die Sprachwahl konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The port choice could not be saved in %1.</source>
        <translation>Die Portwahl konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The problem report was saved as %1.</source>
        <translation>Der Fehlerbericht wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>The pasted table has the column %1 twice.</source>
        <translation>Die eingefügte Tabelle hat die Spalte %1 zweimal.</translation>
    </message>
    <message>
        <source>The pasted table has columns the channel grid does not know: %1.</source>
        <translation>Die eingefügte Tabelle hat Spalten, die die Kanaltabelle nicht kennt: %1.</translation>
    </message>
    <message>
        <source>The pasted table lacks the columns %1.</source>
        <translation>Der eingefügten Tabelle fehlen die Spalten %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2: </source>
        <translation>Zeile %1, Spalte %2: </translation>
    </message>
    <message>
        <source>The clipboard holds no table of channels: %1</source>
        <translation>Die Zwischenablage enthält keine Kanaltabelle: %1</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <source>The clipboard holds %1 channels, but from channel %2 only %3 fit.</source>
        <translation>Die Zwischenablage enthält %1 Kanäle, ab Kanal %2 passen aber nur %3.</translation>
    </message>
    <message>
        <source>Row %1 has %2 fields, more than the %3 columns.</source>
        <translation>Zeile %1 hat %2 Felder, mehr als die %3 Spalten.</translation>
    </message>
    <message>
        <source>%1 enabled channels</source>
        <translation>%1 aktive Kanäle</translation>
    </message>
    <message>
        <source>The paste replaces %1. Paste over them?</source>
        <translation>Das Einfügen ersetzt %1. Trotzdem einfügen?</translation>
    </message>
    <message>
        <source>The new channels replace %1. Fill over them?</source>
        <translation>Die neuen Kanäle ersetzen %1. Trotzdem füllen?</translation>
    </message>
    <message>
        <source>The %1 has no LPD channels.</source>
        <translation>Das %1 hat keine LPD-Kanäle.</translation>
    </message>
    <message>
        <source>No LPD channel lies within this radio&apos;s range, %1.</source>
        <translation>Kein LPD-Kanal liegt im Bereich dieses Funkgeräts, %1.</translation>
    </message>
    <message>
        <source>The %1 has no PMR channels.</source>
        <translation>Das %1 hat keine PMR-Kanäle.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written, and was left as it was.<byte value="xd"/>%2.</source>
        <translation>Die Datei &quot;%1&quot; konnte nicht geschrieben werden und blieb unverändert.<byte value="xd"/>%2.</translation>
    </message>
    <message>
        <source>Line %1: %2 %3 cannot be shown in the VFO window.</source>
        <translation>Zeile %1: %2 %3 kann im VFO-Fenster nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation>Die Datei &quot;%1&quot; existiert bereits.<byte value="xd"/>Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>The radio reports %1.</source>
        <translation>Das Funkgerät meldet %1.</translation>
    </message>
    <message>
        <source>Channel %1: </source>
        <translation>Kanal %1: </translation>
    </message>
    <message>
        <source>Channel %1 is outside this radio&apos;s range, %2, and was not written.</source>
        <translation>Kanal %1 liegt außerhalb des Bereichs dieses Funkgeräts, %2, und wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Channels %1 are outside this radio&apos;s range, %2, and were not written.</source>
        <translation>Die Kanäle %1 liegen außerhalb des Bereichs dieses Funkgeräts, %2, und wurden nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>No differences</source>
        <translation>Keine Unterschiede</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>%1 aktivieren</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>%1 deaktivieren</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>Alle aktivieren</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>Alle deaktivieren</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>%1 nach unten verschieben</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>%1 nach oben verschieben</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Nach Frequenz sortieren</translation>
    </message>
    <message>
        <source>Fill LPD Channels</source>
        <translation>LPD-Kanäle füllen</translation>
    </message>
    <message>
        <source>Fill PMR Channels</source>
        <translation>PMR-Kanäle füllen</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 geladen</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Imported %1</source>
        <translation>%1 importiert</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportiert</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 Unterschied</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 Unterschiede</translation>
    </message>
    <message>
        <source>Printed 1 page</source>
        <translation>1 Seite gedruckt</translation>
    </message>
    <message>
        <source>the current channel</source>
        <translation>dem aktuellen Kanal</translation>
    </message>
    <message>
        <source>a VFO value is blank or no number</source>
        <translation>ein VFO-Wert ist leer oder keine Zahl</translation>
    </message>
    <message>
        <source>the VFO frequency is outside the model&apos;s range</source>
        <translation>die VFO-Frequenz liegt außerhalb des Bereichs des Modells</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>1 exchange was repeated</source>
        <translation>1 Austausch wurde wiederholt</translation>
    </message>
    <message>
        <source>1 channel left out: outside the radio&apos;s range</source>
        <translation>1 Kanal ausgelassen: außerhalb des Funkgerätbereichs</translation>
    </message>
    <message>
        <source>the VFO settings</source>
        <translation>die VFO-Einstellungen</translation>
    </message>
    <message>
        <source>the channel bitmap</source>
        <translation>die Kanal-Belegungstabelle</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 ausschneiden</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Kanal %1 bearbeiten</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Delete and shift up %1</source>
        <translation>%1 löschen und nachrücken</translation>
    </message>
    <message>
        <source>Insert empty channel %1</source>
        <translation>Leeren Kanal %1 einfügen</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>%1 nach %2 verschieben</translation>
    </message>
    <message>
        <source>backup: %1</source>
        <translation>Sicherung: %1</translation>
    </message>
    <message>
        <source>trace: %1</source>
        <translation>Protokoll: %1</translation>
    </message>
    <message>
        <source>trace not saved: %1</source>
        <translation>Protokoll nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Import channels from %1</source>
        <translation>Kanäle aus %1 importieren</translation>
    </message>
    <message>
        <source>Printed %1 pages</source>
        <translation>%1 Seiten gedruckt</translation>
    </message>
    <message>
        <source>%1 to below %2 MHz</source>
        <translation>%1 bis unter %2 MHz</translation>
    </message>
    <message>
        <source>%1 MHz is outside this radio&apos;s range, %2: it will not be written.</source>
        <translation>%1 MHz liegt außerhalb des Bereichs dieses Funkgeräts, %2: wird nicht geschrieben.</translation>
    </message>
    <message>
        <source>block %1h</source>
        <translation>Block %1h</translation>
    </message>
    <message>
        <source>could not open %1</source>
        <translation>%1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>no answer from the radio at %1</source>
        <translation>keine Antwort vom Funkgerät bei %1</translation>
    </message>
    <message>
        <source>an answer of the wrong length at %1</source>
        <translation>eine Antwort falscher Länge bei %1</translation>
    </message>
    <message>
        <source>the radio answered &quot;ERR&quot; at %1</source>
        <translation>das Funkgerät antwortete &quot;ERR&quot; bei %1</translation>
    </message>
    <message>
        <source>an answer that is not hexadecimal at %1</source>
        <translation>eine nicht hexadezimale Antwort bei %1</translation>
    </message>
    <message>
        <source>the radio reports %1</source>
        <translation>das Funkgerät meldet %1</translation>
    </message>
    <message>
        <source>the device is gone at %1</source>
        <translation>das Gerät ist weg bei %1</translation>
    </message>
    <message>
        <source>%1 complete and verified</source>
        <translation>%1 abgeschlossen und geprüft</translation>
    </message>
    <message>
        <source>%1 complete</source>
        <translation>%1 abgeschlossen</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1 abgebrochen</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 abgelehnt: %2</translation>
    </message>
    <message>
        <source>Write not verified on %1: %2</source>
        <translation>Schreiben auf %1 nicht geprüft: %2</translation>
    </message>
    <message>
        <source>%1 failed on %2: %3</source>
        <translation>%1 auf %2 fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>slowed down after %1</source>
        <translation>verlangsamt nach %1</translation>
    </message>
    <message>
        <source>%1 exchanges were repeated</source>
        <translation>%1 Austausche wurden wiederholt</translation>
    </message>
    <message>
        <source>%1 channels left out: outside the radio&apos;s range</source>
        <translation>%1 Kanäle ausgelassen: außerhalb des Funkgerätbereichs</translation>
    </message>
    <message>
        <source>%1 of 1 block changed</source>
        <translation>%1 von 1 Block geändert</translation>
    </message>
    <message>
        <source>%1 of %2 blocks changed</source>
        <translation>%1 von %2 Blöcken geändert</translation>
    </message>
    <message>
        <source>%1 of 3 VFO blocks</source>
        <translation>%1 von 3 VFO-Blöcken</translation>
    </message>
    <message>
        <source>written: %1</source>
        <translation>geschrieben: %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanal %1: %2</translation>
    </message>
    <message>
        <source>Channel %1 (not in use), %2: %3</source>
        <translation>Kanal %1 (nicht belegt), %2: %3</translation>
    </message>
    <message>
        <source>Channel %1, %2: %3</source>
        <translation>Kanal %1, %2: %3</translation>
    </message>
    <message>
        <source>Edit VFO settings</source>
        <translation>VFO-Einstellungen bearbeiten</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Reads, edits and writes the settings and the 100 memory channels of the KV-R27PA, KV-R27Z and KV-R27X hand-held radios over a serial cable.</source>
        <translation>Liest, bearbeitet und schreibt die Einstellungen und die 100 Speicherkanäle der Handfunkgeräte KV-R27PA, KV-R27Z und KV-R27X über ein serielles Kabel.</translation>
    </message>
    <message>
        <source>Version %1 beta</source>
        <translation>Version %1 Beta</translation>
    </message>
    <message>
        <source>This program is free software: you may copy, share and change it under the terms of the GNU General Public License, version 3 or later. It comes with no warranty.</source>
        <translation>Dieses Programm ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public License, Version 3 oder später, kopieren, weitergeben und verändern. Es wird ohne jegliche Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Serial cable</source>
        <translation>Serielles Kabel</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Memory mode write</source>
        <translation>Speichermodus schreiben</translation>
    </message>
    <message>
        <source>Vfo mode read</source>
        <translation>VFO-Modus lesen</translation>
    </message>
    <message>
        <source>Memory mode read</source>
        <translation>Speichermodus lesen</translation>
    </message>
    <message>
        <source>Vfo mode Write</source>
        <translation>VFO-Modus schreiben</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfung</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>The radio could not be read: %1</source>
        <translation>Das Funkgerät konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The backup could not be saved: %1</source>
        <translation>Die Sicherung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The program knows no folder for backups.</source>
        <translation>Das Programm kennt keinen Ordner für Sicherungen.</translation>
    </message>
    <message>
        <source>The file is too large: %1 bytes, more than the %2 this program reads</source>
        <translation>Die Datei ist zu groß: %1 Byte, mehr als die %2, die dieses Programm liest</translation>
    </message>
    <message>
        <source>Not a regular file (a named pipe)</source>
        <translation>Keine gewöhnliche Datei (eine benannte Pipe)</translation>
    </message>
    <message>
        <source>Not a regular file (a device)</source>
        <translation>Keine gewöhnliche Datei (ein Gerät)</translation>
    </message>
    <message>
        <source>Not a regular file (a socket)</source>
        <translation>Keine gewöhnliche Datei (ein Socket)</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>No file name given</source>
        <translation>Kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>Die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Another program is using the file; close it there and try again</source>
        <translation>Ein anderes Programm verwendet die Datei; schließen Sie sie dort und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>Cannot make a new file in the folder &quot;%1&quot;: %2</source>
        <translation>Im Ordner &quot;%1&quot; kann keine neue Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>System error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
    <message>
        <source>%1 lines, more than 102</source>
        <translation>%1 Zeilen, mehr als 102</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the current channel %1 plus 1 is outside 0 to 255</source>
        <translation>der aktuelle Kanal %1 plus 1 liegt außerhalb von 0 bis 255</translation>
    </message>
    <message>
        <source>%1 fields instead of 12</source>
        <translation>%1 Felder statt 12</translation>
    </message>
    <message>
        <source>the field in quotes %1 is not closed</source>
        <translation>das Feld in Anführungszeichen %1 ist nicht geschlossen</translation>
    </message>
    <message>
        <source>the field in quotes %1 has text after its closing quote</source>
        <translation>das Feld in Anführungszeichen %1 hat Text nach dem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>mode %1 names no channel of %2</source>
        <translation>Modus %1 bezeichnet keinen Kanal des %2</translation>
    </message>
    <message>
        <source>channel number %1 is not a number</source>
        <translation>Kanalnummer %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>frequency %1 is not a number of MHz that fits</source>
        <translation>Frequenz %1 ist keine passende Zahl in MHz</translation>
    </message>
    <message>
        <source>offset %1 is not a number</source>
        <translation>Ablage %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>channel %1 %2</source>
        <translation>Kanal %1 %2</translation>
    </message>
    <message>
        <source>%1 is neither #TRUE# nor #FALSE#</source>
        <translation>%1 ist weder #TRUE# noch #FALSE#</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 liegt außerhalb von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 lines instead of 831</source>
        <translation>%1 Zeilen statt 831</translation>
    </message>
    <message>
        <source>a byte %1, so the file is no text</source>
        <translation>ein Byte %1, also ist die Datei kein Text</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <source>port not opened: %1</source>
        <translation>Anschluss nicht geöffnet: %1</translation>
    </message>
    <message>
        <source>no answer to %1</source>
        <translation>keine Antwort auf %1</translation>
    </message>
    <message>
        <source>answer of the wrong length to %1</source>
        <translation>Antwort falscher Länge auf %1</translation>
    </message>
    <message>
        <source>&quot;ERR&quot; answer to %1</source>
        <translation>Antwort &quot;ERR&quot; auf %1</translation>
    </message>
    <message>
        <source>answer that is not hexadecimal to %1</source>
        <translation>nicht hexadezimale Antwort auf %1</translation>
    </message>
    <message>
        <source>the radio is of another model than the one chosen</source>
        <translation>das Funkgerät ist ein anderes Modell als das gewählte</translation>
    </message>
    <message>
        <source>the radio reports %1, another model than the one chosen</source>
        <translation>das Funkgerät meldet %1, ein anderes Modell als das gewählte</translation>
    </message>
    <message>
        <source>the VFO values were refused (blank or not a number)</source>
        <translation>die VFO-Werte wurden abgelehnt (leer oder keine Zahl)</translation>
    </message>
    <message>
        <source>the VFO frequency is outside the model&apos;s transmit range</source>
        <translation>die VFO-Frequenz liegt außerhalb des Sendebereichs des Modells</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>read-back differs: %1</source>
        <translation>Rücklesen weicht ab: %1</translation>
    </message>
    <message>
        <source>the device %1 is gone</source>
        <translation>das Gerät %1 ist nicht mehr da</translation>
    </message>
    <message>
        <source>unknown fault</source>
        <translation>unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>[VFO Setting]</source>
        <translation>[VFO-Einstellung]</translation>
    </message>
    <message>
        <source>[Memory mode]</source>
        <translation>[Speichermodus]</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Squelch-Pegel</translation>
    </message>
    <message>
        <source>Tone setting</source>
        <translation>Ton-Einstellung</translation>
    </message>
    <message>
        <source>TX tone freq (Encode)</source>
        <translation>TX-Tonfrequenz (Encoder)</translation>
    </message>
    <message>
        <source>RX tone freq (Decode)</source>
        <translation>RX-Tonfrequenz (Decoder)</translation>
    </message>
    <message>
        <source>Transmission Output Level</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>Ch No (PMR)</source>
        <translation>Kanal-Nr. (PMR)</translation>
    </message>
    <message>
        <source>Tone frequency (PMR)</source>
        <translation>Tonfrequenz (PMR)</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Kanalraster</translation>
    </message>
    <message>
        <source>Shift direction</source>
        <translation>Ablagerichtung</translation>
    </message>
    <message>
        <source>Offset frequency</source>
        <translation>Ablagefrequenz</translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Call tone (Tone burst)</source>
        <translation>Rufton (Tone-Burst)</translation>
    </message>
    <message>
        <source>TOT</source>
        <translation>TOT</translation>
    </message>
    <message>
        <source>APO</source>
        <translation>APO</translation>
    </message>
    <message>
        <source>Battery saving</source>
        <translation>Batteriesparmodus</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Rufglocke</translation>
    </message>
    <message>
        <source>Stand-by-beep</source>
        <translation>Stand-by-Piepton</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Scan skip</source>
        <translation>Beim Suchlauf überspringen</translation>
    </message>
    <message>
        <source>External terminal control</source>
        <translation>Steuerung über externe Buchse</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Batterietyp</translation>
    </message>
    <message>
        <source>Tone frequency</source>
        <translation>Tonfrequenz</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Timed</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>On(5s)</source>
        <translation>Ein(5s)</translation>
    </message>
    <message>
        <source>(blank)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>nicht belegt</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>kvr27::app::TransferStatusBar</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Last command</source>
        <translation>Letzter Befehl</translation>
    </message>
    <message>
        <source>A write cannot be cancelled: the radio would be left half written.</source>
        <translation>Ein Schreibvorgang kann nicht abgebrochen werden: Das Funkgerät bliebe nur halb beschrieben.</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmDifferences</name>
    <message>
        <source>(Differences)</source>
        <translation>(Unterschiede)</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Each line: the radio now → after the write</source>
        <translation>Jede Zeile: Funkgerät jetzt → nach dem Schreiben</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMem</name>
    <message>
        <source>Memory channels</source>
        <translation>Speicherkanäle</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Kanal bearbeiten...</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Edit Selected Channels…</source>
        <translation>Ausgewählte Kanäle bearbeiten…</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete and Shift Up</source>
        <translation>Löschen und nachrücken</translation>
    </message>
    <message>
        <source>Insert Empty Channel</source>
        <translation>Leeren Kanal einfügen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Nach Frequenz sortieren</translation>
    </message>
    <message>
        <source>Fill LPD Channels…</source>
        <translation>Mit LPD-Kanälen füllen…</translation>
    </message>
    <message>
        <source>Fill PMR Channels…</source>
        <translation>Mit PMR-Kanälen füllen…</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMemSub</name>
    <message>
        <source> Clone Utility(Memory Mode Sub)</source>
        <translation> Clone Utility (Speicherkanal bearbeiten)</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>Editing %1: blank fields stay as they are</source>
        <translation>%1 werden bearbeitet: leere Felder bleiben, wie sie sind</translation>
    </message>
</context>
<context>
    <name>kvr27::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kvr27::frmMain</name>
    <message>
        <source>Memory Mode Setting</source>
        <translation>Speicherkanal-Einstellungen</translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation>VFO-Modus-Einstellungen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Import(Mem Setting)</source>
        <translation>&amp;Importieren (Speicherkanäle)</translation>
    </message>
    <message>
        <source>&amp;Export(Mem Setting)</source>
        <translation>&amp;Exportieren (Speicherkanäle)</translation>
    </message>
    <message>
        <source>&amp;Compare with File...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>Da&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alles</translation>
    </message>
    <message>
        <source>&amp;Vfo Mode</source>
        <translation>&amp;VFO-Modus</translation>
    </message>
    <message>
        <source>&amp;Memory Mode</source>
        <translation>&amp;Speicherkanalmodus</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio</source>
        <translation>Mit Funkgerät &amp;vergleichen</translation>
    </message>
    <message>
        <source>&amp;Verify after Write</source>
        <translation>Nach dem Schreiben &amp;überprüfen</translation>
    </message>
    <message>
        <source>&amp;Backup before Write</source>
        <translation>&amp;Backup vor dem Schreiben</translation>
    </message>
    <message>
        <source>&amp;Exchange Trace</source>
        <translation>&amp;Kommunikation protokollieren</translation>
    </message>
    <message>
        <source>Rev&amp;iew before Write</source>
        <translation>Änderungen vor dem Schreiben &amp;anzeigen</translation>
    </message>
    <message>
        <source>Write Changed Blocks &amp;Only</source>
        <translation>&amp;Nur geänderte Blöcke schreiben</translation>
    </message>
    <message>
        <source>&amp;Fast Transfer</source>
        <translation>Schnelle Über&amp;tragung</translation>
    </message>
    <message>
        <source>&amp;Port...</source>
        <translation>&amp;Port...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>D&amp;rucken</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Sprache...</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>&amp;Problem melden...</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>port close</source>
        <translation>Port schließen</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Language of the windows:</source>
        <translation>Sprache der Fenster:</translation>
    </message>
    <message>
        <source>Each line: %1 → this document</source>
        <translation>Jede Zeile: %1 → dieses Dokument</translation>
    </message>
    <message>
        <source>Each line: the radio → this document</source>
        <translation>Jede Zeile: Funkgerät → dieses Dokument</translation>
    </message>
</context>
<context>
    <name>kvr27::frmPort</name>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>USB id</source>
        <translation>USB-ID</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Zugriff</translation>
    </message>
    <message>
        <source>Empty: the device found by the search</source>
        <translation>Leer: das bei der Suche gefundene Gerät</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>No serial port found; a device can still be typed below.</source>
        <translation>Kein serieller Port gefunden; ein Gerät kann trotzdem unten eingegeben werden.</translation>
    </message>
    <message>
        <source>To use a port marked &quot;no&quot;, %1.</source>
        <translation>Um einen mit „nein“ markierten Port zu nutzen, %1.</translation>
    </message>
    <message>
        <source>join the dialout group: sudo adduser $USER dialout, then log in again</source>
        <translation>treten Sie der Gruppe dialout bei: sudo adduser $USER dialout, und melden Sie sich dann neu an</translation>
    </message>
</context>
<context>
    <name>kvr27::frmReport</name>
    <message>
        <source>Report a Problem</source>
        <translation>Problem melden</translation>
    </message>
    <message>
        <source>The report holds the files below, in one zip file saved where you choose. Nothing is sent anywhere: give the file to whoever helps you.</source>
        <translation>Der Bericht enthält die unten aufgeführten Dateien in einer ZIP-Datei, die an einem Ort Ihrer Wahl gespeichert wird. Es wird nichts versendet: Geben Sie die Datei der Person, die Ihnen hilft.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Size (bytes)</source>
        <translation>Größe (Bytes)</translation>
    </message>
    <message>
        <source>&amp;Include the current document as a clone file</source>
        <translation>Aktuelles Dokument als Clone-Datei &amp;beifügen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
</context>
<context>
    <name>kvr27::frmStart</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
