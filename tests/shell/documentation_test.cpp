// The documents around the program say what it does: every image format it writes, every
// command of mottler-cli and every program, and one licence notice everywhere.
#include "base/homepage.h"
#include "clirun.h"
#include "output/imagefile.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>

namespace mottler::test {
namespace {

QString Document(const QString& path) {
    QFile file(QStringLiteral(MOTTLER_DOCS_DIR "/") + path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    // Man pages write a hyphen as "\-".
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

bool Names(const QString& text, const QString& word) {
    return text.contains(QRegularExpression("\\b" + QRegularExpression::escape(word) + "\\b"));
}

/// Image formats by the name the documents use, with an extension that asks for each.
const std::map<QString, QString> KnownFormats{
    {"BMP", "bmp"},   {"PNG", "png"}, {"JPEG", "jpg"},   {"GIF", "gif"},   {"WebP", "webp"},
    {"TIFF", "tiff"}, {"TGA", "tga"}, {"ICO", "ico"},    {"AVIF", "avif"}, {"HEIC", "heic"},
    {"PPM", "ppm"},   {"XPM", "xpm"}, {"JPEG XL", "jxl"}};

TEST(Documentation, NamesEveryImageFormatTheProgramWritesAndNoOther) {
    QStringList written;
    for (const auto& [name, extension] : KnownFormats)
        if (ImageFormatOf("tile." + extension) != ImageFormat::Unknown)
            written << name;
    ASSERT_EQ(written.size(), 5) << written.join(", ").toStdString();
    const std::map<QString, QString> documents{
        {"the Save Tile help page", Document("resources/help/save-image.html")},
        {"the command-line help page", Document("resources/help/command-line.html")},
        {"mottler(1)", Document("resources/man/mottler.1")},
        {"mottler-cli(1)", Document("resources/man/mottler-cli.1")},
        {"the AppStream file", Document("resources/desktop/com.quorvex.Mottler.metainfo.xml")},
        {"the README", Document("README.md")},
        {"mottler-cli grow --help", RunCli({"grow", "--help"}).Out},
        {"mottler-cli border --help", RunCli({"border", "--help"}).Out},
    };
    QStringList differences;
    for (const auto& [where, text] : documents)
        for (const auto& [name, extension] : KnownFormats) {
            if (written.contains(name) && !Names(text, name))
                differences << where + " does not name " + name;
            if (!written.contains(name) && Names(text, name))
                differences << where + " names " + name + ", which the program does not write";
        }
    EXPECT_TRUE(differences.isEmpty()) << differences.join('\n').toStdString();
}

TEST(Documentation, DescribesEveryCommandAndProgram) {
    const QString help = RunCli({"--help"}).Out;
    static const QRegularExpression command(R"(^  ([a-z]+)\s)",
                                            QRegularExpression::MultilineOption);
    const QString list = help.section("Commands:\n", 1).section("\n\n", 0, 0);
    QStringList commands;
    for (auto it = command.globalMatch(list); it.hasNext();)
        commands << it.next().captured(1);
    ASSERT_GE(commands.size(), 6);
    const QString page = Document("resources/help/command-line.html");
    const QString readme = Document("README.md");
    for (const QString& name : commands) {
        EXPECT_TRUE(page.contains("<code>" + name + "</code>")) << name.toStdString();
        EXPECT_TRUE(readme.contains("mottler-cli " + name)) << name.toStdString();
    }
    const QString appstream = Document("resources/desktop/com.quorvex.Mottler.metainfo.xml");
    for (const char* program : {"mottler", "mottler-cli", "mottler-saver"})
        EXPECT_TRUE(appstream.contains(QStringLiteral("<binary>%1</binary>").arg(program)))
            << program;
}

// The About box and the demonstration page link to HomePageUrl; the AppStream file names it.
TEST(Documentation, TheAppStreamHomePageIsTheProgramsOwn) {
    EXPECT_TRUE(Document("resources/desktop/com.quorvex.Mottler.metainfo.xml")
                    .contains(QStringLiteral("<url type=\"homepage\">%1</url>").arg(HomePageUrl)));
}

TEST(Documentation, EveryLicenceNoticeSaysTheSame) {
    // Mottler's own code is MIT; the programs link libimagequant (GPL-3.0-or-later), so the
    // programs as distributed are under the GPL.
    const QString licence = Document("LICENSE");
    EXPECT_TRUE(licence.contains("MIT License") && licence.contains("GPL-3.0-or-later"));
    EXPECT_TRUE(Document("COPYING").contains(
        "GNU GENERAL PUBLIC LICENSE\n                       Version 3"));
    const QString readme = Document("README.md");
    EXPECT_TRUE(readme.contains("MIT") && readme.contains("GPL-3.0-or-later"));
    EXPECT_TRUE(Document("resources/desktop/com.quorvex.Mottler.metainfo.xml")
                    .contains("<project_license>MIT AND GPL-3.0-or-later</project_license>"));
    const QString copyright = Document("resources/debian/copyright");
    EXPECT_TRUE(copyright.contains("\nLicense: GPL-3+\n") &&
                copyright.contains("\nFiles: *\nCopyright: 2026 The Mottler developers\n"
                                   "License: Expat\n"));
}

} // namespace
} // namespace mottler::test
