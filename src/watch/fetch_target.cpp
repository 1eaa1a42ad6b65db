#include "watch/fetch_target.h"

#include <QCoreApplication>
#include <QUrl>
#include <algorithm>

namespace quillbox {

namespace {

FetchTargetResult refuse(FetchStartError error, const QString& description) {
    FetchTargetResult result;
    result.error = error;
    result.description = description;
    return result;
}

bool isRefusedCharacter(QChar c) {
    const char16_t u = c.unicode();
    return u <= 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F) || c.isSpace() ||
           c.category() == QChar::Other_Format;
}

// The request line carries bytes, not characters: anything beyond ASCII goes as UTF-8 in
// percent form, everything else exactly as written.
QByteArray requestTarget(QStringView path) {
    QByteArray out;
    out.reserve(path.size());
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        if (c.unicode() < 0x80) {
            out.append(char(c.unicode()));
            continue;
        }
        qsizetype n = (c.isHighSurrogate() && i + 1 < path.size()) ? 2 : 1;
        out.append(path.mid(i, n).toUtf8().toPercentEncoding());
        i += n - 1;
    }
    return out;
}

QString notOnTheWeb(QStringView scheme) {
    return QCoreApplication::translate(
               "quillbox::FetchTarget",
               "Only pages on the web, at http:// and https:// addresses, can be "
               "used; this address starts with ") +
           scheme.toString() + QStringLiteral(":.");
}

bool isSchemeCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
           u == u'+' || u == u'-' || u == u'.';
}

// The scheme of an address written as "name:…" without "//" (qrc:/start.html, about:blank,
// data:…), or nothing. "forum.example:8080" is a host with its port, not a scheme.
QStringView schemeWithoutSlashes(QStringView authority) {
    const qsizetype colon = authority.indexOf(u':');
    if (colon <= 0 || !authority.front().isLetter() || authority.front().unicode() >= 0x80)
        return {};
    const QStringView scheme = authority.first(colon);
    if (!std::all_of(scheme.begin(), scheme.end(), isSchemeCharacter))
        return {};
    const QStringView after = authority.sliced(colon + 1);
    const bool port = !after.isEmpty() &&
                      std::all_of(after.begin(), after.end(), [](QChar c) { return c.isDigit(); });
    return port ? QStringView() : scheme;
}

} // namespace

