#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;

namespace mottler {

/// "About Mottler": name, version, what the program does, its licence and the libraries it
/// runs on with their versions.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);

    /// One line per library the program uses: name and version.
    static QStringList LibraryVersions();

    QLabel* lblVersion = nullptr;
    QLabel* lblLibraries = nullptr;
    QPlainTextEdit* txtLicence = nullptr;
};

} // namespace mottler
