// Where the tracks of a disc lie, and how the CD-audio driver writes a place or a length on the
// disc in each of its time formats.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "winsim/winapi.h"

namespace winsim::detail {

constexpr DWORD kFramesPerSecond = 75;

// Frame addresses count from the very start of the disc, so the first track begins after the
// two-second pregap (00:02:00 in the minute/second/frame format), as on a pressed disc.
class DiscLayout {
  public:
    explicit DiscLayout(const std::vector<std::uint32_t>& trackFrames);

    DWORD Tracks() const { return static_cast<DWORD>(starts_.size()) - 1; }
    DWORD TrackStart(DWORD track) const { return starts_[track - 1]; }
    DWORD FirstFrame() const { return starts_.front(); }
    // The frame just past the last track: playback to the end stops here.
    DWORD LeadOut() const { return starts_.back(); }
    DWORD TrackOf(DWORD frame) const;
    // Lengths as the driver reports them: the last track, and so the disc, one frame short.
    DWORD TrackLength(DWORD track) const;
    DWORD DiscLength() const;

    // A frame address in `format`.
    DWORD EncodePosition(DWORD frame, DWORD format) const;
    // The frame address that a position value in `format` names; empty when it lies off the
    // disc or is malformed.
    std::optional<DWORD> DecodePosition(DWORD value, DWORD format) const;

  private:
    std::vector<DWORD> starts_;  // each track's first frame, then the lead-out
};

// A length in `format`. A length has no track, so the track format writes it as
// minutes/seconds/frames.
DWORD EncodeLength(DWORD frames, DWORD format);

}  // namespace winsim::detail
