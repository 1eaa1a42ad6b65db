<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>quillbox::AboutWindow</name>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Owned By:</source>
        <translation>Inhaber:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quillbox is owned by its makers, named above, who keep every right in the program, its name and its pictures. You may use it freely to write, post and follow your own messages. It comes without any warranty: keep your own copies of what matters to you. The forums you visit, and what they show, belong to their owners.</source>
        <translation>Quillbox gehört seinen oben genannten Herstellern, die alle Rechte am Programm, an seinem Namen und an seinen Bildern behalten. Sie dürfen es frei nutzen, um Ihre eigenen Nachrichten zu schreiben, zu veröffentlichen und zu verfolgen. Es wird ohne jede Gewährleistung geliefert: Bewahren Sie eigene Kopien von allem auf, was Ihnen wichtig ist. Die Foren, die Sie besuchen, und ihre Inhalte gehören ihren Betreibern.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>quillbox::AppStart</name>
    <message>
        <source>Quillbox is already running on the data folder %1, but it does not answer. Close it, or end it, then start Quillbox again.</source>
        <translation>Quillbox läuft bereits mit dem Datenordner %1, antwortet aber nicht. Schließen oder beenden Sie es und starten Sie Quillbox dann erneut.</translation>
    </message>
    <message>
        <source>Quillbox is already running on the data folder %1, but the program found there could not be verified as yours, so Quillbox does not start: %2</source>
        <translation>Quillbox läuft bereits mit dem Datenordner %1, aber das dort gefundene Programm konnte nicht als Ihres bestätigt werden, daher startet Quillbox nicht: %2</translation>
    </message>
</context>
<context>
    <name>quillbox::AutoInsert</name>
    <message>
        <source>Auto-Insert Error</source>
        <translation>Fehler beim automatischen Einfügen</translation>
    </message>
    <message>
        <source>Could not auto-insert your message.  Try pasting instead.</source>
        <translation>Ihre Nachricht konnte nicht automatisch eingefügt werden.  Versuchen Sie es stattdessen mit Einfügen.</translation>
    </message>
    <message>
        <source>The page changed while it was being read. Press Auto-Insert again once the page you want to post on is shown.</source>
        <translation>Die Seite hat sich geändert, während sie gelesen wurde. Klicken Sie erneut auf „Automatisch einfügen“, sobald die Seite angezeigt wird, auf der Sie schreiben möchten.</translation>
    </message>
    <message>
        <source>The page did not answer within %1 seconds; its scripts may be busy. Reload the page and try again.</source>
        <translation>Die Seite hat nicht innerhalb von %1 Sekunden geantwortet; ihre Skripte sind vielleicht beschäftigt. Laden Sie die Seite neu und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The page stopped working before it answered. Reload the page and try again.</source>
        <translation>Die Seite reagierte nicht mehr, bevor sie antwortete. Laden Sie die Seite neu und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The browser shows no page to insert into.</source>
        <translation>Der Browser zeigt keine Seite, in die eingefügt werden kann.</translation>
    </message>
</context>
<context>
    <name>quillbox::BackgroundCheck</name>
    <message>
        <source>New replies</source>
        <translation>Neue Antworten</translation>
    </message>
    <message>
        <source>1 thread has new replies:</source>
        <translation>1 Thema hat neue Antworten:</translation>
    </message>
    <message numerus="yes">
        <source>%n threads have new replies:</source>
        <translation>
            <numerusform>%n Thema hat neue Antworten:</numerusform>
            <numerusform>%n Themen haben neue Antworten:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Ends the list of threads in a notification.</extracomment>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillbox::Branding</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language, as the names of the help guide and the start page in it end: &quot;de&quot; for help_de.html.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>quillbox::BrowserControls</name>
    <message>
        <source>URL:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>browse the entered url</source>
        <translation>eingegebene Adresse öffnen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>back</source>
        <translation>zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>vor</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>anhalten</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>refresh</source>
        <translation>neu laden</translation>
    </message>
</context>
<context>
    <name>quillbox::BrowserPane</name>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>No Popups</source>
        <translation>Keine Pop-ups</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinde</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>quillbox::DataFolder</name>
    <message>
        <source>Could not create &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>quillbox::FetchMessages</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>An error has occurred.<byte value="xd"/>
Error #: %1<byte value="xd"/>
Description: %2</source>
        <translation>Ein Fehler ist aufgetreten.<byte value="xd"/>
Fehlernummer: %1<byte value="xd"/>
Beschreibung: %2</translation>
    </message>
    <message>
        <source>Error occurred.<byte value="xd"/>
Error #: %1<byte value="xd"/>
%2</source>
        <extracomment>%1 is the error&apos;s number, %2 says what went wrong.</extracomment>
        <translation>Fehler aufgetreten.<byte value="xd"/>
Fehlernummer: %1<byte value="xd"/>
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n threads could not be checked; the check went on with the others.</source>
        <translation>
            <numerusform>%n Thema konnte nicht geprüft werden; die Prüfung wurde mit den anderen fortgesetzt.</numerusform>
            <numerusform>%n Themen konnten nicht geprüft werden; die Prüfung wurde mit den anderen fortgesetzt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more: each thread&apos;s row tells its reason.</source>
        <translation>
            <numerusform>und %n weiteres: Die Zeile jedes Themas nennt den Grund.</numerusform>
            <numerusform>und %n weitere: Die Zeile jedes Themas nennt den Grund.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error %1</source>
        <extracomment>A failed fetch that has no description: the error&apos;s number.</extracomment>
        <translation>Fehler %1</translation>
    </message>
