// The help-topic map and the manual's links.
#include "help/helptopics.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace mottler::test {
namespace {

QString PageText(const QString& page) {
    QFile file(HelpResourceFolder() + '/' + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QSet<QString> Captures(const QString& text, const QString& pattern) {
    QSet<QString> found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured(1));
    return found;
}

QSet<QString> Anchors(const QString& page) {
    return Captures(PageText(page), R"re((?:\bid|\bname)="([^"]+)")re");
}

QStringList ManualPages() {
    return QDir(HelpResourceFolder()).entryList({"*.html"}, QDir::Files);
}

// A link's target is "page#anchor", "#anchor" or "page"; empty when it resolves.
QString BrokenTarget(const QString& fromPage, const QString& link) {
    const QString page = link.section('#', 0, 0).isEmpty() ? fromPage : link.section('#', 0, 0);
    const QString anchor = link.section('#', 1);
    if (!QFile::exists(HelpResourceFolder() + '/' + page))
        return page;
    if (!anchor.isEmpty() && !Anchors(page).contains(anchor))
        return page + '#' + anchor;
    return {};
}

TEST(HelpTopics, EveryContextHasAPageWithItsAnchor) {
    QSet<int> contexts;
    for (const HelpTopic& topic : HelpTopics()) {
        SCOPED_TRACE(topic.Name.toStdString());
        EXPECT_FALSE(contexts.contains(static_cast<int>(topic.Context)));
        contexts.insert(static_cast<int>(topic.Context));
        EXPECT_TRUE(BrokenTarget(topic.Page, topic.Page + '#' + topic.Anchor).isEmpty());
        EXPECT_EQ(HelpTopicOf(topic.Context).Page, topic.Page);
    }
    // The numbers the record-to-file, export and save windows' Help buttons carry.
    EXPECT_EQ(HelpTopicUrl(HelpContext::RecordToFile).toString(),
              "qrc:/help/recording.html#record-to-file");
    EXPECT_EQ(HelpTopicOf(static_cast<HelpContext>(13)).Page, "animation-export.html");
    EXPECT_EQ(HelpTopicOf(static_cast<HelpContext>(14)).Page, "save-image.html");
    EXPECT_EQ(HelpTopicUrl(HelpContext::ZoomHowToUse).fragment(), "zoom");
}

TEST(HelpTopics, EveryLinkAndPictureInTheManualResolvesAndEveryPageIsLinked) {
    const QStringList pages = ManualPages();
    ASSERT_GE(pages.size(), 15);
    QSet<QString> linked{"index.html"};
    for (const QString& page : pages) {
        const QString text = PageText(page);
        EXPECT_TRUE(text.contains("<title>")) << page.toStdString();
        // Links, and the pictures a page shows, which must be in the resources beside it.
        for (const QString& link : Captures(text, R"re(\b(?:href|src)="([^"]+)")re")) {
            if (link.contains(':'))
                continue; // another site, opened in the desktop's browser
            EXPECT_EQ(BrokenTarget(page, link), "") << "in " << page.toStdString();
            linked.insert(link.section('#', 0, 0));
        }
    }
    for (const QString& page : pages)
        EXPECT_TRUE(linked.contains(page)) << page.toStdString() << " is linked from no page";
}

TEST(HelpTopics, TheWindowTitleNamesThePageOnce) {
    EXPECT_EQ(HelpWindowTitle("The main window — Mottler manual"),
              "The main window — Mottler Help");
    EXPECT_EQ(HelpWindowTitle("Mottler manual — Mottler manual"), "Contents — Mottler Help");
    EXPECT_EQ(HelpWindowTitle(""), "Contents — Mottler Help");
    EXPECT_EQ(HelpWindowTitle("Another page"), "Another page — Mottler Help");
}

} // namespace
} // namespace mottler::test
