// The platform layer: every operation the game needs from the machine.
// Display, 2D drawing, pictures, input, sound, time, chance, files and folders.
// This is the only header of the platform; the SDL backend lives in the
// platform/*.cpp files beside it and nothing else in the game sees SDL.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// ---------------------------------------------------------------- pictures

// One picture cut into equal frames; its fields belong to the backend.
struct TImageData;
using TImage = TImageData*;   // nullptr is the empty picture

enum {
    BLEND_MASK = 1,   // no blending; pixels with alpha below 0.5 are skipped
    BLEND_SOLID = 2,  // every pixel replaces the screen pixel
    BLEND_ALPHA = 3,  // source * a + screen * (1 - a)
    BLEND_LIGHT = 4,  // screen + source * a
    BLEND_SHADE = 5,  // screen * source
};

// The widest and tallest picture file the game loads; a file claiming more is
// refused before anything is allocated for it.
constexpr int MAX_PICTURE_SIDE = 8192;
// Load flags: -1 masked and filtered (almost every picture), 0 neither;
// otherwise bit 1 filtered and bit 2 masked.
TImage LoadImageFile(const std::string& path, int flags = -1);
// Pictures about to be loaded, decoded meanwhile on a thread of their own: a
// load of one of them (by the same path) takes its pixels, waiting for them if
// need be. Stopping drops what was not taken and says how many.
void DecodeAhead(const std::vector<std::string>& paths);
int StopDecodingAhead();
// Cells read left to right then top to bottom; frames 0..cellCount-1 from firstCell.
TImage LoadImageStrip(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount);
void FreeImage(TImage& image);          // releases and sets the reference empty
void SetMaskKey(int red, int green, int blue);
void CurrentMaskKey(int& red, int& green, int& blue);   // the colour later loads mask
void SetAutoCentre(int flag);           // handles of later loads at frame centre
int AutoCentre();
void CentreImageHandle(TImage image);
// The picture's size of one frame, frame count and handle; 0 for the empty picture.
int ImageWidth(TImage image);
int ImageHeight(TImage image);
int ImageFrames(TImage image);
float ImageHandleX(TImage image);
float ImageHandleY(TImage image);
int ImageHasAlpha(TImage image);        // 0: counts as fully covered for ImagesOverlap
int ImageLoadFlags(TImage image);       // bit 1 filtered, bit 2 masked
void SetImageFiltered(TImage image, int flag);
// Drawn scaled or turned (blended or added) by the game's own rasteriser, the
// picture is resampled once per scale and turn and copied onto whole pixels,
// as unscaled pictures are placed: for the effects' flashes, drawn hundreds of
// times a frame at a few scales.
void KeepResampledCopies(TImage image);
void SetImageAnchor(TImage image, float x, float y);
TImage MakeImage(int width, int height, int frames);   // transparent frames
void GrabToImage(TImage image, int x, int y, int frame);
// Pixel access for pictures composed by the game (0xAARRGGBB, frame-local).
uint32_t ImagePixel(TImage image, int frame, int x, int y);
void SetImagePixel(TImage image, int frame, int x, int y, uint32_t argb);
// Copies a whole frame of src into dst at (x, y) of dst's frame, alpha kept.
void PasteImage(TImage dst, int dstFrame, TImage src, int srcFrame, int x, int y);
void PaintImage(TImage image, float x, float y, int frame);
int ImagesOverlap(TImage a, float xA, float yA, int frameA, TImage b, float xB, float yB, int frameB);

// ---------------------------------------------------------------- display and drawing

