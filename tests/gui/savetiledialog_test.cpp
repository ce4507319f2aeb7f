// The "Save Tile" window: the work file follows the format and quality, quarter turns replace
// the texture, and Save writes the chosen file.
#include "base/usersettings.h"
#include "gradients/gradientsettings.h"
#include "output/heightmap.h"
#include "output/jpegfile.h"
#include "output/normalmap.h"
#include "output/quarterturn.h"
#include "output/ui/savetiledialog.h"
#include "presets/datafolder.h"
#include "testenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <gtest/gtest.h>

namespace mottler::test {
namespace {

QImage Pattern(int width, int height) {
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, QColor((x * 7) % 256, (y * 13) % 256, (x * y) % 256));
    return image;
}

qint64 WorkFileSize(const SaveTileDialog& dialog) {
    return QFileInfo(dialog.Work().Path).size();
}

TEST(SaveTileDialog, OpensWithAJpegWorkFileAtQuality80AndItsSize) {
    QImage texture = Pattern(100, 50);
    SaveTileDialog dialog(nullptr, texture);
    EXPECT_EQ(dialog.windowTitle(), "Save Tile");
    EXPECT_EQ(dialog.Work().Path, QDir(DataFolder()).filePath("workpic.jpg"));
    const qint64 size = EncodeJpeg(texture, 80).size();
    EXPECT_EQ(WorkFileSize(dialog), size);
    EXPECT_EQ(dialog.stFileSize->text(), "Current File Size : " + QString::number(size) + " bytes");
    EXPECT_EQ(dialog.lblJpegQuality->text(), "80%");
    EXPECT_EQ(dialog.txtWidth->text(), "100");
    EXPECT_EQ(dialog.txtHeight->text(), "50");
}

TEST(SaveTileDialog, EachFormatGetsItsOwnWorkFileSizeAndOptions) {
    QImage texture = Pattern(100, 50);
    SaveTileDialog dialog(nullptr, texture);
    dialog.rbBMP->click();
    EXPECT_TRUE(dialog.Work().Path.endsWith("/workpic.bmp"));
    EXPECT_EQ(WorkFileSize(dialog), 54 + 100 * 3 * 50); // uncompressed 24-bit rows
    EXPECT_TRUE(dialog.chkMirror->isEnabled());
    EXPECT_FALSE(dialog.tbJPEGQuality->isEnabled());
    for (QRadioButton* button : {dialog.rbGIF, dialog.rbPNG, dialog.rbWebP}) {
        button->click();
        const QFileInfo work(dialog.Work().Path);
        EXPECT_TRUE(work.exists()) << work.fileName().toStdString();
        EXPECT_GT(work.size(), 0);
        EXPECT_EQ(dialog.stFileSize->text(), FileSizeText(work.size()));
    }
    EXPECT_TRUE(dialog.Work().Path.endsWith("/workpic.webp"));
    EXPECT_TRUE(dialog.tbJPEGQuality->isEnabled());
    dialog.rbGIF->click();
    EXPECT_TRUE(dialog.Work().Path.endsWith("/workpic.gif"));
    EXPECT_FALSE(dialog.chkMirror->isEnabled()) << "a GIF is written without the mirror";
}

TEST(SaveTileDialog, TheQualityFollowsTheSliderOnlyBelow200By200) {
    QImage small = Pattern(100, 50);
    SaveTileDialog live(nullptr, small);
    live.tbJPEGQuality->setValue(20);
    EXPECT_EQ(live.lblJpegQuality->text(), "20%");
    EXPECT_EQ(WorkFileSize(live), EncodeJpeg(small, 20).size());

    QImage large = Pattern(200, 200);
    SaveTileDialog waiting(nullptr, large);
    waiting.tbJPEGQuality->setValue(20);
    EXPECT_EQ(WorkFileSize(waiting), EncodeJpeg(large, 80).size());
    waiting.btnCalculateSize->click();
    EXPECT_EQ(WorkFileSize(waiting), EncodeJpeg(large, 20).size());
    EXPECT_EQ(waiting.imgImage->pixmap().toImage().size(), QSize(200, 200))
        << "the preview shows the JPEG as it will be saved";
}

TEST(SaveTileDialog, QuarterTurnsTurnItsTextureAndItsShownSizeAndAreReported) {
    const QImage original = Pattern(100, 50);
    SaveTileDialog dialog(nullptr, original);
    dialog.btnRotateRight->click();
    EXPECT_EQ(dialog.txtWidth->text(), "50");
    EXPECT_EQ(dialog.txtHeight->text(), "100");
    EXPECT_EQ(dialog.Texture(), TurnedRight(original));
    EXPECT_EQ(dialog.QuarterTurns(), 1);
    dialog.btnRotateLeft->click();
    dialog.btnRotateLeft->click();
    EXPECT_EQ(dialog.Texture(), TurnedLeft(original));
    EXPECT_EQ(dialog.QuarterTurns(), 3);
    EXPECT_EQ(original, Pattern(100, 50)) << "the caller's image stays as it was";
}

TEST(SaveTileDialog, SaveWritesTheChosenFileAndRemembersOnlyAConfirmedFolder) {
    QImage texture = Pattern(100, 100);
    SaveTileDialog dialog(nullptr, texture);
    dialog.rbBMP->click();
    dialog.chkMirror->click();
    FileDialogRequest asked;
    QString answer;
    dialog.SetFileDialogRunner([&](const FileDialogRequest& request) {
        asked = request;
        return answer;
    });
    dialog.btnSave->click();
    EXPECT_EQ(asked.Filter, SaveTileFilter(ImageFormat::Bmp));
    EXPECT_EQ(asked.DefaultSuffix, "bmp");
    EXPECT_TRUE(UserSettings::ReadString("Save Dir").isEmpty()) << "a cancelled dialog";

    QDir(TestHome()).mkpath("tiles");
    answer = TestHome() + "/tiles/mirror.bmp";
    dialog.btnSave->click();
    const QImage saved(answer);
    ASSERT_EQ(saved.size(), QSize(100, 100));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_BGR888), SaveTilePreview(texture, true));
    EXPECT_EQ(UserSettings::ReadString("Save Dir"), TestHome() + "/tiles/");
}

