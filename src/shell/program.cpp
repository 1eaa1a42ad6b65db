#include "shell/program.h"

#include "browser/auto_insert.h"
#include "browser/insert_follow_up.h"
#include "browser/page_paste.h"
#include "browser/post_again.h"
#include "browser/post_history.h"
#include "browser/post_log.h"
#include "browser/post_queue.h"
#include "compose/saved_messages.h"
#include "platform/browser_page.h"
#include "platform/logging.h"
#include "platform/notifier.h"
#include "platform/user_messages.h"
#include "shell/lists_autosave.h"
#include "skin/skin_engine.h"
#include "store/data_files.h"
#include "store/data_folder.h"
#include "store/list_files.h"
#include "store/settings_store.h"
#include "store/single_instance.h"
#include "watch/background_check.h"
#include "watch/check_schedule.h"
#include "watch/cookie_file.h"
#include "watch/forum_cookie_jar.h"
#include "watch/forum_match.h"
#include "watch/forum_passwords.h"
#include "watch/list_state.h"
#include "watch/lists_preload.h"
#include "watch/page_fetcher.h"
#include "watch/page_reading.h"
#include "watch/post_measurer.h"
#include "watch/read_marks.h"
#include "watch/reply_check.h"
#include "watch/shown_address.h"
#include "watch/watch_lists.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quillbox {

QString designTimeMessage() {
    return QCoreApplication::translate(
               "quillbox::Program",
               "Type your first message here.  \r\n\r\nUse plain-text, and be sure to "
               "put \r\nhttp:// before your URLs.  Then go\r\nto a message forum's "
               "posting page \r\nand hit the \"Auto-Insert\" button \r\nto insert "
               "your message \r\nautomatically!  \r\n\r\nYou can switch between "
               "different \r\nformatting types by changing the \r\nvalue in the drop "
               "down box above.") +
           // The message ends with a line break of its own, no part of the text to translate.
           QStringLiteral("\r\n");
}

Program::Program(const ProgramSeams& seams, QObject* parent)
    : QObject(parent), m_dataFolder(seams.dataFolder), m_store(seams.store),
      m_messages(seams.messages), m_page(seams.page), m_templates(defaultTemplates()),
      m_preload(std::make_unique<ListsPreload>(m_dataFolder)),
      m_settings(std::make_unique<AppSettings>(seams.store)),
      m_lists(std::make_unique<WatchLists>()), m_cookies(std::make_unique<ForumCookieJar>()),
      m_cookieFile(std::make_unique<CookieFileKeeper>(*m_cookies, cookieFilePath(m_dataFolder))),
      m_sizesFetcher(std::make_unique<PageFetcher>()),
      m_measurer(std::make_unique<PostMeasurer>(*m_lists, *m_sizesFetcher, seams.messages)),
      m_replyCheck(std::make_unique<ReplyCheck>(*m_lists, seams.messages, seams.clock)),
      m_autosave(std::make_unique<ListsAutosave>(*m_lists, m_dataFolder, seams.messages)),
      m_background(std::make_unique<BackgroundCheck>(*m_lists, *m_replyCheck, seams.clock)) {
    m_sizesFetcher->setObjectName(QStringLiteral("wscSizes"));
    keep(m_settings->startNewFile());
    connect(m_sizesFetcher.get(), &PageFetcher::stageChanged, this, &Program::fetchStage);
    connect(m_sizesFetcher.get(), &PageFetcher::progressed, this, &Program::fetchProgress);
    connect(m_measurer.get(), &PostMeasurer::panelText, this, &Program::panelText);
    // The window's check runs several fetches at once, so it tells only its progress (panel 1),
    // not the stage of one fetch.
    connect(m_replyCheck.get(), &ReplyCheck::panelText, this, &Program::panelText);

    // One way of fetching for every fetch of the program: the time-outs, the system's
    // authorities, and the browser's cookies, which the jar hands out only while the user asked
    // for checks as the logged-in user. The background check tells of what it finds in a
    // notification.
    FetchOptions options;
    options.cookies = m_cookies.get();
    m_sizesFetcher->setOptions(options);
    m_replyCheck->checker().setOptions(options);
    m_background->checker().setOptions(options);
    m_background->setNotifier(seams.notifier);
    m_notifier = seams.notifier;
    followUnreadCount();
    if (seams.notifier)
        seams.notifier->setActivationHandler([this] { emit newRepliesNoticeActivated(); });
    connect(m_background.get(), &BackgroundCheck::checkFinished, this,
            &Program::backgroundCheckFinished);
    connect(m_settings.get(), &AppSettings::changed, this, &Program::settingChanged);
    // quillbox-check sends the same cookies, from the file kept while the setting is on.
    connect(m_cookieFile.get(), &CookieFileKeeper::failed, this, [this](const QString& message) {
        if (m_cookieFileFailureShown)
            return;
        m_cookieFileFailureShown = true;
        m_messages.showMessage(m_branding.productName,
                               //: %1 says why the cookie file could not be written.
                               tr("The forum cookies for quillbox-check could not be "
                                  "kept.\r\n%1")
                                   .arg(message),
                               MessageIcon::Exclamation);
    });
    followCheckAsLoggedIn();
    m_passwords = std::make_unique<ForumPasswords>(m_lists->forumModel(), *m_settings,
                                                   seams.messages, seams.passwords);
    m_passwords->setSaveNow(
        [this] { return m_autosave->flush() && m_autosave->lastWriteSucceeded(); });
    connect(m_passwords.get(), &ForumPasswords::panelText, this, &Program::panelText);
    connect(m_passwords.get(), &ForumPasswords::settingWritten, this, &Program::keep);
    // The time the schedule counts from is kept whenever it moves, so a restart goes on from it.
    connect(
        m_background.get(), &BackgroundCheck::scheduleMoved, this,
        [this](const QDateTime& from) { keep(m_settings->set(keys::lastBackgroundCheck, from)); });
    m_background->restoreSchedule(replyCheckMinutes(), m_settings->get(keys::lastBackgroundCheck));

    makePosting(seams);
    connectLists();
    // A few hundred milliseconds at most, after the window shows: looked at now and then.
    m_statePoll.setInterval(15);
    connect(&m_statePoll, &QTimer::timeout, this, [this] {
        if (m_preload->stateReady())
            applyPendingState();
    });
}

