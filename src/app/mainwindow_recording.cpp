// Recorded frames: showing a frame from the trackbar, playback, the recording switches and the
// record-to-file options, and the recording controls' update at the end of a run.
#include "app/mainwindow.h"
#include "base/numbers.h"
#include "engine/tilepreview.h"
#include "engine/ui/texturepreview.h"
#include "output/ui/exportanimationdialog.h"
#include "output/ui/fullsizeview.h"
#include "recording/framebitmap.h"
#include "recording/recordstep.h"
#include "recording/ui/recordtofilewindow.h"
#include "widgets/ui/numericedit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace mottler {

void MainWindow::ConnectRecording() {
    const RecordFrame& r = recording;
    connect(r.tbFrames, &QSlider::valueChanged, this, [this] { tbFramesChange(); });
    connect(r.chkRecord, &QCheckBox::toggled, this, [this](bool checked) {
        document.Record = checked;
        chkRecordClick();
    });
    connect(r.txtRecordMod, &QLineEdit::textChanged, this,
            [this](const QString& text) { document.RecordEvery = IntValue(text); });
    connect(r.btnBack, &QPushButton::clicked, this, [this] { btnBackClick(); });
    connect(r.btnForward, &QPushButton::clicked, this, [this] { btnForwardClick(); });
    connect(r.btnPlay, &QPushButton::clicked, this, [this] { btnPlayClick(); });
    connect(r.btnStop, &QPushButton::clicked, this, [this] { btnStopClick(); });
    connect(r.tmrPlayback, &QTimer::timeout, this, [this] { tmrPlaybackTimer(); });
    connect(r.btnSaveRecording, &QPushButton::clicked, this, [this] { btnSaveRecordingClick(); });
    connect(pgControl, &QTabWidget::currentChanged, this, [this] { UpdateSaveRecordingButton(); });
}

bool MainWindow::RecordsToMemory() const {
    return document.Record && !frmRecordToFile->RecordsToFile();
}

bool MainWindow::RecordsToFile() const {
    return document.Record && frmRecordToFile->RecordsToFile();
}

int MainWindow::RecordEvery() const {
    return EffectiveRecordEvery(document.RecordEvery);
}

void MainWindow::tbFramesChange() {
    QSlider* bar = recording.tbFrames;
    int p = bar->value();
    if (frames.IsEmpty())
        return;
    if (p > frames.Count()) {
        p = frames.Count();
        const QSignalBlocker quiet(bar);
        bar->setValue(p);
    }
    if (p == lastShownFrame)
        return;
    lastShownFrame = p;
    ShowFrame(frames[p - 1]);
    if (frmTrueImage->isVisible())
        frmTrueImage->SetFrameNumber(p);
}

void MainWindow::ShowFrame(const Frame& frame) {
    ShowIteration(frame.Iteration);
    if (CopyFrameToDisplayField(frame, engine)) {
        RenderDisplayField();
        return;
    }
    // Recorded before the texture size changed: shown at its own size, read only within its
    // own block, while the display field and the texture bitmap keep the current size.
    const QImage bitmap = FrameToBitmap(frame, gradient.Colours);
    FollowInFullView(bitmap);
    preview.imgTexture->ShowTexture(bitmap, DesignPreviewSize, document.Settings.Tile);
}

void MainWindow::UpdateRecordingControls(int k) {
    const bool any = !frames.IsEmpty();
    for (QPushButton* button : {recording.btnSaveRecording, recording.btnBack, recording.btnPlay,
                                recording.btnStop, recording.btnForward})
        button->setEnabled(any);
    UpdateSaveRecordingButton();
    ShowIteration(k);
    if (!RecordsToMemory())
        return;
    const int count = frames.Count();
    recording.lblFrameCount->setText(QString::number(count));
    const int pageSize = static_cast<int>(std::nearbyint(count / 20.0)) + 2;
    QSlider* bar = recording.tbFrames;
    {
        const QSignalBlocker quiet(bar);
        bar->setMaximum(std::max(count, 1));
        bar->setPageStep(pageSize);
        bar->setTickInterval(2 * pageSize);
        bar->setValue(std::max(count, 1));
    }
    // The run has just put its own last state on display: show the last frame in its place.
    lastShownFrame = 0;
    tbFramesChange();
}

void MainWindow::UpdateSaveRecordingButton() {
    recording.btnSaveRecording->setEnabled(pgControl->currentWidget() == page.tbBackground &&
                                           RecordsToMemory() && !frames.IsEmpty());
}

void MainWindow::chkRecordClick() {
    const bool on = document.Record;
    const bool toFile = frmRecordToFile->RecordsToFile();
    recording.tbFrames->setEnabled(on && !toFile);
    recording.lblRecordingToFile->setVisible(on && toFile);
    recording.txtRecordMod->setEnabled(on);
    if (on)
        recording.txtRecordMod->setFocus();
    UpdateSaveRecordingButton();
}

void MainWindow::btnBackClick() {
    QSlider* bar = recording.tbFrames;
    bar->setValue(bar->value() == 1 ? bar->maximum() : bar->value() - 1);
    tbFramesChange();
}

void MainWindow::btnForwardClick() {
    QSlider* bar = recording.tbFrames;
    bar->setValue(bar->value() == bar->maximum() ? 1 : bar->value() + 1);
    tbFramesChange();
}

void MainWindow::btnPlayClick() {
    recording.tmrPlayback->start();
}

void MainWindow::btnStopClick() {
    recording.tmrPlayback->stop();
}

// Playback loops from the last frame back to the first until Stop is pressed.
void MainWindow::tmrPlaybackTimer() {
    if (frames.IsEmpty())
        return;
    QSlider* bar = recording.tbFrames;
    bar->setValue(bar->value() < bar->maximum() ? bar->value() + 1 : 1);
    tbFramesChange();
}

void MainWindow::btnSaveRecordingClick() {
    ExportAnimationDialog dialog(frames, gradient.Colours, this);
    dialog.exec();
}

void MainWindow::mnuFileSetRecordingOptionsClick() {
    frmRecordToFile->exec();
    chkRecordClick();
}

void MainWindow::ShowLastRecordedFrame() {
    if (!RecordsToMemory() || frames.IsEmpty())
        return;
    recording.tbFrames->setValue(frames.Count());
    tbFramesChange();
}

bool MainWindow::ShowRecordedAge(int tag) {
    const int n = RecordEvery();
    if (frames.IsEmpty() || static_cast<long long>(n) * frames.Count() < tag)
        return false;
    recording.tbFrames->setValue(tag / n);
    tbFramesChange();
    return true;
}

} // namespace mottler
