<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Controls</name>
    <message>
        <source>Read Memories</source>
        <translation>Geheugenkanalen lezen</translation>
    </message>
    <message>
        <source>Write Memories</source>
        <translation>Geheugenkanalen schrijven</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>Alle inschakelen</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>disable All</source>
        <translation>Alle uitschakelen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source> Clone Utility(Memory Mode)</source>
        <translation> Clone Utility (geheugenmodus)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Shift direction</source>
        <translation>Shiftrichting</translation>
    </message>
    <message>
        <source>Offset frequency</source>
        <translation>Offsetfrequentie</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Afstemstap</translation>
    </message>
    <message>
        <source>Tone setting</source>
        <translation>Tooninstelling</translation>
    </message>
    <message>
        <source>TX tone freq (Encode)</source>
        <translation>TX-toonfrequentie (encoder)</translation>
    </message>
    <message>
        <source>RX tone freq (Decode)</source>
        <translation>RX-toonfrequentie (decoder)</translation>
    </message>
    <message>
        <source>Tone frequency (PMR)</source>
        <translation>Toonfrequentie (PMR)</translation>
    </message>
    <message>
        <source>Scan skip</source>
        <translation>Overslaan bij scannen</translation>
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
        <translation>Kanaalnr. (PMR)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Read Setting</source>
        <translation>Instellingen lezen</translation>
    </message>
    <message>
        <source>Write Setting</source>
        <translation>Instellingen schrijven</translation>
    </message>
    <message>
        <source> Clone Utility(Vfo Mode)</source>
        <translation> Clone Utility (VFO-modus)</translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation>Instellingen VFO-modus</translation>
    </message>
    <message>
        <source>Set Mode Setting</source>
        <translation>Instellingen set-modus</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Squelchniveau</translation>
    </message>
    <message>
        <source>Call tone (Tone burst)</source>
        <translation>Roeptoon (tone burst)</translation>
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
        <translation>Toonfrequentie</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Toetsvergrendeling</translation>
    </message>
    <message>
        <source>Transmission Output Level</source>
        <translation>Zendvermogen</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Batterijtype</translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation>Pieptoon</translation>
    </message>
    <message>
        <source>Battery saving</source>
        <translation>Batterijbesparing</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Bel</translation>
    </message>
    <message>
        <source>Stand-by-beep</source>
        <translation>Stand-by-pieptoon</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>External terminal control</source>
        <translation>Bediening via externe aansluiting</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Verlichting</translation>
    </message>
    <message>
        <source>Quick Repeater Access Mode</source>
        <translation>Snelle repeatertoegang</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Frequency(ch)</source>
        <translation>Frequentie(kan)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Stap</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift Freq</source>
        <translation>Shiftfreq</translation>
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
        <translation>Toon</translation>
    </message>
    <message>
        <source>TxTone</source>
        <translation>TX-toon</translation>
    </message>
    <message>
        <source>RxTone</source>
        <translation>RX-toon</translation>
    </message>
    <message>
        <source>PmrTone</source>
        <translation>PMR-toon</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modus</translation>
    </message>
