#include "base/errors.h"
#include "base/homepage.h"
#include "errortext.h"
#include "filebytes.h"
#include "output/jpegfile.h"
#include "presets/datafolder.h"
#include "preview/backgroundimage.h"
#include "preview/bodyattributes.h"
#include "preview/previewpage.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace mottler;
using test::ReadBytes;
using test::WriteBytes;

namespace {

const PreviewColours DefaultColours{DefaultTextColour, DefaultLinkColour, DefaultVisitedLinkColour,
                                    DefaultActiveLinkColour};
const QDateTime Now(QDate(2026, 3, 14), QTime(15, 9, 26));

PreviewBackground Background(BackgroundSource source = BackgroundSource::Texture) {
    QImage image(16, 8, QImage::Format_BGR888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 16, y * 30, (x * y) % 256));
    return {image, source};
}

QByteArray DemoPage(const PreviewSettings& settings) {
    return BuildPreviewPage(settings, Background(), Now);
}

QByteArray BodyTagOf(const QByteArray& page) {
    const qsizetype start = page.indexOf("<BODY");
    return page.mid(start, page.indexOf('>', start) + 1 - start);
}

class PreviewPageTest : public testing::Test {
protected:
    void SetUp() override { WriteBytes(DataFile(LoremIpsumFileName), "Lorem <b>ipsum</b>\n"); }
    void TearDown() override { QFile::remove(DataFile(LoremIpsumFileName)); }

    QTemporaryDir site;
};

} // namespace

TEST_F(PreviewPageTest, DemonstrationPageWithTheDefaultColoursIsExact) {
    PreviewSettings settings;
    settings.Colours = DefaultColours;
    const QByteArray page = DemoPage(settings);
    const QByteArray body = "BODY TEXT=\"#000000\" LINK=\"#0000FF\" VLINK=\"#CC00CC\" "
                            "ALINK=\"#FF0000\" BACKGROUND=\"backgrnd.jpg\"";
    const QByteArray when = (QLocale::system().toString(Now.date(), QLocale::ShortFormat) + " " +
                             QLocale::system().toString(Now.time(), QLocale::LongFormat))
                                .toUtf8();
    const QByteArray size = QByteArray::number(QFileInfo(DataFile("backgrnd.jpg")).size());
    const QByteArray expected =
        "<HTML>\r\n<HEAD>\r\n<META HTTP-EQUIV=\"PRAGMA\" CONTENT=\"NOCACHE\">\r\n"
        "<meta http-equiv=\"expires\" content=\"tue, 04 Dec 1993 21:29:02 GMT\">\r\n"
        "<TITLE>Mottler Demo Page</TITLE>\r\n</HEAD>\r\n<" +
        body +
        ">\r\n<BASEFONT SIZE=4><CENTER><h1>Mottler</h1>\r\n<h2>A test document</h2>\r\n"
        "<p>You may also need to refresh this window (usually Ctrl-R) to make it reflect "
        "changes you made to the texture in Mottler.<p>This background is " +
        size +
        " bytes in size as a JPG file.</CENTER>\r\n<P>\r\nThe &lt;BODY&gt; tag in this "
        "document looks like this :\r\n<P>\r\n<blockquote><font name=\"Courier\">" +
        body +
        "</font></blockquote>\r\n<p>If this is difficult to read you can use the contrast and "
        "brightness sliders to make it better.<hr width=50%>Lorem <b>ipsum</b>\n<hr width=50%>" +
        when + "<p>This page was made by <A HREF=\"" + QByteArray(HomePageUrl) +
        "\">Mottler</A>, the maker of seamless tiling backgrounds.\r\n"
        "</BODY></HTML>";
    EXPECT_EQ(page, expected);
}

TEST_F(PreviewPageTest, TheBackgroundIsAJpegAtTheQualityOfItsSource) {
    const WrittenBackground texture = WriteBackgroundImage(Background(BackgroundSource::Texture));
    EXPECT_EQ(texture.Path, DataFile("backgrnd.jpg"));
    EXPECT_EQ(ReadBytes(texture.Path), EncodeJpeg(Background().Image, 95));
    const WrittenBackground strip =
        WriteBackgroundImage(Background(BackgroundSource::GradientStrip));
    EXPECT_EQ(ReadBytes(strip.Path), EncodeJpeg(Background().Image, 90));
    EXPECT_EQ(strip.Size, QFileInfo(strip.Path).size());
}

