// The pictures of the six buttons, top row first: "#" is black, "." is white.
#pragma once

#include <string>
#include <vector>

using GlyphRows = std::vector<std::string>;

extern const GlyphRows kPlayGlyph;
extern const GlyphRows kStopGlyph;
extern const GlyphRows kNextGlyph;
extern const GlyphRows kPreviousGlyph;
extern const GlyphRows kEjectGlyph;
extern const GlyphRows kPauseGlyph;
