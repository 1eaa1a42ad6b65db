// quillbox-check: the reply check without a window. Reads the watched posts and their recorded
// sizes from the data folder, fetches every page, several at once, and prints the address of
// each page that has grown by more than 500 bytes, each as soon as it and every page before
// it are known. Only --mark-read writes anything back, and only sizes.txt.

#include "check_lists.h"
#include "check_report.h"
#include "store/data_folder.h"
#include "store/single_instance.h"
#include "watch/cookie_file.h"
#include "watch/forum_cookie_jar.h"
#include "watch/page_fetcher.h"
#include "watch/parallel_check.h"
#include "watch/read_marks.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

using namespace quillbox;

namespace {

enum ExitCode { Finished = 0, FetchFailed = 1, BadUsage = 2 };

// The threads a check found grown, as marks for the program that holds the lists.
QList<ReadMark> readMarks(const QList<ThreadCheckResult>& results) {
    QList<ReadMark> marks;
    for (const ThreadCheckResult& r : results) {
        if (r.outcome != CheckOutcome::NewReplies || !r.measured || !r.recorded)
            continue;
        ReadMark mark{r.address, *r.recorded, *r.measured};
        if (r.page) {
            mark.lastPage = r.page->lastPage;
            mark.highestPost = r.page->highestPost;
        }
        marks.append(mark);
    }
    return marks;
}

// The longest --timeout taken: a day.
constexpr int kMaxTimeoutSeconds = 24 * 60 * 60;

void printErr(const QString& text) {
    std::fputs((text + u'\n').toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

void printOut(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quillbox"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillbox"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks the watched posts of Quillbox for new replies, as \"Check for new replies\" does, "
        "without opening a window.\n"
        "Each page that has grown by more than 500 bytes since its size was recorded is "
        "printed to standard output, one address a line, in the order of the list. A page that "
        "cannot be fetched is reported on standard error with its address and the reason, and "
        "the check goes on with the others.\n"
        "Each page has a deadline (--timeout): one that has not arrived whole by then fails, "
        "however steadily its server keeps sending. A password written into an address is "
        "shown as ***.\n"
        "While \"Check threads as the logged-in user\" is on, Quillbox keeps the forum cookies "
        "of its browser in check-cookies.txt in the data folder, and the pages are fetched with "
        "them, as the window's check fetches them (--as-visitor: without).\n"
        "Exit status: 0 when every page was checked, 1 when any page could not be fetched or a "
        "list file is damaged, 2 for bad usage, unreadable data or lists that could not be "
        "written."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption dataDir(QStringList{QStringLiteral("d"), QStringLiteral("data-dir")},
                                     QStringLiteral("Read the lists from <folder> instead of "
                                                    "the program's data folder."),
                                     QStringLiteral("folder"));
    parser.addOption(dataDir);
    const QCommandLineOption quiet(QStringList{QStringLiteral("q"), QStringLiteral("quiet")},
                                   QStringLiteral("Print no progress, only errors."));
    parser.addOption(quiet);
    const QCommandLineOption jobs(
        QStringList{QStringLiteral("j"), QStringLiteral("jobs")},
        QStringLiteral("Fetch up to <n> pages at once (1 to 64, default 4); never more than two "
                       "from one web server."),
        QStringLiteral("n"), QString::number(ParallelCheck::kDefaultJobs));
    parser.addOption(jobs);
    const QCommandLineOption timeout(
        QStringList{QStringLiteral("t"), QStringLiteral("timeout")},
        QStringLiteral("Give each page at most <seconds> to arrive whole (1 to 86400, default "
                       "120); a page still unfinished then fails with that reason."),
        QStringLiteral("seconds"),
        QString::number(
            std::chrono::duration_cast<std::chrono::seconds>(PageFetcher::kDefaultDeadline)
                .count()));
    parser.addOption(timeout);
    const QCommandLineOption markReadOption(
        QStringLiteral("mark-read"),
        QStringLiteral("Record the size just measured for every page with new replies, so they "
                       "are not reported again. Only sizes.txt is rewritten; a damaged one is "
                       "first kept as sizes.txt.damaged."));
    parser.addOption(markReadOption);
    const QCommandLineOption asVisitor(
        QStringLiteral("as-visitor"),
        QStringLiteral("Send no cookies, even when Quillbox keeps the forum cookies for checks as "
                       "the logged-in user: measure the pages as a visitor sees them."));
    parser.addOption(asVisitor);
    const QCommandLineOption json(
        QStringLiteral("json"),
        QStringLiteral("Print a JSON array with one object per page (address, recordedSize, "
                       "measuredSize, result, and error for a failure) instead of the "
                       "addresses."));
    parser.addOption(json);
    const QCommandLineOption jsonLines(
        QStringLiteral("json-lines"),
        QStringLiteral("Print one JSON object per page, one a line, each as soon as it is known "
                       "(the objects of --json, without the array)."));
    parser.addOption(jsonLines);

    if (!parser.parse(app.arguments())) {
        printErr(parser.errorText());
        printErr(QStringLiteral("Try quillbox-check --help."));
        return BadUsage;
    }
    if (parser.isSet(help)) {
        printOut(parser.helpText());
        return Finished;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printErr(QStringLiteral("Unexpected argument: ") + parser.positionalArguments().first());
        printErr(QStringLiteral("Try quillbox-check --help."));
        return BadUsage;
    }
    bool jobsOk = false;
    const int jobCount = parser.value(jobs).toInt(&jobsOk);
    if (!jobsOk || jobCount < 1 || jobCount > ParallelCheck::kMaxJobs) {
        printErr(QStringLiteral("--jobs needs a number from 1 to ") +
                 QString::number(ParallelCheck::kMaxJobs) + QStringLiteral(", not: ") +
                 parser.value(jobs));
        return BadUsage;
    }

    bool timeoutOk = false;
    const int timeoutSeconds = parser.value(timeout).toInt(&timeoutOk);
    if (!timeoutOk || timeoutSeconds < 1 || timeoutSeconds > kMaxTimeoutSeconds) {
        printErr(QStringLiteral("--timeout needs a number of seconds from 1 to ") +
                 QString::number(kMaxTimeoutSeconds) + QStringLiteral(", not: ") +
                 parser.value(timeout));
        return BadUsage;
    }
    if (parser.isSet(json) && parser.isSet(jsonLines)) {
        printErr(QStringLiteral("--json and --json-lines cannot be used together."));
        return BadUsage;
    }

    const QString folder = parser.isSet(dataDir) ? parser.value(dataDir) : resolveDataFolder();
    if (!QFileInfo(folder).isDir()) {
        printErr(QStringLiteral("The data folder does not exist: ") + folder);
        return BadUsage;
    }
    const CheckLists loaded = readCheckLists(folder);
    if (!loaded.errors.isEmpty()) {
        for (const QString& e : loaded.errors)
            printErr(e);
        return BadUsage;
    }
    // Reported, and otherwise left as it is: only --mark-read writes, and it keeps a copy first.
    for (const QString& d : loaded.damaged)
        printErr(d);

    const QList<ThreadToCheck> threads = threadsToCheck(loaded);

    // The cookies the window sends, so both measure a members' thread alike.
    ForumCookieJar cookies;
    if (!parser.isSet(asVisitor)) {
        const CookieFileRead read =
            readCookieFile(cookieFilePath(folder), QDateTime::currentDateTimeUtc());
        if (!read.status.ok) {
            printErr(read.status.message);
            printErr(QStringLiteral("Use --as-visitor to check without the forum cookies."));
            return BadUsage;
        }
        cookies.setCookies(read.cookies);
        cookies.setEnabled(true);
    }

    ParallelCheck check;
    check.setJobs(jobCount);
    check.setRequestCookies(&cookies);
    check.setDeadline(std::chrono::seconds(timeoutSeconds));
    ResultWriter writer(parser.isSet(json)        ? ResultWriter::Format::Json
                        : parser.isSet(jsonLines) ? ResultWriter::Format::JsonLines
                                                  : ResultWriter::Format::Text);
    // Each thread is printed once it and every one before it are known, so a run that is cut
    // short (a service's time limit, Ctrl+C) has printed all it knew, in order.
    QObject::connect(&check, &ParallelCheck::threadChecked, &app, [&check, &writer](int index) {
        const ThreadCheckResult& r = check.results().at(index);
        if (r.outcome == CheckOutcome::Failed)
            printErr(failureLine(r));
        printOut(writer.add(r));
    });
    bool done = false;
    QObject::connect(&check, &ParallelCheck::finished, &app, [&done] {
        done = true;
        QCoreApplication::exit(0);
    });
    // The check can end inside start() (nothing to fetch, every address refused at once).
    check.start(threads);
    if (!done)
        app.exec();

    const QList<ThreadCheckResult>& results = check.results();
    printOut(writer.finish());
    const CheckCounts counts = countResults(results);
    if (!parser.isSet(quiet)) {
        printErr(QStringLiteral("finished - ") + QString::number(counts.newReplies) +
                 QStringLiteral(" new replies found"));
        if (counts.failed > 0)
            printErr(QString::number(counts.failed) +
                     (counts.failed == 1 ? QStringLiteral(" page") : QStringLiteral(" pages")) +
                     QStringLiteral(" could not be checked"));
    }

    if (parser.isSet(markReadOption) && (counts.newReplies > 0 || counts.shrunk > 0)) {
        // A program running on the folder holds the lists: the marks go to it, or its next save
        // would write its own sizes back over them. Otherwise the lock is held while writing.
        SingleInstance instance;
        if (instance.tryLock(folder) == SingleInstance::Role::Secondary) {
            const std::optional<QString> answer =
                instance.sendMessage(encodeReadMarks(readMarks(results)));
            if (answer && answer->startsWith(QLatin1String("unsaved "))) {
                printErr(QStringLiteral("quillbox-check: Quillbox is running on this data folder "
                                        "and marked %1 as read in its window, but could not save "
                                        "its lists; its window says why.")
                             .arg(answer->mid(8)));
                return BadUsage;
            }
            if (!answer || !answer->startsWith(QLatin1String("marked "))) {
                printErr(
                    QStringLiteral("quillbox-check: Quillbox is running on this data folder and "
                                   "did not take the marks, so nothing was marked as read. "
                                   "Mark them in its window, or close it and check again."));
                return BadUsage;
            }
            if (!parser.isSet(quiet))
                printErr(QStringLiteral("marked as read: ") + answer->mid(7) +
                         QStringLiteral(" (by the running Quillbox)"));
            return counts.failed > 0 || !loaded.damaged.isEmpty() ? FetchFailed : Finished;
        }
        const MarkReadOutcome marked = markRead(folder, results);
        for (const QString& n : marked.notes)
            printErr(n);
        for (const QString& e : marked.errors)
            printErr(e);
        if (!marked.errors.isEmpty())
            return BadUsage;
        if (!parser.isSet(quiet))
            printErr(QStringLiteral("marked as read: ") + QString::number(marked.marked));
    }
    return counts.failed > 0 || !loaded.damaged.isEmpty() ? FetchFailed : Finished;
}
