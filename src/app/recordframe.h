#pragma once

#include <QGroupBox>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;

namespace mottler {

class NumericEdit;
class TextureDocument;

/// The "Frames" group under the age thumbnails: the recording switch and its "every n", the
/// frame trackbar, the frame count and the playback buttons. It shows the document's
/// recording options, frames and playback, and changes them through the document.
class RecordFrame : public QGroupBox {
    Q_OBJECT
public:
    /// Creates the group with its captions, hints and start-up states (recording off, the
    /// trackbar and the buttons disabled, the playback timer stopped).
    explicit RecordFrame(QWidget* parent);

    /// Controls write the document; its signals update the controls.
    void Bind(TextureDocument& document);
    /// One step of the playback: the next frame, after the last the first.
    void tmrPlaybackTimer();

    QCheckBox* chkRecord = nullptr;
    NumericEdit* txtRecordMod = nullptr;
    QLabel* lblFramesCaption = nullptr;
    QLabel* lblRecordingToFile = nullptr;
    QSlider* tbFrames = nullptr;
    QLabel* lblFrameCount = nullptr;
    QPushButton* btnSaveRecording = nullptr;
    QFrame* pnlVideo = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnPlay = nullptr;
    QPushButton* btnStop = nullptr;
    QPushButton* btnForward = nullptr;
    QTimer* tmrPlayback = nullptr; ///< steps the playback every 100 ms while on

private:
    void tbFramesChange(int p);
    void btnSaveRecordingClick();
    void ShowRecording();
    void ShowFrames();
    void ShowFrameNumber(int p);

    TextureDocument* doc = nullptr;
};

} // namespace mottler
