#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>
#include <vector>

namespace mottler::cli {

/// Exit statuses of the command-line tool; ExitInterrupted after Ctrl+C, SIGTERM or SIGHUP.
enum ExitStatus { ExitOk = 0, ExitFailed = 1, ExitUsage = 2, ExitInterrupted = 130 };

/// What the tool says when memory runs out (std::bad_alloc); the exit status is then 1.
inline constexpr const char* OutOfMemoryMessage = "out of memory";

/// A command line that cannot be used; the message names the bad option.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

/// --help or --version was given: the text goes to standard output, and nothing else is done.
class InformationRequest {
public:
    QString Text;
};

/// The options of one command for QCommandLineParser, each with its long name last. Every
/// command also takes -h, --help and --version.
using OptionTable = QList<QCommandLineOption>;

/// An option followed by a value ("--seed 5", "--seed=5", "-o file" or "-ofile").
QCommandLineOption ValueOption(const QStringList& names);
/// An option without a value ("--progress"); "--progress=yes" is a usage error.
QCommandLineOption FlagOption(const QStringList& names);

/// What went wrong in a failed QCommandLineParser::parse, in this tool's words: "unknown
/// option --x", "option --seed needs a value", "option --progress takes no value".
QString ParseErrorText(const QCommandLineParser& parser);

/// Adds -h, --help and --version to a parser.
void AddInformationOptions(QCommandLineParser& parser);
/// Throws InformationRequest with `help` or the version text when the parse found --help or
/// --version.
void AnswerInformationRequest(const QCommandLineParser& parser, const QString& help);

/// The text of --version.
QString VersionText();

/// Parses one command's arguments with QCommandLineParser (long options "--name value" or
/// "--name=value", short options "-o value" or "-ovalue", "--" ending the options) and then
/// walks the options in the order they were given. The typed readers throw UsageError naming
/// the option when its value is not a number or out of range.
class Arguments {
public:
    /// Throws UsageError for an unknown option, a missing or unexpected value or an argument
    /// that is not an option; InformationRequest with `help` or the version when asked for.
    Arguments(const QStringList& args, const OptionTable& options, const QString& help);

    /// The next option by its long name (e.g. "--seed"; "-o" gives "--output"), or an empty
    /// string at the end.
    QString NextOption();
    QString Text();
    /// A value that must not be empty, such as a file name.
    QString NonEmptyText();
    int Integer(qint64 min, qint64 max);
    double Real(double min, double max);
    /// One of the names (case-insensitive) or its index as a number; returns the index.
    int Choice(const QStringList& names);

    const QString& Option() const { return option; }
    /// The current option as arguments again ("--name" and its value, if it takes one), for
    /// a command that passes options it does not read itself on to another's parser.
    QStringList AsGiven() const;

private:
    struct Item {
        QString Option;
        std::optional<QString> Value;
    };
    std::vector<Item> items;
    std::size_t position = 0;
    QString option;
    std::optional<QString> value;
};

} // namespace mottler::cli
