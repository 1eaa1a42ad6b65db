# German texts of the program, by context and English source. fill_ts.py writes them into
# quillbox_de.ts after lupdate; a text missing here is reported and left unfinished.
R = "\r\n"
GERMAN = {
    "quillbox::AboutWindow": {
        "Version:": "Version:",
        "Owned By:": "Inhaber:",
        "Website:": "Website:",
        "OK": "OK",
        "Quillbox is owned by its makers, named above, who keep every right in the program, its name and its pictures. You may use it freely to write, post and follow your own messages. It comes without any warranty: keep your own copies of what matters to you. The forums you visit, and what they show, belong to their owners.":
            "Quillbox gehört seinen oben genannten Herstellern, die alle Rechte am Programm, an seinem Namen und an seinen Bildern behalten. Sie dürfen es frei nutzen, um Ihre eigenen Nachrichten zu schreiben, zu veröffentlichen und zu verfolgen. Es wird ohne jede Gewährleistung geliefert: Bewahren Sie eigene Kopien von allem auf, was Ihnen wichtig ist. Die Foren, die Sie besuchen, und ihre Inhalte gehören ihren Betreibern.",
        "About %1": "Über %1",
    },
    "quillbox::BrowserControls": {
        "URL:": "Adresse:",
        "Go": "Los",
        "browse the entered url": "eingegebene Adresse öffnen",
        "Back": "Zurück",
        "back": "zurück",
        "Forward": "Vor",
        "forward": "vor",
        "Stop": "Stopp",
        "stop": "anhalten",
        "Refresh": "Neu laden",
        "refresh": "neu laden",
    },
    "quillbox::BrowserPane": {
        "Browser": "Browser",
        "No Popups": "Keine Pop-ups",
        "Connecting": "Verbinde",
        "Complete": "Fertig",
    },
    "quillbox::WebsiteWindow": {
        "Browser": "Browser",
    },
    "quillbox::HelpWindow": {
        "Readme/Help": "Liesmich/Hilfe",
        "Show at Startup": "Beim Start anzeigen",
    },
    "quillbox::ListsAutosave": {
        "Your lists could not be saved:" + R + R: "Ihre Listen konnten nicht gespeichert werden:" + R + R,
        R + R + "They are kept in the window and written again at the next change and when you close it.":
            R + R + "Sie bleiben im Fenster erhalten und werden bei der nächsten Änderung und beim Schließen erneut geschrieben.",
    },
    "quillbox::ListsPane": {
        "Your Forums": "Ihre Foren",
        "Your Posts": "Ihre Beiträge",
        "Add Current URL": "Aktuelle Adresse hinzufügen",
        "Watch the current URL": "Die aktuelle Adresse beobachten",
        "Remove URL": "Adresse entfernen",
        "Username:": "Benutzername:",
        "Paste": "Einfügen",
        "Click within the Username field on the form you want to paste into, then click here.":
            "Klicken Sie in das Feld für den Benutzernamen im Formular, in das Sie einfügen möchten, und dann hier.",
        "Password:": "Passwort:",
        "Click within the Password field on the form you want to paste into, then click here.":
            "Klicken Sie in das Passwortfeld im Formular, in das Sie einfügen möchten, und dann hier.",
        "Watch This Post": "Thema beobachten",
        "Remove Watch": "Nicht mehr beobachten",
        "Show All": "Alle zeigen",
        "New Replies ": "Neue Antworten ",
        "Check for new replies": "Auf neue Antworten prüfen",
        "Checking in the background...": "Wird im Hintergrund geprüft …",
        "Posting page kept: %1": "Seite zum Schreiben gemerkt: %1",
        "Open": "Öffnen",
        "Open Posting Page": "Seite zum Schreiben öffnen",
        "Use Current Page as Posting Page": "Aktuelle Seite als Seite zum Schreiben verwenden",
        "Copy Address": "Adresse kopieren",
        "Remove": "Entfernen",
        "Mark as Read": "Als gelesen markieren",
        "Mark All as Read": "Alle als gelesen markieren",
    },
    "quillbox::MainWindow": {
        "message preview": "Nachrichtenvorschau",
        "The page shown is not on the site of the selected forum (%1). Paste its password into this page anyway?":
            "Die angezeigte Seite gehört nicht zur Website des gewählten Forums (%1). Sein Passwort trotzdem in diese Seite einfügen?",
        "Paste": "Einfügen",
        "Your message could not be saved.": "Ihre Nachricht konnte nicht gespeichert werden.",
        "MESSAGE SAVED": "NACHRICHT GESPEICHERT",
        "Auto-Insert": "Automatisch einfügen",
        "Once you are on the page where you can post your message, click here to insert it.":
            "Sobald Sie auf der Seite sind, auf der Sie Ihre Nachricht veröffentlichen können, klicken Sie hier, um sie einzufügen.",
        "as": "als",
        "Select the format you would like to use when your message is inserted.":
            "Wählen Sie das Format, in dem Ihre Nachricht eingefügt werden soll.",
        "Preview": "Vorschau",
        "See a preview of your message in the currently selected format":
            "Eine Vorschau Ihrer Nachricht im gewählten Format ansehen",
        "Copy": "Kopieren",
        "Copy your message to the clipboard in the selected format":
            "Ihre Nachricht im gewählten Format in die Zwischenablage kopieren",
        "Save": "Speichern",
        "Save the current message": "Die aktuelle Nachricht speichern",
        "Load": "Laden",
        "Load a saved message": "Eine gespeicherte Nachricht laden",
        "Options": "Optionen",
        "Visit ": "Besuchen ",
        "Message Editor": "Nachrichteneditor",
        "Subject:": "Betreff:",
        "Click within the Subject field on the form you want to paste into, then click here.":
            "Klicken Sie in das Betreff-Feld im Formular, in das Sie einfügen möchten, und dann hier.",
        "Message:": "Nachricht:",
        "Paste Message": "Nachricht einfügen",
        "Click within the message area on the form you want to paste into, then click here.":
            "Klicken Sie in das Nachrichtenfeld im Formular, in das Sie einfügen möchten, und dann hier.",
        "Border between message and browser": "Grenze zwischen Nachricht und Browser",
        "Drag to share the width between the message and the browser":
            "Ziehen, um die Breite zwischen Nachricht und Browser aufzuteilen",
        "&File": "&Datei",
        "&Tools": "E&xtras",
        "&View": "&Ansicht",
        "&Help": "&Hilfe",
        "About": "Über",
        "&New Message": "&Neue Nachricht",
        "&Save Message": "Nachricht &speichern",
        "&Load Message": "Nachricht &laden",
        "E&xit": "&Beenden",
        "&Preview": "&Vorschau",
        "Auto &Insert": "Automatisch &einfügen",
        "&Check Replies": "Antworten &prüfen",
        "&Options": "&Optionen",
        "Paste Message": "Nachricht einfügen",
        "Paste Subject": "Betreff einfügen",
        "Paste Username": "Benutzernamen einfügen",
        "Paste Password": "Passwort einfügen",
        "&Mark as Read": "Als gelesen &markieren",
        "Mark &All as Read": "&Alle als gelesen markieren",
        "Reply Check Se&ttings...": "Einstellungen der Antwort&prüfung …",
        "&Saved Messages": "&Gespeicherte Nachrichten",
        "&All posts": "&Alle Beiträge",
        "&Replies": "&Antworten",
        "&Templates": "&Vorlagen",
        "Use the system's colours": "Farben des Systems verwenden",
        "View &Help": "&Hilfe anzeigen",
        "About this software": "Über dieses Programm",
    },
    "quillbox::PostHistoryWindow": {
        "Post History": "Verlauf der Beiträge",
        "Filter: forum, subject, thread or result": "Filter: Forum, Betreff, Thema oder Ergebnis",
        "&Copy Thread Address": "Adresse des Themas &kopieren",
        "&Watch Again": "Wieder &beobachten",
        "1 damaged line of the log was skipped; the file still holds it.":
            "1 beschädigte Zeile des Protokolls wurde übersprungen; sie bleibt in der Datei erhalten.",
        "%1 damaged lines of the log were skipped; the file still holds them.":
            "%1 beschädigte Zeilen des Protokolls wurden übersprungen; sie bleiben in der Datei erhalten.",
        "Open Posting Page": "Seite zum Schreiben öffnen",
        "Open Thread": "Thema öffnen",
        "Copy Thread Address": "Adresse des Themas kopieren",
        "Watch Again": "Wieder beobachten",
    },
    "quillbox::Program": {
        "Type your first message here.  " + R + R + "Use plain-text, and be sure to put " + R
        + "http:// before your URLs.  Then go" + R + "to a message forum's posting page " + R
        + "and hit the \"Auto-Insert\" button " + R + "to insert your message " + R
        + "automatically!  " + R + R + "You can switch between different " + R
        + "formatting types by changing the " + R + "value in the drop down box above." + R:
            "Schreiben Sie hier Ihre erste Nachricht.  " + R + R + "Verwenden Sie reinen Text und setzen Sie " + R
            + "http:// vor Ihre Adressen.  Gehen Sie dann" + R + "auf die Seite eines Forums, auf der Sie " + R
            + "schreiben, und klicken Sie auf " + R + "„Automatisch einfügen“, um Ihre Nachricht " + R
            + "automatisch einzufügen!  " + R + R + "Sie können zwischen verschiedenen " + R
            + "Formaten wechseln, indem Sie den " + R + "Wert im Auswahlfeld oben ändern." + R,
        "The forum cookies for quillbox-check could not be kept." + R:
            "Die Foren-Cookies für quillbox-check konnten nicht gespeichert werden." + R,
        "Your settings could not be saved." + R: "Ihre Einstellungen konnten nicht gespeichert werden." + R,
        "%1 by %2": "%1 von %2",
        "Visit %1": "%1 besuchen",
        "Some data files could not be created:": "Einige Datendateien konnten nicht angelegt werden:",
        "Some data files could not be read; their lists start empty:":
            "Einige Datendateien konnten nicht gelesen werden; ihre Listen beginnen leer:",
        "Some data files are damaged:": "Einige Datendateien sind beschädigt:",
        "Your lists could not be saved:" + R + R: "Ihre Listen konnten nicht gespeichert werden:" + R + R,
        R + R + "Free some space or fix the folder, then try again. Quitting without saving loses the changes to your lists.":
            R + R + "Schaffen Sie Platz oder reparieren Sie den Ordner und versuchen Sie es dann erneut. Beenden ohne Speichern verwirft die Änderungen an Ihren Listen.",
        "Retry": "Wiederholen",
        "Quit without saving": "Ohne Speichern beenden",
        "Cancel": "Abbrechen",
        "Your templates could not be saved." + R: "Ihre Vorlagen konnten nicht gespeichert werden." + R,
        "background check - %1 new replies listed, %2 new":
            "Prüfung im Hintergrund – %1 neue Antworten gelistet, %2 neu",
    },
    "quillbox::QueueStrip": {
        "&Next Forum": "&Nächstes Forum",
        "&Skip": "Ü&berspringen",
        "St&op": "&Anhalten",
        "(skipped %1)": "(%1 übersprungen)",
    },
    "quillbox::ReplyCheckOptions": {
        "%1 minutes": "%1 Minuten",
        "1 hour": "1 Stunde",
        "%1 hours": "%1 Stunden",
        "Reply Check Settings": "Einstellungen der Antwortprüfung",
        "Check for new replies every": "Auf neue Antworten prüfen alle",
        "Check threads as the logged-in user": "Themen als angemeldeter Benutzer prüfen",
        "Send the cookies of the built-in browser with each check, so threads that only members can read are measured as you see them. Re-record the sizes after changing this.":
            "Bei jeder Prüfung die Cookies des eingebauten Browsers mitsenden, damit Themen, die nur Mitglieder lesen können, so gemessen werden, wie Sie sie sehen. Erfassen Sie die Größen nach einer Änderung neu.",
        "Checks run while Quillbox is open, without message boxes; a notification names the threads with new replies.":
            "Die Prüfungen laufen, während Quillbox geöffnet ist, ohne Meldungsfenster; eine Benachrichtigung nennt die Themen mit neuen Antworten.",
    },
    "quillbox::SavedMessagesWindow": {
        "load a saved message": "gespeicherte Nachricht laden",
        "Saved Messages": "Gespeicherte Nachrichten",
        "double-click the message you wish to load:": "Doppelklicken Sie auf die Nachricht, die Sie laden möchten:",
        "Filter: subject or text": "Filter: Betreff oder Text",
        "click once to view the entire message": "einmal klicken, um die ganze Nachricht zu sehen",
        "Subject:": "Betreff:",
        "delete message": "Nachricht löschen",
        "you must first save a message before you can load one":
            "Sie müssen zuerst eine Nachricht speichern, bevor Sie eine laden können",
        "cannot insert a blank message": "eine leere Nachricht kann nicht eingefügt werden",
    },
    "quillbox::TemplateEditor": {
        "Custom Message Templates": "Eigene Nachrichtenvorlagen",
        "del": "entf.",
        "You may use this form to create custom templates for message insertion.  Just enter the name, and the required parameters.  Your template will then be displayed in the drop down box on the main form.  We don't recommend changing the default templates, but if they become outdated you may wish to update them.":
            "Mit diesem Formular können Sie eigene Vorlagen zum Einfügen von Nachrichten anlegen.  Geben Sie einfach den Namen und die nötigen Parameter ein.  Ihre Vorlage erscheint dann im Auswahlfeld des Hauptfensters.  Wir raten davon ab, die Standardvorlagen zu ändern, doch wenn sie veraltet sind, möchten Sie sie vielleicht anpassen.",
        "Enable changing of default templates": "Ändern der Standardvorlagen erlauben",
        "Link whole addresses": "Ganze Adressen verlinken",
        "Link web addresses with their whole query (?…) and fragment (#…), addresses that start with www., and e-mail addresses wherever they stand; punctuation after an address stays outside the link. Unticked, addresses are linked as in earlier versions.":
            "Webadressen mit ihrer ganzen Abfrage (?…) und ihrem Fragment (#…), Adressen, die mit www. beginnen, und E-Mail-Adressen verlinken, wo immer sie stehen; Satzzeichen nach einer Adresse bleiben außerhalb des Links. Ohne Häkchen werden Adressen wie in früheren Versionen verlinkt.",
        "Save and Close": "Speichern und schließen",
    },
}

