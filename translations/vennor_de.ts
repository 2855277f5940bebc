<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Backup</name>
    <message>
        <source>Dat Files |*.dat</source>
        <translation>Dat-Dateien |*.dat</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The file chosen is the phone book itself; nothing was copied</source>
        <translation>Die gewählte Datei ist das Telefonbuch selbst; es wurde nichts kopiert</translation>
    </message>
    <message>
        <source>The copy failed</source>
        <translation>Das Kopieren ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The phone book %1 was restored; unlink it and link it again before it syncs</source>
        <translation>Das Telefonbuch %1 wurde wiederhergestellt; trennen Sie seine Verbindung zum Server und verbinden Sie es neu, bevor es abgeglichen wird</translation>
    </message>
    <message>
        <source>Save to </source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Select File To open </source>
        <translation>Zu öffnende Datei wählen</translation>
    </message>
    <message>
        <source>Enter a valid name for the phone book</source>
        <translation>Geben Sie einen gültigen Namen für das Telefonbuch ein</translation>
    </message>
    <message>
        <source>The list of phone books could not be read</source>
        <translation>Die Liste der Telefonbücher konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>   File exists.. Overwrite</source>
        <translation>   Die Datei existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Warning </source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The phone book %1 was restored but could not be added to the list</source>
        <translation>Das Telefonbuch %1 wurde wiederhergestellt, konnte aber nicht in die Liste aufgenommen werden</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>CardText</name>
    <message>
        <source>the card on line %1</source>
        <translation>die Karte in Zeile %1</translation>
    </message>
    <message>
        <source>%1 added, %2 replaced, %3 skipped, %4 changed</source>
        <translation>%1 hinzugefügt, %2 ersetzt, %3 übersprungen, %4 geändert</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>%1 of %2 written to %3.</source>
        <translation>%1 aus %2 in %3 geschrieben.</translation>
    </message>
    <message>
        <source>control characters left out</source>
        <translation>Steuerzeichen weggelassen</translation>
    </message>
    <message>
        <source>no name: not imported</source>
        <translation>kein Name: nicht importiert</translation>
    </message>
    <message>
        <source>characters the %1 cannot hold replaced by blanks</source>
        <translation>Zeichen, die das Feld „%1“ nicht aufnehmen kann, durch Leerzeichen ersetzt</translation>
    </message>
    <message>
        <source>%1 put in the comment</source>
        <translation>„%1“ in den Kommentar übernommen</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>In Zeile %1: %2</translation>
    </message>
    <message>
        <source>BEGIN:VCARD expected, found &quot;%1&quot;</source>
        <translation>BEGIN:VCARD erwartet, gefunden: „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a vCard property</source>
        <translation>„%1“ ist keine vCard-Eigenschaft</translation>
    </message>
    <message>
        <source>the file ends inside the card begun on line %1 (END:VCARD is missing)</source>
        <translation>die Datei endet innerhalb der in Zeile %1 begonnenen Karte (END:VCARD fehlt)</translation>
    </message>
    <message>
        <source>the file is empty: it holds no vCard</source>
        <translation>die Datei ist leer: sie enthält keine vCard</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>Kommentar</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>Could not open</source>
        <translation>Fehler beim Öffnen von</translation>
    </message>
    <message>
        <source>Could not read</source>
        <translation>Fehler beim Lesen von</translation>
    </message>
    <message>
        <source>Could not add to</source>
        <translation>Fehler beim Anfügen an</translation>
    </message>
    <message>
        <source>Could not write</source>
        <translation>Fehler beim Schreiben von</translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation>Fehler beim Speichern von</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a phone book.</source>
        <translation>„%1“ kann nicht der Name eines Telefonbuchs sein.</translation>
    </message>
    <message>
        <source>The phone book file %1 already exists.</source>
        <translation>Die Telefonbuchdatei %1 existiert bereits.</translation>
    </message>
    <message>
        <source>The settings file is empty.</source>
        <translation>Die Einstellungsdatei ist leer.</translation>
    </message>
    <message>
        <source>No phone book exists.</source>
        <translation>Es gibt kein Telefonbuch.</translation>
    </message>
    <message>
        <source>Could not create the folder of</source>
        <translation>Fehler beim Anlegen des Ordners für</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file was not written whole</source>
        <translation>die Datei wurde nicht vollständig geschrieben</translation>
    </message>
    <message>
        <source>The call log is in use by another program</source>
        <translation>Die Anrufliste wird von einem anderen Programm benutzt</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No printer is installed, nothing was printed</source>
        <translation>Es ist kein Drucker eingerichtet, es wurde nichts gedruckt</translation>
    </message>
    <message>
        <source>The printer is not accepting jobs, nothing was printed</source>
        <translation>Der Drucker nimmt keine Aufträge an, es wurde nichts gedruckt</translation>
    </message>
    <message>
        <source>The printer failed, nothing was printed</source>
        <translation>Der Drucker hat versagt, es wurde nichts gedruckt</translation>
    </message>