</context>
<context>
    <name>quillbox::FetchTarget</name>
    <message>
        <source>The address is empty.</source>
        <translation>Die Adresse ist leer.</translation>
    </message>
    <message>
        <source>The address contains a space or a control character and cannot be requested.</source>
        <translation>Die Adresse enthält ein Leerzeichen oder ein Steuerzeichen und kann nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>The address has no usable host name.</source>
        <translation>Die Adresse hat keinen verwendbaren Hostnamen.</translation>
    </message>
    <message>
        <source>The port in the address is not a number from 1 to 65535.</source>
        <translation>Der Port in der Adresse ist keine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>Only pages on the web, at http:// and https:// addresses, can be used; this address starts with %1.</source>
        <extracomment>%1 is the scheme the address starts with, as in &quot;ftp:&quot;.</extracomment>
        <translation>Nur Seiten im Web mit http://- und https://-Adressen können verwendet werden; diese Adresse beginnt mit %1.</translation>
    </message>
</context>
<context>
    <name>quillbox::ForumPasswords</name>
    <message>
        <source>No keyring is available.</source>
        <translation>Es ist kein Schlüsselbund verfügbar.</translation>
    </message>
    <message>
        <source>The desktop keyring could not be reached, so the forum passwords kept in it cannot be shown, pasted or changed there for now. Nothing has been changed: the passwords in the keyring stay there, and a password you type stays in posts2.txt until the keyring takes it.<byte value="xd"/>
<byte value="xd"/>
Unlock the keyring (or start it), then press Paste Password, or start the program again.</source>
        <translation>Der Schlüsselbund des Desktops war nicht erreichbar, daher können die darin aufbewahrten Forenpasswörter vorerst weder angezeigt noch eingefügt noch dort geändert werden. Es wurde nichts verändert: Die Passwörter im Schlüsselbund bleiben dort, und ein Passwort, das Sie eingeben, bleibt in posts2.txt, bis der Schlüsselbund es aufnimmt.<byte value="xd"/>
<byte value="xd"/>
Entsperren (oder starten) Sie den Schlüsselbund und klicken Sie dann auf „Passwort einfügen“, oder starten Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Reading it from the keyring...</source>
        <translation>Wird aus dem Schlüsselbund gelesen...</translation>
    </message>
    <message>
        <source>In the keyring, which could not be read</source>
        <translation>Im Schlüsselbund, der nicht gelesen werden konnte</translation>
    </message>
    <message>
        <source>The password could not be read from the keyring.</source>
        <translation>Das Passwort konnte nicht aus dem Schlüsselbund gelesen werden.</translation>
    </message>
    <message>
        <source>Your forum passwords are kept in posts2.txt as plain text. Move them into the desktop keyring, where your browser and password manager keep theirs?<byte value="xd"/>
<byte value="xd"/>
You can change this later: Tools, Keep forum passwords in the desktop keyring.</source>
        <translation>Ihre Forenpasswörter stehen als Klartext in posts2.txt. Sollen sie in den Schlüsselbund des Desktops verschoben werden, wo auch Ihr Browser und Ihre Passwortverwaltung ihre Passwörter aufbewahren?<byte value="xd"/>
<byte value="xd"/>
Sie können das später ändern: Extras, Forenpasswörter im Schlüsselbund des Desktops aufbewahren.</translation>
    </message>
    <message>
        <source>Move to the Keyring</source>
        <translation>In den Schlüsselbund verschieben</translation>
    </message>
    <message>
        <source>Keep in posts2.txt</source>
        <translation>In posts2.txt behalten</translation>
    </message>
    <message>
        <source>posts2.txt could not be read when the program started, so the forum passwords are not moved until the program is started again.</source>
        <translation>posts2.txt konnte beim Start des Programms nicht gelesen werden, daher werden die Forenpasswörter erst nach einem Neustart des Programms verschoben.</translation>
    </message>
    <message>
        <source>The desktop keyring could not be reached, so the forum passwords stay in posts2.txt.</source>
        <translation>Der Schlüsselbund des Desktops war nicht erreichbar, daher bleiben die Forenpasswörter in posts2.txt.</translation>
    </message>
    <message>
        <source>Some forum passwords could not be read from the desktop keyring, so all of them stay there, and the setting stays on. Unlock the keyring and try again.</source>
        <translation>Einige Forenpasswörter konnten nicht aus dem Schlüsselbund des Desktops gelesen werden, daher bleiben alle dort, und die Einstellung bleibt eingeschaltet. Entsperren Sie den Schlüsselbund und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>quillbox::HelpWindow</name>
    <message>
        <source>Readme/Help</source>
        <translation>Liesmich/Hilfe</translation>
    </message>
    <message>
        <source>Show at Startup</source>
        <translation>Beim Start anzeigen</translation>
    </message>
</context>
<context>
    <name>quillbox::HttpReplyReader</name>
    <message>
        <source>Downloaded %1 bytes</source>
        <translation>%1 Bytes heruntergeladen</translation>
    </message>
    <message>
        <source>Downloaded %1 from %2 (%3%)</source>
        <extracomment>%1 bytes of the page have come, of the %2 the web server announced: %3 percent.</extracomment>
        <translation>%1 von %2 heruntergeladen (%3%)</translation>
    </message>
</context>
<context>
    <name>quillbox::InsertFollowUp</name>
    <message>
        <source>The posted thread was not found; use Watch This Post on it</source>
        <translation>Das veröffentlichte Thema wurde nicht gefunden; verwenden Sie dort „Thema beobachten“</translation>
    </message>
    <message>
        <source>Now watching: %1</source>
        <extracomment>The status bar once a posted message is found: %1 is the title of its thread&apos;s page.</extracomment>
        <translation>Wird jetzt beobachtet: %1</translation>
    </message>