GERMAN.update({
    "quillbox::AutoInsert": {
        "Auto-Insert Error": "Fehler beim automatischen Einfügen",
        "Could not auto-insert your message.  Try pasting instead.":
            "Ihre Nachricht konnte nicht automatisch eingefügt werden.  Versuchen Sie es stattdessen mit Einfügen.",
        "The page changed while it was being read. Press Auto-Insert again once the page you want to post on is shown.":
            "Die Seite hat sich geändert, während sie gelesen wurde. Klicken Sie erneut auf „Automatisch einfügen“, sobald die Seite angezeigt wird, auf der Sie schreiben möchten.",
        "The page did not answer within %1 seconds; its scripts may be busy. Reload the page and try again.":
            "Die Seite hat nicht innerhalb von %1 Sekunden geantwortet; ihre Skripte sind vielleicht beschäftigt. Laden Sie die Seite neu und versuchen Sie es erneut.",
        "The page stopped working before it answered. Reload the page and try again.":
            "Die Seite reagierte nicht mehr, bevor sie antwortete. Laden Sie die Seite neu und versuchen Sie es erneut.",
        "The browser shows no page to insert into.": "Der Browser zeigt keine Seite, in die eingefügt werden kann.",
    },
    "quillbox::BackgroundCheck": {
        "New replies": "Neue Antworten",
        "1 thread has new replies:": "1 Thema hat neue Antworten:",
        " threads have new replies:": " Themen haben neue Antworten:",
        "\nand ": "\nund ",
        " more": " weitere",
    },
    "quillbox::DataFolder": {
        'Could not create "%1": %2': "„%1“ konnte nicht angelegt werden: %2",
    },
    "quillbox::FetchMessages": {
        "An error has occurred.\r\nError #: ": "Ein Fehler ist aufgetreten.\r\nFehlernummer: ",
        "\r\nDescription: ": "\r\nBeschreibung: ",
        "Error occurred.\r\nError #: ": "Fehler aufgetreten.\r\nFehlernummer: ",
        "Error": "Fehler",
        " threads could not be checked; the check went on with the others.":
            " Themen konnten nicht geprüft werden; die Prüfung wurde mit den anderen fortgesetzt.",
        "\r\n\r\nand ": "\r\n\r\nund ",
        " more: each thread's row tells its reason.": " weitere: Die Zeile jedes Themas nennt den Grund.",
        "Error ": "Fehler ",
    },
    "quillbox::FetchTarget": {
        "Only pages on the web, at http:// and https:// addresses, can be used; this address starts with ":
            "Nur Seiten im Web mit http://- und https://-Adressen können verwendet werden; diese Adresse beginnt mit ",
        "The address is empty.": "Die Adresse ist leer.",
        "The address contains a space or a control character and cannot be requested.":
            "Die Adresse enthält ein Leerzeichen oder ein Steuerzeichen und kann nicht abgerufen werden.",
        "The address has no usable host name.": "Die Adresse hat keinen verwendbaren Hostnamen.",
        "The port in the address is not a number from 1 to 65535.":
            "Der Port in der Adresse ist keine Zahl von 1 bis 65535.",
    },
    "quillbox::HttpReplyReader": {
        "Downloaded ": "Heruntergeladen: ",
        " bytes": " Bytes",
        " from ": " von ",
    },
    "quillbox::InsertFollowUp": {
        "Now watching: ": "Wird jetzt beobachtet: ",
        "The posted thread was not found; use Watch This Post on it":
            "Das veröffentlichte Thema wurde nicht gefunden; verwenden Sie dort „Thema beobachten“",
    },
    "quillbox::ListFiles": {
        "a size that is not a number, read as no size": "eine Größe, die keine Zahl ist, gelesen als keine Größe",
        "%1 sizes that are not numbers, read as no size": "%1 Größen, die keine Zahlen sind, gelesen als keine Größe",
        "%1 sizes for %2 watched %3, so the last %4 pair with none":
            "%1 Größen für %2 beobachtete %3, daher erhalten die letzten %4 keine",
        "thread": "Thema",
        " and ": " und ",
        "threads": "Themen",
        'Could not write "%1": it holds sizes that would be lost, and its original could not be kept first. %2':
            "„%1“ konnte nicht geschrieben werden: Die Datei enthält Größen, die verloren gingen, und ihr Original konnte nicht vorher gesichert werden. %2",
        "Changes to your lists are not saved to %1 until the program is started again, so that nothing is written over a file that could not be read.":
            "Änderungen an Ihren Listen werden erst nach einem Neustart des Programms in %1 gespeichert, damit keine Datei überschrieben wird, die nicht gelesen werden konnte.",
    },
    "quillbox::PageFetcher": {
        " milliseconds": " Millisekunden",
        " second": " Sekunde",
        " seconds": " Sekunden",
        "This system offers no TLS, so https:// addresses cannot be fetched.":
            "Dieses System bietet kein TLS, daher können https://-Adressen nicht abgerufen werden.",
        "Connecting to the web server": "Verbindung zum Webserver wird hergestellt",
        "Sending request": "Anfrage wird gesendet",
        "Request completed": "Anfrage abgeschlossen",
        "Receiving response": "Antwort wird empfangen",
        "The secure connection failed.": "Die sichere Verbindung ist fehlgeschlagen.",
        "The connection ended after ": "Die Verbindung endete nach ",
        " of the ": " der ",
        " bytes the web server announced; the page arrived incomplete.":
            " vom Webserver angekündigten Bytes; die Seite kam unvollständig an.",
        "The web server's chunked reply was malformed after ":
            "Die in Blöcken gesendete Antwort des Webservers war fehlerhaft nach ",
        " bytes; the page could not be measured.": " Bytes; die Seite konnte nicht gemessen werden.",
        " bytes, before the last chunk of the page the web server sent in chunks; the page arrived incomplete.":
            " Bytes, vor dem letzten Block der Seite, die der Webserver in Blöcken sandte; die Seite kam unvollständig an.",
        "The web server sent nothing for ": "Der Webserver hat nichts gesendet für ",
        "; the request was given up.": "; die Anfrage wurde aufgegeben.",
        "The web server had not sent the whole page after ":
            "Der Webserver hatte die Seite nicht vollständig gesendet nach ",
        ", the deadline for one page; the request was given up.":
            ", der Frist für eine Seite; die Anfrage wurde aufgegeben.",
    },
    "quillbox::PostLog": {
        'Could not add to the post log "%1": %2': "Konnte nicht zum Beitragsprotokoll „%1“ hinzufügen: %2",
    },
    "quillbox::PostLogModel": {
        "Queue run: 1 forum": "Warteschlange: 1 Forum",
        "Queue run: %1 forums": "Warteschlange: %1 Foren",
        "%1 of %2 watched": "%1 von %2 beobachtet",
        "Thread or posting page": "Thema oder Seite zum Schreiben",
        "Time": "Zeit",
        "Forum": "Forum",
        "Result": "Ergebnis",
        "Subject": "Betreff",
        "Format": "Format",
    },
    "quillbox::PostMeasurer": {
        "Response completed": "Antwort vollständig",
    },
    "quillbox::PostQueue": {
        "waiting for you to submit": "wartet auf Ihr Absenden",
        "loading": "wird geladen",
        "watching": "wird beobachtet",
        "skipped": "übersprungen",
        "no posting page": "keine Seite zum Schreiben",
        "%1 of %2: %3": "%1 von %2: %3",
        "Done: ": "Fertig: ",
    },
    "quillbox::PostSummary": {
        " bytes": " Bytes",
        "Recorded size: ": "Erfasste Größe: ",
        "none yet": "noch keine",
        "\nNot checked yet": "\nNoch nicht geprüft",
        "\nLast checked: ": "\nZuletzt geprüft: ",
        "\nResult: new replies (": "\nErgebnis: neue Antworten (",
        "\nResult: unchanged": "\nErgebnis: unverändert",
        "\nResult: failed - ": "\nErgebnis: fehlgeschlagen – ",
        "\nResult: not fetched, no size recorded": "\nErgebnis: nicht abgerufen, keine Größe erfasst",
    },
    "quillbox::ReplyCheck": {
        "finished - ": "fertig – ",
        " new replies found": " neue Antworten gefunden",
        " thread": " Thema",
        " threads": " Themen",
        " could not be checked": " konnte nicht geprüft werden",
        "checking post 1": "prüfe Beitrag 1",
        "checking post ": "prüfe Beitrag ",
    },
    "quillbox::SavedMessageList": {
        "(empty line)": "(leere Zeile)",
        "(no subject)": "(kein Betreff)",
        "(no text)": "(kein Text)",
    },
    "quillbox::SavedMessages": {
        'Could not read "%1": %2': "„%1“ konnte nicht gelesen werden: %2",
    },
    "quillbox::SettingsStore": {
        "the file could not be written": "die Datei konnte nicht geschrieben werden",
        "the file is damaged and could not be rewritten": "die Datei ist beschädigt und konnte nicht neu geschrieben werden",
        "unknown error": "unbekannter Fehler",
        'Could not save the settings in "%1": %2': "Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2",
        "the file could not be read (%1), and a save would replace what it holds.":
            "die Datei konnte nicht gelesen werden (%1), und Speichern würde ihren Inhalt ersetzen.",
        "lines that are not settings, which a save leaves out":
            "Zeilen, die keine Einstellungen sind und beim Speichern wegfallen",
        "it is damaged, and its original could not be kept first. %1":
            "sie ist beschädigt, und ihr Original konnte nicht vorher gesichert werden. %1",
    },
    "quillbox::SingleInstance": {
        'Could not lock the data folder "%1": %2': "Der Datenordner „%1“ konnte nicht gesperrt werden: %2",
        "the folder cannot be written.": "in den Ordner kann nicht geschrieben werden.",
        "the lock file cannot be made.": "die Sperrdatei kann nicht angelegt werden.",
        "Could not listen for a second start: %1": "Auf einen zweiten Start kann nicht gewartet werden: %1",
    },
    "quillbox::TextFile": {
        'Could not read "%1": %2': "„%1“ konnte nicht gelesen werden: %2",
        'Could not write "%1": %2': "„%1“ konnte nicht geschrieben werden: %2",
        ", and ": " und ",
        "only %1 of %2 bytes reached the disk": "nur %1 von %2 Bytes erreichten den Datenträger",
        '"%1" holds %2; ': "„%1“ enthält %2; ",
        'the original file is kept as "%1" before it is first rewritten.':
            "die Originaldatei wird vor dem ersten Überschreiben als „%1“ gesichert.",
        'the original file is kept as "%1".': "die Originaldatei ist als „%1“ gesichert.",
        "a copy of the original could not be kept, so the file will not be saved over. ":
            "eine Kopie des Originals konnte nicht gesichert werden, daher wird die Datei nicht überschrieben. ",
        "bytes that are not text, shown as %1": "Bytes, die kein Text sind, angezeigt als %1",
        'Could not write "%1": it holds bytes that are not text, and its original could not be kept first. %2':
            "„%1“ konnte nicht geschrieben werden: Die Datei enthält Bytes, die kein Text sind, und ihr Original konnte nicht vorher gesichert werden. %2",
    },
})

