<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Controls</name>
    <message>
        <source>Read Memories</source>
        <translation>Leggi memorie</translation>
    </message>
    <message>
        <source>Write Memories</source>
        <translation>Scrivi memorie</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>Attiva tutti</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>disable All</source>
        <translation>Disattiva tutti</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source> Clone Utility(Memory Mode)</source>
        <translation> Clone Utility (modalità memoria)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Shift direction</source>
        <translation>Direzione dello shift</translation>
    </message>
    <message>
        <source>Offset frequency</source>
        <translation>Frequenza di offset</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Passo di sintonia</translation>
    </message>
    <message>
        <source>Tone setting</source>
        <translation>Impostazione tono</translation>
    </message>
    <message>
        <source>TX tone freq (Encode)</source>
        <translation>Freq. tono TX (codifica)</translation>
    </message>
    <message>
        <source>RX tone freq (Decode)</source>
        <translation>Freq. tono RX (decodifica)</translation>
    </message>
    <message>
        <source>Tone frequency (PMR)</source>
        <translation>Frequenza tono (PMR)</translation>
    </message>
    <message>
        <source>Scan skip</source>
        <translation>Esclusione dalla scansione</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Ch No (PMR)</source>
        <translation>N. canale (PMR)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Read Setting</source>
        <translation>Leggi impostazioni</translation>
    </message>
    <message>
        <source>Write Setting</source>
        <translation>Scrivi impostazioni</translation>
    </message>
    <message>
        <source> Clone Utility(Vfo Mode)</source>
        <translation> Clone Utility (modalità VFO)</translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation>Impostazioni modalità VFO</translation>
    </message>
    <message>
        <source>Set Mode Setting</source>
        <translation>Impostazioni modalità SET</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Livello squelch</translation>
    </message>
    <message>
        <source>Call tone (Tone burst)</source>
        <translation>Tono di chiamata (tone burst)</translation>
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
        <translation>Frequenza tono</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Blocco tastiera</translation>
    </message>
    <message>
        <source>Transmission Output Level</source>
        <translation>Potenza di trasmissione</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Tipo di batteria</translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>Battery saving</source>
        <translation>Risparmio batteria</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Suoneria</translation>
    </message>
    <message>
        <source>Stand-by-beep</source>
        <translation>Beep di fine trasmissione</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <source>External terminal control</source>
        <translation>Controllo da terminale esterno</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Illuminazione</translation>
    </message>
    <message>
        <source>Quick Repeater Access Mode</source>
        <translation>Modalità di accesso rapido al ripetitore</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Frequency(ch)</source>
        <translation>Freq.(can)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift Freq</source>
        <translation>Freq. shift</translation>
    </message>
    <message>
        <source>Bclo</source>
        <translation>Bclo</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>TxTone</source>
        <translation>Tono TX</translation>
    </message>
    <message>
        <source>RxTone</source>
        <translation>Tono RX</translation>
    </message>
    <message>
        <source>PmrTone</source>
        <translation>Tono PMR</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modo</translation>
    </message>