</context>
<context>
    <name>SyncText</name>
    <message>
        <source>%1 is not an address book, and no address book was found there.</source>
        <translation>%1 ist kein Adressbuch, und dort wurde kein Adressbuch gefunden.</translation>
    </message>
    <message>
        <source>%1 led from an encrypted https address to the unencrypted %2; refused, so that the password stays safe.</source>
        <translation>%1 führte von einer verschlüsselten https-Adresse zur unverschlüsselten %2; abgelehnt, damit das Passwort sicher bleibt.</translation>
    </message>
    <message>
        <source>The server %1 pointed to %2, another server; the password was not sent there. Link that URL directly if you trust it.</source>
        <translation>Der Server %1 verwies auf %2, einen anderen Server; das Passwort wurde nicht dorthin gesendet. Verbinden Sie diese URL direkt, wenn Sie ihr vertrauen.</translation>
    </message>
    <message>
        <source>The URL given is not a server&apos;s address.</source>
        <translation>Die angegebene URL ist keine Serveradresse.</translation>
    </message>
    <message>
        <source>%1 is not an https:// or http:// address.</source>
        <translation>%1 ist keine https://- oder http://-Adresse.</translation>
    </message>
    <message>
        <source>The server is not encrypted; the password and the contacts travel readable.</source>
        <translation>Der Server ist nicht verschlüsselt; Passwort und Kontakte werden lesbar übertragen.</translation>
    </message>
    <message>
        <source>%1 in the [sync] section of %2</source>
        <translation>%1 im Abschnitt [sync] von %2</translation>
    </message>
    <message>
        <source>An old link to a server (%1) could not be removed: %2</source>
        <translation>Eine alte Verbindung zu einem Server (%1) konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Its link to the server (%1) could not be moved to %2: %3</source>
        <translation>Seine Verbindung zum Server (%1) konnte nicht nach %2 verschoben werden: %3</translation>
    </message>
    <message>
        <source>Its link to the server (%1) could not be removed: %2</source>
        <translation>Seine Verbindung zum Server (%1) konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is damaged; unlink the phone book and link it again.</source>
        <translation>%1 ist beschädigt; trennen Sie die Verbindung des Telefonbuchs und verbinden Sie es neu.</translation>
    </message>
    <message>
        <source>%1 was damaged (%2)</source>
        <translation>%1 war beschädigt (%2)</translation>
    </message>
    <message>
        <source>The phone book was restored from a backup</source>
        <translation>Das Telefonbuch wurde aus einer Sicherung zurückgeholt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text</source>
        <translation>„%1“ ist kein Text</translation>
    </message>
    <message>
        <source>&quot;cards&quot; is not a list</source>
        <translation>„cards“ ist keine Liste</translation>
    </message>
    <message>
        <source>a card is not an object</source>
        <translation>eine Karte ist kein Objekt</translation>
    </message>
    <message>
        <source>in a card, %1</source>
        <translation>in einer Karte: %1</translation>
    </message>
    <message>
        <source>a card&apos;s href is empty or repeated</source>
        <translation>der href einer Karte ist leer oder doppelt</translation>
    </message>
    <message>
        <source>two cards give the record &quot;%1&quot;</source>
        <translation>zwei Karten ergeben den Datensatz „%1“</translation>
    </message>
    <message>
        <source>&quot;deleted&quot; is not a list</source>
        <translation>„deleted“ ist keine Liste</translation>
    </message>
    <message>
        <source>&quot;deleted&quot; names a card the last sync did not see</source>
        <translation>„deleted“ nennt eine Karte, die der letzte Abgleich nicht gesehen hat</translation>
    </message>
    <message>
        <source>&quot;deletedNames&quot; is not a list</source>
        <translation>„deletedNames“ ist keine Liste</translation>
    </message>
    <message>
        <source>&quot;deletedNames&quot; holds something other than names</source>
        <translation>„deletedNames“ enthält anderes als Namen</translation>
    </message>
    <message>
        <source>&quot;renamed&quot; is not an object</source>
        <translation>„renamed“ ist kein Objekt</translation>
    </message>
    <message>
        <source>&quot;renamed&quot; holds something other than names</source>
        <translation>„renamed“ enthält anderes als Namen</translation>
    </message>
    <message>
        <source>&quot;fresh&quot; is not a text</source>
        <translation>„fresh“ ist kein Text</translation>
    </message>
    <message>
        <source>&quot;book&quot; is not a size and a time</source>
        <translation>„book“ ist keine Größe mit Zeitangabe</translation>
    </message>
