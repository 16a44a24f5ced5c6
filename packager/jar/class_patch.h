// Pass 3: the main and procedure listings are inserted into the game class
// template, with one stack-map frame per distinct label position.
#pragma once

#include "template_layout.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

// Patches the template bytes into out. False when a recognition sequence or
// marker is missing, a listing refers to an unknown label, or a StackMap
// cannot be rewritten; out is then incomplete.
bool patchGameClass(const std::vector<std::uint8_t>& templateBytes, std::string_view mainListing,
                    std::string_view procListing, std::vector<std::uint8_t>& out);

enum class PatchMessage { None, CannotFindTemplate, CannotCreateDestination };

struct PatchResult {
    bool ok = false;
    PatchMessage message = PatchMessage::None;   // shown as a warning when set
};

inline constexpr std::string_view gameClassTemplateName = templateLayout::gameClass.templateFile;

// Reads thegc.dat from the program folder and writes TheGameCanvas.class into the work folder.
PatchResult patchGameClassFile(const std::filesystem::path& programFolder, const std::filesystem::path& workFolder,
                               std::string_view mainListing, std::string_view procListing);

const char* patchMessageText(PatchMessage m);