</context>
<context>
    <name>Filters</name>
    <message>
        <source>Problem Reports (*.zip)</source>
        <translation>Probleemrapporten (*.zip)</translation>
    </message>
    <message>
        <source>Norvik R-27 Clone Files (*.r27)</source>
        <translation>Norvik R-27 kloonbestanden (*.r27)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>De taal wordt gewijzigd wanneer het programma opnieuw wordt gestart.</translation>
    </message>
    <message>
        <source>The problem report could not be saved.</source>
        <translation>Het probleemrapport kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>KV-R27 Clone Utility is already boot up.</source>
        <translation>KV-R27 Clone Utility is al gestart.</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written.</source>
        <translation>Er kon geen back-up van de radio worden gemaakt, daarom is er niets geschreven.</translation>
    </message>
    <message>
        <source>Write these changes into the radio?</source>
        <translation>Deze wijzigingen naar de radio schrijven?</translation>
    </message>
    <message>
        <source>The radio holds these settings already, so nothing was written.</source>
        <translation>De radio bevat deze instellingen al, daarom is er niets geschreven.</translation>
    </message>
    <message>
        <source>The setting has been changed.<byte value="xd"/>May you keep processing it?</source>
        <translation>De instelling is gewijzigd.</translation>
    </message>
    <message>
        <source>Are you sure you wish to proceed?<byte value="xd"/>The new data will overwrite the current programminng.</source>
        <translation>Weet u zeker dat u wilt doorgaan?</translation>
    </message>
    <message>
        <source>The max value is 99.995 or less.</source>
        <translation>De waarde mag maximaal 99.995 zijn.</translation>
    </message>
    <message>
        <source>The value is rounded off.</source>
        <translation>De waarde wordt afgerond.</translation>
    </message>
    <message>
        <source>The value is rounded off.(Frequency)</source>
        <translation>De waarde wordt afgerond. (Frequentie)</translation>
    </message>
    <message>
        <source>The value is rounded off.(Offset Frequency)</source>
        <translation>De waarde wordt afgerond. (Offsetfrequentie)</translation>
    </message>
    <message>
        <source>The value is rounded off.(Repeater offset frequency)</source>
        <translation>De waarde wordt afgerond. (Repeater-offsetfrequentie)</translation>
    </message>
    <message>
        <source>File reading error.</source>
        <translation>Fout bij het lezen van het bestand.</translation>
    </message>
    <message>
        <source>Enter from 433.06 to 434.785 or less only.</source>
        <translation>Voer alleen een waarde van 433.06 tot en met 434.785 in.</translation>
    </message>
    <message>
        <source>Enter from 420 to 474 or less only.</source>
        <translation>Voer alleen een waarde van 420 tot en met 474 in.</translation>
    </message>
    <message>
        <source>Enter from 430 to 440 or less only.</source>
        <translation>Voer alleen een waarde van 430 tot en met 440 in.</translation>
    </message>
    <message>
        <source>The selected and actual models are different.</source>
        <translation>Het gekozen model komt niet overeen met het werkelijke model.</translation>
    </message>
    <message>
        <source>Enter 0 to 9 numeric values only.</source>
        <translation>Voer alleen de cijfers 0 tot en met 9 in.</translation>
    </message>
    <message>
        <source>Too much decimal points.</source>
        <translation>Te veel decimale punten.</translation>
    </message>
    <message>
        <source>Enter 1 to 8 numeric values only.</source>
        <translation>Voer alleen de cijfers 1 tot en met 8 in.</translation>
    </message>
    <message>
        <source>The max value is 20 or less.</source>
        <translation>De waarde mag maximaal 20 zijn.</translation>
    </message>
    <message>
        <source>The value is not a valid number. Check the entry columns.</source>
        <translation>De waarde is geen geldig getal. Controleer de invoervelden.</translation>
    </message>
    <message>
        <source>Editing incomplete. Check blank columns.</source>
        <translation>Bewerking onvolledig. Controleer de lege velden.</translation>
    </message>
    <message>
        <source>Can&apos;t open com Port</source>
        <translation>Kan COM-poort niet openen</translation>
    </message>
    <message>
        <source>Read/Write Error</source>
        <translation>Lees-/schrijffout</translation>
    </message>
    <message>
        <source>The thing besides the range is not written in.</source>
        <translation>Waarden buiten het bereik worden niet geschreven.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>De radio bevat niet wat er is geschreven:</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>Het klembord bevat geen kanalen.</translation>
    </message>
    <message>
        <source>1 enabled channel</source>
        <translation>1 actief kanaal</translation>
    </message>
    <message>
        <source>Channel 99 is in use, so no channel can be inserted: delete it or move it up first.</source>
        <translation>Kanaal 99 is in gebruik, er kan geen kanaal worden ingevoegd: verwijder het of verplaats het eerst omhoog.</translation>
    </message>
    <message>
        <source>The language choice could not be saved in %1.</source>
        <translation>De taalkeuze kon niet worden opgeslagen in %1.</translation>
    </message>
    <message>
        <source>The port choice could not be saved in %1.</source>
        <translation>De poortkeuze kon niet worden opgeslagen in %1.</translation>
    </message>
    <message>
        <source>The problem report was saved as %1.</source>
        <translation>Het probleemrapport is opgeslagen als %1.</translation>
    </message>
    <message>
        <source>The pasted table has the column %1 twice.</source>
        <translation>De geplakte tabel heeft de kolom %1 twee keer.</translation>
    </message>
    <message>
        <source>The pasted table has columns the channel grid does not know: %1.</source>
        <translation>De geplakte tabel heeft kolommen die het raster niet kent: %1.</translation>
    </message>
    <message>
        <source>The pasted table lacks the columns %1.</source>
        <translation>De geplakte tabel mist de kolommen %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2: </source>
        <translation>Rij %1, kolom %2: </translation>
    </message>
    <message>
        <source>The clipboard holds no table of channels: %1</source>
        <translation>Het klembord bevat geen kanaaltabel: %1</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Rij %1: %2.</translation>
    </message>
    <message>
        <source>The clipboard holds %1 channels, but from channel %2 only %3 fit.</source>
        <translation>Het klembord bevat %1 kanalen, maar vanaf kanaal %2 passen er maar %3.</translation>
    </message>
    <message>
        <source>Row %1 has %2 fields, more than the %3 columns.</source>
        <translation>Rij %1 heeft %2 velden, meer dan de %3 kolommen.</translation>
    </message>
    <message>
        <source>%1 enabled channels</source>
        <translation>%1 actieve kanalen</translation>
    </message>
    <message>
        <source>The paste replaces %1. Paste over them?</source>
        <translation>Plakken vervangt %1. Eroverheen plakken?</translation>
    </message>
    <message>
        <source>The new channels replace %1. Fill over them?</source>
        <translation>De nieuwe kanalen vervangen %1. Eroverheen vullen?</translation>
    </message>
    <message>
        <source>The %1 has no LPD channels.</source>
        <translation>De %1 heeft geen LPD-kanalen.</translation>
    </message>
    <message>
        <source>No LPD channel lies within this radio&apos;s range, %1.</source>
        <translation>Geen LPD-kanaal ligt binnen het bereik van deze radio, %1.</translation>
    </message>
    <message>
        <source>The %1 has no PMR channels.</source>
        <translation>De %1 heeft geen PMR-kanalen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written, and was left as it was.<byte value="xd"/>%2.</source>
        <translation>Het bestand &quot;%1&quot; kon niet worden geschreven en is ongewijzigd gelaten.<byte value="xd"/>%2.</translation>
    </message>
    <message>
        <source>Line %1: %2 %3 cannot be shown in the VFO window.</source>
        <translation>Regel %1: %2 %3 kan niet in het VFO-venster worden getoond.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation>Het bestand &quot;%1&quot; bestaat al.<byte value="xd"/>Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>The radio reports %1.</source>
        <translation>De radio meldt %1.</translation>
    </message>
    <message>
        <source>Channel %1: </source>
        <translation>Kanaal %1: </translation>
    </message>
    <message>
        <source>Channel %1 is outside this radio&apos;s range, %2, and was not written.</source>
        <translation>Kanaal %1 ligt buiten het bereik van deze radio, %2, en is niet geschreven.</translation>
    </message>
    <message>
        <source>Channels %1 are outside this radio&apos;s range, %2, and were not written.</source>
        <translation>De kanalen %1 liggen buiten het bereik van deze radio, %2, en zijn niet geschreven.</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Opnieuw: %1</translation>
    </message>
    <message>
        <source>No differences</source>
        <translation>Geen verschillen</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>%1 inschakelen</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>%1 uitschakelen</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>Alle inschakelen</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>Alle uitschakelen</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>%1 omlaag verplaatsen</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>%1 omhoog verplaatsen</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Sorteren op frequentie</translation>
    </message>
    <message>
        <source>Fill LPD Channels</source>
        <translation>LPD-kanalen vullen</translation>
    </message>
    <message>
        <source>Fill PMR Channels</source>
        <translation>PMR-kanalen vullen</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 geladen</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 opgeslagen</translation>
    </message>
    <message>
        <source>Imported %1</source>
        <translation>%1 geïmporteerd</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 geëxporteerd</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 verschil</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 verschillen</translation>
    </message>
    <message>
        <source>Printed 1 page</source>
        <translation>1 pagina afgedrukt</translation>
    </message>
    <message>
        <source>the current channel</source>
        <translation>het huidige kanaal</translation>
    </message>
    <message>
        <source>a VFO value is blank or no number</source>
        <translation>een VFO-waarde is leeg of geen getal</translation>
    </message>
    <message>
        <source>the VFO frequency is outside the model&apos;s range</source>
        <translation>de VFO-frequentie ligt buiten het bereik van het model</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Back-up</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>1 exchange was repeated</source>
        <translation>1 uitwisseling werd herhaald</translation>
    </message>
    <message>
        <source>1 channel left out: outside the radio&apos;s range</source>
        <translation>1 kanaal weggelaten: buiten het bereik van de radio</translation>
    </message>
    <message>
        <source>the VFO settings</source>
        <translation>de VFO-instellingen</translation>
    </message>
    <message>
        <source>the channel bitmap</source>
        <translation>de kanaaltabel</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 kanaal</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niets</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>er is niets geschreven</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 knippen</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>%1 plakken</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Kanaal %1 bewerken</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>kanaal %1</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 kanalen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 verwijderen</translation>
    </message>
    <message>
        <source>Delete and shift up %1</source>
        <translation>%1 verwijderen en opschuiven</translation>
    </message>
    <message>
        <source>Insert empty channel %1</source>
        <translation>Leeg kanaal %1 invoegen</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>%1 naar %2 verplaatsen</translation>
    </message>
    <message>
        <source>backup: %1</source>
        <translation>back-up: %1</translation>
    </message>
    <message>
        <source>trace: %1</source>
        <translation>trace: %1</translation>
    </message>
    <message>
        <source>trace not saved: %1</source>
        <translation>trace niet opgeslagen: %1</translation>
    </message>
    <message>
        <source>Import channels from %1</source>
        <translation>Kanalen importeren uit %1</translation>
    </message>
    <message>
        <source>Printed %1 pages</source>
        <translation>%1 pagina&apos;s afgedrukt</translation>
    </message>
    <message>
        <source>%1 to below %2 MHz</source>
        <translation>%1 tot onder %2 MHz</translation>
    </message>
    <message>
        <source>%1 MHz is outside this radio&apos;s range, %2: it will not be written.</source>
        <translation>%1 MHz ligt buiten het bereik van deze radio, %2: wordt niet geschreven.</translation>
    </message>
    <message>
        <source>block %1h</source>
        <translation>blok %1h</translation>
    </message>
    <message>
        <source>could not open %1</source>
        <translation>%1 kon niet worden geopend</translation>
    </message>
    <message>
        <source>no answer from the radio at %1</source>
        <translation>geen antwoord van de radio bij %1</translation>
    </message>
    <message>
        <source>an answer of the wrong length at %1</source>
        <translation>een antwoord met de verkeerde lengte bij %1</translation>
    </message>
    <message>
        <source>the radio answered &quot;ERR&quot; at %1</source>
        <translation>de radio antwoordde &quot;ERR&quot; bij %1</translation>
    </message>
    <message>
        <source>an answer that is not hexadecimal at %1</source>
        <translation>een niet-hexadecimaal antwoord bij %1</translation>
    </message>
    <message>
        <source>the radio reports %1</source>
        <translation>de radio meldt %1</translation>
    </message>
    <message>
        <source>the device is gone at %1</source>
        <translation>het apparaat is weg bij %1</translation>
    </message>
    <message>
        <source>%1 complete and verified</source>
        <translation>%1 voltooid en gecontroleerd</translation>
    </message>
    <message>
        <source>%1 complete</source>
        <translation>%1 voltooid</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1 geannuleerd</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 mislukt: %2</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 geweigerd: %2</translation>
    </message>
    <message>
        <source>Write not verified on %1: %2</source>
        <translation>Schrijven niet gecontroleerd op %1: %2</translation>
    </message>
    <message>
        <source>%1 failed on %2: %3</source>
        <translation>%1 mislukt op %2: %3</translation>
    </message>
    <message>
        <source>slowed down after %1</source>
        <translation>vertraagd na %1</translation>
    </message>
    <message>
        <source>%1 exchanges were repeated</source>
        <translation>%1 uitwisselingen werden herhaald</translation>
    </message>
    <message>
        <source>%1 channels left out: outside the radio&apos;s range</source>
        <translation>%1 kanalen weggelaten: buiten het bereik van de radio</translation>
    </message>
    <message>
        <source>%1 of 1 block changed</source>
        <translation>%1 van 1 blok gewijzigd</translation>
    </message>
    <message>
        <source>%1 of %2 blocks changed</source>
        <translation>%1 van %2 blokken gewijzigd</translation>
    </message>
    <message>
        <source>%1 of 3 VFO blocks</source>
        <translation>%1 van 3 VFO-blokken</translation>
    </message>
    <message>
        <source>written: %1</source>
        <translation>geschreven: %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bewerken</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanaal %1: %2</translation>
    </message>
    <message>
        <source>Channel %1 (not in use), %2: %3</source>
        <translation>Kanaal %1 (niet in gebruik), %2: %3</translation>
    </message>
    <message>
        <source>Channel %1, %2: %3</source>
        <translation>Kanaal %1, %2: %3</translation>
    </message>
    <message>
        <source>Edit VFO settings</source>
        <translation>VFO-instellingen bewerken</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Reads, edits and writes the settings and the 100 memory channels of the KV-R27PA, KV-R27Z and KV-R27X hand-held radios over a serial cable.</source>
        <translation>Leest, bewerkt en schrijft de instellingen en de 100 geheugenkanalen van de portofoons KV-R27PA, KV-R27Z en KV-R27X via een seriële kabel.</translation>
    </message>
    <message>
        <source>Version %1 beta</source>
        <translation>Versie %1 bèta</translation>
    </message>
    <message>
        <source>This program is free software: you may copy, share and change it under the terms of the GNU General Public License, version 3 or later. It comes with no warranty.</source>
        <translation>Dit programma is vrije software: u mag het kopiëren, delen en wijzigen onder de voorwaarden van de GNU General Public License, versie 3 of later. Het wordt geleverd zonder enige garantie.</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Serial cable</source>
        <translation>Seriële kabel</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Backup</source>
        <translation>Back-up</translation>
    </message>
    <message>
        <source>Memory mode write</source>
        <translation>Geheugenmodus schrijven</translation>
    </message>
    <message>
        <source>Vfo mode read</source>
        <translation>VFO-modus lezen</translation>
    </message>
    <message>
        <source>Memory mode read</source>
        <translation>Geheugenmodus lezen</translation>
    </message>
    <message>
        <source>Vfo mode Write</source>
        <translation>VFO-modus schrijven</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Controle</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>The radio could not be read: %1</source>
        <translation>De radio kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>The backup could not be saved: %1</source>
        <translation>De reservekopie kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>The program knows no folder for backups.</source>
        <translation>Het programma kent geen map voor reservekopieën.</translation>
    </message>
    <message>
        <source>The file is too large: %1 bytes, more than the %2 this program reads</source>
        <translation>Het bestand is te groot: %1 bytes, meer dan de %2 die dit programma leest</translation>
    </message>
    <message>
        <source>Not a regular file (a named pipe)</source>
        <translation>Geen gewoon bestand (een benoemde pipe)</translation>
    </message>
    <message>
        <source>Not a regular file (a device)</source>
        <translation>Geen gewoon bestand (een apparaat)</translation>
    </message>
    <message>
        <source>Not a regular file (a socket)</source>
        <translation>Geen gewoon bestand (een socket)</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Geen gewoon bestand</translation>
    </message>
    <message>
        <source>No file name given</source>
        <translation>Geen bestandsnaam opgegeven</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>Het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>Another program is using the file; close it there and try again</source>
        <translation>Een ander programma gebruikt het bestand; sluit het daar en probeer het opnieuw</translation>
    </message>
    <message>
        <source>Cannot make a new file in the folder &quot;%1&quot;: %2</source>
        <translation>Kan geen nieuw bestand maken in de map &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>System error %1</source>
        <translation>Systeemfout %1</translation>
    </message>
    <message>
        <source>%1 lines, more than 102</source>
        <translation>%1 regels, meer dan 102</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>the current channel %1 plus 1 is outside 0 to 255</source>
        <translation>het huidige kanaal %1 plus 1 ligt buiten 0 tot 255</translation>
    </message>
    <message>
        <source>%1 fields instead of 12</source>
        <translation>%1 velden in plaats van 12</translation>
    </message>
    <message>
        <source>the field in quotes %1 is not closed</source>
        <translation>het veld tussen aanhalingstekens %1 is niet gesloten</translation>
    </message>
    <message>
        <source>the field in quotes %1 has text after its closing quote</source>
        <translation>het veld tussen aanhalingstekens %1 heeft tekst na het sluitende aanhalingsteken</translation>
    </message>
    <message>
        <source>mode %1 names no channel of %2</source>
        <translation>modus %1 noemt geen kanaal van de %2</translation>
    </message>
    <message>
        <source>channel number %1 is not a number</source>
        <translation>kanaalnummer %1 is geen getal</translation>
    </message>
    <message>
        <source>frequency %1 is not a number of MHz that fits</source>
        <translation>frequentie %1 is geen passend getal in MHz</translation>
    </message>
    <message>
        <source>offset %1 is not a number</source>
        <translation>offset %1 is geen getal</translation>
    </message>
    <message>
        <source>channel %1 %2</source>
        <translation>kanaal %1 %2</translation>
    </message>
    <message>
        <source>%1 is neither #TRUE# nor #FALSE#</source>
        <translation>%1 is noch #TRUE# noch #FALSE#</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 is geen geheel getal</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 ligt buiten %2 tot %3</translation>
    </message>
    <message>
        <source>%1 lines instead of 831</source>
        <translation>%1 regels in plaats van 831</translation>
    </message>
    <message>
        <source>a byte %1, so the file is no text</source>
        <translation>een byte %1, dus het bestand is geen tekst</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>done</source>
        <translation>klaar</translation>
    </message>
    <message>
        <source>port not opened: %1</source>
        <translation>poort niet geopend: %1</translation>
    </message>
    <message>
        <source>no answer to %1</source>
        <translation>geen antwoord op %1</translation>
    </message>
    <message>
        <source>answer of the wrong length to %1</source>
        <translation>antwoord van de verkeerde lengte op %1</translation>
    </message>
    <message>
        <source>&quot;ERR&quot; answer to %1</source>
        <translation>antwoord &quot;ERR&quot; op %1</translation>
    </message>
    <message>
        <source>answer that is not hexadecimal to %1</source>
        <translation>niet-hexadecimaal antwoord op %1</translation>
    </message>
    <message>
        <source>the radio is of another model than the one chosen</source>
        <translation>de radio is een ander model dan het gekozen</translation>
    </message>
    <message>
        <source>the radio reports %1, another model than the one chosen</source>
        <translation>de radio meldt %1, een ander model dan het gekozen</translation>
    </message>
    <message>
        <source>the VFO values were refused (blank or not a number)</source>
        <translation>de VFO-waarden zijn geweigerd (leeg of geen getal)</translation>
    </message>
    <message>
        <source>the VFO frequency is outside the model&apos;s transmit range</source>
        <translation>de VFO-frequentie ligt buiten het zendbereik van het model</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>geannuleerd</translation>
    </message>
    <message>
        <source>read-back differs: %1</source>
        <translation>terugleesactie wijkt af: %1</translation>
    </message>
    <message>
        <source>the device %1 is gone</source>
        <translation>het apparaat %1 is verdwenen</translation>
    </message>
    <message>
        <source>unknown fault</source>
        <translation>onbekende fout</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>[VFO Setting]</source>
        <translation>[VFO-instelling]</translation>
    </message>
    <message>
        <source>[Memory mode]</source>
        <translation>[Geheugenmodus]</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Toetsvergrendeling</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Squelchniveau</translation>
    </message>
    <message>
        <source>Tone setting</source>
        <translation>Tooninstelling</translation>
    </message>
    <message>
        <source>TX tone freq (Encode)</source>
        <translation>TX-toonfrequentie (encoder)</translation>
    </message>
    <message>
        <source>RX tone freq (Decode)</source>
        <translation>RX-toonfrequentie (decoder)</translation>
    </message>
    <message>
        <source>Transmission Output Level</source>
        <translation>Zendvermogen</translation>
    </message>
    <message>
        <source>Ch No (PMR)</source>
        <translation>Kanaalnr. (PMR)</translation>
    </message>
    <message>
        <source>Tone frequency (PMR)</source>
        <translation>Toonfrequentie (PMR)</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Afstemstap</translation>
    </message>
    <message>
        <source>Shift direction</source>
        <translation>Shiftrichting</translation>
    </message>
    <message>
        <source>Offset frequency</source>
        <translation>Offsetfrequentie</translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation>Pieptoon</translation>
    </message>
    <message>
        <source>Call tone (Tone burst)</source>
        <translation>Roeptoon (tone burst)</translation>
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
        <translation>Batterijbesparing</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Bel</translation>
    </message>
    <message>
        <source>Stand-by-beep</source>
        <translation>Stand-by-pieptoon</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Scan skip</source>
        <translation>Overslaan bij scannen</translation>
    </message>
    <message>
        <source>External terminal control</source>
        <translation>Bediening via externe aansluiting</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Verlichting</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Batterijtype</translation>
    </message>
    <message>
        <source>Tone frequency</source>
        <translation>Toonfrequentie</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Timed</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Bezet</translation>
    </message>
    <message>
        <source>On(5s)</source>
        <translation>Aan(5s)</translation>
    </message>
    <message>
        <source>(blank)</source>
        <translation>(leeg)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>in gebruik</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>niet in gebruik</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Tijd</translation>
    </message>
