#include "cli/report.h"

#include <cstdio>

namespace mottler::cli {

void PrintLine(const QString& text) {
    std::fputs(qPrintable(text + '\n'), stdout);
}

void PrintNote(const QString& text) {
    std::fputs(qPrintable(text + '\n'), stderr);
}

void ReportError(const QString& message) {
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    PrintNote(QStringLiteral("mottler-cli: ") + text);
}

void ReportWarning(const QString& message) {
    ReportError(QStringLiteral("warning: ") + message);
}

QString EscapedForTerminal(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            escaped += QStringLiteral("\\x") +
                       QString::number(c.unicode(), 16).rightJustified(2, '0').toUpper();
        else
            escaped += c;
    }
    return escaped;
}

} // namespace mottler::cli
