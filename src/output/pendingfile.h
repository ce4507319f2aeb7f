#pragma once

#include <QString>
#include <QTemporaryFile>

namespace mottler {

/// A file too large to build in memory, written in place under a temporary name beside its
/// target and put in the target's place only by Commit: until then any earlier file of the
/// target's name stays as it was, and a pending file that is never committed is removed.
class PendingFile {
public:
    /// Reserves the temporary name (an empty placeholder file the writer may replace).
    /// Throws MottlerError naming the target when the folder cannot be written.
    explicit PendingFile(const QString& target);

    /// Where to write the file meanwhile.
    QString Path() const { return placeholder.fileName(); }

    /// Renames the written file over the target in one step. Throws MottlerError naming the
    /// target when that fails.
    void Commit();

private:
    QString target;
    QTemporaryFile placeholder; ///< removes the temporary name unless committed
};

} // namespace mottler