</context>
<context>
    <name>Filters</name>
    <message>
        <source>Problem Reports (*.zip)</source>
        <translation>Segnalazioni di problemi (*.zip)</translation>
    </message>
    <message>
        <source>Norvik R-27 Clone Files (*.r27)</source>
        <translation>File clone Norvik R-27 (*.r27)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>La lingua cambierà al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>The problem report could not be saved.</source>
        <translation>Non è stato possibile salvare la segnalazione del problema.</translation>
    </message>
    <message>
        <source>KV-R27 Clone Utility is already boot up.</source>
        <translation>KV-R27 Clone Utility è già in esecuzione.</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written.</source>
        <translation>Non è stato possibile eseguire il backup della radio, quindi non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Write these changes into the radio?</source>
        <translation>Scrivere queste modifiche nella radio?</translation>
    </message>
    <message>
        <source>The radio holds these settings already, so nothing was written.</source>
        <translation>La radio contiene già queste impostazioni, quindi non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The setting has been changed.<byte value="xd"/>May you keep processing it?</source>
        <translation>L&apos;impostazione è stata modificata.</translation>
    </message>
    <message>
        <source>Are you sure you wish to proceed?<byte value="xd"/>The new data will overwrite the current programminng.</source>
        <translation>Si desidera davvero continuare?</translation>
    </message>
    <message>
        <source>The max value is 99.995 or less.</source>
        <translation>Il valore massimo è 99.995.</translation>
    </message>
    <message>
        <source>The value is rounded off.</source>
        <translation>Il valore è stato arrotondato.</translation>
    </message>
    <message>
        <source>The value is rounded off.(Frequency)</source>
        <translation>Il valore è stato arrotondato. (Frequenza)</translation>
    </message>
    <message>
        <source>The value is rounded off.(Offset Frequency)</source>
        <translation>Il valore è stato arrotondato. (Frequenza di offset)</translation>
    </message>
    <message>
        <source>The value is rounded off.(Repeater offset frequency)</source>
        <translation>Il valore è stato arrotondato. (Offset del ripetitore)</translation>
    </message>
    <message>
        <source>File reading error.</source>
        <translation>Errore di lettura del file.</translation>
    </message>
    <message>
        <source>Enter from 433.06 to 434.785 or less only.</source>
        <translation>Inserire un valore da 433.06 a 434.785.</translation>
    </message>
    <message>
        <source>Enter from 420 to 474 or less only.</source>
        <translation>Inserire un valore da 420 a 474.</translation>
    </message>
    <message>
        <source>Enter from 430 to 440 or less only.</source>
        <translation>Inserire un valore da 430 a 440.</translation>
    </message>
    <message>
        <source>The selected and actual models are different.</source>
        <translation>Il modello selezionato e quello effettivo sono diversi.</translation>
    </message>
    <message>
        <source>Enter 0 to 9 numeric values only.</source>
        <translation>Inserire solo cifre da 0 a 9.</translation>
    </message>
    <message>
        <source>Too much decimal points.</source>
        <translation>Troppi punti decimali.</translation>
    </message>
    <message>
        <source>Enter 1 to 8 numeric values only.</source>
        <translation>Inserire solo cifre da 1 a 8.</translation>
    </message>
    <message>
        <source>The max value is 20 or less.</source>
        <translation>Il valore massimo è 20.</translation>
    </message>
    <message>
        <source>The value is not a valid number. Check the entry columns.</source>
        <translation>Il valore non è un numero valido. Controllare i campi di immissione.</translation>
    </message>
    <message>
        <source>Editing incomplete. Check blank columns.</source>
        <translation>Modifica incompleta. Controllare i campi vuoti.</translation>
    </message>
    <message>
        <source>Can&apos;t open com Port</source>
        <translation>Impossibile aprire la porta COM</translation>
    </message>
    <message>
        <source>Read/Write Error</source>
        <translation>Errore di lettura/scrittura</translation>
    </message>
    <message>
        <source>The thing besides the range is not written in.</source>
        <translation>I valori fuori intervallo non vengono scritti.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>La radio non contiene ciò che è stato scritto:</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>Gli appunti non contengono canali.</translation>
    </message>
    <message>
        <source>1 enabled channel</source>
        <translation>1 canale attivo</translation>
    </message>
    <message>
        <source>Channel 99 is in use, so no channel can be inserted: delete it or move it up first.</source>
        <translation>Il canale 99 è occupato, nessun canale può essere inserito: eliminalo o spostalo prima in alto.</translation>
    </message>
    <message>
        <source>The language choice could not be saved in %1.</source>
        <translation>La scelta della lingua non è stata salvata in %1.</translation>
    </message>
    <message>
        <source>The port choice could not be saved in %1.</source>
        <translation>La scelta della porta non è stata salvata in %1.</translation>
    </message>
    <message>
        <source>The problem report was saved as %1.</source>
        <translation>Il rapporto del problema è stato salvato come %1.</translation>
    </message>
    <message>
        <source>The pasted table has the column %1 twice.</source>
        <translation>La tabella incollata ha la colonna %1 due volte.</translation>
    </message>
    <message>
        <source>The pasted table has columns the channel grid does not know: %1.</source>
        <translation>La tabella incollata ha colonne sconosciute alla griglia: %1.</translation>
    </message>
    <message>
        <source>The pasted table lacks the columns %1.</source>
        <translation>Alla tabella incollata mancano le colonne %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2: </source>
        <translation>Riga %1, colonna %2: </translation>
    </message>
    <message>
        <source>The clipboard holds no table of channels: %1</source>
        <translation>Gli appunti non contengono una tabella di canali: %1</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Riga %1: %2.</translation>
    </message>
    <message>
        <source>The clipboard holds %1 channels, but from channel %2 only %3 fit.</source>
        <translation>Gli appunti contengono %1 canali, ma dal canale %2 ne entrano solo %3.</translation>
    </message>
    <message>
        <source>Row %1 has %2 fields, more than the %3 columns.</source>
        <translation>La riga %1 ha %2 campi, più delle %3 colonne.</translation>
    </message>
    <message>
        <source>%1 enabled channels</source>
        <translation>%1 canali attivi</translation>
    </message>
    <message>
        <source>The paste replaces %1. Paste over them?</source>
        <translation>Incollando si sostituiscono %1. Incollare sopra?</translation>
    </message>
    <message>
        <source>The new channels replace %1. Fill over them?</source>
        <translation>I nuovi canali sostituiscono %1. Riempire sopra?</translation>
    </message>
    <message>
        <source>The %1 has no LPD channels.</source>
        <translation>Il %1 non ha canali LPD.</translation>
    </message>
    <message>
        <source>No LPD channel lies within this radio&apos;s range, %1.</source>
        <translation>Nessun canale LPD rientra nella gamma di questa radio, %1.</translation>
    </message>
    <message>
        <source>The %1 has no PMR channels.</source>
        <translation>Il %1 non ha canali PMR.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written, and was left as it was.<byte value="xd"/>%2.</source>
        <translation>Il file &quot;%1&quot; non è stato scritto ed è rimasto invariato.<byte value="xd"/>%2.</translation>
    </message>
    <message>
        <source>Line %1: %2 %3 cannot be shown in the VFO window.</source>
        <translation>Riga %1: %2 %3 non può essere mostrato nella finestra VFO.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation>Il file &quot;%1&quot; esiste già.<byte value="xd"/>Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>The radio reports %1.</source>
        <translation>La radio riporta %1.</translation>
    </message>
    <message>
        <source>Channel %1: </source>
        <translation>Canale %1: </translation>
    </message>
    <message>
        <source>Channel %1 is outside this radio&apos;s range, %2, and was not written.</source>
        <translation>Il canale %1 è fuori dalla gamma di questa radio, %2, e non è stato scritto.</translation>
    </message>
    <message>
        <source>Channels %1 are outside this radio&apos;s range, %2, and were not written.</source>
        <translation>I canali %1 sono fuori dalla gamma di questa radio, %2, e non sono stati scritti.</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti %1</translation>
    </message>
    <message>
        <source>No differences</source>
        <translation>Nessuna differenza</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Attiva %1</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>Disattiva %1</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>Attiva tutti</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>Disattiva tutti</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Sposta %1 in basso</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Sposta %1 in alto</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Ordina per frequenza</translation>
    </message>
    <message>
        <source>Fill LPD Channels</source>
        <translation>Riempi canali LPD</translation>
    </message>
    <message>
        <source>Fill PMR Channels</source>
        <translation>Riempi canali PMR</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 caricato</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 salvato</translation>
    </message>
    <message>
        <source>Imported %1</source>
        <translation>%1 importato</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 esportato</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 differenza</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 differenze</translation>
    </message>
    <message>
        <source>Printed 1 page</source>
        <translation>1 pagina stampata</translation>
    </message>
    <message>
        <source>the current channel</source>
        <translation>il canale attuale</translation>
    </message>
    <message>
        <source>a VFO value is blank or no number</source>
        <translation>un valore VFO è vuoto o non è un numero</translation>
    </message>
    <message>
        <source>the VFO frequency is outside the model&apos;s range</source>
        <translation>la frequenza VFO è fuori dalla gamma del modello</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>1 exchange was repeated</source>
        <translation>1 scambio è stato ripetuto</translation>
    </message>
    <message>
        <source>1 channel left out: outside the radio&apos;s range</source>
        <translation>1 canale omesso: fuori dalla gamma della radio</translation>
    </message>
    <message>
        <source>the VFO settings</source>
        <translation>le impostazioni VFO</translation>
    </message>
    <message>
        <source>the channel bitmap</source>
        <translation>la mappa dei canali</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canale</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niente</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>non è stato scritto nulla</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Taglia %1</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>Incolla %1</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Modifica canale %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>canale %1</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canali</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Elimina %1</translation>
    </message>
    <message>
        <source>Delete and shift up %1</source>
        <translation>Elimina %1 e sposta su</translation>
    </message>
    <message>
        <source>Insert empty channel %1</source>
        <translation>Inserisci canale vuoto %1</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>Sposta %1 a %2</translation>
    </message>
    <message>
        <source>backup: %1</source>
        <translation>backup: %1</translation>
    </message>
    <message>
        <source>trace: %1</source>
        <translation>traccia: %1</translation>
    </message>
    <message>
        <source>trace not saved: %1</source>
        <translation>traccia non salvata: %1</translation>
    </message>
    <message>
        <source>Import channels from %1</source>
        <translation>Importa canali da %1</translation>
    </message>
    <message>
        <source>Printed %1 pages</source>
        <translation>%1 pagine stampate</translation>
    </message>
    <message>
        <source>%1 to below %2 MHz</source>
        <translation>da %1 a meno di %2 MHz</translation>
    </message>
    <message>
        <source>%1 MHz is outside this radio&apos;s range, %2: it will not be written.</source>
        <translation>%1 MHz è fuori dalla gamma di questa radio, %2: non verrà scritto.</translation>
    </message>
    <message>
        <source>block %1h</source>
        <translation>blocco %1h</translation>
    </message>
    <message>
        <source>could not open %1</source>
        <translation>impossibile aprire %1</translation>
    </message>
    <message>
        <source>no answer from the radio at %1</source>
        <translation>nessuna risposta dalla radio a %1</translation>
    </message>
    <message>
        <source>an answer of the wrong length at %1</source>
        <translation>una risposta di lunghezza errata a %1</translation>
    </message>
    <message>
        <source>the radio answered &quot;ERR&quot; at %1</source>
        <translation>la radio ha risposto &quot;ERR&quot; a %1</translation>
    </message>
    <message>
        <source>an answer that is not hexadecimal at %1</source>
        <translation>una risposta non esadecimale a %1</translation>
    </message>
    <message>
        <source>the radio reports %1</source>
        <translation>la radio riporta %1</translation>
    </message>
    <message>
        <source>the device is gone at %1</source>
        <translation>il dispositivo è scomparso a %1</translation>
    </message>
    <message>
        <source>%1 complete and verified</source>
        <translation>%1 completata e verificata</translation>
    </message>
    <message>
        <source>%1 complete</source>
        <translation>%1 completata</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1 annullata</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 non riuscita: %2</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 rifiutata: %2</translation>
    </message>
    <message>
        <source>Write not verified on %1: %2</source>
        <translation>Scrittura non verificata su %1: %2</translation>
    </message>
    <message>
        <source>%1 failed on %2: %3</source>
        <translation>%1 non riuscita su %2: %3</translation>
    </message>
    <message>
        <source>slowed down after %1</source>
        <translation>rallentato dopo %1</translation>
    </message>
    <message>
        <source>%1 exchanges were repeated</source>
        <translation>%1 scambi sono stati ripetuti</translation>
    </message>
    <message>
        <source>%1 channels left out: outside the radio&apos;s range</source>
        <translation>%1 canali omessi: fuori dalla gamma della radio</translation>
    </message>
    <message>
        <source>%1 of 1 block changed</source>
        <translation>%1 blocco su 1 modificato</translation>
    </message>
    <message>
        <source>%1 of %2 blocks changed</source>
        <translation>%1 blocchi su %2 modificati</translation>
    </message>
    <message>
        <source>%1 of 3 VFO blocks</source>
        <translation>%1 blocchi VFO su 3</translation>
    </message>
    <message>
        <source>written: %1</source>
        <translation>scritto: %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifica %1</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canale %1: %2</translation>
    </message>
    <message>
        <source>Channel %1 (not in use), %2: %3</source>
        <translation>Canale %1 (non in uso), %2: %3</translation>
    </message>
    <message>
        <source>Channel %1, %2: %3</source>
        <translation>Canale %1, %2: %3</translation>
    </message>
    <message>
        <source>Edit VFO settings</source>
        <translation>Modifica impostazioni VFO</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Reads, edits and writes the settings and the 100 memory channels of the KV-R27PA, KV-R27Z and KV-R27X hand-held radios over a serial cable.</source>
        <translation>Legge, modifica e scrive le impostazioni e i 100 canali di memoria delle radio portatili KV-R27PA, KV-R27Z e KV-R27X tramite un cavo seriale.</translation>
    </message>
    <message>
        <source>Version %1 beta</source>
        <translation>Versione %1 beta</translation>
    </message>
    <message>
        <source>This program is free software: you may copy, share and change it under the terms of the GNU General Public License, version 3 or later. It comes with no warranty.</source>
        <translation>Questo programma è software libero: è possibile copiarlo, condividerlo e modificarlo secondo i termini della GNU General Public License, versione 3 o successiva. Viene fornito senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Serial cable</source>
        <translation>Cavo seriale</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Memory mode write</source>
        <translation>Scrittura modalità memoria</translation>
    </message>
    <message>
        <source>Vfo mode read</source>
        <translation>Lettura modalità VFO</translation>
    </message>
    <message>
        <source>Memory mode read</source>
        <translation>Lettura modalità memoria</translation>
    </message>
    <message>
        <source>Vfo mode Write</source>
        <translation>Scrittura modalità VFO</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verifica</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>The radio could not be read: %1</source>
        <translation>Non è stato possibile leggere la radio: %1</translation>
    </message>
    <message>
        <source>The backup could not be saved: %1</source>
        <translation>Non è stato possibile salvare la copia di sicurezza: %1</translation>
    </message>
    <message>
        <source>The program knows no folder for backups.</source>
        <translation>Il programma non conosce alcuna cartella per le copie di sicurezza.</translation>
    </message>
    <message>
        <source>The file is too large: %1 bytes, more than the %2 this program reads</source>
        <translation>Il file è troppo grande: %1 byte, più dei %2 che questo programma legge</translation>
    </message>
    <message>
        <source>Not a regular file (a named pipe)</source>
        <translation>Non è un file normale (una pipe con nome)</translation>
    </message>
    <message>
        <source>Not a regular file (a device)</source>
        <translation>Non è un file normale (un dispositivo)</translation>
    </message>
    <message>
        <source>Not a regular file (a socket)</source>
        <translation>Non è un file normale (un socket)</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>No file name given</source>
        <translation>Nessun nome di file indicato</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>Il file è di sola lettura</translation>
    </message>
    <message>
        <source>Another program is using the file; close it there and try again</source>
        <translation>Un altro programma sta usando il file; chiudetelo lì e riprovate</translation>
    </message>
    <message>
        <source>Cannot make a new file in the folder &quot;%1&quot;: %2</source>
        <translation>Impossibile creare un nuovo file nella cartella &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>System error %1</source>
        <translation>Errore di sistema %1</translation>
    </message>
    <message>
        <source>%1 lines, more than 102</source>
        <translation>%1 righe, più di 102</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>the current channel %1 plus 1 is outside 0 to 255</source>
        <translation>il canale attuale %1 più 1 è fuori da 0 a 255</translation>
    </message>
    <message>
        <source>%1 fields instead of 12</source>
        <translation>%1 campi invece di 12</translation>
    </message>
    <message>
        <source>the field in quotes %1 is not closed</source>
        <translation>il campo tra virgolette %1 non è chiuso</translation>
    </message>
    <message>
        <source>the field in quotes %1 has text after its closing quote</source>
        <translation>il campo tra virgolette %1 ha del testo dopo la virgoletta di chiusura</translation>
    </message>
    <message>
        <source>mode %1 names no channel of %2</source>
        <translation>la modalità %1 non indica alcun canale del %2</translation>
    </message>
    <message>
        <source>channel number %1 is not a number</source>
        <translation>il numero di canale %1 non è un numero</translation>
    </message>
    <message>
        <source>frequency %1 is not a number of MHz that fits</source>
        <translation>la frequenza %1 non è un numero di MHz adatto</translation>
    </message>
    <message>
        <source>offset %1 is not a number</source>
        <translation>lo scostamento %1 non è un numero</translation>
    </message>
    <message>
        <source>channel %1 %2</source>
        <translation>canale %1 %2</translation>
    </message>
    <message>
        <source>%1 is neither #TRUE# nor #FALSE#</source>
        <translation>%1 non è né #TRUE# né #FALSE#</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 non è un numero intero</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 è fuori da %2 a %3</translation>
    </message>
    <message>
        <source>%1 lines instead of 831</source>
        <translation>%1 righe invece di 831</translation>
    </message>
    <message>
        <source>a byte %1, so the file is no text</source>
        <translation>un byte %1, quindi il file non è testo</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fatto</translation>
    </message>
    <message>
        <source>port not opened: %1</source>
        <translation>porta non aperta: %1</translation>
    </message>
    <message>
        <source>no answer to %1</source>
        <translation>nessuna risposta a %1</translation>
    </message>
    <message>
        <source>answer of the wrong length to %1</source>
        <translation>risposta di lunghezza errata a %1</translation>
    </message>
    <message>
        <source>&quot;ERR&quot; answer to %1</source>
        <translation>risposta &quot;ERR&quot; a %1</translation>
    </message>
    <message>
        <source>answer that is not hexadecimal to %1</source>
        <translation>risposta non esadecimale a %1</translation>
    </message>
    <message>
        <source>the radio is of another model than the one chosen</source>
        <translation>la radio è di un modello diverso da quello scelto</translation>
    </message>
    <message>
        <source>the radio reports %1, another model than the one chosen</source>
        <translation>la radio indica %1, un modello diverso da quello scelto</translation>
    </message>
    <message>
        <source>the VFO values were refused (blank or not a number)</source>
        <translation>i valori VFO sono stati rifiutati (vuoti o non numerici)</translation>
    </message>
    <message>
        <source>the VFO frequency is outside the model&apos;s transmit range</source>
        <translation>la frequenza VFO è fuori dalla gamma di trasmissione del modello</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annullato</translation>
    </message>
    <message>
        <source>read-back differs: %1</source>
        <translation>la rilettura differisce: %1</translation>
    </message>
    <message>
        <source>the device %1 is gone</source>
        <translation>il dispositivo %1 non c&apos;è più</translation>
    </message>
    <message>
        <source>unknown fault</source>
        <translation>guasto sconosciuto</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>[VFO Setting]</source>
        <translation>[Impostazione VFO]</translation>
    </message>
    <message>
        <source>[Memory mode]</source>
        <translation>[Modalità memoria]</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Blocco tastiera</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Livello squelch</translation>
    </message>
    <message>
        <source>Tone setting</source>
        <translation>Impostazione tono</translation>
    </message>
    <message>
        <source>TX tone freq (Encode)</source>
        <translation>Freq. tono TX (codifica)</translation>
    </message>
    <message>
        <source>RX tone freq (Decode)</source>
        <translation>Freq. tono RX (decodifica)</translation>
    </message>
    <message>
        <source>Transmission Output Level</source>
        <translation>Potenza di trasmissione</translation>
    </message>
    <message>
        <source>Ch No (PMR)</source>
        <translation>N. canale (PMR)</translation>
    </message>
    <message>
        <source>Tone frequency (PMR)</source>
        <translation>Frequenza tono (PMR)</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Passo di sintonia</translation>
    </message>
    <message>
        <source>Shift direction</source>
        <translation>Direzione dello shift</translation>
    </message>
    <message>
        <source>Offset frequency</source>
        <translation>Frequenza di offset</translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>Call tone (Tone burst)</source>
        <translation>Tono di chiamata (tone burst)</translation>
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
        <translation>Risparmio batteria</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Suoneria</translation>
    </message>
    <message>
        <source>Stand-by-beep</source>
        <translation>Beep di fine trasmissione</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <source>Scan skip</source>
        <translation>Esclusione dalla scansione</translation>
    </message>
    <message>
        <source>External terminal control</source>
        <translation>Controllo da terminale esterno</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Illuminazione</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Tipo di batteria</translation>
    </message>
    <message>
        <source>Tone frequency</source>
        <translation>Frequenza tono</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>None</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Timed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupato</translation>
    </message>
    <message>
        <source>On(5s)</source>
        <translation>Sì(5s)</translation>
    </message>
    <message>
        <source>(blank)</source>
        <translation>(vuoto)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuna)</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>in uso</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>non in uso</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>kvr27::app::TransferStatusBar</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Last command</source>
        <translation>Ultimo comando</translation>
    </message>
    <message>
        <source>A write cannot be cancelled: the radio would be left half written.</source>
        <translation>Una scrittura non può essere annullata: la radio resterebbe scritta solo in parte.</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmDifferences</name>
    <message>
        <source>(Differences)</source>
        <translation>(Differenze)</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differenze</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Each line: the radio now → after the write</source>
        <translation>Ogni riga: la radio ora → dopo la scrittura</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMem</name>
    <message>
        <source>Memory channels</source>
        <translation>Canali di memoria</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Modifica canale...</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Edit Selected Channels…</source>
        <translation>Modifica canali selezionati…</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete and Shift Up</source>
        <translation>Elimina e sposta su</translation>
    </message>
    <message>
        <source>Insert Empty Channel</source>
        <translation>Inserisci canale vuoto</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Ordina per frequenza</translation>
    </message>
    <message>
        <source>Fill LPD Channels…</source>
        <translation>Riempi con canali LPD…</translation>
    </message>
    <message>
        <source>Fill PMR Channels…</source>
        <translation>Riempi con canali PMR…</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMemSub</name>
    <message>
        <source> Clone Utility(Memory Mode Sub)</source>
        <translation> Clone Utility (modalità memoria, dettaglio)</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canale %1</translation>
    </message>
    <message>
        <source>Editing %1: blank fields stay as they are</source>
        <translation>Modifica di %1: i campi vuoti restano invariati</translation>
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
        <translation>Impostazioni modalità memoria</translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation>Impostazioni modalità VFO</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Import(Mem Setting)</source>
        <translation>&amp;Importa (impostazioni memoria)</translation>
    </message>
    <message>
        <source>&amp;Export(Mem Setting)</source>
        <translation>&amp;Esporta (impostazioni memoria)</translation>
    </message>
    <message>
        <source>&amp;Compare with File...</source>
        <translation>Con&amp;fronta con un file...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Dati</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leggi</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tutto</translation>
    </message>
    <message>
        <source>&amp;Vfo Mode</source>
        <translation>Modalità &amp;VFO</translation>
    </message>
    <message>
        <source>&amp;Memory Mode</source>
        <translation>Modalità &amp;memoria</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Scrivi</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio</source>
        <translation>&amp;Confronta con la radio</translation>
    </message>
    <message>
        <source>&amp;Verify after Write</source>
        <translation>&amp;Verifica dopo la scrittura</translation>
    </message>
    <message>
        <source>&amp;Backup before Write</source>
        <translation>&amp;Backup prima della scrittura</translation>
    </message>
    <message>
        <source>&amp;Exchange Trace</source>
        <translation>&amp;Traccia degli scambi</translation>
    </message>
    <message>
        <source>Rev&amp;iew before Write</source>
        <translation>R&amp;ivedi prima della scrittura</translation>
    </message>
    <message>
        <source>Write Changed Blocks &amp;Only</source>
        <translation>Scrivi solo i blocchi &amp;modificati</translation>
    </message>
    <message>
        <source>&amp;Fast Transfer</source>
        <translation>Trasferimento &amp;rapido</translation>
    </message>
    <message>
        <source>&amp;Port...</source>
        <translation>&amp;Porta...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Lingua...</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>&amp;Segnala un problema...</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Porta COM</translation>
    </message>
    <message>
        <source>port close</source>
        <translation>chiudi porta</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message>
        <source>Language of the windows:</source>
        <translation>Lingua delle finestre:</translation>
    </message>
    <message>
        <source>Each line: %1 → this document</source>
        <translation>Ogni riga: %1 → questo documento</translation>
    </message>
    <message>
        <source>Each line: the radio → this document</source>
        <translation>Ogni riga: la radio → questo documento</translation>
    </message>
