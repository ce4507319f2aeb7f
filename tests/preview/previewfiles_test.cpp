#include "base/errors.h"
#include "engine/random.h"
#include "filebytes.h"
#include "presets/datafolder.h"
#include "preview/previewfiles.h"
#include "testenv.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mottler;
using test::ReadBytes;
using test::WriteBytes;

namespace {

PreviewBackground Background() {
    QImage image(8, 8, QImage::Format_BGR888);
    image.fill(Qt::darkCyan);
    return {image, BackgroundSource::Texture};
}

/// Settings that preview the user's own page, written into `site` first.
PreviewSettings OwnPage(const QTemporaryDir& site, const QString& name, const QByteArray& text) {
    PreviewSettings settings;
    settings.TestPage = site.filePath(name);
    WriteBytes(settings.TestPage, text);
    return settings;
}

QStringList PagesIn(const QString& folder) {
    return QDir(folder).entryList({"~*.htm"}, QDir::Files);
}

} // namespace

TEST(PreviewPageFiles, PreviewingTwiceRewritesTheSameFileAndCloseDeletesIt) {
    PreviewPageFiles files;
    PreviewSettings settings;
    const QString first = files.Preview(settings, Background());
    EXPECT_EQ(first, DataFile("~demo.htm"));
    settings.Colours.Text = PackRgb(1, 2, 3);
    EXPECT_EQ(files.Preview(settings, Background()), first);
    EXPECT_TRUE(ReadBytes(first).contains("TEXT=\"#010203\""));
    files.DeleteLastPreview();
    EXPECT_FALSE(QFileInfo::exists(first));
    EXPECT_TRUE(files.LastPreviewFile().isEmpty());
}

TEST(PreviewPageFiles, NewFilenamesDeleteThePreviousPageBeforeWritingTheNext) {
    QTemporaryDir site;
    PreviewSettings settings = OwnPage(site, "index.htm", "<body>hello</body>");
    PreviewPageFiles files;
    settings.UseNewFilename = true;
    SetRandomSeed(7);
    const std::uint32_t number = RandomInt(PreviewNumberCount);
    SetRandomSeed(7);
    const QString first = files.Preview(settings, Background());
    EXPECT_EQ(first, site.filePath(QStringLiteral("~motdemo%1.htm").arg(number)));
    const QString second = files.Preview(settings, Background());
    EXPECT_NE(second, first);
    EXPECT_EQ(PagesIn(site.path()), QStringList{QFileInfo(second).fileName()});
    EXPECT_EQ(ReadBytes(settings.TestPage), "<body>hello</body>");
}

TEST(PreviewPageFiles, ALinkPlantedAtThePreviewNameIsNotFollowed) {
    QTemporaryDir site, elsewhere;
    const PreviewSettings settings = OwnPage(site, "index.htm", "<body>hello</body>");
    const QString victim = elsewhere.filePath("victim.txt");
    WriteBytes(victim, "precious");
    ASSERT_TRUE(QFile::link(victim, site.filePath("~motdemo.htm")));
    PreviewPageFiles files;
    try {
        files.Preview(settings, Background());
        ADD_FAILURE() << "the page was written through the link";
    } catch (const MottlerError& error) {
        EXPECT_TRUE(error.Message().contains("symbolic link")) << error.Message().toStdString();
    }
    EXPECT_EQ(ReadBytes(victim), "precious");
}

TEST(PreviewPageFiles, RefusesToWriteOverTheUsersOwnPage) {
    QTemporaryDir site;
    const PreviewSettings settings = OwnPage(site, "~motdemo.htm", "<body>mine</body>");
    PreviewPageFiles files;
    EXPECT_THROW(files.Preview(settings, Background()), MottlerError);
    EXPECT_EQ(ReadBytes(settings.TestPage), "<body>mine</body>");
}
