/* Starts a program and waits for its first painted frame: until two pixels of the X screen
   show the colours given, reading those pixels alone every millisecond (one process for
   the whole wait, so that the reading is late by about a millisecond and takes little
   of the machine). Prints the milliseconds from the start and the program's pid, and
   leaves it running.
   Usage: premiere_image X1 Y1 R,G,B X2 Y2 R,G,B TIMEOUT_MS PROGRAM [ARGS...] */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static double maintenant_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/* Whether the pixel at x, y has the colour "r,g,b". */
static int montre(Display* d, int x, int y, const char* couleur) {
  XImage* image = XGetImage(d, DefaultRootWindow(d), x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return 0;
  const unsigned long p = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  char lue[32];
  snprintf(lue, sizeof lue, "%lu,%lu,%lu", (p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  return strcmp(lue, couleur) == 0;
}

int main(int argc, char** argv) {
  if (argc < 9) {
    fprintf(stderr, "usage: premiere_image X1 Y1 R,G,B X2 Y2 R,G,B TIMEOUT_MS PROGRAM [ARGS...]\n");
    return 2;
  }
  Display* d = XOpenDisplay(NULL);
  if (!d) return 1;
  const double delai = atof(argv[7]);
  const double debut = maintenant_ms();
  fprintf(stderr, "T %.1f fork\n", debut);
  const pid_t enfant = fork();
  if (enfant == 0) {
    const int rien = open("/dev/null", O_WRONLY);
    dup2(rien, STDOUT_FILENO);

    execv(argv[8], argv + 8);
    _exit(127);
  }
  if (enfant < 0) return 1;
  const struct timespec pause = {0, 1000000};
  while (!(montre(d, atoi(argv[1]), atoi(argv[2]), argv[3]) &&
           montre(d, atoi(argv[4]), atoi(argv[5]), argv[6]))) {
    if (maintenant_ms() - debut > delai) {
      fprintf(stderr, "no frame after %.0f ms\n", delai);
      printf("0 %d\n", (int)enfant);
      return 1;
    }
    nanosleep(&pause, NULL);
  }
  fprintf(stderr, "T %.1f vu\n", maintenant_ms());
  printf("%.0f %d\n", maintenant_ms() - debut, (int)enfant);
  XCloseDisplay(d);
  return 0;
}
