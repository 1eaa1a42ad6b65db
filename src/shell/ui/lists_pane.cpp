// The forum and watched-post lists of the main window: views on the program's models, their
// buttons, clicks and double-clicks, the logins of the forums, the reply check and marking new
// replies as read.
#include "shell/ui/lists_pane.h"

#include "platform/browser_page.h"
#include "shell/main_layout.h"
#include "shell/program.h"
#include "shell/ui/lists_tabs.h"
#include "shell/ui/login_boxes.h"
#include "skin/ui/skin_label.h"
#include "store/records.h"
#include "watch/shown_address.h"
#include "watch/ui/reply_check_options.h"
#include "watch/ui/warning_icons.h"
#include "watch/watch_lists.h"
#include "widgets/fit_captions.h"
#include "widgets/on_top.h"
#include "widgets/placed_controls.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QToolButton>
#include <algorithm>

namespace quillbox {

namespace {

// The pane covers the tab strip; the design places its controls relative to the window.
constexpr double left = 60, top = 5040;

int currentRow(const QListView* view) {
    return view->currentIndex().isValid() ? view->currentIndex().row() : -1;
}

// The row's address as stored, for navigating; its text is the address as shown. Both lists of
// threads give it in the same role.
static_assert(int(ThreadModel::AddressRole) == int(NewRepliesModel::AddressRole));
QString rowAddress(const QListView* view, int row) {
    return view->model()->index(row, 0).data(ThreadModel::AddressRole).toString();
}

QString rowText(const QListView* view, int row) {
    return view->model()->index(row, 0).data().toString();
}

} // namespace

ListsPane::ListsPane(Program& program, BrowserPage& page, Clipboard& clipboard, QWidget* parent)
    : QWidget(parent), m_program(program), m_page(page), m_clipboard(clipboard) {
    setObjectName(QStringLiteral("ListsPane"));
    placeTwips(this, left, top, 3735, 4815);
    build();
    connectViews();
    connect(listsTabs, &QTabBar::currentChanged, this, &ListsPane::applyListsTab);
    connect(postsTabs, &QTabBar::currentChanged, this, &ListsPane::applyPostsTab);
}

QString ListsPane::userName() const {
    return userNameBox->text();
}

QString ListsPane::password() const {
    return passwordBox->text();
}

void ListsPane::applyLayout(const MainLayout& l) {
    setHeightTwips(this, l.tabStrip2Height);
    setHeightTwips(listsTabs, l.tabStrip2Height);
    setHeightTwips(postsView, l.frame3Height);
    setHeightTwips(forumsView, l.frame4Height);
    setHeightTwips(postList, l.lstPostsHeight);
    setHeightTwips(forumList, l.lstPosts2Height);
    setHeightTwips(newRepliesList, l.lstNewHeight);
    // The views lie in front of the tab strip.
    postsView->raise();
    forumsView->raise();
    // Past the design width the window widens this pane by the column's extra width, and what
    // it holds with it; the heights above stay.
    const int wide = toPixels(this, l.columnExtra);
    for (QWidget* w :
         std::initializer_list<QWidget*>{listsTabs, postsView, forumsView, postList, forumList,
                                         newRepliesList, postsTabs, checkRepliesButton})
        growFromDesign(w, 0, 0, wide, std::nullopt);
    fitRowIcons();
}

// The lists measure one row for all (every row is one line of text): an icon taller than the
// text, like the warning sign of a thread that could not be checked, would reach into the rows
// next to it. The icons are kept as tall as a line of the list's text.
int ListsPane::fitCaptions() {
    return std::max(quillbox::fitCaptions(forumsView), quillbox::fitCaptions(postsView));
}

void ListsPane::fitRowIcons() {
    for (QListView* list : {postList, forumList, newRepliesList}) {
        const int line = list->fontMetrics().height();
        if (list->iconSize() != QSize(line, line))
            list->setIconSize(QSize(line, line));
    }
}

void ListsPane::showAllPosts() {
    postsTabs->setCurrentIndex(0);
}

void ListsPane::showNewReplies() {
    postsTabs->setCurrentIndex(1);
}

void ListsPane::checkReplies() {
    // The results are listed in the posts view: show it, on its "New Replies" tab.
    listsTabs->setCurrentIndex(1);
    showNewReplies();
    if (checkRepliesButton->isEnabled())
        checkRepliesButton->click();
}

void ListsPane::applyPostsTab() {
    const QString tab = postsTabs->tabData(postsTabs->currentIndex()).toString();
    if (tab != postsTabAll && tab != postsTabReplies)
        return;
    const bool all = tab == postsTabAll;
    unwatchButton->setVisible(all);
    watchButton->setVisible(all);
    checkRepliesButton->setVisible(!all);
    postList->setVisible(all);
    newRepliesList->setVisible(!all);
}

void ListsPane::applyListsTab() {
    const QString tab = listsTabs->tabData(listsTabs->currentIndex()).toString();
    if (tab == listsTabForums) {
        postsView->hide();
        forumsView->show();
    } else if (tab == listsTabPosts) {
        postsView->show();
        forumsView->hide();
    }
}

void ListsPane::build() {
    listsTabs = makePlaced<QTabBar>(this, "TabStrip2", 0, 0, 3735, 4815);
    listsTabs->addTab(tr("Your Forums"));
    listsTabs->setTabData(0, QString(listsTabForums));
    listsTabs->addTab(tr("Your Posts"));
    listsTabs->setTabData(1, QString(listsTabPosts));
    listsTabs->setExpanding(false);
    listsTabs->setDrawBase(true);

    // The two views lie in front of the tab strip, in the area below its tabs.
    forumsView = makePlaced<QFrame>(this, "Frame4", 180 - left, 5460 - top, 3615, 4335);
    postsView = makePlaced<QFrame>(this, "Frame3", 180 - left, design::frame3Top - top, 3615, 4335);
    postsView->hide();

    addForumButton = makeButton(forumsView, "cmdAdd2", tr("Add Current URL"),
                                tr("Watch the current URL"), 60, 240, 1695, 375);
    removeForumButton =
        makeButton(forumsView, "cmdDel2", tr("Remove URL"), {}, 1860, 240, 1695, 375);
    userNameLabel = makeSkinLabel(forumsView, "SkinLabel4", tr("Username:"), 60, 720, 975, 195);
    userNameBox = makePlaced<QLineEdit>(forumsView, "txtUsername", 1080, 660, 1755, 315);
    userNameBox->setEnabled(false);
    // Hints, not text: never stored, never pasted, gone at the first key.
    userNameBox->setPlaceholderText(tr("Enter Username"));
    pasteUserNameButton = makeButton(forumsView, "cmdPaste1", tr("Paste"),
                                     tr("Click within the Username field on the form you "
                                        "want to paste into, then click here."),
                                     2880, 660, 675, 315);
    passwordLabel = makeSkinLabel(forumsView, "SkinLabel5", tr("Password:"), 60, 1080, 975, 255);
    passwordBox = makePlaced<QLineEdit>(forumsView, "txtPassword", 1080, 1020, 1755, 285);
    passwordBox->setEchoMode(QLineEdit::Password);
    passwordBox->setEnabled(false);
    passwordBox->setPlaceholderText(tr("Enter Password"));
    pastePasswordButton = makeButton(forumsView, "cmdPaste2", tr("Paste"),
                                     tr("Click within the Password field on the form you "
                                        "want to paste into, then click here."),
                                     2880, 1020, 675, 315);
    forumList =
        makePlaced<QListView>(forumsView, "lstPosts2", 60, design::lstPosts2Top, 3435, 1425);

    watchButton =
        makePictureButton(postsView, "cmdAdd", tr("Watch This Post"), tr("Watch the current URL"),
                          "watch", 60, 240, 1695, 495, false);
    unwatchButton = makePictureButton(postsView, "cmdDel", tr("Remove Watch"), {}, "unwatch", 1800,
                                      240, 1695, 495, false);
    postsTabs = makePlaced<QTabBar>(postsView, "TabStrip1", 60, 780, 3495, 315);
    postsTabs->addTab(tr("Show All"));
    postsTabs->setTabData(0, QString(postsTabAll));
    postsTabs->addTab(tr("New Replies"));
    postsTabs->setTabData(1, QString(postsTabReplies));
    postsTabs->setExpanding(false);
    checkRepliesButton =
        makeButton(postsView, "cmdReplies", tr("Check for new replies"), {}, 60, 1140, 3435, 315);
    checkRepliesButton->hide();
    postList = makePlaced<QListView>(postsView, "lstPosts", 60, design::lstPostsTop, 3435, 1620);
    newRepliesList =
        makePlaced<QListView>(postsView, "lstNew", 60, design::lstPostsTop, 3435, 1230);
    newRepliesList->hide();
    // Every row is one line of text: with rows of one height the boxes need not measure each of
    // tens of thousands of rows to lay them out.
    for (QListView* list : {forumList, postList, newRepliesList}) {
        list->setUniformItemSizes(true);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
}

void ListsPane::connectViews() {
    forumList->setModel(m_program.forumsModel());
    // Several forums can be chosen to post to in one pass; a click still picks one.
    forumList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    postList->setModel(new WarningIcons(m_program.threadsModel(), postList));
    newRepliesList->setModel(m_program.newRepliesModel());

    connect(watchButton, &QToolButton::clicked, this, &ListsPane::watchThisPost);
    connect(unwatchButton, &QToolButton::clicked, this, &ListsPane::removeWatch);
    connect(addForumButton, &QPushButton::clicked, this, &ListsPane::addCurrentUrl);
    connect(removeForumButton, &QPushButton::clicked, this, &ListsPane::removeUrl);
    connect(checkRepliesButton, &QPushButton::clicked, &m_program, &Program::startCheck);

    // A row counts as clicked whether the mouse or the keyboard selected it.
    connect(forumList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& at) { forumRowClicked(at.isValid() ? at.row() : -1); });
    connect(forumList, &QListView::clicked, this,
            [this](const QModelIndex& at) { forumRowClicked(at.row()); });
    connect(forumList, &QListView::doubleClicked, this, [this](const QModelIndex& at) {
        m_page.navigate(at.data(ForumModel::AddressRole).toString());
    });
    for (QListView* list : {postList, newRepliesList}) {
        connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, list](const QModelIndex& at) {
                    postRowClicked(list, at.isValid() ? at.row() : -1);
                });
        connect(list, &QListView::clicked, this,
                [this, list](const QModelIndex& at) { postRowClicked(list, at.row()); });
        connect(list, &QListView::doubleClicked, this,
                [this, list](const QModelIndex& at) { postRowDoubleClicked(list, at.row()); });
    }
    connect(userNameBox, &QLineEdit::textChanged, this, &ListsPane::storeLogin);
    connect(passwordBox, &QLineEdit::textChanged, this, &ListsPane::storeLogin);
    // A password read from the keyring shows once it arrives.
    connect(&m_program.passwords(), &ForumPasswords::passwordShown, this, [this](int row) {
        if (row == selectedForum())
            showPassword(passwordBox, m_program.passwords().shown(row));
    });

    newRepliesList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(newRepliesList, &QListView::customContextMenuRequested, this,
            &ListsPane::showNewRepliesMenu);
    forumList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(forumList, &QListView::customContextMenuRequested, this, &ListsPane::showForumMenu);
    postList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(postList, &QListView::customContextMenuRequested, this, &ListsPane::showPostMenu);
    // A removal is undone with Ctrl+Z wherever the focus is in the pane: on the Remove button
    // just pressed too. A text box keeps Ctrl+Z for its own typing.
    auto* undo =
        new QShortcut(QKeySequence::Undo, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(undo, &QShortcut::activated, &m_program, &Program::undoRemoval);
    connect(&m_program, &Program::removalUndone, this, [this](const QString& address) {
        //: The status bar after Undo put a removed row back: %1 is the row.
        emit panelText(1, tr("Put back: %1").arg(shownAddress(address)));
    });
    // Rows are renamed by the menu or F2, never by a click that meant to select or open.
    auto* rename =
        new QShortcut(QKeySequence(Qt::Key_F2), forumList, nullptr, nullptr, Qt::WidgetShortcut);
    connect(rename, &QShortcut::activated, this, &ListsPane::renameForum);
    connect(&m_program, &Program::newRepliesNoticeActivated, this,
            &ListsPane::showNewRepliesFromNotice);
    // The window's check waits while the background check runs; the background check waits
    // for the window's (BackgroundCheck::poll).
    connect(&m_program, &Program::backgroundCheckRunning, this, [this](bool running) {
        checkRepliesButton->setEnabled(!running);
        checkRepliesButton->setToolTip(running ? tr("Checking in the background...") : QString());
    });
}

