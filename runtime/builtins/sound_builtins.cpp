// Sound built-ins and the `z2`..`z4` loads, handed to the sound module.
#include "arguments.h"
#include "groups.h"
#include "modules.h"
#include "report.h"

namespace {

ValueKind reportIfFailed(Interp& in, SoundResult result) {
    if (result) report(in, *result);
    return ValueKind::None;
}

ValueKind position(Interp& in, MusicPosition p) {
    if (p.error) {
        report(in, *p.error);
        return ValueKind::None;
    }
    return returnInt(in, p.milliseconds);
}

}  // namespace

ValueKind soundBuiltin(Interp& in, Builtin code) {
    Sound& s = in.modules->sound;
    const int32_t slot = intArg(in, 0);
    switch (code) {
        case Builtin::Beep: return reportIfFailed(in, beep(s, intArg(in, 0), intArg(in, 1)));
        case Builtin::LoadWavByValue:
            return reportIfFailed(in, loadWav(s, stringArg(in, 0), intArg(in, 1), NameSource::value));
        case Builtin::FreeWav: return reportIfFailed(in, freeWav(s, slot));
        case Builtin::PlayWav: return reportIfFailed(in, playWav(s, slot));
        case Builtin::WavVol: return reportIfFailed(in, wavVol(s, slot, intArg(in, 1)));
        case Builtin::LoadMidByValue:
            return reportIfFailed(in, loadMid(s, stringArg(in, 0), intArg(in, 1), NameSource::value));
        case Builtin::PlayMid: return reportIfFailed(in, playMid(s, slot));
        case Builtin::StopMid: return reportIfFailed(in, stopMid(s, slot));
        case Builtin::LoadMp3ByValue:
            return reportIfFailed(in, loadMp3(s, stringArg(in, 0), intArg(in, 1), NameSource::value));
        case Builtin::PlayMp3: return reportIfFailed(in, playMp3(s, slot));
        case Builtin::StopMp3: return reportIfFailed(in, stopMp3(s, slot));
        case Builtin::FreeMp3: return reportIfFailed(in, freeMp3(s, slot));
        case Builtin::FreeMid: return reportIfFailed(in, freeMid(s, slot));
        case Builtin::StopWav: return reportIfFailed(in, stopWav(s, slot));
        case Builtin::GetMp3Position: return position(in, getMp3Position(s, slot));
        case Builtin::GetMidPosition: return position(in, getMidPosition(s, slot));
        default: return ValueKind::None;
    }
}

void loadSoundResource(Interp& in, char kind, int32_t slot, const std::string& fileName) {
    Sound& s = in.modules->sound;
    SoundResult result;
    if (kind == '2') result = loadWav(s, fileName, slot, NameSource::literal);
    else if (kind == '3') result = loadMp3(s, fileName, slot, NameSource::literal);
    else result = loadMid(s, fileName, slot, NameSource::literal);
    reportIfFailed(in, result);
}
