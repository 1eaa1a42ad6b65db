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
    <message>
        <source> threads have new replies:</source>
        <translation> Themen haben neue Antworten:</translation>
    </message>
    <message>
        <source>
and </source>
        <translation>
und </translation>
    </message>
    <message>
        <source> more</source>
        <translation> weitere</translation>
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
        <source>An error has occurred.<byte value="xd"/>
Error #: </source>
        <translation>Ein Fehler ist aufgetreten.<byte value="xd"/>
Fehlernummer: </translation>
    </message>
    <message>
        <source><byte value="xd"/>
Description: </source>
        <translation><byte value="xd"/>
Beschreibung: </translation>
    </message>
    <message>
        <source>Error occurred.<byte value="xd"/>
Error #: </source>
        <translation>Fehler aufgetreten.<byte value="xd"/>
Fehlernummer: </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source> threads could not be checked; the check went on with the others.</source>
        <translation> Themen konnten nicht geprüft werden; die Prüfung wurde mit den anderen fortgesetzt.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
and </source>
        <translation><byte value="xd"/>
<byte value="xd"/>
und </translation>
    </message>
    <message>
        <source> more: each thread&apos;s row tells its reason.</source>
        <translation> weitere: Die Zeile jedes Themas nennt den Grund.</translation>
    </message>
    <message>
        <source>Error </source>
        <translation>Fehler </translation>
    </message>
</context>
<context>
    <name>quillbox::FetchTarget</name>
    <message>
        <source>Only pages on the web, at http:// and https:// addresses, can be used; this address starts with </source>
        <translation>Nur Seiten im Web mit http://- und https://-Adressen können verwendet werden; diese Adresse beginnt mit </translation>
    </message>
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
        <source>Downloaded </source>
        <translation>Heruntergeladen: </translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> Bytes</translation>
    </message>
    <message>
        <source> from </source>
        <translation> von </translation>
    </message>
</context>
<context>
    <name>quillbox::InsertFollowUp</name>
    <message>
        <source>Now watching: </source>
        <translation>Wird jetzt beobachtet: </translation>
    </message>
    <message>
        <source>The posted thread was not found; use Watch This Post on it</source>
        <translation>Das veröffentlichte Thema wurde nicht gefunden; verwenden Sie dort „Thema beobachten“</translation>
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
        <source>%1 sizes for %2 watched %3, so the last %4 pair with none</source>
        <translation>%1 Größen für %2 beobachtete %3, daher erhalten die letzten %4 keine</translation>
    </message>
    <message>
        <source>thread</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>threads</source>
        <translation>Themen</translation>
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
        <source> and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>quillbox::ListsAutosave</name>
    <message>
        <source>Your lists could not be saved:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Ihre Listen konnten nicht gespeichert werden:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
They are kept in the window and written again at the next change and when you close it.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Sie bleiben im Fenster erhalten und werden bei der nächsten Änderung und beim Schließen erneut geschrieben.</translation>
    </message>
</context>
<context>
    <name>quillbox::ListsPane</name>
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
        <source>New Replies </source>
        <translation>Neue Antworten </translation>
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
        <source>Put back: </source>
        <translation>Zurückgeholt: </translation>
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
        <source>Visit </source>
        <translation>Besuchen </translation>
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
        <source>Keep forum passwords in the desktop &amp;keyring</source>
        <translation>Forenpasswörter im &amp;Schlüsselbund des Desktops aufbewahren</translation>
    </message>
</context>
<context>
    <name>quillbox::PageFetcher</name>
    <message>
        <source> milliseconds</source>
        <translation> Millisekunden</translation>
    </message>
    <message>
        <source> second</source>
        <translation> Sekunde</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> Sekunden</translation>
    </message>
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
    <message>
        <source>The connection ended after </source>
        <translation>Die Verbindung endete nach </translation>
    </message>
    <message>
        <source> of the </source>
        <translation> der </translation>
    </message>
    <message>
        <source> bytes the web server announced; the page arrived incomplete.</source>
        <translation> vom Webserver angekündigten Bytes; die Seite kam unvollständig an.</translation>
    </message>
    <message>
        <source>The web server&apos;s chunked reply was malformed after </source>
        <translation>Die in Blöcken gesendete Antwort des Webservers war fehlerhaft nach </translation>
    </message>
    <message>
        <source> bytes; the page could not be measured.</source>
        <translation> Bytes; die Seite konnte nicht gemessen werden.</translation>
    </message>
    <message>
        <source> bytes, before the last chunk of the page the web server sent in chunks; the page arrived incomplete.</source>
        <translation> Bytes, vor dem letzten Block der Seite, die der Webserver in Blöcken sandte; die Seite kam unvollständig an.</translation>
    </message>
    <message>
        <source>The web server sent nothing for </source>
        <translation>Der Webserver hat nichts gesendet für </translation>
    </message>
    <message>
        <source>; the request was given up.</source>
        <translation>; die Anfrage wurde aufgegeben.</translation>
    </message>
    <message>
        <source>The web server had not sent the whole page after </source>
        <translation>Der Webserver hatte die Seite nicht vollständig gesendet nach </translation>
    </message>
    <message>
        <source>, the deadline for one page; the request was given up.</source>
        <translation>, der Frist für eine Seite; die Anfrage wurde aufgegeben.</translation>
    </message>