void ListsPane::watchThisPost() {
    // The measurer refuses a page that is not on the web (the start page, about:, file:).
    m_program.watchPage(m_page.currentUrl());
}

void ListsPane::addCurrentUrl() {
    const int row = m_program.addForumFromPage(m_page.currentUrl(), m_page.title());
    if (row < 0)
        return;
    // The new row is selected while it has no login yet, so the boxes keep their text; only then
    // does it get its empty login, which the boxes below rewrite only where they change.
    forumList->setCurrentIndex(forumList->model()->index(row, 0));
    m_program.clearForumLogin(row);
    userNameBox->clear();
    passwordBox->clear();
    // Boxes that already read so change nothing and store nothing: the login must still match.
    storeLogin();
}

void ListsPane::forumRowClicked(int row) {
    const WatchLists& lists = m_program.lists();
    if (m_quietSelection || row < 0 || row >= lists.forumCount())
        return;
    const Forum& forum = lists.forums().at(row);
    emit panelText(2, shownAddress(forum.address));
    userNameBox->setEnabled(true);
    passwordBox->setEnabled(true);
    const ForumPasswords::Shown password = m_program.passwords().shown(row);
    showPassword(passwordBox, password);
    if (!forum.login.isEmpty())
        showLogin(userNameBox, passwordBox, splitLogin(forum.login).userName, password);
    emit forumSelected(row);
}