</context>
<context>
    <name>VCardMenu</name>
    <message>
        <source>Import vCard</source>
        <translation>vCard importieren</translation>
    </message>
    <message>
        <source>Export vCard</source>
        <translation>vCard exportieren</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Create a phone book first.</source>
        <translation>Legen Sie zuerst ein Telefonbuch an.</translation>
    </message>
    <message>
        <source>save the record before the import</source>
        <translation>den Datensatz vor dem Import speichern</translation>
    </message>
    <message>
        <source>1 card has a name the phone book holds already.</source>
        <translation>1 Karte trägt einen Namen, den das Telefonbuch schon enthält.</translation>
    </message>
    <message>
        <source>%1 cards have names the phone book holds already.</source>
        <translation>%1 Karten tragen Namen, die das Telefonbuch schon enthält.</translation>
    </message>
    <message>
        <source>Replace the records of those names with the cards, or skip those cards? Cancel imports nothing.</source>
        <translation>Die Datensätze dieser Namen durch die Karten ersetzen oder diese Karten überspringen? Abbrechen importiert nichts.</translation>
    </message>
    <message>
        <source>%1 into %2: %3.</source>
        <translation>%1 nach %2: %3.</translation>
    </message>
    <message>
        <source>vCard files (*.vcf)|*.vcf|All files|*</source>
        <translation>vCard-Dateien (*.vcf)|*.vcf|Alle Dateien|*</translation>
    </message>
    <message>
        <source>%1 was not imported.</source>
        <translation>%1 wurde nicht importiert.</translation>
    </message>
    <message>
        <source>%1 was not written.</source>
        <translation>%1 wurde nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>vennor::AboutBox</name>
    <message>
        <source>About VENNOR</source>
        <translation>Über VENNOR</translation>
    </message>
    <message>
        <source>Copyright (C) The Vennor developers</source>
        <translation>Copyright (C) Die Vennor-Entwickler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vennor::AdvancedSearchWindow</name>
    <message>
        <source>Advanced search</source>
        <translation>Erweiterte Suche</translation>
    </message>
    <message>
        <source>Name pattern</source>
        <translation>Namensmuster</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Matching names</source>
        <translation>Passende Namen</translation>
    </message>
</context>
<context>
    <name>vennor::CallListModel</name>
    <message>
        <source>Out</source>
        <translation>Ausgehend</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Verpasst</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Eingehend</translation>
    </message>
    <message>
        <source>Private number</source>
        <translation>Unterdrückte Nummer</translation>
    </message>
    <message>
        <source>Unknown number</source>
        <translation>Unbekannte Nummer</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Anruf</translation>
    </message>
    <message>
        <source>Name or number</source>
        <translation>Name oder Nummer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>vennor::CallLogWindow</name>
    <message>
        <source>&amp;Call back</source>
        <translation>Zurück&amp;rufen</translation>
    </message>
    <message>
        <source>&amp;Show record</source>
        <translation>Datensatz &amp;zeigen</translation>
    </message>
    <message>
        <source>Add to &amp;phone book</source>
        <translation>Ins Telefon&amp;buch</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Clea&amp;r log</source>
        <translation>&amp;Protokoll leeren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Call log</source>
        <translation>Anrufliste</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;In</source>
        <translation>&amp;Eingehend</translation>
    </message>
    <message>
        <source>&amp;Out</source>
        <translation>A&amp;usgehend</translation>
    </message>
    <message>
        <source>&amp;Missed</source>
        <translation>&amp;Verpasst</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Anrufe</translation>
    </message>
    <message>
        <source>The call log could not be read: %1</source>
        <translation>Die Anrufliste konnte nicht gelesen werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the call log could not be read; they are kept as they are.</source>
        <translation>
            <numerusform>%n Zeile der Anrufliste konnte nicht gelesen werden; sie bleibt, wie sie ist.</numerusform>
            <numerusform>%n Zeilen der Anrufliste konnten nicht gelesen werden; sie bleiben, wie sie sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>The calls could not be deleted from the call log.</source>
        <translation>Die Anrufe konnten nicht aus der Anrufliste gelöscht werden.</translation>
    </message>
    <message>
        <source>Delete every call from the call log?</source>
        <translation>Alle Anrufe aus der Anrufliste löschen?</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>The call log could not be cleared.</source>
        <translation>Die Anrufliste konnte nicht geleert werden.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>vennor::CallNotice</name>
    <message>
        <source>%1 is calling</source>
        <translation>%1 ruft an</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Private number</source>
        <translation>Unterdrückte Nummer</translation>
    </message>
    <message>
        <source>Unknown number</source>
        <translation>Unbekannte Nummer</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Add to phone book</source>
        <translation>Ins Telefonbuch aufnehmen</translation>
    </message>
</context>
<context>
    <name>vennor::CallNoticeWindow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>vennor::CallWatch</name>
    <message>
        <source>The call was not added to the call log: %1</source>
        <translation>Der Anruf wurde nicht in die Anrufliste eingetragen: %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>vennor::CallWatcher</name>
    <message>
        <source>The modem was disconnected</source>
        <translation>Die Verbindung zum Modem wurde getrennt</translation>
    </message>
    <message>
        <source>The modem is not connected</source>
        <translation>Das Modem ist nicht angeschlossen</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>Anschluss %1 (%2)</translation>
    </message>
    <message>
        <source>The modem on %1 cannot be found</source>
        <translation>Das Modem an %1 ist nicht zu finden</translation>
    </message>
    <message>
        <source>The modem on %1 is used by another program</source>
        <translation>Das Modem an %1 wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>The modem on %1 may not be used. %2</source>
        <translation>Das Modem an %1 darf nicht benutzt werden. %2</translation>
    </message>
    <message>
        <source>The modem on %1 could not be opened: %2</source>
        <translation>Das Modem an %1 ließ sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>The modem could not be written to: %1</source>
        <translation>An das Modem ließ sich nichts senden: %1</translation>
    </message>
    <message>
        <source>This modem does not report callers</source>
        <translation>Dieses Modem meldet keine Anrufer</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>The modem does not answer</source>
        <translation>Das Modem antwortet nicht</translation>
    </message>
