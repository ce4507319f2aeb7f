#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace mottler {

/// The full-size view: an always-on-top window that tiles a picture at its true size from its
/// top-left corner, as a browser tiles a page background, and says in its caption how many
/// whole tiles fit. Created hidden at start-up; Escape, a left click and the close box hide
/// it again, it is never destroyed before the program ends.
class FullSizeView : public QWidget {
    Q_OBJECT
public:
    /// `textureTypeIndex` reads the texture type: above 0 the caption offers the initial
    /// picture on a right click.
    FullSizeView(QWidget* parent, std::function<int()> textureTypeIndex);

    /// Takes a copy of the picture, shows it with the recorded frame it is (0: none) and
    /// forgets the initial-picture state. Only the first showing sizes the window (to two
    /// tiles each way, within the screen).
    void ShowFullSize(const QImage& picture, int frame = 0);
    /// The recorded frame on show (0: none).
    void SetFrameNumber(int number);
    int FrameNumber() const { return frameNumber; }
    const QImage& Picture() const { return picture; }
    /// Whether the initial picture is on show instead of the texture.
    bool ShowsInitial() const { return showsInitial; }
    void SetShowsInitial(bool on) { showsInitial = on; }

Q_SIGNALS:
    /// A right click while the texture type has an initial picture.
    void RightClicked();
    /// The window was hidden.
    void Hidden();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void UpdateCaption();
    void FitTwoTiles();

    std::function<int()> textureTypeIndex;
    QImage picture;
    int frameNumber = 0;
    bool showsInitial = false;
    bool shownBefore = false;
};

} // namespace mottler
