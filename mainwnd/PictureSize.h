#pragma once

// The picture area's drawn pixels: every blit of a diagram fills this much. (The area itself is
// one row taller; that row is never drawn.)
inline constexpr int kPictureWidth = 525;
inline constexpr int kPictureHeight = 350;
