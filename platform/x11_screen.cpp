#include "x11_screen.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

xcb_connection_t* connection()
{
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

struct Pointer {
    const xcb_screen_t* screen; // the X screen whose root the pointer is on
    QPoint position;
};

std::optional<Pointer> queryPointer(xcb_connection_t* c)
{
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    if (!it.rem)
        return std::nullopt;
    const Reply<xcb_query_pointer_reply_t> reply(
        xcb_query_pointer_reply(c, xcb_query_pointer(c, it.data->root), nullptr));
    if (!reply)
        return std::nullopt;
    for (; it.rem; xcb_screen_next(&it)) {
        if (it.data->root == reply->root)
            return Pointer{it.data, QPoint(reply->root_x, reply->root_y)};
    }
    return std::nullopt;
}

// How the server lays out the pixels of an image it sends.
struct PixelFormat {
    int bytesPerPixel = 0;
    int scanlinePad = 32; // bits
    bool msbFirst = false;
    std::uint32_t red = 0, green = 0, blue = 0; // masks
};

std::optional<PixelFormat> pixelFormat(xcb_connection_t* c, const xcb_screen_t* screen,
                                       std::uint8_t depth, xcb_visualid_t visual)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    PixelFormat format;
    format.msbFirst = setup->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it)) {
        if (it.data->depth == depth) {
            format.bytesPerPixel = it.data->bits_per_pixel / 8;
            format.scanlinePad = it.data->scanline_pad;
        }
    }
    for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d)) {
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
            if (v.data->visual_id == visual) {
                format.red = v.data->red_mask;
                format.green = v.data->green_mask;
                format.blue = v.data->blue_mask;
            }
        }
    }
    // Only true-colour formats of whole bytes; a palette server has no masks.
    if (format.bytesPerPixel < 2 || format.bytesPerPixel > 4 || !format.red || !format.green ||
        !format.blue)
        return std::nullopt;
    return format;
}

// One channel scaled to 0-255, whatever width its mask has (5, 6, 8 or 10 bits).
int channel(std::uint32_t value, std::uint32_t mask)
{
    const int shift = std::countr_zero(mask);
    const std::uint32_t most = mask >> shift;
    return static_cast<int>((((value & mask) >> shift) * 255 + most / 2) / most);
}

QRgb pixelAt(const std::uint8_t* data, const PixelFormat& format)
{
    std::uint32_t value = 0;
    for (int i = 0; i < format.bytesPerPixel; ++i) {
        const int byte = format.msbFirst ? i : format.bytesPerPixel - 1 - i;
        value = (value << 8) | data[byte];
    }
    return qRgb(channel(value, format.red), channel(value, format.green),
                channel(value, format.blue));
}

} // namespace

bool X11Screen::available()
{
    return connection() != nullptr;
}

std::optional<QPoint> X11Screen::pointerPosition()
{
    xcb_connection_t* c = connection();
    if (!c)
        return std::nullopt;
    if (const std::optional<Pointer> pointer = queryPointer(c))
        return pointer->position;
    return std::nullopt;
}

void X11Screen::movePointer(QPoint physical)
{
    xcb_connection_t* c = connection();
    const std::optional<Pointer> pointer = c ? queryPointer(c) : std::nullopt;
    if (!pointer)
        return;
    xcb_warp_pointer(c, XCB_NONE, pointer->screen->root, 0, 0, 0, 0,
                     static_cast<std::int16_t>(physical.x()),
                     static_cast<std::int16_t>(physical.y()));
    xcb_flush(c);
}

QImage X11Screen::region(const QRect& physical)
{
    xcb_connection_t* c = connection();
    const std::optional<Pointer> pointer = c ? queryPointer(c) : std::nullopt;
    if (!pointer)
        return {};
    const xcb_window_t root = pointer->screen->root;
    // The root's size now, not at connection time: the screens may have changed since.
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, root), nullptr));
    if (!geometry)
        return {};
    QImage image(physical.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    // NOTE: the server refuses the whole request when any part lies outside the root window.
    const QRect part = physical & QRect(0, 0, geometry->width, geometry->height);
    if (part.isEmpty())
        return image;
    const Reply<xcb_get_image_reply_t> reply(xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<std::int16_t>(part.x()),
                      static_cast<std::int16_t>(part.y()), static_cast<std::uint16_t>(part.width()),
                      static_cast<std::uint16_t>(part.height()), ~0u),
        nullptr));
    if (!reply)
        return {};
    const std::optional<PixelFormat> format =
        pixelFormat(c, pointer->screen, reply->depth, reply->visual);
    if (!format)
        return {};
    const int bitsPerLine = part.width() * format->bytesPerPixel * 8;
    const int stride =
        (bitsPerLine + format->scanlinePad - 1) / format->scanlinePad * format->scanlinePad / 8;
    if (xcb_get_image_data_length(reply.get()) < stride * part.height())
        return {};
    const std::uint8_t* data = xcb_get_image_data(reply.get());
    const QPoint offset = part.topLeft() - physical.topLeft();
    for (int y = 0; y < part.height(); ++y) {
        const std::uint8_t* line = data + y * stride;
        for (int x = 0; x < part.width(); ++x)
            image.setPixel(offset.x() + x, offset.y() + y,
                           pixelAt(line + x * format->bytesPerPixel, *format));
    }
    return image;
}