// depth 0: a window of width x height; 16 or 32: desktop full screen with the
// logical picture scaled and letterboxed (the depth itself has no effect).
int OpenDisplay(int width, int height, int depth, int rate);
void CloseDisplay();
int DisplayIsOpen();
void SetWindowTitle(const std::string& title);
void SetWindowIcon(const std::string& icoPath);   // first icon of an ICO file
// That first icon as 0xAARRGGBB pixels, top row first; 0 when the file holds
// none the game can read.
int ReadIconPixels(const std::string& icoPath, std::vector<uint32_t>& pixels, int& width, int& height);
void SetLogicalResolution(int width, int height);
// How frames reach the window, from the next OpenDisplay on. AUTO: straight
// into a real window, each picture scaled as it is drawn; through a picture of
// the logical size, scaled at Flip, under SDL's headless drivers, so that what
// is read back is exact to the logical pixel.
enum { SCREEN_PATH_AUTO = 0, SCREEN_PATH_TARGET = 1, SCREEN_PATH_WINDOW = 2 };
void SetScreenPath(int path);
int ScreenPath();                       // TARGET or WINDOW for the open display, 0 when closed
// Where SDL would draw in software (no graphics card, a virtual X server, the
// headless drivers) the game draws with its own rasteriser and SDL only shows
// the frame, unless SDL's software renderer is asked for; from the next
// OpenDisplay on.
enum { SOFTWARE_DRAWING_OWN = 0, SOFTWARE_DRAWING_SDL = 1 };
void SetSoftwareDrawing(int who);
std::string RendererName();             // the renderer in use, as SDL names it
void MinimiseWindow();
void Cls();
void Flip(int sync);
void SetViewport(int x, int y, int width, int height);
void SetClearColor(int red, int green, int blue);
void SetColor(int red, int green, int blue);      // each clamped to 0..255
void CurrentColor(int& red, int& green, int& blue);
void SetAlpha(float alpha);
float CurrentAlpha();
void SetBlend(int mode);
int CurrentBlend();
void SetDrawScale(float scaleX, float scaleY);
void CurrentScale(float& scaleX, float& scaleY);
void SetDrawRotation(float degrees);
float CurrentRotation();
// Reads the finished logical 1024 x 768 picture back, 0xAARRGGBB, row by row.
// Drawn straight into a window of another size, each logical pixel reads the
// window pixel under its centre, and only until Flip shows the frame.
int ReadScreenPixels(std::vector<uint32_t>& out, int& width, int& height);
void ShowMessageBox(const std::string& title, const std::string& text);

// ---------------------------------------------------------------- input

enum {
    KEY_ENTER = 13, KEY_ESCAPE = 27, KEY_SPACE = 32,
    KEY_F1 = 112, KEY_F2 = 113, KEY_F3 = 114, KEY_F4 = 115, KEY_F5 = 116,
};
enum { APP_SUSPEND = 257, APP_RESUME = 258 };

// Reads the operating system's queue; the shell calls it once per frame.
void PumpEvents();
int IsKeyDown(int key);
int WasMouseClicked(int button);        // presses since the last call; 1 left, 2 right
int IsMouseDown(int button);
// The pointer in pixels of the 800 x 600 window, or of the 1024 x 768 screen in
// full screen, whatever the real size of the window or desktop.
int PointerX();
int PointerY();
int NextTypedChar();                    // UTF-16 code unit, 0 when none; 8 backspace, 13 Enter
void ClearKeys();
void ShowPointer();
void HidePointer();
int AppCloseRequested();                // 1 once per request of the close box
int NextAppEvent();                     // 257, 258, other numbers; 0 when the queue is empty

// Scripted input, the same path the operating system's events take; used by the
// test driver and by replays of recorded input. Positions are in window pixels
// as PointerX/PointerY report them.
void InjectPointer(int x, int y);
void InjectMouseButton(int button, int down);
void InjectKey(int key, int down);
void InjectTypedChar(int code);
void InjectCloseRequest();
void InjectAppEvent(int event);
// Every injected or real input event seen by PumpEvents goes to this callback
// when set (the recorder of played games).
using TInputRecorder = void (*)(const char* kind, int a, int b);
void SetInputRecorder(TInputRecorder recorder);

// ---------------------------------------------------------------- sound

using TSound = int;     // 0 is the empty sound
using TChannel = int;   // 0 is no channel

