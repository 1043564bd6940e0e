/* Starts a program under the current X display and prints how long it took until its main window
 * was mapped and painted, and the program's resident memory then. "Painted" means a probe pixel of
 * the window shows the expected colour.
 *
 *   startup_probe WINDOW_NAME X Y RRGGBB PROGRAM [ARGS...]
 */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static Window find_named(Display* d, Window w, const char* name) {
    char* title = NULL;
    if (XFetchName(d, w, &title) && title) {
        int same = strcmp(title, name) == 0;
        XFree(title);
        if (same) return w;
    }
    Window root, parent, *children = NULL;
    unsigned int n = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &n)) return 0;
    Window found = 0;
    for (unsigned int i = 0; i < n && !found; ++i) found = find_named(d, children[i], name);
    if (children) XFree(children);
    return found;
}

static long rss_kib(pid_t pid) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    long kib = -1;
    while (f && fgets(line, sizeof line, f))
        if (strncmp(line, "VmRSS:", 6) == 0) kib = atol(line + 6);
    if (f) fclose(f);
    return kib;
}

int main(int argc, char** argv) {
    if (argc < 6) {
        fprintf(stderr, "usage: startup_probe WINDOW_NAME X Y RRGGBB PROGRAM [ARGS...]\n");
        return 2;
    }
    const char* name = argv[1];
    int x = atoi(argv[2]), y = atoi(argv[3]);
    unsigned long want = strtoul(argv[4], NULL, 16);
    Display* d = XOpenDisplay(NULL);
    if (!d) { fprintf(stderr, "no X display\n"); return 2; }
    double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) { execvp(argv[5], argv + 5); _exit(127); }
    double mapped = -1, painted = -1;
    while (now_ms() - start < 10000) {
        Window w = find_named(d, DefaultRootWindow(d), name);
        XWindowAttributes a;
        if (w && XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable) {
            if (mapped < 0) mapped = now_ms() - start;
            XImage* img = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
            if (img) {
                unsigned long p = XGetPixel(img, 0, 0) & 0xFFFFFF;
                XDestroyImage(img);
                if (p == want) { painted = now_ms() - start; break; }
            }
        }
        usleep(500);
    }
    usleep(300000);
    long kib = rss_kib(pid);
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
    if (painted < 0) { fprintf(stderr, "window never painted\n"); return 1; }
    printf("%.1f %.1f %ld\n", mapped, painted, kib);
    return 0;
}
