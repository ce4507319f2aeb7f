#include "help/helptopics.h"

#include <algorithm>

// The manual lives in a static library, whose resource registration the linker would drop
// unless something refers to it.
static void InitHelpResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)done;
}

namespace mottler {

const std::vector<HelpTopic>& HelpTopics() {
    static const std::vector<HelpTopic> topics{
        {HelpContext::Contents, "Contents", "index.html", ""},
        {HelpContext::MainWindow, "Main window", "main-window.html", ""},
        {HelpContext::Advanced, "Advanced Mottler Controls", "advanced.html", ""},
        {HelpContext::TextureSize, "Texture Size", "texture-size.html", ""},
        {HelpContext::FullSizeView, "Full-size view", "full-size-view.html", ""},
        {HelpContext::GradientMaker, "Gradient Settings", "gradient-maker.html", ""},
        {HelpContext::WebPreview, "Preview Settings", "web-preview.html", ""},
        {HelpContext::ColourPicker, "Color Picker", "colour-picker.html", ""},
        {HelpContext::ZoomHowToUse, "Zoom: How To Use", "colour-picker.html", "zoom"},
        {HelpContext::Presets, "Presets and texture packs", "presets.html", ""},
        {HelpContext::ColourGradient, "Colour gradient", "colour-gradient.html", ""},
        {HelpContext::RecordToFile, "Record To File", "recording.html", "record-to-file"},
        {HelpContext::ExportAnimation, "Export Animation", "animation-export.html", ""},
        {HelpContext::SaveImage, "Save Tile", "save-image.html", ""},
        {HelpContext::Explore, "Explore Variations", "explore.html", ""},
    };
    return topics;
}

const HelpTopic& HelpTopicOf(HelpContext context) {
    const auto& topics = HelpTopics();
    const auto found = std::find_if(topics.begin(), topics.end(),
                                    [context](const HelpTopic& t) { return t.Context == context; });
    return found != topics.end() ? *found : topics.front();
}

QString HelpResourceFolder() {
    InitHelpResources();
    return QStringLiteral(":/help");
}

QUrl HelpTopicUrl(HelpContext context) {
    const HelpTopic& topic = HelpTopicOf(context);
    QUrl url(QStringLiteral("qrc%1/%2").arg(HelpResourceFolder(), topic.Page));
    if (!topic.Anchor.isEmpty())
        url.setFragment(topic.Anchor);
    return url;
}

// Every page's title ends with the manual's name, which the window's own name replaces.
QString HelpWindowTitle(const QString& pageTitle) {
    static const QString manual = QStringLiteral("Mottler manual");
    QString page = pageTitle.trimmed();
    const QString suffix = QStringLiteral(" — ") + manual;
    if (page.endsWith(suffix))
        page.chop(suffix.size());
    if (page.isEmpty() || page == manual)
        page = QStringLiteral("Contents");
    return page + QStringLiteral(" — Mottler Help");
}

} // namespace mottler