</context>
<context>
    <name>vennor::DialingWindow</name>
    <message>
        <source>Dialing</source>
        <translation>Wählvorgang</translation>
    </message>
    <message>
        <source>Dialing:</source>
        <translation>Wähle:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The modem is not connected</source>
        <translation>Das Modem ist nicht angeschlossen</translation>
    </message>
    <message>
        <source>The line is busy</source>
        <translation>Die Leitung ist besetzt</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The modem was disconnected</source>
        <translation>Die Verbindung zum Modem wurde getrennt</translation>
    </message>
    <message>
        <source>Pick up the handset</source>
        <translation>Nehmen Sie den Hörer ab</translation>
    </message>
    <message>
        <source>No dial tone</source>
        <translation>Kein Freizeichen</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>The modem refused the command</source>
        <translation>Das Modem hat den Befehl abgelehnt</translation>
    </message>
    <message>
        <source>%1 (not logged)</source>
        <translation>%1 (nicht protokolliert)</translation>
    </message>
</context>
<context>
    <name>vennor::FileDialog</name>
    <message>
        <source>All Files (*.*)|*.*</source>
        <translation>Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>vennor::LinkDialog</name>
    <message>
        <source>Link to Server</source>
        <translation>Mit Server verbinden</translation>
    </message>
    <message>
        <source>Share the phone book “%1” through a CardDAV address book. Give the address book&apos;s URL or the server&apos;s.</source>
        <translation>Das Telefonbuch „%1“ über ein CardDAV-Adressbuch teilen. Geben Sie die URL des Adressbuchs oder des Servers an.</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;URL:</translation>
    </message>
    <message>
        <source>User &amp;name:</source>
        <translation>Benutzer&amp;name:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
