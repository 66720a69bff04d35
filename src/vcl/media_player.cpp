#include "vcl/media_player.h"

namespace {

AnsiString ErrorText(MCIERROR error) {
    char text[256] = {};
    if (mciGetErrorStringA(error, text, sizeof text)) return text;
    return "MCI error " + IntToStr(static_cast<int>(error));
}

}  // namespace

TMediaPlayer::TMediaPlayer(TComponent* owner) : TComponent(owner) {}

TMediaPlayer::~TMediaPlayer() {
    // The disc is left playing: only the device is given back.
    Close();
    DestroyHostWindow(notifyWindow_);
}

void TMediaPlayer::Open() {
    if (device_ != 0) Close();
    // Without a file there is nothing to choose a device type from.
    if (deviceType_ != dtCDAudio) throw EMCIDeviceError(ErrorText(MCIERR_INVALID_DEVICE_NAME));
    MCI_OPEN_PARMSA open = {};
    open.lpstrDeviceType = "CDAudio";
    DWORD_PTR flags = MCI_OPEN_TYPE | (shareable_ ? MCI_OPEN_SHAREABLE : 0) | MCI_WAIT;
    MCIERROR error = mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&open));
    if (error != 0) throw EMCIDeviceError(ErrorText(error));
    device_ = open.wDeviceID;

    MCI_GETDEVCAPS_PARMS caps = {};
    caps.dwItem = MCI_GETDEVCAPS_CAN_EJECT;
    canEject_ = Send(MCI_GETDEVCAPS, MCI_GETDEVCAPS_ITEM | MCI_WAIT, &caps) && caps.dwReturn;

    MCI_SET_PARMS set = {};
    set.dwTimeFormat = MCI_FORMAT_TMSF;
    Send(MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, &set);
}

void TMediaPlayer::Close() {
    if (device_ == 0) return;
    MCI_GENERIC_PARMS parms = {};
    // A device that will not close is still ours: the next Open tries again.
    if (Send(MCI_CLOSE, MCI_WAIT, &parms)) device_ = 0;
}

void TMediaPlayer::Play() {
    RequireOpen();
    if (autoRewind_) {
        std::optional<DWORD> position = Status(MCI_STATUS_POSITION);
        std::optional<DWORD> length = Status(MCI_STATUS_LENGTH);
        if (position && length && *position == *length) {
            MCI_SEEK_PARMS seek = {};
            Send(MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, &seek);
        }
    }
    MCI_PLAY_PARMS play = {};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(NotifyWindow());
    Send(MCI_PLAY, MCI_NOTIFY, &play);
}

void TMediaPlayer::Pause() {
    RequireOpen();
    if (Mode() == mpPlaying) {
        MCI_GENERIC_PARMS pause = {};
        Send(MCI_PAUSE, MCI_WAIT, &pause);
    } else if (Mode() == mpPaused) {
        MCI_GENERIC_PARMS resume = {};
        resume.dwCallback = reinterpret_cast<DWORD_PTR>(NotifyWindow());
        // The CD-audio driver knows no resume; playing on from the paused place is the same.
        if (!Send(MCI_RESUME, MCI_NOTIFY, &resume)) Play();
    }
}

void TMediaPlayer::Stop() {
    RequireOpen();
    MCI_GENERIC_PARMS parms = {};
    Send(MCI_STOP, MCI_WAIT, &parms);
}

void TMediaPlayer::Next() {
    RequireOpen();
    std::optional<DWORD> position = Status(MCI_STATUS_POSITION);
    std::optional<DWORD> tracks = Status(MCI_STATUS_NUMBER_OF_TRACKS);
    if (!position || !tracks) return;
    DWORD track = MCI_TMSF_TRACK(*position);
    // On the last track Next goes back to its start; it never wraps round to track 1.
    DWORD target = track >= *tracks ? *tracks : track + 1;
    std::optional<DWORD> start = TrackStatus(MCI_STATUS_POSITION, target);
    if (start) GoTo(*start, Mode() == mpPlaying);
}