</context>
<context>
    <name>quillbox::ListFiles</name>
    <message>
        <source>a size that is not a number, read as no size</source>
        <translation>eine Größe, die keine Zahl ist, gelesen als keine Größe</translation>
    </message>
    <message>
        <source>%1 sizes that are not numbers, read as no size</source>
        <translation>%1 Größen, die keine Zahlen sind, gelesen als keine Größe</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: it holds sizes that would be lost, and its original could not be kept first. %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: Die Datei enthält Größen, die verloren gingen, und ihr Original konnte nicht vorher gesichert werden. %2</translation>
    </message>
    <message>
        <source>Changes to your lists are not saved to %1 until the program is started again, so that nothing is written over a file that could not be read.</source>
        <translation>Änderungen an Ihren Listen werden erst nach einem Neustart des Programms in %1 gespeichert, damit keine Datei überschrieben wird, die nicht gelesen werden konnte.</translation>
    </message>
    <message>
        <source>%1 sizes for 1 watched thread, so the last %2 pair with none</source>
        <extracomment>%1 sizes are in sizes.txt, for the watched threads: the last %2 sizes pair with none.</extracomment>
        <translation>%1 Größen für 1 beobachtetes Thema, daher erhalten die letzten %2 keines</translation>
    </message>
    <message numerus="yes">
        <source>%1 sizes for %n watched threads, so the last %2 pair with none</source>
        <translation>
            <numerusform>%1 Größen für %n beobachtetes Thema, daher erhalten die letzten %2 keines</numerusform>
            <numerusform>%1 Größen für %n beobachtete Themen, daher erhalten die letzten %2 keines</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>a size too large to hold, read as no size</source>
        <translation>eine zu große Größe, als keine Größe gelesen</translation>
    </message>
    <message>
        <source>%1 sizes too large to hold, read as no size</source>
        <translation>%1 zu große Größen, als keine Größe gelesen</translation>
    </message>
</context>
<context>
    <name>quillbox::ListsAutosave</name>
    <message>
        <source>Your lists could not be saved:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
They are kept in the window and written again at the next change and when you close it.</source>
        <extracomment>%1 lists the files that could not be written and why, one a line.</extracomment>
        <translation>Ihre Listen konnten nicht gespeichert werden:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Sie bleiben im Fenster erhalten und werden bei der nächsten Änderung und beim Schließen erneut geschrieben.</translation>
    </message>
</context>
<context>
    <name>quillbox::ListsPane</name>
    <message>
        <source>Enter Username</source>
        <translation>Benutzernamen eingeben</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Your Forums</source>
        <translation>Ihre Foren</translation>
    </message>
    <message>
        <source>Your Posts</source>
        <translation>Ihre Beiträge</translation>
    </message>
    <message>
        <source>Add Current URL</source>
        <translation>Aktuelle Adresse hinzufügen</translation>
    </message>
    <message>
        <source>Watch the current URL</source>
        <translation>Die aktuelle Adresse beobachten</translation>
    </message>
    <message>
        <source>Remove URL</source>
        <translation>Adresse entfernen</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Click within the Username field on the form you want to paste into, then click here.</source>
        <translation>Klicken Sie in das Feld für den Benutzernamen im Formular, in das Sie einfügen möchten, und dann hier.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Click within the Password field on the form you want to paste into, then click here.</source>
        <translation>Klicken Sie in das Passwortfeld im Formular, in das Sie einfügen möchten, und dann hier.</translation>
    </message>
    <message>
        <source>Watch This Post</source>
        <translation>Thema beobachten</translation>
    </message>
    <message>
        <source>Remove Watch</source>
        <translation>Nicht mehr beobachten</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle zeigen</translation>
    </message>
    <message>
        <source>Check for new replies</source>
        <translation>Auf neue Antworten prüfen</translation>
    </message>
    <message>
        <source>Checking in the background...</source>
        <translation>Wird im Hintergrund geprüft …</translation>
    </message>
    <message>
        <source>Posting page kept: %1</source>
        <translation>Seite zum Schreiben gemerkt: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open Posting Page</source>
        <translation>Seite zum Schreiben öffnen</translation>
    </message>
    <message>
        <source>Use Current Page as Posting Page</source>
        <translation>Aktuelle Seite als Seite zum Schreiben verwenden</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Adresse kopieren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Mark as Read</source>
        <translation>Als gelesen markieren</translation>
    </message>
    <message>
        <source>Mark All as Read</source>
        <translation>Alle als gelesen markieren</translation>
    </message>
    <message>
        <source>New Replies</source>
        <translation>Neue Antworten</translation>
    </message>
    <message>
        <source>Put back: %1</source>
        <extracomment>The status bar after Undo put a removed row back: %1 is the row.</extracomment>
        <translation>Zurückgeholt: %1</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Watch the New Address</source>
        <translation>Neue Adresse beobachten</translation>
    </message>