</context>
<context>
    <name>vennor::MainWindow</name>
    <message>
        <source>Enter a valid number</source>
        <translation>Geben Sie eine gültige Nummer ein</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The record was deleted here, but the server will give it back at the next sync</source>
        <translation>Der Datensatz wurde hier gelöscht, aber der Server gibt ihn beim nächsten Abgleich zurück</translation>
    </message>
    <message>
        <source>Select a record to delete</source>
        <translation>Wählen Sie einen Datensatz zum Löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this record?</source>
        <translation>Wollen Sie diesen Datensatz wirklich löschen?</translation>
    </message>
    <message>
        <source>The record could not be deleted</source>
        <translation>Der Datensatz konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>save the record before exit</source>
        <translation>den Datensatz vor dem Beenden speichern</translation>
    </message>
    <message>
        <source>Number type</source>
        <translation>Nummerntyp</translation>
    </message>
    <message>
        <source>Scratch field</source>
        <translation>Notizfeld</translation>
    </message>
    <message>
        <source>Save the existing record</source>
        <translation>Den Datensatz speichern</translation>
    </message>
    <message>
        <source>Delete a record </source>
        <translation>Einen Datensatz löschen</translation>
    </message>
    <message>
        <source>Call selected phone number</source>
        <translation>Gewählte Telefonnummer anrufen</translation>
    </message>
    <message>
        <source>Clear all text boxs</source>
        <translation>Alle Textfelder leeren</translation>
    </message>
    <message>
        <source>Print phone book</source>
        <translation>Telefonbuch drucken</translation>
    </message>
    <message>
        <source>Name </source>
        <translation>Name </translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Nummern</translation>
    </message>
    <message>
        <source>Select type of the number</source>
        <translation>Typ der Nummer wählen</translation>
    </message>
    <message>
        <source>Type number then Press Enter</source>
        <translation>Nummer eingeben, dann Eingabe drücken</translation>
    </message>
    <message>
        <source>Type name to search</source>
        <translation>Name suchen</translation>
    </message>
    <message>
        <source>Type number to search</source>
        <translation>Nummer suchen</translation>
    </message>
    <message>
        <source>Create a phone book</source>
        <translation>Legen Sie ein Telefonbuch an</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>L&amp;eeren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete number</source>
        <translation>Nummer löschen</translation>
    </message>
    <message>
        <source>&amp;Import vCard…</source>
        <translation>vCard &amp;importieren…</translation>
    </message>
    <message>
        <source>E&amp;xport vCard…</source>
        <translation>vCard e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>New phone book</source>
        <translation>Neues Telefonbuch</translation>
    </message>
    <message>
        <source>Rename phone book</source>
        <translation>Telefonbuch umbenennen</translation>
    </message>
    <message>
        <source>Delete phone book</source>
        <translation>Telefonbuch löschen</translation>
    </message>
    <message>
        <source>Make default</source>
        <translation>Als Standard festlegen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Get backup</source>
        <translation>Sicherung zurückholen</translation>
    </message>
    <message>
        <source>Make backup</source>
        <translation>Sicherung anlegen</translation>
    </message>
    <message>
        <source>Advanced search</source>
        <translation>Erweiterte Suche</translation>
    </message>
    <message>
        <source>Print Phone Book</source>
        <translation>Telefonbuch drucken</translation>
    </message>
    <message>
        <source>&amp;Dial</source>
        <translation>&amp;Wählen</translation>
    </message>
    <message>
        <source>&amp;Manual dial</source>
        <translation>&amp;Manuell wählen</translation>
    </message>
    <message>
        <source>Detect Modem</source>
        <translation>Modem erkennen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>Download Latest version</source>
        <translation>Neueste Version herunterladen</translation>
    </message>
    <message>
        <source>Join Vennor mail group</source>
        <translation>Der Vennor-Mailingliste beitreten</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>A telephone number is required</source>
        <translation>Eine Telefonnummer ist erforderlich</translation>
    </message>
    <message>
        <source>Don&apos;t enter (&quot;) please enter another symbole</source>
        <translation>Geben Sie kein (&quot;) ein, bitte ein anderes Zeichen</translation>
    </message>
    <message>
        <source>The record was saved, but the server will not learn that it was renamed</source>
        <translation>Der Datensatz wurde gespeichert, aber der Server erfährt nicht, dass er umbenannt wurde</translation>
    </message>
    <message>
        <source>Enter a name</source>
        <translation>Geben Sie einen Namen ein</translation>
    </message>
    <message>
        <source>Enter a valid address</source>
        <translation>Geben Sie eine gültige Adresse ein</translation>
    </message>
    <message>
        <source>Write a valid E-mail address</source>
        <translation>Geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>The phone book could not be saved</source>
        <translation>Das Telefonbuch konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Don&apos;t enter (,) please enter another symbole</source>
        <translation>Geben Sie kein (,) ein, bitte ein anderes Zeichen</translation>
    </message>
    <message>
        <source>&amp;Watch for incoming calls</source>
        <translation>Auf &amp;eingehende Anrufe achten</translation>
    </message>
    <message>
        <source>save the record before showing another</source>
        <translation>den Datensatz vor dem Anzeigen eines anderen speichern</translation>
    </message>
    <message>
        <source>The phone book %1 is no longer listed</source>
        <translation>Das Telefonbuch %1 ist nicht mehr aufgeführt</translation>
    </message>
    <message>
        <source>The phone book %1 no longer holds %2</source>
        <translation>Das Telefonbuch %1 enthält %2 nicht mehr</translation>
    </message>
    <message>
        <source>The call log could not be read.</source>
        <translation>Die Anrufliste konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No number has been dialled yet</source>
        <translation>Es wurde noch keine Nummer gewählt</translation>
    </message>
    <message>
        <source>Call &amp;log…</source>
        <translation>Anruf&amp;liste…</translation>
    </message>
    <message>
        <source>&amp;Redial</source>
        <translation>Wahlwiede&amp;rholung</translation>
    </message>
</context>
<context>
    <name>vennor::ManualDialDialog</name>
    <message>
        <source>Manual dial</source>
        <translation>Manuell wählen</translation>
    </message>
    <message>
        <source>Number to dial</source>
        <translation>Rufnummer</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A telephone number is required</source>
        <translation>Eine Telefonnummer ist erforderlich</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>vennor::MessageBox</name>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Ü&amp;berspringen</translation>
    </message>
</context>
<context>
    <name>vennor::ModemDetectionDialog</name>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Detecting the modem now...</source>
        <translation>Das Modem wird gesucht...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Can&apos;t find a Modem or line is not connected !!</source>
        <translation>Kein Modem gefunden, oder die Leitung ist nicht angeschlossen!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>These ports exist but could not be opened: %1. %2</source>
        <translation>Diese Anschlüsse gibt es, sie ließen sich aber nicht öffnen: %1. %2</translation>
    </message>
</context>
<context>
    <name>vennor::NumberType</name>
    <message>
        <source>Home</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Cellular</source>
        <translation>Handy</translation>
    </message>
    <message>
        <source>Voice Mail</source>
        <translation>Mailbox</translation>
    </message>
