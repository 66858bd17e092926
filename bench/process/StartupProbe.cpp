// How long a program takes from being started to showing its window: forks,
// runs the program and waits for the first top-level window to be mapped on
// the X display, then prints the milliseconds from the fork to the MapNotify
// and ends the program. Run against an X server no window manager runs on
// (the startup script starts Xvfb), so that the window is mapped as asked.

#include <X11/Xlib.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM [ARGUMENT]...\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    // Windows created directly under the root are the programs' top levels.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("startup_probe: fork");
        return 2;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[1], argv + 1);
        std::perror("startup_probe: exec");
        _exit(127);
    }

    constexpr int TimeoutMs = 20000;
    double mappedMs = -1;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (mappedMs < 0) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                const std::chrono::duration<double, std::milli> elapsed =
                    std::chrono::steady_clock::now() - started;
                mappedMs = elapsed.count();
                break;
            }
        }
        if (mappedMs >= 0)
            break;
        const std::chrono::duration<double, std::milli> waited =
            std::chrono::steady_clock::now() - started;
        if (waited.count() > TimeoutMs) {
            std::fprintf(stderr, "startup_probe: no window within %d ms\n", TimeoutMs);
            break;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "startup_probe: the program ended before showing a window\n");
            XCloseDisplay(display);
            return 1;
        }
        poll(&connection, 1, 100);
    }
    kill(child, SIGTERM);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    XCloseDisplay(display);
    if (mappedMs < 0)
        return 1;
    std::printf("%.2f\n", mappedMs);
    return 0;
}
