#include "run_image.h"

#include "engine_picture_files.h"
#include "eval.h"
#include "headless_host.h"
#include "modules.h"
#include "phone/emulator.h"
#include "report.h"
#include "silent_backend.h"
#include "startup.h"
#include "waits.h"
#include "world_layers.h"

#include <cstdlib>

namespace {

// The program folder of the fuzz build: the source tree's data files.
const char* const dataFolder = ORB_DATA_FOLDER "/";

// Deep recursion ends with the runtime's message well inside the fuzzer's stack.
constexpr size_t stackBudget = 2 * 1024 * 1024;

}  // namespace

void runImageText(std::string_view text) {
    instantWaits = true;
    HeadlessHost host;
    Interp in(host);
    in.maxSteps = fuzzStepLimit;
    if (loadImageText(text, in.image)) return;
    settleScreen(in);

    Emulator emulator;
    const TrailerSettings& t = in.image.trailer;
    const EmulatorSettings settings{in.screenWidth, in.screenHeight, t.orientation,
                                    t.touchScreen != 0 && t.joypadUsed != 0, dataFolder, ""};
    if (startEmulator(emulator, settings)) return;
    // No shown frame: a screenshot file is not an input, and writing one costs more than the run.

    Sound sound(silentBackend());
    Archives archives;
    TileMap map;
    EnginePictureFiles pictureFiles;
    Images images(pictureFiles);
    Modules modules{sound, archives, map, images, emulator};
    emulator.drawWorld = [&](Presenter& p, int margin) { drawMapAndSprites(map, images, emulator.screen, p, margin); };
    in.modules = &modules;
    resetMusicSlots(sound);
    if (!startSound(sound)) std::abort();  // the silent device always opens
    runLoadedProgram(in, stackBudget);
    if (in.noError) setNormalEndLine(in);
    releaseSound(sound);
}