// The follow-up holds the page, and the checks the lists: they go first.
Program::~Program() {
    m_paste.reset();
    m_autoInsert.reset();
    m_passwords.reset();
    m_queue.reset();
    m_followUp.reset();
    m_background.reset();
    m_replyCheck->abandon();
    m_autosave.reset();
}

void Program::settingChanged(Setting id) {
    switch (id) {
    case Setting::ReplyCheckHours:
    case Setting::ReplyCheckMinutes:
        m_background->setIntervalMinutes(replyCheckMinutes());
        break;
    case Setting::CheckAsLoggedIn:
        followCheckAsLoggedIn();
        break;
    case Setting::Template:
    case Setting::LinkWholeAddresses:
        // While the program writes templates of its own it already holds them.
        if (m_storingTemplates)
            break;
        m_templates = loadTemplates(*m_settings);
        m_linkRules = m_settings->get(keys::linkWholeAddresses) ? LinkRules::WholeAddresses
                                                                : LinkRules::Classic;
        emit templatesChanged();
        break;
    default:
        break;
    }
}

void Program::followCheckAsLoggedIn() {
    const bool on = m_settings->get(keys::checkAsLoggedIn);
    m_cookies->setEnabled(on);
    m_cookieFile->setEnabled(on);
}

void Program::keep(bool written) {
    if (written || m_settingsFailureShown)
        return;
    m_settingsFailureShown = true;
    m_messages.showMessage(
        settingsApplication(),
        //: %1 says why the settings file could not be written.
        tr("Your settings could not be saved.\r\n%1").arg(m_settings->lastError()),
        MessageIcon::Exclamation);
}

void Program::reportProblems(const QString& intro, const QStringList& problems) {
    if (problems.isEmpty())
        return;
    qCWarning(logShell).noquote() << intro << problems.join(u' ');
    m_messages.showMessage(m_branding.productName,
                           intro + QStringLiteral("\r\n\r\n") +
                               problems.join(QStringLiteral("\r\n")),
                           MessageIcon::Exclamation);
}

