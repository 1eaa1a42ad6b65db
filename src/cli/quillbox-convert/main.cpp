// quillbox-convert: converts a message into forum markup from the command line, with the same
// converter and the same link templates as the program's preview, copy and insert.

#include "compose/link_rules.h"
#include "compose/link_template.h"
#include "line_ends.h"
#include "store/app_settings.h"
#include "store/settings_store.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cstdio>
#include <optional>

using namespace quillbox;

namespace {

constexpr int exitOk = 0;
constexpr int exitOutputFailed = 1;
constexpr int exitUsage = 2;

QString programName() {
    return QStringLiteral("quillbox-convert");
}

void writeTo(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

int fail(const QString& message, int status = exitUsage) {
    writeTo(stderr, programName() + QStringLiteral(": ") + message + u'\n');
    return status;
}

int usageError(const QString& message) {
    return fail(message + QStringLiteral("\nTry '") + programName() +
                QStringLiteral(" --help' for more information."));
}

QString helpText(const QString& settingsFile) {
    return QStringLiteral(
               "Usage: quillbox-convert [options] [file]\n"
               "\n"
               "Converts a Quillbox message into forum markup, as the program does for preview,\n"
               "copy and insert: web addresses (http:// and https://) and e-mail addresses\n"
               "become links written with the link template of the chosen format; everything\n"
               "else passes through unchanged. The message is read from the file, or from\n"
               "standard input when no file (or \"-\") is given; the result goes to standard\n"
               "output. Input and output are UTF-8.\n"
               "\n"
               "Options:\n"
               "  --format NAME   convert with the link template named NAME (default \"text\":\n"
               "                  no conversion). The names are those of the program's format\n"
               "                  list; the templates are the user's own, read from\n"
               "                  ") +
           settingsFile +
           QStringLiteral(
               "\n"
               "  --list-formats  print the format names one a line, in the order of the\n"
               "                  program's format list, and exit\n"
               "  --whole-links   link whole addresses: a web address (http://, https:// or\n"
               "                  www.) keeps its whole path, query and fragment, e-mail\n"
               "                  addresses are linked wherever they stand, and punctuation\n"
               "                  after an address stays outside the link\n"
               "  --classic-links link addresses by the classic rules (a query is cut at its\n"
               "                  \"?\"; www. addresses are not linked). Without either option\n"
               "                  the rules are those chosen in the program's template editor\n"
               "                  (\"Link whole addresses\"), classic unless changed there\n"
               "  --raw           convert the characters exactly as given and print the result\n"
               "                  unchanged (see Line ends)\n"
               "  -h, --help      show this help and exit\n"
               "\n"
               "Line ends:\n"
               "  By default each line break of the input (LF, CR LF or a lone CR) is one line\n"
               "  break of the program's message editor and reaches the converter as CR LF,\n"
               "  exactly as in the program. In the output every line break is written as LF:\n"
               "  a CR LF, and also a lone LF or CR the conversion leaves (by the classic rules\n"
               "  an address that ends a line takes the CR into its link and leaves the LF).\n"
               "  With --raw, CR and LF reach the converter as they are in the input (so a\n"
               "  bare LF that ends an address disappears into the link), and the output is\n"
               "  written exactly as the converter returns it.\n"
               "\n"
               "Exit status:\n"
               "  0  success\n"
               "  1  the output could not be written\n"
               "  2  a usage error, an unknown format, or input that cannot be read or is\n"
               "     not UTF-8\n");
}

struct Input {
    QByteArray bytes;
    QString error;
};

Input readInput(const QString& fileName) {
    QFile file;
    bool opened = false;
    const bool fromStdin = fileName.isEmpty() || fileName == u"-";
    if (fromStdin) {
        opened = file.open(stdin, QIODevice::ReadOnly);
    } else {
        if (QFileInfo(fileName).isDir())
            return {{}, QStringLiteral("cannot read '%1': it is a folder").arg(fileName)};
        file.setFileName(fileName);
        opened = file.open(QIODevice::ReadOnly);
    }
    const QString what = fromStdin ? QStringLiteral("standard input") : u'\'' + fileName + u'\'';
    if (!opened)
        return {{}, QStringLiteral("cannot read %1: %2").arg(what, file.errorString())};
    Input input{file.readAll(), {}};
    if (file.error() != QFileDevice::NoError)
        input.error = QStringLiteral("cannot read %1: %2").arg(what, file.errorString());
    return input;
}

std::optional<QString> decodeUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

bool isKnownFormat(const QString& name, const TemplateSet& templates) {
    if (name == u"text")
        return true;
    for (const LinkTemplate& t : templates) {
        if (t.Name == name)
            return true;
    }
    return false;
}

bool writeOutput(const QString& text) {
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    return out.write(bytes) == bytes.size() && out.flush();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(programName());

    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption formatOption(QStringLiteral("format"), {}, QStringLiteral("NAME"));
    const QCommandLineOption listOption(QStringLiteral("list-formats"));
    const QCommandLineOption rawOption(QStringLiteral("raw"));
    const QCommandLineOption wholeLinksOption(QStringLiteral("whole-links"));
    const QCommandLineOption classicLinksOption(QStringLiteral("classic-links"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions(
        {formatOption, listOption, rawOption, wholeLinksOption, classicLinksOption, helpOption});
    parser.addPositionalArgument(QStringLiteral("file"), {});

    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.values(formatOption).size() > 1)
        return usageError(QStringLiteral("--format given more than once"));
    if (parser.isSet(wholeLinksOption) && parser.isSet(classicLinksOption))
        return usageError(QStringLiteral("--whole-links and --classic-links exclude each other"));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return usageError(QStringLiteral("only one input file may be given"));

    SettingsStore store;
    if (parser.isSet(helpOption)) {
        writeTo(stdout, helpText(store.fileName(settingsApplication())));
        return exitOk;
    }

    const TemplateSet templates = loadTemplates(store);
    const AppSettings settings(store);
    LinkRules rules =
        settings.get(keys::linkWholeAddresses) ? LinkRules::WholeAddresses : LinkRules::Classic;
    if (parser.isSet(wholeLinksOption))
        rules = LinkRules::WholeAddresses;
    else if (parser.isSet(classicLinksOption))
        rules = LinkRules::Classic;
    if (parser.isSet(listOption)) {
        if (!writeOutput(formatNames(templates).join(u'\n') + u'\n'))
            return fail(QStringLiteral("cannot write to standard output"), exitOutputFailed);
        return exitOk;
    }

    const QString format =
        parser.isSet(formatOption) ? parser.value(formatOption) : QStringLiteral("text");
    if (!isKnownFormat(format, templates)) {
        return fail(QStringLiteral("unknown format '%1'; the formats are: %2")
                        .arg(format, formatNames(templates).join(QStringLiteral(", "))));
    }

    const Input input = readInput(files.value(0));
    if (!input.error.isEmpty())
        return fail(input.error);
    const std::optional<QString> text = decodeUtf8(input.bytes);
    if (!text) {
        return fail(QStringLiteral("%1 is not UTF-8 text")
                        .arg(files.isEmpty() ? QStringLiteral("standard input")
                                             : u'\'' + files.first() + u'\''));
    }

    const bool raw = parser.isSet(rawOption);
    const QString message = raw ? *text : cli::toEditorLineBreaks(*text);
    const QString converted = convertMessage(message, format, templates, rules);
    if (!writeOutput(raw ? converted : cli::toPlatformLineEnds(converted)))
        return fail(QStringLiteral("cannot write to standard output"), exitOutputFailed);
    return exitOk;
}
