/* Preloaded into the program under measurement: timestamps every image it
 * sends to the X server, the moment a frame becomes visible. The game knows
 * nothing of it. Timestamps (CLOCK_MONOTONIC nanoseconds, one a line) are
 * appended to the file named by FRAME_PROBE_OUT in batches, so that a process
 * that ends without running destructors loses at most the last batch. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

enum { batch = 30 };
static long long stamps[batch];
static int stamp_count;

static void write_stamps(void)
{
    const char* path = getenv("FRAME_PROBE_OUT");
    if (!path || stamp_count == 0) {
        return;
    }
    char text[batch * 24];
    int length = 0;
    for (int i = 0; i < stamp_count; ++i) {
        length += snprintf(text + length, sizeof text - (size_t)length,
                           "%lld\n", stamps[i]);
    }
    stamp_count = 0;
    const int out = open(path, O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (out >= 0) {
        if (write(out, text, (size_t)length) < 0) {
            /* nothing to be done from inside another program */
        }
        close(out);
    }
}

static void stamp(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    stamps[stamp_count++] = now.tv_sec * 1000000000LL + now.tv_nsec;
    if (stamp_count == batch) {
        write_stamps();
    }
}

Bool XShmPutImage(Display* d, Drawable w, GC gc, XImage* image, int sx, int sy,
                  int dx, int dy, unsigned int width, unsigned int height,
                  Bool send_event)
{
    static Bool (*real)(Display*, Drawable, GC, XImage*, int, int, int, int,
                        unsigned int, unsigned int, Bool);
    if (!real) {
        *(void**)&real = dlsym(RTLD_NEXT, "XShmPutImage");
    }
    stamp();
    return real(d, w, gc, image, sx, sy, dx, dy, width, height, send_event);
}

int XPutImage(Display* d, Drawable w, GC gc, XImage* image, int sx, int sy,
              int dx, int dy, unsigned int width, unsigned int height)
{
    static int (*real)(Display*, Drawable, GC, XImage*, int, int, int, int,
                       unsigned int, unsigned int);
    if (!real) {
        *(void**)&real = dlsym(RTLD_NEXT, "XPutImage");
    }
    stamp();
    return real(d, w, gc, image, sx, sy, dx, dy, width, height);
}

__attribute__((destructor)) static void write_last_stamps(void)
{
    write_stamps();
}
