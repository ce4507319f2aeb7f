#include "app/runrecorder.h"

#include "app/mainwindow.h"
#include "app/messages.h"
#include "base/errors.h"
#include "recording/recordstep.h"
#include "recording/ui/recordtofilewindow.h"
#include "widgets/ui/numericedit.h"
#include "widgets/ui/partsprogressbar.h"

namespace mottler {
namespace {

class ProgressBarSink : public PartsProgressSink {
public:
    explicit ProgressBarSink(PartsProgressBar& progressBar) : bar(progressBar) {}
    void SetTotalParts(int total) override { bar.SetTotalParts(total); }
    void SetPartsComplete(int parts) override { bar.SetPartsComplete(parts); }

private:
    PartsProgressBar& bar;
};

class MessageBoxSink : public MessageSink {
public:
    explicit MessageBoxSink(QWidget* owner) : parent(owner) {}
    void ShowMessage(const QString& text) override { ShowError(parent, text); }

private:
    QWidget* parent;
};

} // namespace

RunRecorder::RunRecorder(MainWindow& owner) : window(owner) {
    if (window.RecordsToFile())
        direct = std::make_unique<DirectRecording>(window.RecordToFile().FileName(),
                                                   window.Document().Settings.Iterations);
}

void RunRecorder::ClearFrames() {
    ProgressBarSink progress(*window.Preview().progressBar);
    window.Document().Frames.ClearFrames(&progress);
}

bool RunRecorder::ReadsFrame(int iteration, bool firstOfRun) const {
    return (direct && firstOfRun) || IsRecordedIteration(iteration, window.Document().RecordEvery);
}

void RunRecorder::RecordStep(int iteration, bool firstOfRun) {
    const int recordEvery = window.Document().RecordEvery;
    if (direct) {
        direct->RecordStep(window.Document().Engine.TextureBitmap, iteration, firstOfRun,
                           recordEvery);
        return;
    }
    MessageBoxSink messages(&window);
    TextureDocument& document = window.Document();
    RecordFrameStep(document.Frames, document.Engine, iteration, recordEvery, messages);
}

void RunRecorder::CloseFile() noexcept {
    if (!direct)
        return;
    try {
        direct->Close();
    } catch (const MottlerError& error) {
        ShowCloseFailure(error.Message());
    } catch (const std::exception& error) {
        ShowCloseFailure(QString::fromLocal8Bit(error.what()));
    }
}

void RunRecorder::ShowCloseFailure(const QString& text) noexcept {
    try {
        ShowError(&window, text);
    } catch (...) {
        // Nothing more can be done for the user here; the run's clean-up must still finish.
    }
}

} // namespace mottler