</context>
<context>
    <name>kvr27::app::TransferStatusBar</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Last command</source>
        <translation>Laatste opdracht</translation>
    </message>
    <message>
        <source>A write cannot be cancelled: the radio would be left half written.</source>
        <translation>Schrijven kan niet worden geannuleerd: de radio zou half beschreven achterblijven.</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmDifferences</name>
    <message>
        <source>(Differences)</source>
        <translation>(Verschillen)</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Verschillen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Each line: the radio now → after the write</source>
        <translation>Elke regel: de radio nu → na het schrijven</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMem</name>
    <message>
        <source>Memory channels</source>
        <translation>Geheugenkanalen</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Kanaal bewerken...</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>Edit Selected Channels…</source>
        <translation>Geselecteerde kanalen bewerken…</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Delete and Shift Up</source>
        <translation>Verwijderen en opschuiven</translation>
    </message>
    <message>
        <source>Insert Empty Channel</source>
        <translation>Leeg kanaal invoegen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Omhoog verplaatsen</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Omlaag verplaatsen</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Sorteren op frequentie</translation>
    </message>
    <message>
        <source>Fill LPD Channels…</source>
        <translation>Vullen met LPD-kanalen…</translation>
    </message>
    <message>
        <source>Fill PMR Channels…</source>
        <translation>Vullen met PMR-kanalen…</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMemSub</name>
    <message>
        <source> Clone Utility(Memory Mode Sub)</source>
        <translation> Clone Utility (kanaal bewerken)</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanaal %1</translation>
    </message>
    <message>
        <source>Editing %1: blank fields stay as they are</source>
        <translation>%1 bewerken: lege velden blijven zoals ze zijn</translation>
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
        <translation>Instellingen geheugenmodus</translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation>Instellingen VFO-modus</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Import(Mem Setting)</source>
        <translation>&amp;Importeren (geheugenkanalen)</translation>
    </message>
    <message>
        <source>&amp;Export(Mem Setting)</source>
        <translation>&amp;Exporteren (geheugenkanalen)</translation>
    </message>
    <message>
        <source>&amp;Compare with File...</source>
        <translation>&amp;Vergelijken met bestand...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Gegevens</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alles</translation>
    </message>
    <message>
        <source>&amp;Vfo Mode</source>
        <translation>&amp;VFO-modus</translation>
    </message>
    <message>
        <source>&amp;Memory Mode</source>
        <translation>&amp;Geheugenmodus</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schrijven</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio</source>
        <translation>Met radio &amp;vergelijken</translation>
    </message>
    <message>
        <source>&amp;Verify after Write</source>
        <translation>Na schrijven &amp;controleren</translation>
    </message>
    <message>
        <source>&amp;Backup before Write</source>
        <translation>&amp;Back-up vóór schrijven</translation>
    </message>
    <message>
        <source>&amp;Exchange Trace</source>
        <translation>&amp;Uitwisseling vastleggen</translation>
    </message>
    <message>
        <source>Rev&amp;iew before Write</source>
        <translation>Wijzigingen vóór schrijven &amp;tonen</translation>
    </message>
    <message>
        <source>Write Changed Blocks &amp;Only</source>
        <translation>&amp;Alleen gewijzigde blokken schrijven</translation>
    </message>
    <message>
        <source>&amp;Fast Transfer</source>
        <translation>Snelle &amp;overdracht</translation>
    </message>
    <message>
        <source>&amp;Port...</source>
        <translation>&amp;Poort...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Taal...</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>&amp;Probleem melden...</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM-poort</translation>
    </message>
    <message>
        <source>port close</source>
        <translation>poort sluiten</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systeemtaal</translation>
    </message>
    <message>
        <source>Language of the windows:</source>
        <translation>Taal van de vensters:</translation>
    </message>
    <message>
        <source>Each line: %1 → this document</source>
        <translation>Elke regel: %1 → dit document</translation>
    </message>
    <message>
        <source>Each line: the radio → this document</source>
        <translation>Elke regel: de radio → dit document</translation>
    </message>
