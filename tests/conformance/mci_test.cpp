// The media control interface as the program meets it. The first part holds on Wine (this
// machine has no CD drive) and on the simulated no-drive machine alike; the second part pins
// the simulated drive with a disc in it, which Wine cannot show here.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "win/win.h"
#ifndef _WIN32
#include "winsim/sim.h"
#endif

namespace {

struct LocalisedText {
    MCIERROR error;
    const char* english;
    const char* japanese;
};

// Wine's own words, English under C.UTF-8 and Japanese under ja_JP.UTF-8.
const LocalisedText kCannotLoadDriver = {
    MCIERR_CANNOT_LOAD_DRIVER,
    "There is an undetectable problem in loading the specified device driver.",
    "指定されたデバイス ドライバーのロード中に不明なエラーが発生しました。"};
const LocalisedText kInvalidDeviceId = {
    MCIERR_INVALID_DEVICE_ID,
    "Invalid MCI device ID. Use the ID returned when opening the MCI device.",
    "無効なMCIデバイスIDです。MCIデバイスをオープンしたときに返されたIDを使用して下さい。"};

std::string Expected(const LocalisedText& text) {
    return GetACP() == 932 ? text.japanese : text.english;
}

std::string ErrorString(MCIERROR error) {
    char text[256] = {};
    EXPECT_TRUE(mciGetErrorStringA(error, text, sizeof text));
    return text;
}

MCIERROR OpenCdAudio(MCI_OPEN_PARMSA& parms) {
    parms.lpstrDeviceType = "CDAudio";
    return mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_SHAREABLE | MCI_WAIT,
                           reinterpret_cast<DWORD_PTR>(&parms));
}

// Runs `check` once in each language this machine can be in: natively under both code pages,
// under Wine in the one its locale gives.
void InEachLanguage(const std::function<void()>& check) {
#ifdef _WIN32
    check();
#else
    for (UINT codePage : {1252u, 932u}) {
        SCOPED_TRACE(codePage);
        winsim::SetAnsiCodePage(codePage);
        check();
    }
#endif
}

class NoDriveMachine : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef _WIN32
        winsim::Reset();
        winsim::SetDrivePresent(false);
#endif
    }
};

TEST_F(NoDriveMachine, OpeningCdAudioFailsWithTheDriverLoadError) {
    InEachLanguage([] {
        MCI_OPEN_PARMSA parms = {};
        MCIERROR error = OpenCdAudio(parms);
        EXPECT_EQ(error, static_cast<MCIERROR>(MCIERR_CANNOT_LOAD_DRIVER));
        EXPECT_EQ(ErrorString(error), Expected(kCannotLoadDriver));
    });
}

TEST_F(NoDriveMachine, RequestsToADeviceThatIsNotOpenAreRefusedUntouched) {
    for (MCIDEVICEID device : {0u, 1u}) {
        SCOPED_TRACE(device);
        MCI_STATUS_PARMS status = {};
        status.dwItem = MCI_STATUS_MODE;
        status.dwReturn = 1234;
        EXPECT_EQ(mciSendCommandA(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                                  reinterpret_cast<DWORD_PTR>(&status)),
                  static_cast<MCIERROR>(MCIERR_INVALID_DEVICE_ID));
        EXPECT_EQ(status.dwReturn, 1234u);
        MCI_GENERIC_PARMS generic = {};
        EXPECT_EQ(
            mciSendCommandA(device, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&generic)),
            static_cast<MCIERROR>(MCIERR_INVALID_DEVICE_ID));
        MCI_PLAY_PARMS play = {};
        EXPECT_EQ(mciSendCommandA(device, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play)),
                  static_cast<MCIERROR>(MCIERR_INVALID_DEVICE_ID));
    }
    InEachLanguage(
        [] { EXPECT_EQ(ErrorString(MCIERR_INVALID_DEVICE_ID), Expected(kInvalidDeviceId)); });
}

