// demande_fermeture WINDOW: sends the window the close request a window manager sends when
// the user closes it (a WM_PROTOCOLS client message carrying WM_DELETE_WINDOW). A bare X
// server has no window manager to do it, and xdotool's windowclose destroys the window.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t atome(xcb_connection_t* connexion, const char* nom) {
  xcb_intern_atom_reply_t* reponse = xcb_intern_atom_reply(
      connexion, xcb_intern_atom(connexion, 0, static_cast<uint16_t>(std::strlen(nom)), nom),
      nullptr);
  const xcb_atom_t a = reponse ? reponse->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reponse);
  return a;
}

// Whether the window lists the protocol in its WM_PROTOCOLS: a window manager sends the
// request only to a window that says it takes it.
bool prend(xcb_connection_t* connexion, xcb_window_t fenetre, xcb_atom_t protocoles,
           xcb_atom_t protocole) {
  xcb_get_property_reply_t* reponse = xcb_get_property_reply(
      connexion,
      xcb_get_property(connexion, 0, fenetre, protocoles, XCB_ATOM_ATOM, 0, 64), nullptr);
  bool trouve = false;
  if (reponse && reponse->format == 32) {
    const auto* atomes = static_cast<const xcb_atom_t*>(xcb_get_property_value(reponse));
    const int nombre = xcb_get_property_value_length(reponse) / 4;
    for (int i = 0; i < nombre; ++i) trouve = trouve || atomes[i] == protocole;
  }
  std::free(reponse);
  return trouve;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: demande_fermeture WINDOW\n");
    return 2;
  }
  xcb_connection_t* connexion = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connexion)) {
    std::fprintf(stderr, "demande_fermeture: no display\n");
    xcb_disconnect(connexion);
    return 1;
  }
  const auto fenetre = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
  const xcb_atom_t protocoles = atome(connexion, "WM_PROTOCOLS");
  const xcb_atom_t fermeture = atome(connexion, "WM_DELETE_WINDOW");
  if (!prend(connexion, fenetre, protocoles, fermeture)) {
    std::fprintf(stderr, "demande_fermeture: the window does not take WM_DELETE_WINDOW\n");
    xcb_disconnect(connexion);
    return 1;
  }

  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = fenetre;
  message.type = protocoles;
  message.data.data32[0] = fermeture;
  message.data.data32[1] = XCB_CURRENT_TIME;
  // Checked, so that the server has handled the request before the connection closes: a
  // request still unread when its client goes may be dropped.
  xcb_generic_error_t* erreur = xcb_request_check(
      connexion, xcb_send_event_checked(connexion, 0, fenetre, XCB_EVENT_MASK_NO_EVENT,
                                        reinterpret_cast<const char*>(&message)));
  const bool envoye = erreur == nullptr;
  std::free(erreur);
  xcb_disconnect(connexion);
  if (!envoye) std::fprintf(stderr, "demande_fermeture: the server refused the message\n");
  return envoye ? 0 : 1;
}
