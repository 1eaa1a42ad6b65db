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
        <source>Enter Username</source>
        <translation>Benutzername eingeben</translation>
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
    <name>quillbox::WebsiteWindow</name>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
</context>
</TS>
