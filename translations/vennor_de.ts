<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Backup</name>
    <message>
        <source>Dat Files |*.dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file chosen is the phone book itself; nothing was copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 was restored; unlink it and link it again before it syncs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File To open </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid name for the phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of phone books could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   File exists.. Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 was restored but could not be added to the list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardText</name>
    <message>
        <source>the card on line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 added, %2 replaced, %3 skipped, %4 changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 written to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>control characters left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no name: not imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>characters the %1 cannot hold replaced by blanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 put in the comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BEGIN:VCARD expected, found &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a vCard property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends inside the card begun on line %1 (END:VCARD is missing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty: it holds no vCard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>Could not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not add to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a phone book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book file %1 already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No phone book exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create the folder of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file was not written whole</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No printer is installed, nothing was printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer is not accepting jobs, nothing was printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer failed, nothing was printed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SyncText</name>
    <message>
        <source>%1 is not an address book, and no address book was found there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 led from an encrypted https address to the unencrypted %2; refused, so that the password stays safe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 pointed to %2, another server; the password was not sent there. Link that URL directly if you trust it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The URL given is not a server&apos;s address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an https:// or http:// address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server is not encrypted; the password and the contacts travel readable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in the [sync] section of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An old link to a server (%1) could not be removed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its link to the server (%1) could not be moved to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its link to the server (%1) could not be removed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged; unlink the phone book and link it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was damaged (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VCardMenu</name>
    <message>
        <source>Import vCard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export vCard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a phone book first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save the record before the import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 card has a name the phone book holds already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cards have names the phone book holds already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the records of those names with the cards, or skip those cards? Cancel imports nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 into %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vCard files (*.vcf)|*.vcf|All files|*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::AboutBox</name>
    <message>
        <source>About VENNOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) The Vennor developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::AdvancedSearchWindow</name>
    <message>
        <source>Advanced search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matching names</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::DialingWindow</name>
    <message>
        <source>Dialing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modem is not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line is busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modem was disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick up the handset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No dial tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modem refused the command</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::LinkDialog</name>
    <message>
        <source>Link to Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share the phone book “%1” through a CardDAV address book. Give the address book&apos;s URL or the server&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::MainWindow</name>
    <message>
        <source>Enter a valid number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record was deleted here, but the server will give it back at the next sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a record to delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete this record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record could not be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save the record before exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scratch field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the existing record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a record </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call selected phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all text boxs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select type of the number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type number then Press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type name to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type number to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import vCard…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport vCard…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Phone Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manual dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detect Modem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Latest version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join Vennor mail group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A telephone number is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t enter (&quot;) please enter another symbole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record was saved, but the server will not learn that it was renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a valid E-mail address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t enter (,) please enter another symbole</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::ManualDialDialog</name>
    <message>
        <source>Manual dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number to dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A telephone number is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::MessageBox</name>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::ModemDetectionDialog</name>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detecting the modem now...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find a Modem or line is not connected !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These ports exist but could not be opened: %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::NumberType</name>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cellular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Mail</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::PhoneBookDialog</name>
    <message>
        <source>No phone book to rename,Create a phone book first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No phone book to make default,Create a phone book first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No phone book to delete,Create a phone book first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No phone book to make to make a backup,Create a phone book first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename phone book </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a phone book as default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a phone book </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a backup from phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new name</source>
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
        <source>Select a phone book to rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of phone books could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This phone book does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid name for the phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This phone book name already exists,use another name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 could not be added to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a name for the phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warninig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 could not be renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 could not be made the default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Are you sure you want to delete this phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete phone book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 was not deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 was taken off the list, but its file could not be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book %1 was deleted, but not its link to the server</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::PrintSelectionWindow</name>
    <message>
        <source>Print Phone Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select names you will print its information :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save the record before printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select names to print its information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pages will be printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirming</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::SerialPort</name>
    <message>
        <source>You need the right to use them: make your user a member of the dialout group (sudo usermod -aG dialout $USER), then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need the right to use them: ask your administrator for access.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no port %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port cannot change while it is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port is already open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The count can only be set to 0.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::SyncController</name>
    <message>
        <source>Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link to Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keyring holds the password for %1. Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link to Server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a phone book first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not linked to a server: use Tools &gt; Link to Server... first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing %1 with the server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not synced: no password was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synced at %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No keyring: the password is kept until Vennor ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync failed at %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book was not synced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some records were changed here and on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This sync would remove %1 cards from the server, the records deleted here. Remove them from the server?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing again...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not synced: %1 cards would have been removed from the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait until the sync has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the URL and the user name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Link %1 all the same?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for the address book at %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not linked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not linked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is linked to %2 as %3. Unlink it? The records stay in the phone book and on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link could not be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not linked.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::UserGuideWindow</name>
    <message>
        <source>Vennor Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User guide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::carddav::BookSync</name>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 received, %2 removed here, %3 sent, %4 removed on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1 card could not be taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 cards could not be taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Changed on both sides, the server&apos;s version was taken; yours was kept as: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Cards without a name a record can have (a name made only of digits or &quot;)&quot; is none): %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ignored, as outside the address book: %1%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Not sent, as no well-formed card could be written for them: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This phone book is not linked to a server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book file is older than at the last sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book holds none of the records of the last sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: both sides were merged afresh and nothing was deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an address book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone book kept changing during the sync; the server&apos;s changes come at the next sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This sync would remove %1 of the %2 cards from the server; nothing was sent or removed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vennor::carddav::DavClient</name>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 is not safe: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot reach the server %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 does not allow this user to use %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 answered %2 with the error %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card %1 on the server %2 is larger than %3; the sync was stopped (the limit is %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 sent more than %2 in answer to %3 %4; nothing more was read (the limit is %5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 sent more than %2 in all; nothing more was read (the limit is %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 did not answer %2 within %3 seconds; the request was given up (the limit is %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The work with the server %1 took more than %2 seconds in all; it was stopped (the limit is %3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
