// Every text the windows show goes through Qt's translation: a string literal in the GUI code
// (src/app/, src/*/ui/) is either inside tr()/translate()/QT_TR_NOOP/QT_TRANSLATE_NOOP, or
// plainly not a text for people (an object name, an icon name, a resource path, no letters),
// or on the short list below of settings keys, file-format words and names.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

namespace mottler::test {
namespace {

/// Literals that are not for people although they look like text, by file and literal as
/// written in the source (its first line). "*" stands for every file.
const std::set<std::pair<QString, QString>> Untranslated{
    // The program's, the organisation's and the libraries' names.
    {"*", R"("Mottler")"},
    {"*", R"("Quorvex")"},
    {"aboutdialog.cpp", R"("libjpeg-turbo %1")"},
    {"aboutdialog.cpp", R"("libjpeg %1")"},
    {"aboutdialog.cpp", R"("Qt %1")"},
    {"aboutdialog.cpp", R"("giflib %1.%2.%3")"},
    {"aboutdialog.cpp", R"("libimagequant %1")"},
    {"applicationicon.cpp", R"("com.quorvex.Mottler")"},
    // The names of the translation files.
    {"translations.cpp", R"("mottler")"},
    {"translations.cpp", R"("qtbase")"},
    // An object name.
    {"exportanimationdialog_layout.cpp", R"("img")"},
    // mottler --help and --version answer on the terminal, in English like mottler-cli.
    {"main.cpp", R"("--help")"},
    {"main.cpp", R"("-h")"},
    {"main.cpp", R"("--version")"},
    {"main.cpp", R"("mottler %s\n")"},
    {"main.cpp", "R\"(Usage: mottler [Qt options]"}, // its first line
    // Settings keys and values.
    {"texturecommands.cpp", R"("Open Image Dir")"},
    {"exportanimationdialog.cpp", R"("Export/")"},
    {"exportanimationdialog.cpp", R"("As GIF")"},
    {"exportanimationdialog.cpp", R"("As AVI")"},
    {"exportanimationdialog.cpp", R"("As BMP")"},
    {"exportanimationdialog.cpp", R"("Transparent")"},
    {"exportanimationdialog.cpp", R"("Tran Colour")"},
    {"exportanimationdialog.cpp", R"("All")"},
    {"exportanimationdialog.cpp", R"("Between")"},
    {"exportanimationdialog.cpp", R"("Start Frame")"},
    {"exportanimationdialog.cpp", R"("End Frame")"},
    {"exportanimationdialog.cpp", R"("Skip")"},
    {"exportanimationdialog.cpp", R"("Ping Pong")"},
    {"exportanimationdialog.cpp", R"("As WebM")"},
    {"exportanimationdialog.cpp", R"("As MP4")"},
    {"exportanimationdialog.cpp", R"("As WebP")"},
    {"exportanimationdialog.cpp", R"("Lossless")"},
    {"exportanimationdialog.cpp", R"("Quality")"},
    {"exportanimationdialog.cpp", R"("Frame Rate")"},
    {"exportanimationdialog_save.cpp", R"("Export Dir")"},
    {"colourpickerdialog.cpp", R"("Fade")"},
    {"colourpickerdialog.cpp", R"("Last Scheme")"},
    {"colourpickerdialog.cpp", R"("InitialDir")"},
    {"colourpickerdialog.cpp", R"("Last File")"},
    {"colourpickerdialog.cpp", R"(" Arrow Key Movement")"},
    {"colourpickerdialog.cpp", R"("Show ")"},
    {"colourpickerdialog_palette.cpp", R"("Last File")"},
    {"colourpickerdialog_palette.cpp", R"("InitialDir")"},
    {"colourpickerdialog_palette.cpp", R"("Show ")"},
    {"colourpickerdialog_schemes.cpp", R"("Last Scheme")"},
    {"zoomwindow.cpp", R"("Form Positions/Color Picker Zoom")"},
    {"zoomwindow.cpp", R"("Top")"},
    {"zoomwindow.cpp", R"("Left")"},
    {"zoomwindow.cpp", R"("Width")"},
    {"zoomwindow.cpp", R"("Height")"},
    {"zoomwindow.cpp", R"("Window State")"},
    {"zoomwindow.cpp", R"("Max")"},
    {"zoomwindow.cpp", R"("Min")"},
    {"zoomwindow.cpp", R"("Normal")"},
    {"previewsettingspage.cpp", R"("\\Software\\Quorvex\\Mottler")"},
    {"previewsettingspage.cpp", R"("Preview Page")"},
    {"recordtofilewindow.cpp", R"("\\Software\\Quorvex\\Mottler")"},
    {"recordtofilewindow.cpp", R"("AVI Path")"},
    // File extensions, patterns and platform names.
    {"*", R"("avi")"},
    {"*", R"("bmp")"},
    {"*", R"("gif")"},
    {"*", R"("pal")"},
    {"*", R"("act")"},
    {"*", R"("htm")"},
    {"*", R"("png")"},
    {"*", R"(".png")"},
    {"colourpickerdialog_palette.cpp", R"("*.pal")"},
    {"colourpickerdialog_palette.cpp", R"("*.gif")"},
    {"colourpickerdialog_palette.cpp", R"("*.act")"},
    {"recordtofilewindow.cpp", R"("*.avi|*.avi")"},
    {"screengrab.cpp", R"("wayland")"},
    {"screengrab.cpp", R"("offscreen")"},
    {"screengrab.cpp", R"("minimal")"},
    {"colourpickerdialog.cpp", R"("0123456789ABCDEFabcdef")"},
    {"trianglemarker.cpp", R"("Arial")"},
    // A programming error's message, never shown to users of a working program.
    {"numericedit.cpp",
     R"("TQuorEdit Internal Error : WriteToRegistry called ""while sRegPath was blank !")"},
};

/// A string literal of the source (adjacent literals joined as written, without the space
/// between them) and what precedes it on its line and the lines before.
struct Literal {
    QString Text;
    QString Before;
    qsizetype Line;
};

qsizetype SkipQuoted(const QString& source, qsizetype i, QChar quote) {
    for (++i; i < source.size() && source[i] != quote; ++i)
        if (source[i] == '\\')
            ++i;
    return i + 1;
}

/// The literals outside comments, character literals and #include lines.
std::vector<Literal> Literals(const QString& source) {
    std::vector<Literal> found;
    qsizetype i = 0;
    qsizetype lastEnd = -1;
    while (i < source.size()) {
        const QStringView rest = QStringView(source).mid(i);
        if (rest.startsWith(u"//") || rest.startsWith(u"#include")) {
            i = source.indexOf('\n', i);
            if (i < 0)
                break;
        } else if (rest.startsWith(u"/*")) {
            i = source.indexOf(u"*/", i) + 2;
        } else if (source[i] == '\'' && i > 0 && source[i - 1].isDigit()) {
            ++i; // a digit separator (10'000)
        } else if (source[i] == '\'') {
            i = SkipQuoted(source, i, '\'');
        } else if (source[i] == '"' || rest.startsWith(u"R\"(")) {
            const bool raw = source[i] == 'R';
            const qsizetype end = raw ? source.indexOf(u")\"", i) + 2 : SkipQuoted(source, i, '"');
            const QString text = source.mid(i, end - i);
            if (lastEnd >= 0 && source.mid(lastEnd, i - lastEnd).trimmed().isEmpty())
                found.back().Text += text;
            else
                found.push_back(
                    {text, source.mid(std::max<qsizetype>(0, i - 120), std::min<qsizetype>(i, 120)),
                     source.left(i).count('\n') + 1});
            lastEnd = end;
            i = end;
        } else {
            ++i;
        }
    }
    return found;
}

bool IsTranslated(const Literal& literal) {
    static const QRegularExpression call(
        R"re((\btr|\btranslate|QT_TR_NOOP|QT_TRANSLATE_NOOP)\(\s*("[^"]*"\s*,\s*)?$)re");
    return call.match(literal.Before).hasMatch();
}

// Object names ("txtRandomSeed", "imgAge%1", "Label21"), icon names ("document-open"),
// resource paths and texts without a letter (printf formats such as "%.2f" included) are not
// texts for people.
bool IsNotForPeople(const Literal& literal) {
    static const QRegularExpression objectName(
        R"re(^"([a-z]{1,5}[A-Z][\w%]*|[A-Z][A-Za-z]+[0-9]+|[a-z]+(-[a-z]+)+|:/[^"]*)"$)re");
    static const QRegularExpression escapes(R"(\\(u[0-9a-fA-F]{4}|.)|%[-+#0-9.]*[a-zA-Z])");
    static const QRegularExpression letter("[A-Za-z]");
    if (objectName.match(literal.Text).hasMatch())
        return true;
    if (!QString(literal.Text).remove(escapes).contains(letter))
        return true;
    static const QRegularExpression nameCall(
        R"((setObjectName|findChild<[^>]*>|findChildren<[^>]*>)\(\s*$)");
    return nameCall.match(literal.Before).hasMatch();
}

QStringList GuiSourceFiles() {
    const QDir src(QStringLiteral(MOTTLER_DOCS_DIR "/src"));
    QStringList files;
    QDirIterator it(src.path(), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = src.relativeFilePath(it.next());
        if (path.startsWith("app/") || path.contains("/ui/"))
            files << path;
    }
    return files;
}

QString Read(const QString& path) {
    QFile file(QStringLiteral(MOTTLER_DOCS_DIR "/src/") + path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

TEST(TextTranslation, EveryTextOfTheWindowsGoesThroughTranslation) {
    const QStringList files = GuiSourceFiles();
    ASSERT_GT(files.size(), 50);
    QStringList escaped;
    for (const QString& path : files) {
        const QString name = path.section('/', -1);
        for (const Literal& literal : Literals(Read(path))) {
            const QString firstLine = literal.Text.section('\n', 0, 0);
            if (IsTranslated(literal) || IsNotForPeople(literal) ||
                Untranslated.contains({"*", firstLine}) || Untranslated.contains({name, firstLine}))
                continue;
            escaped << QStringLiteral("%1:%2: %3").arg(path).arg(literal.Line).arg(literal.Text);
        }
    }
    EXPECT_TRUE(escaped.isEmpty()) << "Texts outside tr():\n" << escaped.join('\n').toStdString();
}

// The scan itself: what it takes for a text, and what it lets pass.
TEST(TextTranslation, TellsTextsFromNamesKeysAndTranslatedLiterals) {
    const std::vector<Literal> literals = Literals(QStringLiteral(
        "// \"In a comment\"\n"
        "setObjectName(\"Some Name\"); x('\"'); button->setText(\"Se&ave\");\n"
        "label->setText(tr(\"Width\")); QCoreApplication::translate(\"Ctx\", \"Height\");\n"
        "tr(\"Cut\", \"verb\"); const char* k = QT_TR_NOOP(\"Key\");\n"
        "ShowMessage(this, \"Two \" \"parts\"); new QLabel(\"txtSeed\"); Icon(\"edit-copy\");\n"
        "SetText(\"%1 / %2\"); Label(\"\\u21b6\"); asprintf(\"%.2f\"); Size(\"%1 x %2\");\n"));
    std::vector<QString> texts;
    for (const Literal& literal : literals)
        if (!IsTranslated(literal) && !IsNotForPeople(literal))
            texts.push_back(literal.Text);
    EXPECT_EQ(texts, (std::vector<QString>{R"("Se&ave")", R"("Two ""parts")", R"("%1 x %2")"}));
}

} // namespace
} // namespace mottler::test
