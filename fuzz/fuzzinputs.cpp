#include "fuzzinputs.h"

#include "base/bmpfile.h"
#include "base/errors.h"
#include "base/numbers.h"
#include "cli/arguments.h"
#include "cli/colouroptions.h"
#include "engine/initialimage.h"
#include "gradients/gradientstore.h"
#include "output/animatedgif.h"
#include "output/imagefile.h"
#include "output/jpegfile.h"
#include "output/webpfile.h"
#include "palette/colourtext.h"
#include "presets/inifile.h"
#include "presets/preset.h"
#include "presets/texturepack.h"
#include "recording/aviwriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace mottler::fuzz {
namespace {

// Files beyond this are not worth the time of one input; the readers' own limits are far
// higher and tested elsewhere.
constexpr qsizetype MaxInputBytes = 1 << 20;
constexpr qsizetype MaxPresetsRead = 8;

/// Byte i of the input, or 0 past its end.
int ByteAt(const QByteArray& bytes, qsizetype i) {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
}

void Check(bool condition) {
    if (!condition)
        std::abort(); // libFuzzer records the input as a crash
}

QString WriteScratch(const QString& name, const QByteArray& bytes) {
    const QString path = ScratchFolder() + "/" + name;
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Check(file.write(bytes) == bytes.size());
    return path;
}

/// Reads the first presets of the file. Each read looks up every key, so reading all of a
/// large file would spend the fuzzer's time on the same lookups over and over.
void ReadFirstPresets(const IniFile& file) {
    for (const QString& name : PresetNames(file).mid(0, MaxPresetsRead)) {
        const Preset preset = ReadPreset(file, name);
        try {
            FactorPosition(preset.FactorA, "A");
            FactorPosition(preset.FactorB, "B");
            for (int i = 0; i < preset.MiddlePoints.size(); ++i)
                PointPosition(preset.MiddlePoints[i], i + 1);
            FactorNumber(preset.MultiplierA, "AMult");
        } catch (const MottlerError&) {
        }
        ColourFromPresetHex(preset.StartColour);
    }
}

QImage ImageFromBytes(const QByteArray& bytes) {
    const int width = 1 + ByteAt(bytes, 0) % 48;
    const int height = 1 + ByteAt(bytes, 1) % 48;
    QImage image(width, height, QImage::Format_RGB888);
    const QByteArray pixels = bytes.size() > 4 ? bytes.mid(4) : QByteArray("\x80", 1);
    qsizetype at = 0;
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width * 3; ++x)
            line[x] = static_cast<uchar>(pixels[at++ % pixels.size()]);
    }
    return image;
}

void CheckReadsBack(const QImage& image, const QByteArray& file, const char* format) {
    const QImage back = QImage::fromData(file, format).convertToFormat(QImage::Format_RGB888);
    Check(back == image);
}

/// The AVI file holds exactly the frames written: its RIFF size, frame counts and index.
void CheckAvi(const QString& path, const QImage& frame, int frames) {
    QFile file(path);
    Check(file.open(QIODevice::ReadOnly));
    const QByteArray avi = file.readAll();
    const QByteArray bits = EncodeBmp24(frame).mid(14 + 40);
    const qsizetype indexAt = avi.size() - (8 + 16 * frames);
    Check(avi.startsWith("RIFF") &&
          qFromLittleEndian<quint32>(avi.constData() + 4) == static_cast<quint32>(avi.size() - 8));
    Check(avi.mid(indexAt, 4) == "idx1");
    const qsizetype movi = avi.indexOf("movi");
    Check(movi > 0);
    for (int i = 0; i < frames; ++i) {
        const auto offset = qFromLittleEndian<quint32>(avi.constData() + indexAt + 8 + 16 * i + 8);
        Check(avi.mid(movi + offset + 8, bits.size()) == bits);
    }
}

} // namespace

QString ScratchFolder() {
    // Files are written atomically (and so synced to the disk) on every input: in memory,
    // where there is a memory file system, that costs nothing. The folder is made afresh
    // under a name no one else can have taken (mkdtemp), so nothing planted in the shared
    // folder is written through or deleted with it.
    // Never destroyed: the exit handler that removes the folder still asks for its name.
    static const QString* const folder = [] {
        const QString base = QFileInfo("/dev/shm").isWritable() ? "/dev/shm" : QDir::tempPath();
        QByteArray pattern = QFile::encodeName(base + QStringLiteral("/mottler-fuzz-XXXXXX"));
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort(); // nowhere to put the inputs: the fuzzer cannot run at all
        return new QString(QFile::decodeName(pattern));
    }();
    return *folder;
}