void TMediaPlayer::Previous() {
    RequireOpen();
    std::optional<DWORD> position = Status(MCI_STATUS_POSITION);
    if (!position) return;
    DWORD track = MCI_TMSF_TRACK(*position);
    std::optional<DWORD> start = TrackStatus(MCI_STATUS_POSITION, track);
    if (!start) return;
    // A track's start reads 0:00, so this holds only within the first second of a track.
    bool atTrackStart = MCI_TMSF_MINUTE(*position) == MCI_TMSF_MINUTE(*start) &&
                        MCI_TMSF_SECOND(*position) == MCI_TMSF_SECOND(*start);
    if (track != 1 && atTrackStart) {
        std::optional<DWORD> fresh = Status(MCI_STATUS_POSITION);
        if (!fresh || MCI_TMSF_TRACK(*fresh) <= 1) return;
        start = TrackStatus(MCI_STATUS_POSITION, MCI_TMSF_TRACK(*fresh) - 1u);
        if (!start) return;
    }
    GoTo(*start, Mode() == mpPlaying);
}

void TMediaPlayer::Eject() {
    RequireOpen();
    if (!canEject_) return;
    MCI_SET_PARMS parms = {};
    Send(MCI_SET, MCI_SET_DOOR_OPEN | MCI_WAIT, &parms);
}

TMPModes TMediaPlayer::Mode() {
    std::optional<DWORD> mode = device_ != 0 ? Status(MCI_STATUS_MODE) : std::nullopt;
    if (!mode || *mode < MCI_MODE_NOT_READY || *mode > MCI_MODE_OPEN) return mpNotReady;
    return static_cast<TMPModes>(*mode - MCI_MODE_NOT_READY);
}

std::int32_t TMediaPlayer::Position() {
    std::optional<DWORD> position = device_ != 0 ? Status(MCI_STATUS_POSITION) : std::nullopt;
    return static_cast<std::int32_t>(position.value_or(0));
}

void TMediaPlayer::RequireOpen() const {
    if (device_ == 0) throw EMCIDeviceError("No MCI device open");
}

bool TMediaPlayer::Send(UINT msg, DWORD_PTR flags, void* parms) {
    return mciSendCommandA(device_, msg, flags, reinterpret_cast<DWORD_PTR>(parms)) == 0;
}

std::optional<DWORD> TMediaPlayer::Status(DWORD item) {
    MCI_STATUS_PARMS parms = {};
    parms.dwItem = item;
    if (!Send(MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, &parms)) return std::nullopt;
    return static_cast<DWORD>(parms.dwReturn);
}

std::optional<DWORD> TMediaPlayer::TrackStatus(DWORD item, DWORD track) {
    MCI_STATUS_PARMS parms = {};
    parms.dwItem = item;
    parms.dwTrack = track;
    if (!Send(MCI_STATUS, MCI_STATUS_ITEM | MCI_TRACK | MCI_WAIT, &parms)) return std::nullopt;
    return static_cast<DWORD>(parms.dwReturn);
}

void TMediaPlayer::GoTo(DWORD from, bool playing) {
    if (playing) {
        MCI_PLAY_PARMS play = {};
        play.dwCallback = reinterpret_cast<DWORD_PTR>(NotifyWindow());
        play.dwFrom = from;
        Send(MCI_PLAY, MCI_FROM | MCI_NOTIFY, &play);
    } else {
        MCI_SEEK_PARMS seek = {};
        seek.dwTo = from;
        Send(MCI_SEEK, MCI_TO | MCI_WAIT, &seek);
    }
}

HWND TMediaPlayer::NotifyWindow() {
    if (notifyWindow_ == nullptr) {
        TWindowParams params{};
        params.className = "TMediaPlayerNotify";
        params.style = WS_POPUP;
        notifyWindow_ = CreateHostWindow(this, params);
    }
    return notifyWindow_;
}

LRESULT TMediaPlayer::WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
