// A screen whose every pixel has its own colour, for the eyedropper's end-to-end test: red is
// x mod 256, green y mod 256, blue the high bits of x (low nibble) and y (high nibble).
// Usage: screen_pattern fill       makes the root window's background that pattern
//        screen_pattern pixel X Y  prints what the screen shows at (X, Y) as #RRGGBB
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char** argv)
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const xcb_screen_t* s = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    // Only the server's usual 24-bit layout in 32-bit pixels, low byte first.
    if (xcb_connection_has_error(c) || s->root_depth != 24 ||
        xcb_get_setup(c)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return 2;
    const int w = s->width_in_pixels, h = s->height_in_pixels;
    if (argc == 4 && !std::strcmp(argv[1], "pixel")) {
        const auto x = static_cast<std::int16_t>(std::atoi(argv[2]));
        const auto y = static_cast<std::int16_t>(std::atoi(argv[3]));
        auto* reply = xcb_get_image_reply(
            c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, s->root, x, y, 1, 1, ~0u), nullptr);
        if (!reply)
            return 2;
        std::uint32_t pixel;
        std::memcpy(&pixel, xcb_get_image_data(reply), sizeof pixel);
        std::printf("#%06X\n", pixel & 0xFFFFFF);
        std::free(reply);
        xcb_disconnect(c);
        return 0;
    }
    if (argc != 2 || std::strcmp(argv[1], "fill"))
        return 2;
    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_pixmap(c, s->root_depth, pixmap, s->root, w, h);
    xcb_create_gc(c, gc, pixmap, 0, nullptr);
    std::vector<std::uint32_t> line(static_cast<std::size_t>(w));
    for (int y = 0; y < h; ++y) { // a line a request keeps each one small
        for (int x = 0; x < w; ++x)
            line[static_cast<std::size_t>(x)] =
                (x & 255) << 16 | (y & 255) << 8 | ((x >> 8) & 15) | ((y >> 8) & 15) << 4;
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, w, 1, 0, y, 0, 24, w * 4,
                      reinterpret_cast<const std::uint8_t*>(line.data()));
    }
    xcb_change_window_attributes(c, s->root, XCB_CW_BACK_PIXMAP, &pixmap);
    xcb_clear_area(c, 0, s->root, 0, 0, 0, 0);
    xcb_free_pixmap(c, pixmap); // the root keeps its background
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // a round trip
    xcb_disconnect(c);
}