TEST_F(NoDriveMachine, ErrorTextIsCutToWholeCharactersThatFit) {
    InEachLanguage([] {
        const std::string full = Expected(kCannotLoadDriver);
        for (UINT size : {1u, 2u, 3u, 4u, 5u}) {
            SCOPED_TRACE(size);
            // The longest run of whole characters that leaves room for the terminator.
            std::size_t fits = 0;
            while (fits < full.size()) {
                auto byte = static_cast<unsigned char>(full[fits]);
                bool lead = GetACP() == 932 && ((byte >= 0x81 && byte <= 0x9f) || byte >= 0xe0);
                if (fits + (lead ? 2 : 1) > size - 1) break;
                fits += lead ? 2 : 1;
            }
            char text[8];
            std::memset(text, 'Z', sizeof text);
            BOOL ok = mciGetErrorStringA(MCIERR_CANNOT_LOAD_DRIVER, text, size);
            EXPECT_EQ(ok != FALSE, fits > 0);
            EXPECT_EQ(std::string(text), full.substr(0, fits));
        }
    });
}

TEST_F(NoDriveMachine, ErrorTextRefusesNoRoomAndUnknownCodes) {
    char text[8] = "kept";
    EXPECT_FALSE(mciGetErrorStringA(MCIERR_CANNOT_LOAD_DRIVER, nullptr, 10));
    EXPECT_FALSE(mciGetErrorStringA(MCIERR_CANNOT_LOAD_DRIVER, text, 0));
    EXPECT_FALSE(mciGetErrorStringA(12345, text, sizeof text));
    EXPECT_STREQ(text, "kept");
}

#ifndef _WIN32

// ---- The simulated drive with a disc ---------------------------------------------------------

constexpr DWORD kSecond = 75;
constexpr DWORD kMinute = 60 * kSecond;

LRESULT CALLBACK PlainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class SimulatedDrive : public ::testing::Test {
  protected:
    void SetUp() override { winsim::Reset(); }

    MCIDEVICEID Open() {
        MCI_OPEN_PARMSA parms = {};
        EXPECT_EQ(OpenCdAudio(parms), 0u);
        return parms.wDeviceID;
    }
    MCIERROR Send(MCIDEVICEID device, UINT msg, DWORD_PTR flags, void* parms) {
        return mciSendCommandA(device, msg, flags, reinterpret_cast<DWORD_PTR>(parms));
    }
    void SetFormat(MCIDEVICEID device, DWORD format) {
        MCI_SET_PARMS parms = {};
        parms.dwTimeFormat = format;
        ASSERT_EQ(Send(device, MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, &parms), 0u);
    }
    DWORD Status(MCIDEVICEID device, DWORD item, DWORD track = 0, MCIERROR expected = 0) {
        MCI_STATUS_PARMS parms = {};
        parms.dwItem = item;
        parms.dwTrack = track;
        EXPECT_EQ(
            Send(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT | (track ? MCI_TRACK : 0), &parms),
            expected);
        return static_cast<DWORD>(parms.dwReturn);
    }
    MCIERROR Play(MCIDEVICEID device, DWORD_PTR flags, DWORD from = 0, HWND notify = nullptr) {
        MCI_PLAY_PARMS parms = {};
        parms.dwCallback = reinterpret_cast<DWORD_PTR>(notify);
        parms.dwFrom = from;
        return Send(device, MCI_PLAY, flags, &parms);
    }
    MCIERROR Plain(MCIDEVICEID device, UINT msg) {
        MCI_GENERIC_PARMS parms = {};
        return Send(device, msg, MCI_WAIT, &parms);
    }
    struct Notice {
        MSG msg;
        std::uint32_t at;
    };
    // Lets the program wait until the clock reads `ms`; returns the completion notices that
    // arrived meanwhile, with the time each arrived.
    std::vector<Notice> WaitUntil(std::uint32_t ms) {
        winsim::At(ms, [] { PostQuitMessage(0); });
        std::vector<Notice> notices;
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0)) {
            if (msg.message == MM_MCINOTIFY) notices.push_back({msg, winsim::Now()});
            DispatchMessageW(&msg);
        }
        return notices;
    }
    HWND NotifyWindow() {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = PlainWindowProc;
        windowClass.lpszClassName = u"MciTestWindow";
        RegisterClassExW(&windowClass);
        return CreateWindowExW(0, u"MciTestWindow", u"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               nullptr, nullptr);
    }
};