</context>
<context>
    <name>quillbox::MainWindow</name>
    <message>
        <source>message preview</source>
        <translation>Nachrichtenvorschau</translation>
    </message>
    <message>
        <source>The page shown is not on the site of the selected forum (%1). Paste its password into this page anyway?</source>
        <translation>Die angezeigte Seite gehört nicht zur Website des gewählten Forums (%1). Sein Passwort trotzdem in diese Seite einfügen?</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Your message could not be saved.</source>
        <translation>Ihre Nachricht konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>MESSAGE SAVED</source>
        <translation>NACHRICHT GESPEICHERT</translation>
    </message>
    <message>
        <source>Auto-Insert</source>
        <translation>Automatisch einfügen</translation>
    </message>
    <message>
        <source>Once you are on the page where you can post your message, click here to insert it.</source>
        <translation>Sobald Sie auf der Seite sind, auf der Sie Ihre Nachricht veröffentlichen können, klicken Sie hier, um sie einzufügen.</translation>
    </message>
    <message>
        <source>as</source>
        <translation>als</translation>
    </message>
    <message>
        <source>Select the format you would like to use when your message is inserted.</source>
        <translation>Wählen Sie das Format, in dem Ihre Nachricht eingefügt werden soll.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>See a preview of your message in the currently selected format</source>
        <translation>Eine Vorschau Ihrer Nachricht im gewählten Format ansehen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy your message to the clipboard in the selected format</source>
        <translation>Ihre Nachricht im gewählten Format in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the current message</source>
        <translation>Die aktuelle Nachricht speichern</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Load a saved message</source>
        <translation>Eine gespeicherte Nachricht laden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Message Editor</source>
        <translation>Nachrichteneditor</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Betreff:</translation>
    </message>
    <message>
        <source>Click within the Subject field on the form you want to paste into, then click here.</source>
        <translation>Klicken Sie in das Betreff-Feld im Formular, in das Sie einfügen möchten, und dann hier.</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>Paste Message</source>
        <translation>Nachricht einfügen</translation>
    </message>
    <message>
        <source>Click within the message area on the form you want to paste into, then click here.</source>
        <translation>Klicken Sie in das Nachrichtenfeld im Formular, in das Sie einfügen möchten, und dann hier.</translation>
    </message>
    <message>
        <source>Border between message and browser</source>
        <translation>Grenze zwischen Nachricht und Browser</translation>
    </message>
    <message>
        <source>Drag to share the width between the message and the browser</source>
        <translation>Ziehen, um die Breite zwischen Nachricht und Browser aufzuteilen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;New Message</source>
        <translation>&amp;Neue Nachricht</translation>
    </message>
    <message>
        <source>&amp;Save Message</source>
        <translation>Nachricht &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Load Message</source>
        <translation>Nachricht &amp;laden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Auto &amp;Insert</source>
        <translation>Automatisch &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Check Replies</source>
        <translation>Antworten &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Paste Subject</source>
        <translation>Betreff einfügen</translation>
    </message>
    <message>
        <source>Paste Username</source>
        <translation>Benutzernamen einfügen</translation>
    </message>
    <message>
        <source>Paste Password</source>
        <translation>Passwort einfügen</translation>
    </message>
    <message>
        <source>&amp;Mark as Read</source>
        <translation>Als gelesen &amp;markieren</translation>
    </message>
    <message>
        <source>Mark &amp;All as Read</source>
        <translation>&amp;Alle als gelesen markieren</translation>
    </message>
    <message>
        <source>Reply Check Se&amp;ttings...</source>
        <translation>Einstellungen der Antwort&amp;prüfung …</translation>
    </message>
    <message>
        <source>&amp;Saved Messages</source>
        <translation>&amp;Gespeicherte Nachrichten</translation>
    </message>
    <message>
        <source>&amp;All posts</source>
        <translation>&amp;Alle Beiträge</translation>
    </message>
    <message>
        <source>&amp;Replies</source>
        <translation>&amp;Antworten</translation>
    </message>
    <message>
        <source>&amp;Templates</source>
        <translation>&amp;Vorlagen</translation>
    </message>
    <message>
        <source>Use the system&apos;s colours</source>
        <translation>Farben des Systems verwenden</translation>
    </message>
    <message>
        <source>View &amp;Help</source>
        <translation>&amp;Hilfe anzeigen</translation>
    </message>
    <message>
        <source>About this software</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Post to &amp;Selected Forums</source>
        <translation>In &amp;ausgewählten Foren posten</translation>
    </message>
    <message>
        <source>Use Current Page as &amp;Posting Page</source>
        <translation>Aktuelle Seite als &amp;Beitragsseite verwenden</translation>
    </message>
    <message>
        <source>Post &amp;History</source>
        <translation>Beitrags&amp;verlauf</translation>
    </message>
    <message>
        <source>Discard the message?</source>
        <translation>Nachricht verwerfen?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Visit</source>
        <translation>Besuchen</translation>
    </message>
    <message>
        <source>Link &amp;Whole Addresses</source>
        <translation>&amp;Ganze Adressen verlinken</translation>
    </message>
    <message>
        <source>Keep forum passwords in the desktop &amp;keyring</source>
        <translation>Forenpasswörter im &amp;Schlüsselbund des Desktops aufbewahren</translation>
    </message>
</context>
<context>
    <name>quillbox::PageFetcher</name>
    <message>
        <source>This system offers no TLS, so https:// addresses cannot be fetched.</source>
        <translation>Dieses System bietet kein TLS, daher können https://-Adressen nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>Connecting to the web server</source>
        <translation>Verbindung zum Webserver wird hergestellt</translation>
    </message>
    <message>
        <source>Sending request</source>
        <translation>Anfrage wird gesendet</translation>
    </message>
    <message>
        <source>Request completed</source>
        <translation>Anfrage abgeschlossen</translation>
    </message>
    <message>
        <source>Receiving response</source>
        <translation>Antwort wird empfangen</translation>
    </message>
    <message>
        <source>The secure connection failed.</source>
        <translation>Die sichere Verbindung ist fehlgeschlagen.</translation>
    </message>
    <message numerus="yes">
        <source>%n milliseconds</source>
        <extracomment>A span of time, shown in the sentences that tell of a request given up.</extracomment>
        <translation>
            <numerusform>%n Millisekunde</numerusform>
            <numerusform>%n Millisekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection ended after %1 of the %2 bytes the web server announced; the page arrived incomplete.</source>
        <translation>Die Verbindung endete nach %1 der %2 vom Webserver angekündigten Bytes; die Seite kam unvollständig an.</translation>
    </message>
    <message>
        <source>The web server&apos;s chunked reply was malformed after %1 bytes; the page could not be measured.</source>
        <translation>Die in Blöcken gesendete Antwort des Webservers war nach %1 Bytes fehlerhaft; die Seite konnte nicht gemessen werden.</translation>
    </message>
    <message>
        <source>The connection ended after %1 bytes, before the last chunk of the page the web server sent in chunks; the page arrived incomplete.</source>
        <translation>Die Verbindung endete nach %1 Bytes, vor dem letzten Block der Seite, die der Webserver in Blöcken sandte; die Seite kam unvollständig an.</translation>
    </message>
    <message>
        <source>The web server sent nothing for %1; the request was given up.</source>
        <translation>Der Webserver hat %1 lang nichts gesendet; die Anfrage wurde aufgegeben.</translation>
    </message>
    <message>
        <source>The web server had not sent the whole page after %1, the deadline for one page; the request was given up.</source>
        <translation>Der Webserver hatte die Seite nach %1, der Frist für eine Seite, nicht vollständig gesendet; die Anfrage wurde aufgegeben.</translation>
    </message>
    <message>
        <source>The web server announced two different lengths for the page, so it cannot be measured.</source>
        <translation>Der Webserver hat zwei verschiedene Längen für die Seite angekündigt, daher kann sie nicht gemessen werden.</translation>
    </message>
    <message>
        <source>HTTP %1 %2 names no new address.</source>
        <translation>HTTP %1 %2 nennt keine neue Adresse.</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>verschoben nach %1</translation>
    </message>
    <message>
        <source>The page redirects in a loop.</source>
        <translation>Die Seite leitet im Kreis weiter.</translation>
    </message>
    <message>
        <source>The page was redirected more than %1 times.</source>
        <extracomment>%1 is the most redirects followed for one page.</extracomment>
        <translation>Die Seite wurde mehr als %1-mal weitergeleitet.</translation>
    </message>
