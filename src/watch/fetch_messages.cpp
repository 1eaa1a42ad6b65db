#include "watch/fetch_messages.h"

#include "platform/user_messages.h"
#include "watch/fetch_target.h"
#include "watch/shown_address.h"

namespace quillbox {

void showFetchStartError(UserMessages& messages, int number, const QString& description,
                         const QString& url) {
    messages.showMessage(QStringLiteral("Error"),
                         QStringLiteral("An error has occurred.\r\nError #: ") +
                             QString::number(number) + QStringLiteral("\r\nDescription: ") +
                             description,
                         MessageIcon::Exclamation, shownAddress(url));
}

void showFetchError(UserMessages& messages, int number, const QString& description,
                    const QString& url) {
    messages.showMessage(QStringLiteral("Error"),
                         QStringLiteral("Error occurred.\r\nError #: ") + QString::number(number) +
                             QStringLiteral("\r\n") + description,
                         MessageIcon::Exclamation, shownAddress(url));
}

void showFetchFailure(UserMessages& messages, const FetchError& error) {
    if (error.stage == FetchError::Stage::Start)
        showFetchStartError(messages, error.number, error.description, error.address);
    else
        showFetchError(messages, error.number, error.description, error.address);
}

QString fetchFailureReason(const FetchError& error) {
    if (!error.description.isEmpty())
        return error.description;
    return QStringLiteral("Error ") + QString::number(error.number);
}

bool acceptWebAddress(const QString& url, UserMessages& messages) {
    const FetchTargetResult parsed = parseFetchTarget(url);
    if (parsed.target)
        return true;
    showFetchStartError(messages, int(parsed.error), parsed.description, url);
    return false;
}

} // namespace quillbox
