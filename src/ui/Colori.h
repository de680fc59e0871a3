// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Named colours of the windows, as 0xRRGGBB.

#include <array>
#include <cstdint>

namespace girolino::ui {

using TColore = std::uint32_t;

inline constexpr TColore clBlack = 0x000000;
inline constexpr TColore clMaroon = 0x800000;
inline constexpr TColore clGreen = 0x008000;
inline constexpr TColore clOlive = 0x808000;
inline constexpr TColore clNavy = 0x000080;
inline constexpr TColore clGray = 0x808080;
inline constexpr TColore clRed = 0xFF0000;
inline constexpr TColore clLime = 0x00FF00;
inline constexpr TColore clBlue = 0x0000FF;
inline constexpr TColore clFuchsia = 0xFF00FF;
inline constexpr TColore clAqua = 0x00FFFF;
inline constexpr TColore clWhite = 0xFFFFFF;
inline constexpr TColore clMoneyGreen = 0xC0DCC0;
inline constexpr TColore clSkyBlue = 0xA6CAF0;
inline constexpr TColore clBtnFace = 0xF0F0F0;
inline constexpr TColore clWindow = 0xFFFFFF;
// "No colour of its own": the toolkit's default for that kind of control.
inline constexpr TColore clPredefinito = 0xFF000000;

// The colour of a number by its code from coloreNumero: the zero green, then red, black.
inline constexpr std::array<TColore, 3> coloriDeiNumeri = {clGreen, clRed, clBlack};

} // namespace girolino::ui