TEST(SaveTileDialog, ATypedExtensionSelectsItsFormatAndAMissingOneIsAdded) {
    QImage texture = Pattern(60, 40);
    SaveTileDialog dialog(nullptr, texture);
    QString answer = TestHome() + "/tile.png";
    dialog.SetFileDialogRunner([&](const FileDialogRequest&) { return answer; });
    dialog.btnSave->click();
    EXPECT_TRUE(dialog.rbPNG->isChecked());
    EXPECT_TRUE(dialog.chkMirror->isEnabled()) << "the options follow the selected format";
    EXPECT_TRUE(dialog.Work().Path.endsWith("/workpic.png"));
    EXPECT_EQ(QImage(answer, "PNG").size(), QSize(60, 40)) << "PNG bytes under .png";

    dialog.rbJpeg->click();
    answer = TestHome() + "/plain";
    dialog.btnSave->click();
    EXPECT_FALSE(QFileInfo::exists(answer));
    EXPECT_EQ(QImage(answer + ".jpg", "JPEG").size(), QSize(60, 40));
    EXPECT_TRUE(dialog.rbJpeg->isChecked());
}

TEST(SaveTileDialog, HeightAndNormalMapsOfTheFieldArePreviewedAndSavedAsPng) {
    TextureEngine engine;
    engine.SetTextureSize(30, 20);
    for (int k = 0; k < 600; ++k)
        engine.FieldA.Data()[k] = float((k % 30) * (k / 30) % 17);
    SaveTileDialog dialog(nullptr, Pattern(30, 20), std::nullopt, &engine);
    EXPECT_FALSE(dialog.spNormalStrength->isEnabled());
    dialog.cmbOutput->setCurrentIndex(int(TileOutput::NormalMap));
    EXPECT_TRUE(dialog.rbPNG->isChecked());
    EXPECT_FALSE(dialog.rbJpeg->isEnabled());
    EXPECT_FALSE(dialog.btnRotateRight->isEnabled()) << "the maps are of the field as grown";
    EXPECT_TRUE(dialog.spNormalStrength->isEnabled());
    dialog.spNormalStrength->setValue(2.5);
    dialog.chkNormalDirectX->click();
    const NormalMapOptions options{2.5, NormalConvention::DirectX};
    EXPECT_EQ(dialog.Work().Path, QDir(DataFolder()).filePath("workpic.png"));
    EXPECT_EQ(dialog.Work().Look.convertToFormat(QImage::Format_RGB888),
              NormalMap(engine, options));
    EXPECT_EQ(dialog.imgImage->pixmap().toImage().convertToFormat(QImage::Format_RGB888),
              NormalMap(engine, options))
        << "the preview shows the map";

    // A typed extension of another format still gives a PNG, named so.
    QString answer = TestHome() + "/normal.jpg";
    dialog.SetFileDialogRunner([&](const FileDialogRequest&) { return answer; });
    dialog.btnSave->click();
    EXPECT_EQ(QImage(answer + ".png", "PNG").convertToFormat(QImage::Format_RGB888),
              NormalMap(engine, options));

    dialog.cmbOutput->setCurrentIndex(int(TileOutput::HeightMap));
    EXPECT_FALSE(dialog.spNormalStrength->isEnabled());
    answer = TestHome() + "/height.png";
    dialog.btnSave->click();
    const QImage height(answer, "PNG");
    EXPECT_EQ(height.format(), QImage::Format_Grayscale16);
    EXPECT_EQ(height, HeightMap(engine));

    dialog.cmbOutput->setCurrentIndex(int(TileOutput::Texture));
    EXPECT_TRUE(dialog.rbJpeg->isEnabled());
    EXPECT_TRUE(dialog.btnRotateRight->isEnabled());
    SaveTileDialog withoutField(nullptr, Pattern(30, 20));
    EXPECT_FALSE(withoutField.cmbOutput->isEnabled());
}