void FuzzPresetFile(const QByteArray& bytes) {
    if (bytes.size() > MaxInputBytes)
        return;
    try {
        IniFile file = IniFile::ReadExisting(WriteScratch("presets.ini", bytes));
        ReadFirstPresets(file);
        for (const QString& name : GradientPresetNames(file).mid(0, MaxPresetsRead))
            LoadGradient(file, name);
        // A preset saved again reads back as it was read.
        const QStringList names = PresetNames(file);
        if (!names.isEmpty()) {
            const Preset preset = ReadPreset(file, names.first());
            SavePreset(file, names.first(), preset);
            Preset expected = preset;
            if (expected.Type != ImageFile)
                expected.ImageFile.clear(); // only a picture preset keeps its picture's name
            // An advanced text that reads as its key's default ("12.", "4.0") is left out of
            // the saved section, so it reads back as the default's own text.
            const Preset standard;
            const auto asSaved = [](QString& text, const QString& standardText) {
                bool ok = false;
                if (text.trimmed().toDouble(&ok) == standardText.toDouble() && ok)
                    text = standardText;
            };
            asSaved(expected.FactorC, standard.FactorC);
            asSaved(expected.FactorD, standard.FactorD);
            asSaved(expected.MultiplierA, standard.MultiplierA);
            asSaved(expected.MultiplierB, standard.MultiplierB);
            Check(ReadPreset(IniFile(file.Path()), names.first()) == expected);
        }
    } catch (const MottlerError&) {
    }
}

void FuzzTexturePack(const QByteArray& bytes) {
    if (bytes.size() > MaxInputBytes)
        return;
    const QString presetsPath = WriteScratch("save.ini", "[Marble]\r\nSeed=1\r\nA=622\r\n");
    try {
        IniFile presets(presetsPath);
        qsizetype question = 0;
        const PackQuestion ask = [&](const QString&) {
            return static_cast<PackAnswer>(ByteAt(bytes, question++) % 3);
        };
        const PackImport result = ImportTexturePack(WriteScratch("pack.txp", bytes), presets, ask);
        ImportSummary(result.Installed);
        // What the import wrote reads back with every installed preset in it.
        const IniFile written(presetsPath);
        for (const QString& name : result.Installed)
            Check(written.SectionExists(name));
    } catch (const MottlerError&) {
    }
}

// The program decodes a picture as large as the free memory allows, which on a large machine
// is more than the fuzzer's 2 GB: a header claiming more pixels than this is not decoded here
// (the unit tests cover the refusal of pictures too large for the memory).
namespace {

constexpr qint64 MaxDecodedPixels = 16 * 1024 * 1024;

bool ClaimsHugePicture(QByteArray& data) {
    QBuffer probe(&data);
    const QSize size = QImageReader(&probe).size();
    return size.isValid() && qint64(size.width()) * size.height() > MaxDecodedPixels;
}

} // namespace

void FuzzPicture(const QByteArray& bytes) {
    QByteArray data = bytes;
    QBuffer device(&data);
    QImage decoded;
    try {
        if (!ClaimsHugePicture(data)) {
            decoded = ReadPicture(device, "fuzz");
            Check(!decoded.isNull());
        }
    } catch (const MottlerError&) {
    }
    // The decoders are not instrumented; what follows them is: pictures of any size and
    // pixel format become the initial texture of a texture of any size.
    static const QImage::Format Formats[] = {
        QImage::Format_Mono,   QImage::Format_Indexed8,   QImage::Format_RGB32,
        QImage::Format_ARGB32, QImage::Format_RGB16,      QImage::Format_RGB888,
        QImage::Format_BGR888, QImage::Format_Grayscale8, QImage::Format_Grayscale16,
        QImage::Format_RGBA64, QImage::Format_Alpha8,     QImage::Format_ARGB32_Premultiplied};
    QImage picture(1 + ByteAt(bytes, 0) % 64 + ByteAt(bytes, 1) % 4 * 200,
                   1 + ByteAt(bytes, 2) % 64, Formats[ByteAt(bytes, 3) % std::size(Formats)]);
    if (picture.format() == QImage::Format_Indexed8 || picture.format() == QImage::Format_Mono)
        picture.setColorCount(picture.format() == QImage::Format_Mono ? 2 : 256);
    for (int y = 0; y < picture.height(); ++y)
        for (qsizetype x = 0; x < picture.bytesPerLine(); ++x)
            picture.scanLine(y)[x] = static_cast<uchar>(ByteAt(bytes, 4 + (y * 131 + x) % 4096));
    TextureEngine engine;
    engine.SetTextureSize(1 + ByteAt(bytes, 5) % 40, 1 + ByteAt(bytes, 6) % 40);
    UsePictureAsInitialTexture(engine, picture, PictureFit::Stretch);
    UsePictureAsInitialTexture(engine, picture, PictureFit::KeepOwnSize);
    Check(engine.Width() == picture.width() && engine.Height() == picture.height());
    if (!decoded.isNull() && decoded.width() <= 512 && decoded.height() <= 512)
        UsePictureAsInitialTexture(engine, decoded, PictureFit::KeepOwnSize);
}

