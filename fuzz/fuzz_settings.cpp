// The settings file: any content reads without harm and gives values the program can use, and
// every value the program stores reads back exactly, whatever characters it holds.
#include "compose/link_template.h"
#include "fuzz_check.h"
#include "store/app_settings.h"
#include "store/list_files.h"
#include "store/settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fuzzer/FuzzedDataProvider.h>

using namespace quillbox;

namespace {

QTemporaryDir& root() {
    static QTemporaryDir dir;
    return dir;
}

// A folder not used before, so nothing read earlier can answer for the file.
QString freshFolder() {
    static int count = 0;
    const QString folder = root().filePath(QString::number(++count));
    QDir().mkpath(folder);
    return folder;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void readAll(const QString& folder) {
    SettingsStore store(folder);
    AppSettings settings(store);
    settings.get(keys::lastSubject);
    settings.get(keys::lastMessage);
    settings.get(keys::showHelp);
    settings.get(keys::linkWholeAddresses);
    settings.get(keys::mainWindowGeometry);
    const TemplateSet templates = loadTemplates(settings);
    const int rows = int(formatNames(templates).size());
    FUZZ_CHECK(rows >= 1 && rows <= templateCount + 1);
    const int row = formatRowOf(settings.get(keys::lastConvert), rows);
    FUZZ_CHECK(row >= 0 && row < rows);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const int mode = data.ConsumeIntegralInRange(0, 2);
    if (mode == 0) {
        // A settings file as anyone may have left it.
        const std::string file = data.ConsumeRemainingBytesAsString();
        const QString folder = freshFolder();
        SettingsStore probe(folder);
        FUZZ_CHECK(writeFile(probe.fileName(settingsApplication()),
                             QByteArray(file.data(), qsizetype(file.size()))));
        readAll(folder);
        QDir(folder).removeRecursively();
        return 0;
    }
    const std::string text = data.ConsumeRemainingBytesAsString();
    const QString value = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (mode == 1) {
        // A size as sizes.txt may hold it: a size read is one that writes back as itself.
        if (const std::optional<qint64> size = parseSize(value)) {
            FUZZ_CHECK(*size >= 0);
            FUZZ_CHECK(parseSize(QString::number(*size)) == size);
        }
        formatRowOf(value, 9);
        return 0;
    }
    const QString folder = freshFolder();
    {
        SettingsStore store(folder);
        AppSettings settings(store);
        FUZZ_CHECK(settings.set(keys::lastMessage, value));
        FUZZ_CHECK(settings.set(keys::lastSubject, value));
        FUZZ_CHECK(settings.setTemplateField(QStringLiteral("cust01LinkOpen01"), value));
    }
    // Read back from a copy of the file at a path never read before.
    const QString copy = freshFolder();
    SettingsStore copyStore(copy);
    {
        QFile original(SettingsStore(folder).fileName(settingsApplication()));
        FUZZ_CHECK(original.open(QIODevice::ReadOnly));
        FUZZ_CHECK(writeFile(copyStore.fileName(settingsApplication()), original.readAll()));
    }
    AppSettings settings(copyStore);
    FUZZ_CHECK(settings.get(keys::lastMessage) == value);
    FUZZ_CHECK(settings.get(keys::lastSubject) == value);
    FUZZ_CHECK(settings.templateField(QStringLiteral("cust01LinkOpen01"), {}) == value);
    QDir(folder).removeRecursively();
    QDir(copy).removeRecursively();
    return 0;
}