</context>
<context>
    <name>kvr27::frmPort</name>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>USB id</source>
        <translation>ID USB</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Empty: the device found by the search</source>
        <translation>Vuoto: il dispositivo trovato dalla ricerca</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>No serial port found; a device can still be typed below.</source>
        <translation>Nessuna porta seriale trovata; è comunque possibile digitare un dispositivo qui sotto.</translation>
    </message>
    <message>
        <source>To use a port marked &quot;no&quot;, %1.</source>
        <translation>Per usare una porta contrassegnata con &quot;no&quot;, %1.</translation>
    </message>
    <message>
        <source>join the dialout group: sudo adduser $USER dialout, then log in again</source>
        <translation>aggiungere l&apos;utente al gruppo dialout: sudo adduser $USER dialout, quindi accedere di nuovo</translation>
    </message>
</context>
<context>
    <name>kvr27::frmReport</name>
    <message>
        <source>Report a Problem</source>
        <translation>Segnala un problema</translation>
    </message>
    <message>
        <source>The report holds the files below, in one zip file saved where you choose. Nothing is sent anywhere: give the file to whoever helps you.</source>
        <translation>La segnalazione contiene i file elencati sotto, in un unico file zip salvato dove si preferisce. Nulla viene inviato: consegnare il file a chi fornisce assistenza.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Size (bytes)</source>
        <translation>Dimensione (byte)</translation>
    </message>
    <message>
        <source>&amp;Include the current document as a clone file</source>
        <translation>&amp;Includi il documento attuale come file di clonazione</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
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
