// The media player component: a CD-audio device reached through the media control interface.
// Only the device operations are built; the component's own button bar is never shown.
#pragma once

#include <cstdint>
#include <optional>
#include <set>

#include "vcl/classes.h"
#include "vcl/sysutils.h"
#include "vcl/window_host.h"
#include "win/win.h"

enum TMPDeviceTypes { dtAutoSelect, dtCDAudio };

// The device's mode as the media control interface numbers it, minus MCI_MODE_NOT_READY.
enum TMPModes : std::uint8_t {
    mpNotReady,
    mpStopped,
    mpPlaying,
    mpRecording,
    mpSeeking,
    mpPaused,
    mpOpen
};

enum TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
using TMPBtnSet = std::set<TMPBtnType>;

// Raised by Open when the device cannot be opened (with the interface's own error text), and by
// the operations that need an open device when there is none.
class EMCIDeviceError : public Exception {
  public:
    using Exception::Exception;
};

class TMediaPlayer : public TComponent, private TWindowHost {
  public:
    explicit TMediaPlayer(TComponent* owner);
    // Closes a device that is still open, without stopping it first.
    ~TMediaPlayer() override;

    // Design-time settings. The button bar is never shown, so the ones that place or show it
    // are kept and given back, nothing more.
    int Left() const { return left_; }
    void SetLeft(int left) { left_ = left; }
    int Top() const { return top_; }
    void SetTop(int top) { top_ = top; }
    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width; }
    int Height() const { return height_; }
    void SetHeight(int height) { height_ = height; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint) { showHint_ = showHint; }
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parentShowHint) { parentShowHint_ = parentShowHint; }
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int tabOrder) { tabOrder_ = tabOrder; }
    const TMPBtnSet& EnabledButtons() const { return enabledButtons_; }
    void SetEnabledButtons(const TMPBtnSet& buttons) { enabledButtons_ = buttons; }
    const TMPBtnSet& VisibleButtons() const { return visibleButtons_; }
    void SetVisibleButtons(const TMPBtnSet& buttons) { visibleButtons_ = buttons; }

    TMPDeviceTypes DeviceType() const { return deviceType_; }
    void SetDeviceType(TMPDeviceTypes type) { deviceType_ = type; }
    bool Shareable() const { return shareable_; }
    void SetShareable(bool shareable) { shareable_ = shareable; }
    // Never acted on: the program opens the device itself, on first use.
    bool AutoOpen() const { return autoOpen_; }
    void SetAutoOpen(bool autoOpen) { autoOpen_ = autoOpen; }
    bool AutoRewind() const { return autoRewind_; }
    void SetAutoRewind(bool autoRewind) { autoRewind_ = autoRewind; }

    void Open();
    void Close();
    void Play();
    void Pause();
    void Stop();
    void Next();
    void Previous();
    void Eject();
    // Mode and Position need no open device: with none, or when the device will not say, the
    // mode is mpNotReady and the position 0.
    TMPModes Mode();
    std::int32_t Position();

  private:
    // The completion notice needs a window to go to, and nothing here waits for it.
    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void RequireOpen() const;
    bool Send(UINT msg, DWORD_PTR flags, void* parms);
    std::optional<DWORD> Status(DWORD item);
    std::optional<DWORD> TrackStatus(DWORD item, DWORD track);
    // Plays from `from` (a TMSF value) when the disc was playing, else only seeks there.
    void GoTo(DWORD from, bool playing);
    HWND NotifyWindow();

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    int tabOrder_ = 0;
    TMPBtnSet enabledButtons_;
    TMPBtnSet visibleButtons_;
    TMPDeviceTypes deviceType_ = dtAutoSelect;
    bool shareable_ = false;
    bool autoOpen_ = false;
    bool autoRewind_ = true;

    MCIDEVICEID device_ = 0;  // 0: no device open
    bool canEject_ = false;
    HWND notifyWindow_ = nullptr;
};
