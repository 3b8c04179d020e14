<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Controls</name>
    <message>
        <source>Read Memories</source>
        <translation>Odczytaj pamięć</translation>
    </message>
    <message>
        <source>Write Memories</source>
        <translation>Zapisz pamięć</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>Włącz wszystkie</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>disable All</source>
        <translation>Wyłącz wszystkie</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source> Clone Utility(Memory Mode)</source>
        <translation> Narzędzie klonowania (tryb pamięci)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Shift direction</source>
        <translation>Kierunek przesunięcia</translation>
    </message>
    <message>
        <source>Offset frequency</source>
        <translation>Częstotliwość przesunięcia</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Krok strojenia</translation>
    </message>
    <message>
        <source>Tone setting</source>
        <translation>Ustawienie tonu</translation>
    </message>
    <message>
        <source>TX tone freq (Encode)</source>
        <translation>Częst. tonu TX (kodowanie)</translation>
    </message>
    <message>
        <source>RX tone freq (Decode)</source>
        <translation>Częst. tonu RX (dekodowanie)</translation>
    </message>
    <message>
        <source>Tone frequency (PMR)</source>
        <translation>Częstotliwość tonu (PMR)</translation>
    </message>
    <message>
        <source>Scan skip</source>
        <translation>Pomijanie przy skanowaniu</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Ch No (PMR)</source>
        <translation>Nr kan. (PMR)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Read Setting</source>
        <translation>Odczytaj ustawienia</translation>
    </message>
    <message>
        <source>Write Setting</source>
        <translation>Zapisz ustawienia</translation>
    </message>
    <message>
        <source> Clone Utility(Vfo Mode)</source>
        <translation> Narzędzie klonowania (tryb VFO)</translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation>Ustawienia trybu VFO</translation>
    </message>
    <message>
        <source>Set Mode Setting</source>
        <translation>Ustawienia trybu konfiguracji</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Poziom squelch</translation>
    </message>
    <message>
        <source>Call tone (Tone burst)</source>
        <translation>Ton wywołania (tone burst)</translation>
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
        <translation>Częstotliwość tonu</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Blokada klawiszy</translation>
    </message>
    <message>
        <source>Transmission Output Level</source>
        <translation>Moc nadawania</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Typ baterii</translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation>Dźwięk klawiszy</translation>
    </message>
    <message>
        <source>Battery saving</source>
        <translation>Oszczędzanie baterii</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Dzwonek</translation>
    </message>
    <message>
        <source>Stand-by-beep</source>
        <translation>Sygnał końca nadawania</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <source>External terminal control</source>
        <translation>Sterowanie z terminala zewnętrznego</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Podświetlenie</translation>
    </message>
    <message>
        <source>Quick Repeater Access Mode</source>
        <translation>Tryb szybkiego dostępu do przemiennika</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Frequency(ch)</source>
        <translation>Częst.(kan)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Przes.</translation>
    </message>
    <message>
        <source>Shift Freq</source>
        <translation>Częst. przes.</translation>
    </message>
    <message>
        <source>Bclo</source>
        <translation>Bclo</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>TxTone</source>
        <translation>Ton TX</translation>
    </message>
    <message>
        <source>RxTone</source>
        <translation>Ton RX</translation>
    </message>
    <message>
        <source>PmrTone</source>
        <translation>Ton PMR</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>tryb</translation>
    </message>
