#include "saver/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>

namespace mottler::saver {
namespace {

xcb_connection_t* X11Connection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t RootWindowId(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// Qt does not know the size of a window another program made; the X server does. An empty
// size when the window does not exist (any more).
QSize WindowSize(xcb_connection_t* connection, xcb_window_t id) {
    xcb_get_geometry_reply_t* reply =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
    if (reply == nullptr)
        return {};
    const QSize size(reply->width, reply->height);
    std::free(reply);
    return size;
}

// XScreenSaver resizes its window (the preview in its settings, a screen change); the
// saver's window follows.
void FollowSize(QWindow& window, xcb_connection_t* connection, xcb_window_t id) {
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, connection, id] {
        const QSize size = WindowSize(connection, id);
        if (!size.isEmpty() && size != window.size())
            window.resize(size);
    });
    poll->start(500);
}

} // namespace

QString PlaceSaverWindow(QWindow& window, const SaverOptions& options) {
    if (options.Target == SaverTarget::FullScreen) {
        // Without a window manager to honour the full-screen request, the window would keep
        // its default size.
        window.setGeometry(window.screen()->geometry());
        window.showFullScreen();
        return {};
    }
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr)
        return QStringLiteral("drawing into another window needs an X11 display");
    const auto id = options.Target == SaverTarget::RootWindow
                        ? RootWindowId(connection)
                        : static_cast<xcb_window_t>(options.WindowId);
    const QSize size = WindowSize(connection, id);
    if (size.isEmpty())
        return QStringLiteral("there is no window 0x%1").arg(id, 0, 16);
    window.setParent(QWindow::fromWinId(id));
    window.setGeometry(QRect(QPoint(), size));
    window.show();
    FollowSize(window, connection, id);
    return {};
}

} // namespace mottler::saver
