#pragma once

#include "compose/link_rules.h"
#include "compose/link_template.h"
#include "shell/branding.h"
#include "store/app_settings.h"

#include <QString>
#include <QStringList>

namespace quillbox {

class MainWindowHost;
class SettingsStore;
class UserMessages;

// The text the message editor shows until a message has been stored.
QString designTimeMessage();

// The program's state outside the widgets, with the start-up and shutdown sequences of the main
// window. Lives as long as the main window.
class Session {
public:
    Session(QString dataFolder, SettingsStore& settings, UserMessages& messages);

    // Start-up, in order: branding, caption, website button, start page, status panels, data
    // files, the three lists, templates, format list, subject, message, format, the skin, and
    // the help window when the user wants it at start-up.
    void startUp(MainWindowHost& host);
    // Shutdown: lists, lastMessage, lastConvert, secondary windows, then the process ends
    // unless the separate browser window is still open (mainWindowClosed is then set). When the
    // lists cannot be written the user may retry, cancel (false: nothing else happens and the
    // program stays open) or quit without saving them.
    bool shutDown(MainWindowHost& host);

    // Ends the program: the skin engine is shut down, then the host ends the process.
    void endProcess(MainWindowHost& host);
    // The separate browser window has closed: when it outlived the main window, the program
    // ends now.
    void websiteWindowClosed(MainWindowHost& host);

    // The subject box's change handling: every change is stored at once.
    void subjectChanged(const QString& subject);

    // Converts with the template named by the selected format (see convertMessage), by the
    // link rules the user chose.
    QString convert(const QString& text, const QString& formatName) const;

    const Branding& branding() const { return m_branding; }
    const TemplateSet& templates() const { return m_templates; }
    void setTemplates(const TemplateSet& templates) { m_templates = templates; }
    LinkRules linkRules() const { return m_linkRules; }
    void setLinkRules(LinkRules rules) { m_linkRules = rules; }
    // Writes the templates and the link rules to the settings; a failure is reported every
    // time, since the user has just asked for them to be kept. False when something failed.
    bool storeTemplates();
    QString dataFolder() const { return m_dataFolder; }
    AppSettings& settings() { return m_settings; }
    UserMessages& messages() { return m_messages; }
    bool mainWindowClosed() const { return m_mainWindowClosed; }

    // Reports a settings write that failed, once per run: the subject is stored on every
    // keystroke.
    void settingsWritten(bool written);

private:
    bool saveListsAsking(const MainWindowHost& host);
    void reportProblems(const QString& intro, const QStringList& problems);

    QString m_dataFolder;
    AppSettings m_settings;
    UserMessages& m_messages;
    Branding m_branding;
    TemplateSet m_templates;
    LinkRules m_linkRules = LinkRules::Classic;
    bool m_mainWindowClosed = false;
    bool m_settingsFailureShown = false;
};

} // namespace quillbox
