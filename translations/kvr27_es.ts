<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Controls</name>
    <message>
        <source>Read Memories</source>
        <translation>Leer memorias</translation>
    </message>
    <message>
        <source>Write Memories</source>
        <translation>Escribir memorias</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>Activar todos</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>disable All</source>
        <translation>Desactivar todos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source> Clone Utility(Memory Mode)</source>
        <translation> Utilidad de clonación (modo memoria)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Shift direction</source>
        <translation>Dirección del desplazamiento</translation>
    </message>
    <message>
        <source>Offset frequency</source>
        <translation>Frecuencia de desplazamiento</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Paso de sintonía</translation>
    </message>
    <message>
        <source>Tone setting</source>
        <translation>Ajuste de tono</translation>
    </message>
    <message>
        <source>TX tone freq (Encode)</source>
        <translation>Frec. tono TX (codificación)</translation>
    </message>
    <message>
        <source>RX tone freq (Decode)</source>
        <translation>Frec. tono RX (decodificación)</translation>
    </message>
    <message>
        <source>Tone frequency (PMR)</source>
        <translation>Frecuencia de tono (PMR)</translation>
    </message>
    <message>
        <source>Scan skip</source>
        <translation>Omitir en el escaneo</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Ch No (PMR)</source>
        <translation>N.º canal (PMR)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Read Setting</source>
        <translation>Leer ajustes</translation>
    </message>
    <message>
        <source>Write Setting</source>
        <translation>Escribir ajustes</translation>
    </message>
    <message>
        <source> Clone Utility(Vfo Mode)</source>
        <translation> Utilidad de clonación (modo VFO)</translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation>Ajustes del modo VFO</translation>
    </message>
    <message>
        <source>Set Mode Setting</source>
        <translation>Ajustes del modo de configuración</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Nivel de squelch</translation>
    </message>
    <message>
        <source>Call tone (Tone burst)</source>
        <translation>Tono de llamada (tone burst)</translation>
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
        <translation>Frecuencia de tono</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Bloqueo de teclas</translation>
    </message>
    <message>
        <source>Transmission Output Level</source>
        <translation>Potencia de transmisión</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Tipo de batería</translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation>Pitido de teclas</translation>
    </message>
    <message>
        <source>Battery saving</source>
        <translation>Ahorro de batería</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Timbre</translation>
    </message>
    <message>
        <source>Stand-by-beep</source>
        <translation>Pitido de fin de transmisión</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Escaneo</translation>
    </message>
    <message>
        <source>External terminal control</source>
        <translation>Control por terminal externo</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>Quick Repeater Access Mode</source>
        <translation>Modo de acceso rápido a repetidor</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Frequency(ch)</source>
        <translation>Frec.(can)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Despl.</translation>
    </message>
    <message>
        <source>Shift Freq</source>
        <translation>Frec. despl.</translation>
    </message>
    <message>
        <source>Bclo</source>
        <translation>Bclo</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
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
        <translation>Informes de problemas (*.zip)</translation>
    </message>
    <message>
        <source>Norvik R-27 Clone Files (*.r27)</source>
        <translation>Archivos clon Norvik R-27 (*.r27)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>El idioma cambiará cuando se vuelva a iniciar el programa.</translation>
    </message>
    <message>
        <source>The problem report could not be saved.</source>
        <translation>No se pudo guardar el informe del problema.</translation>
    </message>
    <message>
        <source>KV-R27 Clone Utility is already boot up.</source>
        <translation>KV-R27 Clone Utility ya se está ejecutando.</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written.</source>
        <translation>No se pudo hacer una copia de seguridad de la radio, por lo que no se escribió nada.</translation>
    </message>
    <message>
        <source>Write these changes into the radio?</source>
        <translation>¿Escribir estos cambios en la radio?</translation>
    </message>
    <message>
        <source>The radio holds these settings already, so nothing was written.</source>
        <translation>La radio ya tiene estos ajustes, por lo que no se escribió nada.</translation>
    </message>
    <message>
        <source>The setting has been changed.<byte value="xd"/>May you keep processing it?</source>
        <translation>Se ha modificado el ajuste.</translation>
    </message>
    <message>
        <source>Are you sure you wish to proceed?<byte value="xd"/>The new data will overwrite the current programminng.</source>
        <translation>¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>The max value is 99.995 or less.</source>
        <translation>El valor máximo es 99.995.</translation>
    </message>
    <message>
        <source>The value is rounded off.</source>
        <translation>El valor se ha redondeado.</translation>
    </message>
    <message>
        <source>The value is rounded off.(Frequency)</source>
        <translation>El valor se ha redondeado.(Frecuencia)</translation>
    </message>
    <message>
        <source>The value is rounded off.(Offset Frequency)</source>
        <translation>El valor se ha redondeado.(Frecuencia de desplazamiento)</translation>
    </message>
    <message>
        <source>The value is rounded off.(Repeater offset frequency)</source>
        <translation>El valor se ha redondeado.(Desplazamiento del repetidor)</translation>
    </message>
    <message>
        <source>File reading error.</source>
        <translation>Error al leer el archivo.</translation>
    </message>
    <message>
        <source>Enter from 433.06 to 434.785 or less only.</source>
        <translation>Introduzca solo valores de 433.06 a 434.785.</translation>
    </message>
    <message>
        <source>Enter from 420 to 474 or less only.</source>
        <translation>Introduzca solo valores de 420 a 474.</translation>
    </message>
    <message>
        <source>Enter from 430 to 440 or less only.</source>
        <translation>Introduzca solo valores de 430 a 440.</translation>
    </message>
    <message>
        <source>The selected and actual models are different.</source>
        <translation>El modelo seleccionado y el modelo real son distintos.</translation>
    </message>
    <message>
        <source>Enter 0 to 9 numeric values only.</source>
        <translation>Introduzca solo cifras del 0 al 9.</translation>
    </message>
    <message>
        <source>Too much decimal points.</source>
        <translation>Demasiados puntos decimales.</translation>
    </message>
    <message>
        <source>Enter 1 to 8 numeric values only.</source>
        <translation>Introduzca solo cifras del 1 al 8.</translation>
    </message>
    <message>
        <source>The max value is 20 or less.</source>
        <translation>El valor máximo es 20.</translation>
    </message>
    <message>
        <source>The value is not a valid number. Check the entry columns.</source>
        <translation>El valor no es un número válido. Revise las columnas introducidas.</translation>
    </message>
    <message>
        <source>Editing incomplete. Check blank columns.</source>
        <translation>Edición incompleta. Revise las columnas vacías.</translation>
    </message>
    <message>
        <source>Can&apos;t open com Port</source>
        <translation>No se puede abrir el puerto COM</translation>
    </message>
    <message>
        <source>Read/Write Error</source>
        <translation>Error de lectura/escritura</translation>
    </message>
    <message>
        <source>The thing besides the range is not written in.</source>
        <translation>Lo que está fuera del rango no se escribe.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>La radio no contiene lo que se escribió:</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>El portapapeles no contiene canales.</translation>
    </message>
    <message>
        <source>1 enabled channel</source>
        <translation>1 canal activo</translation>
    </message>
    <message>
        <source>Channel 99 is in use, so no channel can be inserted: delete it or move it up first.</source>
        <translation>El canal 99 está en uso, no se puede insertar ningún canal: bórrelo o súbalo primero.</translation>
    </message>
    <message>
        <source>The language choice could not be saved in %1.</source>
        <translation>La elección de idioma no se pudo guardar en %1.</translation>
    </message>
    <message>
        <source>The port choice could not be saved in %1.</source>
        <translation>La elección de puerto no se pudo guardar en %1.</translation>
    </message>
    <message>
        <source>The problem report was saved as %1.</source>
        <translation>El informe del problema se guardó como %1.</translation>
    </message>
    <message>
        <source>The pasted table has the column %1 twice.</source>
        <translation>La tabla pegada tiene la columna %1 dos veces.</translation>
    </message>
    <message>
        <source>The pasted table has columns the channel grid does not know: %1.</source>
        <translation>La tabla pegada tiene columnas que la cuadrícula no conoce: %1.</translation>
    </message>
    <message>
        <source>The pasted table lacks the columns %1.</source>
        <translation>A la tabla pegada le faltan las columnas %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2: </source>
        <translation>Fila %1, columna %2: </translation>
    </message>
    <message>
        <source>The clipboard holds no table of channels: %1</source>
        <translation>El portapapeles no contiene una tabla de canales: %1</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Fila %1: %2.</translation>
    </message>
    <message>
        <source>The clipboard holds %1 channels, but from channel %2 only %3 fit.</source>
        <translation>El portapapeles contiene %1 canales, pero desde el canal %2 solo caben %3.</translation>
    </message>
    <message>
        <source>Row %1 has %2 fields, more than the %3 columns.</source>
        <translation>La fila %1 tiene %2 campos, más que las %3 columnas.</translation>
    </message>
    <message>
        <source>%1 enabled channels</source>
        <translation>%1 canales activos</translation>
    </message>
    <message>
        <source>The paste replaces %1. Paste over them?</source>
        <translation>Al pegar se reemplazan %1. ¿Pegar encima?</translation>
    </message>
    <message>
        <source>The new channels replace %1. Fill over them?</source>
        <translation>Los canales nuevos reemplazan %1. ¿Rellenar encima?</translation>
    </message>
    <message>
        <source>The %1 has no LPD channels.</source>
        <translation>El %1 no tiene canales LPD.</translation>
    </message>
    <message>
        <source>No LPD channel lies within this radio&apos;s range, %1.</source>
        <translation>Ningún canal LPD está en el rango de esta radio, %1.</translation>
    </message>
    <message>
        <source>The %1 has no PMR channels.</source>
        <translation>El %1 no tiene canales PMR.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written, and was left as it was.<byte value="xd"/>%2.</source>
        <translation>El archivo &quot;%1&quot; no se pudo escribir y quedó como estaba.<byte value="xd"/>%2.</translation>
    </message>
    <message>
        <source>Line %1: %2 %3 cannot be shown in the VFO window.</source>
        <translation>Línea %1: %2 %3 no se puede mostrar en la ventana VFO.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation>El archivo &quot;%1&quot; ya existe.<byte value="xd"/>¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The radio reports %1.</source>
        <translation>La radio indica %1.</translation>
    </message>
    <message>
        <source>Channel %1: </source>
        <translation>Canal %1: </translation>
    </message>
    <message>
        <source>Channel %1 is outside this radio&apos;s range, %2, and was not written.</source>
        <translation>El canal %1 está fuera del rango de esta radio, %2, y no se ha escrito.</translation>
    </message>
    <message>
        <source>Channels %1 are outside this radio&apos;s range, %2, and were not written.</source>
        <translation>Los canales %1 están fuera del rango de esta radio, %2, y no se han escrito.</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>No differences</source>
        <translation>Sin diferencias</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Activar %1</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>Desactivar %1</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>Activar todos</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>Desactivar todos</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Bajar %1</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Subir %1</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Ordenar por frecuencia</translation>
    </message>
    <message>
        <source>Fill LPD Channels</source>
        <translation>Rellenar canales LPD</translation>
    </message>
    <message>
        <source>Fill PMR Channels</source>
        <translation>Rellenar canales PMR</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 cargado</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <source>Imported %1</source>
        <translation>%1 importado</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportado</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 diferencia</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 diferencias</translation>
    </message>
    <message>
        <source>Printed 1 page</source>
        <translation>1 página impresa</translation>
    </message>
    <message>
        <source>the current channel</source>
        <translation>el canal actual</translation>
    </message>
    <message>
        <source>a VFO value is blank or no number</source>
        <translation>un valor VFO está vacío o no es un número</translation>
    </message>
    <message>
        <source>the VFO frequency is outside the model&apos;s range</source>
        <translation>la frecuencia VFO está fuera del rango del modelo</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificación</translation>
    </message>
    <message>
        <source>1 exchange was repeated</source>
        <translation>1 intercambio se repitió</translation>
    </message>
    <message>
        <source>1 channel left out: outside the radio&apos;s range</source>
        <translation>1 canal omitido: fuera del rango de la radio</translation>
    </message>
    <message>
        <source>the VFO settings</source>
        <translation>los ajustes VFO</translation>
    </message>
    <message>
        <source>the channel bitmap</source>
        <translation>el mapa de canales</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>no se escribió nada</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Cortar %1</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>Pegar %1</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Editar canal %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>canal %1</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Borrar %1</translation>
    </message>
    <message>
        <source>Delete and shift up %1</source>
        <translation>Borrar %1 y subir</translation>
    </message>
    <message>
        <source>Insert empty channel %1</source>
        <translation>Insertar canal vacío %1</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>Mover %1 a %2</translation>
    </message>
    <message>
        <source>backup: %1</source>
        <translation>copia: %1</translation>
    </message>
    <message>
        <source>trace: %1</source>
        <translation>registro: %1</translation>
    </message>
    <message>
        <source>trace not saved: %1</source>
        <translation>registro no guardado: %1</translation>
    </message>
    <message>
        <source>Import channels from %1</source>
        <translation>Importar canales de %1</translation>
    </message>
    <message>
        <source>Printed %1 pages</source>
        <translation>%1 páginas impresas</translation>
    </message>
    <message>
        <source>%1 to below %2 MHz</source>
        <translation>%1 a menos de %2 MHz</translation>
    </message>
    <message>
        <source>%1 MHz is outside this radio&apos;s range, %2: it will not be written.</source>
        <translation>%1 MHz está fuera del rango de esta radio, %2: no se escribirá.</translation>
    </message>
    <message>
        <source>block %1h</source>
        <translation>bloque %1h</translation>
    </message>
    <message>
        <source>could not open %1</source>
        <translation>no se pudo abrir %1</translation>
    </message>
    <message>
        <source>no answer from the radio at %1</source>
        <translation>sin respuesta de la radio en %1</translation>
    </message>
    <message>
        <source>an answer of the wrong length at %1</source>
        <translation>una respuesta de longitud errónea en %1</translation>
    </message>
    <message>
        <source>the radio answered &quot;ERR&quot; at %1</source>
        <translation>la radio respondió &quot;ERR&quot; en %1</translation>
    </message>
    <message>
        <source>an answer that is not hexadecimal at %1</source>
        <translation>una respuesta no hexadecimal en %1</translation>
    </message>
    <message>
        <source>the radio reports %1</source>
        <translation>la radio indica %1</translation>
    </message>
    <message>
        <source>the device is gone at %1</source>
        <translation>el dispositivo desapareció en %1</translation>
    </message>
    <message>
        <source>%1 complete and verified</source>
        <translation>%1 completa y verificada</translation>
    </message>
    <message>
        <source>%1 complete</source>
        <translation>%1 completa</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1 cancelada</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 fallida: %2</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 rechazada: %2</translation>
    </message>
    <message>
        <source>Write not verified on %1: %2</source>
        <translation>Escritura no verificada en %1: %2</translation>
    </message>
    <message>
        <source>%1 failed on %2: %3</source>
        <translation>%1 fallida en %2: %3</translation>
    </message>
    <message>
        <source>slowed down after %1</source>
        <translation>ralentizado tras %1</translation>
    </message>
    <message>
        <source>%1 exchanges were repeated</source>
        <translation>%1 intercambios se repitieron</translation>
    </message>
    <message>
        <source>%1 channels left out: outside the radio&apos;s range</source>
        <translation>%1 canales omitidos: fuera del rango de la radio</translation>
    </message>
    <message>
        <source>%1 of 1 block changed</source>
        <translation>%1 de 1 bloque cambiado</translation>
    </message>
    <message>
        <source>%1 of %2 blocks changed</source>
        <translation>%1 de %2 bloques cambiados</translation>
    </message>
    <message>
        <source>%1 of 3 VFO blocks</source>
        <translation>%1 de 3 bloques VFO</translation>
    </message>
    <message>
        <source>written: %1</source>
        <translation>escrito: %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canal %1: %2</translation>
    </message>
    <message>
        <source>Channel %1 (not in use), %2: %3</source>
        <translation>Canal %1 (sin uso), %2: %3</translation>
    </message>
    <message>
        <source>Channel %1, %2: %3</source>
        <translation>Canal %1, %2: %3</translation>
    </message>
    <message>
        <source>Edit VFO settings</source>
        <translation>Editar ajustes VFO</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Reads, edits and writes the settings and the 100 memory channels of the KV-R27PA, KV-R27Z and KV-R27X hand-held radios over a serial cable.</source>
        <translation>Lee, edita y escribe los ajustes y los 100 canales de memoria de las radios portátiles KV-R27PA, KV-R27Z y KV-R27X mediante un cable serie.</translation>
    </message>
    <message>
        <source>Version %1 beta</source>
        <translation>Versión %1 beta</translation>
    </message>
    <message>
        <source>This program is free software: you may copy, share and change it under the terms of the GNU General Public License, version 3 or later. It comes with no warranty.</source>
        <translation>Este programa es software libre: puede copiarlo, compartirlo y modificarlo según los términos de la Licencia Pública General de GNU, versión 3 o posterior. Se distribuye sin ninguna garantía.</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Serial cable</source>
        <translation>Cable serie</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Memory mode write</source>
        <translation>Escritura modo memoria</translation>
    </message>
    <message>
        <source>Vfo mode read</source>
        <translation>Lectura modo VFO</translation>
    </message>
    <message>
        <source>Memory mode read</source>
        <translation>Lectura modo memoria</translation>
    </message>
    <message>
        <source>Vfo mode Write</source>
        <translation>Escritura modo VFO</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificación</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>The radio could not be read: %1</source>
        <translation>No se ha podido leer la radio: %1</translation>
    </message>
    <message>
        <source>The backup could not be saved: %1</source>
        <translation>No se ha podido guardar la copia de seguridad: %1</translation>
    </message>
    <message>
        <source>The program knows no folder for backups.</source>
        <translation>El programa no conoce ninguna carpeta para las copias de seguridad.</translation>
    </message>
    <message>
        <source>The file is too large: %1 bytes, more than the %2 this program reads</source>
        <translation>El archivo es demasiado grande: %1 bytes, más de los %2 que lee este programa</translation>
    </message>
    <message>
        <source>Not a regular file (a named pipe)</source>
        <translation>No es un archivo normal (una tubería con nombre)</translation>
    </message>
    <message>
        <source>Not a regular file (a device)</source>
        <translation>No es un archivo normal (un dispositivo)</translation>
    </message>
    <message>
        <source>Not a regular file (a socket)</source>
        <translation>No es un archivo normal (un socket)</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>No file name given</source>
        <translation>No se ha indicado ningún nombre de archivo</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>El archivo es de solo lectura</translation>
    </message>
    <message>
        <source>Another program is using the file; close it there and try again</source>
        <translation>Otro programa está usando el archivo; ciérrelo allí e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Cannot make a new file in the folder &quot;%1&quot;: %2</source>
        <translation>No se puede crear un archivo nuevo en la carpeta &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>System error %1</source>
        <translation>Error del sistema %1</translation>
    </message>
    <message>
        <source>%1 lines, more than 102</source>
        <translation>%1 líneas, más de 102</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the current channel %1 plus 1 is outside 0 to 255</source>
        <translation>el canal actual %1 más 1 está fuera de 0 a 255</translation>
    </message>
    <message>
        <source>%1 fields instead of 12</source>
        <translation>%1 campos en lugar de 12</translation>
    </message>
    <message>
        <source>the field in quotes %1 is not closed</source>
        <translation>el campo entre comillas %1 no está cerrado</translation>
    </message>
    <message>
        <source>the field in quotes %1 has text after its closing quote</source>
        <translation>el campo entre comillas %1 tiene texto después de la comilla de cierre</translation>
    </message>
    <message>
        <source>mode %1 names no channel of %2</source>
        <translation>el modo %1 no indica ningún canal del %2</translation>
    </message>
    <message>
        <source>channel number %1 is not a number</source>
        <translation>el número de canal %1 no es un número</translation>
    </message>
    <message>
        <source>frequency %1 is not a number of MHz that fits</source>
        <translation>la frecuencia %1 no es un número de MHz válido</translation>
    </message>
    <message>
        <source>offset %1 is not a number</source>
        <translation>el desplazamiento %1 no es un número</translation>
    </message>
    <message>
        <source>channel %1 %2</source>
        <translation>canal %1 %2</translation>
    </message>
    <message>
        <source>%1 is neither #TRUE# nor #FALSE#</source>
        <translation>%1 no es ni #TRUE# ni #FALSE#</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 no es un número entero</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 está fuera de %2 a %3</translation>
    </message>
    <message>
        <source>%1 lines instead of 831</source>
        <translation>%1 líneas en lugar de 831</translation>
    </message>
    <message>
        <source>a byte %1, so the file is no text</source>
        <translation>un byte %1, así que el archivo no es texto</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>done</source>
        <translation>hecho</translation>
    </message>
    <message>
        <source>port not opened: %1</source>
        <translation>puerto no abierto: %1</translation>
    </message>
    <message>
        <source>no answer to %1</source>
        <translation>sin respuesta a %1</translation>
    </message>
    <message>
        <source>answer of the wrong length to %1</source>
        <translation>respuesta de longitud incorrecta a %1</translation>
    </message>
    <message>
        <source>&quot;ERR&quot; answer to %1</source>
        <translation>respuesta &quot;ERR&quot; a %1</translation>
    </message>
    <message>
        <source>answer that is not hexadecimal to %1</source>
        <translation>respuesta no hexadecimal a %1</translation>
    </message>
    <message>
        <source>the radio is of another model than the one chosen</source>
        <translation>la radio es de otro modelo distinto del elegido</translation>
    </message>
    <message>
        <source>the radio reports %1, another model than the one chosen</source>
        <translation>la radio indica %1, otro modelo distinto del elegido</translation>
    </message>
    <message>
        <source>the VFO values were refused (blank or not a number)</source>
        <translation>los valores VFO se han rechazado (vacíos o no numéricos)</translation>
    </message>
    <message>
        <source>the VFO frequency is outside the model&apos;s transmit range</source>
        <translation>la frecuencia VFO está fuera del rango de transmisión del modelo</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>read-back differs: %1</source>
        <translation>la relectura difiere: %1</translation>
    </message>
    <message>
        <source>the device %1 is gone</source>
        <translation>el dispositivo %1 ha desaparecido</translation>
    </message>
    <message>
        <source>unknown fault</source>
        <translation>fallo desconocido</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>[VFO Setting]</source>
        <translation>[Ajuste VFO]</translation>
    </message>
    <message>
        <source>[Memory mode]</source>
        <translation>[Modo memoria]</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Bloqueo de teclas</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Nivel de squelch</translation>
    </message>
    <message>
        <source>Tone setting</source>
        <translation>Ajuste de tono</translation>
    </message>
    <message>
        <source>TX tone freq (Encode)</source>
        <translation>Frec. tono TX (codificación)</translation>
    </message>
    <message>
        <source>RX tone freq (Decode)</source>
        <translation>Frec. tono RX (decodificación)</translation>
    </message>
    <message>
        <source>Transmission Output Level</source>
        <translation>Potencia de transmisión</translation>
    </message>
    <message>
        <source>Ch No (PMR)</source>
        <translation>N.º canal (PMR)</translation>
    </message>
    <message>
        <source>Tone frequency (PMR)</source>
        <translation>Frecuencia de tono (PMR)</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Paso de sintonía</translation>
    </message>
    <message>
        <source>Shift direction</source>
        <translation>Dirección del desplazamiento</translation>
    </message>
    <message>
        <source>Offset frequency</source>
        <translation>Frecuencia de desplazamiento</translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation>Pitido de teclas</translation>
    </message>
    <message>
        <source>Call tone (Tone burst)</source>
        <translation>Tono de llamada (tone burst)</translation>
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
        <translation>Ahorro de batería</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Timbre</translation>
    </message>
    <message>
        <source>Stand-by-beep</source>
        <translation>Pitido de fin de transmisión</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Escaneo</translation>
    </message>
    <message>
        <source>Scan skip</source>
        <translation>Omitir en el escaneo</translation>
    </message>
    <message>
        <source>External terminal control</source>
        <translation>Control por terminal externo</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Tipo de batería</translation>
    </message>
    <message>
        <source>Tone frequency</source>
        <translation>Frecuencia de tono</translation>
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
        <translation>Sí</translation>
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
        <translation>Baja</translation>
    </message>
    <message>
        <source>Timed</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
    <message>
        <source>On(5s)</source>
        <translation>Sí(5s)</translation>
    </message>
    <message>
        <source>(blank)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>en uso</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>sin uso</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>kvr27::app::TransferStatusBar</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Last command</source>
        <translation>Último comando</translation>
    </message>
    <message>
        <source>A write cannot be cancelled: the radio would be left half written.</source>
        <translation>No se puede cancelar una escritura: la radio quedaría escrita a medias.</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmDifferences</name>
    <message>
        <source>(Differences)</source>
        <translation>(Diferencias)</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Each line: the radio now → after the write</source>
        <translation>Cada línea: la radio ahora → tras la escritura</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMem</name>
    <message>
        <source>Memory channels</source>
        <translation>Canales de memoria</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Editar canal...</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Edit Selected Channels…</source>
        <translation>Editar canales seleccionados…</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete and Shift Up</source>
        <translation>Eliminar y desplazar hacia arriba</translation>
    </message>
    <message>
        <source>Insert Empty Channel</source>
        <translation>Insertar canal vacío</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Ordenar por frecuencia</translation>
    </message>
    <message>
        <source>Fill LPD Channels…</source>
        <translation>Rellenar canales LPD…</translation>
    </message>
    <message>
        <source>Fill PMR Channels…</source>
        <translation>Rellenar canales PMR…</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMemSub</name>
    <message>
        <source> Clone Utility(Memory Mode Sub)</source>
        <translation> Utilidad de clonación (modo memoria, canal)</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Editing %1: blank fields stay as they are</source>
        <translation>Editando %1: los campos vacíos no cambian</translation>
    </message>
