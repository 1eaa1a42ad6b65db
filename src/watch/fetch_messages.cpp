#include "watch/fetch_messages.h"

#include "platform/user_messages.h"
#include "watch/fetch_target.h"

namespace quillbox {

namespace {

bool isUnprintable(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F) ||
           c.category() == QChar::Other_Format || c.category() == QChar::Separator_Line ||
           c.category() == QChar::Separator_Paragraph;
}

} // namespace

QString printableAddress(const QString& url) {
    QString out;
    out.reserve(url.size());
    for (QChar c : url) {
        if (!isUnprintable(c)) {
            out.append(c);
            continue;
        }
        for (char byte : QString(c).toUtf8())
            out += u'%' + QString::number(uchar(byte), 16).toUpper().rightJustified(2, u'0');
    }
    return out;
}

void showFetchStartError(UserMessages& messages, int number, const QString& description,
                         const QString& url) {
    messages.showMessage(QStringLiteral("Error"),
                         QStringLiteral("An error has occurred.\r\nError #: ") +
                             QString::number(number) + QStringLiteral("\r\nDescription: ") +
                             description,
                         MessageIcon::Exclamation, printableAddress(url));
}

void showFetchError(UserMessages& messages, int number, const QString& description,
                    const QString& url) {
    messages.showMessage(QStringLiteral("Error"),
                         QStringLiteral("Error occurred.\r\nError #: ") + QString::number(number) +
                             QStringLiteral("\r\n") + description,
                         MessageIcon::Exclamation, printableAddress(url));
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