# Posting to many forums, undoing a removal, a second start.
GERMAN.setdefault("quillbox::AppStart", {}).update({
    "Quillbox is already running on the data folder %1, but it does not answer. Close it, or end it, then start Quillbox again.":
        "Quillbox läuft bereits mit dem Datenordner %1, antwortet aber nicht. Schließen oder beenden Sie es und starten Sie Quillbox dann erneut.",
})
GERMAN.setdefault("quillbox::ListsPane", {}).update({
    "Put back: ": "Zurückgeholt: ",
})
GERMAN.setdefault("quillbox::PostingControls", {}).update({
    "Post to Selected Forums": "In ausgewählten Foren posten",
    "Post the message to each forum selected in Your Forums, one after the other.":
        "Die Nachricht nacheinander in jedem unter „Ihre Foren“ ausgewählten Forum veröffentlichen.",
    "Undo": "Rückgängig",
    "Undo the removal": "Entfernen rückgängig machen",
    "Removed: ": "Entfernt: ",
    "Select the forums to post to in Your Forums": "Wählen Sie unter „Ihre Foren“ die Foren aus, in denen Sie posten möchten",
})
GERMAN.setdefault("quillbox::MainWindow", {}).update({
    "Cancel": "Abbrechen",
    "Post to &Selected Forums": "In &ausgewählten Foren posten",
    "Use Current Page as &Posting Page": "Aktuelle Seite als &Beitragsseite verwenden",
    "Post &History": "Beitrags&verlauf",
})
GERMAN.setdefault("quillbox::Program", {}).update({
    "A post could not be added to the post log.": "Ein Beitrag konnte nicht in das Beitragsprotokoll eingetragen werden.",
})
