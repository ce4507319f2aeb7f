#include "app/tfrmthumb.h"

#include "engine/growth.h"
#include "engine/random.h"
#include "engine/render.h"
#include "engine/seeding.h"
#include "engine/texturesettings.h"

#include <QLabel>
#include <QPixmap>

namespace mottler {
namespace {

class StartupObserver : public GrowthObserver {
public:
    GrowthFactors ReadFactors() override { return {}; }
};

} // namespace

TfrmThumb::TfrmThumb(QWidget* parent) : QMainWindow(parent), palette(StartupPalette()) {
    imgTexture = new QLabel(this);
    imgTexture->setAlignment(Qt::AlignCenter);
    setCentralWidget(imgTexture);
    resize(640, 520);

    ReseedFromClock();
    SetTextureSize(100, 100);
    SeedTexture(engine, RandomNoise, ShapeTuning::FromUserSettings());
    StartupObserver observer;
    GrowTexture(engine, RunParameters{}, observer);
    RenderDisplayField(engine, palette);
    imgTexture->setPixmap(QPixmap::fromImage(engine.TextureBitmap));
}

void TfrmThumb::SetTextureSize(int width, int height) {
    engine.SetTextureSize(width, height);
    setWindowTitle(QStringLiteral("Mottler - [%1 by %2]").arg(width).arg(height));
}

} // namespace mottler
