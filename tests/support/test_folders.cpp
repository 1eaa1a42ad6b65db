#include "support/test_folders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace quillbox::test {

TestFolders::TestFolders() {
    QStandardPaths::setTestModeEnabled(true);
    QDir(m_root.path()).mkpath(QStringLiteral("data"));
    QDir(m_root.path()).mkpath(QStringLiteral("settings"));
}

QString TestFolders::dataFolder() const {
    return m_root.filePath(QStringLiteral("data"));
}

QString TestFolders::settingsFolder() const {
    return m_root.filePath(QStringLiteral("settings"));
}

QString TestFolders::path(const QString& fileName) const {
    return dataFolder() + u'/' + fileName;
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size() && f.flush();
}

} // namespace quillbox::test
