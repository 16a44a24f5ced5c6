// A sound device that writes every call into a log, one line per call, and
// fails the calls a test asks it to fail.
#pragma once

#include "sound_backend.h"

#include <set>
#include <utility>
#include <string>
#include <vector>

class RecordingBackend final : public SoundBackend {
public:
    std::vector<std::string> log;
    bool deviceAvailable = true;
    std::set<std::string> failing;  // names of calls that fail: "createBuffer", "openMusic", ...
    std::set<SoundBufferId> playingBuffers;
    int position = 0;

    // Returns the log so far and starts a new one.
    std::vector<std::string> take() { return std::exchange(log, {}); }

    bool openDevice() override {
        log.push_back("openDevice");
        return deviceAvailable;
    }
    void closeDevice() override { log.push_back("closeDevice"); }

    std::optional<SoundBufferId> createBuffer(const WaveFormat& f, std::span<const std::uint8_t> data) override {
        log.push_back("createBuffer " + std::to_string(f.channels) + "ch " + std::to_string(f.samplesPerSecond) + "Hz " +
                      std::to_string(f.bitsPerSample) + "bit " + std::to_string(data.size()) + " bytes");
        if (failing.count("createBuffer")) return std::nullopt;
        return nextBuffer++;
    }
    bool setVolume(SoundBufferId b, int v) override {
        log.push_back("setVolume " + std::to_string(b) + " " + std::to_string(v));
        return !failing.count("setVolume") && v <= 0 && v >= -10000;
    }
    bool isPlaying(SoundBufferId b) override { return playingBuffers.count(b) > 0; }
    void rewind(SoundBufferId b) override { log.push_back("rewind " + std::to_string(b)); }
    void play(SoundBufferId b) override {
        log.push_back("play " + std::to_string(b));
        playingBuffers.insert(b);
    }
    bool stop(SoundBufferId b) override {
        log.push_back("stop " + std::to_string(b));
        if (failing.count("stop")) return false;
        playingBuffers.erase(b);
        return true;
    }
    void releaseBuffer(SoundBufferId b) override { log.push_back("release " + std::to_string(b)); }

    bool openMusic(std::string_view alias, std::string_view file) override {
        log.push_back("open " + std::string(alias) + " " + std::string(file));
        return !failing.count("openMusic");
    }
    bool playMusicFromStart(std::string_view alias) override {
        log.push_back("play " + std::string(alias) + " from 0");
        return !failing.count("playMusic");
    }
    bool stopMusic(std::string_view alias) override {
        log.push_back("stop " + std::string(alias));
        return true;
    }
    bool closeMusic(std::string_view alias) override {
        log.push_back("close " + std::string(alias));
        return true;
    }
    std::optional<int> musicPosition(std::string_view alias) override {
        log.push_back("position " + std::string(alias));
        return position;
    }

    void playTone(std::span<const std::int16_t> period, int rate, int ms, Clock&) override {
        log.push_back("tone " + std::to_string(period.size()) + " samples at " + std::to_string(rate) + " Hz for " +
                      std::to_string(ms) + " ms");
        lastTone.assign(period.begin(), period.end());
    }
    std::vector<std::int16_t> lastTone;

private:
    SoundBufferId nextBuffer = 1;
};
