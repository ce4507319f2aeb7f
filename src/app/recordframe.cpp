#include "app/recordframe.h"

#include "base/numbers.h"
#include "document/texturedocument.h"
#include "output/ui/exportanimationdialog.h"
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
#include <algorithm>
#include <cmath>

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
    f.chkRecord = new QCheckBox(RecordFrame::tr("&Record Every"), &f);
    f.chkRecord->setObjectName("chkRecord");
    f.chkRecord->setToolTip(
        RecordFrame::tr("Record the animation so you can review each frame afterwards"));
    f.txtRecordMod = new NumericEdit(&f);
    f.txtRecordMod->setObjectName("txtRecordMod");
    f.txtRecordMod->SetNumericOnly(true);
    f.txtRecordMod->setText("1");
    f.txtRecordMod->setEnabled(false);
    f.txtRecordMod->setToolTip(RecordFrame::tr("Record every 'n'th frame to save memory"));
    f.txtRecordMod->setMaximumWidth(40);
    f.txtRecordMod->setAccessibleName(RecordFrame::tr("Record every nth frame"));
    f.lblRecordingToFile = new QLabel(RecordFrame::tr("(Recording Directly To AVI File)"), &f);
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
    f.lblFramesCaption = new QLabel(RecordFrame::tr("Frames"), &f);
    f.lblFramesCaption->setObjectName("lblFramesCaption");
    f.tbFrames = new QSlider(Qt::Horizontal, &f);
    f.tbFrames->setObjectName("tbFrames");
    f.tbFrames->setRange(1, 1000);
    f.tbFrames->setValue(1);
    f.tbFrames->setPageStep(50);
    f.tbFrames->setTickInterval(50);
    f.tbFrames->setTickPosition(QSlider::NoTicks);
    f.tbFrames->setEnabled(false);
    f.lblFramesCaption->setBuddy(f.tbFrames);
    f.lblFrameCount = new QLabel(&f);
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
    f.btnSaveRecording =
        GlyphButton(AnimationIcon(), "btnSaveRecording", RecordFrame::tr("Save recording"), &f);
    f.pnlVideo = new QFrame(&f);
    f.pnlVideo->setObjectName("pnlVideo");
    auto* video = new QHBoxLayout(f.pnlVideo);
    video->setContentsMargins(0, 0, 0, 0);
    f.btnBack = GlyphButton(ToolIcon("media-skip-backward", QStyle::SP_MediaSkipBackward),
                            "btnBack", RecordFrame::tr("Previous frame"), f.pnlVideo);
    f.btnPlay = GlyphButton(ToolIcon("media-playback-start", QStyle::SP_MediaPlay), "btnPlay",
                            RecordFrame::tr("Play"), f.pnlVideo);
    f.btnStop = GlyphButton(ToolIcon("media-playback-stop", QStyle::SP_MediaStop), "btnStop",
                            RecordFrame::tr("Stop"), f.pnlVideo);
    f.btnForward = GlyphButton(ToolIcon("media-skip-forward", QStyle::SP_MediaSkipForward),
                               "btnForward", RecordFrame::tr("Next frame"), f.pnlVideo);
    for (QPushButton* button : {f.btnBack, f.btnPlay, f.btnStop, f.btnForward})
        video->addWidget(button);
    row->addWidget(f.btnSaveRecording);
    row->addStretch();
    row->addWidget(f.pnlVideo);
    return row;
}

} // namespace

RecordFrame::RecordFrame(QWidget* parent) : QGroupBox(parent) {
    setObjectName("fraRecord");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(RecordRow(*this));
    layout->addLayout(TrackbarRow(*this));
    layout->addLayout(ButtonsRow(*this));
    tmrPlayback = new QTimer(this);
    tmrPlayback->setObjectName("tmrPlayback");
    tmrPlayback->setInterval(100);
}

