// Keyboard, mouse, typed characters and window events. Real events from SDL
// and scripted ones take the same path into one input state, and every event
// applied goes to the recorder when one is set.
#include <cstring>

#include "platform/platform.h"
#include "platform/platform_internal.h"
#include "platform/pointer_map.h"

static const int KEY_COUNT = 256;
static const int TYPED_RING = 256;
static const int APP_RING = 64;

static int keyDown[KEY_COUNT];
static int buttonDown[4];
static int buttonPresses[4];
static int pointerX = 0, pointerY = 0;
static int typedChars[TYPED_RING];
static int typedHead = 0, typedCount = 0;
static int appEvents[APP_RING];
static int appHead = 0, appCount = 0;
static int closeRequested = 0;
static TInputRecorder inputRecorder = nullptr;

static void Record(const char* kind, int a, int b) {
    if (inputRecorder) inputRecorder(kind, a, b);
}

static void ApplyPointer(int x, int y) {
    pointerX = x;
    pointerY = y;
    Record("move", x, y);
}

static void ApplyButton(int button, int down) {
    if (button < 1 || button > 3) return;
    if (down) buttonPresses[button]++;
    buttonDown[button] = down ? 1 : 0;
    Record("button", button, down ? 1 : 0);
}

static void ApplyKey(int key, int down) {
    if (key <= 0 || key >= KEY_COUNT) return;
    keyDown[key] = down ? 1 : 0;
    Record("key", key, down ? 1 : 0);
}

static void ApplyTypedChar(int code) {
    if (code <= 0) return;
    if (typedCount == TYPED_RING) {   // a full ring forgets its oldest character
        typedHead = (typedHead + 1) % TYPED_RING;
        typedCount--;
    }
    typedChars[(typedHead + typedCount) % TYPED_RING] = code;
    typedCount++;
    Record("char", code, 0);
}

static void ApplyClose() {
    closeRequested = 1;
    Record("close", 0, 0);
}

static void ApplyAppEvent(int event) {
    if (appCount == APP_RING) {
        appHead = (appHead + 1) % APP_RING;
        appCount--;
    }
    appEvents[(appHead + appCount) % APP_RING] = event;
    appCount++;
    Record("app", event, 0);
}

// SDL key codes to the virtual-key numbers the game uses.
static int VirtualKey(SDL_Keycode code) {
    if (code >= SDLK_a && code <= SDLK_z) return 'A' + (code - SDLK_a);
    if (code >= SDLK_0 && code <= SDLK_9) return '0' + (code - SDLK_0);
    if (code >= SDLK_F1 && code <= SDLK_F12) return KEY_F1 + (code - SDLK_F1);
    switch (code) {
    case SDLK_RETURN: case SDLK_KP_ENTER: return KEY_ENTER;
    case SDLK_ESCAPE: return KEY_ESCAPE;
    case SDLK_SPACE: return KEY_SPACE;
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return 16;
    case SDLK_LCTRL: case SDLK_RCTRL: return 17;
    case SDLK_LALT: case SDLK_RALT: return 18;
    case SDLK_PAUSE: return 19;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return 46;
    default: return 0;
    }
}

// UTF-8 text from the keyboard into UTF-16 code units.
static void TypeUtf8(const char* text) {
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
    while (*s) {
        uint32_t code = 0;
        int extra = 0;
        if (*s < 0x80) { code = *s; }
        else if ((*s & 0xE0) == 0xC0) { code = *s & 0x1F; extra = 1; }
        else if ((*s & 0xF0) == 0xE0) { code = *s & 0x0F; extra = 2; }
        else if ((*s & 0xF8) == 0xF0) { code = *s & 0x07; extra = 3; }
        else { s++; continue; }
        s++;
        int bad = 0;
        for (int i = 0; i < extra; i++) {
            if ((*s & 0xC0) != 0x80) { bad = 1; break; }
            code = (code << 6) | (*s & 0x3F);
            s++;
        }
        if (bad) continue;
        if (code >= 0x10000) {
            code -= 0x10000;
            ApplyTypedChar(static_cast<int>(0xD800 + (code >> 10)));
            ApplyTypedChar(static_cast<int>(0xDC00 + (code & 0x3FF)));
        } else {
            ApplyTypedChar(static_cast<int>(code));
        }
    }
}