// flags 1: loops; 2: decoded on a thread of its own, for long tracks: the
// sound is there at once, and a channel playing it waits silent (yet counts
// as playing) until the samples are in. A file that fails to decode then
// leaves an empty sound, which ends at once.
enum { SOUND_LOOPS = 1, SOUND_IN_BACKGROUND = 2 };
TSound LoadSoundFile(const std::string& path, int flags);
// Waits until every sound decoding in the background is in.
void WaitForSounds();
void FreeSound(TSound& sound);
TChannel Play(TSound sound, TChannel channel = 0);
TChannel Cue(TSound sound, TChannel channel = 0);
TChannel AllocChannel();
void Stop(TChannel channel);
void SetPaused(TChannel channel, int paused);
void SetVolume(TChannel channel, float volume);   // 0.0 .. 1.0
void SetPan(TChannel channel, float pan);         // -1.0 left .. 1.0 right
int Playing(TChannel channel);
int AudioDeviceOpen();

// ---------------------------------------------------------------- time and chance

using TTimer = int;     // 0 is no timer
TTimer CreateTickTimer(int ticksPerSecond);
int Ticks(TTimer timer);
int Wait(TTimer timer);
int64_t Millisecs();                       // since the program started
// In virtual time the clock moves only when Wait or AdvanceVirtualTime asks,
// so the game can run frame by frame without real waiting (tests, replays).
void UseVirtualTime(int flag);
void AdvanceVirtualTime(int64_t milliseconds);
int RandomInt(int a, int b);               // inclusive, bounds in either order
void SeedRandom(uint32_t value);
float RandomFloat(float a, float b);

// ---------------------------------------------------------------- files and folders

struct TStreamData;
using TStream = TStreamData*;           // nullptr is no stream

TStream OpenForRead(const std::string& path);
TStream OpenForWrite(const std::string& path);
// One byte per character (ISO 8859-1); a line longer than READ_LINE_LIMIT
// bytes is cut there and the rest of it is skipped.
constexpr size_t READ_LINE_LIMIT = 64 * 1024;
std::string ReadLine(TStream stream);
void WriteLine(TStream stream, const std::string& text);   // bytes then CR LF
int ReadInt(TStream stream);            // 4 bytes little-endian; 0 past the end
void WriteInt(TStream stream, int value);
std::string ReadString(TStream stream, int count);
void WriteString(TStream stream, const std::string& text);
int ReadByte(TStream stream);           // -1 at the end
int Eof(TStream stream);
int StreamFailed(TStream stream);       // 1 after any read past the end or failed write
int Close(TStream& stream);             // 0 when every byte reached the file
// Forces the bytes written so far onto the disk, not just to the system: 1 done.
int SyncStream(TStream stream);
// Forces a folder's entries (files created, renamed or deleted in it) onto the
// disk: 1 done.
int SyncFolder(const std::string& path);
// Every completed sync reports the stream's path or the folder to this
// callback when set (checks of the order in which a save reaches the disk).
using TSyncRecorder = void (*)(const std::string& path);
void SetSyncRecorder(TSyncRecorder recorder);
long FileSize(const std::string& path); // -1 when missing

// 0 nothing, 1 a file, 2 a folder. Paths use / or \; a path that does not
// exist as written is looked up ignoring letter case ("data/UI" finds "data/ui").
int PathKind(const std::string& path);
int MakeFolder(const std::string& path, int withParents);
std::string ResolvePath(const std::string& path);   // the real spelling on disk
int RenameFile(const std::string& from, const std::string& to);
int DeleteFile(const std::string& path);
void PrintLine(const std::string& text);            // standard output
void PrintError(const std::string& text);           // standard error
std::string EnvironmentValue(const std::string& name);

// Text conversions of the game.
std::string TextFromInt(int value);
int IntFromText(const std::string& text);
std::string TrimText(const std::string& text);
std::u16string WidenLatin1(const std::string& text);
// One byte per character; a character beyond ISO 8859-1 becomes '?'.
std::string NarrowToLatin1(const std::u16string& text);

// ---------------------------------------------------------------- process

// Holds a lock named after `name` for the life of the process; 0 when another
// running copy already holds it.
int AcquireInstanceLock(const std::string& name);
void ReleaseInstanceLock();
int PlatformInit();       // video, audio and timers; safe to call twice
void PlatformShutdown();
// Why the last PlatformInit or OpenDisplay failed, as the system put it; the
// caller decides how to tell the player. Empty after a success.
std::string PlatformError();
