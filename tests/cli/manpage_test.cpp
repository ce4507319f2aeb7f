// The manual page of mottler-cli stays in step with its --help texts. When a command or
// option is added, describe it in resources/man/mottler-cli.1 (under the command's .SS
// heading; the program's own options under .SH OPTIONS); this test lists what is missing.
#include "clirun.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <map>

namespace mottler::test {
namespace {

// Long options anywhere in a text, short ones (-o) standing alone.
QSet<QString> Options(const QString& text) {
    static const QRegularExpression option(R"((?<![\w-])(--[a-z][a-z0-9-]*|-[a-zA-Z])(?![\w-]))");
    QSet<QString> found;
    for (QRegularExpressionMatchIterator it = option.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured(1));
    found.remove("--help"); // every command takes these
    found.remove("-h");
    found.remove("--version");
    return found;
}

QStringList Commands(const QString& mainHelp) {
    const QString list = mainHelp.section("Commands:\n", 1).section("\n\n", 0, 0);
    QStringList commands;
    static const QRegularExpression command(R"(^  ([a-z][a-z-]*)\s)",
                                            QRegularExpression::MultilineOption);
    for (QRegularExpressionMatchIterator it = command.globalMatch(list); it.hasNext();)
        commands << it.next().captured(1);
    return commands;
}

// The man page's text per command (its .SS section), with "" for the OPTIONS section.
std::map<QString, QString> ManSections() {
    QFile file(MOTTLER_MAN_DIR "/mottler-cli.1");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QString page = QString::fromUtf8(file.readAll());
    page.replace(R"(\-)", "-").replace(R"(\fB)", " ").replace(R"(\fI)", " ").replace(R"(\fR)", " ");
    std::map<QString, QString> sections;
    QString current = "#"; // text before OPTIONS, not compared
    for (const QString& line : page.split('\n')) {
        if (line.startsWith(".SH"))
            current = line == ".SH OPTIONS" ? QString() : QStringLiteral("#");
        else if (line.startsWith(".SS "))
            current = line.mid(4).remove('"').trimmed();
        else
            sections[current] += line + '\n';
    }
    return sections;
}

void Compare(const QString& where, const QSet<QString>& help, const QSet<QString>& man,
             QStringList& differences) {
    for (const QString& option : help - man)
        differences << where + option + " is in --help but not in the man page";
    for (const QString& option : man - help)
        differences << where + option + " is in the man page but not in --help";
}

TEST(ManPage, DescribesEveryCommandAndOptionOfHelpAndNoOthers) {
    const CliResult main = RunCli({"--help"});
    ASSERT_EQ(main.Status, 0);
    std::map<QString, QString> sections = ManSections();
    QStringList differences;
    Compare("mottler-cli: ", Options(main.Out.section("Options:", 1)), Options(sections[""]),
            differences);
    const QStringList commands = Commands(main.Out);
    ASSERT_FALSE(commands.isEmpty());
    for (const QString& command : commands) {
        if (sections.count(command) == 0) {
            differences << command + ": the command has no section in the man page";
            continue;
        }
        const CliResult help = RunCli({command, "--help"});
        EXPECT_EQ(help.Status, 0) << command.toStdString();
        Compare(command + ": ", Options(help.Out), Options(sections[command]), differences);
    }
    for (const auto& [name, text] : sections)
        if (!name.isEmpty() && name != "#" && !commands.contains(name))
            differences << name + ": the man page describes a command --help does not list";
    differences.sort();
    EXPECT_TRUE(differences.isEmpty()) << differences.join('\n').toStdString();
}

} // namespace
} // namespace mottler::test