void FuzzColourTexts(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes.left(4096));
    try {
        const std::vector<cli::GradientStop> stops = cli::ParseGradient(text);
        Check(stops.size() >= 2 && stops.size() <= 10);
        cli::ColourOptions options;
        options.Gradient = stops;
        cli::BuildPalette(options);
    } catch (const cli::UsageError&) {
    }
    ColourFromPresetHex(text);
}

/// Whether the action throws MottlerError (and nothing else).
template <typename Action> bool Refuses(Action&& action) {
    try {
        action();
    } catch (const MottlerError&) {
        return true;
    }
    return false;
}

void FuzzWriters(const QByteArray& bytes) {
    const QImage image = ImageFromBytes(bytes);
    CheckReadsBack(image, EncodeBmp24(image), "BMP");
    CheckReadsBack(image, EncodePng(image), "PNG");
    const int quality = 1 + ByteAt(bytes, 2) % 100;
    Check(QImage::fromData(EncodeJpeg(image, quality), "JPEG").size() == image.size());
    Check(QImage::fromData(EncodeImage(image, ImageFormat::Gif, 0), "GIF").size() == image.size());
    if (QImageWriter::supportedImageFormats().contains("webp"))
        Check(QImage::fromData(EncodeWebp(image, quality), "WEBP").size() == image.size());
    const int gifFrames = 1 + ByteAt(bytes, 3) % 3;
    const QByteArray animation = EncodeAnimatedGif(
                                     gifFrames, [&](int) { return image; }, std::nullopt)
                                     .value();
    Check(QImage::fromData(animation, "GIF").size() == image.size());
    // Nothing to write, and sizes beyond what a format holds, are refused with a message.
    for (const ImageFormat format : {ImageFormat::Bmp, ImageFormat::Png, ImageFormat::Jpeg,
                                     ImageFormat::Gif, ImageFormat::Webp})
        Check(Refuses([&] { EncodeImage(QImage(), format, quality); }));
    const QSize huge(1 + ByteAt(bytes, 0) * 997, 1 + ByteAt(bytes, 1) * 991);
    Check(ImageSizeFault(ImageFormat::Webp, huge).isEmpty() ==
          (huge.width() <= 16383 && huge.height() <= 16383));
    Check(ImageSizeFault(ImageFormat::Png, huge).isEmpty());
    const int frames = 1 + ByteAt(bytes, 3) % 3;
    const QString path = ScratchFolder() + "/frames.avi";
    SaveBitmapsAsAvi(path, QList<QImage>(frames, image));
    CheckAvi(path, image, frames);
}

void FuzzNumbers(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes.left(256));
    const qint64 low = qint64(ByteAt(bytes, 0)) - 128, high = low + ByteAt(bytes, 1) * 1000;
    try {
        cli::Arguments args({"--number", text}, {cli::ValueOption({"number"})}, QString());
        args.NextOption();
        const int value = args.Integer(low, high);
        Check(value >= low && value <= high);
    } catch (const cli::UsageError&) {
    } catch (const cli::InformationRequest&) { // the text was "--help" or "--version"
    }
    try {
        cli::Arguments args({"--number=" + text}, {cli::ValueOption({"number"})}, QString());
        args.NextOption();
        const double value = args.Real(double(low), double(high));
        Check(value >= double(low) && value <= double(high));
    } catch (const cli::UsageError&) {
    } catch (const cli::InformationRequest&) {
    }
    int parsed = 0;
    if (ParseDecimal(text, parsed))
        Check(IntValue(text) == parsed);
    IniFile::ParseInteger(text, parsed);
    try {
        Check(std::isfinite(DecimalNumber(text)));
    } catch (const MottlerError&) {
    }
}

} // namespace mottler::fuzz
