#pragma once

// What the start-up benchmarks share: one timed start of a program that prints "shown <ms>
// splash <ms>" once its window is painted (QUILLBOX_EXIT_WHEN_SHOWN for Quillbox), and the
// median of the runs.

#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QString>
#include <algorithm>
#include <optional>

namespace quillbox::bench {

struct Timing {
    double wallMs = 0;   // process start to the "shown" line, measured here
    double splashMs = 0; // of it, the splash window's wait (Quillbox only)
    // Since main() began (Quillbox only): the window painted, and the lists' state on the lists.
    double shownMs = 0;
    double stateMs = -1;
};

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline std::optional<Timing> launch(const QString& program, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    if (!process.waitForStarted(30000))
        return std::nullopt;
    QByteArray out;
    while (!out.contains('\n')) {
        // Generous, so that a start that takes minutes is still measured.
        if (!process.waitForReadyRead(300000)) {
            process.kill();
            process.waitForFinished();
            return std::nullopt;
        }
        out += process.readAllStandardOutput();
    }
    Timing t;
    t.wallMs = double(clock.nsecsElapsed()) / 1e6;
    const QList<QByteArray> words = out.trimmed().split(' ');
    if (words.size() >= 2 && words[0] == "shown")
        t.shownMs = words[1].toDouble();
    if (words.size() >= 4 && words[2] == "splash")
        t.splashMs = words[3].toDouble();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
    }
    out += process.readAllStandardOutput();
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith("state "))
            t.stateMs = line.mid(6).trimmed().toDouble();
    }
    return t;
}

inline double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

} // namespace quillbox::bench
