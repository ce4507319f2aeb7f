#pragma once

#include "engine/engine.h"

#include <QImage>
#include <QObject>
#include <QStringList>
#include <atomic>
#include <chrono>

namespace mottler {
class IniFile;
}

namespace mottler::saver {

/// Grows the built-in presets one after another, forever, on its own thread, and hands
/// each shown state over as an image (a copy; the engine stays on this object's thread).
class SaverGrowth : public QObject {
    Q_OBJECT
public:
    /// `hold`: how long a grown texture stays before the next preset starts; `pace`: the
    /// least time between two shown states, so that the growth can be watched.
    explicit SaverGrowth(std::chrono::milliseconds hold,
                         std::chrono::milliseconds pace = std::chrono::milliseconds(40));

    /// The loop; returns once Stop was called.
    void Run();
    /// Ends Run soon, from any thread.
    void Stop() { stopping = true; }
    bool Stopping() const { return stopping; }

Q_SIGNALS:
    /// A state of the growing texture; `fresh` for the first state of a preset.
    void FrameReady(const QImage& texture, bool fresh);
    /// A preset could not be grown (its message); the loop goes on with the next one.
    void PresetFailed(const QString& name, const QString& message);

private:
    void GrowOne(const IniFile& presets, const QString& name);
    void Pause(std::chrono::milliseconds length);

    TextureEngine engine;
    std::chrono::milliseconds holdTime;
    std::chrono::milliseconds frameInterval;
    std::atomic<bool> stopping{false};
    friend class SaverObserver;
};

} // namespace mottler::saver
