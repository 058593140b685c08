// Starts a program on the current X display and reports how long it took until
// its first window was mapped, its peak memory (kB) and the processor time it
// used by then and in the half second after (ms):  launch_probe PROGRAM [ARGS...]
#include <X11/Xlib.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: launch_probe PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "launch_probe: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != MapNotify);
    const auto mapped = std::chrono::steady_clock::now();

    // Let it settle (first paint, fonts) before reading its peak memory.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);

    const double ms = std::chrono::duration<double, std::milli>(mapped - start).count();
    const auto cpuMs = [](const timeval& time) { return time.tv_sec * 1000.0 + time.tv_usec / 1000.0; };
    std::printf("%.1f %ld %.1f\n", ms, usage.ru_maxrss, cpuMs(usage.ru_utime) + cpuMs(usage.ru_stime));
    return 0;
}
