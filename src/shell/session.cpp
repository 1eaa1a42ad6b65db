#include "shell/session.h"

#include "compose/converter.h"
#include "platform/user_messages.h"
#include "shell/main_window_host.h"
#include "store/data_folder.h"
#include "store/settings_store.h"

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

QString Session::application() const {
    // Settings are kept under the product name, which is known once start-up has begun.
    return m_branding.productName.isEmpty() ? settingsApplication() : m_branding.productName;
}

QString Session::getSetting(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    return m_settings.getSetting(application(), section, key, defaultValue);
}

void Session::saveSetting(const QString& section, const QString& key, const QString& value) {
    const QString app = application();
    if (m_settings.saveSetting(app, section, key, value) || m_settingsFailureShown)
        return;
    // One box per run is enough: the subject is stored on every keystroke.
    m_settingsFailureShown = true;
    m_messages.showMessage(
        app, QStringLiteral("Your settings could not be saved.\r\n") + m_settings.lastError(),
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
    host.setFormatNames(formatNames(m_templates));

    const QString lastMessage = getSetting(dataSection(), QStringLiteral("lastMessage"), {});
    host.setSubject(getSetting(dataSection(), QStringLiteral("lastSubject"),
                               QStringLiteral("Type Subject Here")));
    if (lastMessage != QLatin1String("") && lastMessage != QLatin1String(" "))
        host.setMessage(lastMessage);

    // A stored row that is not a number, or no longer a row of the list, selects row 0.
    bool ok = false;
    const int row = getSetting(dataSection(), QStringLiteral("lastConvert"), QStringLiteral("0"))
                        .trimmed()
                        .toInt(&ok);
    const bool valid =
        ok && row >= 0 && row < host.formatRowCount() && row <= std::numeric_limits<qint16>::max();
    host.selectFormatRow(valid ? row : 0);
}

void Session::shutDown(MainWindowHost& host) {
    reportProblems(QStringLiteral("Your lists could not be saved:"),
                   saveLists(m_dataFolder, host.lists()));
    saveSetting(dataSection(), QStringLiteral("lastMessage"), host.message());
    saveSetting(dataSection(), QStringLiteral("lastConvert"),
                QString::number(host.selectedFormatRow()));
    host.unloadSecondaryWindows();
    if (host.websiteWindowVisible()) {
        m_mainWindowClosed = true;
        return;
    }
    host.endProcess();
}

void Session::subjectChanged(const QString& subject) {
    saveSetting(dataSection(), QStringLiteral("lastSubject"), subject);
}

QString Session::convert(const QString& text, const QString& formatName) const {
    return convertMessage(text, formatName, m_templates);
}

} // namespace quillbox