</context>
<context>
    <name>kvr27::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>kvr27::frmMain</name>
    <message>
        <source>Memory Mode Setting</source>
        <translation>Ajustes del modo memoria</translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation>Ajustes del modo VFO</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Import(Mem Setting)</source>
        <translation>&amp;Importar (ajustes de memoria)</translation>
    </message>
    <message>
        <source>&amp;Export(Mem Setting)</source>
        <translation>&amp;Exportar (ajustes de memoria)</translation>
    </message>
    <message>
        <source>&amp;Compare with File...</source>
        <translation>&amp;Comparar con archivo...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Datos</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leer</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todo</translation>
    </message>
    <message>
        <source>&amp;Vfo Mode</source>
        <translation>Modo &amp;VFO</translation>
    </message>
    <message>
        <source>&amp;Memory Mode</source>
        <translation>Modo &amp;memoria</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio</source>
        <translation>Co&amp;mparar con la radio</translation>
    </message>
    <message>
        <source>&amp;Verify after Write</source>
        <translation>&amp;Verificar tras escribir</translation>
    </message>
    <message>
        <source>&amp;Backup before Write</source>
        <translation>&amp;Copia de seguridad antes de escribir</translation>
    </message>
    <message>
        <source>&amp;Exchange Trace</source>
        <translation>&amp;Traza del intercambio</translation>
    </message>
    <message>
        <source>Rev&amp;iew before Write</source>
        <translation>&amp;Revisar antes de escribir</translation>
    </message>
    <message>
        <source>Write Changed Blocks &amp;Only</source>
        <translation>Escribir solo los &amp;bloques modificados</translation>
    </message>
    <message>
        <source>&amp;Fast Transfer</source>
        <translation>Trans&amp;ferencia rápida</translation>
    </message>
    <message>
        <source>&amp;Port...</source>
        <translation>&amp;Puerto...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Información</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Idioma...</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>&amp;Notificar un problema...</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Puerto COM</translation>
    </message>
    <message>
        <source>port close</source>
        <translation>cerrar puerto</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Language of the windows:</source>
        <translation>Idioma de las ventanas:</translation>
    </message>
    <message>
        <source>Each line: %1 → this document</source>
        <translation>Cada línea: %1 → este documento</translation>
    </message>
    <message>
        <source>Each line: the radio → this document</source>
        <translation>Cada línea: la radio → este documento</translation>
    </message>
