#include "shell/session.h"

#include "compose/converter.h"
#include "platform/user_messages.h"
#include "shell/main_window_host.h"
#include "skin/skin_engine.h"
#include "store/data_folder.h"

#include <limits>

namespace quillbox {

QString designTimeMessage() {
    return QStringLiteral("Type your first message here.  \r\n\r\nUse plain-text, and be sure to "
                          "put \r\nhttp:// before your URLs.  Then go\r\nto a message forum's "
                          "posting page \r\nand hit the \"Insert Message\" button \r\nto insert "
                          "your message \r\nautomatically!  \r\n\r\nYou can switch between "
                          "different \r\nformatting types by changing the \r\nvalue in the drop "
                          "down box above.\r\n");
}

Session::Session(QString dataFolder, SettingsStore& settings, UserMessages& messages)
    : m_dataFolder(std::move(dataFolder)), m_settings(settings), m_messages(messages),
      m_templates(defaultTemplates()) {}

void Session::settingsWritten(bool written) {
    if (written || m_settingsFailureShown)
        return;
    m_settingsFailureShown = true;
    m_messages.showMessage(settingsApplication(),
                           QStringLiteral("Your settings could not be saved.\r\n") +
                               m_settings.lastError(),
                           MessageIcon::Exclamation);
}

void Session::reportProblems(const QString& intro, const QStringList& problems) {
    if (problems.isEmpty())
        return;
    m_messages.showMessage(m_branding.productName,
                           intro + QStringLiteral("\r\n\r\n") +
                               problems.join(QStringLiteral("\r\n")),
                           MessageIcon::Exclamation);
}

void Session::startUp(MainWindowHost& host) {
    m_branding = loadBranding();
    host.setCaption(m_branding.productName + QStringLiteral(" by ") + m_branding.companyName);
    host.setWebsiteButtonCaption(QStringLiteral("Visit ") + m_branding.websiteAddress);
    host.navigateBrowser(m_branding.websiteAddress);
    host.addStatusPanels();

    reportProblems(QStringLiteral("Some data files could not be created:"),
                   ensureDataFiles(m_dataFolder));
    LoadListsResult loaded = loadLists(m_dataFolder);
    reportProblems(QStringLiteral("Some data files could not be read; their lists start empty:"),
                   loaded.errors);
    reportProblems(QStringLiteral("Some data files are damaged:"), loaded.damaged);
    host.setLists(loaded.data);

    m_templates = loadTemplates(m_settings);
    m_linkRules = m_settings.linkWholeAddresses() ? LinkRules::WholeAddresses : LinkRules::Classic;
    host.setFormatNames(formatNames(m_templates));

    const QString lastMessage = m_settings.lastMessage();
    host.setSubject(m_settings.lastSubject());
    if (lastMessage != QLatin1String("") && lastMessage != QLatin1String(" "))
        host.setMessage(lastMessage);

    // A stored row that is not a number, or no longer a row of the list, selects row 0.
    host.selectFormatRow(formatRowOf(m_settings.lastConvert(), host.formatRowCount()));

    // The skin and the help window never stop the start.
    if (m_branding.skinEnabled)
        host.skinWindow();
    if (m_settings.showHelp() == QLatin1String("1"))
        host.showHelpWindow();
}

bool Session::saveListsAsking(const MainWindowHost& host) {
    for (;;) {
        const QStringList problems = saveLists(m_dataFolder, host.lists());
        if (problems.isEmpty())
            return true;
        const int answer = m_messages.askChoice(
            m_branding.productName,
            QStringLiteral("Your lists could not be saved:\r\n\r\n") +
                problems.join(QStringLiteral("\r\n")) +
                QStringLiteral("\r\n\r\nFree some space or fix the folder, then try again. "
                               "Quitting without saving loses the changes to your lists."),
            // Closing the box cancels: the safe answer comes last.
            {QStringLiteral("Retry"), QStringLiteral("Quit without saving"),
             QStringLiteral("Cancel")});
        if (answer == 1)
            return true;
        if (answer != 0)
            return false;
    }
}

bool Session::shutDown(MainWindowHost& host) {
    if (!saveListsAsking(host))
        return false;
    settingsWritten(m_settings.setLastMessage(host.message()));
    settingsWritten(m_settings.setLastConvert(host.selectedFormatRow()));
    host.unloadSecondaryWindows();
    if (host.websiteWindowVisible()) {
        m_mainWindowClosed = true;
        return true;
    }
    endProcess(host);
    return true;
}

void Session::endProcess(MainWindowHost& host) {
    if (m_branding.skinEnabled)
        SkinEngine::instance().shutDown();
    host.endProcess();
}

void Session::websiteWindowClosed(MainWindowHost& host) {
    if (m_mainWindowClosed)
        endProcess(host);
}

void Session::subjectChanged(const QString& subject) {
    settingsWritten(m_settings.setLastSubject(subject));
}

QString Session::convert(const QString& text, const QString& formatName) const {
    return convertMessage(text, formatName, m_templates, m_linkRules);
}

bool Session::storeTemplates() {
    const bool templatesWritten = saveTemplates(m_settings, m_templates);
    const bool rulesWritten =
        m_settings.setLinkWholeAddresses(m_linkRules == LinkRules::WholeAddresses);
    if (templatesWritten && rulesWritten)
        return true;
    m_messages.showMessage(m_branding.productName,
                           QStringLiteral("Your templates could not be saved.\r\n") +
                               m_settings.lastError(),
                           MessageIcon::Exclamation);
    return false;
}

} // namespace quillbox
