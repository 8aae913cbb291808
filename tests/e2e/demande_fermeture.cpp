// demande_fermeture WINDOW: sends the window the close request a window manager sends when
// the user closes it (a WM_PROTOCOLS client message carrying WM_DELETE_WINDOW). A bare X
// server has no window manager to do it, and xdotool's windowclose destroys the window.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: demande_fermeture WINDOW\n");
    return 2;
  }
  Display* ecran = XOpenDisplay(nullptr);
  if (!ecran) {
    std::fprintf(stderr, "demande_fermeture: no display\n");
    return 1;
  }
  const Window fenetre = std::strtoul(argv[1], nullptr, 0);
  const Atom protocoles = XInternAtom(ecran, "WM_PROTOCOLS", False);
  const Atom fermeture = XInternAtom(ecran, "WM_DELETE_WINDOW", False);

  // A window manager sends the request only to a window that says it takes it.
  Atom* pris = nullptr;
  int nombre = 0;
  bool accepte = false;
  if (XGetWMProtocols(ecran, fenetre, &pris, &nombre)) {
    for (int i = 0; i < nombre; ++i) accepte = accepte || pris[i] == fermeture;
    XFree(pris);
  }
  if (!accepte) {
    std::fprintf(stderr, "demande_fermeture: the window does not take WM_DELETE_WINDOW\n");
    XCloseDisplay(ecran);
    return 1;
  }

  XEvent evenement{};
  evenement.xclient.type = ClientMessage;
  evenement.xclient.window = fenetre;
  evenement.xclient.message_type = protocoles;
  evenement.xclient.format = 32;
  evenement.xclient.data.l[0] = static_cast<long>(fermeture);
  evenement.xclient.data.l[1] = CurrentTime;
  XSendEvent(ecran, fenetre, False, NoEventMask, &evenement);
  XSync(ecran, False);
  XCloseDisplay(ecran);
  return 0;
}