</context>
<context>
    <name>quillbox::PostHistoryWindow</name>
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
        <source>Done: </source>
        <translation>Fertig: </translation>
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
</context>
<context>
    <name>quillbox::PostSummary</name>
    <message>
        <source> bytes</source>
        <translation> Bytes</translation>
    </message>
    <message>
        <source>Recorded size: </source>
        <translation>Erfasste Größe: </translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keine</translation>
    </message>
    <message>
        <source>
Not checked yet</source>
        <translation>
Noch nicht geprüft</translation>
    </message>
    <message>
        <source>
Last checked: </source>
        <translation>
Zuletzt geprüft: </translation>
    </message>
    <message>
        <source>
Result: new replies (</source>
        <translation>
Ergebnis: neue Antworten (</translation>
    </message>
    <message>
        <source>
Result: unchanged</source>
        <translation>
Ergebnis: unverändert</translation>
    </message>
    <message>
        <source>
Result: failed - </source>
        <translation>
Ergebnis: fehlgeschlagen – </translation>
    </message>
    <message>
        <source>
Result: not fetched, no size recorded</source>
        <translation>
Ergebnis: nicht abgerufen, keine Größe erfasst</translation>
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
        <source>Removed: </source>
        <translation>Entfernt: </translation>
    </message>
    <message>
        <source>Select the forums to post to in Your Forums</source>
        <translation>Wählen Sie unter „Ihre Foren“ die Foren aus, in denen Sie posten möchten</translation>
    </message>
</context>
<context>
    <name>quillbox::Program</name>
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
value in the drop down box above.<byte value="xd"/>
</source>
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
Wert im Auswahlfeld oben ändern.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The forum cookies for quillbox-check could not be kept.<byte value="xd"/>
</source>
        <translation>Die Foren-Cookies für quillbox-check konnten nicht gespeichert werden.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Your settings could not be saved.<byte value="xd"/>
</source>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 by %2</source>
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
        <source>Your lists could not be saved:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Ihre Listen konnten nicht gespeichert werden:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Free some space or fix the folder, then try again. Quitting without saving loses the changes to your lists.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Schaffen Sie Platz oder reparieren Sie den Ordner und versuchen Sie es dann erneut. Beenden ohne Speichern verwirft die Änderungen an Ihren Listen.</translation>
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
        <source>Your templates could not be saved.<byte value="xd"/>
</source>
        <translation>Ihre Vorlagen konnten nicht gespeichert werden.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>background check - %1 new replies listed, %2 new</source>
        <translation>Prüfung im Hintergrund – %1 neue Antworten gelistet, %2 neu</translation>
    </message>
    <message>
        <source>A post could not be added to the post log.</source>
        <translation>Ein Beitrag konnte nicht in das Beitragsprotokoll eingetragen werden.</translation>
    </message>
</context>
<context>
    <name>quillbox::QueueStrip</name>
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
    <message>
        <source>finished - </source>
        <translation>fertig – </translation>
    </message>
    <message>
        <source> new replies found</source>
        <translation> neue Antworten gefunden</translation>
    </message>
    <message>
        <source> thread</source>
        <translation> Thema</translation>
    </message>
    <message>
        <source> threads</source>
        <translation> Themen</translation>
    </message>
    <message>
        <source> could not be checked</source>
        <translation> konnte nicht geprüft werden</translation>
    </message>
    <message>
        <source>checking post 1</source>
        <translation>prüfe Beitrag 1</translation>
    </message>
    <message>
        <source>checking post </source>
        <translation>prüfe Beitrag </translation>
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
        <source>Could not listen for a second start: %1</source>
        <translation>Auf einen zweiten Start kann nicht gewartet werden: %1</translation>
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
        <source>&quot;%1&quot; holds %2; </source>
        <translation>„%1“ enthält %2; </translation>
    </message>
    <message>
        <source>the original file is kept as &quot;%1&quot; before it is first rewritten.</source>
        <translation>die Originaldatei wird vor dem ersten Überschreiben als „%1“ gesichert.</translation>
    </message>
    <message>
        <source>the original file is kept as &quot;%1&quot;.</source>
        <translation>die Originaldatei ist als „%1“ gesichert.</translation>
    </message>
    <message>
        <source>a copy of the original could not be kept, so the file will not be saved over. </source>
        <translation>eine Kopie des Originals konnte nicht gesichert werden, daher wird die Datei nicht überschrieben. </translation>
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
        <source>, and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>quillbox::WebsiteWindow</name>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
</context>
</TS>
