#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace mottler::cli {

/// Exit statuses of the command-line tool.
enum ExitStatus { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

/// What the tool says when memory runs out (std::bad_alloc); the exit status is then 1.
inline constexpr const char* OutOfMemoryMessage = "mottler-cli: out of memory";

/// A command line that cannot be used; the message names the bad option.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

/// Walks the arguments of one command: long options "--name value" or "--name=value",
/// short options "-o value". Each option's value is taken by the typed readers below, which
/// throw UsageError naming the option when the value is missing, not a number or out of range.
class Arguments {
public:
    explicit Arguments(QStringList args) : items(std::move(args)) {}

    /// The next option name (e.g. "--seed"), or an empty string at the end.
    QString NextOption();
    QString Text();
    /// For options that take no value: "--progress=yes" is a usage error, not a silent yes.
    void NoValue() const;
    int Integer(qint64 min, qint64 max);
    double Real(double min, double max);
    /// One of the names (case-insensitive) or its index as a number; returns the index.
    int Choice(const QStringList& names);

    const QString& Option() const { return option; }

private:
    QStringList items;
    int position = 0;
    QString option;
    QString inlineValue;
    bool hasInlineValue = false;
};

} // namespace mottler::cli