TEST_F(SimulatedDrive, ReportsTheDefaultDiscInEachTimeFormat) {
    MCIDEVICEID device = Open();
    EXPECT_EQ(Status(device, MCI_STATUS_TIME_FORMAT), static_cast<DWORD>(MCI_FORMAT_MSF));
    EXPECT_EQ(Status(device, MCI_STATUS_NUMBER_OF_TRACKS), 5u);
    struct Case {
        DWORD format;
        DWORD position;     // stopped at the start of the disc
        DWORD track3Start;  // 00:02:00 pregap + 3 + 4 minutes
        DWORD track2Length;
        DWORD track5Length;  // the last track reads one frame short, and so does the disc
        DWORD discLength;
    };
    const Case cases[] = {
        {MCI_FORMAT_MSF, 0x000200, 0x000207, 0x000004, 0x4a3b06, 0x4a3b18},
        {MCI_FORMAT_TMSF, MCI_MAKE_TMSF(1, 0, 0, 0), MCI_MAKE_TMSF(3, 0, 0, 0), 0x000004, 0x4a3b06,
         0x4a3b18},
        {MCI_FORMAT_MILLISECONDS, 2000, 422000, 240000, 419986, 1499986},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        SetFormat(device, c.format);
        EXPECT_EQ(Status(device, MCI_STATUS_TIME_FORMAT), c.format);
        EXPECT_EQ(Status(device, MCI_STATUS_POSITION), c.position);
        EXPECT_EQ(Status(device, MCI_STATUS_POSITION, 3), c.track3Start);
        EXPECT_EQ(Status(device, MCI_STATUS_LENGTH, 2), c.track2Length);
        EXPECT_EQ(Status(device, MCI_STATUS_LENGTH, 5), c.track5Length);
        EXPECT_EQ(Status(device, MCI_STATUS_LENGTH), c.discLength);
    }
    Status(device, MCI_STATUS_POSITION, 6, MCIERR_OUTOFRANGE);
}

TEST_F(SimulatedDrive, PlaysOnTheClockAcrossTracksAndNotifiesAtTheEnd) {
    winsim::SetDisc({{3 * kMinute, 2 * kMinute}});
    MCIDEVICEID device = Open();
    SetFormat(device, MCI_FORMAT_TMSF);
    HWND window = NotifyWindow();
    ASSERT_EQ(Play(device, MCI_FROM | MCI_NOTIFY, MCI_MAKE_TMSF(1, 2, 59, 0), window), 0u);
    // One second and ten frames later the head is ten frames into track 2.
    EXPECT_TRUE(WaitUntil(1134).empty());
    EXPECT_EQ(Status(device, MCI_STATUS_POSITION), MCI_MAKE_TMSF(2, 0, 0, 10));
    EXPECT_EQ(Status(device, MCI_STATUS_CURRENT_TRACK), 2u);
    EXPECT_EQ(Status(device, MCI_STATUS_MODE), static_cast<DWORD>(MCI_MODE_PLAY));

    std::vector<Notice> notices = WaitUntil(200000);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].msg.hwnd, window);
    EXPECT_EQ(notices[0].msg.wParam, static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
    EXPECT_EQ(notices[0].msg.lParam, static_cast<LPARAM>(device));
    EXPECT_EQ(notices[0].at, 121000u);
    EXPECT_EQ(Status(device, MCI_STATUS_MODE), static_cast<DWORD>(MCI_MODE_STOP));
    // Stopped on the last frame of the last track, not past it.
    EXPECT_EQ(Status(device, MCI_STATUS_POSITION), MCI_MAKE_TMSF(2, 1, 59, 74));
}

