#pragma once

namespace zub {

// The largest side of a picture the decoders accept: far beyond any picture of the board, small enough
// that no size computation of theirs can overflow.
constexpr unsigned kMaxPictureSide = 16384;

} // namespace zub
