// Measures how long a program takes from its start to the mapping of its first window on the X
// display: starts the command, waits for the first window mapped on the screen, ends the
// program and prints the time in microseconds, then the processor time the program used
// (user and system) until it was ended. Used by startup.sh.
//
//   window_probe COMMAND [ARGUMENTS...]
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_probe COMMAND [ARGUMENTS...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "window_probe: cannot open the display (error %d)\n",
                     xcb_connection_has_error(connection));
        return 2;
    }
    // A new top-level window is a child of the root: its mapping reaches a listener of the root's
    // structure events.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(connection,
                      xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask));

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    bool mapped = false;
    while (!mapped) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_wait_for_event(connection),
                                                                         &std::free);
        if (!event) break;
        mapped = (event->response_type & ~0x80) == XCB_MAP_NOTIFY;
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;

    kill(pid, SIGTERM);
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const long long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL +
                          usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    xcb_disconnect(connection);
    if (!mapped) {
        std::fprintf(stderr, "window_probe: no window was mapped\n");
        return 1;
    }
    std::printf(
        "%lld %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count()), cpu);
    return 0;
}
