#include "app/recordframe.h"

#include "widgets/ui/numericedit.h"
#include "widgets/ui/toolicons.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace mottler {
namespace {

QPushButton* GlyphButton(const QIcon& glyph, const char* name, const QString& hint,
                         QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setIcon(glyph);
    button->setAccessibleName(hint);
    button->setToolTip(hint);
    button->setEnabled(false);
    return button;
}

QHBoxLayout* RecordRow(RecordFrame& f) {
    auto* row = new QHBoxLayout;
    f.chkRecord = new QCheckBox("&Record Every", f.fraRecord);
    f.chkRecord->setObjectName("chkRecord");
    f.chkRecord->setToolTip("Record the animation so you can review each frame afterwards");
    f.txtRecordMod = new NumericEdit(f.fraRecord);
    f.txtRecordMod->setObjectName("txtRecordMod");
    f.txtRecordMod->SetNumericOnly(true);
    f.txtRecordMod->setText("1");
    f.txtRecordMod->setEnabled(false);
    f.txtRecordMod->setToolTip("Record every 'n'th frame to save memory");
    f.txtRecordMod->setMaximumWidth(40);
    f.lblRecordingToFile = new QLabel("(Recording Directly To AVI File)", f.fraRecord);
    f.lblRecordingToFile->setObjectName("lblRecordingToFile");
    f.lblRecordingToFile->hide();
    row->addWidget(f.chkRecord);
    row->addWidget(f.txtRecordMod);
    row->addStretch();
    row->addWidget(f.lblRecordingToFile);
    return row;
}

QHBoxLayout* TrackbarRow(RecordFrame& f) {
    auto* row = new QHBoxLayout;
    f.lblFramesCaption = new QLabel("Frames", f.fraRecord);
    f.lblFramesCaption->setObjectName("lblFramesCaption");
    f.tbFrames = new QSlider(Qt::Horizontal, f.fraRecord);
    f.tbFrames->setObjectName("tbFrames");
    f.tbFrames->setRange(1, 1000);
    f.tbFrames->setValue(1);
    f.tbFrames->setPageStep(50);
    f.tbFrames->setTickInterval(50);
    f.tbFrames->setTickPosition(QSlider::NoTicks);
    f.tbFrames->setEnabled(false);
    f.lblFramesCaption->setBuddy(f.tbFrames);
    f.lblFrameCount = new QLabel(f.fraRecord);
    f.lblFrameCount->setObjectName("lblFrameCount");
    QFont bold = f.lblFrameCount->font();
    bold.setBold(true);
    f.lblFrameCount->setFont(bold);
    f.lblFrameCount->setMinimumWidth(40);
    row->addWidget(f.lblFramesCaption);
    row->addWidget(f.tbFrames, 1);
    row->addWidget(f.lblFrameCount);
    return row;
}

QHBoxLayout* ButtonsRow(RecordFrame& f) {
    auto* row = new QHBoxLayout;
    f.btnSaveRecording = GlyphButton(ToolIcon("document-save", QStyle::SP_DialogSaveButton),
                                     "btnSaveRecording", "Save recording", f.fraRecord);
    f.pnlVideo = new QFrame(f.fraRecord);
    f.pnlVideo->setObjectName("pnlVideo");
    auto* video = new QHBoxLayout(f.pnlVideo);
    video->setContentsMargins(0, 0, 0, 0);
    f.btnBack = GlyphButton(ToolIcon("media-skip-backward", QStyle::SP_MediaSkipBackward),
                            "btnBack", "Previous frame", f.pnlVideo);
    f.btnPlay = GlyphButton(ToolIcon("media-playback-start", QStyle::SP_MediaPlay), "btnPlay",
                            "Play", f.pnlVideo);
    f.btnStop = GlyphButton(ToolIcon("media-playback-stop", QStyle::SP_MediaStop), "btnStop",
                            "Stop", f.pnlVideo);
    f.btnForward = GlyphButton(ToolIcon("media-skip-forward", QStyle::SP_MediaSkipForward),
                               "btnForward", "Next frame", f.pnlVideo);
    for (QPushButton* button : {f.btnBack, f.btnPlay, f.btnStop, f.btnForward})
        video->addWidget(button);
    row->addWidget(f.btnSaveRecording);
    row->addStretch();
    row->addWidget(f.pnlVideo);
    return row;
}

} // namespace

RecordFrame BuildRecordFrame(QWidget* parent) {
    RecordFrame f;
    f.fraRecord = new QGroupBox(parent);
    f.fraRecord->setObjectName("fraRecord");
    auto* layout = new QVBoxLayout(f.fraRecord);
    layout->addLayout(RecordRow(f));
    layout->addLayout(TrackbarRow(f));
    layout->addLayout(ButtonsRow(f));
    f.tmrPlayback = new QTimer(f.fraRecord);
    f.tmrPlayback->setObjectName("tmrPlayback");
    f.tmrPlayback->setInterval(100);
    return f;
}

} // namespace mottler
