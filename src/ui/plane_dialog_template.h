#pragma once

#include "dialog_template.h"

// Control ids of the main dialog (template 101).
namespace planeControl {
inline constexpr int openPcb = 3;
inline constexpr int run = 4;
inline constexpr int quit = idCancel;
inline constexpr int groundTopLayer = 1005;
inline constexpr int groundBottomLayer = 1010;
inline constexpr int powerTopLayer = 1011;
inline constexpr int powerBottomLayer = 1016;
inline constexpr int buildGround = 1017;
inline constexpr int buildPower = 1018;
inline constexpr int groundEnlargement = 1019;
inline constexpr int powerEnlargement = 1020;
inline constexpr int help = 1022;
inline constexpr int groundPadsAndVias = 1023;
inline constexpr int powerPadsAndVias = 1024;
}  // namespace planeControl

extern const DialogTemplate planeDialogTemplate;