</context>
<context>
    <name>quillbox::PostHistoryWindow</name>
    <message>
        <source>&amp;Retry Skipped</source>
        <translation>Übersprungene &amp;wiederholen</translation>
    </message>
    <message>
        <source>Post History</source>
        <translation>Verlauf der Beiträge</translation>
    </message>
    <message>
        <source>Filter: forum, subject, thread or result</source>
        <translation>Filter: Forum, Betreff, Thema oder Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Copy Thread Address</source>
        <translation>Adresse des Themas &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Watch Again</source>
        <translation>Wieder &amp;beobachten</translation>
    </message>
    <message>
        <source>1 damaged line of the log was skipped; the file still holds it.</source>
        <translation>1 beschädigte Zeile des Protokolls wurde übersprungen; sie bleibt in der Datei erhalten.</translation>
    </message>
    <message>
        <source>%1 damaged lines of the log were skipped; the file still holds them.</source>
        <translation>%1 beschädigte Zeilen des Protokolls wurden übersprungen; sie bleiben in der Datei erhalten.</translation>
    </message>
    <message>
        <source>Open Posting Page</source>
        <translation>Seite zum Schreiben öffnen</translation>
    </message>
    <message>
        <source>Open Thread</source>
        <translation>Thema öffnen</translation>
    </message>
    <message>
        <source>Copy Thread Address</source>
        <translation>Adresse des Themas kopieren</translation>
    </message>
    <message>
        <source>Watch Again</source>
        <translation>Wieder beobachten</translation>
    </message>
</context>
<context>
    <name>quillbox::PostLog</name>
    <message>
        <source>Could not add to the post log &quot;%1&quot;: %2</source>
        <translation>Konnte nicht zum Beitragsprotokoll „%1“ hinzufügen: %2</translation>
    </message>
</context>
<context>
    <name>quillbox::PostLogModel</name>
    <message>
        <source>Queue run: 1 forum</source>
        <translation>Warteschlange: 1 Forum</translation>
    </message>
    <message>
        <source>Queue run: %1 forums</source>
        <translation>Warteschlange: %1 Foren</translation>
    </message>
    <message>
        <source>%1 of %2 watched</source>
        <translation>%1 von %2 beobachtet</translation>
    </message>
    <message>
        <source>Thread or posting page</source>
        <translation>Thema oder Seite zum Schreiben</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
</context>
<context>
    <name>quillbox::PostMeasurer</name>
    <message>
        <source>Response completed</source>
        <translation>Antwort vollständig</translation>
    </message>
</context>
<context>
    <name>quillbox::PostQueue</name>
    <message>
        <source>already posted</source>
        <translation>bereits veröffentlicht</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>%1 nicht gefunden</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>%1 übersprungen</translation>
    </message>
    <message>
        <source>%1 skipped (%2)</source>
        <translation>%1 übersprungen (%2)</translation>
    </message>
    <message>
        <source>%1 stopped</source>
        <translation>%1 abgebrochen</translation>
    </message>
    <message>
        <source>Posted to %1 of 1 forum.</source>
        <translation>In %1 von 1 Forum veröffentlicht.</translation>
    </message>
    <message>
        <source>Posted to %1 of 1 forum: %2.</source>
        <translation>In %1 von 1 Forum veröffentlicht: %2.</translation>
    </message>
    <message>
        <source>Posted to %1 of %2 forums.</source>
        <translation>In %1 von %2 Foren veröffentlicht.</translation>
    </message>
    <message>
        <source>Posted to %1 of %2 forums: %3.</source>
        <translation>In %1 von %2 Foren veröffentlicht: %3.</translation>
    </message>
    <message>
        <source>Already posted to %1 on %2. Post again?</source>
        <translation>Bereits am %2 in %1 veröffentlicht. Erneut veröffentlichen?</translation>
    </message>
    <message>
        <source>Post Again</source>
        <translation>Erneut veröffentlichen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>no subject field</source>
        <translation>kein Betreffsfeld</translation>
    </message>
    <message>
        <source>waiting for you to submit</source>
        <translation>wartet auf Ihr Absenden</translation>
    </message>
    <message>
        <source>no posting page</source>
        <translation>keine Seite zum Schreiben</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 von %2: %3</translation>
    </message>
    <message>
        <source>loading</source>
        <translation>wird geladen</translation>
    </message>
    <message>
        <source>watching</source>
        <translation>wird beobachtet</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <extracomment>The queue strip after a run: %1 counts each outcome, as in &quot;3 watched, 1 skipped&quot;.</extracomment>
        <translation>Fertig: %1</translation>
    </message>