int ListsPane::selectedForum() const {
    return currentRow(forumList);
}

QList<int> ListsPane::selectedForums() const {
    QList<int> rows;
    for (const QModelIndex& index : forumList->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ListsPane::showForums() {
    listsTabs->setCurrentIndex(0);
}

void ListsPane::selectForum(int row) {
    if (row >= 0 && row != selectedForum())
        forumList->setCurrentIndex(forumList->model()->index(row, 0));
}

void ListsPane::useCurrentPageAsPostingPage() {
    const int row = selectedForum();
    const QString page = m_page.currentUrl();
    if (row < 0 || !m_program.usePageAsPostingPage(row, page))
        return;
    emit panelText(1, tr("Posting page kept: %1").arg(shownAddress(page)));
}

void ListsPane::storeLogin() {
    const int row = currentRow(forumList);
    if (row < 0)
        return;
    m_program.storeLogin(row, userNameBox->text(), passwordBox->text());
}

void ListsPane::postRowClicked(QListView* list, int row) {
    if (m_quietSelection || row < 0 || row >= list->model()->rowCount())
        return;
    emit panelText(2, rowText(list, row));
}

void ListsPane::postRowDoubleClicked(QListView* list, int row) {
    if (row < 0 || row >= list->model()->rowCount())
        return;
    const QString address = rowAddress(list, row);
    // A new reply opened is read: in the lists, the state beside them and New Replies alike.
    m_program.openingThread(list == newRepliesList ? row : -1);
    m_page.navigate(address);
}

void ListsPane::openReplyCheckOptions() {
    ReplyCheckOptions dialog(this);
    const AppSettings& settings = m_program.settings();
    dialog.setIntervalMinutes(m_program.replyCheckMinutes());
    dialog.setCheckAsLoggedIn(settings.get(keys::checkAsLoggedIn));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The background check and the cookie jar follow the settings.
    m_program.setReplyCheckMinutes(dialog.intervalMinutes());
    m_program.keepSetting(keys::checkAsLoggedIn, dialog.checkAsLoggedIn());
}

void ListsPane::showNewRepliesFromNotice() {
    showAtFront(window());
    listsTabs->setCurrentIndex(1);
    showNewReplies();
}

} // namespace quillbox
