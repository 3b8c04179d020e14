<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Controls</name>
    <message>
        <source>Read Memories</source>
        <translation>Lire les mémoires</translation>
    </message>
    <message>
        <source>Write Memories</source>
        <translation>Écrire les mémoires</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>Tout activer</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>disable All</source>
        <translation>Tout désactiver</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source> Clone Utility(Memory Mode)</source>
        <translation> Clone Utility (mode mémoire)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Shift direction</source>
        <translation>Sens du décalage</translation>
    </message>
    <message>
        <source>Offset frequency</source>
        <translation>Fréquence de décalage</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Pas de fréquence</translation>
    </message>
    <message>
        <source>Tone setting</source>
        <translation>Réglage de la tonalité</translation>
    </message>
    <message>
        <source>TX tone freq (Encode)</source>
        <translation>Fréq. tonalité TX (encodage)</translation>
    </message>
    <message>
        <source>RX tone freq (Decode)</source>
        <translation>Fréq. tonalité RX (décodage)</translation>
    </message>
    <message>
        <source>Tone frequency (PMR)</source>
        <translation>Fréquence de tonalité (PMR)</translation>
    </message>
    <message>
        <source>Scan skip</source>
        <translation>Exclusion du balayage</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Ch No (PMR)</source>
        <translation>N° canal (PMR)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Read Setting</source>
        <translation>Lire les réglages</translation>
    </message>
    <message>
        <source>Write Setting</source>
        <translation>Écrire les réglages</translation>
    </message>
    <message>
        <source> Clone Utility(Vfo Mode)</source>
        <translation> Clone Utility (mode VFO)</translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation>Réglages du mode VFO</translation>
    </message>
    <message>
        <source>Set Mode Setting</source>
        <translation>Réglages du mode SET</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Niveau de squelch</translation>
    </message>
    <message>
        <source>Call tone (Tone burst)</source>
        <translation>Tonalité d&apos;appel (tone burst)</translation>
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
        <translation>Fréquence de tonalité</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Verrouillage du clavier</translation>
    </message>
    <message>
        <source>Transmission Output Level</source>
        <translation>Puissance d&apos;émission</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Type de batterie</translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation>Bip sonore</translation>
    </message>
    <message>
        <source>Battery saving</source>
        <translation>Économie de batterie</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Sonnerie</translation>
    </message>
    <message>
        <source>Stand-by-beep</source>
        <translation>Bip de fin de transmission</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>External terminal control</source>
        <translation>Commande par borne externe</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>Quick Repeater Access Mode</source>
        <translation>Mode d&apos;accès rapide au relais</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Frequency(ch)</source>
        <translation>Fréq.(can)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift Freq</source>
        <translation>Fréq. shift</translation>
    </message>
    <message>
        <source>Bclo</source>
        <translation>Bclo</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saut</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tone</translation>
    </message>
    <message>
        <source>TxTone</source>
        <translation>Tone TX</translation>
    </message>
    <message>
        <source>RxTone</source>
        <translation>Tone RX</translation>
    </message>
    <message>
        <source>PmrTone</source>
        <translation>Tone PMR</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>mode</translation>
    </message>
