// The simulated CD-audio driver behind mciSendCommandA: one drive, the devices opened on it,
// and playback on the virtual clock. Position is worked out from the clock when asked, so
// nothing needs to run while the disc plays except the completion notice.
#include <algorithm>
#include <cctype>
#include <string>
#include <utility>

#include "winsim/detail.h"
#include "winsim/mci_disc.h"
#include "winsim/sim.h"

namespace winsim {
namespace {

using detail::DiscLayout;

Disc DefaultDisc() {
    constexpr std::uint32_t kMinute = 60 * detail::kFramesPerSecond;
    return Disc{{3 * kMinute, 4 * kMinute, 5 * kMinute, 6 * kMinute, 7 * kMinute}};
}

enum class Playback { Stopped, Playing, Paused };

struct Device {
    MCIDEVICEID id;
    DWORD timeFormat = MCI_FORMAT_MSF;  // the CD driver's default
};

struct CdDrive {
    bool present = true;
    bool canEject = true;
    bool doorOpen = false;
    DiscLayout layout{DefaultDisc().trackFrames};
    std::vector<Device> devices;
    MCIERROR failNextOpen = 0;
    bool refuse = false;

    Playback playback = Playback::Stopped;
    // Where the head is; while playing, where it was when the clock read `playStartedAt`.
    DWORD head = layout.FirstFrame();
    DWORD playEnd = 0;  // the frame where the current play stops
    std::uint32_t playStartedAt = 0;
    HWND notifyWindow = nullptr;  // set while a play owes an MCI_NOTIFY completion
    MCIDEVICEID notifyDevice = 0;
    // Changes whenever a play is started, replaced or ended early, so that the completion
    // scheduled for an earlier play finds itself out of date.
    unsigned playId = 0;

