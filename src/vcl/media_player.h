// The media player component: a CD-audio device reached through the media control interface.
// Only the device operations are built; the component's own button bar is never shown.
#pragma once

#include <cstdint>

#include "vcl/classes.h"
#include "vcl/sysutils.h"
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

// Raised by Open when the device cannot be opened (with the interface's own error text), and by
// the operations that need an open device when there is none.
class EMCIDeviceError : public Exception {
public:
    using Exception::Exception;
};

class TMediaPlayer : public TComponent {
public:
    explicit TMediaPlayer(TComponent* owner);
    // Closes a device that is still open, without stopping it first.
    ~TMediaPlayer() override;

    void SetDeviceType(TMPDeviceTypes type) { deviceType_ = type; }
    void SetShareable(bool shareable) { shareable_ = shareable; }
    void SetAutoRewind(bool autoRewind) { autoRewind_ = autoRewind; }

    void Open();
    void Close();
    void Play();
    void Pause();
    void Stop();
    void Next();
    void Previous();
    void Eject();
    TMPModes Mode();
    std::int32_t Position();

private:
    // defined in media_player.cpp
};
