// Times a program's start-up as a user sees it: from spawning the process to
// the moment its window's first frame reaches the X server, seen from outside
// through the DAMAGE extension. A frame counts once the drawing reported on one
// top-level window covers nine tenths of it, so that mapping an empty window
// early does not count. Prints "milliseconds peak-KiB"; the program is ended
// right after, and its peak resident memory read from the kernel. A program
// that shows no frame within 30 seconds (one that failed to start, or whose
// launcher exited and left a window nobody draws) is ended and reported, so
// that a benchmark never waits forever.
//
// usage: first_damage PROGRAM [ARGUMENTS...]
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

namespace {

// Which 8-pixel cells of a window drawing has covered so far.
struct Coverage {
    int width = 0, height = 0;
    std::vector<bool> cells;
    static constexpr int Cell = 8;

    int columns() const { return (width + Cell - 1) / Cell; }
    int rows() const { return (height + Cell - 1) / Cell; }
    void resize(int w, int h) {
        width = w;
        height = h;
        cells.assign(static_cast<std::size_t>(columns() * rows()), false);
    }
    // Marks the cells whose centres the rectangle covers; true once nine
    // tenths of the window are covered.
    bool add(int x, int y, int w, int h) {
        int covered = 0;
        for (int row = 0; row < rows(); ++row)
            for (int column = 0; column < columns(); ++column) {
                const int cx = column * Cell + Cell / 2, cy = row * Cell + Cell / 2;
                const std::size_t at = static_cast<std::size_t>(row * columns() + column);
                if (cx >= x && cx < x + w && cy >= y && cy < y + h)
                    cells[at] = true;
                covered += cells[at];
            }
        return width > 16 && height > 16 && covered * 10 >= columns() * rows() * 9;
    }
};

} // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_damage PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "first_damage: no X server\n");
        return 1;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "first_damage: the X server has no DAMAGE extension\n");
        return 1;
    }
    free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1),
                                        nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::_Exit(127);
    }
    std::map<xcb_window_t, Coverage> windows;
    double milliseconds = -1;
    const auto deadline = start + std::chrono::seconds(30);
    while (milliseconds < 0) {
        std::unique_ptr<xcb_generic_event_t, decltype(&free)> event(xcb_poll_for_event(connection),
                                                                    &free);
        if (!event) {
            if (xcb_connection_has_error(connection))
                break;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd readable{xcb_get_file_descriptor(connection), POLLIN, 0};
            if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) == 0)
                break;
            continue;
        }
        const int type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event.get());
            if (created->parent != root)
                continue;
            xcb_damage_create(connection, xcb_generate_id(connection), created->window,
                              XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(connection);
            windows[created->window].resize(created->width, created->height);
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            const auto *configured = reinterpret_cast<xcb_configure_notify_event_t *>(event.get());
            const auto found = windows.find(configured->window);
            if (found != windows.end() && (found->second.width != configured->width ||
                                           found->second.height != configured->height))
                found->second.resize(configured->width, configured->height);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto *damaged = reinterpret_cast<xcb_damage_notify_event_t *>(event.get());
            const auto found = windows.find(damaged->drawable);
            if (found != windows.end() &&
                found->second.add(damaged->area.x, damaged->area.y, damaged->area.width,
                                  damaged->area.height))
                milliseconds = std::chrono::duration<double, std::milli>(
                                   std::chrono::steady_clock::now() - start)
                                   .count();
        }
    }
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(connection);
    if (milliseconds < 0) {
        std::fprintf(stderr, "first_damage: %s showed no frame within 30 s\n", argv[1]);
        return 1;
    }
    std::printf("%.1f %ld\n", milliseconds, usage.ru_maxrss);
    return 0;
}