</context>
<context>
    <name>kvr27::frmPort</name>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Fabrikant</translation>
    </message>
    <message>
        <source>USB id</source>
        <translation>USB-id</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Toegang</translation>
    </message>
    <message>
        <source>Empty: the device found by the search</source>
        <translation>Leeg: het apparaat dat bij het zoeken is gevonden</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nee</translation>
    </message>
    <message>
        <source>No serial port found; a device can still be typed below.</source>
        <translation>Geen seriële poort gevonden; u kunt hieronder toch een apparaat invoeren.</translation>
    </message>
    <message>
        <source>To use a port marked &quot;no&quot;, %1.</source>
        <translation>Om een poort met de markering „nee” te gebruiken, %1.</translation>
    </message>
    <message>
        <source>join the dialout group: sudo adduser $USER dialout, then log in again</source>
        <translation>moet u lid worden van de groep dialout: sudo adduser $USER dialout, en daarna opnieuw inloggen</translation>
    </message>
</context>
<context>
    <name>kvr27::frmReport</name>
    <message>
        <source>Report a Problem</source>
        <translation>Probleem melden</translation>
    </message>
    <message>
        <source>The report holds the files below, in one zip file saved where you choose. Nothing is sent anywhere: give the file to whoever helps you.</source>
        <translation>Het rapport bevat de onderstaande bestanden, in één zipbestand dat wordt opgeslagen waar u wilt. Er wordt niets verzonden: geef het bestand aan degene die u helpt.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Size (bytes)</source>
        <translation>Grootte (bytes)</translation>
    </message>
    <message>
        <source>&amp;Include the current document as a clone file</source>
        <translation>Huidig document als kloonbestand &amp;toevoegen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Opslaan...</translation>
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
