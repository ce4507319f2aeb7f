#include "cli/arguments.h"

#include <QCommandLineParser>
#include <QHash>
#include <QRegularExpression>
#include <cmath>

namespace mottler::cli {
namespace {

/// "--name" for a long name, "-n" for a one-letter one.
QString Dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

void AddInformationOptions(QCommandLineParser& parser) {
    parser.addOption(FlagOption({"h", "help"}));
    parser.addOption(FlagOption({"version"}));
}

void AnswerInformationRequest(const QCommandLineParser& parser, const QString& help) {
    if (parser.isSet(QStringLiteral("help")))
        throw InformationRequest{help};
    if (parser.isSet(QStringLiteral("version")))
        throw InformationRequest{VersionText()};
}

QString ParseErrorText(const QCommandLineParser& parser) {
    if (!parser.unknownOptionNames().isEmpty())
        return QStringLiteral("unknown option %1").arg(Dashed(parser.unknownOptionNames().front()));
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.+)'\\.$"));
    static const QRegularExpression unexpected(
        QStringLiteral("^Unexpected value after '(.+)'\\.$"));
    const QString text = parser.errorText();
    if (const QRegularExpressionMatch m = missing.match(text); m.hasMatch())
        return QStringLiteral("option %1 needs a value").arg(m.captured(1));
    if (const QRegularExpressionMatch m = unexpected.match(text); m.hasMatch())
        return QStringLiteral("option %1 takes no value").arg(m.captured(1));
    return text;
}

QCommandLineOption ValueOption(const QStringList& names) {
    return QCommandLineOption(names, QString(), QStringLiteral("value"));
}

QCommandLineOption FlagOption(const QStringList& names) {
    return QCommandLineOption(names);
}

QString VersionText() {
    return QStringLiteral("mottler-cli %1\n").arg(QLatin1String(MOTTLER_VERSION));
}

Arguments::Arguments(const QStringList& args, const OptionTable& options, const QString& help) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.addOptions(options);
    AddInformationOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("mottler-cli")} + args))
        throw UsageError(ParseErrorText(parser));
    AnswerInformationRequest(parser, help);
    if (!parser.positionalArguments().isEmpty())
        throw UsageError(
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().front()));
    // The parser keeps each option's values apart; the walk needs them in the given order.
    QHash<QString, qsizetype> optionOf;
    for (qsizetype i = 0; i < options.size(); ++i)
        for (const QString& name : options[i].names())
            optionOf.insert(name, i);
    QHash<qsizetype, qsizetype> taken;
    for (const QString& name : parser.optionNames()) {
        const QCommandLineOption& given = options[optionOf.value(name)];
        // Named by its long name, whichever name was typed: "-o" walks as "--output".
        Item item{QStringLiteral("--") + given.names().last(), std::nullopt};
        if (!given.valueName().isEmpty())
            item.Value = parser.values(given).at(taken[optionOf.value(name)]++);
        items.push_back(item);
    }
}

QString Arguments::NextOption() {
    if (position >= items.size())
        return {};
    option = items[position].Option;
    value = items[position].Value;
    ++position;
    return option;
}

QStringList Arguments::AsGiven() const {
    return value ? QStringList{option, *value} : QStringList{option};
}

QString Arguments::Text() {
    return value.value_or(QString());
}

QString Arguments::NonEmptyText() {
    QString text = Text();
    if (text.isEmpty())
        throw UsageError(QStringLiteral("option %1 needs a value that is not empty").arg(option));
    return text;
}

int Arguments::Integer(qint64 min, qint64 max) {
    const QString text = Text();
    bool ok = false;
    const qint64 number = text.toLongLong(&ok, 10);
    if (!ok)
        throw UsageError(
            QStringLiteral("option %1: \"%2\" is not a whole number").arg(option, text));
    if (number < min || number > max)
        throw UsageError(
            QStringLiteral("option %1: %2 is outside %3 … %4").arg(option, text).arg(min).arg(max));
    return static_cast<int>(number);
}

double Arguments::Real(double min, double max) {
    const QString text = Text();
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        throw UsageError(QStringLiteral("option %1: \"%2\" is not a number").arg(option, text));
    if (number < min || number > max)
        throw UsageError(QStringLiteral("option %1: %2 is out of range").arg(option, text));
    return number;
}

int Arguments::Choice(const QStringList& names) {
    const QString text = Text();
    for (int i = 0; i < names.size(); ++i)
        if (text.compare(names[i], Qt::CaseInsensitive) == 0 || text == QString::number(i))
            return i;
    throw UsageError(QStringLiteral("option %1: \"%2\" is not one of %3 (or 0 … %4)")
                         .arg(option, text, names.join(", "))
                         .arg(names.size() - 1));
}

} // namespace mottler::cli
