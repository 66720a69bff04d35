// The media player against the simulated CD drive: the requests each operation sends, what the
// drive does as a result, and how refusals are handled.
#include "vcl/media_player.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "winsim/sim.h"

namespace {

using winsim::MciRecord;

std::string Hex(DWORD_PTR value) {
    char text[24];
    std::snprintf(text, sizeof text, "%#zx", static_cast<std::size_t>(value));
    return text;
}

// One request as a line: the message, its flags, and the one argument that matters for it.
std::string Describe(const MciRecord& r) {
    switch (r.msg) {
        case MCI_OPEN:
            return "OPEN " + Hex(r.flags) + " " + r.deviceType;
        case MCI_CLOSE:
            return "CLOSE " + Hex(r.flags);
        case MCI_GETDEVCAPS:
            return "GETDEVCAPS " + Hex(r.flags) + " item=" + std::to_string(r.item);
        case MCI_SET:
            return "SET " + Hex(r.flags) + " format=" + std::to_string(r.timeFormat);
        case MCI_STATUS:
            return "STATUS " + Hex(r.flags) + " item=" + std::to_string(r.item) +
                   (r.flags & MCI_TRACK ? " track=" + std::to_string(r.track) : "");
        case MCI_PLAY:
            return "PLAY " + Hex(r.flags) + (r.flags & MCI_FROM ? " from=" + Hex(r.from) : "");
        case MCI_SEEK:
            return "SEEK " + Hex(r.flags) + (r.flags & MCI_TO ? " to=" + Hex(r.to) : "");
        case MCI_STOP:
            return "STOP " + Hex(r.flags);
        case MCI_PAUSE:
            return "PAUSE " + Hex(r.flags);
        case MCI_RESUME:
            return "RESUME " + Hex(r.flags);
        default:
            return "request " + Hex(r.msg);
    }
}

// The expected lines, written the same way.
std::string Status(DWORD item) {
    return "STATUS " + Hex(MCI_STATUS_ITEM | MCI_WAIT) + " item=" + std::to_string(item);
}
std::string TrackStart(DWORD track) {
    return "STATUS " + Hex(MCI_STATUS_ITEM | MCI_TRACK | MCI_WAIT) +
           " item=" + std::to_string(MCI_STATUS_POSITION) + " track=" + std::to_string(track);
}
std::string PlayFrom(DWORD tmsf) {
    return "PLAY " + Hex(MCI_FROM | MCI_NOTIFY) + " from=" + Hex(tmsf);
}
std::string SeekTo(DWORD tmsf) { return "SEEK " + Hex(MCI_TO | MCI_WAIT) + " to=" + Hex(tmsf); }
const std::string kOpen = "OPEN " + Hex(MCI_OPEN_TYPE | MCI_OPEN_SHAREABLE | MCI_WAIT) + " CDAudio";
const std::string kCanEject = "GETDEVCAPS " + Hex(MCI_GETDEVCAPS_ITEM | MCI_WAIT) +
                              " item=" + std::to_string(MCI_GETDEVCAPS_CAN_EJECT);
const std::string kTmsf =
    "SET " + Hex(MCI_SET_TIME_FORMAT | MCI_WAIT) + " format=" + std::to_string(MCI_FORMAT_TMSF);
const std::string kClose = "CLOSE " + Hex(MCI_WAIT);
const std::string kPlay = "PLAY " + Hex(MCI_NOTIFY);
const std::string kRewind = "SEEK " + Hex(MCI_SEEK_TO_START | MCI_WAIT);
const std::string kPause = "PAUSE " + Hex(MCI_WAIT);
const std::string kResume = "RESUME " + Hex(MCI_NOTIFY);
const std::string kStop = "STOP " + Hex(MCI_WAIT);
const std::string kEject = "SET " + Hex(MCI_SET_DOOR_OPEN | MCI_WAIT) + " format=0";
const std::string kMode = Status(MCI_STATUS_MODE);
const std::string kPosition = Status(MCI_STATUS_POSITION);
const std::string kLength = Status(MCI_STATUS_LENGTH);
const std::string kTracks = Status(MCI_STATUS_NUMBER_OF_TRACKS);

std::string ErrorText(MCIERROR error) {
    char text[256] = {};
    mciGetErrorStringA(error, text, sizeof text);
    return text;
}

class MediaPlayer : public ::testing::Test {
  protected:
    void SetUp() override {
        // The player of a previous case goes while its drive is still there.
        player.reset();
        winsim::Reset();
        seen = 0;
        player = std::make_unique<TMediaPlayer>(nullptr);
        player->SetDeviceType(dtCDAudio);
        player->SetShareable(true);
    }

