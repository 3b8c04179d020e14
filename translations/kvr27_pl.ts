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
