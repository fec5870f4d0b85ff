// Measures a program's start-up as a person sees it: from exec until its 510 x 462 window is
// mapped and painted (the first non-black pixel on a black-rooted Xvfb), and its peak
// resident memory at that moment.
//
//   startup_probe RUNS PROGRAM [ARGS...]
//
// Prints one line per run: "<milliseconds> <peak RSS KiB>".
#include <xcb/xcb.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

long peakRssKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

bool painted(xcb_connection_t *c, xcb_window_t window)
{
    xcb_get_image_reply_t *image =
        xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 20, 20, 1, 1, ~0u), nullptr);
    if (!image)
        return false;
    uint32_t pixel = 0;
    std::memcpy(&pixel, xcb_get_image_data(image), std::min<int>(4, xcb_get_image_data_length(image)));
    std::free(image);
    return (pixel & 0xffffff) != 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) {
            execv(argv[2], argv + 2);
            _exit(127);
        }
        xcb_window_t window = 0;
        while (!window) {
            xcb_generic_event_t *event = xcb_wait_for_event(c);
            if (!event)
                return 1;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                xcb_get_geometry_reply_t *geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, map->window), nullptr);
                if (geometry && geometry->width == 510 && geometry->height == 462)
                    window = map->window;
                std::free(geometry);
            }
            std::free(event);
        }
        while (!painted(c, window))
            usleep(200);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("%.1f %ld\n", ms, peakRssKiB(child));
        std::fflush(stdout);
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        // Drain the unmap and destroy notices of this run.
        while (xcb_generic_event_t *event = xcb_poll_for_event(c))
            std::free(event);
        usleep(100 * 1000);
        while (xcb_generic_event_t *event = xcb_poll_for_event(c))
            std::free(event);
    }
    xcb_disconnect(c);
    return 0;
}
