#pragma once

#include <QByteArray>

// The bodies of the libFuzzer targets. Each takes any bytes; the code under test must either
// succeed or throw the error it documents (MottlerError, UsageError). Anything else (another
// exception, a failed check, a sanitizer report) is a finding. The normal test suite replays
// the committed corpus of each target through the same function.
namespace mottler::fuzz {

/// Reads the bytes as an INI file, lists its sections and reads the first few as presets,
/// converting their numbers as a load does, and as gradient presets; saves the first preset
/// again and checks that it reads back the same.
void FuzzPresetFile(const QByteArray& bytes);

/// Imports the bytes as a texture pack into a small preset file, answering the questions
/// from the pack's own bytes.
void FuzzTexturePack(const QByteArray& bytes);

/// Reads the bytes as a picture, the way "Image File" presets and --image do (a smoke test:
/// the decoders are not instrumented), then makes the initial texture from a picture of a
/// size and pixel format taken from the bytes, stretched and at its own size, and from the
/// decoded picture when there is one.
void FuzzPicture(const QByteArray& bytes);

/// Parses the text as --gradient and as a colour text of a preset.
void FuzzColourTexts(const QByteArray& bytes);

/// Writes an image of a size and content taken from the bytes as BMP, PNG, JPEG, GIF, WebP,
/// an animated GIF and an AVI file of a few frames, and reads each back: the BMP and PNG
/// pixels, the AVI's structure and frame bits must be exactly what was written, the others
/// their size. An empty image must be refused with MottlerError, and the formats' size
/// limits must be found without making the image.
void FuzzWriters(const QByteArray& bytes);

/// Reads the text as the command line's number options do (integers and reals within a
/// range taken from the bytes) and as the edit boxes' and files' number parsers do.
void FuzzNumbers(const QByteArray& bytes);

/// The scratch folder the targets write their files in (made when missing).
QString ScratchFolder();

} // namespace mottler::fuzz
