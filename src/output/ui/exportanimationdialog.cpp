// The Export Animation window: its stored options, the rules between the options, and the
// looping preview of the frame sequence.
#include "output/ui/exportanimationdialog.h"

#include "base/usersettings.h"
#include "help/ui/showhelp.h"
#include "picker/ui/colourdropdown.h"
#include "recording/exportbitmap.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace mottler {
namespace {

QString Stored(const char* name) {
    return QStringLiteral("Export/") + QString::fromLatin1(name);
}

void LoadBool(QAbstractButton* button, const char* name, bool fallback) {
    button->setChecked(UserSettings::ReadBool(Stored(name), fallback));
}

void SaveBool(const QAbstractButton* button, const char* name) {
    UserSettings::WriteBool(Stored(name), button->isChecked());
}

/// Runs `handler` when the button becomes checked, by the user or by the program.
void OnChecked(QAbstractButton* button, std::function<void()> handler) {
    QObject::connect(button, &QAbstractButton::toggled, button, [handler](bool checked) {
        if (checked)
            handler();
    });
}

} // namespace

ExportAnimationDialog::ExportAnimationDialog(const FrameList& frameList, const Palette& colours,
                                             QWidget* parent)
    : QDialog(parent), frames(frameList), palette(colours) {
    BuildControls();
    Connect();
    FormCreate();
}

void ExportAnimationDialog::Connect() {
    const auto rebuild = [this] { UpdateFrameRange(); };
    OnChecked(rbAll, [this] {
        txtStart->setEnabled(false);
        txtEnd->setEnabled(false);
        UpdateFrameRange();
    });
    OnChecked(rbBetween, [this] {
        txtStart->setEnabled(true);
        txtEnd->setEnabled(true);
        UpdateFrameRange();
    });
    for (NumericEdit* box : {txtStart, txtEnd, txtSkip, txtBlendFrameCount})
        connect(box, &QLineEdit::textChanged, this, rebuild);
    connect(chkLooping, &QCheckBox::toggled, this, [this] { chkLoopingClick(); });
    OnChecked(rbPingPong, [this] {
        txtBlendFrameCount->setEnabled(false);
        UpdateFrameRange();
    });
    OnChecked(rbBlendFrames, [this] {
        txtBlendFrameCount->setEnabled(chkLooping->isChecked());
        UpdateFrameRange();
    });
    for (QRadioButton* format : FormatButtons())
        OnChecked(format, [this] { rbSaveGIFClick(); });
    connect(chkLossless, &QCheckBox::toggled, this, [this] { rbSaveGIFClick(); });
    connect(chkTransparent, &QCheckBox::toggled, this, [this] { rbSaveGIFClick(); });
    connect(tmrShow, &QTimer::timeout, this, [this] { tmrShowTimer(); });
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnHelp, &QPushButton::clicked, this,
            [] { ShowHelpTopic(HelpContext::ExportAnimation); });
}

void ExportAnimationDialog::FormCreate() {
    loading = true;
    LoadSettings();
    rbSaveGIFClick();
    loading = false;
    txtEnd->SetMax(frames.Count());
    txtEnd->setText(QString::number(frames.Count()));
    chkLoopingClick();
}

void ExportAnimationDialog::LoadSettings() {
    LoadBool(rbSaveGIF, "As GIF", true);
    LoadBool(rbSaveAVI, "As AVI", false);
    LoadBool(rbSaveBMP, "As BMP", false);
    LoadBool(rbSaveWebM, "As WebM", false);
    LoadBool(rbSaveMP4, "As MP4", false);
    LoadBool(rbSaveWebP, "As WebP", false);
    LoadBool(chkLossless, "Lossless", false);
    spQuality->setValue(UserSettings::ReadInt(Stored("Quality"), 80));
    spFrameRate->setValue(UserSettings::ReadInt(Stored("Frame Rate"), 10));
    LoadBool(chkTransparent, "Transparent", false);
    scpTransparentColour->SetText(UserSettings::ReadString(Stored("Tran Colour")));
    LoadBool(rbAll, "All", true);
    LoadBool(rbBetween, "Between", false);
    txtStart->setText(UserSettings::ReadString(Stored("Start Frame"), "1"));
    txtSkip->setText(UserSettings::ReadString(Stored("Skip")));
    // Only ping-pong is stored: stored off, no loop style is chosen until the user picks one.
    LoadBool(rbPingPong, "Ping Pong", false);
}