TEST_F(SimulatedDrive, PauseHoldsThePlaceResumeIsRefusedAndPlayGoesOnFromIt) {
    MCIDEVICEID device = Open();
    SetFormat(device, MCI_FORMAT_TMSF);
    HWND window = NotifyWindow();
    ASSERT_EQ(Play(device, MCI_NOTIFY, 0, window), 0u);
    WaitUntil(5000);
    EXPECT_EQ(Plain(device, MCI_PAUSE), 0u);
    WaitUntil(9000);
    EXPECT_EQ(Status(device, MCI_STATUS_MODE), static_cast<DWORD>(MCI_MODE_PAUSE));
    EXPECT_EQ(Status(device, MCI_STATUS_POSITION), MCI_MAKE_TMSF(1, 0, 5, 0));
    EXPECT_EQ(Plain(device, MCI_RESUME), static_cast<MCIERROR>(MCIERR_UNSUPPORTED_FUNCTION));
    EXPECT_EQ(Status(device, MCI_STATUS_MODE), static_cast<DWORD>(MCI_MODE_PAUSE));
    ASSERT_EQ(Play(device, 0), 0u);
    WaitUntil(10000);
    EXPECT_EQ(Status(device, MCI_STATUS_POSITION), MCI_MAKE_TMSF(1, 0, 6, 0));
    EXPECT_EQ(Plain(device, MCI_STOP), 0u);
    EXPECT_EQ(Status(device, MCI_STATUS_MODE), static_cast<DWORD>(MCI_MODE_STOP));
    // The interrupted play owes no completion notice.
    EXPECT_TRUE(WaitUntil(2000000).empty());
    EXPECT_EQ(Status(device, MCI_STATUS_POSITION), MCI_MAKE_TMSF(1, 0, 6, 0));
}

