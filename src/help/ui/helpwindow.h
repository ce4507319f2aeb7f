#pragma once

#include "help/helptopics.h"

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace mottler {

/// "Mottler Help": the manual, compiled into the program, in a plain browser with Back,
/// Forward and Contents. Links to other sites open in the desktop's web browser.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    /// Shows the topic's page, scrolled to its anchor.
    void ShowTopic(HelpContext context);
    /// The address on display ("qrc:/help/recording.html#record-to-file").
    QUrl Source() const;

    QTextBrowser* Browser() const { return browser; }

private:
    QTextBrowser* browser = nullptr;
    QToolButton* btnBack = nullptr;
    QToolButton* btnForward = nullptr;
};

} // namespace mottler