</context>
<context>
    <name>vennor::PhoneBookDialog</name>
    <message>
        <source>No phone book to rename,Create a phone book first</source>
        <translation>Kein Telefonbuch zum Umbenennen, legen Sie zuerst ein Telefonbuch an</translation>
    </message>
    <message>
        <source>No phone book to make default,Create a phone book first</source>
        <translation>Kein Telefonbuch zum Festlegen als Standard, legen Sie zuerst ein Telefonbuch an</translation>
    </message>
    <message>
        <source>No phone book to delete,Create a phone book first</source>
        <translation>Kein Telefonbuch zum Löschen, legen Sie zuerst ein Telefonbuch an</translation>
    </message>
    <message>
        <source>No phone book to make to make a backup,Create a phone book first</source>
        <translation>Kein Telefonbuch zum Sichern, legen Sie zuerst ein Telefonbuch an</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Rename phone book </source>
        <translation>Telefonbuch umbenennen</translation>
    </message>
    <message>
        <source>Make a phone book as default</source>
        <translation>Standard-Telefonbuch festlegen</translation>
    </message>
    <message>
        <source>Delete a phone book </source>
        <translation>Ein Telefonbuch löschen</translation>
    </message>
    <message>
        <source>Make a backup from phone book</source>
        <translation>Sicherung eines Telefonbuchs anlegen</translation>
    </message>
    <message>
        <source>Create new phone book</source>
        <translation>Neues Telefonbuch anlegen</translation>
    </message>
    <message>
        <source>Name of the phone book</source>
        <translation>Name des Telefonbuchs</translation>
    </message>
    <message>
        <source>The new name</source>
        <translation>Der neue Name</translation>
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
        <source>Select a phone book to rename</source>
        <translation>Telefonbuch zum Umbenennen</translation>
    </message>
    <message>
        <source>Select the phone book</source>
        <translation>Telefonbuch wählen</translation>
    </message>
    <message>
        <source>The list of phone books could not be read</source>
        <translation>Die Liste der Telefonbücher konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>This phone book does not exist</source>
        <translation>Dieses Telefonbuch gibt es nicht</translation>
    </message>
    <message>
        <source>Enter a valid name for the phone book</source>
        <translation>Geben Sie einen gültigen Namen für das Telefonbuch ein</translation>
    </message>
    <message>
        <source>This phone book name already exists,use another name</source>
        <translation>Diesen Telefonbuchnamen gibt es schon, wählen Sie einen anderen Namen</translation>
    </message>
    <message>
        <source>The phone book %1 could not be created</source>
        <translation>Das Telefonbuch %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The phone book %1 could not be added to the list</source>
        <translation>Das Telefonbuch %1 konnte nicht in die Liste aufgenommen werden</translation>
    </message>
    <message>
        <source>Enter a name for the phone book</source>
        <translation>Geben Sie einen Namen für das Telefonbuch ein</translation>
    </message>
    <message>
        <source>Warninig</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The phone book %1 could not be renamed</source>
        <translation>Das Telefonbuch %1 konnte nicht umbenannt werden</translation>
    </message>
    <message>
        <source>The phone book %1 could not be made the default</source>
        <translation>Das Telefonbuch %1 konnte nicht zum Standard werden</translation>
    </message>
    <message>
        <source> Are you sure you want to delete this phone book</source>
        <translation> Wollen Sie dieses Telefonbuch wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete phone book</source>
        <translation>Telefonbuch löschen</translation>
    </message>
    <message>
        <source>The phone book %1 was not deleted</source>
        <translation>Das Telefonbuch %1 wurde nicht gelöscht</translation>
    </message>
    <message>
        <source>The phone book %1 was taken off the list, but its file could not be deleted</source>
        <translation>Das Telefonbuch %1 wurde aus der Liste genommen, aber seine Datei konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>The phone book %1 was deleted, but not its link to the server</source>
        <translation>Das Telefonbuch %1 wurde gelöscht, aber nicht seine Verbindung zum Server</translation>
    </message>
</context>
<context>
    <name>vennor::PrintSelectionWindow</name>
    <message>
        <source>Print Phone Book</source>
        <translation>Telefonbuch drucken</translation>
    </message>
    <message>
        <source>Select names you will print its information :</source>
        <translation>Zu druckende Namen wählen:</translation>
    </message>
    <message>
        <source>Names to print</source>
        <translation>Zu druckende Namen</translation>
    </message>
    <message>
        <source>Print </source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>save the record before printing</source>
        <translation>den Datensatz vor dem Drucken speichern</translation>
    </message>
    <message>
        <source>Select names to print its information</source>
        <translation>Wählen Sie Namen, deren Angaben gedruckt werden sollen</translation>
    </message>
    <message>
        <source>%1 pages will be printed</source>
        <translation>%1 Seiten werden gedruckt</translation>
    </message>
    <message>
        <source>Confirming</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Vennor – %1</source>
        <translation>Vennor – %1</translation>
    </message>
