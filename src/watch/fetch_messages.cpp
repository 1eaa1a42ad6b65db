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
                                       "An error has occurred.\r\nError #: ") +
           QString::number(number) +
           QCoreApplication::translate("quillbox::FetchMessages", "\r\nDescription: ") +
           description;
}

QString transferErrorText(int number, const QString& description) {
    return QCoreApplication::translate("quillbox::FetchMessages", "Error occurred.\r\nError #: ") +
           QString::number(number) + QStringLiteral("\r\n") + description;
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
    QString text =
        QString::number(failures.size()) +
        QCoreApplication::translate("quillbox::FetchMessages",
                                    " threads could not be checked; the check went on with the "
                                    "others.");
    const qsizetype listed = std::min<qsizetype>(failures.size(), kFailuresListed);
    for (qsizetype i = 0; i < listed; ++i)
        text += QStringLiteral("\r\n\r\n") + shownAddress(failures[i].address) +
                QStringLiteral("\r\n") + fetchFailureText(failures[i]);
    if (failures.size() > listed)
        text += QCoreApplication::translate("quillbox::FetchMessages", "\r\n\r\nand ") +
                QString::number(failures.size() - listed) +
                QCoreApplication::translate("quillbox::FetchMessages",
                                            " more: each thread's row tells its reason.");
    messages.showMessage(QCoreApplication::translate("quillbox::FetchMessages", "Error"), text,
                         MessageIcon::Exclamation);
}

QString fetchFailureReason(const FetchError& error) {
    if (!error.description.isEmpty())
        return error.description;
    return QCoreApplication::translate("quillbox::FetchMessages", "Error ") +
           QString::number(error.number);
}

bool acceptWebAddress(const QString& url, UserMessages& messages) {
    const FetchTargetResult parsed = parseFetchTarget(url);
    if (parsed.target)
        return true;
    showFetchStartError(messages, int(parsed.error), parsed.description, url);
    return false;
}

} // namespace quillbox
