#include "winsim/mci_disc.h"

#include <algorithm>

namespace winsim::detail {
namespace {

constexpr DWORD kPregapFrames = 2 * kFramesPerSecond;
constexpr DWORD kFramesPerMinute = 60 * kFramesPerSecond;

DWORD PackMsf(DWORD frames) {
    return (frames / kFramesPerMinute) | ((frames / kFramesPerSecond % 60) << 8) |
           ((frames % kFramesPerSecond) << 16);
}

DWORD Milliseconds(DWORD frames) {
    return static_cast<DWORD>(std::uint64_t{frames} * 1000 / kFramesPerSecond);
}

std::optional<DWORD> MsfFrames(DWORD minutes, DWORD seconds, DWORD frames) {
    if (seconds >= 60 || frames >= kFramesPerSecond) return std::nullopt;
    return minutes * kFramesPerMinute + seconds * kFramesPerSecond + frames;
}

}  // namespace

DiscLayout::DiscLayout(const std::vector<std::uint32_t>& trackFrames) {
    DWORD next = kPregapFrames;
    for (std::uint32_t length : trackFrames) {
        starts_.push_back(next);
        next += length;
    }
    starts_.push_back(next);
}

DWORD DiscLayout::TrackOf(DWORD frame) const {
    auto after = std::upper_bound(starts_.begin(), starts_.end() - 1, frame);
    return static_cast<DWORD>(std::max<std::ptrdiff_t>(after - starts_.begin(), 1));
}

DWORD DiscLayout::TrackLength(DWORD track) const {
    DWORD length = starts_[track] - starts_[track - 1];
    return track == Tracks() ? length - 1 : length;
}

DWORD DiscLayout::DiscLength() const { return LeadOut() - FirstFrame() - 1; }

DWORD DiscLayout::EncodePosition(DWORD frame, DWORD format) const {
    switch (format) {
        case MCI_FORMAT_MILLISECONDS:
            return Milliseconds(frame);
        case MCI_FORMAT_TMSF: {
            DWORD track = TrackOf(frame);
            DWORD msf = PackMsf(frame - TrackStart(track));
            return track | (msf & 0xff) << 8 | (msf >> 8 & 0xff) << 16 | (msf >> 16) << 24;
        }
        default:
            return PackMsf(frame);
    }
}

std::optional<DWORD> DiscLayout::DecodePosition(DWORD value, DWORD format) const {
    std::optional<DWORD> frame;
    switch (format) {
        case MCI_FORMAT_MILLISECONDS:
            frame = static_cast<DWORD>(std::uint64_t{value} * kFramesPerSecond / 1000);
            break;
        case MCI_FORMAT_TMSF: {
            DWORD track = MCI_TMSF_TRACK(value);
            if (track < 1 || track > Tracks()) return std::nullopt;
            auto offset =
                MsfFrames(MCI_TMSF_MINUTE(value), MCI_TMSF_SECOND(value), MCI_TMSF_FRAME(value));
            if (offset) frame = TrackStart(track) + *offset;
            break;
        }
        default:
            frame = MsfFrames(value & 0xff, value >> 8 & 0xff, value >> 16 & 0xff);
            if (value >> 24 != 0) return std::nullopt;
            break;
    }
    if (!frame || *frame < FirstFrame() || *frame > LeadOut()) return std::nullopt;
    return frame;
}

DWORD EncodeLength(DWORD frames, DWORD format) {
    return format == MCI_FORMAT_MILLISECONDS ? Milliseconds(frames) : PackMsf(frames);
}

}  // namespace winsim::detail