</context>
<context>
    <name>quillbox::PostSummary</name>
    <message>
        <source>Recorded size: %1 bytes</source>
        <translation>Erfasste Größe: %1 Bytes</translation>
    </message>
    <message>
        <source>Recorded size: none yet</source>
        <translation>Erfasste Größe: noch keine</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Noch nicht geprüft</translation>
    </message>
    <message>
        <source>Result: new replies (%1 bytes)</source>
        <translation>Ergebnis: neue Antworten (%1 Bytes)</translation>
    </message>
    <message>
        <source>Result: unchanged (%1 bytes)</source>
        <translation>Ergebnis: unverändert (%1 Bytes)</translation>
    </message>
    <message>
        <source>Result: unchanged</source>
        <translation>Ergebnis: unverändert</translation>
    </message>
    <message>
        <source>Result: not fetched, no size recorded</source>
        <translation>Ergebnis: nicht abgerufen, keine Größe erfasst</translation>
    </message>
    <message>
        <source>Now at: %1</source>
        <translation>Jetzt unter: %1</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <comment>the date and time of the last check</comment>
        <translation>Zuletzt geprüft: %1</translation>
    </message>
    <message>
        <source>Result: 1 new reply (%1 bytes)</source>
        <translation>Ergebnis: 1 neue Antwort (%1 Bytes)</translation>
    </message>
    <message numerus="yes">
        <source>Result: %n new replies (%1 bytes)</source>
        <translation>
            <numerusform>Ergebnis: %n neue Antwort (%1 Bytes)</numerusform>
            <numerusform>Ergebnis: %n neue Antworten (%1 Bytes)</numerusform>
        </translation>
    </message>
    <message>
        <source>Result: failed - %1</source>
        <comment>why the check failed</comment>
        <translation>Ergebnis: fehlgeschlagen – %1</translation>
    </message>
</context>
<context>
    <name>quillbox::PostingControls</name>
    <message>
        <source>Post to Selected Forums</source>
        <translation>In ausgewählten Foren posten</translation>
    </message>
    <message>
        <source>Post the message to each forum selected in Your Forums, one after the other.</source>
        <translation>Die Nachricht nacheinander in jedem unter „Ihre Foren“ ausgewählten Forum veröffentlichen.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo the removal</source>
        <translation>Entfernen rückgängig machen</translation>
    </message>
    <message>
        <source>Select the forums to post to in Your Forums</source>
        <translation>Wählen Sie unter „Ihre Foren“ die Foren aus, in denen Sie posten möchten</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <extracomment>The status bar after a row was removed from a list: %1 is the row.</extracomment>
        <translation>Entfernt: %1</translation>
    </message>
</context>
<context>
    <name>quillbox::Program</name>
    <message>
        <source>%1 by %2</source>
        <extracomment>The window&apos;s title: %1 is the program&apos;s name, %2 its maker&apos;s.</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Visit %1</source>
        <translation>%1 besuchen</translation>
    </message>
    <message>
        <source>Some data files could not be created:</source>
        <translation>Einige Datendateien konnten nicht angelegt werden:</translation>
    </message>
    <message>
        <source>Some data files could not be read; their lists start empty:</source>
        <translation>Einige Datendateien konnten nicht gelesen werden; ihre Listen beginnen leer:</translation>
    </message>
    <message>
        <source>Some data files are damaged:</source>
        <translation>Einige Datendateien sind beschädigt:</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Quit without saving</source>
        <translation>Ohne Speichern beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>background check - %1 new replies listed, %2 new</source>
        <translation>Prüfung im Hintergrund – %1 neue Antworten gelistet, %2 neu</translation>
    </message>
    <message>
        <source>A post could not be added to the post log.</source>
        <translation>Ein Beitrag konnte nicht in das Beitragsprotokoll eingetragen werden.</translation>
    </message>
    <message>
        <source>Type your first message here.  <byte value="xd"/>
<byte value="xd"/>
Use plain-text, and be sure to put <byte value="xd"/>
http:// before your URLs.  Then go<byte value="xd"/>
to a message forum&apos;s posting page <byte value="xd"/>
and hit the &quot;Auto-Insert&quot; button <byte value="xd"/>
to insert your message <byte value="xd"/>
automatically!  <byte value="xd"/>
<byte value="xd"/>
You can switch between different <byte value="xd"/>
formatting types by changing the <byte value="xd"/>
value in the drop down box above.</source>
        <translation>Schreiben Sie hier Ihre erste Nachricht.  <byte value="xd"/>
<byte value="xd"/>
Verwenden Sie reinen Text und setzen Sie <byte value="xd"/>
http:// vor Ihre Adressen.  Gehen Sie dann<byte value="xd"/>
auf die Seite eines Forums, auf der Sie <byte value="xd"/>
schreiben, und klicken Sie auf <byte value="xd"/>
„Automatisch einfügen“, um Ihre Nachricht <byte value="xd"/>
automatisch einzufügen!  <byte value="xd"/>
<byte value="xd"/>
Sie können zwischen verschiedenen <byte value="xd"/>
Formaten wechseln, indem Sie den <byte value="xd"/>
Wert im Auswahlfeld oben ändern.</translation>
    </message>
    <message>
        <source>The forum cookies for quillbox-check could not be kept.<byte value="xd"/>
%1</source>
        <extracomment>%1 says why the cookie file could not be written.</extracomment>
        <translation>Die Foren-Cookies für quillbox-check konnten nicht gespeichert werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A window&apos;s title or the tray&apos;s: %1 is the name, %2 the number of threads with unread replies.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Your settings could not be saved.<byte value="xd"/>