    // The requests sent since the last call.
    std::vector<std::string> Sent() {
        const auto& records = winsim::MciRequests();
        std::vector<std::string> lines;
        for (std::size_t i = seen; i < records.size(); ++i) lines.push_back(Describe(records[i]));
        seen = records.size();
        return lines;
    }
    void OpenAt(DWORD tmsf, bool playing = false) {
        player->Open();
        winsim::SetDrivePosition(tmsf);
        if (playing) player->Play();
        winsim::SetDrivePosition(tmsf);
        Sent();
    }
    bool HasNotifyWindow() {
        for (const auto& window : winsim::Windows())
            if (window.className == u"TMediaPlayerNotify") return !window.visible;
        return false;
    }

    std::unique_ptr<TMediaPlayer> player;
    std::size_t seen = 0;
};

TEST_F(MediaPlayer, OpenAsksTheCapabilitiesAndSwitchesToTracks) {
    player->Open();
    EXPECT_EQ(Sent(), (std::vector<std::string>{kOpen, kCanEject, kTmsf}));
    EXPECT_TRUE(winsim::Drive().open);
    EXPECT_EQ(player->Position(), static_cast<std::int32_t>(MCI_MAKE_TMSF(1, 0, 0, 0)));
    Sent();

    // A second open gives the first device back before it takes a new one.
    player->Open();
    EXPECT_EQ(Sent(), (std::vector<std::string>{kClose, kOpen, kCanEject, kTmsf}));
    player.reset();
    EXPECT_FALSE(winsim::Drive().open);
}

TEST_F(MediaPlayer, FailedOpenRaisesTheInterfaceTextAndLeavesTheDeviceClosed) {
    struct Case {
        const char* name;
        std::function<void(TMediaPlayer&)> arrange;
        MCIERROR error;
    };
    const Case cases[] = {
        {"refused", [](TMediaPlayer&) { winsim::FailNextOpen(MCIERR_HARDWARE); }, MCIERR_HARDWARE},
        {"no drive", [](TMediaPlayer&) { winsim::SetDrivePresent(false); },
         MCIERR_CANNOT_LOAD_DRIVER},
        // Without a file, only a named device type can be opened.
        {"no device type", [](TMediaPlayer& p) { p.SetDeviceType(dtAutoSelect); },
         MCIERR_INVALID_DEVICE_NAME},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.arrange(*player);
        try {
            player->Open();
            ADD_FAILURE() << "Open did not raise";
        } catch (const EMCIDeviceError& e) {
            EXPECT_EQ(e.Message(), ErrorText(c.error));
            EXPECT_FALSE(e.Message().empty());
        }
        EXPECT_FALSE(winsim::Drive().open);
        EXPECT_THROW(player->Play(), EMCIDeviceError);
    }
}

TEST_F(MediaPlayer, OperationsOnAClosedDeviceRaiseOrReadAsNotReady) {
    const std::pair<const char*, void (TMediaPlayer::*)()> operations[] = {
        {"Play", &TMediaPlayer::Play},         {"Pause", &TMediaPlayer::Pause},
        {"Stop", &TMediaPlayer::Stop},         {"Next", &TMediaPlayer::Next},
        {"Previous", &TMediaPlayer::Previous}, {"Eject", &TMediaPlayer::Eject},
    };
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        try {
            ((*player).*operation)();
            ADD_FAILURE() << "did not raise";
        } catch (const EMCIDeviceError& e) {
            EXPECT_EQ(e.Message(), "No MCI device open");
        }
    }
    player->Close();
    EXPECT_EQ(player->Mode(), mpNotReady);
    EXPECT_EQ(player->Position(), 0);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(MediaPlayer, RefusedRequestsAreSilentAndAStuckDeviceIsClosedAgainOnOpen) {
    player->Open();
    winsim::RefuseRequests(true);
    Sent();
    for (auto operation :
         {&TMediaPlayer::Play, &TMediaPlayer::Pause, &TMediaPlayer::Stop, &TMediaPlayer::Next,
          &TMediaPlayer::Previous, &TMediaPlayer::Eject, &TMediaPlayer::Close})
        EXPECT_NO_THROW(((*player).*operation)());
    EXPECT_EQ(player->Mode(), mpNotReady);
    EXPECT_EQ(player->Position(), 0);
    EXPECT_EQ(Sent(),
              (std::vector<std::string>{kPosition, kLength, kPlay, kMode, kMode, kStop, kPosition,
                                        kTracks, kPosition, kEject, kClose, kMode, kPosition}));
    // The close was refused, so the device still counts as open.
    player->Open();
    EXPECT_EQ(Sent(), (std::vector<std::string>{kClose, kOpen, kCanEject, kTmsf}));
}

TEST_F(MediaPlayer, PlayRunsFromTheCurrentPlaceAndReturnsAtOnce) {
    OpenAt(MCI_MAKE_TMSF(2, 1, 0, 0));
    player->Play();
    EXPECT_EQ(Sent(), (std::vector<std::string>{kPosition, kLength, kPlay}));
    EXPECT_EQ(winsim::Drive().mode, static_cast<DWORD>(MCI_MODE_PLAY));
    EXPECT_EQ(winsim::Drive().position, MCI_MAKE_TMSF(2, 1, 0, 0));
    EXPECT_EQ(player->Mode(), mpPlaying);
    EXPECT_TRUE(HasNotifyWindow());
}

TEST_F(MediaPlayer, AutoRewindSeeksToTheStartOnlyWhenPositionEqualsLength) {
    // The length of a disc comes as minutes/seconds/frames even in the track format, so the
    // two values meet only where the packed bytes agree: on this one-track disc of 1:01:02 the
    // length reads 1:01:01 (one frame short), the same four bytes as track 1 at 1:01:00.
    winsim::SetDisc({{61 * 75 + 2}});
    struct Case {
        DWORD position;
        bool autoRewind;
        std::vector<std::string> requests;
        DWORD playsFrom;
    };
    const DWORD equal = MCI_MAKE_TMSF(1, 1, 1, 0);
    const DWORD unequal = MCI_MAKE_TMSF(1, 1, 0, 0);
    const Case cases[] = {
        {equal, true, {kPosition, kLength, kRewind, kPlay}, MCI_MAKE_TMSF(1, 0, 0, 0)},
        {unequal, true, {kPosition, kLength, kPlay}, unequal},
        {equal, false, {kPlay}, equal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Hex(c.position) + (c.autoRewind ? " rewind" : ""));
        player->SetAutoRewind(c.autoRewind);
        OpenAt(c.position);
        player->Play();
        EXPECT_EQ(Sent(), c.requests);
        EXPECT_EQ(winsim::Drive().position, c.playsFrom);
    }
}

TEST_F(MediaPlayer, PausePausesPlayingResumesPausedAndLeavesOtherModesAlone) {
    struct Case {
        const char* name;
        std::function<void(TMediaPlayer&)> arrange;
        std::vector<std::string> requests;
        DWORD mode;
    };
    const Case cases[] = {
        {"playing", [](TMediaPlayer& p) { p.Play(); }, {kMode, kPause}, MCI_MODE_PAUSE},
        // The drive refuses the resume, so the pause ends in a play from the same place.
        {"paused",
         [](TMediaPlayer& p) {
             p.Play();
             p.Pause();
         },
         {kMode, kMode, kResume, kPosition, kLength, kPlay},
         MCI_MODE_PLAY},
        {"stopped", [](TMediaPlayer&) {}, {kMode, kMode}, MCI_MODE_STOP},
        {"door open", [](TMediaPlayer& p) { p.Eject(); }, {kMode, kMode}, MCI_MODE_OPEN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        player->Open();
        winsim::SetDrivePosition(MCI_MAKE_TMSF(2, 0, 30, 0));
        c.arrange(*player);
        Sent();
        player->Pause();
        EXPECT_EQ(Sent(), c.requests);
        EXPECT_EQ(winsim::Drive().mode, c.mode);
        if (c.mode != MCI_MODE_OPEN) {
            EXPECT_EQ(winsim::Drive().position, MCI_MAKE_TMSF(2, 0, 30, 0));
        }
    }
}

TEST_F(MediaPlayer, StopStopsAndWaits) {
    OpenAt(MCI_MAKE_TMSF(2, 0, 30, 0), true);
    player->Stop();
    EXPECT_EQ(Sent(), (std::vector<std::string>{kStop}));
    EXPECT_EQ(player->Mode(), mpStopped);
}

TEST_F(MediaPlayer, NextGoesToTheNextTrackStartAndStaysOnTheLast) {
    struct Case {
        DWORD from;
        bool playing;
        DWORD to;
    };
    const Case cases[] = {
        {MCI_MAKE_TMSF(2, 1, 0, 0), false, MCI_MAKE_TMSF(3, 0, 0, 0)},
        {MCI_MAKE_TMSF(2, 1, 0, 0), true, MCI_MAKE_TMSF(3, 0, 0, 0)},
        {MCI_MAKE_TMSF(5, 3, 0, 0), false, MCI_MAKE_TMSF(5, 0, 0, 0)},
        {MCI_MAKE_TMSF(5, 0, 0, 1), true, MCI_MAKE_TMSF(5, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Hex(c.from) + (c.playing ? " playing" : " stopped"));
        SetUp();
        OpenAt(c.from, c.playing);
        player->Next();
        DWORD target = MCI_TMSF_TRACK(c.to);
        EXPECT_EQ(Sent(), (std::vector<std::string>{kPosition, kTracks, TrackStart(target), kMode,
                                                    c.playing ? PlayFrom(c.to) : SeekTo(c.to)}));
        EXPECT_EQ(winsim::Drive().position, c.to);
        EXPECT_EQ(player->Mode(), c.playing ? mpPlaying : mpStopped);
    }
}

TEST_F(MediaPlayer, PreviousGoesBackATrackOnlyInTheFirstSecondOfATrackButTheFirst) {
    struct Case {
        DWORD from;
        bool playing;
        DWORD to;
    };
    const Case cases[] = {
        {MCI_MAKE_TMSF(4, 0, 0, 40), false, MCI_MAKE_TMSF(3, 0, 0, 0)},
        {MCI_MAKE_TMSF(4, 0, 0, 74), true, MCI_MAKE_TMSF(3, 0, 0, 0)},
        {MCI_MAKE_TMSF(4, 0, 2, 0), false, MCI_MAKE_TMSF(4, 0, 0, 0)},
        {MCI_MAKE_TMSF(4, 0, 2, 0), true, MCI_MAKE_TMSF(4, 0, 0, 0)},
        {MCI_MAKE_TMSF(4, 1, 0, 10), false, MCI_MAKE_TMSF(4, 0, 0, 0)},  // frames not compared
        {MCI_MAKE_TMSF(1, 0, 0, 10), false, MCI_MAKE_TMSF(1, 0, 0, 0)},
        {MCI_MAKE_TMSF(1, 2, 0, 0), true, MCI_MAKE_TMSF(1, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Hex(c.from) + (c.playing ? " playing" : " stopped"));
        SetUp();
        OpenAt(c.from, c.playing);
        player->Previous();
        std::vector<std::string> expected{kPosition, TrackStart(MCI_TMSF_TRACK(c.from))};
        if (MCI_TMSF_TRACK(c.to) != MCI_TMSF_TRACK(c.from)) {
            expected.push_back(kPosition);  // the track to go back from is read afresh
            expected.push_back(TrackStart(MCI_TMSF_TRACK(c.to)));
        }
        expected.push_back(kMode);
        expected.push_back(c.playing ? PlayFrom(c.to) : SeekTo(c.to));
        EXPECT_EQ(Sent(), expected);
        EXPECT_EQ(winsim::Drive().position, c.to);
        EXPECT_EQ(player->Mode(), c.playing ? mpPlaying : mpStopped);
    }
}

TEST_F(MediaPlayer, EjectOpensTheDoorOnlyWhenTheDriveCanEject) {
    player->Open();
    Sent();
    player->Eject();
    EXPECT_EQ(Sent(), (std::vector<std::string>{kEject}));
    EXPECT_TRUE(winsim::Drive().doorOpen);
    EXPECT_EQ(player->Mode(), mpOpen);

    SetUp();
    winsim::SetDriveCanEject(false);
    player->Open();
    Sent();
    player->Eject();
    EXPECT_TRUE(Sent().empty());
    EXPECT_FALSE(winsim::Drive().doorOpen);
}

TEST_F(MediaPlayer, DestroyingThePlayerClosesTheDeviceAndLeavesTheDiscPlaying) {
    OpenAt(MCI_MAKE_TMSF(2, 0, 0, 0), true);
    ASSERT_TRUE(HasNotifyWindow());
    player.reset();
    EXPECT_EQ(Sent(), (std::vector<std::string>{kClose}));
    winsim::DriveState drive = winsim::Drive();
    EXPECT_FALSE(drive.open);
    EXPECT_EQ(drive.mode, static_cast<DWORD>(MCI_MODE_PLAY));
    EXPECT_FALSE(HasNotifyWindow());
}

TEST_F(MediaPlayer, PositionIsTheWholeTrackMinuteSecondFrameValue) {
    OpenAt(MCI_MAKE_TMSF(3, 1, 5, 10), true);
    EXPECT_EQ(player->Position(), 168100099);
    EXPECT_EQ(IntToStr(player->Position()), "168100099");
}

}  // namespace
