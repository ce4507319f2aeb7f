#pragma once

#include <QString>
#include <QUrl>
#include <vector>

namespace mottler {

/// The help contexts: which page of the manual a window's Help button and F1 open. The
/// record-to-file options, animation export and save windows carry the numbers 12, 13 and
/// 14; the other windows have numbers of their own.
enum class HelpContext {
    Contents = 0,
    MainWindow = 1,
    Advanced = 2,
    TextureSize = 3,
    FullSizeView = 4,
    GradientMaker = 5,
    WebPreview = 6,
    ColourPicker = 7,
    ZoomHowToUse = 8,
    Presets = 9,
    ColourGradient = 10,
    RecordToFile = 12,
    ExportAnimation = 13,
    SaveImage = 14,
    Explore = 15,
};

/// One entry of the help map: a context, a short name, and its page and anchor in the
/// manual (the anchor empty for the top of the page).
struct HelpTopic {
    HelpContext Context;
    QString Name;
    QString Page;
    QString Anchor;
};

/// Every help context with its page, in the order of the enumeration.
const std::vector<HelpTopic>& HelpTopics();

/// The topic of a context.
const HelpTopic& HelpTopicOf(HelpContext context);

/// The manual's resource folder (":/help"), and the address of a topic inside it
/// ("qrc:/help/recording.html#record-to-file").
QString HelpResourceFolder();
QUrl HelpTopicUrl(HelpContext context);

/// The help window's title for a page whose HTML title is `pageTitle`: the page's own name
/// and the window's ("The main window — Mottler Help"; the contents page is "Contents").
QString HelpWindowTitle(const QString& pageTitle);

} // namespace mottler