void RecordFrame::Bind(TextureDocument& document) {
    doc = &document;
    connect(chkRecord, &QCheckBox::toggled, this, [this](bool checked) {
        RecordSettings options = doc->Recording();
        options.Record = checked;
        doc->SetRecording(options);
        if (checked)
            txtRecordMod->setFocus();
    });
    connect(txtRecordMod, &QLineEdit::textChanged, this, [this](const QString& text) {
        RecordSettings options = doc->Recording();
        options.Every = IntValue(text);
        doc->SetRecording(options);
    });
    connect(tbFrames, &QSlider::valueChanged, this, [this](int p) { tbFramesChange(p); });
    connect(btnBack, &QPushButton::clicked, this, [this] { doc->StepFrame(-1); });
    connect(btnForward, &QPushButton::clicked, this, [this] { doc->StepFrame(1); });
    connect(btnPlay, &QPushButton::clicked, this, [this] { doc->SetPlaying(true); });
    connect(btnStop, &QPushButton::clicked, this, [this] { doc->SetPlaying(false); });
    connect(tmrPlayback, &QTimer::timeout, this, [this] { tmrPlaybackTimer(); });
    connect(btnSaveRecording, &QPushButton::clicked, this, [this] { btnSaveRecordingClick(); });

    connect(doc, &TextureDocument::RecordingChanged, this, [this] { ShowRecording(); });
    connect(doc, &TextureDocument::FramesChanged, this, [this] { ShowFrames(); });
    connect(doc, &TextureDocument::ShownFrameChanged, this, [this](int p) { ShowFrameNumber(p); });
    connect(doc, &TextureDocument::PlayingChanged, this, [this](bool playing) {
        if (playing)
            tmrPlayback->start();
        else
            tmrPlayback->stop();
    });
    ShowRecording();
}

// A position beyond the frames shows the last one.
void RecordFrame::tbFramesChange(int p) {
    if (doc->Frames.IsEmpty())
        return;
    doc->ShowFrame(p);
    ShowFrameNumber(doc->ShownFrame());
}

// Playback loops from the last frame back to the first until Stop is pressed.
void RecordFrame::tmrPlaybackTimer() {
    if (!doc->Frames.IsEmpty())
        doc->StepFrame(1);
}

void RecordFrame::btnSaveRecordingClick() {
    ExportAnimationDialog dialog(doc->Frames, doc->Gradient.Colours, window());
    dialog.exec();
}

void RecordFrame::ShowRecording() {
    const RecordSettings& options = doc->Recording();
    const QSignalBlocker quietSwitch(chkRecord);
    const QSignalBlocker quietBox(txtRecordMod);
    chkRecord->setChecked(options.Record);
    if (IntValue(txtRecordMod->text()) != options.Every)
        txtRecordMod->setText(QString::number(options.Every));
    tbFrames->setEnabled(options.RecordsToMemory());
    lblRecordingToFile->setVisible(options.RecordsToFile());
    txtRecordMod->setEnabled(options.Record);
    btnSaveRecording->setEnabled(doc->CanSaveRecording());
}

void RecordFrame::ShowFrames() {
    const bool any = !doc->Frames.IsEmpty();
    for (QPushButton* button : {btnBack, btnPlay, btnStop, btnForward})
        button->setEnabled(any);
    btnSaveRecording->setEnabled(doc->CanSaveRecording());
    if (!doc->Recording().RecordsToMemory())
        return;
    const int count = doc->Frames.Count();
    lblFrameCount->setText(any ? QString::number(count) : QString());
    const int pageSize = static_cast<int>(std::nearbyint(count / 20.0)) + 2;
    const QSignalBlocker quiet(tbFrames);
    tbFrames->setMaximum(std::max(count, 1));
    tbFrames->setPageStep(pageSize);
    tbFrames->setTickInterval(2 * pageSize);
}

void RecordFrame::ShowFrameNumber(int p) {
    const QSignalBlocker quiet(tbFrames);
    tbFrames->setValue(std::max(p, 1));
}

} // namespace mottler