TEST_F(PreviewPageTest, AFontNameIsQuotedOnceAndClosedBeforeTheBodyEnds) {
    PreviewSettings settings;
    settings.FontName = "Times New Roman";
    const QByteArray page = DemoPage(settings);
    EXPECT_TRUE(page.contains("<BASEFONT SIZE=4><FONT FACE=\"Times New Roman\">\r\n<CENTER>"));
    EXPECT_TRUE(page.endsWith("</FONT></BODY></HTML>"));
    settings.FontName = "\"DejaVu Sans\"";
    EXPECT_TRUE(DemoPage(settings).contains("<FONT FACE=\"DejaVu Sans\">\r\n"));
    settings.FontName = "Nimbus Sans [urw]"; // a browser knows no foundry in brackets
    EXPECT_TRUE(DemoPage(settings).contains("<FONT FACE=\"Nimbus Sans\">\r\n"));
    // A quote inside a family name cannot end the attribute and add markup of its own.
    settings.FontName = "Evil\" onmouseover=\"alert(1)\"><script>x</script>";
    EXPECT_TRUE(DemoPage(settings).contains(
        "<FONT FACE=\"Evil&quot; "
        "onmouseover=&quot;alert(1)&quot;&gt;&lt;script&gt;x&lt;/script&gt;\">"));
    const QByteArray plain = DemoPage({}); // neither a font nor a colour
    EXPECT_FALSE(plain.contains("<FONT") || plain.contains("</FONT>"));
    EXPECT_EQ(BodyTagOf(plain), "<BODY BACKGROUND=\"backgrnd.jpg\">");
}

TEST_F(PreviewPageTest, AMissingLoremIpsumIsNamedInItsPlace) {
    QFile::remove(DataFile(LoremIpsumFileName));
    EXPECT_TRUE(DemoPage({}).contains(
        "<hr width=50%>" + DataFile("loremipsum.txt").toUtf8() +
        " was not found. It is supposed to contain the text of Lorem Ipsum<hr width=50%>"));
}

TEST_F(PreviewPageTest, EveryBodyTagOfTheUsersPageIsReplaced) {
    const QString path = site.filePath("index.htm");
    WriteBytes(path, "<html><Body onload=\"x()\" bgcolor=white>one</body>\n"
                     "<BODY>two</BODY>\xE9</html>");
    PreviewSettings settings;
    settings.TestPage = path;
    settings.Colours.Link = PackRgb(0x12, 0xAB, 0xEF);
    const QByteArray tag = "<BODY LINK=\"#12ABEF\" BACKGROUND=\"" +
                           QUrl::fromLocalFile(DataFile("backgrnd.jpg")).toEncoded() + "\">";
    EXPECT_EQ(BuildPreviewPage(settings, Background()),
              "<html>" + tag + "one</body>\n" + tag + "two</BODY>\xE9</html>");
}

TEST_F(PreviewPageTest, APageOfNothingButBodyTagsIsRefusedBeforeItGrowsBeyondBounds) {
    const QString path = site.filePath("tags.htm");
    QByteArray tags;
    for (int i = 0; i < 2'000'000; ++i)
        tags += "<body>";
    WriteBytes(path, tags);
    PreviewSettings settings;
    settings.TestPage = path;
    EXPECT_EQ(test::ErrorText([&] { BuildPreviewPage(settings, Background()); }),
              TooManyBodyTagsMessage);
}

TEST_F(PreviewPageTest, AnUnclosedBodyTagReachesToTheEnd) {
    const QString path = site.filePath("cut.htm");
    WriteBytes(path, "<html><body bgcolor=");
    PreviewSettings settings;
    settings.TestPage = path;
    const QByteArray page = BuildPreviewPage(settings, Background());
    EXPECT_TRUE(page.startsWith("<html><BODY BACKGROUND=\"file://"));
    EXPECT_TRUE(page.endsWith("backgrnd.jpg\">"));
}

TEST_F(PreviewPageTest, APageWithoutBodyTagWritesOnlyTheBackground) {
    const QString path = site.filePath("nobody.htm");
    WriteBytes(path, "<html><bod></html>");
    QFile::remove(DataFile("backgrnd.jpg"));
    PreviewSettings settings;
    settings.TestPage = path;
    try {
        BuildPreviewPage(settings, Background());
        FAIL() << "no error";
    } catch (const MottlerError& error) {
        EXPECT_EQ(error.Message(), "The Preview Page you have chosen does not contain a <BODY> "
                                   "tag.  Please choose another file, or edit that one to "
                                   "include a <BODY> tag.");
    }
    EXPECT_TRUE(QFileInfo::exists(DataFile("backgrnd.jpg")));
    EXPECT_EQ(QDir(site.path()).entryList(QDir::Files), QStringList{"nobody.htm"});
}

TEST(LocalPathToUrl, EncodesLinuxPathsAndKeepsTheDriveLetterForm) {
    EXPECT_EQ(LocalPathToUrl("/home/ann/My Site/a#b%c:d.jpg"),
              "file:///home/ann/My%20Site/a%23b%25c:d.jpg");
    EXPECT_EQ(LocalPathToUrl("C:\\web\\backgrnd.jpg"), "file:///C|/web/backgrnd.jpg");
}
