#include "watch/fetch_messages.h"

#include "platform/user_messages.h"
#include "watch/fetch_target.h"
#include "watch/shown_address.h"

#include <QCoreApplication>
#include <algorithm>

namespace quillbox {

namespace {

QString startErrorText(int number, const QString& description) {
    return QCoreApplication::translate("quillbox::FetchMessages",
                                       "An error has occurred.\r\nError #: %1\r\nDescription: %2")
        .arg(number)
        .arg(description);
}

QString transferErrorText(int number, const QString& description) {
    //: %1 is the error's number, %2 says what went wrong.
    return QCoreApplication::translate("quillbox::FetchMessages",
                                       "Error occurred.\r\nError #: %1\r\n%2")
        .arg(number)
        .arg(description);
}

} // namespace

void showFetchStartError(UserMessages& messages, int number, const QString& description,
                         const QString& url) {
    messages.showMessage(QCoreApplication::translate("quillbox::FetchMessages", "Error"),
                         startErrorText(number, description), MessageIcon::Exclamation,
                         shownAddress(url));
}

QString fetchFailureText(const FetchError& error) {
    return error.stage == FetchError::Stage::Start
               ? startErrorText(error.number, error.description)
               : transferErrorText(error.number, error.description);
}

void showFetchFailure(UserMessages& messages, const FetchError& error) {
    messages.showMessage(QCoreApplication::translate("quillbox::FetchMessages", "Error"),
                         fetchFailureText(error), MessageIcon::Exclamation,
                         shownAddress(error.address));
}

void showCheckFailures(UserMessages& messages, const QList<FetchError>& failures) {
    if (failures.isEmpty())
        return;
    // One failure reads exactly as the box of a single fetch does.
    if (failures.size() == 1) {
        showFetchFailure(messages, failures.first());
        return;
    }
    const int failed = int(failures.size());
    QString text = QCoreApplication::translate(
        "quillbox::FetchMessages",
        "%n threads could not be checked; the check went on with the others.", nullptr, failed);
    const qsizetype listed = std::min<qsizetype>(failures.size(), kFailuresListed);
    for (qsizetype i = 0; i < listed; ++i)
        text += QStringLiteral("\r\n\r\n") + shownAddress(failures[i].address) +
                QStringLiteral("\r\n") + fetchFailureText(failures[i]);
    if (failures.size() > listed)
        text += QStringLiteral("\r\n\r\n") +
                QCoreApplication::translate("quillbox::FetchMessages",
                                            //: Ends the list of threads whose check failed.
                                            "and %n more: each thread's row tells its reason.",
                                            nullptr, failed - int(listed));
    messages.showMessage(QCoreApplication::translate("quillbox::FetchMessages", "Error"), text,
                         MessageIcon::Exclamation);
}

QString fetchFailureReason(const FetchError& error) {
    if (!error.description.isEmpty())
        return error.description;
    //: A failed fetch that has no description: the error's number.
    return QCoreApplication::translate("quillbox::FetchMessages", "Error %1").arg(error.number);
}

bool acceptWebAddress(const QString& url, UserMessages& messages) {
    const FetchTargetResult parsed = parseFetchTarget(url);
    if (parsed.target)
        return true;
    showFetchStartError(messages, int(parsed.error), parsed.description, url);
    return false;
}

} // namespace quillbox
