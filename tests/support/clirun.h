#pragma once

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace mottler::test {

/// What one run of mottler-cli printed and returned (Status -1 when it crashed or hung).
struct CliResult {
    int Status = -1;
    QString Out;
    QString Err;
};

/// Runs mottler-cli to its end (at most a minute). A non-empty `home` becomes its data folder
/// (MOTTLER_HOME) and, when it exists, its working folder.
inline CliResult RunCli(const QStringList& args, const QString& home = QString()) {
    QProcess process;
    if (!home.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("MOTTLER_HOME", home);
        process.setProcessEnvironment(environment);
        if (QDir(home).exists())
            process.setWorkingDirectory(home);
    }
    process.start(MOTTLER_CLI_PATH, args);
    const bool finished = process.waitForFinished(60000);
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace mottler::test
