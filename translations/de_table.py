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
        "Enter Username": "Benutzername eingeben",
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
