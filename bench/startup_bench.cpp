// Times start-up as a person sees it: from the exec of a program to its window mapped on the
// display in $DISPLAY (where a window manager may frame it), for each program in turns, so that
// a busy moment falls on all of them alike. Each program is ended once its window is there.
// Usage: duplexa-startup-bench RUNS PROGRAM...
// Prints a line for each program: the median seconds, then the lower and upper quartiles.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kMapTimeout = std::chrono::seconds(20);

struct FreeEvent {
    void operator()(xcb_generic_event_t* event) const { std::free(event); }
};
using Event = std::unique_ptr<xcb_generic_event_t, FreeEvent>;

// A window mapped on the root: the program's own, or the frame a window manager put around it.
// Menus and tooltips (override-redirect) do not count.
bool WindowMapped(xcb_connection_t* x, Clock::time_point deadline) {
    for (;;) {
        while (const Event event{xcb_poll_for_event(x)}) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                reinterpret_cast<const xcb_map_notify_event_t*>(event.get())->override_redirect ==
                    0) {
                return true;
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd wait{xcb_get_file_descriptor(x), POLLIN, 0};
        if (xcb_connection_has_error(x) != 0 || left <= 0 ||
            poll(&wait, 1, static_cast<int>(left)) <= 0) {
            return false;
        }
    }
}

// Whatever the last program left in the queue (its window going) is no start of the next.
void Drain(xcb_connection_t* x) {
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    while (const Event event{xcb_poll_for_event(x)}) {
    }
}

// Seconds from the exec to the mapped window; negative when none came.
double TimeStart(xcb_connection_t* x, const char* program) {
    Drain(x);
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    const bool mapped = child > 0 && WindowMapped(x, start + kMapTimeout);
    const std::chrono::duration<double> took = Clock::now() - start;
    if (child > 0) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    return mapped ? took.count() : -1.0;
}

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc >= 3 ? std::atoi(argv[1]) : 0;
    if (runs < 1) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    const std::vector<const char*> programs(argv + 2, argv + argc);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x) != 0) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, xcb_setup_roots_iterator(xcb_get_setup(x)).data->root,
                                 XCB_CW_EVENT_MASK, &events);

    std::vector<std::vector<double>> times(programs.size());
    for (int run = -1; run < runs; ++run) {  // the first round only fills the caches
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const double seconds = TimeStart(x, programs[p]);
            if (seconds < 0) {
                std::fprintf(stderr, "%s showed no window\n", programs[p]);
                return 1;
            }
            if (run >= 0) {
                times[p].push_back(seconds);
            }
        }
    }
    for (const std::vector<double>& t : times) {
        std::printf("%.4f %.4f %.4f\n", Quantile(t, 0.5), Quantile(t, 0.25), Quantile(t, 0.75));
    }
    xcb_disconnect(x);
    return 0;
}
