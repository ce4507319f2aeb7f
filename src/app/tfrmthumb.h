#pragma once

#include "engine/engine.h"
#include "palette/palette.h"

#include <QMainWindow>

class QLabel;

namespace mottler {

/// The main window: the one texture, its settings and the views of it.
class TfrmThumb : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmThumb(QWidget* parent = nullptr);

    TextureEngine& Engine() { return engine; }

private:
    void SetTextureSize(int width, int height);

    TextureEngine engine;
    Palette palette;
    QLabel* imgTexture = nullptr;
};

} // namespace mottler
