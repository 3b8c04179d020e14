<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Controls</name>
    <message>
        <source>Read Memories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Memories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disable All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Clone Utility(Memory Mode)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX tone freq (Encode)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX tone freq (Decode)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone frequency (PMR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch No (PMR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Clone Utility(Vfo Mode)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Mode Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call tone (Tone burst)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission Output Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stand-by-beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External terminal control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Repeater Access Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency(ch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bclo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TxTone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RxTone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PmrTone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The problem report could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KV-R27 Clone Utility is already boot up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write these changes into the radio?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio holds these settings already, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting has been changed.<byte value="xd"/>May you keep processing it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you wish to proceed?<byte value="xd"/>The new data will overwrite the current programminng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The max value is 99.995 or less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value is rounded off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value is rounded off.(Frequency)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value is rounded off.(Offset Frequency)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value is rounded off.(Repeater offset frequency)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File reading error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter from 433.06 to 434.785 or less only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter from 420 to 474 or less only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter from 430 to 440 or less only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected and actual models are different.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter 0 to 9 numeric values only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too much decimal points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter 1 to 8 numeric values only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The max value is 20 or less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value is not a valid number. Check the entry columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editing incomplete. Check blank columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open com Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read/Write Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The thing besides the range is not written in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No differences</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Reads, edits and writes the settings and the 100 memory channels of the KV-R27PA, KV-R27Z and KV-R27X hand-held radios over a serial cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1 beta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is free software: you may copy, share and change it under the terms of the GNU General Public License, version 3 or later. It comes with no warranty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial cable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvr27::app::TransferStatusBar</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A write cannot be cancelled: the radio would be left half written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmDifferences</name>
    <message>
        <source>(Differences)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each line: the radio now → after the write</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMem</name>
    <message>
        <source>Memory channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMemSub</name>
    <message>
        <source> Clone Utility(Memory Mode Sub)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvr27::frmAbout</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvr27::frmMain</name>
    <message>
        <source>Memory Mode Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import(Mem Setting)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export(Mem Setting)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare with File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vfo Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Memory Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare with Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify after Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backup before Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exchange Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rev&amp;iew before Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Changed Blocks &amp;Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fast Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the windows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each line: %1 → this document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each line: the radio → this document</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvr27::frmPort</name>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty: the device found by the search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port found; a device can still be typed below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To use a port marked &quot;no&quot;, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>join the dialout group: sudo adduser $USER dialout, then log in again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvr27::frmReport</name>
    <message>
        <source>Report a Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report holds the files below, in one zip file saved where you choose. Nothing is sent anywhere: give the file to whoever helps you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size (bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Include the current document as a clone file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvr27::frmStart</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
