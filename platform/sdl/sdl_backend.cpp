// sdl_backend.cpp -- the backend in a real window: sharp integer scaling, mouse as stylus, keys and pad.
#include <SDL.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/backend.h"
#include "platform/backend_interface.h"
#include "platform/close_request.h"
#include "platform/instance_lock.h"
#include "platform/leak_check.h"
#include "platform/library_chatter.h"
#include "platform/messages.h"
#include "platform/panel.h"
#include "platform/script.h"
#include "platform/sdl/screenshot.h"
#include "platform/sdl/window_geometry.h"
#include "platform/waits.h"

namespace platform {
namespace {

constexpr int FrameWidth = 240;
constexpr int FrameHeight = 320;
// A frame unchanged this long: nothing moves on the screen, and the window
// stops waking for every frame slot.
constexpr std::uint32_t StillAfterMs = 250;
// The longest sleep of a still screen when no timer, no sound and no script
// wants it earlier (a close by signal or a timed change of the game is seen
// at most this late).
constexpr std::uint32_t LongestStillSleepMs = 100;

Uint32 TextureFormat(std::uint32_t flags) {
  if (flags & FormatDirect555) return SDL_PIXELFORMAT_RGB555;
  if (flags & FormatDirect565) return SDL_PIXELFORMAT_RGB565;
  return SDL_PIXELFORMAT_RGB444;
}

class SdlBackend : public Backend {
 public:
  SdlBackend(Script script, int scale, bool scaleAsked, bool scripted)
      : script_(std::move(script)), scripted_(scripted), scaleAsked_(scaleAsked), scale_(scale) {}

  ~SdlBackend() override {
    StopSignalWatch();
    CloseDisplay();
    for (SDL_GameController* pad : pads_) SDL_GameControllerClose(pad);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER);
  }

