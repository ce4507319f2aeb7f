// Saving from the Export Animation window: the file dialog, the export with its progress and
// the Escape poll, and the messages.
#include "base/errors.h"
#include "base/usersettings.h"
#include "output/ui/exportanimationdialog.h"
#include "widgets/filebrowse.h"
#include "widgets/filefilter.h"
#include "widgets/ui/messages.h"
#include "widgets/ui/partsprogressbar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace mottler {
namespace {

const QString ExportDir = QStringLiteral("Export Dir");

QString WrittenMessage(AnimationFormat format, const QString& path) {
    switch (format) {
    case AnimationFormat::Avi:
        return ExportAnimationDialog::tr("%1 has been created.").arg(QFileInfo(path).fileName());
    case AnimationFormat::Bmp:
        return ExportAnimationDialog::tr("The animation frames have been written to %1")
            .arg(FolderOf(path));
    case AnimationFormat::Gif:
    case AnimationFormat::WebM:
    case AnimationFormat::Mp4:
    case AnimationFormat::WebP:
        break;
    }
    return ExportAnimationDialog::tr("%1 has been created.").arg(path);
}

} // namespace

void ExportAnimationDialog::btnSaveClick() {
    if (sequence.empty()) {
        ShowError(this,
                  QCoreApplication::translate("mottler::AnimationExport", EmptySequenceMessage));
        return;
    }
    const QString path = AskForFile();
    if (path.isEmpty())
        return;
    tmrShow->stop();
    Export(path);
    UserSettings::WriteString(ExportDir, FolderOf(path));
    tmrShow->start();
}

QString ExportAnimationDialog::AskForFile() {
    const QString extension = AnimationExtension(Options().Format);
    FileDialogRequest request;
    request.Parent = this;
    request.Save = true;
    request.StartFolder = UserSettings::ReadString(ExportDir);
    request.Filter = QtFileFilter(QStringLiteral("*.%1|*.%1").arg(extension));
    request.DefaultSuffix = extension;
    return fileDialog(request);
}

void ExportAnimationDialog::Export(const QString& path) {
    const AnimationFormat format = Options().Format;
    SetExporting(true);
    ExportOutcome outcome = ExportOutcome::Cancelled;
    try {
        outcome = ExportAnimation(path, Options(), frames, palette, Feedback());
    } catch (const MottlerError& error) {
        SetExporting(false);
        ShowError(this, error.Message());
        return;
    } catch (...) {
        SetExporting(false);
        throw;
    }
    SetExporting(false);
    if (outcome != ExportOutcome::Written)
        return;
    QString message = WrittenMessage(format, path);
    const ExportEntry& first = sequence.front();
    const QSize size(frames[first.Frame].Width, frames[first.Frame].Height);
    if (const QString note = AnimationSizeNote(format, size); !note.isEmpty())
        message += QStringLiteral("\n\n") + note + QLatin1Char('.');
    ShowMessage(this, message);
}

// The export polls for Escape before every frame; the window handles the pending events
// then, and nothing but Escape reaches its disabled controls.
ExportFeedback ExportAnimationDialog::Feedback() {
    const int stages = Options().Format == AnimationFormat::Gif ? 2 : 1;
    pbExport->SetTotalParts(stages * static_cast<int>(sequence.size()));
    ExportFeedback feedback;
    feedback.Cancelled = [this] {
        QCoreApplication::processEvents();
        return escapePressed;
    };
    feedback.Progress = [this, stages](ExportStage stage, int position, int count) {
        const bool analysing = stage == ExportStage::Analysing;
        lblStatus->setText(
            (analysing ? tr("Analysing Frame %1") : tr("Saving Frame %1")).arg(position + 1));
        pbExport->SetPartsComplete((stages == 2 && !analysing ? count : 0) + position);
    };
    return feedback;
}

void ExportAnimationDialog::SetExporting(bool on) {
    exporting = on;
    escapePressed = false; // a press before the export does not count
    for (QWidget* part :
         std::initializer_list<QWidget*>{fraOptions, GroupBox2, btnSave, btnClose, btnHelp})
        part->setEnabled(!on);
    pbExport->setVisible(on);
    lblStatus->setText(on ? tr("Initializing...") : QString());
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        setFocus();
    } else {
        QApplication::restoreOverrideCursor();
        btnSave->setFocus();
    }
}

} // namespace mottler