TEST_F(SimulatedDrive, SeeksStopPlaybackAndLandWhereAsked) {
    MCIDEVICEID device = Open();
    SetFormat(device, MCI_FORMAT_TMSF);
    ASSERT_EQ(Play(device, 0), 0u);
    struct Case {
        DWORD_PTR flags;
        DWORD to;
        DWORD expected;
    };
    const Case cases[] = {
        {MCI_TO, MCI_MAKE_TMSF(4, 1, 2, 3), MCI_MAKE_TMSF(4, 1, 2, 3)},
        {MCI_SEEK_TO_START, 0, MCI_MAKE_TMSF(1, 0, 0, 0)},
        {MCI_SEEK_TO_END, 0, MCI_MAKE_TMSF(5, 6, 59, 74)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        MCI_SEEK_PARMS parms = {};
        parms.dwTo = c.to;
        EXPECT_EQ(Send(device, MCI_SEEK, c.flags | MCI_WAIT, &parms), 0u);
        EXPECT_EQ(Status(device, MCI_STATUS_MODE), static_cast<DWORD>(MCI_MODE_STOP));
        EXPECT_EQ(Status(device, MCI_STATUS_POSITION), c.expected);
    }
    MCI_SEEK_PARMS offDisc = {};
    offDisc.dwTo = MCI_MAKE_TMSF(6, 0, 0, 0);
    EXPECT_EQ(Send(device, MCI_SEEK, MCI_TO | MCI_WAIT, &offDisc),
              static_cast<MCIERROR>(MCIERR_OUTOFRANGE));
    EXPECT_EQ(Play(device, MCI_FROM, MCI_MAKE_TMSF(0, 0, 0, 0)),
              static_cast<MCIERROR>(MCIERR_OUTOFRANGE));
}

TEST_F(SimulatedDrive, OpenDoorStopsTheDiscAndLeavesNothingToRead) {
    MCIDEVICEID device = Open();
    ASSERT_EQ(Play(device, 0), 0u);
    MCI_SET_PARMS door = {};
    ASSERT_EQ(Send(device, MCI_SET, MCI_SET_DOOR_OPEN | MCI_WAIT, &door), 0u);
    EXPECT_EQ(Status(device, MCI_STATUS_MODE), static_cast<DWORD>(MCI_MODE_OPEN));
    EXPECT_EQ(Status(device, MCI_STATUS_MEDIA_PRESENT), static_cast<DWORD>(FALSE));
    Status(device, MCI_STATUS_POSITION, 0, MCIERR_DEVICE_NOT_READY);
    EXPECT_EQ(Play(device, 0), static_cast<MCIERROR>(MCIERR_DEVICE_NOT_READY));
    EXPECT_TRUE(winsim::Drive().doorOpen);

    ASSERT_EQ(Send(device, MCI_SET, MCI_SET_DOOR_CLOSED | MCI_WAIT, &door), 0u);
    EXPECT_EQ(Status(device, MCI_STATUS_MODE), static_cast<DWORD>(MCI_MODE_STOP));
    EXPECT_EQ(winsim::Drive().position, MCI_MAKE_TMSF(1, 0, 0, 0));
}

TEST_F(SimulatedDrive, ADriveThatCannotEjectSaysSoAndRefusesTheDoor) {
    winsim::SetDriveCanEject(false);
    MCIDEVICEID device = Open();
    MCI_GETDEVCAPS_PARMS caps = {};
    caps.dwItem = MCI_GETDEVCAPS_CAN_EJECT;
    ASSERT_EQ(Send(device, MCI_GETDEVCAPS, MCI_GETDEVCAPS_ITEM | MCI_WAIT, &caps), 0u);
    EXPECT_EQ(caps.dwReturn, static_cast<DWORD>(FALSE));
    MCI_SET_PARMS door = {};
    EXPECT_EQ(Send(device, MCI_SET, MCI_SET_DOOR_OPEN | MCI_WAIT, &door),
              static_cast<MCIERROR>(MCIERR_UNSUPPORTED_FUNCTION));
    EXPECT_FALSE(winsim::Drive().doorOpen);
}

TEST_F(SimulatedDrive, ClosingTheDeviceLeavesTheDiscPlaying) {
    MCIDEVICEID device = Open();
    HWND window = NotifyWindow();
    ASSERT_EQ(Play(device, MCI_NOTIFY, 0, window), 0u);
    ASSERT_EQ(Plain(device, MCI_CLOSE), 0u);
    WaitUntil(3000);
    winsim::DriveState drive = winsim::Drive();
    EXPECT_FALSE(drive.open);
    EXPECT_EQ(drive.mode, static_cast<DWORD>(MCI_MODE_PLAY));
    EXPECT_EQ(drive.position, MCI_MAKE_TMSF(1, 0, 3, 0));
    // The closed device's notice is not delivered.
    EXPECT_TRUE(WaitUntil(2000000).empty());
    EXPECT_EQ(Status(device, MCI_STATUS_MODE, 0, MCIERR_INVALID_DEVICE_ID), 0u);
}

TEST_F(SimulatedDrive, InjectedFaultsAndTheRecordOfRequests) {
    winsim::FailNextOpen(MCIERR_HARDWARE);
    MCI_OPEN_PARMSA parms = {};
    EXPECT_EQ(OpenCdAudio(parms), static_cast<MCIERROR>(MCIERR_HARDWARE));
    EXPECT_FALSE(winsim::Drive().open);
    MCIDEVICEID device = Open();  // the fault was for one open only
    EXPECT_EQ(device, 1u);
    winsim::RefuseRequests(true);
    Status(device, MCI_STATUS_MODE, 0, MCIERR_HARDWARE);
    EXPECT_EQ(Plain(device, MCI_CLOSE), static_cast<MCIERROR>(MCIERR_HARDWARE));
    EXPECT_TRUE(winsim::Drive().open);
    winsim::RefuseRequests(false);
    Status(device, MCI_STATUS_LENGTH, 2);

    const auto& records = winsim::MciRequests();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].msg, static_cast<UINT>(MCI_OPEN));
    EXPECT_EQ(records[0].deviceType, "CDAudio");
    EXPECT_EQ(records[0].flags,
              static_cast<DWORD_PTR>(MCI_OPEN_TYPE | MCI_OPEN_SHAREABLE | MCI_WAIT));
    EXPECT_EQ(records[0].result, static_cast<MCIERROR>(MCIERR_HARDWARE));
    EXPECT_EQ(records[1].result, 0u);
    EXPECT_EQ(records[3].msg, static_cast<UINT>(MCI_CLOSE));
    EXPECT_EQ(records[3].device, device);
    EXPECT_EQ(records[4].msg, static_cast<UINT>(MCI_STATUS));
    EXPECT_EQ(records[4].item, static_cast<DWORD>(MCI_STATUS_LENGTH));
    EXPECT_EQ(records[4].track, 2u);
}

#endif

}  // namespace