void ExportAnimationDialog::SaveSettings() const {
    SaveBool(rbSaveGIF, "As GIF");
    SaveBool(rbSaveAVI, "As AVI");
    SaveBool(rbSaveBMP, "As BMP");
    SaveBool(rbSaveWebM, "As WebM");
    SaveBool(rbSaveMP4, "As MP4");
    SaveBool(rbSaveWebP, "As WebP");
    SaveBool(chkLossless, "Lossless");
    UserSettings::WriteInt(Stored("Quality"), spQuality->value());
    UserSettings::WriteInt(Stored("Frame Rate"), spFrameRate->value());
    SaveBool(chkTransparent, "Transparent");
    UserSettings::WriteString(Stored("Tran Colour"), scpTransparentColour->Text());
    SaveBool(rbAll, "All");
    SaveBool(rbBetween, "Between");
    UserSettings::WriteString(Stored("Start Frame"), txtStart->text());
    UserSettings::WriteString(Stored("End Frame"), txtEnd->text());
    UserSettings::WriteString(Stored("Skip"), txtSkip->text());
    SaveBool(rbPingPong, "Ping Pong");
}

ExportOptions ExportAnimationDialog::Options() const {
    ExportOptions options;
    options.Range = rbBetween->isChecked() ? FrameRange::Between : FrameRange::All;
    options.StartText = txtStart->text();
    options.EndText = txtEnd->text();
    options.SkipText = txtSkip->text();
    // Looping without a chosen style plays the sequence once, as without looping.
    options.Looping =
        chkLooping->isChecked() && (rbPingPong->isChecked() || rbBlendFrames->isChecked());
    options.Loop = rbBlendFrames->isChecked() ? LoopStyle::BlendFrames : LoopStyle::PingPong;
    options.BlendCountText = txtBlendFrameCount->text();
    options.Format = rbSaveAVI->isChecked()    ? AnimationFormat::Avi
                     : rbSaveBMP->isChecked()  ? AnimationFormat::Bmp
                     : rbSaveWebM->isChecked() ? AnimationFormat::WebM
                     : rbSaveMP4->isChecked()  ? AnimationFormat::Mp4
                     : rbSaveWebP->isChecked() ? AnimationFormat::WebP
                                               : AnimationFormat::Gif;
    options.Quality = spQuality->value();
    options.Lossless = chkLossless->isChecked();
    options.FramesPerSecond = spFrameRate->value();
    // A box without a colour makes nothing transparent.
    options.Transparent =
        chkTransparent->isChecked() && !scpTransparentColour->HtmlCode().isEmpty();
    options.TransparentColour = scpTransparentColour->Colour();
    return options;
}

// Every change of range, step or looping rebuilds the sequence and restarts the preview from
// its first entry.
void ExportAnimationDialog::UpdateFrameRange() {
    if (loading)
        return;
    previewPosition = 0;
    sequence = BuildFrameSequence(Options(), frames.Count());
    lblLength->setText(tr("%1 Frames").arg(sequence.size()));
    if (sequence.empty()) {
        tmrShow->stop();
        return;
    }
    tmrShowTimer(); // the new sequence's first entry at once, not a quarter second later
    tmrShow->start();
}

void ExportAnimationDialog::rbSaveGIFClick() {
    const bool gif = rbSaveGIF->isChecked();
    chkTransparent->setEnabled(gif);
    scpTransparentColour->setEnabled(gif && chkTransparent->isChecked());
    // The compressed formats have a quality and a frame rate; only WebP can be lossless.
    const bool webp = rbSaveWebP->isChecked();
    const bool compressed = rbSaveWebM->isChecked() || rbSaveMP4->isChecked() || webp;
    chkLossless->setEnabled(webp);
    spQuality->setEnabled(compressed && !(webp && chkLossless->isChecked()));
    spFrameRate->setEnabled(compressed);
}

std::vector<QRadioButton*> ExportAnimationDialog::FormatButtons() const {
    return {rbSaveGIF, rbSaveBMP, rbSaveAVI, rbSaveWebM, rbSaveMP4, rbSaveWebP};
}

void ExportAnimationDialog::chkLoopingClick() {
    const bool on = chkLooping->isChecked();
    fraLooping->setEnabled(on);
    txtBlendFrameCount->setEnabled(on && rbBlendFrames->isChecked());
    UpdateFrameRange();
}

void ExportAnimationDialog::tmrShowTimer() {
    if (sequence.empty())
        return;
    const ExportEntry& entry = sequence[static_cast<std::size_t>(previewPosition)];
    if (entry.Frame >= frames.Count() || entry.BlendFrame >= frames.Count()) {
        tmrShow->stop(); // the frame list has changed under the window
        return;
    }
    img->setPixmap(QPixmap::fromImage(ExportEntryBitmap(frames, palette, entry)));
    lblFrameNumber->setText(QString::number(entry.Frame + 1)); // counted as the range boxes count
    previewPosition = (previewPosition + 1) % static_cast<int>(sequence.size());
}

// Closing by any way (Close, Escape, the title bar) stores the options; nothing closes the
// window while it exports.
void ExportAnimationDialog::done(int result) {
    if (exporting)
        return;
    tmrShow->stop();
    SaveSettings();
    QDialog::done(result);
}

// Escape abandons an export in progress; otherwise it closes the window.
void ExportAnimationDialog::keyPressEvent(QKeyEvent* event) {
    if (exporting && event->key() == Qt::Key_Escape) {
        escapePressed = true;
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace mottler
