#pragma once

namespace kalvex {

// Commands of the main menu and the keyboard shortcuts that are not group commands.
namespace command {
inline constexpr int kPath = 103;
inline constexpr int kNewCustom = 3007;
inline constexpr int kGroups = 3008;
inline constexpr int kFindUnit = 3009;
inline constexpr int kUpdateRates = 3010;
// A range of their own for the commands that move whole groups in and out.
inline constexpr int kImportGroup = 3101;
inline constexpr int kExportGroup = 3102;
inline constexpr int kDeleteGroup = 3103; // the selected custom group
inline constexpr int kHelpTables = 4202;
inline constexpr int kHelpKeyboard = 4203;
inline constexpr int kHelpCommands = 4204;
inline constexpr int kHelpProcedures = 4205;
inline constexpr int kHelpBackground = 4206;
inline constexpr int kHelpGlossary = 4207;
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kHelpIndex = 57666;
inline constexpr int kHelpUsing = 57668;
inline constexpr int kContextHelp = 57669;
inline constexpr int kHelp = 57670;
inline constexpr int kHelpFinder = 57671;
inline constexpr int kStatusBar = 59393;
} // namespace command

// Help context numbers of menu commands and windows: the command's id above this base, and a
// window's resource number above the other.
inline constexpr int kCommandHelpBase = 0x10000;
inline constexpr int kResourceHelpBase = 0x20000;
inline constexpr int kMainFrameResource = 128;

} // namespace kalvex