StartView Program::startUp() {
    m_branding = loadBranding();
    m_started = true;
    StartView view;
    // The maker the build names by default is part of the sentence, translated with it.
    m_caption = m_branding.companyName == u"the " + m_branding.productName + u" developers"
                    //: The window's title: %1 is the program's name.
                    ? tr("%1 by the %1 developers").arg(m_branding.productName)
                    //: The window's title: %1 is the program's name, %2 its maker's.
                    : tr("%1 by %2").arg(m_branding.productName, m_branding.companyName);
    // The start page shipped with the program is no website to visit.
    if (m_branding.websiteConfigured)
        view.websiteButtonCaption = tr("Visit %1").arg(m_branding.websiteAddress);
    view.startPage = m_branding.websiteAddress;

    reportProblems(tr("Some data files could not be created:"), ensureDataFiles(m_dataFolder));
    LoadListsResult loaded = m_preload->takeLists();
    m_lists->setLists(loaded.data);
    // A list that could not be read is never written while the program runs; the user is told
    // once, with the files that could not be read. Without the folder's lock another copy of
    // the program may hold the lists: none of them is written.
    m_readOnlyLists = loaded.readOnly;
    if (!m_lockProblem.isEmpty())
        m_readOnlyLists = {dataFile::posts(), dataFile::forums(), dataFile::sizes()};
    m_autosave->keepListsUnwritten(m_readOnlyLists);
    // What the lists know beyond their files: each thread's title, last check and unread
    // replies, each forum's name, format and posting page. A small state is waited for; the state
    // of many thousand threads is put onto the lists once it is read, after the window shows.
    if (m_preload->stateReady() ||
        QFileInfo(listStatePath(m_dataFolder)).size() <= m_stateWaitBytes) {
        const LoadListStateResult state = m_preload->takeState();
        takeUpState(state);
        if (!state.error.isEmpty())
            loaded.errors << state.error;
        if (!state.damaged.isEmpty())
            loaded.damaged << state.damaged;
    } else {
        qCInfo(logLists) << "the lists' state is put back once it is read";
        m_statePending = true;
        m_autosave->holdState(true);
        m_statePoll.start();
    }
    m_autosave->cancel(); // what was just read needs no write
    const QString readOnly = readOnlyListsNotice(m_dataFolder, m_readOnlyLists);
    if (!m_lockProblem.isEmpty()) {
        reportProblems(tr("Quillbox cannot tell whether it is running on this data folder "
                          "already:"),
                       {m_lockProblem, QString(),
                        tr("Changes to your lists are not saved while this window is open, so "
                           "that two copies of Quillbox never both write them. Free some space "
                           "or fix the folder, then start Quillbox again.")});
    } else if (!readOnly.isEmpty()) {
        loaded.errors << QString() << readOnly;
    }
    reportProblems(tr("Some data files could not be read; their lists start empty:"),
                   loaded.errors);
    if (!m_channelProblem.isEmpty())
        reportProblems(tr("A second start of Quillbox cannot reach this one:"), {m_channelProblem});
    const QString settingsDamage = m_store.damagedNotice(settingsApplication());
    if (!settingsDamage.isEmpty())
        loaded.damaged << settingsDamage;
    reportProblems(tr("Some data files are damaged:"), loaded.damaged);
    m_passwords->start(!m_readOnlyLists.contains(dataFile::forums()));

    m_templates = loadTemplates(*m_settings);
    m_linkRules =
        m_settings->get(keys::linkWholeAddresses) ? LinkRules::WholeAddresses : LinkRules::Classic;
    view.formatNames = formatNames(m_templates);
    // A stored row that is not a number, or no longer a row of the list, selects row 0.
    view.formatRow = formatRowOf(m_settings->get(keys::lastConvert), int(view.formatNames.size()));

    view.subject = m_settings->get(keys::lastSubject);
    const QString lastMessage = m_settings->get(keys::lastMessage);
    if (lastMessage != QLatin1String("") && lastMessage != QLatin1String(" "))
        view.message = lastMessage;
    view.skin = m_branding.skinEnabled;
    view.showHelp = m_settings->get(keys::showHelp) == QLatin1String("1");
    view.geometry = m_settings->get(keys::mainWindowGeometry);
    // With the count of the unread threads the lists came back with.
    view.caption = windowTitle();
    m_ready = true;
    if (!m_statePending)
        emit listStateApplied();
    emit started();
    return view;
}

void Program::takeUpState(const LoadListStateResult& state) {
    applyListState(*m_lists, state.state);
    // The state is kept per thread and forum: written beside a list that was not read, it
    // would hold the state of none of them, and their unread marks and checks would be gone
    // once the list reads again.
    m_stateUnwritten = state.keepUnwritten || !m_readOnlyLists.isEmpty();
    m_autosave->keepStateUnwritten(m_stateUnwritten);
}

void Program::applyPendingState() {
    if (!m_statePending)
        return;
    m_statePending = false;
    m_statePoll.stop();
    const LoadListStateResult state = m_preload->takeState();
    // What the user changed meanwhile is still written; what the file held is not written back.
    m_autosave->withoutWriting([&] { takeUpState(state); });
    m_autosave->holdState(false);
    qCInfo(logLists) << "the lists' state is put back";
    if (!state.error.isEmpty())
        reportProblems(tr("Some data files could not be read; their lists start empty:"),
                       {state.error});
    if (!state.damaged.isEmpty())
        reportProblems(tr("Some data files are damaged:"), {state.damaged});
    if (std::exchange(m_backgroundWanted, false))
        startBackgroundChecks();
    emit listStateApplied();
}

