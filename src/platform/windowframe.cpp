#include "platform/windowframe.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QMargins>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {

namespace {

// xcb hands replies over in malloc'd memory.
struct Free {
    void operator()(void *reply) const { std::free(reply); }
};
template <typename Reply>
using Owned = std::unique_ptr<Reply, Free>;

xcb_atom_t atomNamed(xcb_connection_t *connection, const char *name)
{
    const Owned<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

Owned<xcb_get_property_reply_t> property(xcb_connection_t *connection, xcb_window_t window,
                                         xcb_atom_t name, xcb_atom_t type, uint32_t length)
{
    return Owned<xcb_get_property_reply_t>(xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, name, type, 0, length), nullptr));
}

// Whether the running window manager says it answers the request.
bool supported(xcb_connection_t *connection, xcb_window_t root, xcb_atom_t request)
{
    const auto reply = property(connection, root, atomNamed(connection, "_NET_SUPPORTED"),
                                XCB_ATOM_ATOM, 4096);
    if (!reply || reply->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == request)
            return true;
    }
    return false;
}

} // namespace

// The answer is kept on the window for the placement before the first show
// (see setWindowPositionTwips and setWindowSizeTwips).
void learnFrameBeforeShow(QWidget &window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t request = atomNamed(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || !supported(connection, root, request))
        return;

    const auto id = xcb_window_t(window.winId());
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = id;
    event.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);

    // The answer is _NET_FRAME_EXTENTS on the window: left, right, top,
    // bottom. A window manager answers at once; do not wait long for one
    // that does not.
    const xcb_atom_t extents = atomNamed(connection, "_NET_FRAME_EXTENTS");
    for (QDeadlineTimer deadline(500); !deadline.hasExpired(); QThread::msleep(5)) {
        const auto reply = property(connection, id, extents, XCB_ATOM_CARDINAL, 4);
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) == 16) {
            const auto *frame = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
            window.setProperty(learnedFrameProperty, QVariant::fromValue(QMargins(
                    int(frame[0]), int(frame[2]), int(frame[1]), int(frame[3]))));
            return;
        }
    }
}

void showOwnedBy(QWidget &window, const QWidget &owner)
{
    window.show();
    if (QWindow *handle = window.windowHandle())
        handle->setTransientParent(owner.windowHandle());
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto ownerId = xcb_window_t(owner.winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()),
                        XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &ownerId);
    xcb_flush(connection);
}

} // namespace platform