</context>
<context>
    <name>vennor::SerialPort</name>
    <message>
        <source>You need the right to use them: make your user a member of the dialout group (sudo usermod -aG dialout $USER), then log in again.</source>
        <translation>Sie brauchen das Recht, sie zu benutzen: Nehmen Sie Ihren Benutzer in die Gruppe dialout auf (sudo usermod -aG dialout $USER) und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>You need the right to use them: ask your administrator for access.</source>
        <translation>Sie brauchen das Recht, sie zu benutzen: Bitten Sie Ihren Administrator um Zugriff.</translation>
    </message>
    <message>
        <source>There is no port %1.</source>
        <translation>Es gibt keinen Anschluss %1.</translation>
    </message>
    <message>
        <source>The port cannot change while it is open.</source>
        <translation>Der Anschluss kann nicht gewechselt werden, solange er offen ist.</translation>
    </message>
    <message>
        <source>The port is already open.</source>
        <translation>Der Anschluss ist schon offen.</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>Der Anschluss ist nicht offen.</translation>
    </message>
    <message>
        <source>The count can only be set to 0.</source>
        <translation>Die Anzahl kann nur auf 0 gesetzt werden.</translation>
    </message>
</context>
<context>
    <name>vennor::SyncController</name>
    <message>
        <source>Sync</source>
        <translation>Abgleich</translation>
    </message>
    <message>
        <source>Link to Server</source>
        <translation>Mit Server verbinden</translation>
    </message>
    <message>
        <source>No keyring holds the password for %1. Password:</source>
        <translation>Kein Schlüsselbund enthält das Passwort für %1. Passwort:</translation>
    </message>
    <message>
        <source>Link to Server...</source>
        <translation>Mit Server verbinden...</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt abgleichen</translation>
    </message>
    <message>
        <source>Create a phone book first.</source>
        <translation>Legen Sie zuerst ein Telefonbuch an.</translation>
    </message>
    <message>
        <source>%1 is not linked to a server: use Tools &gt; Link to Server... first.</source>
        <translation>%1 ist mit keinem Server verbunden: Verwenden Sie zuerst Extras &gt; Mit Server verbinden...</translation>
    </message>
    <message>
        <source>Syncing %1 with the server...</source>
        <translation>%1 wird mit dem Server abgeglichen...</translation>
    </message>
    <message>
        <source>Not synced: no password was given.</source>
        <translation>Nicht abgeglichen: Es wurde kein Passwort angegeben.</translation>
    </message>
    <message>
        <source>Synced at %1: %2</source>
        <translation>Abgeglichen um %1: %2</translation>
    </message>
    <message>
        <source> No keyring: the password is kept until Vennor ends.</source>
        <translation> Kein Schlüsselbund: Das Passwort wird bis zum Ende von Vennor behalten.</translation>
    </message>
    <message>
        <source>Sync failed at %1: %2</source>
        <translation>Abgleich um %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The phone book was not synced.</source>
        <translation>Das Telefonbuch wurde nicht abgeglichen.</translation>
    </message>
    <message>
        <source>Some records were changed here and on the server.</source>
        <translation>Einige Datensätze wurden hier und auf dem Server geändert.</translation>
    </message>
    <message>
        <source>This sync would remove %1 cards from the server, the records deleted here. Remove them from the server?</source>
        <translation>Dieser Abgleich würde %1 Karten vom Server entfernen, die hier gelöschten Datensätze. Vom Server entfernen?</translation>
    </message>
    <message>
        <source>Syncing again...</source>
        <translation>Erneuter Abgleich...</translation>
    </message>
    <message>
        <source>Not synced: %1 cards would have been removed from the server.</source>
        <translation>Nicht abgeglichen: %1 Karten wären vom Server entfernt worden.</translation>
    </message>
    <message>
        <source>Wait until the sync has ended.</source>
        <translation>Warten Sie, bis der Abgleich beendet ist.</translation>
    </message>
    <message>
        <source>Enter the URL and the user name.</source>
        <translation>Geben Sie die URL und den Benutzernamen ein.</translation>
    </message>
    <message>
        <source> Link %1 all the same?</source>
        <translation> %1 trotzdem verbinden?</translation>
    </message>
    <message>
        <source>Looking for the address book at %1...</source>
        <translation>Adressbuch wird bei %1 gesucht...</translation>
    </message>
    <message>
        <source>Not linked.</source>
        <translation>Nicht verbunden.</translation>
    </message>
    <message>
        <source>%1 was not linked.</source>
        <translation>%1 wurde nicht verbunden.</translation>
    </message>
    <message>
        <source>%1 is linked to %2 as %3. Unlink it? The records stay in the phone book and on the server.</source>
        <translation>%1 ist mit %2 als %3 verbunden. Verbindung trennen? Die Datensätze bleiben im Telefonbuch und auf dem Server.</translation>
    </message>
    <message>
        <source>The link could not be removed.</source>
        <translation>Die Verbindung konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>%1 is not linked.</source>
        <translation>%1 ist nicht verbunden.</translation>
    </message>
</context>
<context>
    <name>vennor::UserGuideWindow</name>
    <message>
        <source>Vennor Help</source>
        <translation>Vennor-Hilfe</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>qrc:/help/guide.html</source>
        <extracomment>The guide written in the translation&apos;s language, where there is one.</extracomment>
        <translation>qrc:/help/guide_de.html</translation>
    </message>
