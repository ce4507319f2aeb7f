#include "preview/previewpage.h"

#include "base/errors.h"
#include "base/homepage.h"
#include "presets/datafolder.h"
#include "preview/backgroundimage.h"
#include "preview/bodyattributes.h"
#include "preview/fontnames.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace mottler {
namespace {

constexpr const char* LineEnd = "\r\n";

/// The whole file, refused when larger than MaxPreviewInputBytes. One byte beyond the limit
/// is read so an oversized pipe or device is refused as well.
QByteArray ReadInputFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw MottlerError(
            QCoreApplication::translate("mottler::PreviewPage", "Could not read \"%1\": %2.")
                .arg(path, file.errorString()));
    const QByteArray bytes = file.read(MaxPreviewInputBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw MottlerError(
            QCoreApplication::translate("mottler::PreviewPage", "Could not read \"%1\": %2.")
                .arg(path, file.errorString()));
    if (bytes.size() > MaxPreviewInputBytes)
        throw MottlerError(QCoreApplication::translate("mottler::PreviewPage",
                                                       "The file \"%1\" is too large (over 16 MB).")
                               .arg(path));
    return bytes;
}

QByteArray LoremIpsum() {
    const QString path = DataFile(LoremIpsumFileName);
    if (!QFileInfo(path).isFile())
        return (path + " was not found. It is supposed to contain the text of Lorem Ipsum")
            .toUtf8();
    return ReadInputFile(path);
}

QString DateAndTime(const QDateTime& now) {
    const QLocale locale = QLocale::system();
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), QLocale::LongFormat);
}

QByteArray DemonstrationPage(const PreviewSettings& settings, const QString& bodyText,
                             qint64 backgroundSize, const QDateTime& now) {
    const bool hasFont = !settings.FontName.isEmpty();
    QByteArray page;
    page += "<HTML>\r\n<HEAD>\r\n";
    page += "<META HTTP-EQUIV=\"PRAGMA\" CONTENT=\"NOCACHE\">\r\n";
    page += "<meta http-equiv=\"expires\" content=\"tue, 04 Dec 1993 21:29:02 GMT\">\r\n";
    page += "<TITLE>Mottler Demo Page</TITLE>\r\n</HEAD>\r\n";
    page += "<" + bodyText.toUtf8() + ">" + LineEnd;
    page += "<BASEFONT SIZE=4>";
    if (hasFont)
        page += "<FONT FACE=" + EscapedAttributeValue(PlainFontFamily(settings.FontName)).toUtf8() +
                ">" + LineEnd;
    page += "<CENTER><h1>Mottler</h1>\r\n<h2>A test document</h2>\r\n";
    page += "<p>You may also need to refresh this window (usually Ctrl-R) to make it reflect "
            "changes you made to the texture in Mottler.";
    page += "<p>This background is " + QByteArray::number(backgroundSize) +
            " bytes in size as a JPG file.";
    page += "</CENTER>\r\n<P>\r\n";
    page += "The &lt;BODY&gt; tag in this document looks like this :\r\n<P>\r\n";
    page += "<blockquote><font name=\"Courier\">" + bodyText.toUtf8() + "</font></blockquote>\r\n";
    page += "<p>If this is difficult to read you can use the contrast and brightness sliders to "
            "make it better.";
    page += "<hr width=50%>" + LoremIpsum() + "<hr width=50%>";
    page += DateAndTime(now).toUtf8() + "<p>This page was made by <A HREF=\"" +
            QByteArray(HomePageUrl) + "\">Mottler</A>, the maker of seamless tiling backgrounds." +
            LineEnd;
    if (hasFont)
        page += "</FONT>";
    page += "</BODY></HTML>";
    return page;
}

/// Every stretch from "<body" (any case) to the next ">" becomes the tag; an unclosed last
/// tag reaches to the end of the page.
QByteArray ReplaceBodyTags(const QByteArray& page, const QByteArray& tag) {
    const QByteArray lower = page.toLower();
    QByteArray result;
    qsizetype from = 0;
    for (qsizetype start = lower.indexOf("<body"); start >= 0;
         start = lower.indexOf("<body", from)) {
        const qsizetype end = lower.indexOf('>', start);
        result += page.mid(from, start - from) + tag;
        from = end < 0 ? page.size() : end + 1;
        // Each short tag grows by the whole new tag: a page of nothing but tags would
        // otherwise grow twenty times over.
        if (result.size() > MaxPreviewOutputBytes)
            throw MottlerError(
                QCoreApplication::translate("mottler::PreviewPage", TooManyBodyTagsMessage));
    }
    return result + page.mid(from);
}

QByteArray OwnPage(const QByteArray& page, QString bodyText, const QString& backgroundPath) {
    bodyText += " BACKGROUND=" + QuoteValue(LocalPathToUrl(backgroundPath));
    if (!page.toLower().contains("<body"))
        throw MottlerError(QCoreApplication::translate("mottler::PreviewPage", NoBodyTagMessage));
    return ReplaceBodyTags(page, "<" + bodyText.toUtf8() + ">");
}

} // namespace

bool UsesOwnPage(const PreviewSettings& settings) {
    return !settings.TestPage.isEmpty() && QFileInfo(settings.TestPage).isFile();
}

QByteArray BuildPreviewPage(const PreviewSettings& settings, const PreviewBackground& background,
                            const QDateTime& now) {
    const QString bodyText = "BODY" + BodyColourAttributes(settings.Colours);
    if (UsesOwnPage(settings)) {
        const QByteArray page = ReadInputFile(settings.TestPage);
        return OwnPage(page, bodyText, WriteBackgroundImage(background).Path);
    }
    const WrittenBackground written = WriteBackgroundImage(background);
    return DemonstrationPage(settings, bodyText + " BACKGROUND=" + QuoteValue(BackgroundFileName),
                             written.Size, now);
}

} // namespace mottler