</context>
<context>
    <name>Filters</name>
    <message>
        <source>Problem Reports (*.zip)</source>
        <translation>Raporty o problemach (*.zip)</translation>
    </message>
    <message>
        <source>Norvik R-27 Clone Files (*.r27)</source>
        <translation>Pliki klonów Norvik R-27 (*.r27)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>Język zmieni się po ponownym uruchomieniu programu.</translation>
    </message>
    <message>
        <source>The problem report could not be saved.</source>
        <translation>Nie udało się zapisać raportu o problemie.</translation>
    </message>
    <message>
        <source>KV-R27 Clone Utility is already boot up.</source>
        <translation>KV-R27 Clone Utility jest już uruchomiony.</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written.</source>
        <translation>Nie udało się wykonać kopii zapasowej radiotelefonu, więc nic nie zapisano.</translation>
    </message>
    <message>
        <source>Write these changes into the radio?</source>
        <translation>Zapisać te zmiany w radiotelefonie?</translation>
    </message>
    <message>
        <source>The radio holds these settings already, so nothing was written.</source>
        <translation>Radiotelefon ma już te ustawienia, więc nic nie zapisano.</translation>
    </message>
    <message>
        <source>The setting has been changed.<byte value="xd"/>May you keep processing it?</source>
        <translation>Ustawienie zostało zmienione.</translation>
    </message>
    <message>
        <source>Are you sure you wish to proceed?<byte value="xd"/>The new data will overwrite the current programminng.</source>
        <translation>Czy na pewno chcesz kontynuować?</translation>
    </message>
    <message>
        <source>The max value is 99.995 or less.</source>
        <translation>Maksymalna wartość to 99.995.</translation>
    </message>
    <message>
        <source>The value is rounded off.</source>
        <translation>Wartość została zaokrąglona.</translation>
    </message>
    <message>
        <source>The value is rounded off.(Frequency)</source>
        <translation>Wartość została zaokrąglona.(Częstotliwość)</translation>
    </message>
    <message>
        <source>The value is rounded off.(Offset Frequency)</source>
        <translation>Wartość została zaokrąglona.(Częstotliwość przesunięcia)</translation>
    </message>
    <message>
        <source>The value is rounded off.(Repeater offset frequency)</source>
        <translation>Wartość została zaokrąglona.(Przesunięcie przemiennika)</translation>
    </message>
    <message>
        <source>File reading error.</source>
        <translation>Błąd odczytu pliku.</translation>
    </message>
    <message>
        <source>Enter from 433.06 to 434.785 or less only.</source>
        <translation>Wprowadź tylko wartość od 433.06 do 434.785.</translation>
    </message>
    <message>
        <source>Enter from 420 to 474 or less only.</source>
        <translation>Wprowadź tylko wartość od 420 do 474.</translation>
    </message>
    <message>
        <source>Enter from 430 to 440 or less only.</source>
        <translation>Wprowadź tylko wartość od 430 do 440.</translation>
    </message>
    <message>
        <source>The selected and actual models are different.</source>
        <translation>Wybrany model różni się od rzeczywistego.</translation>
    </message>
    <message>
        <source>Enter 0 to 9 numeric values only.</source>
        <translation>Wprowadź tylko cyfry od 0 do 9.</translation>
    </message>
    <message>
        <source>Too much decimal points.</source>
        <translation>Zbyt wiele kropek dziesiętnych.</translation>
    </message>
    <message>
        <source>Enter 1 to 8 numeric values only.</source>
        <translation>Wprowadź tylko cyfry od 1 do 8.</translation>
    </message>
    <message>
        <source>The max value is 20 or less.</source>
        <translation>Maksymalna wartość to 20.</translation>
    </message>
    <message>
        <source>The value is not a valid number. Check the entry columns.</source>
        <translation>Wartość nie jest prawidłową liczbą. Sprawdź wypełnione kolumny.</translation>
    </message>
    <message>
        <source>Editing incomplete. Check blank columns.</source>
        <translation>Edycja niekompletna. Sprawdź puste kolumny.</translation>
    </message>
    <message>
        <source>Can&apos;t open com Port</source>
        <translation>Nie można otworzyć portu COM</translation>
    </message>
    <message>
        <source>Read/Write Error</source>
        <translation>Błąd odczytu/zapisu</translation>
    </message>
    <message>
        <source>The thing besides the range is not written in.</source>
        <translation>Dane spoza zakresu nie są zapisywane.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>Radiotelefon nie zawiera tego, co zapisano:</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>Schowek nie zawiera kanałów.</translation>
    </message>
    <message>
        <source>1 enabled channel</source>
        <translation>1 aktywny kanał</translation>
    </message>
    <message>
        <source>Channel 99 is in use, so no channel can be inserted: delete it or move it up first.</source>
        <translation>Kanał 99 jest zajęty, nie można wstawić kanału: najpierw go usuń lub przesuń w górę.</translation>
    </message>
    <message>
        <source>The language choice could not be saved in %1.</source>
        <translation>Nie udało się zapisać wyboru języka w %1.</translation>
    </message>
    <message>
        <source>The port choice could not be saved in %1.</source>
        <translation>Nie udało się zapisać wyboru portu w %1.</translation>
    </message>
    <message>
        <source>The problem report was saved as %1.</source>
        <translation>Raport o problemie zapisano jako %1.</translation>
    </message>
    <message>
        <source>The pasted table has the column %1 twice.</source>
        <translation>Wklejona tabela ma kolumnę %1 dwa razy.</translation>
    </message>
    <message>
        <source>The pasted table has columns the channel grid does not know: %1.</source>
        <translation>Wklejona tabela ma kolumny nieznane siatce kanałów: %1.</translation>
    </message>
    <message>
        <source>The pasted table lacks the columns %1.</source>
        <translation>We wklejonej tabeli brakuje kolumn %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2: </source>
        <translation>Wiersz %1, kolumna %2: </translation>
    </message>
    <message>
        <source>The clipboard holds no table of channels: %1</source>
        <translation>Schowek nie zawiera tabeli kanałów: %1</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Wiersz %1: %2.</translation>
    </message>
    <message>
        <source>The clipboard holds %1 channels, but from channel %2 only %3 fit.</source>
        <translation>Schowek zawiera %1 kanałów, ale od kanału %2 mieści się tylko %3.</translation>
    </message>
    <message>
        <source>Row %1 has %2 fields, more than the %3 columns.</source>
        <translation>Wiersz %1 ma %2 pól, więcej niż %3 kolumn.</translation>
    </message>
    <message>
        <source>%1 enabled channels</source>
        <translation>aktywne kanały: %1</translation>
    </message>
    <message>
        <source>The paste replaces %1. Paste over them?</source>
        <translation>Wklejenie zastąpi %1. Wkleić mimo to?</translation>
    </message>
    <message>
        <source>The new channels replace %1. Fill over them?</source>
        <translation>Nowe kanały zastąpią %1. Wypełnić mimo to?</translation>
    </message>
    <message>
        <source>The %1 has no LPD channels.</source>
        <translation>%1 nie ma kanałów LPD.</translation>
    </message>
    <message>
        <source>No LPD channel lies within this radio&apos;s range, %1.</source>
        <translation>Żaden kanał LPD nie mieści się w zakresie tego radia, %1.</translation>
    </message>
    <message>
        <source>The %1 has no PMR channels.</source>
        <translation>%1 nie ma kanałów PMR.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written, and was left as it was.<byte value="xd"/>%2.</source>
        <translation>Nie udało się zapisać pliku &quot;%1&quot;; pozostał bez zmian.<byte value="xd"/>%2.</translation>
    </message>
    <message>
        <source>Line %1: %2 %3 cannot be shown in the VFO window.</source>
        <translation>Wiersz %1: %2 %3 nie może być pokazane w oknie VFO.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation>Plik &quot;%1&quot; już istnieje.<byte value="xd"/>Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>The radio reports %1.</source>
        <translation>Radio zgłasza %1.</translation>
    </message>
    <message>
        <source>Channel %1: </source>
        <translation>Kanał %1: </translation>
    </message>
    <message>
        <source>Channel %1 is outside this radio&apos;s range, %2, and was not written.</source>
        <translation>Kanał %1 jest poza zakresem tego radiotelefonu, %2, i nie został zapisany.</translation>
    </message>
    <message>
        <source>Channels %1 are outside this radio&apos;s range, %2, and were not written.</source>
        <translation>Kanały %1 są poza zakresem tego radiotelefonu, %2, i nie zostały zapisane.</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ponów: %1</translation>
    </message>
    <message>
        <source>No differences</source>
        <translation>Brak różnic</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Włącz %1</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>Wyłącz %1</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>Włącz wszystkie</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>Wyłącz wszystkie</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Przesuń %1 w dół</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Przesuń %1 w górę</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Sortuj według częstotliwości</translation>
    </message>
    <message>
        <source>Fill LPD Channels</source>
        <translation>Wypełnij kanały LPD</translation>
    </message>
    <message>
        <source>Fill PMR Channels</source>
        <translation>Wypełnij kanały PMR</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>Wczytano %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Zapisano %1</translation>
    </message>
    <message>
        <source>Imported %1</source>
        <translation>Zaimportowano %1</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>Wyeksportowano %1</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>Różnice: %1</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>Różnice: %1</translation>
    </message>
    <message>
        <source>Printed 1 page</source>
        <translation>Wydrukowano 1 stronę</translation>
    </message>
    <message>
        <source>the current channel</source>
        <translation>bieżący kanał</translation>
    </message>
    <message>
        <source>a VFO value is blank or no number</source>
        <translation>wartość VFO jest pusta lub nie jest liczbą</translation>
    </message>
    <message>
        <source>the VFO frequency is outside the model&apos;s range</source>
        <translation>częstotliwość VFO jest poza zakresem modelu</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczyt</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Zapis</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Kopia zapasowa</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Weryfikacja</translation>
    </message>
    <message>
        <source>1 exchange was repeated</source>
        <translation>powtórzono 1 wymianę</translation>
    </message>
    <message>
        <source>1 channel left out: outside the radio&apos;s range</source>
        <translation>pominięto 1 kanał: poza zakresem radia</translation>
    </message>
    <message>
        <source>the VFO settings</source>
        <translation>ustawienia VFO</translation>
    </message>
    <message>
        <source>the channel bitmap</source>
        <translation>mapa kanałów</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 kanał</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nic</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>nic nie zapisano</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Wytnij %1</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>Wklej %1</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Edytuj kanał %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>kanał %1</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>kanały: %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Usuń %1</translation>
    </message>
    <message>
        <source>Delete and shift up %1</source>
        <translation>Usuń %1 i przesuń w górę</translation>
    </message>
    <message>
        <source>Insert empty channel %1</source>
        <translation>Wstaw pusty kanał %1</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>Przesuń %1 na %2</translation>
    </message>
    <message>
        <source>backup: %1</source>
        <translation>kopia: %1</translation>
    </message>
    <message>
        <source>trace: %1</source>
        <translation>zapis wymiany: %1</translation>
    </message>
    <message>
        <source>trace not saved: %1</source>
        <translation>zapis wymiany nie zapisany: %1</translation>
    </message>
    <message>
        <source>Import channels from %1</source>
        <translation>Importuj kanały z %1</translation>
    </message>
    <message>
        <source>Printed %1 pages</source>
        <translation>Wydrukowano stron: %1</translation>
    </message>
    <message>
        <source>%1 to below %2 MHz</source>
        <translation>%1 do poniżej %2 MHz</translation>
    </message>
    <message>
        <source>%1 MHz is outside this radio&apos;s range, %2: it will not be written.</source>
        <translation>%1 MHz jest poza zakresem tego radia, %2: nie zostanie zapisane.</translation>
    </message>
    <message>
        <source>block %1h</source>
        <translation>blok %1h</translation>
    </message>
    <message>
        <source>could not open %1</source>
        <translation>nie można otworzyć %1</translation>
    </message>
    <message>
        <source>no answer from the radio at %1</source>
        <translation>brak odpowiedzi radia przy %1</translation>
    </message>
    <message>
        <source>an answer of the wrong length at %1</source>
        <translation>odpowiedź złej długości przy %1</translation>
    </message>
    <message>
        <source>the radio answered &quot;ERR&quot; at %1</source>
        <translation>radio odpowiedziało &quot;ERR&quot; przy %1</translation>
    </message>
    <message>
        <source>an answer that is not hexadecimal at %1</source>
        <translation>odpowiedź nieszesnastkowa przy %1</translation>
    </message>
    <message>
        <source>the radio reports %1</source>
        <translation>radio zgłasza %1</translation>
    </message>
    <message>
        <source>the device is gone at %1</source>
        <translation>urządzenie zniknęło przy %1</translation>
    </message>
    <message>
        <source>%1 complete and verified</source>
        <translation>%1: zakończono i sprawdzono</translation>
    </message>
    <message>
        <source>%1 complete</source>
        <translation>%1: zakończono</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1: anulowano</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1: błąd: %2</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1: odmowa: %2</translation>
    </message>
    <message>
        <source>Write not verified on %1: %2</source>
        <translation>Zapis na %1 niesprawdzony: %2</translation>
    </message>
    <message>
        <source>%1 failed on %2: %3</source>
        <translation>%1 na %2: błąd: %3</translation>
    </message>
    <message>
        <source>slowed down after %1</source>
        <translation>spowolniono po %1</translation>
    </message>
    <message>
        <source>%1 exchanges were repeated</source>
        <translation>powtórzone wymiany: %1</translation>
    </message>
    <message>
        <source>%1 channels left out: outside the radio&apos;s range</source>
        <translation>pominięte kanały: %1, poza zakresem radia</translation>
    </message>
    <message>
        <source>%1 of 1 block changed</source>
        <translation>zmienione bloki: %1 z 1</translation>
    </message>
    <message>
        <source>%1 of %2 blocks changed</source>
        <translation>zmienione bloki: %1 z %2</translation>
    </message>
    <message>
        <source>%1 of 3 VFO blocks</source>
        <translation>%1 z 3 bloków VFO</translation>
    </message>
    <message>
        <source>written: %1</source>
        <translation>zapisano: %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Edycja: %1</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanał %1: %2</translation>
    </message>
    <message>
        <source>Channel %1 (not in use), %2: %3</source>
        <translation>Kanał %1 (nieużywany), %2: %3</translation>
    </message>
    <message>
        <source>Channel %1, %2: %3</source>
        <translation>Kanał %1, %2: %3</translation>
    </message>
    <message>
        <source>Edit VFO settings</source>
        <translation>Edycja ustawień VFO</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Reads, edits and writes the settings and the 100 memory channels of the KV-R27PA, KV-R27Z and KV-R27X hand-held radios over a serial cable.</source>
        <translation>Odczytuje, edytuje i zapisuje ustawienia oraz 100 kanałów pamięci ręcznych radiotelefonów KV-R27PA, KV-R27Z i KV-R27X przez kabel szeregowy.</translation>
    </message>
    <message>
        <source>Version %1 beta</source>
        <translation>Wersja %1 beta</translation>
    </message>
    <message>
        <source>This program is free software: you may copy, share and change it under the terms of the GNU General Public License, version 3 or later. It comes with no warranty.</source>
        <translation>Ten program jest wolnym oprogramowaniem: możesz go kopiować, udostępniać i zmieniać na warunkach Powszechnej Licencji Publicznej GNU (GNU General Public License) w wersji 3 lub nowszej. Jest dostarczany bez żadnej gwarancji.</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radiotelefon</translation>
    </message>
    <message>
        <source>Serial cable</source>
        <translation>Kabel szeregowy</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Backup</source>
        <translation>Kopia zapasowa</translation>
    </message>
    <message>
        <source>Memory mode write</source>
        <translation>Zapis trybu pamięci</translation>
    </message>
    <message>
        <source>Vfo mode read</source>
        <translation>Odczyt trybu VFO</translation>
    </message>
    <message>
        <source>Memory mode read</source>
        <translation>Odczyt trybu pamięci</translation>
    </message>
    <message>
        <source>Vfo mode Write</source>
        <translation>Zapis trybu VFO</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Weryfikacja</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>The radio could not be read: %1</source>
        <translation>Nie udało się odczytać radiotelefonu: %1</translation>
    </message>
    <message>
        <source>The backup could not be saved: %1</source>
        <translation>Nie udało się zapisać kopii zapasowej: %1</translation>
    </message>
    <message>
        <source>The program knows no folder for backups.</source>
        <translation>Program nie zna folderu na kopie zapasowe.</translation>
    </message>
    <message>
        <source>The file is too large: %1 bytes, more than the %2 this program reads</source>
        <translation>Plik jest za duży: %1 bajtów, więcej niż %2, które ten program czyta</translation>
    </message>
    <message>
        <source>Not a regular file (a named pipe)</source>
        <translation>To nie jest zwykły plik (potok nazwany)</translation>
    </message>
    <message>
        <source>Not a regular file (a device)</source>
        <translation>To nie jest zwykły plik (urządzenie)</translation>
    </message>
    <message>
        <source>Not a regular file (a socket)</source>
        <translation>To nie jest zwykły plik (gniazdo)</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>No file name given</source>
        <translation>Nie podano nazwy pliku</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>Plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>Another program is using the file; close it there and try again</source>
        <translation>Inny program używa tego pliku; zamknij go tam i spróbuj ponownie</translation>
    </message>
    <message>
        <source>Cannot make a new file in the folder &quot;%1&quot;: %2</source>
        <translation>Nie można utworzyć nowego pliku w folderze &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>System error %1</source>
        <translation>Błąd systemu %1</translation>
    </message>
    <message>
        <source>%1 lines, more than 102</source>
        <translation>%1 wierszy, więcej niż 102</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>the current channel %1 plus 1 is outside 0 to 255</source>
        <translation>bieżący kanał %1 plus 1 jest poza zakresem od 0 do 255</translation>
    </message>
    <message>
        <source>%1 fields instead of 12</source>
        <translation>%1 pól zamiast 12</translation>
    </message>
    <message>
        <source>the field in quotes %1 is not closed</source>
        <translation>pole w cudzysłowie %1 nie jest zamknięte</translation>
    </message>
    <message>
        <source>the field in quotes %1 has text after its closing quote</source>
        <translation>pole w cudzysłowie %1 ma tekst po cudzysłowie zamykającym</translation>
    </message>
    <message>
        <source>mode %1 names no channel of %2</source>
        <translation>tryb %1 nie oznacza żadnego kanału modelu %2</translation>
    </message>
    <message>
        <source>channel number %1 is not a number</source>
        <translation>numer kanału %1 nie jest liczbą</translation>
    </message>
    <message>
        <source>frequency %1 is not a number of MHz that fits</source>
        <translation>częstotliwość %1 nie jest pasującą liczbą MHz</translation>
    </message>
    <message>
        <source>offset %1 is not a number</source>
        <translation>przesunięcie %1 nie jest liczbą</translation>
    </message>
    <message>
        <source>channel %1 %2</source>
        <translation>kanał %1 %2</translation>
    </message>
    <message>
        <source>%1 is neither #TRUE# nor #FALSE#</source>
        <translation>%1 nie jest ani #TRUE#, ani #FALSE#</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 jest poza zakresem od %2 do %3</translation>
    </message>
    <message>
        <source>%1 lines instead of 831</source>
        <translation>%1 wierszy zamiast 831</translation>
    </message>
    <message>
        <source>a byte %1, so the file is no text</source>
        <translation>bajt %1, więc plik nie jest tekstem</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>done</source>
        <translation>gotowe</translation>
    </message>
    <message>
        <source>port not opened: %1</source>
        <translation>port nie został otwarty: %1</translation>
    </message>
    <message>
        <source>no answer to %1</source>
        <translation>brak odpowiedzi na %1</translation>
    </message>
    <message>
        <source>answer of the wrong length to %1</source>
        <translation>odpowiedź o złej długości na %1</translation>
    </message>
    <message>
        <source>&quot;ERR&quot; answer to %1</source>
        <translation>odpowiedź &quot;ERR&quot; na %1</translation>
    </message>
    <message>
        <source>answer that is not hexadecimal to %1</source>
        <translation>odpowiedź nieszesnastkowa na %1</translation>
    </message>
    <message>
        <source>the radio is of another model than the one chosen</source>
        <translation>radiotelefon jest innym modelem niż wybrany</translation>
    </message>
    <message>
        <source>the radio reports %1, another model than the one chosen</source>
        <translation>radiotelefon zgłasza %1, inny model niż wybrany</translation>
    </message>
    <message>
        <source>the VFO values were refused (blank or not a number)</source>
        <translation>wartości VFO zostały odrzucone (puste lub nie liczby)</translation>
    </message>
    <message>
        <source>the VFO frequency is outside the model&apos;s transmit range</source>
        <translation>częstotliwość VFO jest poza zakresem nadawania modelu</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>anulowano</translation>
    </message>
    <message>
        <source>read-back differs: %1</source>
        <translation>odczyt kontrolny się różni: %1</translation>
    </message>
    <message>
        <source>the device %1 is gone</source>
        <translation>urządzenie %1 zniknęło</translation>
    </message>
    <message>
        <source>unknown fault</source>
        <translation>nieznany błąd</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>[VFO Setting]</source>
        <translation>[Ustawienia VFO]</translation>
    </message>
    <message>
        <source>[Memory mode]</source>
        <translation>[Tryb pamięci]</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Blokada klawiszy</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Poziom squelch</translation>
    </message>
    <message>
        <source>Tone setting</source>
        <translation>Ustawienie tonu</translation>
    </message>
    <message>
        <source>TX tone freq (Encode)</source>
        <translation>Częst. tonu TX (kodowanie)</translation>
    </message>
    <message>
        <source>RX tone freq (Decode)</source>
        <translation>Częst. tonu RX (dekodowanie)</translation>
    </message>
    <message>
        <source>Transmission Output Level</source>
        <translation>Moc nadawania</translation>
    </message>
    <message>
        <source>Ch No (PMR)</source>
        <translation>Nr kan. (PMR)</translation>
    </message>
    <message>
        <source>Tone frequency (PMR)</source>
        <translation>Częstotliwość tonu (PMR)</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Krok strojenia</translation>
    </message>
    <message>
        <source>Shift direction</source>
        <translation>Kierunek przesunięcia</translation>
    </message>
    <message>
        <source>Offset frequency</source>
        <translation>Częstotliwość przesunięcia</translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation>Dźwięk klawiszy</translation>
    </message>
    <message>
        <source>Call tone (Tone burst)</source>
        <translation>Ton wywołania (tone burst)</translation>
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
        <translation>Oszczędzanie baterii</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Dzwonek</translation>
    </message>
    <message>
        <source>Stand-by-beep</source>
        <translation>Sygnał końca nadawania</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <source>Scan skip</source>
        <translation>Pomijanie przy skanowaniu</translation>
    </message>
    <message>
        <source>External terminal control</source>
        <translation>Sterowanie z terminala zewnętrznego</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Podświetlenie</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Typ baterii</translation>
    </message>
    <message>
        <source>Tone frequency</source>
        <translation>Częstotliwość tonu</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <source>Timed</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Zajęty</translation>
    </message>
    <message>
        <source>On(5s)</source>
        <translation>Wł.(5s)</translation>
    </message>
    <message>
        <source>(blank)</source>
        <translation>(puste)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>używany</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>nieużywany</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Czas</translation>
    </message>