static void MovePointerTo(int wx, int wy) {
    int ww = 0, wh = 0;
    if (gameWindow) SDL_GetWindowSize(gameWindow, &ww, &wh);
    int x = 0, y = 0;
    PointerFromWindowPixel(wx, wy, ww, wh, logicalWidth, logicalHeight, pointerBaseWidth, pointerBaseHeight, x, y);
    if (x != pointerX || y != pointerY) ApplyPointer(x, y);
}

static int ButtonNumber(Uint8 button) {
    if (button == SDL_BUTTON_LEFT) return 1;
    if (button == SDL_BUTTON_RIGHT) return 2;
    if (button == SDL_BUTTON_MIDDLE) return 3;
    return 0;
}

void PumpEvents() {
    UpdateSilentAudio();
    if (!sdlStarted) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT: ApplyClose(); break;
        case SDL_MOUSEMOTION: MovePointerTo(event.motion.x, event.motion.y); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            MovePointerTo(event.button.x, event.button.y);
            ApplyButton(ButtonNumber(event.button.button), event.type == SDL_MOUSEBUTTONDOWN);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            int key = VirtualKey(event.key.keysym.sym);
            int down = event.type == SDL_KEYDOWN;
            if (key && !(down && event.key.repeat)) ApplyKey(key, down);
            // Backspace and Enter also reach the typed characters, repeats included.
            if (down && (key == 8 || key == KEY_ENTER)) ApplyTypedChar(key);
            break;
        }
        case SDL_TEXTINPUT: TypeUtf8(event.text.text); break;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
            case SDL_WINDOWEVENT_FOCUS_LOST:
            case SDL_WINDOWEVENT_MINIMIZED: ApplyAppEvent(APP_SUSPEND); break;
            case SDL_WINDOWEVENT_FOCUS_GAINED:
            case SDL_WINDOWEVENT_RESTORED: ApplyAppEvent(APP_RESUME); break;
            case SDL_WINDOWEVENT_CLOSE: ApplyClose(); break;
            // SDL puts its renderer's viewport back over the whole window.
            case SDL_WINDOWEVENT_SIZE_CHANGED: ApplyOutputMapping(); break;
            default: break;
            }
            break;
        default: break;
        }
    }
}

int IsKeyDown(int key) {
    if (key <= 0 || key >= KEY_COUNT) return 0;
    return keyDown[key];
}

int WasMouseClicked(int button) {
    if (button < 1 || button > 3) return 0;
    int presses = buttonPresses[button];
    buttonPresses[button] = 0;
    return presses;
}

int IsMouseDown(int button) {
    if (button < 1 || button > 3) return 0;
    return buttonDown[button];
}

int PointerX() {
    return pointerX;
}

int PointerY() {
    return pointerY;
}

int NextTypedChar() {
    if (typedCount == 0) return 0;
    int code = typedChars[typedHead];
    typedHead = (typedHead + 1) % TYPED_RING;
    typedCount--;
    return code;
}

void ClearKeys() {
    std::memset(keyDown, 0, sizeof keyDown);
    std::memset(buttonPresses, 0, sizeof buttonPresses);
    typedHead = 0;
    typedCount = 0;
}

int AppCloseRequested() {
    int requested = closeRequested;
    closeRequested = 0;
    return requested;
}

int NextAppEvent() {
    if (appCount == 0) return 0;
    int event = appEvents[appHead];
    appHead = (appHead + 1) % APP_RING;
    appCount--;
    return event;
}

void InjectPointer(int x, int y) {
    ApplyPointer(x, y);
}

void InjectMouseButton(int button, int down) {
    ApplyButton(button, down);
}

void InjectKey(int key, int down) {
    ApplyKey(key, down);
}

void InjectTypedChar(int code) {
    ApplyTypedChar(code);
}

void InjectCloseRequest() {
    ApplyClose();
}

void InjectAppEvent(int event) {
    ApplyAppEvent(event);
}

void SetInputRecorder(TInputRecorder recorder) {
    inputRecorder = recorder;
}