%1</source>
        <extracomment>%1 says why the settings file could not be written.</extracomment>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>%1 by the %1 developers</source>
        <translation>%1 von den %1-Entwicklern</translation>
    </message>
    <message>
        <source>Your lists could not be saved:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Free some space or fix the folder, then try again. Quitting without saving loses the changes to your lists.</source>
        <extracomment>%1 lists the files that could not be written and why, one a line.</extracomment>
        <translation>Ihre Listen konnten nicht gespeichert werden:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Schaffen Sie Platz oder reparieren Sie den Ordner und versuchen Sie es dann erneut. Beenden ohne Speichern verwirft die Änderungen an Ihren Listen.</translation>
    </message>
    <message>
        <source>Your templates could not be saved.<byte value="xd"/>
%1</source>
        <extracomment>%1 says why the settings file could not be written.</extracomment>
        <translation>Ihre Vorlagen konnten nicht gespeichert werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Quillbox cannot tell whether it is running on this data folder already:</source>
        <translation>Quillbox kann nicht feststellen, ob es mit diesem Datenordner bereits läuft:</translation>
    </message>
    <message>
        <source>Changes to your lists are not saved while this window is open, so that two copies of Quillbox never both write them. Free some space or fix the folder, then start Quillbox again.</source>
        <translation>Änderungen an Ihren Listen werden nicht gespeichert, solange dieses Fenster offen ist, damit nie zwei Kopien von Quillbox sie beide schreiben. Schaffen Sie Platz oder reparieren Sie den Ordner und starten Sie Quillbox dann erneut.</translation>
    </message>
    <message>
        <source>A second start of Quillbox cannot reach this one:</source>
        <translation>Ein zweiter Start von Quillbox kann dieses Programm nicht erreichen:</translation>
    </message>
</context>
<context>
    <name>quillbox::QueueStrip</name>
    <message>
        <source>&amp;Retry Skipped</source>
        <translation>Übersprungene &amp;wiederholen</translation>
    </message>
    <message>
        <source>&amp;Dismiss</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Next Forum</source>
        <translation>&amp;Nächstes Forum</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Ü&amp;berspringen</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>(skipped %1)</source>
        <translation>(%1 übersprungen)</translation>
    </message>
</context>
<context>
    <name>quillbox::ReplyCheck</name>
    <message numerus="yes">
        <source>finished - %n new replies found</source>
        <extracomment>The status bar after a check: %n threads have grown since their last check.</extracomment>
        <translation>
            <numerusform>fertig – %n neue Antwort gefunden</numerusform>
            <numerusform>fertig – %n neue Antworten gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>finished - %1 new replies found, 1 thread could not be checked</source>
        <extracomment>The status bar after a check: %1 threads have grown, %n could not be fetched.</extracomment>
        <translation>fertig – %1 neue Antworten gefunden, 1 Thema konnte nicht geprüft werden</translation>
    </message>
    <message numerus="yes">
        <source>finished - %1 new replies found, %n threads could not be checked</source>
        <translation>
            <numerusform>fertig – %1 neue Antworten gefunden, %n Thema konnte nicht geprüft werden</numerusform>
            <numerusform>fertig – %1 neue Antworten gefunden, %n Themen konnten nicht geprüft werden</numerusform>
        </translation>
    </message>
    <message>
        <source>checking post %1</source>
        <extracomment>The status bar during a check: %1 counts the threads from 1.</extracomment>
        <translation>prüfe Beitrag %1</translation>
    </message>
</context>
<context>
    <name>quillbox::ReplyCheckOptions</name>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>Reply Check Settings</source>
        <translation>Einstellungen der Antwortprüfung</translation>
    </message>
    <message>
        <source>Check for new replies every</source>
        <translation>Auf neue Antworten prüfen alle</translation>
    </message>
    <message>
        <source>Check threads as the logged-in user</source>
        <translation>Themen als angemeldeter Benutzer prüfen</translation>
    </message>
    <message>
        <source>Send the cookies of the built-in browser with each check, so threads that only members can read are measured as you see them. Re-record the sizes after changing this.</source>
        <translation>Bei jeder Prüfung die Cookies des eingebauten Browsers mitsenden, damit Themen, die nur Mitglieder lesen können, so gemessen werden, wie Sie sie sehen. Erfassen Sie die Größen nach einer Änderung neu.</translation>
    </message>
    <message>
        <source>Checks run while Quillbox is open, without message boxes; a notification names the threads with new replies.</source>
        <translation>Die Prüfungen laufen, während Quillbox geöffnet ist, ohne Meldungsfenster; eine Benachrichtigung nennt die Themen mit neuen Antworten.</translation>
    </message>
</context>
<context>
    <name>quillbox::SavedMessageList</name>
    <message>
        <source>(empty line)</source>
        <translation>(leere Zeile)</translation>
    </message>
    <message>
        <source>(no subject)</source>
        <translation>(kein Betreff)</translation>
    </message>
    <message>
        <source>(no text)</source>
        <translation>(kein Text)</translation>
    </message>
</context>
<context>
    <name>quillbox::SavedMessages</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>quillbox::SavedMessagesWindow</name>
    <message>
        <source>load a saved message</source>
        <translation>gespeicherte Nachricht laden</translation>
    </message>
    <message>
        <source>Saved Messages</source>
        <translation>Gespeicherte Nachrichten</translation>
    </message>
    <message>
        <source>double-click the message you wish to load:</source>
        <translation>Doppelklicken Sie auf die Nachricht, die Sie laden möchten:</translation>
    </message>
    <message>
        <source>Filter: subject or text</source>
        <translation>Filter: Betreff oder Text</translation>
    </message>
    <message>
        <source>click once to view the entire message</source>
        <translation>einmal klicken, um die ganze Nachricht zu sehen</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Betreff:</translation>
    </message>
    <message>
        <source>delete message</source>
        <translation>Nachricht löschen</translation>
    </message>
    <message>
        <source>you must first save a message before you can load one</source>
        <translation>Sie müssen zuerst eine Nachricht speichern, bevor Sie eine laden können</translation>
    </message>
    <message>
        <source>cannot insert a blank message</source>
        <translation>eine leere Nachricht kann nicht eingefügt werden</translation>
    </message>
