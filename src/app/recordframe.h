#pragma once

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class QWidget;

namespace mottler {

class NumericEdit;

/// The "Frames" group under the age thumbnails: the recording switch and its "every n", the
/// frame trackbar, the frame count and the playback buttons.
struct RecordFrame {
    QGroupBox* fraRecord = nullptr;
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
};

/// Creates the group with its captions, hints and start-up states (recording off, the
/// trackbar and the buttons disabled, the playback timer stopped).
RecordFrame BuildRecordFrame(QWidget* parent);

} // namespace mottler