TEST(SaveTileDialog, AGradientStripIsSavedAsTheGifOfItsOutputImage) {
    QImage texture = Pattern(100, 50);
    GradientStripImage strip{Pattern(400, 200), GradientSettings{}};
    strip.Settings.SaveWidth = "300";
    SaveTileDialog dialog(nullptr, texture, strip);
    EXPECT_FALSE(dialog.rbJpeg->isEnabled());
    EXPECT_FALSE(dialog.tbJPEGQuality->isEnabled());
    EXPECT_TRUE(dialog.chkMirror->isHidden());
    EXPECT_TRUE(dialog.btnRotateLeft->isHidden());
    const QString path = TestHome() + "/border.gif";
    FileDialogRequest asked;
    dialog.SetFileDialogRunner([&](const FileDialogRequest& request) {
        asked = request;
        return path;
    });
    dialog.btnSave->click();
    EXPECT_EQ(asked.DefaultSuffix, "gif");
    const QImage saved(path, "GIF");
    EXPECT_EQ(saved.size(), QSize(300, 10));
    EXPECT_EQ(texture, Pattern(100, 50)) << "the texture is not touched";
}

TEST(SaveTileDialog, GradientModeShowsTheOutputSizeAndAVisibleStrip) {
    QImage texture = Pattern(100, 100);
    GradientStripImage strip{Pattern(257, 1), GradientSettings{}};
    SaveTileDialog dialog(nullptr, texture, strip);
    EXPECT_EQ(dialog.txtWidth->text(), "1025");
    EXPECT_EQ(dialog.txtHeight->text(), "10");
    const QImage shown = dialog.imgImage->pixmap().toImage();
    EXPECT_EQ(shown.width(), 48 + 30) << "the gradient and a margin of background";
    EXPECT_GE(dialog.imgImage->height(), 100) << "the one-row strip is stretched down";
    EXPECT_EQ(shown.pixel(5, shown.height() - 1), strip.Strip.pixel(5, 0));
}

} // namespace
} // namespace mottler::test
