#pragma once

#include <QString>

namespace mottler {

/// How runs record: the "Record Every" switch and number of the main window, and the
/// record-to-file options that send the frames straight into an AVI file instead of memory.
struct RecordSettings {
    bool Record = false; ///< the "Record Every" switch
    /// The "Record Every" number as its box was last given it, read as IntValue reads a box
    /// (the recording takes values below 1 as 1).
    int Every = 1;
    bool ToFile = false; ///< "Record To File": straight into FileName instead of memory
    QString FileName;    ///< the AVI file, as typed or browsed

    bool RecordsToMemory() const { return Record && !ToFile; }
    bool RecordsToFile() const { return Record && ToFile; }

    friend bool operator==(const RecordSettings&, const RecordSettings&) = default;
};

} // namespace mottler
