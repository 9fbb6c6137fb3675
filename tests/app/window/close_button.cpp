// Presses a window's close button the way a window manager does, for a desktop with none (Xvfb):
// finds the top-level window whose title begins with NAME and sends it the WM_DELETE_WINDOW client
// message of the WM_PROTOCOLS it announced.
// usage: close_button NAME   (0 = sent, 1 = no such window, or it does not take WM_DELETE_WINDOW,
//                             2 = wrong arguments or no X display)
// Once the X server has the message, prints that moment in nanoseconds since the epoch (as `date +%s%N`
// gives it): a close is timed from there, not from this program's own start-up.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <time.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The window's title: the UTF-8 _NET_WM_NAME where it has one, else WM_NAME.
std::string TitleOf(Display* display, Window window) {
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
          Success &&
      data != nullptr && type == utf8 && format == 8) {
    title.assign(reinterpret_cast<const char*>(data), count);
  }
  if (data != nullptr) XFree(data);
  if (!title.empty()) return title;
  char* name = nullptr;
  if (XFetchName(display, window, &name) != 0 && name != nullptr) {
    title = name;
    XFree(name);
  }
  return title;
}

bool TakesDeleteWindow(Display* display, Window window, Atom deleteWindow) {
  Atom* protocols = nullptr;
  int count = 0;
  if (XGetWMProtocols(display, window, &protocols, &count) == 0) return false;
  bool takes = false;
  for (int i = 0; i < count; ++i) takes = takes || protocols[i] == deleteWindow;
  XFree(protocols);
  return takes;
}

// Every window below `parent` (depth first) whose title begins with `name`.
void FindByTitle(Display* display, Window parent, const std::string& name, std::vector<Window>& found) {
  Window root = 0, up = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, parent, &root, &up, &children, &count) == 0) return;
  for (unsigned int i = 0; i < count; ++i) {
    if (TitleOf(display, children[i]).compare(0, name.size(), name) == 0) found.push_back(children[i]);
    FindByTitle(display, children[i], name, found);
  }
  if (children != nullptr) XFree(children);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '\0') {
    std::fprintf(stderr, "usage: close_button NAME\n");
    return 2;
  }
  const std::string name = argv[1];
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "close_button: no X display to open\n");
    return 2;
  }
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
  std::vector<Window> found;
  FindByTitle(display, DefaultRootWindow(display), name, found);
  // A window manager closes the window that asked for the close button: the one that
  // announced WM_DELETE_WINDOW (a window without it would be killed instead).
  std::vector<Window> closable;
  for (Window window : found) {
    if (TakesDeleteWindow(display, window, deleteWindow)) closable.push_back(window);
  }
  if (closable.size() != 1) {
    if (closable.empty()) {
      std::fprintf(stderr, "close_button: no window titled \"%s...\" takes WM_DELETE_WINDOW (%zu found)\n",
                   name.c_str(), found.size());
    } else {
      std::fprintf(stderr, "close_button: %zu windows titled \"%s...\": which one is meant?\n", closable.size(),
                   name.c_str());
    }
    XCloseDisplay(display);
    return 1;
  }
  XEvent event;
  std::memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.window = closable[0];
  event.xclient.message_type = protocols;
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(deleteWindow);
  event.xclient.data.l[1] = CurrentTime;
  const Status sent = XSendEvent(display, closable[0], False, NoEventMask, &event);
  XSync(display, False);
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  XCloseDisplay(display);
  if (sent == 0) {
    std::fprintf(stderr, "close_button: the X server refused the close message\n");
    return 1;
  }
  std::printf("%lld%09ld\n", static_cast<long long>(now.tv_sec), static_cast<long>(now.tv_nsec));
  return 0;
}