QByteArray FetchTarget::request(const QByteArray& cookieHeader, const QByteArray& ifNoneMatch,
                                const QByteArray& ifModifiedSince) const {
    QByteArray out = QByteArrayLiteral("GET ") + path + QByteArrayLiteral(" HTTP/1.1\r\nHost: ") +
                     hostHeader + QByteArrayLiteral("\r\nConnection: close\r\nAccept: */*\r\n");
    // A line break inside a value would let it add headers of its own: such a value is dropped
    // whole rather than cut.
    const auto field = [&out](QByteArrayView name, const QByteArray& value) {
        const bool clean = std::none_of(value.begin(), value.end(),
                                        [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
        if (!value.isEmpty() && clean)
            out += name.toByteArray() + QByteArrayLiteral(": ") + value + QByteArrayLiteral("\r\n");
    };
    field("Cookie", cookieHeader);
    field("If-None-Match", ifNoneMatch);
    field("If-Modified-Since", ifModifiedSince);
    return out + QByteArrayLiteral("\r\n");
}

FetchTargetResult parseFetchTarget(const QString& url) {
    if (url.isEmpty())
        return refuse(
            FetchStartError::NoHost,
            QCoreApplication::translate("quillbox::FetchTarget", "The address is empty."));
    for (QChar c : url) {
        if (isRefusedCharacter(c))
            return refuse(
                FetchStartError::BadCharacter,
                QCoreApplication::translate("quillbox::FetchTarget",
                                            "The address contains a space or a control character "
                                            "and cannot be requested."));
    }

    FetchTarget target;
    QStringView rest(url);
    const qsizetype schemeEnd = rest.indexOf(u"://");
    const qsizetype firstDelimiter = [&] {
        for (qsizetype i = 0; i < rest.size(); ++i) {
            if (rest[i] == u'/' || rest[i] == u'?' || rest[i] == u'#')
                return i;
        }
        return rest.size();
    }();
    if (schemeEnd >= 0 && schemeEnd < firstDelimiter) {
        const QStringView scheme = rest.first(schemeEnd);
        if (scheme.compare(u"http", Qt::CaseInsensitive) == 0) {
            target.port = 80;
        } else if (scheme.compare(u"https", Qt::CaseInsensitive) == 0) {
            target.tls = true;
            target.port = 443;
        } else {
            return refuse(FetchStartError::UnsupportedScheme, notOnTheWeb(scheme));
        }
        rest = rest.sliced(schemeEnd + 3);
    } else if (const QStringView scheme = schemeWithoutSlashes(rest.first(firstDelimiter));
               !scheme.isEmpty()) {
        // qrc:/, about:, data:, mailto: and the like name no page on the web.
        if (scheme.compare(u"http", Qt::CaseInsensitive) == 0 ||
            scheme.compare(u"https", Qt::CaseInsensitive) == 0)
            return refuse(FetchStartError::NoHost,
                          QCoreApplication::translate("quillbox::FetchTarget",
                                                      "The address has no usable host name."));
        return refuse(FetchStartError::UnsupportedScheme, notOnTheWeb(scheme));
    }

    // The host ends where the path, the query or the fragment begins.
    qsizetype hostEnd = rest.size();
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (rest[i] == u'/' || rest[i] == u'?' || rest[i] == u'#') {
            hostEnd = i;
            break;
        }
    }
    QStringView authority = rest.first(hostEnd);
    QStringView path = rest.sliced(hostEnd);
    if (const qsizetype hash = path.indexOf(u'#'); hash >= 0)
        path = path.first(hash);
    // Credentials written into an address are never sent.
    if (const qsizetype at = authority.lastIndexOf(u'@'); at >= 0)
        authority = authority.sliced(at + 1);

    QStringView hostText = authority;
    QStringView portText;
    bool hasPort = false;
    if (authority.startsWith(u'[')) {
        const qsizetype close = authority.indexOf(u']');
        if (close < 0)
            return refuse(FetchStartError::NoHost,
                          QCoreApplication::translate("quillbox::FetchTarget",
                                                      "The address has no usable host name."));
        hostText = authority.sliced(1, close - 1);
        const QStringView after = authority.sliced(close + 1);
        if (!after.isEmpty()) {
            if (!after.startsWith(u':'))
                return refuse(FetchStartError::NoHost,
                              QCoreApplication::translate("quillbox::FetchTarget",
                                                          "The address has no usable host name."));
            hasPort = true;
            portText = after.sliced(1);
        }
    } else if (const qsizetype colon = authority.lastIndexOf(u':'); colon >= 0) {
        hostText = authority.first(colon);
        hasPort = true;
        portText = authority.sliced(colon + 1);
    }
    if (hasPort && !portText.isEmpty()) {
        bool ok = false;
        const uint port = portText.toUInt(&ok);
        const bool digitsOnly =
            std::all_of(portText.begin(), portText.end(), [](QChar c) { return c.isDigit(); });
        if (!ok || !digitsOnly || port == 0 || port > 65535)
            return refuse(
                FetchStartError::BadPort,
                QCoreApplication::translate("quillbox::FetchTarget",
                                            "The port in the address is not a number from 1 to "
                                            "65535."));
        target.port = quint16(port);
    }

    if (hostText.isEmpty())
        return refuse(FetchStartError::NoHost,
                      QCoreApplication::translate("quillbox::FetchTarget",
                                                  "The address has no usable host name."));
    const bool ascii =
        std::all_of(hostText.begin(), hostText.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        target.host = hostText.toString();
        target.hostHeader = authority.toLatin1();
    } else {
        // A name beyond ASCII is looked up and sent in its ASCII-compatible form.
        const QByteArray aceHost = QUrl::toAce(hostText.toString());
        if (aceHost.isEmpty())
            return refuse(FetchStartError::NoHost,
                          QCoreApplication::translate("quillbox::FetchTarget",
                                                      "The address has no usable host name."));
        target.host = QString::fromLatin1(aceHost);
        target.hostHeader =
            aceHost + (hasPort ? QByteArray(":") + portText.toLatin1() : QByteArray());
    }
    target.path =
        path.isEmpty() || path.startsWith(u'?') ? "/" + requestTarget(path) : requestTarget(path);

    FetchTargetResult result;
    result.target = target;
    return result;
}

} // namespace quillbox