</context>
<context>
    <name>quillbox::SettingsStore</name>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the file is damaged and could not be rewritten</source>
        <translation>die Datei ist beschädigt und konnte nicht neu geschrieben werden</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Could not save the settings in &quot;%1&quot;: %2</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the file could not be read (%1), and a save would replace what it holds.</source>
        <translation>die Datei konnte nicht gelesen werden (%1), und Speichern würde ihren Inhalt ersetzen.</translation>
    </message>
    <message>
        <source>lines that are not settings, which a save leaves out</source>
        <translation>Zeilen, die keine Einstellungen sind und beim Speichern wegfallen</translation>
    </message>
    <message>
        <source>it is damaged, and its original could not be kept first. %1</source>
        <translation>sie ist beschädigt, und ihr Original konnte nicht vorher gesichert werden. %1</translation>
    </message>
</context>
<context>
    <name>quillbox::SingleInstance</name>
    <message>
        <source>Could not lock the data folder &quot;%1&quot;: %2</source>
        <translation>Der Datenordner „%1“ konnte nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>the folder cannot be written.</source>
        <translation>in den Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>the lock file cannot be made.</source>
        <translation>die Sperrdatei kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Could not listen at &quot;%1&quot;: %2</source>
        <translation>An &quot;%1&quot; kann nicht gewartet werden: %2</translation>
    </message>
    <message>
        <source>the program at &quot;%1&quot; could not be identified.</source>
        <translation>das Programm an &quot;%1&quot; konnte nicht erkannt werden.</translation>
    </message>
    <message>
        <source>the program at &quot;%1&quot; belongs to another user (%2).</source>
        <translation>das Programm an &quot;%1&quot; gehört einem anderen Benutzer (%2).</translation>
    </message>
</context>
<context>
    <name>quillbox::TemplateEditor</name>
    <message>
        <source>Custom Message Templates</source>
        <translation>Eigene Nachrichtenvorlagen</translation>
    </message>
    <message>
        <source>del</source>
        <translation>entf.</translation>
    </message>
    <message>
        <source>You may use this form to create custom templates for message insertion.  Just enter the name, and the required parameters.  Your template will then be displayed in the drop down box on the main form.  We don&apos;t recommend changing the default templates, but if they become outdated you may wish to update them.</source>
        <translation>Mit diesem Formular können Sie eigene Vorlagen zum Einfügen von Nachrichten anlegen.  Geben Sie einfach den Namen und die nötigen Parameter ein.  Ihre Vorlage erscheint dann im Auswahlfeld des Hauptfensters.  Wir raten davon ab, die Standardvorlagen zu ändern, doch wenn sie veraltet sind, möchten Sie sie vielleicht anpassen.</translation>
    </message>
    <message>
        <source>Enable changing of default templates</source>
        <translation>Ändern der Standardvorlagen erlauben</translation>
    </message>
    <message>
        <source>Link whole addresses</source>
        <translation>Ganze Adressen verlinken</translation>
    </message>
    <message>
        <source>Link web addresses with their whole query (?…) and fragment (#…), addresses that start with www., and e-mail addresses wherever they stand; punctuation after an address stays outside the link. Unticked, addresses are linked as in earlier versions.</source>
        <translation>Webadressen mit ihrer ganzen Abfrage (?…) und ihrem Fragment (#…), Adressen, die mit www. beginnen, und E-Mail-Adressen verlinken, wo immer sie stehen; Satzzeichen nach einer Adresse bleiben außerhalb des Links. Ohne Häkchen werden Adressen wie in früheren Versionen verlinkt.</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>Speichern und schließen</translation>
    </message>
</context>
<context>
    <name>quillbox::TextFile</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes reached the disk</source>
        <translation>nur %1 von %2 Bytes erreichten den Datenträger</translation>
    </message>
    <message>
        <source>bytes that are not text, shown as %1</source>
        <translation>Bytes, die kein Text sind, angezeigt als %1</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: it holds bytes that are not text, and its original could not be kept first. %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: Die Datei enthält Bytes, die kein Text sind, und ihr Original konnte nicht vorher gesichert werden. %2</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <extracomment>Joins the faults found in a damaged file: %1 those before, %2 the last one.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2; the original file is kept as &quot;%3&quot; before it is first rewritten.</source>
        <extracomment>%1 is the damaged file, %2 what is wrong with it, %3 where its copy is kept.</extracomment>
        <translation>„%1“ enthält %2; die Originaldatei wird vor dem ersten Überschreiben als „%3“ gesichert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2; the original file is kept as &quot;%3&quot;.</source>
        <translation>„%1“ enthält %2; die Originaldatei ist als „%3“ gesichert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2; a copy of the original could not be kept, so the file will not be saved over. %3</source>
        <extracomment>%1 is the damaged file, %2 what is wrong with it, %3 why no copy could be made.</extracomment>
        <translation>„%1“ enthält %2; eine Kopie des Originals konnte nicht gesichert werden, daher wird die Datei nicht überschrieben. %3</translation>
    </message>
</context>
<context>
    <name>quillbox::UserChannel</name>
    <message>
        <source>it is not a folder</source>
        <translation>er ist kein Ordner</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>er gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>other users may enter it</source>
        <translation>andere Benutzer dürfen ihn öffnen</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for talking to a running Quillbox cannot be made: %2</source>
        <translation>Der Ordner &quot;%1&quot; für die Verbindung zu einem laufenden Quillbox kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for talking to a running Quillbox cannot be trusted: %2.</source>
        <translation>Dem Ordner &quot;%1&quot; für die Verbindung zu einem laufenden Quillbox kann nicht vertraut werden: %2.</translation>
    </message>
</context>
<context>
    <name>quillbox::WebsiteWindow</name>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
</context>
<context>
    <name>quillbox::WindowClose</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
