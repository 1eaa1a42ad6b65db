#include "support/test_folders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace quillbox::test {

TestFolders::TestFolders() {
    QStandardPaths::setTestModeEnabled(true);
    QDir(m_root.path()).mkpath(u"data"_s);
    QDir(m_root.path()).mkpath(u"settings"_s);
}

QString TestFolders::dataFolder() const {
    return m_root.filePath(u"data"_s);
}

QString TestFolders::settingsFolder() const {
    return m_root.filePath(u"settings"_s);
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