</context>
<context>
    <name>Filters</name>
    <message>
        <source>Problem Reports (*.zip)</source>
        <translation>Rapports de problème (*.zip)</translation>
    </message>
    <message>
        <source>Norvik R-27 Clone Files (*.r27)</source>
        <translation>Fichiers clones Norvik R-27 (*.r27)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>La langue change au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>The problem report could not be saved.</source>
        <translation>Le rapport de problème n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>KV-R27 Clone Utility is already boot up.</source>
        <translation>KV-R27 Clone Utility est déjà lancé.</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written.</source>
        <translation>Aucune sauvegarde de la radio n&apos;a pu être faite ; rien n&apos;a donc été écrit.</translation>
    </message>
    <message>
        <source>Write these changes into the radio?</source>
        <translation>Écrire ces modifications dans la radio ?</translation>
    </message>
    <message>
        <source>The radio holds these settings already, so nothing was written.</source>
        <translation>La radio contient déjà ces réglages ; rien n&apos;a donc été écrit.</translation>
    </message>
    <message>
        <source>The setting has been changed.<byte value="xd"/>May you keep processing it?</source>
        <translation>Le réglage a été modifié.</translation>
    </message>
    <message>
        <source>Are you sure you wish to proceed?<byte value="xd"/>The new data will overwrite the current programminng.</source>
        <translation>Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>The max value is 99.995 or less.</source>
        <translation>La valeur maximale est 99.995.</translation>
    </message>
    <message>
        <source>The value is rounded off.</source>
        <translation>La valeur a été arrondie.</translation>
    </message>
    <message>
        <source>The value is rounded off.(Frequency)</source>
        <translation>La valeur a été arrondie. (Fréquence)</translation>
    </message>
    <message>
        <source>The value is rounded off.(Offset Frequency)</source>
        <translation>La valeur a été arrondie. (Fréquence de décalage)</translation>
    </message>
    <message>
        <source>The value is rounded off.(Repeater offset frequency)</source>
        <translation>La valeur a été arrondie. (Décalage du relais)</translation>
    </message>
    <message>
        <source>File reading error.</source>
        <translation>Erreur de lecture du fichier.</translation>
    </message>
    <message>
        <source>Enter from 433.06 to 434.785 or less only.</source>
        <translation>Saisissez une valeur de 433.06 à 434.785.</translation>
    </message>
    <message>
        <source>Enter from 420 to 474 or less only.</source>
        <translation>Saisissez une valeur de 420 à 474.</translation>
    </message>
    <message>
        <source>Enter from 430 to 440 or less only.</source>
        <translation>Saisissez une valeur de 430 à 440.</translation>
    </message>
    <message>
        <source>The selected and actual models are different.</source>
        <translation>Le modèle sélectionné et le modèle réel sont différents.</translation>
    </message>
    <message>
        <source>Enter 0 to 9 numeric values only.</source>
        <translation>Saisissez uniquement des chiffres de 0 à 9.</translation>
    </message>
    <message>
        <source>Too much decimal points.</source>
        <translation>Trop de points décimaux.</translation>
    </message>
    <message>
        <source>Enter 1 to 8 numeric values only.</source>
        <translation>Saisissez uniquement des chiffres de 1 à 8.</translation>
    </message>
    <message>
        <source>The max value is 20 or less.</source>
        <translation>La valeur maximale est 20.</translation>
    </message>
    <message>
        <source>The value is not a valid number. Check the entry columns.</source>
        <translation>La valeur n&apos;est pas un nombre valide. Vérifiez les champs de saisie.</translation>
    </message>
    <message>
        <source>Editing incomplete. Check blank columns.</source>
        <translation>Saisie incomplète. Vérifiez les champs vides.</translation>
    </message>
    <message>
        <source>Can&apos;t open com Port</source>
        <translation>Impossible d&apos;ouvrir le port COM</translation>
    </message>
    <message>
        <source>Read/Write Error</source>
        <translation>Erreur de lecture/écriture</translation>
    </message>
    <message>
        <source>The thing besides the range is not written in.</source>
        <translation>Les valeurs hors plage ne sont pas écrites.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>La radio ne contient pas ce qui a été écrit :</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>Le presse-papiers ne contient aucun canal.</translation>
    </message>
    <message>
        <source>1 enabled channel</source>
        <translation>1 canal actif</translation>
    </message>
    <message>
        <source>Channel 99 is in use, so no channel can be inserted: delete it or move it up first.</source>
        <translation>Le canal 99 est occupé, aucun canal ne peut être inséré : supprimez-le ou déplacez-le d&apos;abord vers le haut.</translation>
    </message>
    <message>
        <source>The language choice could not be saved in %1.</source>
        <translation>Le choix de la langue n&apos;a pas pu être enregistré dans %1.</translation>
    </message>
    <message>
        <source>The port choice could not be saved in %1.</source>
        <translation>Le choix du port n&apos;a pas pu être enregistré dans %1.</translation>
    </message>
    <message>
        <source>The problem report was saved as %1.</source>
        <translation>Le rapport d&apos;erreur a été enregistré sous %1.</translation>
    </message>
    <message>
        <source>The pasted table has the column %1 twice.</source>
        <translation>Le tableau collé contient deux fois la colonne %1.</translation>
    </message>
    <message>
        <source>The pasted table has columns the channel grid does not know: %1.</source>
        <translation>Le tableau collé a des colonnes inconnues de la grille : %1.</translation>
    </message>
    <message>
        <source>The pasted table lacks the columns %1.</source>
        <translation>Il manque au tableau collé les colonnes %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2: </source>
        <translation>Ligne %1, colonne %2 : </translation>
    </message>
    <message>
        <source>The clipboard holds no table of channels: %1</source>
        <translation>Le presse-papiers ne contient pas de tableau de canaux : %1</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Ligne %1 : %2.</translation>
    </message>
    <message>
        <source>The clipboard holds %1 channels, but from channel %2 only %3 fit.</source>
        <translation>Le presse-papiers contient %1 canaux, mais à partir du canal %2 seuls %3 tiennent.</translation>
    </message>
    <message>
        <source>Row %1 has %2 fields, more than the %3 columns.</source>
        <translation>La ligne %1 a %2 champs, plus que les %3 colonnes.</translation>
    </message>
    <message>
        <source>%1 enabled channels</source>
        <translation>%1 canaux actifs</translation>
    </message>
    <message>
        <source>The paste replaces %1. Paste over them?</source>
        <translation>Le collage remplace %1. Coller par-dessus ?</translation>
    </message>
    <message>
        <source>The new channels replace %1. Fill over them?</source>
        <translation>Les nouveaux canaux remplacent %1. Remplir par-dessus ?</translation>
    </message>
    <message>
        <source>The %1 has no LPD channels.</source>
        <translation>Le %1 n&apos;a pas de canaux LPD.</translation>
    </message>
    <message>
        <source>No LPD channel lies within this radio&apos;s range, %1.</source>
        <translation>Aucun canal LPD n&apos;est dans la plage de cette radio, %1.</translation>
    </message>
    <message>
        <source>The %1 has no PMR channels.</source>
        <translation>Le %1 n&apos;a pas de canaux PMR.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written, and was left as it was.<byte value="xd"/>%2.</source>
        <translation>Le fichier &quot;%1&quot; n&apos;a pas pu être écrit et n&apos;a pas été modifié.<byte value="xd"/>%2.</translation>
    </message>
    <message>
        <source>Line %1: %2 %3 cannot be shown in the VFO window.</source>
        <translation>Ligne %1 : %2 %3 ne peut pas être affiché dans la fenêtre VFO.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation>Le fichier &quot;%1&quot; existe déjà.<byte value="xd"/>Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The radio reports %1.</source>
        <translation>La radio indique %1.</translation>
    </message>
    <message>
        <source>Channel %1: </source>
        <translation>Canal %1 : </translation>
    </message>
    <message>
        <source>Channel %1 is outside this radio&apos;s range, %2, and was not written.</source>
        <translation>Le canal %1 est hors de la plage de cette radio, %2, et n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>Channels %1 are outside this radio&apos;s range, %2, and were not written.</source>
        <translation>Les canaux %1 sont hors de la plage de cette radio, %2, et n&apos;ont pas été écrits.</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir %1</translation>
    </message>
    <message>
        <source>No differences</source>
        <translation>Aucune différence</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Activer %1</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>Désactiver %1</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>Tout activer</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>Tout désactiver</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Descendre %1</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Monter %1</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Trier par fréquence</translation>
    </message>
    <message>
        <source>Fill LPD Channels</source>
        <translation>Remplir les canaux LPD</translation>
    </message>
    <message>
        <source>Fill PMR Channels</source>
        <translation>Remplir les canaux PMR</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 chargé</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Imported %1</source>
        <translation>%1 importé</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exporté</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 différence</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 différences</translation>
    </message>
    <message>
        <source>Printed 1 page</source>
        <translation>1 page imprimée</translation>
    </message>
    <message>
        <source>the current channel</source>
        <translation>le canal actuel</translation>
    </message>
    <message>
        <source>a VFO value is blank or no number</source>
        <translation>une valeur VFO est vide ou n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the VFO frequency is outside the model&apos;s range</source>
        <translation>la fréquence VFO est hors de la plage du modèle</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>1 exchange was repeated</source>
        <translation>1 échange a été répété</translation>
    </message>
    <message>
        <source>1 channel left out: outside the radio&apos;s range</source>
        <translation>1 canal omis : hors de la plage de la radio</translation>
    </message>
    <message>
        <source>the VFO settings</source>
        <translation>les réglages VFO</translation>
    </message>
    <message>
        <source>the channel bitmap</source>
        <translation>la table d&apos;occupation des canaux</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Couper %1</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>Coller %1</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Modifier le canal %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>canal %1</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Delete and shift up %1</source>
        <translation>Supprimer %1 et remonter</translation>
    </message>
    <message>
        <source>Insert empty channel %1</source>
        <translation>Insérer le canal vide %1</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>Déplacer %1 vers %2</translation>
    </message>
    <message>
        <source>backup: %1</source>
        <translation>sauvegarde : %1</translation>
    </message>
    <message>
        <source>trace: %1</source>
        <translation>trace : %1</translation>
    </message>
    <message>
        <source>trace not saved: %1</source>
        <translation>trace non enregistrée : %1</translation>
    </message>
    <message>
        <source>Import channels from %1</source>
        <translation>Importer les canaux de %1</translation>
    </message>
    <message>
        <source>Printed %1 pages</source>
        <translation>%1 pages imprimées</translation>
    </message>
    <message>
        <source>%1 to below %2 MHz</source>
        <translation>%1 à moins de %2 MHz</translation>
    </message>
    <message>
        <source>%1 MHz is outside this radio&apos;s range, %2: it will not be written.</source>
        <translation>%1 MHz est hors de la plage de cette radio, %2 : non écrit.</translation>
    </message>
    <message>
        <source>block %1h</source>
        <translation>bloc %1h</translation>
    </message>
    <message>
        <source>could not open %1</source>
        <translation>impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>no answer from the radio at %1</source>
        <translation>pas de réponse de la radio à %1</translation>
    </message>
    <message>
        <source>an answer of the wrong length at %1</source>
        <translation>une réponse de mauvaise longueur à %1</translation>
    </message>
    <message>
        <source>the radio answered &quot;ERR&quot; at %1</source>
        <translation>la radio a répondu &quot;ERR&quot; à %1</translation>
    </message>
    <message>
        <source>an answer that is not hexadecimal at %1</source>
        <translation>une réponse non hexadécimale à %1</translation>
    </message>
    <message>
        <source>the radio reports %1</source>
        <translation>la radio indique %1</translation>
    </message>
    <message>
        <source>the device is gone at %1</source>
        <translation>l&apos;appareil a disparu à %1</translation>
    </message>
    <message>
        <source>%1 complete and verified</source>
        <translation>%1 terminé(e) et vérifié(e)</translation>
    </message>
    <message>
        <source>%1 complete</source>
        <translation>%1 terminé(e)</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1 annulé(e)</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 échoué(e) : %2</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 refusé(e) : %2</translation>
    </message>
    <message>
        <source>Write not verified on %1: %2</source>
        <translation>Écriture non vérifiée sur %1 : %2</translation>
    </message>
    <message>
        <source>%1 failed on %2: %3</source>
        <translation>%1 échoué(e) sur %2 : %3</translation>
    </message>
    <message>
        <source>slowed down after %1</source>
        <translation>ralenti après %1</translation>
    </message>
    <message>
        <source>%1 exchanges were repeated</source>
        <translation>%1 échanges ont été répétés</translation>
    </message>
    <message>
        <source>%1 channels left out: outside the radio&apos;s range</source>
        <translation>%1 canaux omis : hors de la plage de la radio</translation>
    </message>
    <message>
        <source>%1 of 1 block changed</source>
        <translation>%1 bloc sur 1 modifié</translation>
    </message>
    <message>
        <source>%1 of %2 blocks changed</source>
        <translation>%1 blocs sur %2 modifiés</translation>
    </message>
    <message>
        <source>%1 of 3 VFO blocks</source>
        <translation>%1 blocs VFO sur 3</translation>
    </message>
    <message>
        <source>written: %1</source>
        <translation>écrit : %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canal %1 : %2</translation>
    </message>
    <message>
        <source>Channel %1 (not in use), %2: %3</source>
        <translation>Canal %1 (non utilisé), %2 : %3</translation>
    </message>
    <message>
        <source>Channel %1, %2: %3</source>
        <translation>Canal %1, %2 : %3</translation>
    </message>
    <message>
        <source>Edit VFO settings</source>
        <translation>Modifier les réglages VFO</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Reads, edits and writes the settings and the 100 memory channels of the KV-R27PA, KV-R27Z and KV-R27X hand-held radios over a serial cable.</source>
        <translation>Lit, modifie et écrit les réglages et les 100 canaux mémoire des radios portatives KV-R27PA, KV-R27Z et KV-R27X par un câble série.</translation>
    </message>
    <message>
        <source>Version %1 beta</source>
        <translation>Version %1 bêta</translation>
    </message>
    <message>
        <source>This program is free software: you may copy, share and change it under the terms of the GNU General Public License, version 3 or later. It comes with no warranty.</source>
        <translation>Ce programme est un logiciel libre : vous pouvez le copier, le partager et le modifier selon les termes de la licence publique générale GNU (GNU General Public License), version 3 ou ultérieure. Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Serial cable</source>
        <translation>Câble série</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Memory mode write</source>
        <translation>Écriture mode mémoire</translation>
    </message>
    <message>
        <source>Vfo mode read</source>
        <translation>Lecture mode VFO</translation>
    </message>
    <message>
        <source>Memory mode read</source>
        <translation>Lecture mode mémoire</translation>
    </message>
    <message>
        <source>Vfo mode Write</source>
        <translation>Écriture mode VFO</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Vérification</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>The radio could not be read: %1</source>
        <translation>La radio n&apos;a pas pu être lue : %1</translation>
    </message>
    <message>
        <source>The backup could not be saved: %1</source>
        <translation>La sauvegarde n&apos;a pas pu être enregistrée : %1</translation>
    </message>
    <message>
        <source>The program knows no folder for backups.</source>
        <translation>Le programme ne connaît aucun dossier pour les sauvegardes.</translation>
    </message>
    <message>
        <source>The file is too large: %1 bytes, more than the %2 this program reads</source>
        <translation>Le fichier est trop volumineux : %1 octets, plus que les %2 que ce programme lit</translation>
    </message>
    <message>
        <source>Not a regular file (a named pipe)</source>
        <translation>Pas un fichier ordinaire (un tube nommé)</translation>
    </message>
    <message>
        <source>Not a regular file (a device)</source>
        <translation>Pas un fichier ordinaire (un périphérique)</translation>
    </message>
    <message>
        <source>Not a regular file (a socket)</source>
        <translation>Pas un fichier ordinaire (un socket)</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>No file name given</source>
        <translation>Aucun nom de fichier indiqué</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>Le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>Another program is using the file; close it there and try again</source>
        <translation>Un autre programme utilise le fichier ; fermez-le dans ce programme et réessayez</translation>
    </message>
    <message>
        <source>Cannot make a new file in the folder &quot;%1&quot;: %2</source>
        <translation>Impossible de créer un nouveau fichier dans le dossier &quot;%1&quot; : %2</translation>
    </message>
    <message>
        <source>System error %1</source>
        <translation>Erreur système %1</translation>
    </message>
    <message>
        <source>%1 lines, more than 102</source>
        <translation>%1 lignes, plus de 102</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the current channel %1 plus 1 is outside 0 to 255</source>
        <translation>le canal courant %1 plus 1 est hors de 0 à 255</translation>
    </message>
    <message>
        <source>%1 fields instead of 12</source>
        <translation>%1 champs au lieu de 12</translation>
    </message>
    <message>
        <source>the field in quotes %1 is not closed</source>
        <translation>le champ entre guillemets %1 n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>the field in quotes %1 has text after its closing quote</source>
        <translation>le champ entre guillemets %1 a du texte après son guillemet fermant</translation>
    </message>
    <message>
        <source>mode %1 names no channel of %2</source>
        <translation>le mode %1 ne désigne aucun canal du %2</translation>
    </message>
    <message>
        <source>channel number %1 is not a number</source>
        <translation>le numéro de canal %1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>frequency %1 is not a number of MHz that fits</source>
        <translation>la fréquence %1 n&apos;est pas un nombre de MHz qui convient</translation>
    </message>
    <message>
        <source>offset %1 is not a number</source>
        <translation>le décalage %1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>channel %1 %2</source>
        <translation>canal %1 %2</translation>
    </message>
    <message>
        <source>%1 is neither #TRUE# nor #FALSE#</source>
        <translation>%1 n&apos;est ni #TRUE# ni #FALSE#</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 est hors de %2 à %3</translation>
    </message>
    <message>
        <source>%1 lines instead of 831</source>
        <translation>%1 lignes au lieu de 831</translation>
    </message>
    <message>
        <source>a byte %1, so the file is no text</source>
        <translation>un octet %1, le fichier n&apos;est donc pas du texte</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>port not opened: %1</source>
        <translation>port non ouvert : %1</translation>
    </message>
    <message>
        <source>no answer to %1</source>
        <translation>pas de réponse à %1</translation>
    </message>
    <message>
        <source>answer of the wrong length to %1</source>
        <translation>réponse de longueur incorrecte à %1</translation>
    </message>
    <message>
        <source>&quot;ERR&quot; answer to %1</source>
        <translation>réponse &quot;ERR&quot; à %1</translation>
    </message>
    <message>
        <source>answer that is not hexadecimal to %1</source>
        <translation>réponse non hexadécimale à %1</translation>
    </message>
    <message>
        <source>the radio is of another model than the one chosen</source>
        <translation>la radio est d&apos;un autre modèle que celui choisi</translation>
    </message>
    <message>
        <source>the radio reports %1, another model than the one chosen</source>
        <translation>la radio indique %1, un autre modèle que celui choisi</translation>
    </message>
    <message>
        <source>the VFO values were refused (blank or not a number)</source>
        <translation>les valeurs VFO ont été refusées (vides ou non numériques)</translation>
    </message>
    <message>
        <source>the VFO frequency is outside the model&apos;s transmit range</source>
        <translation>la fréquence VFO est hors de la plage d&apos;émission du modèle</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>read-back differs: %1</source>
        <translation>la relecture diffère : %1</translation>
    </message>
    <message>
        <source>the device %1 is gone</source>
        <translation>le périphérique %1 a disparu</translation>
    </message>
    <message>
        <source>unknown fault</source>
        <translation>défaut inconnu</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>[VFO Setting]</source>
        <translation>[Réglage VFO]</translation>
    </message>
    <message>
        <source>[Memory mode]</source>
        <translation>[Mode mémoire]</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Verrouillage du clavier</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Niveau de squelch</translation>
    </message>
    <message>
        <source>Tone setting</source>
        <translation>Réglage de la tonalité</translation>
    </message>
    <message>
        <source>TX tone freq (Encode)</source>
        <translation>Fréq. tonalité TX (encodage)</translation>
    </message>
    <message>
        <source>RX tone freq (Decode)</source>
        <translation>Fréq. tonalité RX (décodage)</translation>
    </message>
    <message>
        <source>Transmission Output Level</source>
        <translation>Puissance d&apos;émission</translation>
    </message>
    <message>
        <source>Ch No (PMR)</source>
        <translation>N° canal (PMR)</translation>
    </message>
    <message>
        <source>Tone frequency (PMR)</source>
        <translation>Fréquence de tonalité (PMR)</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Pas de fréquence</translation>
    </message>
    <message>
        <source>Shift direction</source>
        <translation>Sens du décalage</translation>
    </message>
    <message>
        <source>Offset frequency</source>
        <translation>Fréquence de décalage</translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation>Bip sonore</translation>
    </message>
    <message>
        <source>Call tone (Tone burst)</source>
        <translation>Tonalité d&apos;appel (tone burst)</translation>
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
        <translation>Économie de batterie</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Sonnerie</translation>
    </message>
    <message>
        <source>Stand-by-beep</source>
        <translation>Bip de fin de transmission</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>Scan skip</source>
        <translation>Exclusion du balayage</translation>
    </message>
    <message>
        <source>External terminal control</source>
        <translation>Commande par borne externe</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Type de batterie</translation>
    </message>
    <message>
        <source>Tone frequency</source>
        <translation>Fréquence de tonalité</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Timed</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>On(5s)</source>
        <translation>Oui(5s)</translation>
    </message>
    <message>
        <source>(blank)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>utilisé</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>non utilisé</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>kvr27::app::TransferStatusBar</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Last command</source>
        <translation>Dernière commande</translation>
    </message>
    <message>
        <source>A write cannot be cancelled: the radio would be left half written.</source>
        <translation>Une écriture ne peut pas être annulée : la radio resterait à moitié écrite.</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmDifferences</name>
    <message>
        <source>(Differences)</source>
        <translation>(Différences)</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Each line: the radio now → after the write</source>
        <translation>Chaque ligne : la radio maintenant → après l&apos;écriture</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMem</name>
    <message>
        <source>Memory channels</source>
        <translation>Canaux mémoire</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Modifier le canal...</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Edit Selected Channels…</source>
        <translation>Modifier les canaux sélectionnés…</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete and Shift Up</source>
        <translation>Supprimer et remonter</translation>
    </message>
    <message>
        <source>Insert Empty Channel</source>
        <translation>Insérer un canal vide</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Trier par fréquence</translation>
    </message>
    <message>
        <source>Fill LPD Channels…</source>
        <translation>Remplir avec les canaux LPD…</translation>
    </message>
    <message>
        <source>Fill PMR Channels…</source>
        <translation>Remplir avec les canaux PMR…</translation>
    </message>