</context>
<context>
    <name>kvr27::frmPort</name>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Fabricante</translation>
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
        <translation>Acceso</translation>
    </message>
    <message>
        <source>Empty: the device found by the search</source>
        <translation>Vacío: el dispositivo encontrado en la búsqueda</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>No serial port found; a device can still be typed below.</source>
        <translation>No se encontró ningún puerto serie; aun así puede escribir un dispositivo abajo.</translation>
    </message>
    <message>
        <source>To use a port marked &quot;no&quot;, %1.</source>
        <translation>Para usar un puerto marcado con &quot;no&quot;, %1.</translation>
    </message>
    <message>
        <source>join the dialout group: sudo adduser $USER dialout, then log in again</source>
        <translation>únase al grupo dialout: sudo adduser $USER dialout, y vuelva a iniciar sesión</translation>
    </message>
</context>
<context>
    <name>kvr27::frmReport</name>
    <message>
        <source>Report a Problem</source>
        <translation>Notificar un problema</translation>
    </message>
    <message>
        <source>The report holds the files below, in one zip file saved where you choose. Nothing is sent anywhere: give the file to whoever helps you.</source>
        <translation>El informe contiene los archivos siguientes, en un único archivo zip guardado donde usted elija. No se envía nada a ningún sitio: entregue el archivo a quien le ayude.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Size (bytes)</source>
        <translation>Tamaño (bytes)</translation>
    </message>
    <message>
        <source>&amp;Include the current document as a clone file</source>
        <translation>&amp;Incluir el documento actual como archivo de clonación</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
</context>
<context>
    <name>kvr27::frmStart</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
