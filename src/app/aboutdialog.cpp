#include "app/aboutdialog.h"

#include "app/applicationicon.h"
#include "base/homepage.h"
#include "help/ui/showhelp.h"
#include "output/animatedwebp.h"
#include "output/videofile.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>

#if defined(MOTTLER_LINKS_GIFLIB)
#include <gif_lib.h>
#endif
#if defined(MOTTLER_LINKS_IMAGEQUANT)
#include <libimagequant.h>
#endif

#define MOTTLER_TEXT(x) #x
#define MOTTLER_MACRO_TEXT(x) MOTTLER_TEXT(x)

namespace mottler {
namespace {

QString JpegVersion() {
#if defined(LIBJPEG_TURBO_VERSION)
    return QStringLiteral("libjpeg-turbo %1").arg(MOTTLER_MACRO_TEXT(LIBJPEG_TURBO_VERSION));
#else
    return QStringLiteral("libjpeg %1").arg(JPEG_LIB_VERSION);
#endif
}

QString LicenceText() {
    QFile file(":/about/LICENSE");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QWidget* Heading(QWidget* parent) {
    auto* heading = new QWidget(parent);
    auto* row = new QHBoxLayout(heading);
    row->setContentsMargins(0, 0, 0, 0);
    auto* icon = new QLabel(heading);
    icon->setPixmap(ApplicationIcon().pixmap(64));
    icon->setAlignment(Qt::AlignTop);
    row->addWidget(icon);
    auto* text = new QLabel(AboutDialog::tr("<h2>Mottler</h2>"
                                            "<p>Version %1</p>"
                                            "<p>Grows seamless, tileable textures for web-page "
                                            "backgrounds.</p>"
                                            "<p>Mottler's own code is released under the "
                                            "MIT licence. This program links libimagequant "
                                            "and is therefore distributed under the GNU GPL, "
                                            "version 3 or later.</p>"
                                            "<p><a href=\"%2\">%2</a></p>")
                                .arg(MOTTLER_VERSION, HomePageUrl),
                            heading);
    text->setObjectName("lblVersion");
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse |
                                  Qt::LinksAccessibleByKeyboard);
    text->setOpenExternalLinks(true);
    row->addWidget(text, 1);
    return heading;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    RegisterShellResources();
    setObjectName("frmAbout");
    setWindowTitle(tr("About Mottler"));
    InstallHelpKey(this, HelpContext::Contents);
    auto* layout = new QVBoxLayout(this);
    QWidget* heading = Heading(this);
    lblVersion = heading->findChild<QLabel*>("lblVersion");
    layout->addWidget(heading);

    auto* libraries = new QGroupBox(tr("Libraries"), this);
    auto* inLibraries = new QVBoxLayout(libraries);
    lblLibraries = new QLabel(LibraryVersions().join('\n'), libraries);
    lblLibraries->setTextInteractionFlags(Qt::TextSelectableByMouse);
    inLibraries->addWidget(lblLibraries);
    layout->addWidget(libraries);

    txtLicence = new QPlainTextEdit(LicenceText(), this);
    txtLicence->setReadOnly(true);
    txtLicence->setAccessibleName(tr("Licence"));
    txtLicence->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtLicence->setMinimumHeight(txtLicence->fontMetrics().lineSpacing() * 8);
    layout->addWidget(txtLicence, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    const int lineWidth = txtLicence->fontMetrics().horizontalAdvance(QString(80, 'M'));
    resize(std::max(lineWidth + 60, 480), sizeHint().height());
}

QStringList AboutDialog::LibraryVersions() {
    QStringList lines{QStringLiteral("Qt %1").arg(qVersion()), JpegVersion()};
#if defined(MOTTLER_LINKS_GIFLIB)
    lines << QStringLiteral("giflib %1.%2.%3")
                 .arg(GIFLIB_MAJOR)
                 .arg(GIFLIB_MINOR)
                 .arg(GIFLIB_RELEASE);
#endif
#if defined(MOTTLER_LINKS_IMAGEQUANT)
    lines << QStringLiteral("libimagequant %1").arg(LIQ_VERSION_STRING);
#endif
    lines << VideoLibraryVersions() << WebpLibraryVersion();
    return lines;
}

} // namespace mottler