    std::vector<MciRecord> records;
};

CdDrive& TheDrive() {
    static CdDrive drive;
    return drive;
}

[[noreturn]] void Unmodelled(const std::string& what) {
    detail::Fail("the simulated CD drive does not model " + what);
}

// The last frame that playback can leave the head on: a play to the end stops on the last
// frame of the last track, never past it.
DWORD Clamp(const CdDrive& drive, DWORD frame) {
    return std::min(frame, drive.layout.LeadOut() - 1);
}

std::uint32_t PlayEndsAt(const CdDrive& drive) {
    std::uint64_t frames = drive.playEnd - drive.head;
    return drive.playStartedAt +
           static_cast<std::uint32_t>((frames * 1000 + detail::kFramesPerSecond - 1) /
                                      detail::kFramesPerSecond);
}

// Brings the drive up to the clock: a play whose end has come is over.
void Settle(CdDrive& drive) {
    if (drive.playback != Playback::Playing) return;
    std::uint32_t now = Now();
    if (now >= PlayEndsAt(drive)) {
        drive.playback = Playback::Stopped;
        drive.head = Clamp(drive, drive.playEnd);
    }
}

DWORD HeadNow(const CdDrive& drive) {
    if (drive.playback != Playback::Playing) return drive.head;
    std::uint64_t elapsed = Now() - drive.playStartedAt;
    auto moved = static_cast<DWORD>(elapsed * detail::kFramesPerSecond / 1000);
    return Clamp(drive, std::min(drive.head + moved, drive.playEnd));
}

DWORD ModeOf(const CdDrive& drive) {
    if (drive.doorOpen) return MCI_MODE_OPEN;
    switch (drive.playback) {
        case Playback::Playing:
            return MCI_MODE_PLAY;
        case Playback::Paused:
            return MCI_MODE_PAUSE;
        default:
            return MCI_MODE_STOP;
    }
}

// Ends whatever the head was doing; a pending completion notice is dropped.
void Halt(CdDrive& drive, Playback next) {
    Settle(drive);
    drive.head = HeadNow(drive);
    drive.playback = drive.playback == Playback::Stopped ? Playback::Stopped : next;
    drive.notifyWindow = nullptr;
    ++drive.playId;
}

void Complete(unsigned playId) {
    CdDrive& drive = TheDrive();
    if (drive.playId != playId) return;
    Settle(drive);
    if (drive.notifyWindow != nullptr) {
        PostMessageW(drive.notifyWindow, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, drive.notifyDevice);
        drive.notifyWindow = nullptr;
    }
}

void StartPlay(CdDrive& drive, DWORD from, DWORD to) {
    drive.playback = Playback::Playing;
    drive.head = from;
    drive.playEnd = to;
    drive.playStartedAt = Now();
    unsigned playId = ++drive.playId;
    At(PlayEndsAt(drive), [playId] { Complete(playId); });
}

Device* FindDevice(CdDrive& drive, MCIDEVICEID id) {
    auto found = std::find_if(drive.devices.begin(), drive.devices.end(),
                              [id](const Device& device) { return device.id == id; });
    return found == drive.devices.end() ? nullptr : &*found;
}

template <typename Parms>
Parms& ParmsOf(DWORD_PTR param, const char* request) {
    if (param == 0) Unmodelled(std::string(request) + " without a parameter block");
    return *reinterpret_cast<Parms*>(param);
}

bool IsCdAudio(LPCSTR type) {
    std::string name = type != nullptr ? type : "";
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name == "cdaudio";
}

// ---- The requests ----------------------------------------------------------------------------

MCIERROR Open(CdDrive& drive, DWORD_PTR flags, MCI_OPEN_PARMSA& parms) {
    if ((flags & MCI_OPEN_TYPE) == 0 || (flags & MCI_OPEN_ELEMENT) != 0)
        Unmodelled("an open by anything but the device type");
    if (!IsCdAudio(parms.lpstrDeviceType))
        Unmodelled(std::string("the device type \"") + parms.lpstrDeviceType + "\"");
    if (drive.failNextOpen != 0) return std::exchange(drive.failNextOpen, 0);
    if (!drive.present) return MCIERR_CANNOT_LOAD_DRIVER;
    MCIDEVICEID id = 1;
    while (FindDevice(drive, id) != nullptr) ++id;
    drive.devices.push_back(Device{id});
    parms.wDeviceID = id;
    return 0;
}

MCIERROR Close(CdDrive& drive, MCIDEVICEID id) {
    // The drive plays on by itself: closing the device does not stop the disc.
    if (drive.notifyDevice == id) drive.notifyWindow = nullptr;
    drive.devices.erase(std::find_if(drive.devices.begin(), drive.devices.end(),
                                     [id](const Device& device) { return device.id == id; }));
    return 0;
}

MCIERROR GetDevCaps(CdDrive& drive, DWORD_PTR flags, MCI_GETDEVCAPS_PARMS& parms) {
    if ((flags & MCI_GETDEVCAPS_ITEM) == 0) Unmodelled("MCI_GETDEVCAPS without an item");
    switch (parms.dwItem) {
        case MCI_GETDEVCAPS_CAN_EJECT:
            parms.dwReturn = drive.canEject ? TRUE : FALSE;
            return 0;
        case MCI_GETDEVCAPS_CAN_PLAY:
            parms.dwReturn = TRUE;
            return 0;
        default:
            Unmodelled("the capability item " + std::to_string(parms.dwItem));
    }
}

MCIERROR Set(CdDrive& drive, Device& device, DWORD_PTR flags, const MCI_SET_PARMS& parms) {
    if ((flags & (MCI_SET_TIME_FORMAT | MCI_SET_DOOR_OPEN | MCI_SET_DOOR_CLOSED)) == 0)
        Unmodelled("MCI_SET without a time format or a door flag");
    if (flags & MCI_SET_TIME_FORMAT) {
        DWORD format = parms.dwTimeFormat;
        if (format != MCI_FORMAT_MILLISECONDS && format != MCI_FORMAT_MSF &&
            format != MCI_FORMAT_TMSF)
            Unmodelled("the time format " + std::to_string(format));
        device.timeFormat = format;
    }
    if (flags & (MCI_SET_DOOR_OPEN | MCI_SET_DOOR_CLOSED)) {
        if (!drive.canEject) return MCIERR_UNSUPPORTED_FUNCTION;
        Halt(drive, Playback::Stopped);
        drive.doorOpen = (flags & MCI_SET_DOOR_OPEN) != 0;
        // The disc that comes back in is read from its start.
        drive.head = drive.layout.FirstFrame();
    }
    return 0;
}

MCIERROR Status(CdDrive& drive, const Device& device, DWORD_PTR flags, MCI_STATUS_PARMS& parms) {
    if ((flags & MCI_STATUS_ITEM) == 0) Unmodelled("MCI_STATUS without an item");
    const DiscLayout& layout = drive.layout;
    const DWORD format = device.timeFormat;
    const bool track = (flags & MCI_TRACK) != 0;
    switch (parms.dwItem) {
        case MCI_STATUS_MODE:
            parms.dwReturn = ModeOf(drive);
            return 0;
        case MCI_STATUS_MEDIA_PRESENT:
        case MCI_STATUS_READY:
            parms.dwReturn = drive.doorOpen ? FALSE : TRUE;
            return 0;
        case MCI_STATUS_TIME_FORMAT:
            parms.dwReturn = format;
            return 0;
        default:
            break;
    }
    if (drive.doorOpen) return MCIERR_DEVICE_NOT_READY;
    if (track && (parms.dwTrack < 1 || parms.dwTrack > layout.Tracks())) return MCIERR_OUTOFRANGE;
    switch (parms.dwItem) {
        case MCI_STATUS_POSITION:
            parms.dwReturn = layout.EncodePosition(
                track ? layout.TrackStart(parms.dwTrack) : HeadNow(drive), format);
            return 0;
        case MCI_STATUS_LENGTH:
            parms.dwReturn = detail::EncodeLength(
                track ? layout.TrackLength(parms.dwTrack) : layout.DiscLength(), format);
            return 0;
        case MCI_STATUS_NUMBER_OF_TRACKS:
            parms.dwReturn = layout.Tracks();
            return 0;
        case MCI_STATUS_CURRENT_TRACK:
            parms.dwReturn = layout.TrackOf(HeadNow(drive));
            return 0;
        default:
            Unmodelled("the status item " + std::to_string(parms.dwItem));
    }
}

MCIERROR Play(CdDrive& drive, const Device& device, DWORD_PTR flags, const MCI_PLAY_PARMS& parms) {
    if (flags & MCI_WAIT) Unmodelled("a play that waits for its end");
    if (drive.doorOpen) return MCIERR_DEVICE_NOT_READY;
    const DiscLayout& layout = drive.layout;
    Settle(drive);
    DWORD from = HeadNow(drive);
    DWORD to = layout.LeadOut();
    if (flags & MCI_FROM) {
        auto frame = layout.DecodePosition(parms.dwFrom, device.timeFormat);
        if (!frame) return MCIERR_OUTOFRANGE;
        from = *frame;
    }
    if (flags & MCI_TO) {
        auto frame = layout.DecodePosition(parms.dwTo, device.timeFormat);
        if (!frame) return MCIERR_OUTOFRANGE;
        to = *frame;
    }
    if (to < from) return MCIERR_OUTOFRANGE;
    Halt(drive, Playback::Stopped);
    if (flags & MCI_NOTIFY) {
        drive.notifyWindow = reinterpret_cast<HWND>(parms.dwCallback);
        drive.notifyDevice = device.id;
    }
    StartPlay(drive, from, to);
    return 0;
}

MCIERROR Seek(CdDrive& drive, const Device& device, DWORD_PTR flags, const MCI_SEEK_PARMS& parms) {
    const DWORD_PTR targets = flags & (MCI_TO | MCI_SEEK_TO_START | MCI_SEEK_TO_END);
    if (targets != MCI_TO && targets != MCI_SEEK_TO_START && targets != MCI_SEEK_TO_END)
        Unmodelled("a seek without exactly one target");
    if (drive.doorOpen) return MCIERR_DEVICE_NOT_READY;
    const DiscLayout& layout = drive.layout;
    DWORD target = targets == MCI_SEEK_TO_START ? layout.FirstFrame() : layout.LeadOut() - 1;
    if (targets == MCI_TO) {
        auto frame = layout.DecodePosition(parms.dwTo, device.timeFormat);
        if (!frame) return MCIERR_OUTOFRANGE;
        target = Clamp(drive, *frame);
    }
    Halt(drive, Playback::Stopped);
    drive.head = target;
    return 0;
}

MciRecord Decode(MCIDEVICEID device, UINT msg, DWORD_PTR flags, DWORD_PTR param) {
    MciRecord record{device, msg, flags, 0, 0, 0, 0, 0, {}, 0};
    if (param == 0) return record;
    switch (msg) {
        case MCI_OPEN: {
            const auto& parms = *reinterpret_cast<const MCI_OPEN_PARMSA*>(param);
            if ((flags & MCI_OPEN_TYPE) && parms.lpstrDeviceType != nullptr)
                record.deviceType = parms.lpstrDeviceType;
            break;
        }
        case MCI_STATUS: {
            const auto& parms = *reinterpret_cast<const MCI_STATUS_PARMS*>(param);
            if (flags & MCI_STATUS_ITEM) record.item = parms.dwItem;
            if (flags & MCI_TRACK) record.track = parms.dwTrack;
            break;
        }
        case MCI_GETDEVCAPS: {
            const auto& parms = *reinterpret_cast<const MCI_GETDEVCAPS_PARMS*>(param);
            if (flags & MCI_GETDEVCAPS_ITEM) record.item = parms.dwItem;
            break;
        }
        case MCI_PLAY: {
            const auto& parms = *reinterpret_cast<const MCI_PLAY_PARMS*>(param);
            if (flags & MCI_FROM) record.from = parms.dwFrom;
            if (flags & MCI_TO) record.to = parms.dwTo;
            break;
        }
        case MCI_SEEK: {
            const auto& parms = *reinterpret_cast<const MCI_SEEK_PARMS*>(param);
            if (flags & MCI_TO) record.to = parms.dwTo;
            break;
        }
        case MCI_SET: {
            const auto& parms = *reinterpret_cast<const MCI_SET_PARMS*>(param);
            if (flags & MCI_SET_TIME_FORMAT) record.timeFormat = parms.dwTimeFormat;
            break;
        }
        default:
            break;
    }
    return record;
}

MCIERROR Carry(CdDrive& drive, MCIDEVICEID id, UINT msg, DWORD_PTR flags, DWORD_PTR param) {
    if (msg == MCI_OPEN) return Open(drive, flags, ParmsOf<MCI_OPEN_PARMSA>(param, "MCI_OPEN"));
    Device* device = FindDevice(drive, id);
    if (device == nullptr) return MCIERR_INVALID_DEVICE_ID;
    if (drive.refuse) return MCIERR_HARDWARE;
    // The CD-audio driver has no resume: a paused disc plays on only by a new play.
    if (msg == MCI_RESUME) return MCIERR_UNSUPPORTED_FUNCTION;
    if ((flags & MCI_NOTIFY) && msg != MCI_PLAY) Unmodelled("a completion notice but for a play");
    switch (msg) {
        case MCI_CLOSE:
            return Close(drive, id);
        case MCI_GETDEVCAPS:
            return GetDevCaps(drive, flags, ParmsOf<MCI_GETDEVCAPS_PARMS>(param, "MCI_GETDEVCAPS"));
        case MCI_SET:
            return Set(drive, *device, flags, ParmsOf<MCI_SET_PARMS>(param, "MCI_SET"));
        case MCI_STATUS:
            return Status(drive, *device, flags, ParmsOf<MCI_STATUS_PARMS>(param, "MCI_STATUS"));
        case MCI_PLAY:
            return Play(drive, *device, flags, ParmsOf<MCI_PLAY_PARMS>(param, "MCI_PLAY"));
        case MCI_SEEK:
            return Seek(drive, *device, flags, ParmsOf<MCI_SEEK_PARMS>(param, "MCI_SEEK"));
        case MCI_STOP:
            Halt(drive, Playback::Stopped);
            return 0;
        case MCI_PAUSE:
            if (!drive.doorOpen) Halt(drive, Playback::Paused);
            return 0;
        default:
            Unmodelled("the request " + std::to_string(msg));
    }
}

}  // namespace

// ---- Test API
// ------------------------------------------------------------------------------------

void SetDisc(const Disc& disc) {
    if (disc.trackFrames.empty() || disc.trackFrames.size() > 99 ||
        std::find(disc.trackFrames.begin(), disc.trackFrames.end(), 0u) != disc.trackFrames.end())
        detail::Fail("a disc holds 1 to 99 tracks, none of them empty");
    CdDrive& drive = TheDrive();
    Halt(drive, Playback::Stopped);
    drive.layout = DiscLayout(disc.trackFrames);
    drive.head = drive.layout.FirstFrame();
}

void SetDriveCanEject(bool canEject) { TheDrive().canEject = canEject; }
void SetDrivePresent(bool present) { TheDrive().present = present; }
void FailNextOpen(MCIERROR error) { TheDrive().failNextOpen = error; }
void RefuseRequests(bool refuse) { TheDrive().refuse = refuse; }

DriveState Drive() {
    winsim::CdDrive& drive = TheDrive();
    Settle(drive);
    return DriveState{!drive.devices.empty(), drive.doorOpen, ModeOf(drive),
                      drive.layout.EncodePosition(HeadNow(drive), MCI_FORMAT_TMSF)};
}

void SetDrivePosition(DWORD tmsf) {
    winsim::CdDrive& drive = TheDrive();
    auto frame = drive.layout.DecodePosition(tmsf, MCI_FORMAT_TMSF);
    if (!frame) detail::Fail("SetDrivePosition: not a place on the disc");
    Settle(drive);
    if (drive.playback != Playback::Playing) {
        drive.head = Clamp(drive, *frame);
        return;
    }
    HWND notifyWindow = drive.notifyWindow;
    StartPlay(drive, Clamp(drive, *frame), std::max(drive.playEnd, Clamp(drive, *frame)));
    drive.notifyWindow = notifyWindow;
}

const std::vector<MciRecord>& MciRequests() { return TheDrive().records; }

namespace detail {

void ResetMci() {
    // A fresh drive, but the play counter goes on so that no earlier completion can fire.
    unsigned playId = TheDrive().playId + 1;
    TheDrive() = winsim::CdDrive{};
    TheDrive().playId = playId;
}

}  // namespace detail
}  // namespace winsim

MCIERROR WINAPI mciSendCommandA(MCIDEVICEID device, UINT msg, DWORD_PTR flags, DWORD_PTR param) {
    auto& drive = winsim::TheDrive();
    winsim::MciRecord record = winsim::Decode(device, msg, flags, param);
    record.result = winsim::Carry(drive, device, msg, flags, param);
    drive.records.push_back(record);
    return record.result;
}
