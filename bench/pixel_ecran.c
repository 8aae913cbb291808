/* Prints the colour of one pixel of the X screen as "r,g,b", reading that pixel alone: a
   screenshot of the whole root window takes longer than a start-up on a 4K screen. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: pixel_ecran X Y\n");
    return 2;
  }
  Display* d = XOpenDisplay(NULL);
  if (!d) return 1;
  XImage* image = XGetImage(d, DefaultRootWindow(d), atoi(argv[1]), atoi(argv[2]), 1, 1,
                            AllPlanes, ZPixmap);
  if (!image) return 1;
  const unsigned long p = XGetPixel(image, 0, 0);
  printf("%lu,%lu,%lu\n", (p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  XDestroyImage(image);
  XCloseDisplay(d);
  return 0;
}