bool Program::saveListsAsking() {
    for (;;) {
        QStringList problems = saveLists(m_dataFolder, m_lists->lists(), m_readOnlyLists);
        if (!m_stateUnwritten) {
            const FileResult state = saveListState(m_dataFolder, collectListState(*m_lists));
            if (!state.ok)
                problems << state.message;
        }
        if (problems.isEmpty())
            return true;
        const int answer = m_messages.askChoice(
            m_branding.productName,
            //: %1 lists the files that could not be written and why, one a line.
            tr("Your lists could not be saved:\r\n\r\n%1\r\n\r\nFree some space or fix the "
               "folder, then try again. Quitting without saving loses the changes to your lists.")
                .arg(problems.join(QStringLiteral("\r\n"))),
            // Closing the box cancels: the safe answer comes last.
            {tr("Retry"), tr("Quit without saving"), tr("Cancel")});
        if (answer == 1)
            return true;
        if (answer != 0)
            return false;
    }
}

bool Program::shutDown(const CloseView& view) {
    applyPendingState();
    m_autosave->cancel();
    m_cookieFile->flush();
    keep(m_settings->set(keys::mainWindowGeometry, view.geometry));
    m_passwords->keepUnconfirmed();
    if (!saveListsAsking())
        return false;
    // A queue closed midway logs its forum at hand as stopped: the log shows how far it got. A
    // close the user cancelled leaves the run going.
    m_queue->stop();
    keep(m_settings->set(keys::lastMessage, view.message));
    keep(m_settings->set(keys::lastConvert, QString::number(view.formatRow)));
    return true;
}

void Program::endProcess() {
    if (m_started && m_branding.skinEnabled)
        SkinEngine::instance().shutDown();
    emit quitRequested();
}

void Program::listen(SingleInstance& instance) {
    if (instance.role() == SingleInstance::Role::None)
        m_lockProblem = instance.error();
    else
        m_channelProblem = instance.error();
    connect(
        &instance, &SingleInstance::messageReceived, this, [this, &instance](const QString& line) {
            qCInfo(logShell) << "another start on the data folder says" << line.left(40);
            if (line == QLatin1String("activate")) {
                // A window still starting shows itself when it is ready.
                if (m_ready)
                    emit activateRequested();
                instance.answer(QStringLiteral("ok"));
            } else if (const std::optional<QList<ReadMark>> marks = decodeReadMarks(line)) {
                // Marks for lists not loaded yet would find no thread, and the lists loaded
                // afterwards would not have them: the caller is told they were not taken.
                if (!m_ready) {
                    instance.answer(QStringLiteral("busy"));
                    return;
                }
                applyPendingState();
                const int applied = applyReadMarks(*m_lists, *marks);
                // Written now, so the check's caller finds the marks on disk when it returns.
                m_autosave->flush();
                instance.answer((m_autosave->lastWriteSucceeded() ? QStringLiteral("marked ")
                                                                  : QStringLiteral("unsaved ")) +
                                QString::number(applied));
            } else {
                instance.answer(QStringLiteral("unknown"));
            }
        });
}

void Program::startBackgroundChecks() {
    // A check before the lists' state is read would have it written over: it waits for it.
    if (m_statePending) {
        m_backgroundWanted = true;
        return;
    }
    m_background->startPolling();
    // A check missed while the program was closed runs soon after the start.
    QTimer::singleShot(5000, m_background.get(), [this] { m_background->poll(); });
}

void Program::subjectChanged(const QString& subject) {
    keep(m_settings->set(keys::lastSubject, subject));
}

bool Program::storeTemplates(const TemplateSet& templates, LinkRules rules) {
    m_templates = templates;
    m_linkRules = rules;
    m_storingTemplates = true;
    const bool templatesWritten = saveTemplates(*m_settings, m_templates);
    const bool rulesWritten =
        m_settings->set(keys::linkWholeAddresses, rules == LinkRules::WholeAddresses);
    m_storingTemplates = false;
    emit templatesChanged();
    if (templatesWritten && rulesWritten)
        return true;
    m_messages.showMessage(
        m_branding.productName,
        //: %1 says why the settings file could not be written.
        tr("Your templates could not be saved.\r\n%1").arg(m_settings->lastError()),
        MessageIcon::Exclamation);
    return false;
}

int Program::replyCheckMinutes() const {
    return storedIntervalMinutes(m_settings->get(keys::replyCheckMinutes),
                                 QString::number(m_settings->get(keys::replyCheckHours)));
}

bool Program::setReplyCheckMinutes(int minutes) {
    // Whole hours too, for an earlier version reading the same settings.
    const int hours = minutes <= 0 ? 0 : std::max(1, (minutes + 59) / 60);
    const bool written = m_settings->set(keys::replyCheckHours, hours) &&
                         m_settings->set(keys::replyCheckMinutes, QString::number(minutes));
    keep(written);
    return written;
}

void Program::backgroundCheckFinished(const QStringList& newlyFound) {
    emit panelText(1, tr("background check - %1 new replies listed, %2 new")
                          .arg(m_lists->newReplies().size())
                          .arg(newlyFound.size()));
}

} // namespace quillbox