</context>
<context>
    <name>kvr27::app::TransferStatusBar</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Last command</source>
        <translation>Ostatnie polecenie</translation>
    </message>
    <message>
        <source>A write cannot be cancelled: the radio would be left half written.</source>
        <translation>Zapisu nie można anulować: radiotelefon zostałby zapisany tylko częściowo.</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmDifferences</name>
    <message>
        <source>(Differences)</source>
        <translation>(Różnice)</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Różnice</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Each line: the radio now → after the write</source>
        <translation>Każdy wiersz: radiotelefon teraz → po zapisie</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMem</name>
    <message>
        <source>Memory channels</source>
        <translation>Kanały pamięci</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Edytuj kanał...</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Edit Selected Channels…</source>
        <translation>Edytuj zaznaczone kanały…</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Delete and Shift Up</source>
        <translation>Usuń i przesuń w górę</translation>
    </message>
    <message>
        <source>Insert Empty Channel</source>
        <translation>Wstaw pusty kanał</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Przenieś w górę</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Przenieś w dół</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Sortuj według częstotliwości</translation>
    </message>
    <message>
        <source>Fill LPD Channels…</source>
        <translation>Wypełnij kanały LPD…</translation>
    </message>
    <message>
        <source>Fill PMR Channels…</source>
        <translation>Wypełnij kanały PMR…</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMemSub</name>
    <message>
        <source> Clone Utility(Memory Mode Sub)</source>
        <translation> Narzędzie klonowania (tryb pamięci, kanał)</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanał %1</translation>
    </message>
    <message>
        <source>Editing %1: blank fields stay as they are</source>
        <translation>Edycja: %1 – puste pola pozostają bez zmian</translation>
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
        <translation>Ustawienia trybu pamięci</translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation>Ustawienia trybu VFO</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Wczytaj</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Import(Mem Setting)</source>
        <translation>&amp;Importuj (ustawienia pamięci)</translation>
    </message>
    <message>
        <source>&amp;Export(Mem Setting)</source>
        <translation>&amp;Eksportuj (ustawienia pamięci)</translation>
    </message>
    <message>
        <source>&amp;Compare with File...</source>
        <translation>&amp;Porównaj z plikiem...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Dane</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Odczytaj</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Wszystko</translation>
    </message>
    <message>
        <source>&amp;Vfo Mode</source>
        <translation>Tryb &amp;VFO</translation>
    </message>
    <message>
        <source>&amp;Memory Mode</source>
        <translation>Tryb &amp;pamięci</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio</source>
        <translation>Porówn&amp;aj z radiotelefonem</translation>
    </message>
    <message>
        <source>&amp;Verify after Write</source>
        <translation>&amp;Weryfikuj po zapisie</translation>
    </message>
    <message>
        <source>&amp;Backup before Write</source>
        <translation>&amp;Kopia zapasowa przed zapisem</translation>
    </message>
    <message>
        <source>&amp;Exchange Trace</source>
        <translation>&amp;Rejestr komunikacji</translation>
    </message>
    <message>
        <source>Rev&amp;iew before Write</source>
        <translation>&amp;Przejrzyj przed zapisem</translation>
    </message>
    <message>
        <source>Write Changed Blocks &amp;Only</source>
        <translation>Zapisuj tylko zmienione &amp;bloki</translation>
    </message>
    <message>
        <source>&amp;Fast Transfer</source>
        <translation>&amp;Szybka transmisja</translation>
    </message>
    <message>
        <source>&amp;Port...</source>
        <translation>Por&amp;t...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>D&amp;rukuj</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Informacje</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Język...</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>&amp;Zgłoś problem...</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>port close</source>
        <translation>zamknij port</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>Language of the windows:</source>
        <translation>Język okien programu:</translation>
    </message>
    <message>
        <source>Each line: %1 → this document</source>
        <translation>Każdy wiersz: %1 → ten dokument</translation>
    </message>
    <message>
        <source>Each line: the radio → this document</source>
        <translation>Każdy wiersz: radiotelefon → ten dokument</translation>
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
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Producent</translation>
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
        <translation>Dostęp</translation>
    </message>
    <message>
        <source>Empty: the device found by the search</source>
        <translation>Puste: urządzenie znalezione podczas wyszukiwania</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>No serial port found; a device can still be typed below.</source>
        <translation>Nie znaleziono portu szeregowego; nadal można wpisać urządzenie poniżej.</translation>
    </message>
    <message>
        <source>To use a port marked &quot;no&quot;, %1.</source>
        <translation>Aby użyć portu oznaczonego jako &quot;nie&quot;, %1.</translation>
    </message>
    <message>
        <source>join the dialout group: sudo adduser $USER dialout, then log in again</source>
        <translation>dołącz do grupy dialout: sudo adduser $USER dialout, a następnie zaloguj się ponownie</translation>
    </message>
</context>
<context>
    <name>kvr27::frmReport</name>
    <message>
        <source>Report a Problem</source>
        <translation>Zgłoś problem</translation>
    </message>
    <message>
        <source>The report holds the files below, in one zip file saved where you choose. Nothing is sent anywhere: give the file to whoever helps you.</source>
        <translation>Raport zawiera poniższe pliki w jednym pliku zip zapisanym w wybranym miejscu. Nic nie jest nigdzie wysyłane: przekaż plik osobie, która Ci pomaga.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Size (bytes)</source>
        <translation>Rozmiar (bajty)</translation>
    </message>
    <message>
        <source>&amp;Include the current document as a clone file</source>
        <translation>&amp;Dołącz bieżący dokument jako plik klonu</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Zapisz...</translation>
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
