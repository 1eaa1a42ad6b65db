// quillbox-check: the reply check without a window. Reads the watched posts and their recorded
// sizes from the data folder, fetches every page, and prints the address of each page that
// has grown by more than 500 bytes. Writes nothing back.

#include "stderr_messages.h"
#include "store/data_folder.h"
#include "store/list_files.h"
#include "watch/page_fetcher.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

using namespace quillbox;

namespace {

enum ExitCode { Finished = 0, FetchFailed = 1, BadUsage = 2 };

void printErr(const QString& text) {
    std::fputs((text + u'\n').toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
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
        "printed to standard output, one address a line; progress and errors go to standard "
        "error. Nothing is written back.\n"
        "Exit status: 0 when the check finished, 1 when a page could not be fetched (the check "
        "stops there), 2 for bad usage or unreadable data."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption dataDir(QStringList{QStringLiteral("d"), QStringLiteral("data-dir")},
                                     QStringLiteral("Read the lists from <folder> instead of "
                                                    "the program's data folder."),
                                     QStringLiteral("folder"));
    parser.addOption(dataDir);
    const QCommandLineOption quiet(QStringList{QStringLiteral("q"), QStringLiteral("quiet")},
                                   QStringLiteral("Print no progress, only errors."));
    parser.addOption(quiet);

    if (!parser.parse(app.arguments())) {
        printErr(parser.errorText());
        printErr(QStringLiteral("Try quillbox-check --help."));
        return BadUsage;
    }
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return Finished;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printErr(QStringLiteral("Unexpected argument: ") + parser.positionalArguments().first());
        printErr(QStringLiteral("Try quillbox-check --help."));
        return BadUsage;
    }

    const QString folder = parser.isSet(dataDir) ? parser.value(dataDir) : resolveDataFolder();
    if (!QFileInfo(folder).isDir()) {
        printErr(QStringLiteral("The data folder does not exist: ") + folder);
        return BadUsage;
    }
    const LoadListsResult loaded = loadLists(folder);
    if (!loaded.errors.isEmpty()) {
        for (const QString& e : loaded.errors)
            printErr(e);
        return BadUsage;
    }

    StderrMessages messages;
    WatchLists lists;
    lists.setLists(loaded.data);
    PageFetcher fetcher(messages);
    ReplyCheck check(lists, fetcher);

    const bool showProgress = !parser.isSet(quiet);
    QObject::connect(&check, &ReplyCheck::panelText, &app, [&](int, const QString& text) {
        if (showProgress)
            printErr(text);
    });
    QObject::connect(&lists, &WatchLists::newReplyAdded, &app, [&](int row) {
        std::fputs((lists.newReplies().at(row) + u'\n').toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
    });
    // The check can end inside start() (nothing to fetch, an address refused at once), before
    // the event loop runs, so the outcome is kept as well as handed to exit().
    int outcome = -1;
    QObject::connect(&check, &ReplyCheck::finished, &app, [&outcome] {
        outcome = Finished;
        QCoreApplication::exit(outcome);
    });
    QObject::connect(&check, &ReplyCheck::stopped, &app, [&outcome] {
        outcome = FetchFailed;
        QCoreApplication::exit(outcome);
    });

    check.start();
    if (outcome >= 0)
        return outcome;
    return app.exec();
}
