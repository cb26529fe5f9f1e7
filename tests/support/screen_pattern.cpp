// A screen whose every pixel has its own colour, for the eyedropper's end-to-end test: red is
// x mod 256, green y mod 256, blue the high bits of x (low nibble) and y (high nibble).
// Usage: screen_pattern fill       makes the root window's background that pattern
//        screen_pattern loupe X Y  exit 0 when the screen shows a loupe with pixel (X, Y)
//                                  framed in its centre and its four neighbours around it
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::uint32_t colorAt(int x, int y)
{
    return (x & 255) << 16 | (y & 255) << 8 | ((x >> 8) & 15) | ((y >> 8) & 15) << 4;
}

int fill(xcb_connection_t* c, const xcb_screen_t* s)
{
    const int w = s->width_in_pixels, h = s->height_in_pixels, rows = 16;
    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_pixmap(c, s->root_depth, pixmap, s->root, w, h);
    xcb_create_gc(c, gc, pixmap, 0, nullptr);
    std::vector<std::uint32_t> line(static_cast<std::size_t>(w) * rows);
    for (int top = 0; top < h; top += rows) {
        const int n = top + rows > h ? h - top : rows;
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < w; ++x)
                line[static_cast<std::size_t>(y * w + x)] = colorAt(x, top + y);
        }
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, w, n, 0, top, 0, s->root_depth,
                      n * w * 4, reinterpret_cast<const std::uint8_t*>(line.data()));
    }
    xcb_change_window_attributes(c, s->root, XCB_CW_BACK_PIXMAP, &pixmap);
    xcb_clear_area(c, 0, s->root, 0, 0, 0, 0);
    xcb_free_gc(c, gc);
    xcb_free_pixmap(c, pixmap); // the root keeps its background
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // a round trip
    return 0;
}

int loupe(xcb_connection_t* c, const xcb_screen_t* s, int px, int py)
{
    const int w = s->width_in_pixels, h = s->height_in_pixels;
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, s->root, 0, 0, w, h, ~0u), nullptr);
    if (!reply || xcb_get_image_data_length(reply) < w * h * 4)
        return 2;
    const auto* image = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(reply));
    auto at = [&](int x, int y) {
        return x < 0 || y < 0 || x >= w || y >= h ? 0xFF000000u : image[y * w + x] & 0xFFFFFF;
    };
    const std::uint32_t centre = colorAt(px, py);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // The top-left corner of a block of the centre's colour, at least 8 x 8.
            if (at(x, y) != centre || at(x - 1, y) == centre || at(x, y - 1) == centre ||
                at(x + 7, y + 7) != centre)
                continue;
            int cell = 0;
            while (at(x + cell, y) == centre)
                ++cell;
            const int mid = cell / 2;
            const bool framed = at(x - 1, y + mid) != colorAt(px - 1, py) &&
                                at(x - 2, y + mid) != colorAt(px - 1, py) &&
                                at(x - 1, y + mid) != at(x - 2, y + mid);
            const bool neighbours = at(x - cell, y + mid) == colorAt(px - 1, py) &&
                                    at(x + 2 * cell - 1, y + mid) == colorAt(px + 1, py) &&
                                    at(x + mid, y - cell) == colorAt(px, py - 1) &&
                                    at(x + mid, y + 2 * cell - 1) == colorAt(px, py + 1);
            const bool square = cell >= 8 && at(x + mid, y + cell - 1) == centre;
            std::printf("cell of %d px at %d,%d: square %d, framed %d, neighbours %d\n", cell, x, y,
                        square, framed, neighbours);
            std::free(reply);
            return square && framed && neighbours ? 0 : 1;
        }
    }
    std::printf("no block of #%06X\n", centre);
    std::free(reply);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_screen_t* s = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    // Only the server's usual 24-bit layout in 32-bit pixels, low byte first.
    if (s->root_depth != 24 || xcb_get_setup(c)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return 2;
    if (argc == 2 && !std::strcmp(argv[1], "fill"))
        return fill(c, s);
    if (argc == 4 && !std::strcmp(argv[1], "loupe"))
        return loupe(c, s, std::atoi(argv[2]), std::atoi(argv[3]));
    std::fprintf(stderr, "usage: screen_pattern fill | loupe X Y\n");
    return 2;
}
