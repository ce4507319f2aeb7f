#pragma once

#include <QByteArray>

// The bodies of the libFuzzer targets. Each takes any bytes; the code under test must either
// succeed or throw the error it documents (MottlerError, UsageError). Anything else (another
// exception, a failed check, a sanitizer report) is a finding. The normal test suite replays
// the committed corpus of each target through the same function.
namespace mottler::fuzz {

/// Reads the bytes as an INI file, lists its sections and reads the first few as presets,
/// converting their numbers as a load does.
void FuzzPresetFile(const QByteArray& bytes);

/// Imports the bytes as a texture pack into a small preset file, answering the questions
/// from the pack's own bytes.
void FuzzTexturePack(const QByteArray& bytes);

/// Reads the bytes as a picture, the way "Image File" presets and --image do.
void FuzzPicture(const QByteArray& bytes);

/// Parses the text as --gradient and as a colour text of a preset.
void FuzzColourTexts(const QByteArray& bytes);

/// Writes an image of a size and content taken from the bytes as BMP, PNG, JPEG and as an
/// AVI file of a few frames, and reads each back: the BMP and PNG pixels, the AVI's
/// structure and frame bits must be exactly what was written.
void FuzzWriters(const QByteArray& bytes);

/// The scratch folder the targets write their files in (made when missing).
QString ScratchFolder();

} // namespace mottler::fuzz
