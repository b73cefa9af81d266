// Starts a program and reports how long it takes until its window with a
// given title is mapped, then, after an idle pause, the program's resident
// memory; then ends it.
//
// Usage: startup_probe [--title TITLE] [--idle-ms MS] [--timeout-ms MS] -- PROGRAM [ARGS...]
// Prints one line: mapped_ms=<ms> rss_kb=<kB> hwm_kb=<kB> threads=<n>
//
// It watches the X server instead of polling: every top-level window created
// after the start is watched for its MapNotify, which comes the moment the
// window manager (or the server, without one) maps it.
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <set>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

double NowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

xcb_atom_t Atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return atom;
}

std::string Title(xcb_connection_t *c, xcb_window_t w, xcb_atom_t netWmName, xcb_atom_t utf8)
{
    for (auto [prop, type] : {std::pair{netWmName, utf8}, std::pair{xcb_atom_t(XCB_ATOM_WM_NAME), xcb_atom_t(XCB_ATOM_STRING)}}) {
        xcb_get_property_reply_t *r =
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, prop, type, 0, 1024), nullptr);
        if (r && xcb_get_property_value_length(r) > 0) {
            std::string title(static_cast<const char *>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
            std::free(r);
            return title;
        }
        std::free(r);
    }
    return {};
}

bool Viewable(xcb_connection_t *c, xcb_window_t w)
{
    xcb_get_window_attributes_reply_t *r =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
    const bool viewable = r && r->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(r);
    return viewable;
}

long StatusField(pid_t pid, const std::string &field)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    return -1;
}

int Usage()
{
    std::fprintf(stderr, "usage: startup_probe [--title TITLE] [--idle-ms MS] [--timeout-ms MS] -- PROGRAM [ARGS...]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    std::string wanted = "Tocsimo";
    int idleMs = 3000, timeoutMs = 30000;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") {
            ++i;
            break;
        }
        if (i + 1 >= argc) return Usage();
        if (a == "--title") wanted = argv[++i];
        else if (a == "--idle-ms") idleMs = std::atoi(argv[++i]);
        else if (a == "--timeout-ms") timeoutMs = std::atoi(argv[++i]);
        else return Usage();
    }
    if (i >= argc)
        return Usage();

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t netWmName = Atom(c, "_NET_WM_NAME"), utf8 = Atom(c, "UTF8_STRING");
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootMask);
    // A round trip: the mask is in force before the program starts.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

    const double start = NowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[i], argv + i);
        std::perror(argv[i]);
        _exit(127);
    }
    if (child < 0) {
        std::perror("fork");
        return 2;
    }

    double mappedMs = -1;
    std::set<xcb_window_t> watched;
    const uint32_t windowMask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (mappedMs < 0) {
        xcb_generic_event_t *e = xcb_poll_for_event(c);
        if (!e) {
            const int left = int(start + timeoutMs - NowMs());
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                std::fprintf(stderr, "startup_probe: the program ended (status %d) before mapping \"%s\"\n",
                             status, wanted.c_str());
                return 1;
            }
            if (left <= 0 || xcb_connection_has_error(c)) {
                std::fprintf(stderr, "startup_probe: no window \"%s\" mapped within %d ms\n", wanted.c_str(), timeoutMs);
                kill(child, SIGKILL);
                waitpid(child, nullptr, 0);
                return 1;
            }
            poll(&pfd, 1, left < 50 ? left : 50);
            continue;
        }
        const double at = NowMs();
        switch (e->response_type & ~0x80) {
        case XCB_CREATE_NOTIFY: {
            auto *ev = reinterpret_cast<xcb_create_notify_event_t *>(e);
            if (ev->parent != root)
                break;
            watched.insert(ev->window);
            xcb_change_window_attributes(c, ev->window, XCB_CW_EVENT_MASK, &windowMask);
            // It may have been mapped before the mask took effect.
            if (Viewable(c, ev->window) && Title(c, ev->window, netWmName, utf8) == wanted)
                mappedMs = NowMs() - start;
            break;
        }
        case XCB_MAP_NOTIFY: {
            auto *ev = reinterpret_cast<xcb_map_notify_event_t *>(e);
            if (ev->event == ev->window && watched.count(ev->window) &&
                Title(c, ev->window, netWmName, utf8) == wanted)
                mappedMs = at - start;
            break;
        }
        default:
            break;
        }
        std::free(e);
    }

    // Idle: keep draining events so the server never waits on us.
    const double idleEnd = NowMs() + idleMs;
    while (NowMs() < idleEnd) {
        while (xcb_generic_event_t *e = xcb_poll_for_event(c))
            std::free(e);
        usleep(20000);
    }
    const long rss = StatusField(child, "VmRSS"), hwm = StatusField(child, "VmHWM"),
               threads = StatusField(child, "Threads");
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(c);

    std::printf("mapped_ms=%.1f rss_kb=%ld hwm_kb=%ld threads=%ld\n", mappedMs, rss, hwm, threads);
    return 0;
}