</context>
<context>
    <name>kvr27::app::frmMemSub</name>
    <message>
        <source> Clone Utility(Memory Mode Sub)</source>
        <translation> Clone Utility (mode mémoire, détail)</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Editing %1: blank fields stay as they are</source>
        <translation>Modification de %1 : les champs vides restent inchangés</translation>
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
        <translation>Réglages du mode mémoire</translation>
    </message>
    <message>
        <source>VFO Mode Setting</source>
        <translation>Réglages du mode VFO</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Import(Mem Setting)</source>
        <translation>&amp;Importer (réglages mémoire)</translation>
    </message>
    <message>
        <source>&amp;Export(Mem Setting)</source>
        <translation>E&amp;xporter (réglages mémoire)</translation>
    </message>
    <message>
        <source>&amp;Compare with File...</source>
        <translation>Com&amp;parer avec un fichier...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>&amp;Vfo Mode</source>
        <translation>Mode &amp;VFO</translation>
    </message>
    <message>
        <source>&amp;Memory Mode</source>
        <translation>Mode &amp;mémoire</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Écrire</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio</source>
        <translation>&amp;Comparer avec la radio</translation>
    </message>
    <message>
        <source>&amp;Verify after Write</source>
        <translation>&amp;Vérifier après l&apos;écriture</translation>
    </message>
    <message>
        <source>&amp;Backup before Write</source>
        <translation>&amp;Sauvegarder avant l&apos;écriture</translation>
    </message>
    <message>
        <source>&amp;Exchange Trace</source>
        <translation>&amp;Trace des échanges</translation>
    </message>
    <message>
        <source>Rev&amp;iew before Write</source>
        <translation>&amp;Aperçu avant l&apos;écriture</translation>
    </message>
    <message>
        <source>Write Changed Blocks &amp;Only</source>
        <translation>Écrire seulement les blocs &amp;modifiés</translation>
    </message>
    <message>
        <source>&amp;Fast Transfer</source>
        <translation>Transfert &amp;rapide</translation>
    </message>
    <message>
        <source>&amp;Port...</source>
        <translation>&amp;Port...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>I&amp;nfo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Langue...</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>&amp;Signaler un problème...</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>port close</source>
        <translation>fermer le port</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Language of the windows:</source>
        <translation>Langue des fenêtres :</translation>
    </message>
    <message>
        <source>Each line: %1 → this document</source>
        <translation>Chaque ligne : %1 → ce document</translation>
    </message>
    <message>
        <source>Each line: the radio → this document</source>
        <translation>Chaque ligne : la radio → ce document</translation>
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
        <translation>Périphérique</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Fabricant</translation>
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
        <translation>Accès</translation>
    </message>
    <message>
        <source>Empty: the device found by the search</source>
        <translation>Vide : le périphérique trouvé par la recherche</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>No serial port found; a device can still be typed below.</source>
        <translation>Aucun port série trouvé ; un périphérique peut tout de même être saisi ci-dessous.</translation>
    </message>
    <message>
        <source>To use a port marked &quot;no&quot;, %1.</source>
        <translation>Pour utiliser un port marqué « non », %1.</translation>
    </message>
    <message>
        <source>join the dialout group: sudo adduser $USER dialout, then log in again</source>
        <translation>rejoignez le groupe dialout : sudo adduser $USER dialout, puis reconnectez-vous</translation>
    </message>
</context>
<context>
    <name>kvr27::frmReport</name>
    <message>
        <source>Report a Problem</source>
        <translation>Signaler un problème</translation>
    </message>
    <message>
        <source>The report holds the files below, in one zip file saved where you choose. Nothing is sent anywhere: give the file to whoever helps you.</source>
        <translation>Le rapport contient les fichiers ci-dessous, dans un seul fichier zip enregistré à l&apos;emplacement de votre choix. Rien n&apos;est envoyé nulle part : remettez le fichier à la personne qui vous aide.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Size (bytes)</source>
        <translation>Taille (octets)</translation>
    </message>
    <message>
        <source>&amp;Include the current document as a clone file</source>
        <translation>&amp;Inclure le document actuel comme fichier de clonage</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
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
