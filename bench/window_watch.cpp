// Starts a program and reports how long it took until its window with the
// given title was mapped on the X display, and the program's peak memory:
//
//   window_watch TITLE PROGRAM [ARGUMENT...]
//
// prints "SECONDS KIB". One connection watches the root window for new
// windows, so the measurement does not disturb the program it measures.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool HasTitle(Display* display, Window window, const char* title) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr) {
        return false;
    }
    const bool same = std::strcmp(name, title) == 0;
    XFree(name);
    return same;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_watch TITLE PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    // A display that has just started may not accept connections yet.
    Display* display = nullptr;
    for (int attempt = 0; attempt < 100 && display == nullptr; ++attempt) {
        display = XOpenDisplay(nullptr);
        if (display == nullptr) {
            usleep(20 * 1000);
        }
    }
    if (display == nullptr) {
        std::fprintf(stderr, "window_watch: no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double seconds = -1;
    while (seconds < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && HasTitle(display, event.xmap.window, argv[1])) {
            seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "window_watch: the program ended before its window appeared\n");
            return 1;
        }
    }
    // Let the window settle, then end the program and read its peak memory.
    usleep(500 * 1000);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    std::printf("%.4f %ld\n", seconds, usage.ru_maxrss);
    return 0;
}