</context>
<context>
    <name>vennor::carddav::BookSync</name>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>%1 received, %2 removed here, %3 sent, %4 removed on the server.</source>
        <translation>%1 empfangen, %2 hier entfernt, %3 gesendet, %4 auf dem Server entfernt.</translation>
    </message>
    <message>
        <source> 1 card could not be taken.</source>
        <translation> 1 Karte konnte nicht übernommen werden.</translation>
    </message>
    <message>
        <source> %1 cards could not be taken.</source>
        <translation> %1 Karten konnten nicht übernommen werden.</translation>
    </message>
    <message>
        <source> Changed on both sides, the server&apos;s version was taken; yours was kept as: %1.</source>
        <translation> Auf beiden Seiten geändert, die Fassung des Servers wurde übernommen; Ihre wurde behalten als: %1.</translation>
    </message>
    <message>
        <source> Cards without a name a record can have (a name made only of digits or &quot;)&quot; is none): %1.</source>
        <translation> Karten ohne einen Namen, den ein Datensatz haben kann (ein Name nur aus Ziffern oder „)“ ist keiner): %1.</translation>
    </message>
    <message>
        <source> Ignored, as outside the address book: %1%2.</source>
        <translation> Übergangen, da außerhalb des Adressbuchs: %1%2.</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source> Not sent, as no well-formed card could be written for them: %1.</source>
        <translation> Nicht gesendet, da für sie keine wohlgeformte Karte geschrieben werden konnte: %1.</translation>
    </message>
    <message>
        <source>This phone book is not linked to a server.</source>
        <translation>Dieses Telefonbuch ist mit keinem Server verbunden.</translation>
    </message>
    <message>
        <source>The phone book file is older than at the last sync</source>
        <translation>Die Telefonbuchdatei ist älter als beim letzten Abgleich</translation>
    </message>
    <message>
        <source>The phone book holds none of the records of the last sync</source>
        <translation>Das Telefonbuch enthält keinen der Datensätze des letzten Abgleichs</translation>
    </message>
    <message>
        <source>%1: both sides were merged afresh and nothing was deleted.</source>
        <translation>%1: Beide Seiten wurden neu zusammengeführt, und nichts wurde gelöscht.</translation>
    </message>
    <message>
        <source>%1 is not an address book.</source>
        <translation>%1 ist kein Adressbuch.</translation>
    </message>
    <message>
        <source>The phone book kept changing during the sync; the server&apos;s changes come at the next sync.</source>
        <translation>Das Telefonbuch hat sich während des Abgleichs immer wieder geändert; die Änderungen des Servers kommen beim nächsten Abgleich.</translation>
    </message>
    <message>
        <source>This sync would remove %1 of the %2 cards from the server; nothing was sent or removed.</source>
        <translation>Dieser Abgleich würde %1 der %2 Karten vom Server entfernen; es wurde nichts gesendet oder entfernt.</translation>
    </message>
</context>
<context>
    <name>vennor::carddav::DavClient</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation>Der Server %1 hat Benutzername oder Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>The connection to %1 is not safe: %2</source>
        <translation>Die Verbindung zu %1 ist nicht sicher: %2</translation>
    </message>
    <message>
        <source>Cannot reach the server %1: %2</source>
        <translation>Der Server %1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>The server %1 does not allow this user to use %2.</source>
        <translation>Der Server %1 erlaubt diesem Benutzer nicht, %2 zu verwenden.</translation>
    </message>
    <message>
        <source>The server %1 answered %2 with the error %3.</source>
        <translation>Der Server %1 hat %2 mit dem Fehler %3 beantwortet.</translation>
    </message>
    <message>
        <source>The card %1 on the server %2 is larger than %3; the sync was stopped (the limit is %4).</source>
        <translation>Die Karte %1 auf dem Server %2 ist größer als %3; der Abgleich wurde angehalten (die Grenze ist %4).</translation>
    </message>
    <message>
        <source>The server %1 sent more than %2 in answer to %3 %4; nothing more was read (the limit is %5).</source>
        <translation>Der Server %1 sandte auf %3 %4 mehr als %2; nichts weiter wurde gelesen (die Grenze ist %5).</translation>
    </message>
    <message>
        <source>The server %1 sent more than %2 in all; nothing more was read (the limit is %3).</source>
        <translation>Der Server %1 sandte insgesamt mehr als %2; nichts weiter wurde gelesen (die Grenze ist %3).</translation>
    </message>
    <message>
        <source>The server %1 did not answer %2 within %3 seconds; the request was given up (the limit is %4).</source>
        <translation>Der Server %1 hat %2 nicht binnen %3 Sekunden beantwortet; die Anfrage wurde aufgegeben (die Grenze ist %4).</translation>
    </message>
    <message>
        <source>The work with the server %1 took more than %2 seconds in all; it was stopped (the limit is %3).</source>
        <translation>Die Arbeit mit dem Server %1 dauerte insgesamt mehr als %2 Sekunden; sie wurde angehalten (die Grenze ist %3).</translation>
    </message>
</context>
</TS>