  bool Start(std::string& error) {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // SIGTERM and SIGINT are the game's own close requests (platform/close_request).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    const QuietLibraries quiet;  // the window system's and drivers' own warnings
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      error = std::string("cannot open a window: ") + SDL_GetError() + " (--headless runs without one)";
      return false;
    }
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);  // no pad support is not an error
    StartSignalWatch();
    start_ = SDL_GetTicks();
    // A window larger than the screen cannot be seen whole: a scale asked for is refused, one from the
    // settings is brought down to the largest that fits.
    SDL_Rect usable{0, 0, FrameWidth, FrameHeight};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0 && SDL_GetDisplayBounds(0, &usable) != 0) return true;
    const int largest = DefaultScale(usable.w, usable.h);
    if (scale_ > largest) {
      if (scaleAsked_) {
        error = "--scale " + std::to_string(scale_) + " does not fit this screen (" + std::to_string(usable.w) + " x " +
                std::to_string(usable.h) + "); the largest that fits is " + std::to_string(largest);
        return false;
      }
      scale_ = largest;
    }
    return true;
  }

  // True when the renderer's OpenGL is a software rasteriser.
  static bool DrawnByProcessor(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 || !info.name) return false;
    const std::string name = info.name;
    if (name.rfind("opengl", 0) != 0) return false;
    using GetString = const unsigned char* (*)(unsigned int);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (!getString) return false;
    const unsigned char* text = getString(0x1F01);  // GL_RENDERER
    if (!text) return false;
    const std::string gl = reinterpret_cast<const char*>(text);
    for (const char* soft : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"})
      if (gl.find(soft) != std::string::npos) return true;
    return false;
  }

  static int FittingScale() {
    SDL_Rect usable{0, 0, FrameWidth, FrameHeight};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) SDL_GetDisplayBounds(0, &usable);
    return DefaultScale(usable.w, usable.h);
  }

  bool OpenDisplay() override {
    if (window_) return true;
    int scale = scale_;
    if (scale <= 0) scale = FittingScale();
    const QuietLibraries quiet;  // the window system's and drivers' own warnings
    window_ = SDL_CreateWindow("Duskhaven", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, FrameWidth * scale,
                               FrameHeight * scale, SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) return false;
    const bool choose = !SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    // The look at the OpenGL below starts its driver. Drawn by the processor,
    // that driver would leave its worker and shader-cache threads behind after
    // it is dropped, and the process exit waits for them (hundreds of
    // milliseconds on a busy machine). The player's own settings of these win.
    if (choose) {
      setenv("LP_NUM_THREADS", "0", 0);
      setenv("MESA_SHADER_CACHE_DISABLE", "true", 0);
    }
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    // OpenGL drawn by the processor (no GPU: llvmpipe and the like) costs more
    // than SDL's own software renderer for one scaled picture, and keeps
    // threads of its own busy: the software renderer is used instead.
    if (renderer_ && choose && DrawnByProcessor(renderer_)) {
      SDL_DestroyRenderer(renderer_);
      renderer_ = nullptr;
    }
    if (!renderer_) {
      // The software renderer draws into the window's surface, which SDL would
      // otherwise show through an OpenGL texture: drawn by the processor
      // again, at several times the cost of the window system's own shared
      // memory picture. (SDL_FRAMEBUFFER_ACCELERATION set by the player wins.)
      if (choose) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
      renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    }
    if (!renderer_) {
      CloseDisplay();
      return false;
    }
    SDL_RendererInfo info{};
    keepsPicture_ = SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
    const Uint32 narrow = TextureFormat(ThePanel().Profile().properties.formatFlags);
    const Uint32 wide = keepsPicture_ ? WideFormat() : static_cast<Uint32>(SDL_PIXELFORMAT_UNKNOWN);
    wide_ = wide != static_cast<Uint32>(SDL_PIXELFORMAT_UNKNOWN);
    texture_ =
        SDL_CreateTexture(renderer_, wide_ ? wide : narrow, SDL_TEXTUREACCESS_STREAMING, FrameWidth, FrameHeight);
    if (!texture_) {
      CloseDisplay();
      return false;
    }
    upright_.clear();  // the texture holds nothing yet: the first frame is sent whole
    nextSlot_ = SDL_GetPerformanceCounter();
    changedAt_ = TickCount();
    Render();
    return true;
  }

  void CloseDisplay() override {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
    pictureWhole_ = false;
  }

  bool HasScreen() const override { return window_ != nullptr; }

  void ShowPanel() override {
    if (scripted_) script_.TakeDue(TickCount());
    // Only a changed frame is drawn; an unchanged one costs the wait for its
    // slot. (Loading steps and animations present without waiting for
    // input: they are never slowed by the longer sleep of a still screen.)
    if (ThePanel().Show() && window_) {
      ThePanel().Upright(next_);
      const FrameArea area = ChangedArea(upright_, next_, FrameWidth, FrameHeight);
      upright_.swap(next_);
      if (area.w > 0 && area.h > 0) ShowArea(area);
      changedAt_ = TickCount();
    }
    if (window_) Pace();
    NoticeCloseButton();
  }

  std::uint32_t TickCount() override { return SDL_GetTicks() - start_; }

  void Sleep(std::uint32_t ms) override {
    if (scripted_) script_.TakeDue(TickCount() + ms);
    SDL_Delay(ms);
    NoticeCloseButton();
  }

  // Pauses and animations that read no input still see the close button (the
  // event stays queued for the input pump).
  static void NoticeCloseButton() {
    SDL_PumpEvents();
    if (SDL_HasEvent(SDL_QUIT)) RequestClose();
  }

  // Called for every block a picture decoder reads: looks at the window at
  // most every 10 ms, so a close during a long decode still ends at once.
  void NoticeClose() override {
    const Uint32 now = SDL_GetTicks();
    if (now - lastNotice_ < 10) return;
    lastNotice_ = now;
    NoticeCloseButton();
  }

  void IdleUntilInput(std::uint32_t maxMs, const char* waitName, bool endless) override {
    std::uint32_t next = 0;
    if (scripted_ && endless && !script_.NextTime(next)) StopHere(waitName);
    // A wait with no end of its own (the main loop's, a box's, a wait for a
    // tap) on a still screen sleeps until input or the next timed thing, not
    // for its short slice or the next frame slot.
    if (endless && window_ && Still()) {
      SleepWhileStill();
      return;
    }
    std::uint32_t wait = maxMs;
    const std::uint32_t now = TickCount();
    if (scripted_ && script_.NextTime(next)) wait = std::min(wait, next > now ? next - now : 0u);
    if (wait == 0) return;
    SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<std::uint32_t>(wait, 1000)));
    if (scripted_) script_.TakeDue(TickCount());
  }

  void EndRun() override {
    if (scripted_) script_.TakeFinal(TickCount());
  }

  bool ScriptSeed(std::uint32_t& seed) const override {
    seed = script_.Seed();
    return scripted_;
  }

  void PumpInput() override {
    if (TakeRaiseRequest() && window_) {
      SDL_RestoreWindow(window_);
      SDL_RaiseWindow(window_);
    }
    SDL_Event e;
    while (SDL_PollEvent(&e)) Translate(e);
    if (scripted_) script_.PostDue(TickCount());
  }

 private:
  // The frame at the largest whole scale that fits, centred, black bars around.
  SDL_Rect FrameRect() const {
    int w = FrameWidth, h = FrameHeight;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    const FramePlace p = PlaceFrame(w, h);
    return {p.x, p.y, FrameWidth * p.scale, FrameHeight * p.scale};
  }

  void Render() {
    if (!renderer_) return;
    Draw();
    SDL_RenderPresent(renderer_);
    pictureWhole_ = true;
  }

  // Brings the changed area of the frame to the window. The software renderer
  // draws into the window's own surface, which keeps its picture from one
  // present to the next: only the area is drawn again (a spinning coin or a
  // scrolling status line is a small part of the screen). Other renderers do
  // not keep their picture and draw the whole frame.
  void ShowArea(const FrameArea& area) {
    const SDL_Rect rect{area.x, area.y, area.w, area.h};
    if (wide_) {
      wideArea_.resize(static_cast<std::size_t>(area.w) * static_cast<std::size_t>(area.h));
      std::uint32_t* out = wideArea_.data();
      for (int y = area.y; y < area.y + area.h; ++y) {
        const std::uint16_t* row = upright_.data() + y * FrameWidth + area.x;
        for (int x = 0; x < area.w; ++x) *out++ = wideOf_[row[x]];
      }
      SDL_UpdateTexture(texture_, &rect, wideArea_.data(), area.w * 4);
    } else {
      SDL_UpdateTexture(texture_, &rect, upright_.data() + area.y * FrameWidth + area.x, FrameWidth * 2);
    }
    if (!keepsPicture_ || !pictureWhole_) {
      Render();
      return;
    }
    const SDL_Rect frame = FrameRect();
    const int scale = frame.w / FrameWidth;
    const SDL_Rect target{frame.x + area.x * scale, frame.y + area.y * scale, area.w * scale, area.h * scale};
    SDL_RenderCopy(renderer_, texture_, &rect, &target);
    SDL_RenderPresent(renderer_);
  }

  // The window surface's format, when the frame is better kept in it: a
  // texture of another format is converted pixel by pixel on every scaled
  // copy, one of the same format is only stretched. The 16-bit pixels are
  // widened through a table of the game's own widening (PixelToRgb, as the
  // captures and screenshots are), so the window shows exactly their colours.
  // UNKNOWN: keep the frame's own format.
  Uint32 WideFormat() {
    const Uint32 format = SDL_GetWindowPixelFormat(window_);
    if (format == SDL_PIXELFORMAT_UNKNOWN || SDL_ISPIXELFORMAT_FOURCC(format) || SDL_ISPIXELFORMAT_INDEXED(format) ||
        SDL_BYTESPERPIXEL(format) != 4)
      return SDL_PIXELFORMAT_UNKNOWN;
    SDL_PixelFormat* map = SDL_AllocFormat(format);
    if (!map) return SDL_PIXELFORMAT_UNKNOWN;
    const std::uint32_t flags = ThePanel().Profile().properties.formatFlags;
    wideOf_.resize(65536);
    for (std::uint32_t p = 0; p < 65536; ++p) {
      std::uint8_t r = 0, g = 0, b = 0;
      PixelToRgb(static_cast<std::uint16_t>(p), flags, r, g, b);
      wideOf_[p] = SDL_MapRGB(map, r, g, b);
    }
    SDL_FreeFormat(map);
    return format;
  }

  void Draw() {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_Rect target = FrameRect();
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
  }

  // F12: the frame and the window as PNG files; the title bar says where.
  void TakeScreenshot() {
    if (!renderer_) return;
    Draw();  // read back before the present, while the drawing is defined
    std::string where;
    const bool saved =
        SaveScreenshot(upright_, TextureFormat(ThePanel().Profile().properties.formatFlags), renderer_, where);
    SDL_RenderPresent(renderer_);
    const std::string status = saved ? "screenshot saved in " + where : "no screenshot: " + where;
    std::fprintf(stderr, "%s\n", status.c_str());
    SDL_SetWindowTitle(window_, ("Duskhaven - " + status).c_str());
  }

  bool Still() { return TickCount() - changedAt_ >= StillAfterMs; }

  // Sleeps until input arrives or the next timed thing is due: a timer of the
  // game (the music's), the next feed of the sound output, the script's next
  // line, at most LongestStillSleepMs.
  void SleepWhileStill() {
    std::uint32_t wait = LongestStillSleepMs, due = 0;
    if (NextTimerDue(due)) wait = std::min(wait, due);
    if (const std::uint32_t feed = SoundFeedIntervalIfOn()) wait = std::min(wait, feed);
    if (scripted_ && script_.NextTime(due)) {
      const std::uint32_t now = TickCount();
      wait = std::min(wait, due > now ? due - now : 0u);
    }
    if (wait > 0) SDL_WaitEventTimeout(nullptr, static_cast<int>(wait));
    if (scripted_) script_.TakeDue(TickCount());
  }

  // Sleeps until the next 1/60 s slot; a late frame starts a new slot count.
  void Pace() {
    const Uint64 frequency = SDL_GetPerformanceFrequency();
    const Uint64 slot = frequency / 60;
    nextSlot_ += slot;
    Uint64 now = SDL_GetPerformanceCounter();
    if (now >= nextSlot_) {
      if (now - nextSlot_ > slot) nextSlot_ = now;
      return;
    }
    Uint64 left = nextSlot_ - now;
    SDL_Delay(static_cast<Uint32>(left * 1000 / frequency));
  }

  // Window pixels to frame pixels; false in the bars around the frame.
  bool ToFrame(int wx, int wy, std::int16_t& fx, std::int16_t& fy) const {
    int ww = 1, wh = 1, ow = 1, oh = 1;
    SDL_GetWindowSize(window_, &ww, &wh);
    SDL_GetRendererOutputSize(renderer_, &ow, &oh);
    return WindowToFrame(wx, wy, ww, wh, ow, oh, fx, fy);
  }

  void PostStylus(MessageKind kind, int wx, int wy) {
    Message m;
    m.kind = kind;
    if (!ToFrame(wx, wy, m.x, m.y)) {
      if (kind != MessageKind::StylusUp || !stylusDown_) return;
      // A press that leaves the frame still ends, released off the screen.
      m.x = -1;
      m.y = -1;
    }
    if (kind == MessageKind::StylusDown) stylusDown_ = true;
    if (kind == MessageKind::StylusUp) stylusDown_ = false;
    PostMessage(m);
  }

  void PostKey(bool down, std::int16_t code) {
    Message m;
    m.kind = down ? MessageKind::KeyDown : MessageKind::KeyUp;
    m.key = code;
    PostMessage(m);
  }

  static std::int16_t KeyOf(SDL_Keycode key) {
    switch (key) {
      case SDLK_UP:
        return VkUp;
      case SDLK_DOWN:
        return VkDown;
      case SDLK_LEFT:
        return VkLeft;
      case SDLK_RIGHT:
        return VkRight;
      case SDLK_RETURN:
      case SDLK_KP_ENTER:
      case SDLK_SPACE:
        return VkAppA;
      case SDLK_F2:
        return VkAppB;
      case SDLK_F3:
        return VkAppC;
      case SDLK_ESCAPE:
        return VkStart;
      case SDLK_TAB:
      case SDLK_APPLICATION:
      case SDLK_MENU:
        return VkMenu;
      default:
        return 0;
    }
  }

  static std::int16_t PadKeyOf(Uint8 button) {
    switch (button) {
      case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return VkUp;
      case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return VkDown;
      case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return VkLeft;
      case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return VkRight;
      case SDL_CONTROLLER_BUTTON_A:
        return VkAppA;
      case SDL_CONTROLLER_BUTTON_X:
        return VkAppB;  // the duel's zoom, as F2
      case SDL_CONTROLLER_BUTTON_START:
        return VkStart;
      case SDL_CONTROLLER_BUTTON_BACK:
        return VkMenu;
      default:
        return 0;
    }
  }

  void ToggleFullscreen() {
    const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    if (!full) {
      SDL_GetWindowPosition(window_, &windowed_.x, &windowed_.y);
      SDL_GetWindowSize(window_, &windowed_.w, &windowed_.h);
      SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
      // Back in a window: where it was and as large as it was.
      SDL_SetWindowFullscreen(window_, 0);
      if (windowed_.w > 0 && windowed_.h > 0) {
        SDL_SetWindowSize(window_, windowed_.w, windowed_.h);
        SDL_SetWindowPosition(window_, windowed_.x, windowed_.y);
      }
    }
    Render();
  }

  // One request is enough: it stays set, and the next look at the queue or
  // the clock, in any wait or box, ends the game.
  void CloseRequested() {
    RequestClose();
    Message m;
    m.kind = MessageKind::Destroy;
    PostMessage(m);
  }

  void Translate(const SDL_Event& e) {
    Message m;
    switch (e.type) {
      case SDL_QUIT:
        CloseRequested();
        break;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
          CloseRequested();
        } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
          m.kind = MessageKind::Activate;
          PostMessage(m);
        } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
          m.kind = MessageKind::KillFocus;
          PostMessage(m);
        } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
          Render();
        }
        break;
      case SDL_MOUSEBUTTONDOWN:
        if (e.button.button == SDL_BUTTON_LEFT) PostStylus(MessageKind::StylusDown, e.button.x, e.button.y);
        break;
      case SDL_MOUSEBUTTONUP:
        if (e.button.button == SDL_BUTTON_LEFT) PostStylus(MessageKind::StylusUp, e.button.x, e.button.y);
        break;
      case SDL_MOUSEMOTION:
        if ((e.motion.state & SDL_BUTTON_LMASK) && stylusDown_)
          PostStylus(MessageKind::StylusMove, e.motion.x, e.motion.y);
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        const bool down = e.type == SDL_KEYDOWN;
        if (down &&
            (e.key.keysym.sym == SDLK_F11 || ((e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_KP_ENTER) &&
                                              (e.key.keysym.mod & KMOD_ALT)))) {
          if (!e.key.repeat) ToggleFullscreen();
          break;
        }
        if (down && e.key.keysym.sym == SDLK_F12) {
          if (!e.key.repeat) TakeScreenshot();
          break;
        }
        if (e.key.repeat) break;
        if (std::int16_t code = KeyOf(e.key.keysym.sym)) PostKey(down, code);
        break;
      }
      case SDL_CONTROLLERDEVICEADDED:
        if (SDL_GameController* pad = SDL_GameControllerOpen(e.cdevice.which)) pads_.push_back(pad);
        break;
      case SDL_CONTROLLERBUTTONDOWN:
      case SDL_CONTROLLERBUTTONUP:
        if (std::int16_t code = PadKeyOf(e.cbutton.button)) PostKey(e.type == SDL_CONTROLLERBUTTONDOWN, code);
        break;
      default:
        break;
    }
  }

  // A still window sleeps in SDL_WaitEventTimeout, which goes back to sleep
  // after a signal. SIGTERM and SIGINT write a byte into a pipe; this thread
  // reads it and posts a quit event, which ends the sleep at once.
  void StartSignalWatch() {
    if (::pipe2(signalPipe_, O_CLOEXEC) != 0) {
      signalPipe_[0] = signalPipe_[1] = -1;
      return;
    }
    ::fcntl(signalPipe_[1], F_SETFL, O_NONBLOCK);  // a handler never blocks on a full pipe
    SetEndSignalWake(signalPipe_[1]);
    signalWatch_ = SDL_CreateThread(WatchSignals, "duskhaven-signals", &signalPipe_[0]);
  }

  static int WatchSignals(void* data) {
    const int fd = *static_cast<int*>(data);
    char byte = 0;
    for (;;) {
      const ssize_t got = ::read(fd, &byte, 1);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0 || byte == 0) return 0;  // the pipe closed, or the backend ends
      SDL_Event quit{};
      quit.type = SDL_QUIT;
      SDL_PushEvent(&quit);
    }
  }

  void StopSignalWatch() {
    if (signalPipe_[1] < 0) return;
    SetEndSignalWake(-1);
    const char stop = 0;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe_[1], &stop, 1);
    if (signalWatch_) SDL_WaitThread(signalWatch_, nullptr);
    signalWatch_ = nullptr;
    ::close(signalPipe_[0]);
    ::close(signalPipe_[1]);
    signalPipe_[0] = signalPipe_[1] = -1;
  }

  [[noreturn]] void StopHere(const char* waitName) {
    std::fprintf(stderr, "duskhaven: the script has ended at %u ms while the game waits for %s\n", TickCount(),
                 waitName ? waitName : "input");
    std::fflush(stderr);
    const std::uint32_t until = TickCount() + script_.HoldMs();
    while (static_cast<std::int32_t>(until - TickCount()) > 0) {
      SDL_Event e;
      while (SDL_PollEvent(&e))
        if (e.type == SDL_WINDOWEVENT) Render();
      SDL_Delay(10);
    }
    script_.TakeFinal(TickCount());
    std::fflush(nullptr);
    CheckLeaksNow();
    std::_Exit(ScriptEndedExitCode);
  }

  Script script_;
  bool scripted_ = false;
  bool scaleAsked_ = false;
  int scale_ = 0;
  SDL_Rect windowed_{0, 0, 0, 0};  // the window's place and size before full screen
  Uint32 start_ = 0;
  Uint64 nextSlot_ = 0;
  std::uint32_t changedAt_ = 0;  // when the frame last changed
  int signalPipe_[2] = {-1, -1};
  SDL_Thread* signalWatch_ = nullptr;
  bool stylusDown_ = false;
  SDL_Window* window_ = nullptr;
  Uint32 lastNotice_ = 0;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  std::vector<SDL_GameController*> pads_;
  std::vector<std::uint16_t> upright_;  // the frame last sent to the texture
  std::vector<std::uint16_t> next_;
  bool wide_ = false;                  // the texture is in the window's 32-bit format
  std::vector<std::uint32_t> wideOf_;  // each 16-bit pixel in that format
  std::vector<std::uint32_t> wideArea_;
  bool keepsPicture_ = false;  // the renderer's picture stays from one present to the next
  bool pictureWhole_ = false;  // the window shows the whole frame (drawn since it was made or resized)
};

}  // namespace

Backend* MakeSdlBackend(const BackendOptions& options, std::string& error) {
  Script script;
  if (!options.scriptPath.empty() && !script.Load(options.scriptPath, error)) return nullptr;
  auto* backend = new SdlBackend(std::move(script), options.scale, options.scaleAsked, !options.scriptPath.empty());
  if (!backend->Start(error)) {
    delete backend;
    return nullptr;
  }
  return backend;
}

}  // namespace platform
